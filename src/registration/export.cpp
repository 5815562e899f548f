#include "registration/export.h"

#include "common/record_text.h"
#include "store/link_guard.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QDir>
#include <QFileInfo>

namespace admin {
namespace {

const QString kTreeFolderName = QStringLiteral("_1クルミ棋譜");
const QString kBackupFolderName = QStringLiteral("ﾊﾞｯｸﾃﾞｰﾀ");
// The message boxes of the export carry the program's name as their title.
const QString kProgramTitle = QStringLiteral("ソラマメ Ｖ３．０");

/// Names the folder the copies went to, so that the player can find them in the other program.
Notice DoneNotice(const QString& folder) {
    return {QStringLiteral("クルミ用の棋譜データを作成しました。\n保存先：") +
                QDir::toNativeSeparators(folder),
            kProgramTitle};
}

Notice FailureNotice() {
    return {QStringLiteral("クルミ用の棋譜データを作成できませんでした。"), kProgramTitle};
}

/// Names the link, so that the player can see what leads away from the export folder.
Notice OutsideNotice(const QString& link, const QString& exportRoot) {
    return {QStringLiteral("クルミ用の棋譜データを作成できませんでした。\n") +
                QDir::toNativeSeparators(link) + QStringLiteral(" が ") +
                QDir::toNativeSeparators(exportRoot) +
                QStringLiteral(" の外か、存在しない場所を指しているため、書き込めません。"),
            kProgramTitle};
}

/// The first of the paths that would be written through a link leading out of the export
/// root (or to nowhere); empty when every write stays inside it.
QString LinkLeadingOutside(const QString& exportRoot, const QStringList& paths) {
    for (const QString& path : paths) {
        const QString link = store::EntryLeadingOutside(exportRoot, path);
        if (!link.isEmpty())
            return link;
    }
    return QString();
}

Notice NoGameNotice() {
    return {QStringLiteral("対局を選択してください。"),
            QStringLiteral("対局が指定されていません。")};
}

QString ExportLine(const store::RecordRow& row, const QString& text) {
    return store::RecordLine(common::FixedWidth(row.date, store::kDateWidth), row.number, row.x,
                             row.y, text);
}

}  // namespace

QString ExportTreeFolder(const common::AppState& state) {
    return state.exportRoot + "/" + kTreeFolderName;
}

QStringList ExportLines(const store::RecordTable& table) {
    QStringList lines;
    if (!table.headerRead)
        return lines;
    const store::RecordRow& header = table.rows[0];
    // The e-mail program takes an empty colour for a player holding White.
    const bool white = table.playerColour == common::StoneColour::White;
    lines.append(ExportLine(header, white ? QString() : header.text));
    for (int i = 1; i <= table.lastRow; ++i)
        lines.append(ExportLine(table.rows[i], table.rows[i].text));
    return lines;
}

bool ExportedCopyExists(const common::AppState& state, const QString& opponent,
                        const QString& game) {
    const QString opponentFolder = ExportTreeFolder(state) + "/" + opponent;
    const QString fileName = "/" + game + ".txt";
    return !opponent.isEmpty() && !game.isEmpty() &&
           (QFileInfo::exists(opponentFolder + fileName) ||
            QFileInfo::exists(opponentFolder + "/" + kBackupFolderName + fileName));
}

ExportOutcome ExportGame(const common::AppState& state, const QString& opponent,
                         const QString& game, const store::RecordTable& table) {
    if (opponent.isEmpty() || game.isEmpty())
        return {false, NoGameNotice()};
    const QStringList lines = ExportLines(table);
    if (lines.isEmpty())
        return {false, FailureNotice()};
    const QString opponentFolder = ExportTreeFolder(state) + "/" + opponent;
    const QString backupFolder = opponentFolder + "/" + kBackupFolderName;
    const QString fileName = "/" + game + ".txt";
    // The other program's tree may hold links; none is written through out of the export root.
    const QString link =
        LinkLeadingOutside(state.exportRoot, {opponentFolder + fileName, backupFolder + fileName});
    if (!link.isEmpty())
        return {false, OutsideNotice(link, state.exportRoot)};
    // Folders left by an earlier export are fine: exporting again replaces both copies.
    QDir().mkpath(backupFolder);
    const bool written = store::WriteTextLines(opponentFolder + fileName, lines) &&
                         store::WriteTextLines(backupFolder + fileName, lines);
    return {written, written ? DoneNotice(opponentFolder) : FailureNotice()};
}

}  // namespace admin
