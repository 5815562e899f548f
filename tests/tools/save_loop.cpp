// Saves a record over and over through the store, for tests/kill_saves.sh to kill at random
// moments; "check" then tells whether the record on disk is whole.
//   save_loop run ROOT     appends one move per save; cuts back to move 1 past 400 rows
//   save_loop check ROOT   prints the row count; exit 1 when the record is not whole or a
//                          leftover would be listed as a game
#include "store/folder_tree.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QDate>
#include <QDir>
#include <cstdio>

namespace {

const QString kOpponent = QStringLiteral("山田");

QString RecordPath(const QString& root) {
    return root + "/" + store::kInProgressFolderName + "/" + kOpponent + "/01.txt";
}

int Run(const QString& root) {
    const QString record = RecordPath(root);
    const QString undo = root + "/" + store::kUndoCopyName;
    QDir().mkpath(QFileInfo(record).path());
    if (!QFileInfo::exists(record))
        store::WriteTextLines(record, {store::HeaderLine(QDate(2026, 1, 2), 1, 31, true)});
    for (;;) {
        store::RecordTable table;
        if (store::ReadRecordFile(record, table) != store::LoadOutcome::Complete)
            return 2;
        if (table.lastRow >= 400) {
            if (!store::CutRecordAt(record, undo, table, 2))
                return 3;
            continue;
        }
        store::RecordRow& row = table.rows[++table.lastRow];
        row.number = qint16(table.lastRow);
        row.x = qint16(table.lastRow % 19 + 1);
        row.y = qint16(table.lastRow / 19 + 1);
        row.text = QStringLiteral("手%1").arg(table.lastRow);
        if (!store::AppendNewRows(record, undo, table, QDate(2026, 1, 2)))
            return 3;
    }
}

int Check(const QString& root) {
    store::RecordTable table;
    if (store::ReadRecordFile(RecordPath(root), table) != store::LoadOutcome::Complete) {
        std::puts("record not whole");
        return 1;
    }
    for (int i = 1; i <= table.lastRow; ++i) {
        if (table.rows[i].number != i ||
            table.rows[i].text.trimmed() != QStringLiteral("手%1").arg(i)) {
            std::printf("row %d wrong\n", i);
            return 1;
        }
    }
    const QString games = root + "/" + store::kInProgressFolderName;
    if (store::ListGames(games, kOpponent) != QStringList{QStringLiteral("01")}) {
        std::puts("a leftover is listed as a game");
        return 1;
    }
    const int leftovers =
        store::RemoveSaveLeftovers(games + "/" + kOpponent) + store::RemoveSaveLeftovers(root);
    std::printf("%d %d\n", table.lastRow, leftovers);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 64;
    const QString root = QString::fromLocal8Bit(argv[2]);
    return QByteArray(argv[1]) == "run" ? Run(root) : Check(root);
}
