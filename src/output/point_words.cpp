#include "output/point_words.h"

#include "common/numerals.h"
#include "common/stone_colour.h"

#include <QRegularExpression>

namespace output {
namespace {

/// Brings the forms players type to one: half-width digits, "-" for every dash, hyphen and
/// long-vowel mark (IMEs give "ー" for the minus key), a plain blank for the ideographic one.
QString Normalised(const QString& text) {
    QString plain = text;
    for (QChar& c : plain) {
        const char16_t code = c.unicode();
        if (code >= 0xFF10 && code <= 0xFF19)
            c = QChar(u'0' + (code - 0xFF10));
        else if (code == 0xFF0D || code == 0x30FC || code == 0xFF70 || code == 0x2212 ||
                 (code >= 0x2010 && code <= 0x2015))
            c = QLatin1Char('-');
        else if (code == 0x3000)
            c = QLatin1Char(' ');
    }
    return plain;
}

/// 1 to 19 for digits or a kanji numeral that names a line; 0 for anything else.
int LineNumber(const QString& numeral) {
    if (numeral.front().isDigit()) {
        const int value = numeral.toInt();
        return value >= 1 && value <= go::kBoardSize ? value : 0;
    }
    for (int line = 1; line <= go::kBoardSize; ++line) {
        if (common::KanjiNumeral(line) == numeral)
            return line;
    }
    return 0;
}

}  // namespace

QString PointName(int x, int y) {
    if (!go::BoardGrid::OnBoard(x, y))
        return QString();
    return QString::number(x) + QStringLiteral("の") + common::KanjiNumeral(y);
}

std::optional<QPoint> ParseMoveText(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^ *([0-9]{1,2}|[一二三四五六七八九十]{1,2}) *(?:の|-|・) "
                       "*([0-9]{1,2}|[一二三四五六七八九十]{1,2}) *$"));
    const QRegularExpressionMatch match = form.match(Normalised(text));
    if (!match.hasMatch())
        return std::nullopt;
    const int x = LineNumber(match.captured(1));
    const int y = LineNumber(match.captured(2));
    if (x == 0 || y == 0)
        return std::nullopt;
    return QPoint(x, y);
}

QString StoneWords(int number, int whiteFirst) {
    const QString colour = common::ColourText(common::ColourOfStone(number, whiteFirst));
    return colour + QLatin1Char(' ') +
           (number < 1 ? QStringLiteral("置石") : QStringLiteral("%1手目").arg(number));
}

QString PointDescription(const go::BoardGrid& board, int x, int y, int whiteFirst) {
    const QString what =
        board.Occupied(x, y) ? StoneWords(board.At(x, y), whiteFirst) : QStringLiteral("空き");
    return PointName(x, y) + QLatin1Char(' ') + what;
}

QString LastMoveWords(int number, int x, int y, int whiteFirst, const QString& goWords) {
    QString words = QStringLiteral("直前の手 ") + StoneWords(number, whiteFirst) +
                    QLatin1Char(' ') + PointName(x, y);
    if (!goWords.isEmpty())
        words += QLatin1Char(' ') + goWords;
    return words;
}

}  // namespace output
