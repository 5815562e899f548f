#include "output/board_figure_print.h"

#include "common/numerals.h"
#include "common/record_text.h"
#include "common/stone_colour.h"
#include "common/stone_number.h"

namespace output {
namespace {

// The figure's line widths were chosen in dots of a 600 dpi printer; the page is in twips.
constexpr double kTwipsPerDot = 1440.0 / 600.0;
constexpr double kBorderWidth = 8 * kTwipsPerDot;
constexpr double kGridWidth = 4 * kTwipsPerDot;
constexpr double kStoneOutlineWidth = 4 * kTwipsPerDot;
constexpr double kStarPointWidth = 2 * kTwipsPerDot;
constexpr double kStackedNumeralGap = 40;

const QString kGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QColor kBlack(Qt::black);
const QColor kWhite(Qt::white);

bool IsStarPoint(int x, int y) {
    return (x == 4 || x == 10 || x == 16) && (y == 4 || y == 10 || y == 16);
}

bool OnEdge(int line) {
    return line == 1 || line == go::kBoardSize;
}

void PrintStoneNumber(common::PrintSurface& surface, double px, double py, int number, bool black) {
    constexpr double base = PageGeometry::numberFontBase;
    // Wider numbers start from smaller type; three digits are then narrowed further to fit.
    const double points = number >= 100 ? base - 2 : number >= 10 ? base : base + 2;
    const QString text = QString::number(number);
    QFont font(kGothic);
    font.setBold(true);
    const common::StoneNumberPlacement placement =
        common::FitNumberInStone(text, font, points, px, py, PageGeometry::stoneRadius);
    surface.DrawText(placement.left, placement.top, text, {kGothic, placement.points, true},
                     black ? kWhite : kBlack);
}

// Every number is set at the size that two digits fit at; a wider one is narrowed to its stone
// and then stretched back up, so that 7, 98 and 100 all stand equally high.
void PrintEvenNumber(common::PrintSurface& surface, double px, double py, int number, bool black) {
    const QString text = QString::number(number);
    QFont font(kGothic);
    font.setBold(true);
    const common::StoneNumberPlacement placement = common::FitNumberInStone(
        text, font, PageGeometry::numberFontBase, px, py, PageGeometry::stoneRadius);
    const double stretch = PageGeometry::numberFontBase / placement.points;
    // The stretch works downwards from the top of the text cell; the top moves up so that the
    // number stays centred on its stone.
    const double top = py - stretch * (py - placement.top);
    surface.DrawText(placement.left, top, text, {kGothic, placement.points, true, stretch},
                     black ? kWhite : kBlack);
}

void PrintStone(common::PrintSurface& surface, double px, double py, int number,
                const BoardFigure& figure) {
    const bool black =
        common::ColourOfStone(number, figure.whiteFirst) == common::StoneColour::Black;
    surface.DrawCircle(px, py, PageGeometry::stoneRadius, kStoneOutlineWidth,
                       black ? kBlack : kWhite);
    // Handicap stones never carry a number.
    if (number >= 1 && figure.numberShown && figure.numberShown(number)) {
        const int written = figure.writtenNumber ? figure.writtenNumber(number) : number;
        if (figure.evenNumbers)
            PrintEvenNumber(surface, px, py, written, black);
        else
            PrintStoneNumber(surface, px, py, written, black);
    }
}

// A line stops half way to each neighbour, where a neighbouring stone's outline lies, so that
// no line crosses a stone. Lines along the edge form the border, twice as thick as the others.
void PrintGridAround(common::PrintSurface& surface, double px, double py, int x, int y) {
    constexpr double half = PageGeometry::pointPitch / 2.0;
    const double left = x > 1 ? px - half : px;
    const double right = x < go::kBoardSize ? px + half : px;
    const double top = y > 1 ? py - half : py;
    const double bottom = y < go::kBoardSize ? py + half : py;
    surface.DrawLine(left, py, right, py, OnEdge(y) ? kBorderWidth : kGridWidth, Qt::black);
    surface.DrawLine(px, top, px, bottom, OnEdge(x) ? kBorderWidth : kGridWidth, Qt::black);
}

}  // namespace

PageGeometry PageGeometry::FromMillimetres(int horizontal, int vertical) {
    PageGeometry page;
    page.offsetX = horizontal * common::kTwipsPerMillimetre;
    page.offsetY = vertical * common::kTwipsPerMillimetre;
    return page;
}

void HorizontalFigurePrint(common::PrintSurface& surface, const PageGeometry& page) {
    const common::PrintFont font{kGothic, 13, true};
    for (int column = 1; column <= go::kBoardSize; ++column) {
        // Two digits start further left so that they too stand over their line.
        const double left =
            page.offsetX + column * PageGeometry::pointPitch - (column < 10 ? 33 : 110);
        surface.DrawText(left, page.offsetY + PageGeometry::boardTop, common::PrintedNumber(column),
                         font, kBlack);
    }
}

void VerticalFigurePrint(common::PrintSurface& surface, const PageGeometry& page) {
    const common::PrintFont font{kGothic, 10, true};
    common::PrintFont flattened = font;
    flattened.heightShare = common::kStackedNumeralHeightShare;
    QFont measured(kGothic);
    measured.setBold(true);
    for (int row = 1; row <= go::kBoardSize; ++row) {
        const double top = page.offsetY + PageGeometry::boardTop + row * PageGeometry::pointPitch;
        const QString numeral = common::KanjiNumeral(row);
        if (numeral.size() == 1) {
            surface.DrawText(page.offsetX, top, numeral, font, kBlack);
            continue;
        }
        // Two characters do not fit across the strip: they are stacked, flattened so that
        // each stays whole and clear of the other and of the neighbouring rows.
        const common::StackedNumeral stacked = common::StackRowNumeral(
            numeral, measured, font.points, page.PointY(row), kStackedNumeralGap);
        surface.DrawText(page.offsetX, stacked.firstTop, numeral.left(1), flattened, kBlack);
        surface.DrawText(page.offsetX, stacked.secondTop, numeral.mid(1), flattened, kBlack);
    }
}

void PrintBoard(common::PrintSurface& surface, const PageGeometry& page,
                const BoardFigure& figure) {
    for (int x = 1; x <= go::kBoardSize; ++x) {
        for (int y = 1; y <= go::kBoardSize; ++y) {
            const double px = page.PointX(x);
            const double py = page.PointY(y);
            if (figure.board.Occupied(x, y)) {
                PrintStone(surface, px, py, figure.board.At(x, y), figure);
                continue;
            }
            if (IsStarPoint(x, y))
                surface.DrawCircle(px, py, PageGeometry::starRadius, kStarPointWidth, kBlack);
            PrintGridAround(surface, px, py, x, y);
        }
    }
}

}  // namespace output
