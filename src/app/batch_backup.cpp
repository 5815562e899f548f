#include "app/batch_backup.h"

#include "app/help_texts.h"
#include "desktop/platform_qt.h"
#include "store/data_root_backup.h"
#include "store/data_root_recovery.h"

#include <QDir>

namespace app {
namespace {

void PrintNotes(const BatchContext& context, const store::BackupOutcome& outcome) {
    const QString notes = store::BackupNotes(outcome);
    if (!notes.isEmpty())
        context.err << notes << '\n';
}

}  // namespace

void RecoverInterruptedRestoreAtStart(const QString& dataRoot, bool withWindow) {
    const store::RestoreRecovery recovery = store::RecoverInterruptedRestore(dataRoot);
    if (recovery.message.isEmpty())
        return;
    if (!withWindow) {
        QTextStream err(stderr);
        err.setEncoding(QStringConverter::Utf8);
        err << recovery.message << '\n';
        return;
    }
    common::QtPlatform().ShowMessage(
        recovery.message, QStringLiteral("データフォルダ"), common::MessageButtons::Ok,
        recovery.recovered ? common::MessageIcon::Information : common::MessageIcon::Warning);
}

BatchMode MakeBackupMode() {
    BatchMode mode;
    mode.trigger = QStringLiteral("backup");
    mode.writes = false;  // only reads the data root; the window may keep running
    mode.declareOptions = [](QCommandLineParser& parser) {
        DeclareOption(parser, {QStringLiteral("backup"),
                               QStringLiteral("Copy the whole data root into a new backup folder "
                                              "inside DIR."),
                               QStringLiteral("DIR")});
    };
    mode.run = [](const BatchContext& context) {
        const QString target = context.parser.value(QStringLiteral("backup"));
        const store::BackupOutcome outcome =
            store::BackUpDataRoot(context.dataRoot, target, QDateTime::currentDateTime());
        if (!outcome.ok) {
            context.err << QStringLiteral("バックアップできませんでした：") << outcome.failure
                        << '\n';
            PrintNotes(context, outcome);
            return 1;
        }
        context.out << QStringLiteral(
                           "「%1」にバックアップしました（棋譜 %2 局、ファイル %3 個）。")
                           .arg(QDir::toNativeSeparators(outcome.folder))
                           .arg(outcome.games)
                           .arg(outcome.files)
                    << '\n';
        PrintNotes(context, outcome);
        return 0;
    };
    return mode;
}

BatchMode MakeRestoreBackupMode() {
    BatchMode mode;
    mode.trigger = QStringLiteral("restore-backup");
    mode.writes = true;
    mode.declareOptions = [](QCommandLineParser& parser) {
        DeclareOption(parser, {QStringLiteral("restore-backup"),
                               QStringLiteral("Replace the data root by the backup in DIR; the "
                                              "current data root is kept aside."),
                               QStringLiteral("DIR")});
    };
    mode.run = [](const BatchContext& context) {
        const QString backup = context.parser.value(QStringLiteral("restore-backup"));
        const store::BackupOutcome outcome =
            store::RestoreDataRoot(backup, context.dataRoot, QDateTime::currentDateTime());
        if (!outcome.ok) {
            context.err << QStringLiteral("バックアップから戻せませんでした：") << outcome.failure
                        << '\n';
            PrintNotes(context, outcome);
            return 1;
        }
        context.out << QStringLiteral("バックアップから戻しました（棋譜 %1 局、ファイル %2 個）。")
                           .arg(outcome.games)
                           .arg(outcome.files)
                    << '\n';
        if (!outcome.folder.isEmpty())
            context.out << QStringLiteral("これまでのデータは「%1」に残してあります。")
                               .arg(QDir::toNativeSeparators(outcome.folder))
                        << '\n';
        PrintNotes(context, outcome);
        return 0;
    };
    return mode;
}

}  // namespace app
