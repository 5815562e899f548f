#pragma once

#include "go/board_canvas.h"
#include "go/board_grid.h"
#include "store/record_file.h"
#include "store/record_table.h"

#include <QString>

#include <array>
#include <functional>

namespace go {

enum class Mode { Recording = 0, Review = 1, Printing = 2 };
enum class PlaceResult { Nothing, Placement, Removal };
enum class StepResult { Stepped, BackToRecord, AtEnd, AtStart };

/// What the drawing of stones depends on besides the mode; kept in step by the main window.
struct DrawOptions {
    bool numbersWhileRecording = false;  // the recording option
    bool reviewNumbers = false;          // "石数字" of the review panel
    bool printNumbers = false;           // "石数字" of the printing panel
    bool keepRemovedStones = false;      // "抜石を盤に残す" of the printing panel
};

/// The game shown on a board: its record table, the position, capture counts and the
/// per-move number-display flags. Rebuilds positions, adds and takes back rows, and steps
/// through the record. Draws through a BoardCanvas and reports captures and comments through
/// callbacks, so it runs without any window.
class BoardModel {
  public:
    static constexpr int kLowestNumber = -12;  // the first handicap stone of a 13-stone game
    static constexpr int kHighestNumber = store::kMaxRows;

    explicit BoardModel(BoardCanvas* canvas = nullptr) : canvas_(canvas) {}

    void SetCanvas(BoardCanvas* canvas) { canvas_ = canvas; }
    void SetMode(Mode mode) { mode_ = mode; }
    Mode mode() const { return mode_; }
    void SetTransform(int index) { transform_ = index; }
    int transform() const { return transform_; }
    DrawOptions& options() { return options_; }

    /// Called whenever a capture count changes, and with the comment to show.
    std::function<void(int black, int white)> onCapturesChanged;
    /// Called when a rebuild empties the prisoners box (it shows nothing until a removal).
    std::function<void()> onCapturesCleared;
    std::function<void(const QString& comment)> onCommentShown;

    /// Empties the table, the board, the flags and the counts.
    void Clear();
    /// Loads a record under the current transform; the position is not drawn yet.
    store::LoadOutcome LoadRecord(const QString& path);
    /// Loads and shows the final saved position with the last-move mark.
    store::LoadOutcome ShowRecord(const QString& path);
    /// The record the model works on from now on, before it is loaded.
    void SetRecordPath(const QString& path) { recordPath_ = path; }

    PlaceResult PlaceAt(int x, int y);
    bool TakeBack(int limit);
    void ShowPositionAt(int k);
    void CountRemoval(bool add, int row);
    int SearchLastStoneRow(int k) const;
    int SearchStoneNoRow(int n) const;
    void ApplyViewTransform(store::RecordRow& row) const;
    /// Marks the last placement at or before row k, when it is on the board.
    void MarkLastPlacement(int k);

    /// Reloads the file and shows the position after the first row numbered `moveNumber`.
    void ShowFromMove(int moveNumber);
    StepResult StepForward();
    StepResult StepBack();
    /// The highest move number among the saved rows: where "show from move" stops.
    int LastSavedMoveNumber() const;

    const store::RecordTable& table() const { return table_; }
    store::RecordTable& table() { return table_; }
    const BoardGrid& board() const { return board_; }
    const QString& recordPath() const { return recordPath_; }
    int blackCaptured() const { return blackCaptured_; }
    int whiteCaptured() const { return whiteCaptured_; }
    int viewedRow() const { return viewedRow_; }
    bool recordShown() const { return recordShown_; }
    bool NumberFlag(int number) const;
    void SetNumberFlag(int number, bool on);

  private:
    void DrawStone(int x, int y, int number);
    void EraseStone(int x, int y);
    void DrawEmptyBoard();
    void ShowComment(const QString& text);
    void ReportCaptures();
    StepResult BackToRecordedGame();

    BoardCanvas* canvas_ = nullptr;
    Mode mode_ = Mode::Recording;
    int transform_ = 0;
    DrawOptions options_;
    store::RecordTable table_;
    BoardGrid board_;
    QString recordPath_;
    std::array<bool, kHighestNumber - kLowestNumber + 1> numberFlags_{};
    int blackCaptured_ = 0;
    int whiteCaptured_ = 0;
    int viewedRow_ = 0;
    bool recordShown_ = true;
};

}  // namespace go
