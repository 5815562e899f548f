// The end-of-game count on the main board and the results record.
#include "board/form1.h"
#include "output/results_record.h"
#include "output/territory_count.h"
#include "widgets/board_picture.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>

namespace board {
namespace {

/// The result is read and recorded whole: a text wider than its label (a larger desktop
/// font, a display size that rounds down) is set smaller rather than cut off.
void ShowWhole(QLabel* label, const QString& text) {
    QFont font = label->parentWidget()->font();
    const double width = label->contentsRect().width();
    while (QFontMetricsF(font).horizontalAdvance(text) > width && font.pointSizeF() > 5.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->setText(text);
}

/// Why the result is not in the results record.
QString AppendFailureText(store::AppendOutcome outcome) {
    if (outcome == store::AppendOutcome::NotCp932)
        return QStringLiteral(
            "対戦記録にシフトJISで書けない文字があるため、書き込めませんでした。結果は記録されて"
            "いません。\nその文字を直してから、もう一度記録してください。");
    return QStringLiteral("対戦記録に書き込めませんでした。結果は記録されていません。");
}

}  // namespace

void Form1::CountTerritory(int searchLimit) {
    if (countShown_) {
        countShown_ = false;
        Label5[1]->clear();
        Label5[3]->clear();
        Label12->clear();
        // Redraw without reloading: dead stones taken off but not saved yet stay off.
        DrawEmptyBoard();
        model_.ShowPositionAt(model_.table().lastRow);
        model_.MarkLastPlacement(model_.table().lastRow);
        return;
    }
    countShown_ = true;
    const store::RecordTable& table = model_.table();
    const output::TerritoryCount count =
        output::ClassifyTerritory(model_.board(), table.whiteFirst, searchLimit);
    output::DrawTerritoryMarks(count, *Picture1);
    const output::GameScore score =
        output::ScoreGame(count.blackTerritory, count.whiteTerritory, model_.blackCaptured(),
                          model_.whiteCaptured(), table.komiCode, table.playerColour, lastOutcome_);
    Label5[1]->setText(QString::number(score.blackScore));
    Label5[3]->setText(QString::number(score.whiteScore));
    lastMargin_ = score.margin;
    lastOutcome_ = score.outcome;
    ShowWhole(Label12, score.resultLabel);
}

void Form1::RecordResult() {
    const QString path = output::ResultsRecordPath(state_.dataRoot);
    if (Label12->text().trimmed().isEmpty()) {
        platform_.ShowMessage(
            QStringLiteral("「計算結果」が実行されていないため、対戦記録の表示のみをします。"),
            QStringLiteral("対戦記録を表示します。"));
    } else {
        const store::RecordTable& table = model_.table();
        const QString line = output::ResultsRecordLine(
            OpponentName(), GameName(), table.handicapCode, table.playerColour, table.komiCode,
            Label12->text(), platform_.Today());
        const store::AppendOutcome outcome = output::AppendToResultsRecord(path, line);
        if (outcome != store::AppendOutcome::Appended) {
            platform_.ShowMessage(AppendFailureText(outcome),
                                  QStringLiteral("対戦記録ができません。"),
                                  common::MessageButtons::Ok, common::MessageIcon::Warning);
        }
    }
    platform_.OpenInEditor(path);
}

void Form1::ClearCountDisplay() {
    countShown_ = false;
    Label5[1]->clear();
    Label5[3]->clear();
    Label12->clear();
}

}  // namespace board
