#include "session/game_session.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "common/record_text.h"
#include "output/move_description.h"
#include "output/point_words.h"
#include "output/results_record.h"
#include "store/folder_tree.h"
#include "store/record_file.h"
#include "store/settings_file.h"

namespace session {

void GameSession::Choose(const QString& opponent, const QString& game) {
    opponent_ = opponent;
    game_ = game;
    model_.SetRecordPath(state_.RecordPath(opponent, game));
    // The undo copy belonged to the game chosen before; restoring it here would overwrite
    // this game with that one.
    store::DeleteUndoCopy(state_.DataFile(store::kUndoCopyName));
}

void GameSession::Forget() {
    opponent_.clear();
    game_.clear();
    model_.Clear();
    model_.SetRecordPath(QString());
}

store::LoadOutcome GameSession::Show() {
    if (!HasGame())
        return store::LoadOutcome::Missing;
    return model_.ShowRecord(recordPath());
}

GameInformation GameSession::Information() const {
    const store::RecordTable& table = model_.table();
    if (!table.headerRead)
        return {};
    const QString colour = table.PlayerColourText();
    const QString opponentColour = common::ColourText(table.OpponentColour());
    const QString date = common::MainWindowDate(table.headerDate);
    GameInformation information;
    information.gameLine = game_ + " (" + colour + ")";
    if (!date.isEmpty())
        information.gameLine += ' ' + date;
    information.opponentLine = "(" + opponentColour + ") " + opponent_;
    information.handicapLine = common::HandicapText(table.handicapCode) + QStringLiteral(" ［") +
                               common::KomiText(table.komiCode) + QStringLiteral("］");
    return information;
}

QStringList GameSession::DescribeLastRow() const {
    const store::RecordRow& move = model_.table().rows[model_.table().lastRow];
    return output::DescribeMove(model_.board(), move.x, move.y);
}

QStringList GameSession::DescribeUnsavedLastRow() const {
    const store::RecordTable& table = model_.table();
    const bool unsaved = table.lastRow > table.savedRowCount;
    return unsaved && table.rows[table.lastRow].IsPlacement() ? DescribeLastRow() : QStringList();
}

BoardClick GameSession::RecordingClick(bool takeBack, int x, int y) {
    BoardClick click;
    if (takeBack) {
        if (model_.TakeBack(model_.table().savedRowCount - 1)) {
            const store::RecordTable& table = model_.table();
            const bool unsaved = table.lastRow > table.savedRowCount;
            click.tookBack = true;
            click.commentNow = unsaved ? table.rows[table.lastRow].text.trimmed() : QString();
            click.descriptions = DescribeUnsavedLastRow();
        }
        return click;
    }
    if (model_.PlaceAt(x, y) == go::PlaceResult::Placement) {
        click.placed = true;
        click.descriptions = DescribeLastRow();
        SetComment(click.descriptions.value(0));
    }
    return click;
}

BoardClick GameSession::ReviewClick(bool takeBack, int x, int y) {
    BoardClick click;
    if (takeBack) {
        click.tookBack = model_.TakeBack(0);
        if (click.tookBack)
            click.descriptions = DescribeUnsavedLastRow();
    } else if (model_.PlaceAt(x, y) == go::PlaceResult::Placement) {
        click.placed = true;
        click.descriptions = DescribeLastRow();
        SetComment(click.descriptions.value(0));
    }
    return click;
}

bool GameSession::Save(const QDate& today) {
    if (!store::AppendNewRows(recordPath(), state_.DataFile(store::kUndoCopyName), model_.table(),
                              today)) {
        return false;
    }
    state_.replyStale = true;
    Show();
    return true;
}

bool GameSession::RestoreLastSave() {
    if (!store::RestoreUndoCopy(recordPath(), state_.DataFile(store::kUndoCopyName)))
        return false;
    Show();
    return true;
}

CutOutcome GameSession::CutAt(int x, int y) {
    const int number = model_.board().Occupied(x, y) ? model_.board().At(x, y) : go::kEmptyPoint;
    // Only saved stones can be cut at; a stone clicked since the last save is taken back with
    // the right button instead.
    if (number == go::kEmptyPoint || number > model_.LastSavedMoveNumber())
        return CutOutcome::NotASavedStone;
    if (!store::CutRecordAt(recordPath(), state_.DataFile(store::kUndoCopyName), model_.table(),
                            number)) {
        return CutOutcome::Failed;
    }
    Show();
    return CutOutcome::Cut;
}

void GameSession::SetComment(const QString& text) {
    store::RecordTable& table = model_.table();
    if (table.lastRow < 1)
        return;
    table.rows[table.lastRow].text = common::FixedWidth(text, store::kTextWidth);
}

QString GameSession::LastMoveText() const {
    const store::RecordTable& table = model_.table();
    const int row = model_.SearchLastStoneRow(table.lastRow);
    if (row == 0)
        return {};
    const store::RecordRow& move = table.rows[size_t(row)];
    const QString goWords = output::DescribeMove(model_.board(), move.x, move.y).value(0);
    return output::LastMoveWords(move.number, move.x, move.y, table.whiteFirst, goWords);
}

QString GameSession::PointText(int x, int y) const {
    return output::PointDescription(model_.board(), x, y, model_.table().whiteFirst);
}

void GameSession::ApplyStoredOptions() {
    model_.options().keepRemovedStones = state_.settings.keepRemovedStones == 1;
    model_.options().numbersWhileRecording = state_.settings.numbersWhileRecording == 1;
}

void GameSession::ShowReviewNumbers(bool on) {
    state_.settings.numbersWhileRecording = on ? 1 : 0;  // in memory only
    model_.options().numbersWhileRecording = on;
    model_.options().reviewNumbers = on;
}

void GameSession::ShowPrintNumbers(bool on) {
    model_.options().printNumbers = on;
}

void GameSession::KeepRemovedStones(bool on) {
    state_.settings.keepRemovedStones = on ? 1 : 0;
    model_.options().keepRemovedStones = on;
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), state_.settings);
}

void GameSession::RedrawPosition() {
    if (HasGame())
        model_.ShowPositionAt(model_.viewedRow());
}

void GameSession::StorePrintPosition(int horizontal, int vertical) {
    state_.settings.printPosition1 = qint16(horizontal);
    state_.settings.printPosition2 = qint16(vertical);
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), state_.settings);
}

int GameSession::ShowFromMove(int typed) {
    const int number = qMin(typed, model_.LastSavedMoveNumber());
    model_.ShowFromMove(number);
    return number;
}

Count GameSession::CountPosition(int searchLimit) {
    const store::RecordTable& table = model_.table();
    Count count;
    count.territory = output::ClassifyTerritory(model_.board(), table.whiteFirst, searchLimit);
    count.score = output::ScoreGame(count.territory.blackTerritory, count.territory.whiteTerritory,
                                    model_.blackCaptured(), model_.whiteCaptured(), table.komiCode,
                                    table.PlayerColourText(), lastOutcome_);
    lastOutcome_ = count.score.outcome;
    return count;
}

QString GameSession::ResultsRecordPath() const {
    return output::ResultsRecordPath(state_.dataRoot);
}

bool GameSession::GameIsFinished() const {
    return HasGame() && output::GameIsFinished(state_.currentGamesFolder == state_.backedUpFolder,
                                               ResultsRecordPath(), opponent_, game_);
}

store::AppendOutcome GameSession::RecordResult(const QString& result, const QDate& today) const {
    const store::RecordTable& table = model_.table();
    const QString line =
        output::ResultsRecordLine(opponent_, game_, table.handicapCode, table.PlayerColourText(),
                                  table.komiCode, result, today);
    return output::AppendToResultsRecord(ResultsRecordPath(), line);
}

QString UnreadableRecordText(store::LoadOutcome outcome, const QString& game) {
    switch (outcome) {
        case store::LoadOutcome::Missing:
        case store::LoadOutcome::Complete:
            return {};
        case store::LoadOutcome::Truncated:
            return QStringLiteral(
                       "棋譜ファイル「%1」に読めない行があります。その前までを表示します。")
                .arg(game);
        case store::LoadOutcome::TooLarge:
            return QStringLiteral("棋譜ファイル「%1」は大きすぎるため読めません。").arg(game);
        case store::LoadOutcome::NotAFile:
        case store::LoadOutcome::Unreadable:
            break;
    }
    return QStringLiteral("棋譜ファイル「%1」を読めません。").arg(game);
}

QString ResultNotRecordedText(store::AppendOutcome outcome) {
    if (outcome == store::AppendOutcome::NotCp932)
        return QStringLiteral(
            "対戦記録にシフトJISで書けない文字があるため、書き込めませんでした。結果は記録されて"
            "いません。\nその文字を直してから、もう一度記録してください。");
    return QStringLiteral("対戦記録に書き込めませんでした。結果は記録されていません。");
}

QStringList ReadTermList(const QString& path) {
    QStringList lines;
    if (!store::ReadHandEditedTextLines(path, lines))
        return {};
    QStringList terms;
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty())
            terms.append(line);
    }
    return terms;
}

}  // namespace session
