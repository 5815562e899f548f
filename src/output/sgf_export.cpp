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

/// A property when the value is there.
QString PropertyIfAny(const QString& name, const QString& value) {
    return value.isEmpty() ? QString() : Property(name, value);
}

/// What the SGF source said, where there was one, else the names the record goes by.
QString PlayersOf(const store::RecordTable& table, const SgfGameNames& names) {
    // A header that names no colour is written as the player holding Black.
    const bool playerBlack = table.playerColour != common::StoneColour::White;
    const store::GameInfo info = names.info.value_or(store::GameInfo());
    const QString black = playerBlack ? names.player : names.opponent;
    const QString white = playerBlack ? names.opponent : names.player;
    return Property(QStringLiteral("PB"), info.blackPlayer.isEmpty() ? black : info.blackPlayer) +
           PropertyIfAny(QStringLiteral("BR"), info.blackRank) +
           Property(QStringLiteral("PW"), info.whitePlayer.isEmpty() ? white : info.whitePlayer) +
           PropertyIfAny(QStringLiteral("WR"), info.whiteRank) +
           PropertyIfAny(QStringLiteral("EV"), info.event) +
           PropertyIfAny(QStringLiteral("GN"), info.gameName) +
           PropertyIfAny(QStringLiteral("PC"), info.place);
}

/// A date its source file wrote in another program's form, in SGF's own form and no more
/// exact than it was ("2004.03.18" is "2004-03-18", "1996/08" is "1996-08"); a list of days
/// and a date that cannot be read stay as written.
QString SgfFormOf(const QString& written) {
    const SgfDateReading reading = ReadSgfDate(written);
    if (reading.sgfForm || reading.precision == SgfDatePrecision::None)
        return written;
    if (reading.precision == SgfDatePrecision::Year)
        return reading.first.toString(QStringLiteral("yyyy"));
    if (reading.precision == SgfDatePrecision::Month)
        return reading.first.toString(QStringLiteral("yyyy-MM"));
    return reading.first.toString(QStringLiteral("yyyy-MM-dd"));
}

/// The days the rows were saved; for a game read from SGF the date its file gave, since its
/// rows carry only what the record could hold of that date.
QString DatesOf(const store::RecordTable& table, const SgfGameNames& names) {
    if (names.info)
        return SgfFormOf(names.info->date);
    return SgfDateList(RecordingDays(table));
}

QString RootNode(const store::RecordTable& table, const SgfGameNames& names,
                 const QStringList& handicapStones) {
    QString root = QStringLiteral(";FF[4]GM[1]SZ[19]CA[UTF-8]AP[soramame:3.0]");
    root += PlayersOf(table, names);
    if (!handicapStones.isEmpty()) {
        const int code = table.handicapCode;
        const int count = code >= 3 && code <= 14 ? code - 1 : int(handicapStones.size());
        root += QStringLiteral("HA[%1]AB").arg(count) + handicapStones.join(QString());
    }
    if (table.komiCode >= 1 && table.komiCode <= 39)
        root += QStringLiteral("KM[%1]").arg((table.komiCode - 20) / 2.0);
    root += PropertyIfAny(QStringLiteral("DT"), DatesOf(table, names));
    const QString sourceResult = names.info ? names.info->result : QString();
    root += PropertyIfAny(QStringLiteral("RE"),
                          names.result.isEmpty() ? sourceResult : SgfResult(names.result));
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
        const bool move = row.IsPlacement() && row.number > 0;
        if (move)
            PutBackKeptCaptures();  // the move before is through with its removal rows
        recordBoard_.Set(row.x, row.y, row.IsPlacement() ? row.number : go::kEmptyPoint);
        if (row.IsPlacement() && !move) {
            board_.Set(row.x, row.y, row.number);
            handicapStones.append(point);
            return;
        }
        if (move) {
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

    void Finish() { PutBackKeptCaptures(); }

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

    /// Stones the rules took off but the record keeps (captures never removed by hand) are
    /// set again once the move and its removal rows are through: before the next move, or at
    /// the end.
    void PutBackKeptCaptures() {
        QString black;
        QString white;
        for (int y = 1; y <= go::kBoardSize; ++y) {
            for (int x = 1; x <= go::kBoardSize; ++x) {
                if (!recordBoard_.Occupied(x, y) || board_.Occupied(x, y))
                    continue;
                board_.Set(x, y, recordBoard_.At(x, y));
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
