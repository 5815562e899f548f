#include "common/numerals.h"

namespace common {
namespace {

const QString kKanjiDigits = QStringLiteral("一二三四五六七八九");
const QString kKanjiTen = QStringLiteral("十");

}  // namespace

QString FullWidthDigits(int value) {
    QString digits = QString::number(value);
    for (QChar& c : digits) {
        if (c.isDigit())
            c = QChar(0xFF10 + c.digitValue());
    }
    return digits;
}

QString KanjiNumeral(int row) {
    if (row < 1 || row > 19)
        return QString();
    if (row < 10)
        return kKanjiDigits.mid(row - 1, 1);
    if (row == 10)
        return kKanjiTen;
    return kKanjiTen + kKanjiDigits.mid(row - 11, 1);
}

}  // namespace common
