#include "output/kifu_figures.h"

#include "common/numerals.h"

#include <QSet>

#include <algorithm>

namespace output {
namespace {

const QString kPass = QStringLiteral("パス");

/// Moves told in words instead of drawn. Those played on one stone of the figure share a note,
/// so that a ko fought over many moves takes a line for each of its two points.
struct NoteGroup {
    int firstMove = 0;  // orders the notes
    QString target;     // "119", "A (１６・四)", or kPass for a pass
    QStringList moves;  // as the figure writes them
};

QString NoteText(const NoteGroup& group) {
    if (group.target == kPass)
        return group.moves.first() + QLatin1Char(' ') + kPass;
    return group.moves.join(QStringLiteral(", ")) + QStringLiteral("＝") + group.target;
}

/// The letter of the n-th marked stone of a figure: A to Z, then a to z.
QString MarkLabel(int n) {
    if (n < 26)
        return QString(QChar(u'A' + n));
    return QString(QChar(u'a' + (n - 26) % 26));
}

/// A figure while the record is replayed, with what its notes are made from.
struct FigureInProgress {
    KifuFigure figure;
    std::vector<NoteGroup> groups;
    QSet<int> played;  // the move numbers that have a row

    void Note(int move, const QString& target) {
        const QString shown = QString::number(figure.ShownNumber(move));
        for (NoteGroup& group : groups) {
            if (group.target == target && target != kPass) {
                group.moves.append(shown);
                return;
            }
        }
        groups.push_back({move, target, {shown}});
    }

    /// The label of the stone at the point, marking it when it is not marked yet.
    QString MarkAt(int x, int y) {
        for (const FigureMark& mark : figure.marks) {
            if (mark.x == x && mark.y == y)
                return mark.label;
        }
        figure.marks.append({x, y, MarkLabel(int(figure.marks.size()))});
        return figure.marks.back().label;
    }

    /// The figure with its notes: a number the record skips within the figure is a pass.
    KifuFigure Finish() {
        for (int move = figure.firstMove; move <= figure.lastMove; ++move) {
            if (!played.contains(move))
                Note(move, kPass);
        }
        std::stable_sort(groups.begin(), groups.end(), [](const NoteGroup& a, const NoteGroup& b) {
            return a.firstMove < b.firstMove;
        });
        for (const NoteGroup& group : groups)
            figure.notes.append(NoteText(group));
        return figure;
    }
};

/// The figure being filled while the record is replayed.
class FigureBuilder {
  public:
    FigureBuilder(const FigureOptions& options, int lastMove)
        : options_(options),
          lastMove_(lastMove),
          perFigure_(options.movesPerFigure > 0 ? options.movesPerFigure : lastMove) {}

    void Place(const store::RecordRow& row) {
        if (row.number >= 1 && (figures_.empty() || row.number > figures_.back().figure.lastMove))
            StartFigure(row.number);
        if (!figures_.empty()) {
            DrawOrNote(figures_.back(), row);
            if (row.number >= 1)
                figures_.back().played.insert(row.number);
        }
        position_.Set(row.x, row.y, row.number);
    }
    void Remove(const store::RecordRow& row) { position_.Set(row.x, row.y, go::kEmptyPoint); }
    std::vector<KifuFigure> Figures() {
        std::vector<KifuFigure> figures;
        for (FigureInProgress& building : figures_)
            figures.push_back(building.Finish());
        return figures;
    }

  private:
    void StartFigure(int move) {
        FigureInProgress building;
        KifuFigure& figure = building.figure;
        figure.index = int(figures_.size()) + 1;
        figure.firstMove = (move - 1) / perFigure_ * perFigure_ + 1;
        figure.lastMove = qMin(figure.firstMove + perFigure_ - 1, lastMove_);
        figure.shownFirst = options_.renumber ? 1 : figure.firstMove;
        // The figure opens on the position its first move was played on.
        figure.board = position_;
        figures_.push_back(building);
    }

    static void DrawOrNote(FigureInProgress& building, const store::RecordRow& row) {
        KifuFigure& figure = building.figure;
        if (!figure.board.Occupied(row.x, row.y)) {
            figure.board.Set(row.x, row.y, row.number);
            return;
        }
        // The point already shows a stone of this figure: the move is told in words. A stone
        // from before the figure has no number to point to, so it gets a letter on the board.
        const int standing = figure.board.At(row.x, row.y);
        if (figure.IsFigureMove(standing)) {
            building.Note(row.number, QString::number(figure.ShownNumber(standing)));
        } else {
            building.Note(row.number, building.MarkAt(row.x, row.y) + QStringLiteral(" (") +
                                          NotePointName(row.x, row.y) + QStringLiteral(")"));
        }
    }

    FigureOptions options_;
    int lastMove_ = 0;
    int perFigure_ = 1;
    go::BoardGrid position_;
    std::vector<FigureInProgress> figures_;
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
