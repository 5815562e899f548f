#include "output/sgf_export.h"

#include "common/dates.h"
#include "go/go_rules.h"
#include "output/sgf_text.h"
#include "store/hand_edited_text.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace output {
namespace {

using store::RecordRow;

QString Property(const QString& name, const QString& value) {
    return name + QLatin1Char('[') + EscapeSgfText(value) + QLatin1Char(']');
}

QList<QDate> RecordingDays(const store::RecordTable& table) {
    QList<QDate> days;
    for (int r = 1; r <= table.lastRow; ++r) {
        const QDate day = common::ParseRowDate(table.rows[r].date);
        if (day.isValid())
            days.append(day);
    }
    return days;
}

QString RootNode(const store::RecordTable& table, const SgfGameNames& names,
                 const QStringList& handicapStones) {
    // A header that names no colour is written as the player holding Black.
    const bool playerBlack = table.playerColour != common::StoneColour::White;
    QString root = QStringLiteral(";FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]");
    root += Property(QStringLiteral("PB"), playerBlack ? names.player : names.opponent);
    root += Property(QStringLiteral("PW"), playerBlack ? names.opponent : names.player);
    if (!handicapStones.isEmpty()) {
        const int code = table.handicapCode;
        const int count = code >= 3 && code <= 14 ? code - 1 : int(handicapStones.size());
        root += QStringLiteral("HA[%1]AB").arg(count) + handicapStones.join(QString());
    }
    if (table.komiCode >= 1 && table.komiCode <= 39)
        root += QStringLiteral("KM[%1]").arg((table.komiCode - 20) / 2.0);
    const QString days = SgfDateList(RecordingDays(table));
    if (!days.isEmpty())
        root += Property(QStringLiteral("DT"), days);
    if (!names.result.isEmpty())
        root += Property(QStringLiteral("RE"), SgfResult(names.result));
    return root;
}

/// Walks the rows on a board of its own, so that it knows which removals the rules make.
class MoveWriter {
  public:
    explicit MoveWriter(const store::RecordTable& table) : table_(table) {}

    void Row(const RecordRow& row, QStringList& handicapStones) {
        if (!go::BoardGrid::OnBoard(row.x, row.y))
            return;  // a damaged row is never shown, so it is not written either
        const QString point = QLatin1Char('[') + SgfPoint(row.x, row.y) + QLatin1Char(']');
        recordBoard_.Set(row.x, row.y, row.IsPlacement() ? row.number : go::kEmptyPoint);
        if (row.IsPlacement() && row.number <= 0) {
            board_.Set(row.x, row.y, row.number);
            handicapStones.append(point);
            return;
        }
        if (row.IsPlacement()) {
            Placement(row, point);
            return;
        }
        // A stone the rules already took off needs no node; any other removal does.
        if (!board_.Occupied(row.x, row.y))
            return;
        board_.Set(row.x, row.y, go::kEmptyPoint);
        if (!openErase_)
            moves_ += QStringLiteral("\n;AE");
        moves_ += point;
        openErase_ = true;
    }

    /// Stones the rules took off but the record keeps (captures never removed by hand) are
    /// put back at the end, so that the final position is the record's.
    void Finish() {
        QString black;
        QString white;
        for (int y = 1; y <= go::kBoardSize; ++y) {
            for (int x = 1; x <= go::kBoardSize; ++x) {
                if (!recordBoard_.Occupied(x, y) || board_.Occupied(x, y))
                    continue;
                const bool isBlack =
                    common::ColourOfStone(recordBoard_.At(x, y), table_.whiteFirst) ==
                    common::StoneColour::Black;
                (isBlack ? black : white) += QLatin1Char('[') + SgfPoint(x, y) + QLatin1Char(']');
            }
        }
        if (black.isEmpty() && white.isEmpty())
            return;
        moves_ += QStringLiteral("\n;");
        if (!black.isEmpty())
            moves_ += QStringLiteral("AB") + black;
        if (!white.isEmpty())
            moves_ += QStringLiteral("AW") + white;
    }

    const QString& moves() const { return moves_; }

  private:
    void Placement(const RecordRow& row, const QString& point) {
        const go::MoveOutcome outcome =
            go::PlayStone(board_, table_.whiteFirst, row.x, row.y, row.number);
        // A record may hold what the rules forbid; the stone stands as the record has it.
        if (outcome.check != go::MoveCheck::Legal)
            board_.Set(row.x, row.y, row.number);
        moves_ += QStringLiteral("\n;") + SgfColourLetter(row.colour) + point;
        const QString comment = row.text.trimmed();
        if (!comment.isEmpty())
            moves_ += Property(QStringLiteral("C"), comment);
        openErase_ = false;
    }

    const store::RecordTable& table_;
    go::BoardGrid board_;        // the position by the rules
    go::BoardGrid recordBoard_;  // the position as the record shows it
    QString moves_;
    bool openErase_ = false;
};

}  // namespace

QString SgfGameTree(const store::RecordTable& table, const SgfGameNames& names) {
    MoveWriter writer(table);
    QStringList handicapStones;
    for (int r = 1; r <= table.lastRow; ++r)
        writer.Row(table.rows[r], handicapStones);
    writer.Finish();
    return QLatin1Char('(') + RootNode(table, names, handicapStones) + writer.moves() +
           QStringLiteral(")\n");
}

QString SgfResult(const QString& resultLabel) {
    static const QRegularExpression scored(
        QStringLiteral("^(黒|白)(?:(\\d+)目(半)?|半目)(勝ち|負け)$"));
    static const QRegularExpression draw(QStringLiteral("^(黒|白)?.*ジゴ$"));
    const QString label = resultLabel.trimmed();
    const QRegularExpressionMatch match = scored.match(label);
    if (match.hasMatch()) {
        // The pattern takes only 黒 or 白 here, so the colour is always known.
        const std::optional<common::StoneColour> player = common::ColourFromText(match.captured(1));
        const bool playerWon = match.captured(4) == QStringLiteral("勝ち");
        const double margin =
            match.captured(2).toInt() +
            (match.captured(2).isEmpty() || !match.captured(3).isEmpty() ? 0.5 : 0.0);
        const common::StoneColour winner = playerWon ? *player : common::Opposite(*player);
        return SgfColourLetter(winner) + QLatin1Char('+') + QString::number(margin);
    }
    if (draw.match(label).hasMatch())
        return QStringLiteral("0");
    return label;
}

QString LastResultLabel(const QString& resultsPath, const QString& opponent, const QString& game) {
    QStringList lines;
    if (!store::ReadHandEditedTextLines(resultsPath, lines))
        return QString();
    const QString start = opponent + QLatin1Char(' ') + game + QStringLiteral("局 ");
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->startsWith(start))
            continue;
        const qsizetype open = line->lastIndexOf(QStringLiteral(" ["));
        const qsizetype close = line->lastIndexOf(QStringLiteral("] "));
        if (open >= 0 && close > open)
            return line->mid(open + 2, close - open - 2);
    }
    return QString();
}

}  // namespace output
