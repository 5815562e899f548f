#include "board/kanji_numeral.h"

namespace board {
namespace {

const QString kKanjiDigits = QStringLiteral("一二三四五六七八九");
const QString kKanjiTen = QStringLiteral("十");

}  // namespace

QString KanjiNumeral(int row) {
    if (row < 1 || row > 19)
        return QString();
    if (row < 10)
        return kKanjiDigits.mid(row - 1, 1);
    if (row == 10)
        return kKanjiTen;
    return kKanjiTen + kKanjiDigits.mid(row - 11, 1);
}

}  // namespace board
