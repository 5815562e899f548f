#include "output/kifu_figure_layout.h"

#include "output/board_figure_print.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>

namespace output {
namespace {

const QString kMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kWideBlank = QStringLiteral("　");

constexpr double kTwipsPerPoint = 20;
constexpr int kMeasuringPixels = 1000;
constexpr double kHeadingPoints = 10;
constexpr double kSmallestHeadingPoints = 7;
constexpr double kHeaderGap = 150;
constexpr double kTitleRoom = 480;
constexpr double kBelowFigure = 200;
constexpr double kNotesGap = 300;
constexpr double kNotesPoints = 10;
constexpr double kSmallestNotesPoints = 6;
// A line of notes takes 1.3 times its type's height.
constexpr double kNoteLineShare = 1.3;
// Beside a board at least this much is kept for the notes.
constexpr double kLeastNotesWidth = 2600;
// Under a board of a whole game, the notes get at least this many lines of the smallest type
// before the board is made smaller.
constexpr double kSmallestNotesBelow = 8;

/// The width of a text in twips at `points`, measured once large so that it does not depend
/// on the hinting of some small size.
double TextWidth(const QString& text, const QString& family, bool bold, double points) {
    QFont font(family);
    font.setBold(bold);
    font.setPixelSize(kMeasuringPixels);
    return QFontMetricsF(font).horizontalAdvance(text) * points * kTwipsPerPoint / kMeasuringPixels;
}

/// A note broken after its commas into lines no wider than `width`; later lines are indented.
QStringList WrapNote(const QString& note, double width, double points) {
    const QStringList pieces = note.split(QStringLiteral(", "));
    QStringList lines;
    QString line;
    for (int i = 0; i < pieces.size(); ++i) {
        const QString piece = pieces[i] + (i + 1 < pieces.size() ? QStringLiteral(",") : QString());
        const QString joined = line.isEmpty() ? piece : line + QLatin1Char(' ') + piece;
        if (!line.isEmpty() && TextWidth(joined, kGothic, false, points) > width) {
            lines.append(line);
            line = kWideBlank + piece;
        } else {
            line = joined;
        }
    }
    lines.append(line);
    return lines;
}

/// The notes in `columns` columns at `points`, or nothing when they do not fit.
bool TryNotes(const QStringList& notes, const QSizeF& area, double points, int columns,
              NotesLayout& layout) {
    const double gap = points * kTwipsPerPoint;
    const double width = (area.width() - (columns - 1) * gap) / columns;
    const int perColumn = int(area.height() / NoteLinePitch(points));
    if (width <= 0 || perColumn < 1)
        return false;
    QStringList lines;
    for (const QString& note : notes)
        lines += WrapNote(note, width, points);
    if (lines.size() > qsizetype(columns) * perColumn)
        return false;
    layout.points = points;
    layout.lines = lines;
    layout.columns = columns;
    layout.perColumn = perColumn;
    layout.columnWidth = width + gap;
    return true;
}

/// The pages' right side of the top line: the figures on it and the page's number.
QString HeadingPageText(const std::vector<KifuFigure>& figures, const FigurePage& page) {
    QStringList titles;
    for (const FigureSlot& slot : page.figureSlots)
        titles.append(QStringLiteral("第%1譜").arg(figures[size_t(slot.figure)].index));
    return titles.join(QStringLiteral("・")) + kWideBlank +
           QStringLiteral("%1 / %2").arg(page.number).arg(page.pages);
}

/// The top line in the largest type up to 10 points that fits across the page.
void SetHeading(FigurePage& page, const std::vector<KifuFigure>& figures,
                const FigureHeading& heading, double pageWidth) {
    page.headingLeft = HeadingGameText(heading);
    page.headingRight = HeadingPageText(figures, page);
    const QString both = page.headingLeft + kWideBlank + kWideBlank + page.headingRight;
    page.headingPoints = kHeadingPoints;
    while (page.headingPoints > kSmallestHeadingPoints &&
           TextWidth(both, kMincho, true, page.headingPoints) > pageWidth)
        page.headingPoints -= 0.5;
    page.headingRightLeft =
        pageWidth - TextWidth(page.headingRight, kMincho, true, page.headingPoints);
}

double HeaderHeight(const QStringList& headerLines) {
    return headerLines.size() * kHeaderLinePitch + kHeaderGap;
}

/// A game in one figure: the board as wide as the page, the notes under it.
FigureSlot WholePageSlot(const KifuFigure& figure, double top, const QSizeF& page) {
    FigureSlot slot;
    slot.titleTop = top;
    slot.board = QPointF(0, top + kTitleRoom);
    const double room = page.height() - slot.board.y();
    // The notes' least room: a few lines of the smallest type.
    const double leastNotes =
        figure.notes.isEmpty()
            ? 0
            : kNotesGap + kSmallestNotesBelow * NoteLinePitch(kSmallestNotesPoints);
    slot.scale = std::min(page.width(), room - leastNotes) / FigureBlockSize();
    // Many notes make the board smaller rather than the notes unreadable.
    for (;;) {
        const double notesTop = slot.board.y() + FigureBlockSize() * slot.scale + kNotesGap;
        slot.notesArea = QRectF(0, notesTop, page.width(), page.height() - notesTop);
        slot.notes = LayOutNotes(figure.notes, slot.notesArea.size(), kNotesPoints);
        if (slot.notes.complete || slot.scale <= 0.5)
            return slot;
        slot.scale -= 0.02;
    }
}

/// Two figures a page: the scale that lets two of them and their titles share the first
/// page's room under its header, and leaves room for the notes beside them.
double TwoAPageScale(double firstPageRoom, double pageWidth) {
    const double byHeight = (firstPageRoom / 2 - kTitleRoom - kBelowFigure) / FigureBlockSize();
    const double byWidth = (pageWidth - kLeastNotesWidth - kNotesGap) / FigureBlockSize();
    return std::max(0.1, std::min(byHeight, byWidth));
}

FigureSlot HalfPageSlot(const KifuFigure& figure, double top, double scale, double pageWidth) {
    FigureSlot slot;
    slot.titleTop = top;
    slot.board = QPointF(0, top + kTitleRoom);
    slot.scale = scale;
    const double notesLeft = FigureBlockSize() * scale + kNotesGap;
    slot.notesArea =
        QRectF(notesLeft, slot.board.y(), pageWidth - notesLeft, FigureBlockSize() * scale);
    slot.notes = LayOutNotes(figure.notes, slot.notesArea.size(), kNotesPoints);
    return slot;
}

}  // namespace

FigureHeading FigureHeadingOf(const QString& opponent, const QString& game,
                              common::StoneColour opponentColour, const QString& result) {
    FigureHeading heading;
    heading.game = opponent + QLatin1Char(' ') + game + QStringLiteral("局");
    const QString self = QStringLiteral("自分");
    const bool opponentBlack = opponentColour == common::StoneColour::Black;
    heading.blackPlayer = opponentBlack ? opponent : self;
    heading.whitePlayer = opponentBlack ? self : opponent;
    heading.result = result;
    return heading;
}

QString HeadingPlayers(const FigureHeading& heading) {
    const auto player = [](const QString& colour, const QString& name, const QString& rank) {
        return colour + QLatin1Char(' ') + name + (rank.isEmpty() ? QString() : ' ' + rank);
    };
    return player(QStringLiteral("黒"), heading.blackPlayer, heading.blackRank) + kWideBlank +
           player(QStringLiteral("白"), heading.whitePlayer, heading.whiteRank);
}

QString HeadingGameText(const FigureHeading& heading) {
    QStringList parts{heading.game, HeadingPlayers(heading)};
    if (!heading.event.isEmpty())
        parts.append(heading.event);
    if (!heading.result.isEmpty())
        parts.append(QStringLiteral("結果 ") + heading.result);
    return parts.join(kWideBlank);
}

double NoteLinePitch(double points) {
    return points * kTwipsPerPoint * kNoteLineShare;
}

NotesLayout LayOutNotes(const QStringList& notes, const QSizeF& area, double largest) {
    NotesLayout layout;
    if (notes.isEmpty())
        return layout;
    for (double points = largest; points >= kSmallestNotesPoints; points -= 0.5) {
        for (int columns = 1; columns <= 8; ++columns) {
            if (TryNotes(notes, area, points, columns, layout))
                return layout;
        }
    }
    // Nothing holds them all: the smallest type in one column shows as many as there is room
    // for, and the printing says what was left out.
    TryNotes(notes, QSizeF(area.width(), 1e9), kSmallestNotesPoints, 1, layout);
    layout.columns = 1;
    layout.perColumn = std::max(1, int(area.height() / NoteLinePitch(kSmallestNotesPoints)));
    layout.complete = false;
    return layout;
}

double FigureBlockSize() {
    // From the row numerals' left edge to the outer edge of a stone on the last line; the
    // block is as high, from the column numerals' top.
    return PageGeometry().PointX(go::kBoardSize) + PageGeometry::stoneRadius;
}

std::vector<FigurePage> LayOutFigurePages(const std::vector<KifuFigure>& figures,
                                          const FigureHeading& heading,
                                          const QStringList& headerLines, const QSizeF& page) {
    std::vector<FigurePage> pages;
    const double firstTop = kHeadingBand + HeaderHeight(headerLines);
    if (figures.size() == 1) {
        pages.resize(1);
        pages[0].figureSlots.push_back(WholePageSlot(figures[0], firstTop, page));
    } else {
        const double scale = TwoAPageScale(page.height() - firstTop, page.width());
        for (size_t i = 0; i < figures.size(); i += 2) {
            FigurePage figurePage;
            const double top = pages.empty() ? firstTop : kHeadingBand;
            // Later pages spread their two figures over the room the header takes on the first.
            const double pitch = (page.height() - top) / 2;
            for (size_t k = i; k < std::min(i + 2, figures.size()); ++k) {
                figurePage.figureSlots.push_back(
                    HalfPageSlot(figures[k], top + double(k - i) * pitch, scale, page.width()));
                figurePage.figureSlots.back().figure = int(k);
            }
            pages.push_back(figurePage);
        }
    }
    for (size_t p = 0; p < pages.size(); ++p) {
        pages[p].number = int(p) + 1;
        pages[p].pages = int(pages.size());
        SetHeading(pages[p], figures, heading, page.width());
    }
    if (!pages.empty())
        pages[0].headerLines = headerLines;
    return pages;
}

}  // namespace output
