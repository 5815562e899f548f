#include "session/record_check_notice.h"

#include "output/record_check.h"
#include "store/record_file.h"

#include <memory>

namespace session {
namespace {

constexpr qsizetype kFindingsShown = 2;

}  // namespace

QString RecordCheckNotices::NoticeFor(const QString& recordPath) {
    auto table = std::make_unique<store::RecordTable>();
    if (recordPath.isEmpty() ||
        store::ReadRecordFile(recordPath, *table) != store::LoadOutcome::Complete)
        return QString();
    const QStringList findings = output::RecordCheckTexts(*table);
    QStringList& told = told_[recordPath];
    if (findings == told)
        return QString();
    told = findings;
    return RecordCheckNoticeText(findings);
}

QString RecordCheckNoticeText(const QStringList& findings) {
    if (findings.isEmpty())
        return QString();
    // The guide box holds about five lines: two findings, or one and the number of the others.
    const qsizetype shown =
        findings.size() <= kFindingsShown ? findings.size() : kFindingsShown - 1;
    QStringList lines = findings.mid(0, shown);
    lines[0].prepend(QStringLiteral("棋譜の確認："));
    if (findings.size() > shown)
        lines.append(QStringLiteral("ほか%1件").arg(findings.size() - shown));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace session
