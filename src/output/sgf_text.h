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

/// Where the character set of a file came from.
enum class SgfCharsetSource {
    Declared,       // its CA property
    ByteOrderMark,  // a UTF-8 or UTF-16 byte order mark, which wins over CA
    Detected,       // no CA, or one no converter knows: judged by the bytes
    Overruled,      // a CA the bytes plainly are not in (a file saved again by an editor)
};

/// A file's text and how its character set was chosen.
struct SgfDecoding {
    std::optional<QString> text;  // nothing when the bytes are not in the set used
    QString charset;              // "UTF-8", "CP932", "ISO-8859-1", "UTF-16LE" or the CA value
    SgfCharsetSource source = SgfCharsetSource::Detected;
    QString unknownDeclared;  // a CA value no converter knows
    QString overruled;        // a CA value the bytes are not in, when they read otherwise
    bool plainAscii = false;  // detected on ASCII bytes alone, which every set reads alike
};

/// Decodes the file: by its byte order mark; else by the set its CA names; else, or when CA
/// names a set no converter knows, by the bytes: UTF-8 when they are valid UTF-8, CP932 when
/// they read as Japanese Shift_JIS, ISO-8859-1 (SGF's own default) otherwise. An editor that
/// saves a file again in its own encoding leaves CA as it was: a CA other than UTF-8 on bytes
/// that are valid UTF-8 (which text in those sets almost never is), and a CA whose set cannot
/// read the bytes at all, give way to UTF-8 or to Shift_JIS that reads as Japanese.
SgfDecoding DecodeSgf(const QByteArray& bytes);

/// DecodeSgf for callers that only need the text; `guessed` tells that a file without CA was
/// read as something other than UTF-8.
std::optional<QString> DecodeSgfBytes(const QByteArray& bytes, QString* charset = nullptr,
                                      bool* guessed = nullptr);

/// Whether a text is meant as SGF: "(;" opens a game with a property, a node or a tree, and
/// nothing before it is a control character, as a picture or other binary file would have.
bool LooksLikeSgf(const QString& text);

/// What reading the first game tree of a text found, also when the text breaks off.
struct SgfReading {
    std::optional<SgfGame> game;  // the whole nodes read before any break; nothing without one
    int brokenAtLine = 0;         // the line (from 1) where the text stops being SGF; 0 if whole
    bool cutShort = false;        // the text ended inside the game, as a file cut off does
};

/// Reads the first game tree of the text as far as it is SGF. Property names of old files
/// ("AddBlack", "b") come out as their capital letters ("AB", "B").
SgfReading ReadSgfText(const QString& text);

/// ReadSgfText for a whole game only: nothing when the text is not SGF or breaks off.
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
    bool operator==(const SgfPointValue&) const = default;
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

/// How much of a day a DT value gives.
enum class SgfDatePrecision { None, Year, Month, Day };

/// The first date of a DT value as far as the value gives it: in SGF's own forms ("1941",
/// "1996-08", "2004-03-18,19") and in the forms other programs write ("2004.03.18",
/// "2001/10/10 15:38:55 UT", "2004年3月18日"). A missing month or day is taken as the first.
struct SgfDateReading {
    QDate first;  // invalid when nothing could be read
    SgfDatePrecision precision = SgfDatePrecision::None;
    int days = 0;          // the full days of an SGF date list
    bool sgfForm = false;  // a list of full days as SGF writes them
};
SgfDateReading ReadSgfDate(const QString& value);

}  // namespace output
