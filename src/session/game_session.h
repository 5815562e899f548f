#pragma once

#include "common/app_state.h"
#include "go/board_model.h"
#include "output/territory_count.h"
#include "session/record_check_notice.h"
#include "store/hand_edited_text.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace session {

/// What a click on the recording or review board did.
struct BoardClick {
    bool placed = false;    // a stone went on the board
    bool tookBack = false;  // the last row not saved came off
    /// Names proposed for a stone just placed, or after a take-back for the unsaved stone now
    /// last (empty when there is none); after a placement the first is the comment already
    /// written into its row.
    QStringList descriptions;
    /// After a take-back on the recording board, the comment a save would now write for the
    /// row that is last; set only then.
    std::optional<QString> commentNow;
};

enum class CutOutcome {
    NotASavedStone,  // nothing cut: the point holds no stone, or one not saved yet
    Cut,
    Failed  // the record could not be rewritten; it is unchanged
};

/// The three lines the main window shows about the game: name, colour and date; the
/// opponent with his colour; handicap and komi.
struct GameInformation {
    QString gameLine;
    QString opponentLine;
    QString handicapLine;
};

/// The count of the position on the board, with the result for the player.
struct Count {
    output::TerritoryCount territory;
    output::GameScore score;
};

/// The game open in the main window: the chosen opponent and game, the record's path (built
/// once, when the game is chosen), the board model, and what the player does to the record
/// (save, undo the save, cut, comment, count, results record). Answers with outcomes; the
/// window shows them and the messages. Uses no widget.
class GameSession {
  public:
    explicit GameSession(common::AppState& state) : state_(state) {}

    go::BoardModel& model() { return model_; }
    const go::BoardModel& model() const { return model_; }

    /// Chooses a game of the current games folder and drops the undo copy of the game before.
    void Choose(const QString& opponent, const QString& game);
    /// No game chosen: the model is empty.
    void Forget();
    bool HasGame() const { return !game_.isEmpty(); }
    const QString& opponent() const { return opponent_; }
    const QString& game() const { return game_; }
    const QString& recordPath() const { return model_.recordPath(); }

    /// Loads the record and shows its final position; Missing when no game is chosen.
    store::LoadOutcome Show();
    GameInformation Information() const;

    /// A click on the board in the recording mode (`takeBack` for the right button).
    BoardClick RecordingClick(bool takeBack, int x, int y);
    /// A click on the board in the review mode: a variation stone, or a take-back.
    BoardClick ReviewClick(bool takeBack, int x, int y);
    /// Writes the rows placed since the last save; the unsaved rows stay on failure.
    bool Save(const QDate& today);
    /// Puts back the record as it was before the last save or cut.
    bool RestoreLastSave();
    /// Cuts the record back to before the saved stone on (x, y).
    CutOutcome CutAt(int x, int y);
    /// The comment of the row now last, as the record file holds it (fixed width). Row 0 is
    /// the header: a comment typed before any move is not kept.
    void SetComment(const QString& text);

    /// The last move of the position shown, for the board's description: "直前の手 黒 23手目
    /// 16の四 右上隅星"; empty when no stone has been played.
    QString LastMoveText() const;
    /// A board point and what stands there: "16の四 黒 23手目", "10の十 空き".
    QString PointText(int x, int y) const;

    /// The drawing options kept in the shared settings (the registration window changes them).
    void ApplyStoredOptions();
    /// "石数字" of the review panel: stone numbers while reviewing and recording, for this run.
    void ShowReviewNumbers(bool on);
    /// "石数字" of the printing panel.
    void ShowPrintNumbers(bool on);
    /// "抜石を盤に残す", kept in the settings file.
    void KeepRemovedStones(bool on);
    /// Draws the position shown again the new way: stone numbers are decided as each stone is
    /// drawn, so the board shows, and 印字 prints, what the options now say.
    void RedrawPosition();
    /// The print position in millimetres, kept in the settings file.
    void StorePrintPosition(int horizontal, int vertical);

    /// Shows the position after move `typed`; a number past the end of the game stops at the
    /// last saved move. Returns the move shown.
    int ShowFromMove(int typed);

    /// Counts the position on the board, for the player's colour of this game.
    Count CountPosition(int searchLimit);
    /// Appends the result to the results record.
    store::AppendOutcome RecordResult(const QString& result, const QDate& today) const;
    QString ResultsRecordPath() const;
    /// Whether the game is over for the engine's questions: backed up, or with a result in
    /// the results record.
    bool GameIsFinished() const;

    /// The record check's warning for the chosen game; empty when its record is clean or this
    /// warning was given already.
    QString RecordCheckNotice() { return checkNotices_.NoticeFor(recordPath()); }

  private:
    QStringList DescribeLastRow() const;
    /// The names of the row now last when it is a stone placed since the last save.
    QStringList DescribeUnsavedLastRow() const;

    common::AppState& state_;
    go::BoardModel model_;
    QString opponent_;
    QString game_;
    QString lastOutcome_;  // the count's outcome word, kept for a count that comes out even
    RecordCheckNotices checkNotices_;
};

/// What the player is told when a chosen record did not load whole; empty when it did (or
/// when there is no record).
QString UnreadableRecordText(store::LoadOutcome outcome, const QString& game);
/// Why a result is not in the results record.
QString ResultNotRecordedText(store::AppendOutcome outcome);
/// The term list's entries, blank lines left out; none when the file cannot be read.
QStringList ReadTermList(const QString& path);

}  // namespace session
