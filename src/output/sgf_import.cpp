#include "output/sgf_import.h"

#include "common/cp932_codec.h"
#include "common/dates.h"
#include "common/record_text.h"
#include "common/stone_colour.h"
#include "go/go_rules.h"
#include "output/sgf_import_notes.h"
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

/// A text property of the root as one line: SGF's simple text turns line breaks into blanks.
QString SimpleText(const SgfNode& node, const char* name) {
    return Value(node, QLatin1String(name)).simplified();
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
}

bool HasMove(const SgfNode& node) {
    return node.contains(QStringLiteral("B")) || node.contains(QStringLiteral("W"));
}

/// The black stones set before the first move, in whatever node they stand: the handicap.
struct Setup {
    QList<SgfPointValue> stones;
    int firstMoveNode = 0;    // the index of the node with the first move
    bool beyondRoot = false;  // some stones stood in a node after the root
};

/// Takes the setup of a node before or with the first move: black stones only, since the
/// record numbers the handicap stones as Black's.
void AddSetupOf(const SgfNode& node, int n, Setup& setup) {
    if (node.contains(QStringLiteral("AW")) || node.contains(QStringLiteral("AE")))
        throw Refusal{QStringLiteral("白石や空点の配置（AW/AE）がある棋譜は読み込めません。")};
    for (const QString& value : node.value(QStringLiteral("AB"))) {
        const QList<SgfPointValue> points = ExpandSgfPoints(value);
        if (points.isEmpty())
            throw Refusal{QStringLiteral("置石の点 AB[%1] が読めません。").arg(value)};
        for (const SgfPointValue& point : points) {
            if (!setup.stones.contains(point))
                setup.stones.append(point);
        }
        setup.beyondRoot = setup.beyondRoot || n > 0;
    }
}

Setup SetupBeforeFirstMove(const SgfGame& game) {
    Setup setup;
    int n = 0;
    for (; n < game.nodes.size(); ++n) {
        AddSetupOf(game.nodes[n], n, setup);
        if (HasMove(game.nodes[n]))
            break;
    }
    setup.firstMoveNode = n;
    const qsizetype count = setup.stones.size();
    if (count > 0 && (count < kMinHandicapStones || count > kMaxHandicapStones))
        throw Refusal{QStringLiteral("置石が%1個の棋譜は読み込めません（2～13個）。").arg(count)};
    return setup;
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

/// How far the main line went.
struct MainLine {
    int moves = 0;  // passes included
    int passes = 0;
    CommentCounts comments;
};

/// Stones set after the first move have no place in a record.
void RefuseSetup(const SgfNode& node, int movesBefore) {
    for (const char* setup : {"AB", "AW", "AE"}) {
        if (!node.contains(QLatin1String(setup)))
            continue;
        if (HasMove(node)) {
            throw Refusal{
                QStringLiteral("%1手目と同じノードに石の配置（%2）があるため読み込めません。")
                    .arg(movesBefore + 1)
                    .arg(QLatin1String(setup))};
        }
        throw Refusal{QStringLiteral("%1手目の後に石の配置（%2）があるため読み込めません。")
                          .arg(movesBefore)
                          .arg(QLatin1String(setup))};
    }
}

/// Plays the moves of one node; true when a stone was put down.
bool PlayNode(const SgfNode& node, RecordBuilder& builder, MainLine& line) {
    bool placed = false;
    for (const common::StoneColour colour :
         {common::StoneColour::Black, common::StoneColour::White}) {
        const QString property(SgfColourLetter(colour));
        if (!node.contains(property))
            continue;
        const QString value = Value(node, property);
        ++line.moves;
        if (IsSgfPass(value)) {
            ++line.passes;
            continue;
        }
        const auto point = ParseSgfPoint(value);
        if (!point) {
            throw Refusal{
                QStringLiteral("%1手目の点 [%2] が読めません。").arg(line.moves).arg(value)};
        }
        builder.Move(colour, *point, RowComment(node, line.comments), line.moves);
        placed = true;
    }
    return placed;
}

MainLine PlayMainLine(const SgfGame& game, int firstMoveNode, RecordBuilder& builder) {
    MainLine line;
    for (int n = 0; n < game.nodes.size(); ++n) {
        const SgfNode& node = game.nodes[n];
        if (n > firstMoveNode)
            RefuseSetup(node, line.moves);
        const bool placed = PlayNode(node, builder, line);
        if (!placed && !Value(node, QStringLiteral("C")).isEmpty())
            ++line.comments.leftOut;
    }
    return line;
}

/// The text of the file, or the refusal that says why there is none.
QString TextOf(const QByteArray& bytes, QStringList& notes) {
    const SgfDecoding decoding = DecodeSgf(bytes);
    // Told before the character set, so that a picture or a letter is called what it is.
    if (!LooksLikeSgf(decoding.text ? *decoding.text : QString::fromLatin1(bytes)))
        throw Refusal{QStringLiteral("SGF の棋譜ファイルではありません。")};
    if (!decoding.text) {
        throw Refusal{
            QStringLiteral("文字コード %1 として読めないファイルです。").arg(decoding.charset)};
    }
    AddCharsetNote(decoding, notes);
    return *decoding.text;
}

SgfGame GameOf(const SgfReading& reading) {
    if (reading.game)
        return *reading.game;
    const QString how =
        reading.cutShort ? QStringLiteral("途切れている") : QStringLiteral("壊れている");
    throw Refusal{QStringLiteral("SGF の棋譜ファイルが %1行目で%2ため読み込めません。")
                      .arg(reading.brokenAtLine)
                      .arg(how)};
}

/// The players, event, result and date as the root writes them; line breaks become blanks.
store::GameInfo InfoOf(const SgfNode& root, QStringList& notes) {
    store::GameInfo info;
    int replaced = 0;
    for (const store::GameInfoField& field : store::GameInfoFields()) {
        const QString value = SimpleText(root, field.key);
        replaced += int(common::EncodeCp932(value).count('?') - value.count(QLatin1Char('?')));
        info.*(field.member) = value;
    }
    if (replaced > 0) {
        notes.append(QStringLiteral("対局者名などの %1 文字は Shift_JIS にない文字のため「?」"
                                    "として残しました。")
                         .arg(replaced));
    }
    return info;
}

}  // namespace

SgfImport ImportSgf(const QByteArray& bytes, bool playerIsBlack, const QDate& today) {
    SgfImport result;
    try {
        const QString text = TextOf(bytes, result.notes);
        const SgfReading reading = ReadSgfText(text);
        const SgfGame game = GameOf(reading);
        const SgfNode& root = game.nodes.first();
        CheckRoot(root);
        const Setup setup = SetupBeforeFirstMove(game);
        result.handicapCode = setup.stones.isEmpty() ? 1 : int(setup.stones.size()) + 1;
        result.komiCode = KomiCode(root, result.notes);
        if (game.hadVariations)
            result.notes.append(QStringLiteral("変化図は読み込まず、本譜だけを読み込みました。"));
        if (game.hadMoreGames)
            result.notes.append(QStringLiteral("ファイルの最初の対局だけを読み込みました。"));
        if (setup.beyondRoot) {
            result.notes.append(QStringLiteral(
                "最初の着手より前のノードにある黒石の配置（AB）を置石として読みました。"));
        }
        result.info = InfoOf(root, result.notes);
        const QDate day = RecordDate(result.info.date, today, result.notes);
        RecordBuilder builder(common::RowDate(day));
        if (!setup.stones.isEmpty())
            builder.HandicapStones(setup.stones);
        const MainLine line = PlayMainLine(game, setup.firstMoveNode, builder);
        AddCommentNotes(line.comments, result.notes);
        if (line.passes > 0) {
            result.notes.append(
                QStringLiteral("パス（%1回）は棋譜に書けないため飛ばしました。").arg(line.passes));
        }
        AddBreakNote(reading, line.moves, result.notes);
        result.lines.append(
            store::HeaderLine(day, result.handicapCode, result.komiCode, playerIsBlack));
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
