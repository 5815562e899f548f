#include "output/record_print.h"

#include "common/game_texts.h"
#include "common/stone_colour.h"
#include "output/kifu_figure_print.h"
#include "store/game_info_file.h"

namespace output {
namespace {

constexpr double kHeaderLineMillimetres = 6;
constexpr double kRemovedListLeft = 20 * PageGeometry::pointPitch + PageGeometry::pointPitch / 2;
constexpr double kRemovedLinePitch = 205;
// The screen shows 15 twips a pixel; the window prints at that size.
constexpr double kTwipsPerScreenPixel = 15;

const QColor kBlack(Qt::black);

}  // namespace

RecordPage RecordPageOf(const go::BoardModel& model, const QString& opponent, const QString& game) {
    const store::RecordTable& table = model.table();
    RecordPage record;
    record.gameName = game;
    record.lastMoveNumber = table.rows[size_t(model.SearchLastStoneRow(table.lastRow))].number;
    if (table.headerRead) {
        record.opponentLabel = "(" + common::ColourText(table.OpponentColour()) + ") " + opponent;
        record.handicapLabel = common::HandicapText(table.handicapCode) + QStringLiteral(" ［") +
                               common::KomiText(table.komiCode) + QStringLiteral("］");
    }
    record.removedList = FillRemovedList(table, table.lastRow);
    record.figure.board = model.board();
    record.figure.whiteFirst = table.whiteFirst;
    record.figure.numberShown = [&model](int number) { return model.NumberFlag(number); };
    return record;
}

void TakeImportedPlayers(RecordPage& record, const go::BoardModel& model, const QString& opponent,
                         const QString& game, const QString& recordPath) {
    const std::optional<store::GameInfo> info = store::ReadGameInfo(recordPath);
    if (!info)
        return;
    FigureHeading heading =
        FigureHeadingOf(opponent, game, model.table().OpponentColour(), QString());
    TakeGameInfo(heading, *info);
    record.playersLabel = HeadingPlayers(heading);
    if (!heading.event.isEmpty())
        record.playersLabel += QStringLiteral("　") + heading.event;
    if (!heading.result.isEmpty())
        record.playersLabel += QStringLiteral("　結果 ") + heading.result;
}

QString RemovedEntry(int number, int x, int y) {
    // The sign comes first so that a removed handicap stone (number 0 or below) keeps it.
    const QString digits = QStringLiteral("%1").arg(qAbs(number), 3, 10, QLatin1Char('0'));
    return (number < 0 ? QStringLiteral("-") : QString()) + digits + QStringLiteral(": ") +
           QString::number(x) + QStringLiteral("･") + QString::number(y);
}

QStringList FillRemovedList(const store::RecordTable& table, int lastRow) {
    QStringList entries;
    for (int r = 1; r <= qMin(lastRow, store::kMaxRows); ++r) {
        const store::RecordRow& row = table.rows[size_t(r)];
        if (row.IsRemoval())
            entries.append(RemovedEntry(row.number, row.x, row.y));
    }
    return entries;
}

QStringList HeaderLines(const RecordPage& record) {
    return {QStringLiteral("対局名 : No.") + record.gameName + QStringLiteral("  ［ ") +
                QString::number(record.lastMoveNumber) + QStringLiteral(" 手まで ］"),
            QStringLiteral("対局者 : ") + (record.playersLabel.isEmpty()
                                               ? record.opponentLabel + QStringLiteral("  vs  ")
                                               : record.playersLabel),
            QStringLiteral("手合割 : ") + record.handicapLabel};
}

QString RemovedLine(const QString& entry, int whiteFirst) {
    // Read up to the colon rather than three characters, so that "-003" reads as -3.
    const int colon = entry.indexOf(QLatin1Char(':'));
    const int number = entry.left(colon).toInt();
    const bool black = common::ColourOfStone(number, whiteFirst) == common::StoneColour::Black;
    const QString mark = black ? QStringLiteral("●") : QStringLiteral("○");
    return mark + QString::number(number) + QStringLiteral(": ") + entry.mid(colon + 1);
}

void PrintHeader(common::PrintSurface& surface, const PageGeometry& page,
                 const RecordPage& record) {
    const common::PrintFont font{QStringLiteral("ＭＳ Ｐ明朝"), 13, true};
    const QStringList lines = HeaderLines(record);
    for (int i = 0; i < lines.size(); ++i) {
        const double top = page.offsetY + kHeaderLineMillimetres * i * common::kTwipsPerMillimetre;
        surface.DrawText(page.offsetX + PageGeometry::pointPitch, top, lines[i], font, kBlack);
    }
}

void PrintRemovedList(common::PrintSurface& surface, const PageGeometry& page,
                      const RecordPage& record) {
    const common::PrintFont font{QStringLiteral("ＭＳ Ｐゴシック"), 10, true};
    const double pageBottom = surface.PageSize().height();
    for (int i = 0; i < record.removedList.size(); ++i) {
        const double top = page.offsetY + PageGeometry::boardTop + kRemovedLinePitch * i;
        // The list does not go on to another page; what does not fit is left out.
        if (top + kRemovedLinePitch > pageBottom)
            break;
        surface.DrawText(page.offsetX + kRemovedListLeft, top,
                         RemovedLine(record.removedList[i], record.figure.whiteFirst), font,
                         kBlack);
    }
}

void PrintOut(common::PrintSurface& surface, const RecordPage& record) {
    const PageGeometry page = PageGeometry::FromMillimetres(record.offsetXmm, record.offsetYmm);
    PrintHeader(surface, page, record);
    PrintRemovedList(surface, page, record);
    HorizontalFigurePrint(surface, page);
    VerticalFigurePrint(surface, page);
    PrintBoard(surface, page, record.figure);
}

void PrintWindowImage(common::PrintSurface& surface, const QImage& image) {
    QSizeF size = image.deviceIndependentSize() * kTwipsPerScreenPixel;
    if (size.isEmpty())
        return;
    const QSizeF page = surface.PageSize();
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page, Qt::KeepAspectRatio);
    surface.DrawImage(QRectF(QPointF(0, 0), size), image);
}

}  // namespace output
