#include "session/game_session.h"

#include "common/dates.h"
#include "common/game_texts.h"
#include "common/record_text.h"
#include "output/move_description.h"
#include "output/results_record.h"
#include "store/folder_tree.h"
#include "store/record_file.h"

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

BoardClick GameSession::RecordingClick(bool takeBack, int x, int y) {
    BoardClick click;
    if (takeBack) {
        if (model_.TakeBack(model_.table().savedRowCount - 1)) {
            const store::RecordTable& table = model_.table();
            const bool unsaved = table.lastRow > table.savedRowCount;
            click.commentNow = unsaved ? table.rows[table.lastRow].text.trimmed() : QString();
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
        model_.TakeBack(0);
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
