#pragma once

#include "app/batch_mode.h"

namespace app {

/// --print-reply OPPONENT [--qr] --pdf FILE: the reply card as the reply window prints it
/// today, in the stored layout; --qr adds the QR code whatever the stored choice.
BatchMode MakePrintReplyMode();

/// --read-card IMAGE: the games the QR code of a card's image carries, each compared with its
/// record in progress; exit status 0 when every game agrees, 1 when one differs or the card
/// holds moves the record lacks, 2 when the image holds no code of a card.
BatchMode MakeReadCardMode();

}  // namespace app
