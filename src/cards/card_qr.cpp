#include "cards/card_qr.h"

#include "output/printed_game.h"
#include "output/sgf_import.h"
#include "output/sgf_text.h"
#include "store/record_file.h"
#include "store/text_file.h"

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <QLibrary>

#include <qrencode.h>

#include <memory>

namespace postcard {
namespace {

const QByteArray kGameKey = QByteArrayLiteral("GN ");
const QByteArray kMovesKey = QByteArrayLiteral("M ");
const QByteArray kPassLetters = QByteArrayLiteral("tt");

/// The numbers of the record's moves mapped to their placements; a number the record skips
/// is a pass.
std::vector<CardMove> MovesOf(const store::RecordTable& table) {
    std::vector<CardMove> moves;
    int highest = 0;
    for (int r = 1; r <= table.lastRow; ++r) {
        const store::RecordRow& row = table.rows[r];
        if (!row.IsPlacement() || row.number <= 0)
            continue;
        for (int pass = highest + 1; pass < row.number; ++pass)
            moves.push_back({pass, 0, 0});
        moves.push_back({row.number, row.x, row.y});
        highest = row.number;
    }
    return moves;
}

QByteArray ShortFormOf(const CardGameSource& game, int movesPerGame) {
    QByteArray text = kGameKey + game.name.toUtf8() + '\n';
    const std::vector<CardMove> moves = MovesOf(*game.table);
    const size_t carried = std::min(moves.size(), size_t(std::max(0, movesPerGame)));
    if (carried > 0) {
        const size_t first = moves.size() - carried;
        text += kMovesKey + QByteArray::number(moves[first].number) + ' ';
        for (size_t i = first; i < moves.size(); ++i) {
            text += moves[i].x == 0 ? kPassLetters
                                    : output::SgfPoint(moves[i].x, moves[i].y).toLatin1();
        }
        text += '\n';
    }
    return text + output::CheckLine(output::CheckOfRecord(*game.table)).toUtf8() + '\n';
}

/// The game trees of an SGF collection as they stand, "(" to the matching ")".
QStringList GameTrees(const QString& sgf) {
    QStringList trees;
    int depth = 0;
    qsizetype start = -1;
    bool inValue = false;
    for (qsizetype i = 0; i < sgf.size(); ++i) {
        const QChar c = sgf[i];
        if (inValue) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == QLatin1Char(']'))
                inValue = false;
        } else if (c == QLatin1Char('[')) {
            inValue = true;
        } else if (c == QLatin1Char('(')) {
            if (depth++ == 0)
                start = i;
        } else if (c == QLatin1Char(')') && depth > 0 && --depth == 0) {
            trees.append(sgf.mid(start, i - start + 1));
        }
    }
    return trees;
}

/// The record table the program's SGF reading makes of one game tree; nothing when it
/// cannot read it.
std::unique_ptr<store::RecordTable> TableOfTree(const QString& tree) {
    const output::SgfImport import = output::ImportSgf(tree.toUtf8(), true, QDate(2000, 1, 1));
    QTemporaryDir folder;
    if (!import.accepted || !folder.isValid())
        return nullptr;
    const QString path = folder.filePath(QStringLiteral("card.txt"));
    auto table = std::make_unique<store::RecordTable>();
    if (!store::WriteTextLines(path, import.lines) ||
        store::ReadRecordFile(path, *table) != store::LoadOutcome::Complete)
        return nullptr;
    return table;
}

std::optional<CardGame> SgfCardGame(const QString& tree) {
    const std::unique_ptr<store::RecordTable> table = TableOfTree(tree);
    if (!table)
        return std::nullopt;
    CardGame game;
    static const QRegularExpression gameName(QStringLiteral(R"(GN\[((?:[^\]\\]|\\.)*)\])"));
    const QRegularExpressionMatch match = gameName.match(tree);
    if (match.hasMatch())
        game.name = match.captured(1).replace(QRegularExpression(QStringLiteral(R"(\\(.))")),
                                              QStringLiteral("\\1"));
    game.moves = MovesOf(*table);
    game.fromStart = true;
    game.check = output::CheckOfRecord(*table);
    return game;
}

/// "M 201 pdqc..." into moves numbered from 201; false when the line is damaged.
bool ReadMoves(const QByteArray& line, std::vector<CardMove>& moves) {
    const QList<QByteArray> parts = line.mid(kMovesKey.size()).split(' ');
    bool numberRead = false;
    const int first = parts.value(0).toInt(&numberRead);
    const QByteArray letters = parts.value(1);
    if (parts.size() != 2 || !numberRead || first < 1 || letters.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < letters.size(); i += 2) {
        const QString point = QString::fromLatin1(letters.mid(i, 2));
        const std::optional<output::SgfPointValue> value = output::ParseSgfPoint(point);
        if (!value && !output::IsSgfPass(point))
            return false;
        moves.push_back({first + int(i / 2), value ? value->x : 0, value ? value->y : 0});
    }
    return true;
}

std::vector<CardGame> ReadShortForm(const QByteArray& payload) {
    std::vector<CardGame> games;
    const QList<QByteArray> lines = payload.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith(kGameKey)) {
            games.push_back({QString::fromUtf8(line.mid(kGameKey.size())), {}, false, {}});
        } else if (games.empty() || line.isEmpty()) {
            continue;
        } else if (line.startsWith(kMovesKey)) {
            if (!ReadMoves(line, games.back().moves))
                return {};
        } else if (const auto typed = output::ParseTypedCheck(QString::fromUtf8(line));
                   typed && typed->line) {
            games.back().check = *typed->line;
        }
    }
    return games;
}

/// libqrencode's two functions, taken from the library when a code is first made, so that it
/// is not loaded at every start of the window.
struct Qrencode {
    decltype(&QRcode_encodeData) encode = nullptr;
    decltype(&QRcode_free) free = nullptr;
};

const Qrencode& LoadedQrencode() {
    static const Qrencode qrencode = [] {
        Qrencode q;
        QLibrary library(QStringLiteral("qrencode"), 4);  // libqrencode.so.4, as Debian has it
        if (library.load()) {
            q.encode = reinterpret_cast<decltype(q.encode)>(library.resolve("QRcode_encodeData"));
            q.free = reinterpret_cast<decltype(q.free)>(library.resolve("QRcode_free"));
        }
        return q;
    }();
    return qrencode;
}

}  // namespace

std::optional<QrSymbol> EncodeQr(const QByteArray& bytes, int maxVersion) {
    const Qrencode& q = LoadedQrencode();
    if (q.encode == nullptr || q.free == nullptr)
        return std::nullopt;
    QRcode* code =
        q.encode(int(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.constData()), 0,
                 QR_ECLEVEL_M);
    if (code == nullptr)
        return std::nullopt;
    QrSymbol symbol;
    symbol.version = code->version;
    symbol.width = code->width;
    symbol.dark.resize(size_t(code->width) * size_t(code->width));
    // The lowest bit of each byte is the module's colour; the others say what it belongs to.
    for (size_t i = 0; i < symbol.dark.size(); ++i)
        symbol.dark[i] = (code->data[i] & 1) != 0;
    q.free(code);
    if (symbol.version > maxVersion)
        return std::nullopt;
    return symbol;
}

QImage QrImage(const QrSymbol& symbol, int pixelsPerModule) {
    const int side = (symbol.width + 2 * kQrQuietModules) * pixelsPerModule;
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < symbol.width; ++y) {
        for (int x = 0; x < symbol.width; ++x) {
            if (!symbol.IsDark(x, y))
                continue;
            for (int dy = 0; dy < pixelsPerModule; ++dy) {
                uchar* line = image.scanLine((y + kQrQuietModules) * pixelsPerModule + dy);
                std::fill_n(line + (x + kQrQuietModules) * pixelsPerModule, pixelsPerModule, 0);
            }
        }
    }
    return image;
}

QByteArray CardSgf(const std::vector<CardGameSource>& games) {
    QString text;
    for (const CardGameSource& game : games) {
        // Comments and dates would only make the code larger; the card's own lines say them.
        auto table = std::make_unique<store::RecordTable>(*game.table);
        for (int r = 1; r <= table->lastRow; ++r)
            table->rows[r].text.clear();
        output::SgfGameNames names = game.names;
        store::GameInfo info;
        info.gameName = game.name;
        names.info = info;
        names.result.clear();
        text += output::SgfGameTree(*table, names);
    }
    return text.toUtf8();
}

QByteArray CardShortForm(const std::vector<CardGameSource>& games, int movesPerGame) {
    QByteArray text = kShortFormMark + '\n';
    for (const CardGameSource& game : games)
        text += ShortFormOf(game, movesPerGame);
    return text;
}

std::optional<CardQr> MakeCardQr(const std::vector<CardGameSource>& games) {
    const QByteArray sgf = CardSgf(games);
    if (const std::optional<QrSymbol> symbol = EncodeQr(sgf, kQrMaxVersion))
        return CardQr{sgf, *symbol, false};
    // The most last moves that still fit: the fewer moves, the smaller the code.
    int fits = -1;
    int tooMany = store::kMaxRows + 1;
    std::optional<QrSymbol> best;
    while (tooMany - fits > 1) {
        const int tried = (fits + tooMany) / 2;
        if (auto symbol = EncodeQr(CardShortForm(games, std::max(tried, 0)), kQrMaxVersion)) {
            fits = tried;
            best = symbol;
        } else {
            tooMany = tried;
        }
    }
    if (fits < 0 || !best)
        return std::nullopt;
    return CardQr{CardShortForm(games, fits), *best, true};
}

std::optional<CardQr> CardQrOfGames(const QString& gamesFolder, const QString& opponent,
                                    const QStringList& games, const QString& playerName) {
    std::vector<std::unique_ptr<store::RecordTable>> tables;
    std::vector<CardGameSource> sources;
    for (const QString& game : games) {
        auto table = std::make_unique<store::RecordTable>();
        const QString path = gamesFolder + '/' + opponent + '/' + game + QStringLiteral(".txt");
        if (store::ReadRecordFile(path, *table) != store::LoadOutcome::Complete)
            continue;
        output::SgfGameNames names;
        names.player = playerName;
        names.opponent = opponent;
        sources.push_back({game, table.get(), names});
        tables.push_back(std::move(table));
    }
    if (sources.empty())
        return std::nullopt;
    return MakeCardQr(sources);
}

std::vector<CardGame> ReadCardPayload(const QByteArray& payload) {
    if (payload.startsWith(kShortFormMark))
        return ReadShortForm(payload);
    std::vector<CardGame> games;
    for (const QString& tree : GameTrees(QString::fromUtf8(payload))) {
        if (std::optional<CardGame> game = SgfCardGame(tree))
            games.push_back(*game);
    }
    return games;
}

QRectF CardQrRect(const common::PrintSurface& page, const QrSymbol& symbol) {
    const double side =
        (symbol.width + 2 * kQrQuietModules) * kQrModuleMillimetres * common::kTwipsPerMillimetre;
    const QSizeF area = page.PageSize();
    return {area.width() - side, area.height() - side, side, side};
}

void PrintCardQr(common::PrintSurface& page, const QrSymbol& symbol) {
    // Eight pixels to a module keep the edges sharp however the page is rasterized.
    page.DrawImage(CardQrRect(page, symbol), QrImage(symbol, 8));
}

QList<int> LinesUnderQr(const QList<LayoutLine>& lines, const ReplySettings& settings,
                        const QRectF& qrRect) {
    // Pixels of this size are twips, so the metrics come out in the page's unit.
    QFont font(settings.FontFamily());
    font.setPixelSize(qRound(settings.characterSize * 20.0));
    const QFontMetricsF metrics(font);
    const QPointF box = TextBoxPosition(settings);
    QList<int> covered;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].text.isEmpty())
            continue;
        const QPointF corner(
            common::kTwipsPerMillimetre * settings.leftSpace + lines[i].position.x() - box.x(),
            common::kTwipsPerMillimetre * settings.topSpace + lines[i].position.y() - box.y());
        const QRectF printed(corner,
                             QSizeF(metrics.horizontalAdvance(lines[i].text), metrics.height()));
        if (printed.intersects(qrRect))
            covered.append(int(i) + 1);
    }
    return covered;
}

}  // namespace postcard
