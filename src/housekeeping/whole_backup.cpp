#include "housekeeping/whole_backup.h"

#include "store/data_root_backup.h"

#include <QDateTime>
#include <QDir>

namespace admin {
namespace {

const QString kBackupTitle = QStringLiteral("全データのバックアップ");
const QString kRestoreTitle = QStringLiteral("バックアップから戻す");

/// The report followed by what was left out and which leftovers were removed, if anything.
QString WithNotes(const QString& report, const store::BackupOutcome& outcome) {
    const QString notes = store::BackupNotes(outcome);
    return notes.isEmpty() ? report : report + QStringLiteral("\n\n") + notes;
}

}  // namespace

void BackUpWholeData(const QString& dataRoot, const QString& targetFolder,
                     common::Platform& platform) {
    const store::BackupOutcome outcome =
        store::BackUpDataRoot(dataRoot, targetFolder, QDateTime::currentDateTime());
    if (!outcome.ok) {
        platform.ShowMessage(
            WithNotes(QStringLiteral("全データのバックアップができませんでした。\n\n%1\n\n"
                                     "作りかけのバックアップは残していません。")
                          .arg(outcome.failure),
                      outcome),
            kBackupTitle, common::MessageButtons::Ok, common::MessageIcon::Critical);
        return;
    }
    platform.ShowMessage(WithNotes(QStringLiteral("全データのバックアップが終わりました。\n\n%1\n\n"
                                                  "棋譜 %2 局、ファイル %3 個をコピーし、"
                                                  "すべて元と一致することを確かめました。")
                                       .arg(QDir::toNativeSeparators(outcome.folder))
                                       .arg(outcome.games)
                                       .arg(outcome.files),
                                   outcome),
                         kBackupTitle, common::MessageButtons::Ok,
                         common::MessageIcon::Information);
}

bool RestoreWholeData(const QString& dataRoot, const QString& backupFolder,
                      common::Platform& platform) {
    const store::BackupInfo info = store::ReadBackupInfo(backupFolder);
    if (!info.valid) {
        platform.ShowMessage(
            QStringLiteral("「%1」はソラマメのバックアップではありません。\n"
                           "「ソラマメバックアップ_」で始まるフォルダを選んでください。")
                .arg(QDir::toNativeSeparators(backupFolder)),
            kRestoreTitle, common::MessageButtons::Ok, common::MessageIcon::Warning);
        return false;
    }
    const QString question =
        QStringLiteral(
            "このバックアップから戻します。\n\n%1\n作成日時　%2\n棋譜 %3 局、"
            "ファイル %4 個\n\n今のデータは消さずに、別の名前のフォルダに移して"
            "残します。よろしいですか？")
            .arg(QDir::toNativeSeparators(backupFolder),
                 info.made.toString(QStringLiteral("yyyy/MM/dd HH:mm")))
            .arg(info.games)
            .arg(info.files);
    // The data root is replaced and the program ends: Enter says No.
    if (platform.ShowMessage(question, kRestoreTitle, common::MessageButtons::YesNo,
                             common::MessageIcon::Question,
                             common::DefaultButton::Safe) != common::MessageAnswer::Yes)
        return false;
    const store::BackupOutcome outcome =
        store::RestoreDataRoot(backupFolder, dataRoot, QDateTime::currentDateTime());
    if (!outcome.ok) {
        platform.ShowMessage(
            WithNotes(QStringLiteral(
                          "バックアップから戻せませんでした。\n\n%1\n\n今のデータはそのままです。")
                          .arg(outcome.failure),
                      outcome),
            kRestoreTitle, common::MessageButtons::Ok, common::MessageIcon::Critical);
        return false;
    }
    QString report =
        QStringLiteral("バックアップから戻しました（棋譜 %1 局）。").arg(outcome.games);
    if (!outcome.folder.isEmpty())
        report += QStringLiteral("\nこれまでのデータは「%1」に残してあります。")
                      .arg(QDir::toNativeSeparators(outcome.folder));
    report = WithNotes(report, outcome);
    platform.ShowMessage(
        report + QStringLiteral("\n\nソラマメを終了します。もう一度起動してください。"),
        kRestoreTitle, common::MessageButtons::Ok, common::MessageIcon::Information);
    return true;
}

}  // namespace admin
