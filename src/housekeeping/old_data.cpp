#include "housekeeping/old_data.h"

#include "store/old_data_import.h"

namespace admin {
namespace {

/// A message box holds a few dozen lines; the command line lists every file.
constexpr int kListedInWindow = 20;

}  // namespace

void BringInOldData(const QString& dataRoot, const QString& oldFolder, common::Platform& platform) {
    const store::OldDataImport outcome = store::ImportOldDataFolder(oldFolder, dataRoot);
    platform.ShowMessage(
        store::DescribeOldDataImport(outcome, kListedInWindow),
        QStringLiteral("以前のデータの取り込み"), common::MessageButtons::Ok,
        outcome.ok ? common::MessageIcon::Information : common::MessageIcon::Warning);
}

}  // namespace admin
