#pragma once

#include "cards/reply_settings.h"
#include "common/print_surface.h"
#include "output/position_check.h"
#include "output/sgf_export.h"
#include "store/record_table.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

/// The QR code a reply card may carry: the games on the card in a form other programs and
/// phones read (SGF), or, when a long game would make the code too large to print small, the
/// short form with each game's last moves and its check line.
namespace postcard {

/// Side of one QR module on paper. A phone reads 0.4 mm modules from a print at a hand's
/// distance; at 300 dots per inch a module is almost five dots.
inline constexpr double kQrModuleMillimetres = 0.4;
/// The largest symbol printed: version 14 has 73 modules a side, 29.2 mm, 32.4 mm with its
/// quiet zone of four modules on each side.
inline constexpr int kQrMaxVersion = 14;
inline constexpr int kQrQuietModules = 4;
/// The first line of the short form.
inline const QByteArray kShortFormMark = QByteArrayLiteral("SORAMAME-CARD 1");

/// A game to put on the card: its name on the card ("No." line) and its record.
struct CardGameSource {
    QString name;
    const store::RecordTable* table = nullptr;
    output::SgfGameNames names;
};

/// One move a card carries; a pass has x and y 0.
struct CardMove {
    int number = 0;
    int x = 0;
    int y = 0;
    bool operator==(const CardMove&) const = default;
};

/// One game as a card's QR code carries it.
struct CardGame {
    QString name;
    std::vector<CardMove> moves;  // in number order; from move 1 when fromStart
    bool fromStart = false;       // the SGF form: the whole game, handicap stones included
    output::PositionCheck check;  // the position after the card's last move
};

/// The QR symbol as dark and light modules, row by row.
struct QrSymbol {
    int version = 0;
    int width = 0;  // modules a side, without the quiet zone
    std::vector<bool> dark;
    bool IsDark(int x, int y) const { return dark[size_t(y * width + x)]; }
};

/// The symbol for the bytes (8-bit mode, error correction level M); nothing when the bytes
/// need a version above `maxVersion`.
std::optional<QrSymbol> EncodeQr(const QByteArray& bytes, int maxVersion);
/// The symbol with its quiet zone, `pixelsPerModule` pixels to a module, black on white.
QImage QrImage(const QrSymbol& symbol, int pixelsPerModule);

/// The SGF collection of the games: one game tree each, without comments or dates, named by
/// GN as the card names them.
QByteArray CardSgf(const std::vector<CardGameSource>& games);
/// The short form: the mark line, then for each game "GN name", "M first-number points" (two
/// SGF letters a move, "tt" a pass) with its last `movesPerGame` moves, and its check line.
QByteArray CardShortForm(const std::vector<CardGameSource>& games, int movesPerGame);

/// What the card's code carries and its symbol.
struct CardQr {
    QByteArray payload;
    QrSymbol symbol;
    bool shortForm = false;
};
/// The SGF collection when it fits in kQrMaxVersion, else the short form with as many last
/// moves as fit; nothing when not even the check lines fit.
std::optional<CardQr> MakeCardQr(const std::vector<CardGameSource>& games);

/// The code for the opponent's games as their records in `gamesFolder` stand, PB/PW naming
/// `playerName` and the opponent; a record that cannot be read whole is left out. Nothing
/// when no game is left or the code does not fit.
std::optional<CardQr> CardQrOfGames(const QString& gamesFolder, const QString& opponent,
                                    const QStringList& games, const QString& playerName);

/// The games a decoded code carries, read from either form; empty when it is neither.
std::vector<CardGame> ReadCardPayload(const QByteArray& payload);

/// Where the code goes on a page: the bottom-right corner of the printable area, quiet zone
/// included, in twips.
QRectF CardQrRect(const common::PrintSurface& page, const QrSymbol& symbol);
/// Prints the code into CardQrRect.
void PrintCardQr(common::PrintSurface& page, const QrSymbol& symbol);
/// The numbers (from 1) of the laid-out lines whose printed text would run into `qrRect`.
QList<int> LinesUnderQr(const QList<LayoutLine>& lines, const ReplySettings& settings,
                        const QRectF& qrRect);

}  // namespace postcard
