#include "go/view_transform.h"

namespace go {

QStringList TransformNames() {
    return {QStringLiteral("原型"),      QStringLiteral("〃左右対称"),
            QStringLiteral("90度回転"),  QStringLiteral("〃左右対称"),
            QStringLiteral("180度回転"), QStringLiteral("〃左右対称"),
            QStringLiteral("270度回転"), QStringLiteral("〃左右対称")};
}

void TransformPoint(int index, qint16& x, qint16& y) {
    const qint16 ox = x;
    const qint16 oy = y;
    switch (index) {
        case 1:
            x = qint16(20 - ox);
            break;
        case 2:
            x = qint16(20 - oy);
            y = ox;
            break;
        case 3:
            x = oy;
            y = ox;
            break;
        case 4:
            x = qint16(20 - ox);
            y = qint16(20 - oy);
            break;
        case 5:
            y = qint16(20 - oy);
            break;
        case 6:
            x = oy;
            y = qint16(20 - ox);
            break;
        case 7:
            x = qint16(20 - oy);
            y = qint16(20 - ox);
            break;
        default:
            break;
    }
}

}  // namespace go
