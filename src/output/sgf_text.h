#pragma once

#include "common/stone_colour.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

/// The text layer of SGF game files: character sets, the node tree, escapes, points and the
/// date list. Knows nothing of the program's records.
namespace output {

/// One node: each property with its values, escapes already resolved.
using SgfNode = QMap<QString, QStringList>;

/// The first game of a file, reduced to its main line.
struct SgfGame {
    QList<SgfNode> nodes;        // the root first
    bool hadVariations = false;  // some node had more than one continuation
    bool hadMoreGames = false;   // the file held further games after the first
};

/// Decodes the file by the character set its CA property names (UTF-8 when there is none, or
/// CP932 when a file without CA is not UTF-8: `guessed` tells); nothing when the set is unknown
/// or the bytes are not in it. `charset` gets the name used.
std::optional<QString> DecodeSgfBytes(const QByteArray& bytes, QString* charset = nullptr,
                                      bool* guessed = nullptr);

/// Reads the first game tree of the text. Property names of old files ("AddBlack", "b") come
/// out as their capital letters ("AB", "B"). Nothing when the text is not SGF.
std::optional<SgfGame> ParseSgf(const QString& text);

/// The letter SGF writes for a colour: "B" or "W" (the move properties, the winner of RE).
inline QChar SgfColourLetter(common::StoneColour colour) {
    return colour == common::StoneColour::Black ? QLatin1Char('B') : QLatin1Char('W');
}

/// A property value with "\" and "]" escaped.
QString EscapeSgfText(const QString& text);

/// "a".."s" for 1..19.
QChar SgfCoordinate(int value);
/// The two letters of the point in column x, row y (1..19 each, top left "aa").
QString SgfPoint(int x, int y);
/// Column and row of a point value; nothing for a pass ("" or "tt") or a value off the board.
struct SgfPointValue {
    int x = 0;
    int y = 0;
};
std::optional<SgfPointValue> ParseSgfPoint(const QString& value);
bool IsSgfPass(const QString& value);
/// The points of a point-list value: one point, or a rectangle "aa:cc". Empty when bad.
QList<SgfPointValue> ExpandSgfPoints(const QString& value);

/// The days as an SGF date list, sorted, each written as short as the one before allows:
/// "2026-10-01,06,11,11-02,2027-01-05".
QString SgfDateList(QList<QDate> days);
/// The full days of a DT value, in their order; parts that are not days are skipped.
QList<QDate> ParseSgfDateList(const QString& value);

}  // namespace output
