#include "output/kifu_figures.h"

#include "common/numerals.h"

namespace output {
namespace {

/// The figure being filled while the record is replayed.
class FigureBuilder {
  public:
    FigureBuilder(const FigureOptions& options, int lastMove)
        : options_(options),
          lastMove_(lastMove),
          perFigure_(options.movesPerFigure > 0 ? options.movesPerFigure : lastMove) {}

    void Place(const store::RecordRow& row) {
        if (row.number >= 1 && (figures_.empty() || row.number > figures_.back().lastMove))
            StartFigure(row.number);
        if (!figures_.empty())
            DrawOrNote(figures_.back(), row);
        position_.Set(row.x, row.y, row.number);
    }
    void Remove(const store::RecordRow& row) { position_.Set(row.x, row.y, go::kEmptyPoint); }
    std::vector<KifuFigure> Figures() { return std::move(figures_); }

  private:
    void StartFigure(int move) {
        KifuFigure figure;
        figure.index = int(figures_.size()) + 1;
        figure.firstMove = (move - 1) / perFigure_ * perFigure_ + 1;
        figure.lastMove = qMin(figure.firstMove + perFigure_ - 1, lastMove_);
        figure.shownFirst = options_.renumber ? 1 : figure.firstMove;
        // The figure opens on the position its first move was played on.
        figure.board = position_;
        figures_.push_back(figure);
    }

    static void DrawOrNote(KifuFigure& figure, const store::RecordRow& row) {
        if (!figure.board.Occupied(row.x, row.y)) {
            figure.board.Set(row.x, row.y, row.number);
            return;
        }
        // The point already shows a stone of this figure: the move is told in words.
        const int standing = figure.board.At(row.x, row.y);
        const QString number = QString::number(figure.ShownNumber(row.number));
        if (figure.IsFigureMove(standing)) {
            figure.notes.append(number + QStringLiteral("＝") +
                                QString::number(figure.ShownNumber(standing)));
        } else {
            figure.notes.append(number + QStringLiteral(" (") + NotePointName(row.x, row.y) +
                                QStringLiteral(")"));
        }
    }

    FigureOptions options_;
    int lastMove_ = 0;
    int perFigure_ = 1;
    go::BoardGrid position_;
    std::vector<KifuFigure> figures_;
};

}  // namespace

QString FigureTitle(const KifuFigure& figure) {
    return QStringLiteral("第%1譜 (%2〜%3)")
        .arg(figure.index)
        .arg(figure.firstMove)
        .arg(figure.lastMove);
}

QString NotePointName(int x, int y) {
    return common::FullWidthDigits(x) + QStringLiteral("・") + common::KanjiNumeral(y);
}

std::vector<KifuFigure> SplitIntoFigures(const store::RecordTable& table,
                                         const FigureOptions& options) {
    const int lastRow = qMin(table.lastRow, store::kMaxRows);
    int lastMove = 0;
    for (int r = 1; r <= lastRow; ++r) {
        const store::RecordRow& row = table.rows[size_t(r)];
        if (row.IsPlacement() && go::BoardGrid::OnBoard(row.x, row.y))
            lastMove = qMax(lastMove, int(row.number));
    }
    if (lastMove < 1)
        return {};
    FigureBuilder builder(options, lastMove);
    for (int r = 1; r <= lastRow; ++r) {
        const store::RecordRow& row = table.rows[size_t(r)];
        if (!go::BoardGrid::OnBoard(row.x, row.y))
            continue;
        if (row.IsPlacement()) {
            builder.Place(row);
        } else {
            builder.Remove(row);
        }
    }
    return builder.Figures();
}

}  // namespace output
