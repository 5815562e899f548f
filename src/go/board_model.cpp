#include "go/board_model.h"

#include "common/record_text.h"
#include "common/stone_colour.h"
#include "go/view_transform.h"

namespace go {

using store::RecordRow;

void BoardModel::Clear() {
    table_.Clear();
    board_.Clear();
    numberFlags_.fill(false);
    blackCaptured_ = 0;
    whiteCaptured_ = 0;
    viewedRow_ = 0;
    if (onCapturesCleared)
        onCapturesCleared();
    ShowComment(QString());
}

store::LoadOutcome BoardModel::LoadRecord(const QString& path) {
    Clear();
    recordPath_ = path;
    const store::LoadOutcome outcome = store::ReadRecordFile(path, table_);
    for (int i = 1; i <= table_.lastRow; ++i) {
        RecordRow& row = table_.rows[i];
        ApplyViewTransform(row);
        if (row.IsPlacement())
            SetNumberFlag(row.number, options_.printNumbers);
    }
    viewedRow_ = table_.savedRowCount;
    recordShown_ = true;
    return outcome;
}

store::LoadOutcome BoardModel::ShowRecord(const QString& path) {
    const store::LoadOutcome outcome = LoadRecord(path);
    ShowPositionAt(table_.savedRowCount);
    MarkLastPlacement(table_.savedRowCount);
    return outcome;
}

void BoardModel::ApplyViewTransform(RecordRow& row) const {
    TransformPoint(transform_, row.x, row.y);
}

bool BoardModel::NumberFlag(int number) const {
    if (number < kLowestNumber || number > kHighestNumber)
        return false;
    return numberFlags_[size_t(number - kLowestNumber)];
}

void BoardModel::SetNumberFlag(int number, bool on) {
    if (number < kLowestNumber || number > kHighestNumber)
        return;
    numberFlags_[size_t(number - kLowestNumber)] = on;
}

void BoardModel::DrawStone(int x, int y, int number) {
    StoneLook look;
    look.white = common::ColourOfStone(number, table_.whiteFirst) == common::StoneColour::White;
    switch (mode_) {
        case Mode::Recording:
            look.writeNumber = number > 0 && options_.numbersWhileRecording;
            break;
        case Mode::Review:
            look.writeNumber = number > 0 && options_.reviewNumbers;
            break;
        case Mode::Printing:
            look.writeNumber = number > 0 && options_.printNumbers;
            look.printingMode = true;
            SetNumberFlag(number, look.writeNumber);
            break;
    }
    if (canvas_ != nullptr)
        canvas_->StoneOn(x, y, number, look);
}

void BoardModel::EraseStone(int x, int y) {
    if (canvas_ != nullptr)
        canvas_->StoneOff(x, y, board_);
}

void BoardModel::DrawEmptyBoard() {
    if (canvas_ != nullptr)
        canvas_->DrawBoard();
}

void BoardModel::ShowComment(const QString& text) {
    if (onCommentShown)
        onCommentShown(text);
}

void BoardModel::ReportCaptures() {
    if (onCapturesChanged)
        onCapturesChanged(blackCaptured_, whiteCaptured_);
}

PlaceResult BoardModel::PlaceAt(int x, int y) {
    recordShown_ = false;
    if (mode_ == Mode::Printing || table_.lastRow >= store::kMaxRows || !BoardGrid::OnBoard(x, y)) {
        return PlaceResult::Nothing;
    }
    const int newRow = table_.lastRow + 1;
    RecordRow row;
    row.date = common::FixedWidth(QString(), store::kDateWidth);
    row.text = common::FixedWidth(QString(), store::kTextWidth);
    row.x = qint16(x);
    row.y = qint16(y);
    if (!board_.Occupied(x, y)) {
        row.mark = QLatin1Char('U');
        row.number = qint16(table_.rows[SearchLastStoneRow(newRow - 1)].number + 1);
        row.colour = common::ColourOfStone(row.number, table_.whiteFirst);
        SetNumberFlag(row.number, options_.printNumbers);
        table_.rows[newRow] = row;
        table_.lastRow = newRow;
        DrawStone(x, y, row.number);
        board_.Set(x, y, row.number);
        return PlaceResult::Placement;
    }
    // The stone placed by the row before cannot be removed at once: the right click takes
    // it back instead.
    const RecordRow& previous = table_.rows[newRow - 1];
    if (previous.x == x && previous.y == y)
        return PlaceResult::Nothing;
    row.mark = QLatin1Char('T');
    row.number = board_.At(x, y);
    row.colour = common::ColourOfStone(row.number, table_.whiteFirst);
    table_.rows[newRow] = row;
    table_.lastRow = newRow;
    board_.Set(x, y, kEmptyPoint);
    EraseStone(x, y);
    CountRemoval(true, newRow);
    return PlaceResult::Removal;
}

bool BoardModel::TakeBack(int limit) {
    recordShown_ = false;
    if (mode_ == Mode::Printing || table_.lastRow <= limit + 1)
        return false;
    const RecordRow& row = table_.rows[table_.lastRow];
    if (!BoardGrid::OnBoard(row.x, row.y)) {
        // A damaged row was never shown, so there is nothing to undo on the board.
    } else if (row.IsPlacement()) {
        board_.Set(row.x, row.y, kEmptyPoint);
        EraseStone(row.x, row.y);
    } else {
        board_.Set(row.x, row.y, row.number);
        DrawStone(row.x, row.y, row.number);
        CountRemoval(false, table_.lastRow);
    }
    --table_.lastRow;
    return true;
}

void BoardModel::CountRemoval(bool add, int row) {
    const int number = table_.rows[row].number;
    const int change = add ? 1 : -1;
    if (common::ColourOfStone(number, table_.whiteFirst) == common::StoneColour::Black) {
        blackCaptured_ += change;
    } else {
        whiteCaptured_ += change;
    }
    ReportCaptures();
}

void BoardModel::ShowPositionAt(int k) {
    k = qBound(0, k, store::kMaxRows);
    blackCaptured_ = 0;
    whiteCaptured_ = 0;
    if (onCapturesCleared)
        onCapturesCleared();
    ShowComment(QString());
    board_.Clear();
    DrawEmptyBoard();
    const bool keepRemoved = mode_ == Mode::Printing && options_.keepRemovedStones;
    for (int r = 1; r <= k; ++r) {
        const RecordRow& row = table_.rows[r];
        if (!BoardGrid::OnBoard(row.x, row.y))
            continue;  // a damaged row is skipped, not drawn
        if (row.IsPlacement()) {
            board_.Set(row.x, row.y, row.number);
            DrawStone(row.x, row.y, row.number);
        } else {
            if (!keepRemoved) {
                board_.Set(row.x, row.y, kEmptyPoint);
                EraseStone(row.x, row.y);
            }
            CountRemoval(true, r);
        }
    }
    table_.lastRow = k;
    viewedRow_ = k;
    if (k > 0)
        ShowComment(table_.rows[SearchLastStoneRow(k)].text.trimmed());
}

int BoardModel::SearchLastStoneRow(int k) const {
    for (int r = qMin(k, store::kMaxRows); r >= 1; --r) {
        if (table_.rows[r].IsPlacement())
            return r;
    }
    return 0;
}

int BoardModel::SearchStoneNoRow(int n) const {
    for (int r = 1; r <= table_.savedRowCount; ++r) {
        if (table_.rows[r].number == n)
            return r;
    }
    return 0;
}

void BoardModel::MarkLastPlacement(int k) {
    const int r = SearchLastStoneRow(k);
    if (r == 0 || canvas_ == nullptr)
        return;
    const RecordRow& row = table_.rows[r];
    if (board_.Occupied(row.x, row.y) && board_.At(row.x, row.y) == row.number) {
        canvas_->MarkLastMove(row.x, row.y);
    }
}

int BoardModel::LastSavedMoveNumber() const {
    const int r = SearchLastStoneRow(table_.savedRowCount);
    return r == 0 ? 0 : table_.rows[r].number;
}

void BoardModel::ShowFromMove(int moveNumber) {
    LoadRecord(recordPath_);
    const int row = SearchStoneNoRow(moveNumber);
    ShowPositionAt(row);
    MarkLastPlacement(row);
}

StepResult BoardModel::BackToRecordedGame() {
    const int viewed = viewedRow_;
    LoadRecord(recordPath_);
    ShowPositionAt(qMin(viewed, table_.savedRowCount));
    MarkLastPlacement(viewedRow_);
    recordShown_ = true;
    return StepResult::BackToRecord;
}

StepResult BoardModel::StepForward() {
    if (!recordShown_)
        return BackToRecordedGame();
    if (table_.lastRow >= table_.savedRowCount)
        return StepResult::AtEnd;
    const int r = ++table_.lastRow;
    viewedRow_ = r;
    const RecordRow& row = table_.rows[r];
    if (!BoardGrid::OnBoard(row.x, row.y))
        return StepResult::Stepped;
    if (row.IsPlacement()) {
        const int previous = SearchLastStoneRow(r - 1);
        board_.Set(row.x, row.y, row.number);
        SetNumberFlag(row.number, options_.printNumbers);
        DrawStone(row.x, row.y, row.number);
        if (canvas_ != nullptr)
            canvas_->MarkLastMove(row.x, row.y);
        const RecordRow& before = table_.rows[previous];
        if (previous > 0 && board_.Occupied(before.x, before.y) &&
            board_.At(before.x, before.y) == before.number) {
            DrawStone(before.x, before.y, before.number);
        }
        ShowComment(row.text.trimmed());
    } else {
        if (!(mode_ == Mode::Printing && options_.keepRemovedStones)) {
            board_.Set(row.x, row.y, kEmptyPoint);
            EraseStone(row.x, row.y);
        }
        CountRemoval(true, r);
    }
    return StepResult::Stepped;
}

StepResult BoardModel::StepBack() {
    if (!recordShown_)
        return BackToRecordedGame();
    if (table_.lastRow <= 0)
        return StepResult::AtStart;
    const int r = table_.lastRow;
    const RecordRow& row = table_.rows[r];
    if (BoardGrid::OnBoard(row.x, row.y)) {
        if (row.IsPlacement()) {
            board_.Set(row.x, row.y, kEmptyPoint);
            EraseStone(row.x, row.y);
            MarkLastPlacement(r - 1);
            ShowComment(row.text.trimmed());
        } else {
            board_.Set(row.x, row.y, row.number);
            DrawStone(row.x, row.y, row.number);
            CountRemoval(false, r);
        }
    }
    --table_.lastRow;
    viewedRow_ = table_.lastRow;
    return StepResult::Stepped;
}

}  // namespace go
