#pragma once

#include "common/app_state.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace admin {

/// The conditions typed into the registration window for one game.
struct GameInput {
    QString opponent;
    QString game;
    int handicapCode = 1;
    int komiCode = 31;
    bool playerIsBlack = true;
};

/// The text and title of a message box.
struct Notice {
    QString text;
    QString title;
};

enum class NameBox { Opponent, Game };

/// A typed name that cannot be used: the message to show and the box that gets the focus.
struct NameProblem {
    NameBox box = NameBox::Opponent;
    bool clearBox = false;  // a name with a bad character is emptied; an empty one stays
    Notice notice;
};

/// The first problem with the two names, in the order the window checks them; none when both
/// can be used as a folder and a file name.
std::optional<NameProblem> CheckNames(const QString& opponent, const QString& game);

enum class RegistrationKind { New, Change };

/// A change when the game already has a record file in the games folder, else a new game.
/// Deciding by the disk, not by the lists, keeps a new registration from ever replacing a
/// record that holds moves.
RegistrationKind DecideKind(const QString& gamesFolder, const QString& opponent,
                            const QString& game);

/// What a registration did and the message that tells the player.
struct RegistrationOutcome {
    RegistrationKind kind = RegistrationKind::New;
    bool written = false;
    Notice notice;
};

/// What the window must do before a registration: refuse it, or ask the player to confirm
/// what it changes in an existing game. Neither when the registration may simply go ahead.
struct RegistrationCheck {
    std::optional<Notice> refusal;
    std::optional<Notice> confirmation;  // asked with OK and Cancel
};

/// Checks a registration against the files on disk: a record or folder that leads outside
/// the data root is never written through; an existing record must have loaded completely;
/// the handicap stones of a game that has moves never change; any other change of an
/// existing game's conditions is shown, old and new, to be confirmed.
RegistrationCheck CheckRegistration(const common::AppState& state, const GameInput& input);

/// Registers a new game (through CreateGame) or changes the conditions of an existing one, in
/// the current games folder. The names must have passed CheckNames. A game whose files lead
/// out of the data root is refused with the same notice as CheckRegistration gives.
RegistrationOutcome RegisterGame(const common::AppState& state, const GameInput& input,
                                 const QDate& today);

/// The refusal for a game one of whose files (the games folder, the opponent folder, the
/// record, the opponent's address file) is a link out of the data root or to nowhere:
/// writing through it would put the game's files outside the data root.
std::optional<Notice> OutsideRefusal(const common::AppState& state, const QString& opponent,
                                     const QString& game);

/// What writing a game's files came to; the refusal is set when OutsideRefusal stopped it.
struct GameWrite {
    bool written = false;
    std::optional<Notice> refusal;
};

/// Makes a new game in the current games folder: the opponent folder, the record file holding
/// the lines, the opponent's initial address file when there is none (an address already
/// stored is never replaced). Every new game, registered or read from SGF, is made here, so
/// that none is written through a link leading out of the data root: then nothing is written.
GameWrite CreateGame(const common::AppState& state, const QString& opponent, const QString& game,
                     const QStringList& recordLines);

/// Replaces the header line of a record file, keeping every later line byte for byte. The
/// record is replaced atomically: on failure it is left as it was; no scratch file is made.
bool RewriteHeader(const QString& recordPath, const GameInput& input, const QDate& today);

}  // namespace admin
