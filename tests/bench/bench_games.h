#pragma once

#include "store/record_file.h"
#include "store/text_file.h"

#include <QDate>
#include <QStringList>

/// Writes a game of `rows` placements spread over every point, so that showing it draws
/// numbers and erases stones the way a long real game does. Two moves a day, as by post.
inline bool WriteSpreadGame(const QString& path, int rows) {
    QStringList lines{store::HeaderLine(QDate(2002, 12, 7), 1, 31, true)};
    for (int n = 1; n <= rows; ++n) {
        const int x = (n * 7) % 19 + 1;
        const int y = (n * 11 + n / 19) % 19 + 1;
        const QDate day = QDate(2002, 12, 7).addDays((n + 1) / 2 * 7);
        lines.append(store::RecordLine(day.toString(QStringLiteral("MM-dd-yyyy")), n, x, y,
                                       QStringLiteral("右上隅小目")));
    }
    return store::WriteTextLines(path, lines);
}
