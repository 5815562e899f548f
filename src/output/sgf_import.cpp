#include "output/sgf_import.h"

#include "common/dates.h"
#include "common/record_text.h"
#include "common/stone_colour.h"
#include "go/go_rules.h"
#include "output/sgf_text.h"
#include "store/record_file.h"
#include "store/record_table.h"
#include "store/text_file.h"

#include <QRegularExpression>

#include <cmath>

namespace output {
namespace {

constexpr int kMinHandicapStones = 2;
constexpr int kMaxHandicapStones = 13;
constexpr int kNoKomiCode = 20;

struct Refusal {
    QString text;
};

QString Value(const SgfNode& node, const QString& name) {
    const QStringList values = node.value(name);
    return values.isEmpty() ? QString() : values.first().trimmed();
}

/// Builds the rows move by move on a board of its own.
class RecordBuilder {
  public:
    explicit RecordBuilder(const QString& date)
        : date_(common::FixedWidth(date, store::kDateWidth)) {}

    void HandicapStones(const QList<SgfPointValue>& stones) {
        whiteFirst_ = 1;
        lastNumber_ = -int(stones.size());
        for (const SgfPointValue& stone : stones) {
            ++lastNumber_;
            board_.Set(stone.x, stone.y, qint16(lastNumber_));
            AddRow(lastNumber_, stone.x, stone.y, QString());
        }
    }

    /// Plays a move; the next number keeps the colour rule even after a skipped pass.
    void Move(common::StoneColour colour, const SgfPointValue& point, const QString& comment,
              int moveIndex) {
        int number = lastNumber_ + 1;
        if (common::ColourOfStone(number, whiteFirst_) != colour)
            ++number;
        const go::BoardGrid before = board_;  // holds the numbers of the stones taken off
        const go::MoveOutcome outcome =
            go::PlayStone(board_, whiteFirst_, point.x, point.y, qint16(number));
        const QString where = SgfPoint(point.x, point.y);
        if (outcome.check == go::MoveCheck::Occupied) {
            throw Refusal{QStringLiteral("%1手目（%2）は石のある点に打たれています。")
                              .arg(moveIndex)
                              .arg(where)};
        }
        if (outcome.check == go::MoveCheck::Suicide) {
            throw Refusal{QStringLiteral("%1手目（%2）は自殺手で、打てない手です。")
                              .arg(moveIndex)
                              .arg(where)};
        }
        lastNumber_ = number;
        AddRow(number, point.x, point.y, comment);
        for (const go::Point& stone : outcome.captured)
            AddRow(before.At(stone.x, stone.y), stone.x, stone.y, QString());
    }

    const QStringList& rows() const { return rows_; }

  private:
    void AddRow(int number, int x, int y, const QString& text) {
        if (rows_.size() >= store::kMaxRows) {
            throw Refusal{
                QStringLiteral("棋譜の行が%1行を超えるため読み込めません。").arg(store::kMaxRows)};
        }
        rows_.append(store::RecordLine(date_, number, x, y, text));
    }

    QString date_;
    go::BoardGrid board_;
    int whiteFirst_ = 0;
    int lastNumber_ = 0;
    QStringList rows_;
};

void CheckRoot(const SgfNode& root) {
    const QString format = Value(root, QStringLiteral("FF"));
    if (!format.isEmpty() && (format.toInt() < 1 || format.toInt() > 4))
        throw Refusal{QStringLiteral("SGF の版 FF[%1] は読めません（FF[1]～FF[4]）。").arg(format)};
    const QString gameKind = Value(root, QStringLiteral("GM"));
    if (!gameKind.isEmpty() && gameKind != QLatin1String("1"))
        throw Refusal{QStringLiteral("囲碁の棋譜ではありません（GM[%1]）。").arg(gameKind)};
    const QString size = Value(root, QStringLiteral("SZ"));
    if (!size.isEmpty() && size != QLatin1String("19") && size != QLatin1String("19:19"))
        throw Refusal{QStringLiteral("19路盤でない棋譜（SZ[%1]）は読み込めません。").arg(size)};
    if (root.contains(QStringLiteral("AW")) || root.contains(QStringLiteral("AE")))
        throw Refusal{QStringLiteral("白石や空点の配置（AW/AE）がある棋譜は読み込めません。")};
}

QList<SgfPointValue> HandicapStonesOf(const SgfNode& root) {
    QList<SgfPointValue> stones;
    for (const QString& value : root.value(QStringLiteral("AB"))) {
        const QList<SgfPointValue> points = ExpandSgfPoints(value);
        if (points.isEmpty())
            throw Refusal{QStringLiteral("置石の点 AB[%1] が読めません。").arg(value)};
        stones.append(points);
    }
    if (!stones.isEmpty() &&
        (stones.size() < kMinHandicapStones || stones.size() > kMaxHandicapStones)) {
        throw Refusal{
            QStringLiteral("置石が%1個の棋譜は読み込めません（2～13個）。").arg(stones.size())};
    }
    return stones;
}

int KomiCode(const SgfNode& root, QStringList& notes) {
    const QString text = Value(root, QStringLiteral("KM"));
    if (text.isEmpty())
        return kNoKomiCode;
    bool number = false;
    const double komi = text.toDouble(&number);
    if (!number) {
        notes.append(QStringLiteral("コミ KM[%1] が読めないため、コミなしにしました。").arg(text));
        return kNoKomiCode;
    }
    const int code = kNoKomiCode + int(std::lround(2 * komi));
    if (code < 1 || code > 39) {
        const int clamped = qBound(1, code, 39);
        notes.append(QStringLiteral("コミ %1 は登録できる範囲を超えるため、%2目にしました。")
                         .arg(text)
                         .arg((clamped - kNoKomiCode) / 2.0));
        return clamped;
    }
    return code;
}

void PlayMainLine(const SgfGame& game, RecordBuilder& builder, QStringList& notes) {
    int moveIndex = 0;
    int passes = 0;
    for (int n = 0; n < game.nodes.size(); ++n) {
        const SgfNode& node = game.nodes[n];
        for (const char* setup : {"AB", "AW", "AE"}) {
            if (n > 0 && node.contains(QLatin1String(setup))) {
                throw Refusal{QStringLiteral("%1手目の後に石の配置（%2）があるため読み込めません。")
                                  .arg(moveIndex)
                                  .arg(QLatin1String(setup))};
            }
        }
        for (const common::StoneColour colour :
             {common::StoneColour::Black, common::StoneColour::White}) {
            const QString property(SgfColourLetter(colour));
            if (!node.contains(property))
                continue;
            const QString value = Value(node, property);
            ++moveIndex;
            if (IsSgfPass(value)) {
                ++passes;
                continue;
            }
            const auto point = ParseSgfPoint(value);
            if (!point) {
                throw Refusal{
                    QStringLiteral("%1手目の点 [%2] が読めません。").arg(moveIndex).arg(value)};
            }
            const QString comment = node.value(QStringLiteral("C")).join(QLatin1Char(' '));
            builder.Move(colour, *point, comment.simplified().left(store::kTextWidth), moveIndex);
        }
    }
    if (passes > 0)
        notes.append(QStringLiteral("パス（%1回）は棋譜に書けないため飛ばしました。").arg(passes));
}

}  // namespace

SgfImport ImportSgf(const QByteArray& bytes, bool playerIsBlack, const QDate& today) {
    SgfImport result;
    try {
        // Told before the character set, so that a picture or a letter is called what it is.
        static const QRegularExpression gameStart(QStringLiteral("\\(\\s*;"));
        if (!QString::fromLatin1(bytes).contains(gameStart))
            throw Refusal{QStringLiteral("SGF の棋譜ファイルではありません。")};
        QString charset;
        bool guessed = false;
        const std::optional<QString> text = DecodeSgfBytes(bytes, &charset, &guessed);
        if (!text)
            throw Refusal{
                QStringLiteral("文字コード %1 として読めないファイルです。").arg(charset)};
        if (guessed) {
            result.notes.append(QStringLiteral(
                "文字コードの指定（CA）がなく UTF-8 でもないため、Shift_JIS として読みました。"));
        }
        const std::optional<SgfGame> game = ParseSgf(*text);
        if (!game)
            throw Refusal{QStringLiteral("SGF の棋譜ファイルではありません。")};
        const SgfNode& root = game->nodes.first();
        CheckRoot(root);
        const QList<SgfPointValue> stones = HandicapStonesOf(root);
        result.handicapCode = stones.isEmpty() ? 1 : int(stones.size()) + 1;
        result.komiCode = KomiCode(root, result.notes);
        if (game->hadVariations)
            result.notes.append(QStringLiteral("変化図は読み込まず、本譜だけを読み込みました。"));
        if (game->hadMoreGames)
            result.notes.append(QStringLiteral("ファイルの最初の対局だけを読み込みました。"));

        const QList<QDate> days = ParseSgfDateList(Value(root, QStringLiteral("DT")));
        const QDate firstDay = days.isEmpty() ? today : days.first();
        if (days.size() > 1) {
            result.notes.append(
                QStringLiteral("対局日が複数あるため、どの行も最初の日付 %1 にしました。")
                    .arg(common::ShortDate(firstDay)));
        }
        RecordBuilder builder(common::RowDate(firstDay));
        if (!stones.isEmpty())
            builder.HandicapStones(stones);
        PlayMainLine(*game, builder, result.notes);
        result.lines.append(
            store::HeaderLine(firstDay, result.handicapCode, result.komiCode, playerIsBlack));
        result.lines.append(builder.rows());
        result.accepted = true;
    } catch (const Refusal& refusal) {
        result = SgfImport();
        result.refusal = refusal.text;
    }
    return result;
}

SgfFileBytes ReadSgfFile(const QString& path) {
    SgfFileBytes file;
    switch (store::ReadFileBytes(path, file.bytes, kMaxSgfFileBytes)) {
        case store::ReadStatus::Ok:
            break;
        case store::ReadStatus::TooLarge:
            file.refusal = QStringLiteral(
                               "%1 は SGF の棋譜ファイルとしては大きすぎるため読み込めません"
                               "（%2 MB まで）。")
                               .arg(path)
                               .arg(kMaxSgfFileBytes / (1024 * 1024));
            break;
        case store::ReadStatus::NotAFile:
            file.refusal = QStringLiteral("%1 はファイルではないため読み込めません。").arg(path);
            break;
        case store::ReadStatus::Missing:
        case store::ReadStatus::Unreadable:
            file.refusal = path + QStringLiteral(" を開けません。");
            break;
    }
    return file;
}

}  // namespace output
