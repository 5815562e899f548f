#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace store {

/// A file of the old folder that was not brought in, or was brought in with a remark, and why.
struct ImportRemark {
    QString path;  // as the player knows it: relative to the old folder, names made readable
    QString reason;
};

/// What bringing in an old data folder did.
struct OldDataImport {
    bool ok = false;
    QString failure;          // when nothing at all was brought in, what went wrong
    int opponents = 0;        // opponents the data root did not know before
    int gamesInProgress = 0;  // records added to 対局中棋譜
    int backedUpGames = 0;    // records added to 退避後棋譜
    int otherFiles = 0;       // settings, addresses, messages, the results record, texts
    int alreadyThere = 0;     // files the data root already held with the same bytes
    int renamedFromShiftJis = 0;
    QList<ImportRemark> leftOut;
    QList<ImportRemark> unreadableRecords;  // copied byte for byte all the same
};

/// The proper name of a file name's raw bytes: kept as it is when it is UTF-8, read as
/// Shift-JIS (CP932) when it is not (a folder unpacked from a ZIP made on Japanese Windows),
/// nothing when it is neither. `wasShiftJis` tells which.
std::optional<QString> ProperFileName(QByteArrayView raw, bool* wasShiftJis = nullptr);

/// Brings the data folder an earlier version of the program left on Windows into the data
/// root: the games, the settings and reply settings, address and message files, the results
/// record and the texts. Nothing that exists is replaced (except, in a data root that holds no
/// games yet, the settings and texts the program put there itself), the old folder is only
/// read, every file is compared byte for byte, and on any failure the data root stays as it
/// was: the files are gathered in a hidden folder of the data root first and moved into place
/// only when all of them are there.
OldDataImport ImportOldDataFolder(const QString& oldFolder, const QString& dataRoot);

/// The report of an import for the player, several lines; each list of files is cut after
/// `maxListed` entries (all of them when negative), with the number left unnamed.
QString DescribeOldDataImport(const OldDataImport& outcome, int maxListed = -1);

}  // namespace store
