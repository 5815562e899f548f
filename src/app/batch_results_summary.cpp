#include "app/batch_results_summary.h"

#include "app/batch_pdf.h"
#include "output/results_summary.h"

namespace app {
namespace {

const QString kSummaryOption = QStringLiteral("results-summary");

void DeclareSummaryOptions(QCommandLineParser& parser) {
    AddOption(parser, {kSummaryOption,
                       QStringLiteral("Print the results summary from the results record, "
                                      "tab-separated: wins, losses and draws per opponent and "
                                      "in total, then the last result of each game.")});
}

/// Exit status 1 when a line (or the whole file) could not be read: the counts printed
/// leave it out, and a script must not take them for the whole record.
int RunSummary(const BatchContext& context) {
    const output::ResultsSummary summary = output::ReadResultsSummary(context.dataRoot);
    const QStringList problems = output::ResultsProblems(summary);
    const bool fileRead = summary.fileStatus == store::ReadStatus::Ok ||
                          summary.fileStatus == store::ReadStatus::Missing;
    if (fileRead)
        context.out << output::ResultsSummaryListing(summary);
    context.out.flush();
    for (const QString& problem : problems)
        context.err << problem << Qt::endl;
    return problems.isEmpty() ? 0 : 1;
}

}  // namespace

BatchMode MakeResultsSummaryMode() {
    return BatchMode{kSummaryOption, false, DeclareSummaryOptions, RunSummary};
}

}  // namespace app
