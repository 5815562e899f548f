#include "output/kifu_figure_print.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "common/stone_colour.h"
#include "common/stone_number.h"
#include "output/board_figure_print.h"
#include "output/territory_count.h"
#include "store/hand_edited_text.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QDate>
#include <QRegularExpression>

namespace output {
namespace {

const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QColor kBlack(Qt::black);

constexpr double kHeaderPoints = 11;
constexpr double kTitlePoints = 14;
constexpr double kRuleWidth = 10;
constexpr double kRuleGap = 80;

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

QString DayOf(const QString& rowDate) {
    const QDate date = common::ParseRowDate(rowDate);
    return date.isValid() ? common::ShortDate(date) : QString();
}

void PrintNotes(common::PrintSurface& surface, const FigureSlot& slot) {
    const NotesLayout& notes = slot.notes;
    const common::PrintFont font{kGothic, notes.points, false};
    const double pitch = NoteLinePitch(notes.points);
    const int room = notes.columns * notes.perColumn;
    for (int i = 0; i < notes.lines.size() && i < room; ++i) {
        QString line = notes.lines[i];
        // A page that cannot hold every note says so in its last line rather than drop some.
        if (i == room - 1 && room < notes.lines.size())
            line = QStringLiteral("（ほか %1 行は載せきれません）").arg(notes.lines.size() - i);
        surface.DrawText(slot.notesArea.left() + (i / notes.perColumn) * notes.columnWidth,
                         slot.notesArea.top() + (i % notes.perColumn) * pitch, line, font, kBlack);
    }
}

/// The letters of the marked stones, written on them as their numbers would be.
void PrintMarks(common::PrintSurface& surface, const PageGeometry& page, const KifuFigure& figure,
                int whiteFirst) {
    QFont font(kGothic);
    font.setBold(true);
    for (const FigureMark& mark : figure.marks) {
        const bool black = common::ColourOfStone(figure.board.At(mark.x, mark.y), whiteFirst) ==
                           common::StoneColour::Black;
        const common::StoneNumberPlacement placed = common::FitNumberInStone(
            mark.label, font, PageGeometry::numberFontBase, page.PointX(mark.x),
            page.PointY(mark.y), PageGeometry::stoneRadius);
        surface.DrawText(placed.left, placed.top, mark.label, {kGothic, placed.points, true},
                         black ? Qt::white : kBlack);
    }
}

void PrintFigure(common::PrintSurface& surface, const FigureSlot& slot, const KifuFigure& figure,
                 int whiteFirst) {
    surface.DrawText(0, slot.titleTop, FigureTitle(figure), {kMincho, kTitlePoints, true}, kBlack);
    // The record page's board starts at its column numerals' top.
    ScaledSurface board(surface, slot.board.x(),
                        slot.board.y() - PageGeometry::boardTop * slot.scale, slot.scale);
    const PageGeometry page;
    HorizontalFigurePrint(board, page);
    VerticalFigurePrint(board, page);
    BoardFigure drawn;
    drawn.board = figure.board;
    drawn.whiteFirst = whiteFirst;
    drawn.evenNumbers = true;
    drawn.numberShown = [&figure](int number) { return figure.IsFigureMove(number); };
    drawn.writtenNumber = [&figure](int number) { return figure.ShownNumber(number); };
    PrintBoard(board, page, drawn);
    PrintMarks(board, page, figure, whiteFirst);
    PrintNotes(surface, slot);
}

void PrintHeading(common::PrintSurface& surface, const FigurePage& page) {
    const common::PrintFont font{kMincho, page.headingPoints, true};
    surface.DrawText(0, 0, page.headingLeft, font, kBlack);
    surface.DrawText(page.headingRightLeft, 0, page.headingRight, font, kBlack);
    // A rule under the top line parts it from the game's header and figures.
    const double rule = kHeadingBand - kRuleGap;
    surface.DrawLine(0, rule, surface.PageSize().width(), rule, kRuleWidth, kBlack);
    for (int i = 0; i < page.headerLines.size(); ++i) {
        surface.DrawText(0, kHeadingBand + i * kHeaderLinePitch, page.headerLines[i],
                         {kMincho, kHeaderPoints, true}, kBlack);
    }
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
    header.heading = FigureHeadingOf(opponent, game, table.OpponentColour(),
                                     RecordedResult(resultsRecordLines, opponent, game));
    header.gameName = game;
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
    return header;
}

QStringList KifuHeaderLines(const KifuHeader& header) {
    const FigureHeading& heading = header.heading;
    const auto player = [](const QString& name, const QString& rank) {
        return rank.isEmpty() ? name : name + QLatin1Char(' ') + rank;
    };
    QStringList lines{
        QStringLiteral("対局名 : No.%1  ［ 全 %2 手 ］").arg(header.gameName).arg(header.moves),
        QStringLiteral("対局者 : (黒) %1  vs  (白) %2")
            .arg(player(heading.blackPlayer, heading.blackRank),
                 player(heading.whitePlayer, heading.whiteRank)),
        QStringLiteral("手合割 : ") + header.handicapText + QStringLiteral(" ［") +
            header.komiText + QStringLiteral("］"),
        QStringLiteral("記録日 : ") + header.firstDay + QStringLiteral(" 〜 ") + header.lastDay};
    if (!heading.event.isEmpty())
        lines.append(QStringLiteral("棋　戦 : ") + heading.event);
    if (!heading.result.isEmpty())
        lines.append(QStringLiteral("結　果 : ") + heading.result);
    return lines;
}

QString SgfResultText(const QString& result) {
    static const QRegularExpression kWin(
        QStringLiteral("^([BW])\\+(R|Resign|T|Time|F|Forfeit|\\d+(?:\\.\\d+)?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString plain = result.trimmed();
    if (plain == QStringLiteral("0") ||
        plain.compare(QStringLiteral("Draw"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("ジゴ");
    const QRegularExpressionMatch match = kWin.match(plain);
    if (!match.hasMatch())
        return plain;
    const QString colour = match.captured(1).toUpper() == QStringLiteral("B")
                               ? QStringLiteral("黒")
                               : QStringLiteral("白");
    const QString how = match.captured(2).toUpper();
    if (how.isEmpty())
        return colour + QStringLiteral("勝ち");
    if (how.startsWith('R'))
        return colour + QStringLiteral("中押し勝ち");
    if (how.startsWith('T'))
        return colour + QStringLiteral("時間切れ勝ち");
    if (how.startsWith('F'))
        return colour + QStringLiteral("反則勝ち");
    return colour + MarginText(how.toDouble()) + QStringLiteral("勝ち");
}

void TakeGameInfo(FigureHeading& heading, const store::GameInfo& info) {
    if (!info.blackPlayer.isEmpty())
        heading.blackPlayer = info.blackPlayer;
    if (!info.whitePlayer.isEmpty())
        heading.whitePlayer = info.whitePlayer;
    heading.blackRank = info.blackRank;
    heading.whiteRank = info.whiteRank;
    if (!info.event.isEmpty())
        heading.event = info.event;
    if (heading.result.isEmpty() && !info.result.isEmpty())
        heading.result = SgfResultText(info.result);
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
    if (const std::optional<store::GameInfo> info = store::ReadGameInfo(recordPath))
        TakeGameInfo(book.header.heading, *info);
    book.whiteFirst = table.whiteFirst;
    return BookOutcome::Made;
}

std::vector<FigurePage> KifuPages(const KifuBook& book, const QSizeF& page) {
    return LayOutFigurePages(book.figures, book.header.heading, KifuHeaderLines(book.header), page);
}

void PrintKifuFigures(common::PrintSurface& surface, const KifuBook& book) {
    const std::vector<FigurePage> pages = KifuPages(book, surface.PageSize());
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            surface.NewPage();
        PrintHeading(surface, pages[p]);
        for (const FigureSlot& slot : pages[p].figureSlots)
            PrintFigure(surface, slot, book.figures[size_t(slot.figure)], book.whiteFirst);
    }
}

}  // namespace output
