#include "output/kifu_figure_print.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "output/board_figure_print.h"
#include "store/hand_edited_text.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QDate>

#include <cmath>

namespace output {
namespace {

const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QColor kBlack(Qt::black);

constexpr double kHeaderPoints = 12;
constexpr double kHeaderPitch = 330;
constexpr int kHeaderLineRoom = 5;
constexpr double kHeaderBand = kHeaderLineRoom * kHeaderPitch + 200;
constexpr double kTitlePoints = 14;
constexpr double kTitleRoom = 480;
constexpr double kNotesGap = 300;
// The record page's board with its numerals, from the row numerals' left edge and the column
// numerals' top to the outer edge of a stone on the last line.
const double kBlockWidth = PageGeometry().PointX(go::kBoardSize) + PageGeometry::stoneRadius;
const double kBlockTop = PageGeometry::boardTop;
const double kBlockHeight =
    PageGeometry().PointY(go::kBoardSize) + PageGeometry::stoneRadius - kBlockTop;

/// A surface that draws on another one shifted and scaled, so that a figure is drawn by the
/// same code as the record page's board, only smaller.
class ScaledSurface : public common::PrintSurface {
  public:
    ScaledSurface(common::PrintSurface& target, double left, double top, double scale)
        : target_(target), left_(left), top_(top), scale_(scale) {}

    QSizeF PageSize() const override { return target_.PageSize() / scale_; }
    void DrawText(double x, double y, const QString& text, const common::PrintFont& font,
                  const QColor& colour) override {
        common::PrintFont scaled = font;
        scaled.points *= scale_;
        target_.DrawText(X(x), Y(y), text, scaled, colour);
    }
    void DrawLine(double x1, double y1, double x2, double y2, double width,
                  const QColor& ink) override {
        target_.DrawLine(X(x1), Y(y1), X(x2), Y(y2), width * scale_, ink);
    }
    void DrawCircle(double x, double y, double radius, double width, const QColor& fill) override {
        target_.DrawCircle(X(x), Y(y), radius * scale_, width * scale_, fill);
    }
    void DrawRectangle(const QRectF& rect, double width, const QColor& fill,
                       const QColor& ink) override {
        target_.DrawRectangle(
            QRectF(X(rect.x()), Y(rect.y()), rect.width() * scale_, rect.height() * scale_),
            width * scale_, fill, ink);
    }
    void DrawImage(const QRectF& rect, const QImage& image) override {
        target_.DrawImage(
            QRectF(X(rect.x()), Y(rect.y()), rect.width() * scale_, rect.height() * scale_), image);
    }

  private:
    double X(double x) const { return left_ + x * scale_; }
    double Y(double y) const { return top_ + y * scale_; }

    common::PrintSurface& target_;
    double left_;
    double top_;
    double scale_;
};

/// Where the figures of a page go: the same two layout on every page, below the header band.
struct FigureSlots {
    double slotHeight = 0;
    double scale = 1;
    double boardLeft = 0;

    explicit FigureSlots(const QSizeF& page) {
        slotHeight = (page.height() - kHeaderBand) / 2;
        scale = qMin((slotHeight - kTitleRoom - 150) / kBlockHeight, 1.0);
        boardLeft = 0;
    }
    double SlotTop(int slot) const { return kHeaderBand + slot * slotHeight; }
};

QString DayOf(const QString& rowDate) {
    const QDate date = common::ParseRowDate(rowDate);
    return date.isValid() ? common::ShortDate(date) : QString();
}

/// The notes in columns right of the board, in the largest type that holds them all.
void PrintNotes(common::PrintSurface& surface, const QStringList& notes, const QRectF& area) {
    if (notes.isEmpty())
        return;
    double points = 10;
    int perColumn = 0;
    double columnWidth = 0;
    for (; points > 5; points -= 0.5) {
        // A note is at most seven full-width characters wide.
        columnWidth = 8 * points * 20;
        perColumn = qMax(1, int(area.height() / (points * 26)));
        const int columns = qMax(1, int(area.width() / columnWidth));
        if (columns * perColumn >= notes.size())
            break;
    }
    const common::PrintFont font{kGothic, points, false};
    for (int i = 0; i < notes.size(); ++i) {
        const double left = area.left() + (i / perColumn) * columnWidth;
        if (left + columnWidth > area.right() + columnWidth / 2)
            break;  // beyond even the smallest type; never happens with figures of 100 moves
        surface.DrawText(left, area.top() + (i % perColumn) * points * 26, notes[i], font, kBlack);
    }
}

void PrintFigure(common::PrintSurface& surface, const FigureSlots& layout, int slot,
                 const KifuFigure& figure, int whiteFirst) {
    const double top = layout.SlotTop(slot);
    surface.DrawText(0, top, FigureTitle(figure), {kMincho, kTitlePoints, true}, kBlack);
    const double boardTop = top + kTitleRoom;
    ScaledSurface board(surface, layout.boardLeft, boardTop - kBlockTop * layout.scale,
                        layout.scale);
    const PageGeometry page;
    HorizontalFigurePrint(board, page);
    VerticalFigurePrint(board, page);
    BoardFigure drawn;
    drawn.board = figure.board;
    drawn.whiteFirst = whiteFirst;
    drawn.numberShown = [&figure](int number) { return figure.IsFigureMove(number); };
    drawn.writtenNumber = [&figure](int number) { return figure.ShownNumber(number); };
    PrintBoard(board, page, drawn);
    const double notesLeft = layout.boardLeft + kBlockWidth * layout.scale + kNotesGap;
    PrintNotes(surface, figure.notes,
               QRectF(notesLeft, boardTop, surface.PageSize().width() - notesLeft,
                      kBlockHeight * layout.scale));
}

}  // namespace

QString RecordedResult(const QStringList& resultsRecordLines, const QString& opponent,
                       const QString& game) {
    const QString start = opponent + QStringLiteral(" ") + game + QStringLiteral("局 ");
    QString result;
    for (const QString& line : resultsRecordLines) {
        if (!line.startsWith(start))
            continue;
        const qsizetype open = line.indexOf(QStringLiteral(" ["), start.size());
        const qsizetype close = line.indexOf(QStringLiteral("] "), open + 2);
        if (open >= 0 && close > open)
            result = line.mid(open + 2, close - open - 2).trimmed();
    }
    return result;
}

KifuHeader KifuHeaderOf(const store::RecordTable& table, const QString& opponent,
                        const QString& game, const QStringList& resultsRecordLines) {
    KifuHeader header;
    header.gameName = game;
    header.opponent = opponent;
    header.playerColour = table.PlayerColourText();
    header.opponentColour = common::ColourText(table.OpponentColour());
    header.handicapText = common::HandicapText(table.handicapCode);
    header.komiText = common::KomiText(table.komiCode);
    const QDate started = common::ParseShortDate(table.headerDate);
    header.firstDay = started.isValid() ? common::ShortDate(started) : QString();
    for (int r = 1; r <= qMin(table.savedRowCount, store::kMaxRows); ++r) {
        const store::RecordRow& row = table.rows[size_t(r)];
        const QString day = DayOf(row.date);
        if (!day.isEmpty()) {
            header.lastDay = day;
            if (header.firstDay.isEmpty())
                header.firstDay = day;
        }
        if (row.IsPlacement())
            header.moves = qMax(header.moves, int(row.number));
    }
    header.result = RecordedResult(resultsRecordLines, opponent, game);
    return header;
}

QStringList KifuHeaderLines(const KifuHeader& header) {
    QStringList lines{
        QStringLiteral("対局名 : No.%1  ［ 全 %2 手 ］").arg(header.gameName).arg(header.moves),
        QStringLiteral("対局者 : (%1) %2  vs  (%3) 自分")
            .arg(header.opponentColour, header.opponent, header.playerColour),
        QStringLiteral("手合割 : ") + header.handicapText + QStringLiteral(" ［") +
            header.komiText + QStringLiteral("］"),
        QStringLiteral("記録日 : ") + header.firstDay + QStringLiteral(" 〜 ") + header.lastDay};
    if (!header.result.isEmpty())
        lines.append(QStringLiteral("結　果 : ") + header.result);
    return lines;
}

BookOutcome MakeKifuBook(const QString& recordPath, const QString& resultsRecordPath,
                         const QString& opponent, const QString& game, const FigureOptions& options,
                         KifuBook& book) {
    store::RecordTable table;
    if (store::ReadRecordFile(recordPath, table) != store::LoadOutcome::Complete)
        return BookOutcome::Unreadable;
    book.figures = SplitIntoFigures(table, options);
    if (book.figures.empty())
        return BookOutcome::NoMoves;
    // A missing results record only means that no result is known yet.
    QStringList results;
    store::ReadHandEditedTextLines(resultsRecordPath, results);
    book.header = KifuHeaderOf(table, opponent, game, results);
    book.whiteFirst = table.whiteFirst;
    return BookOutcome::Made;
}

int KifuPageCount(const KifuBook& book) {
    return int(book.figures.size() + 1) / 2;
}

void PrintKifuFigures(common::PrintSurface& surface, const KifuBook& book) {
    const FigureSlots layout(surface.PageSize());
    const QStringList header = KifuHeaderLines(book.header);
    for (int i = 0; i < header.size(); ++i)
        surface.DrawText(0, i * kHeaderPitch, header[i], {kMincho, kHeaderPoints, true}, kBlack);
    for (size_t i = 0; i < book.figures.size(); ++i) {
        if (i > 0 && i % 2 == 0)
            surface.NewPage();
        PrintFigure(surface, layout, int(i % 2), book.figures[i], book.whiteFirst);
    }
}

}  // namespace output
