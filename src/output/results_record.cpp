#include "output/results_record.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "output/sgf_export.h"

namespace output {

QString ResultsRecordPath(const QString& dataRoot) {
    return dataRoot + QStringLiteral("/対戦記録.txt");
}

QString ResultsRecordLine(const QString& opponent, const QString& game, int handicapCode,
                          const QString& playerColour, int komiCode, const QString& resultLabel,
                          const QDate& date) {
    return opponent + QStringLiteral(" ") + game + QStringLiteral("局 ") +
           common::HandicapText(handicapCode) + QStringLiteral("(") + playerColour.trimmed() +
           QStringLiteral(") ") + common::KomiText(komiCode) + QStringLiteral(" [") + resultLabel +
           QStringLiteral("] ") + common::ShortDate(date);
}

store::AppendOutcome AppendToResultsRecord(const QString& path, const QString& line) {
    return store::AppendToHandEditedFile(path, QStringList{line});
}

bool AppendResultsRecord(const QString& path, const QString& line) {
    return AppendToResultsRecord(path, line) == store::AppendOutcome::Appended;
}

bool GameIsFinished(bool backedUp, const QString& resultsPath, const QString& opponent,
                    const QString& game) {
    return backedUp || !LastResultLabel(resultsPath, opponent, game).isEmpty();
}

}  // namespace output
