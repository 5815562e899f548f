#pragma once

#include <QString>

namespace postcard {

/// Choices of the reply window that "ReplyValue.dat" has no line for live in a file of their
/// own, so that the six lines earlier versions read and write stay as they are: CP932 with
/// CR LF, one "key=value" a line, "照合行=1" (each game's check line under its moves) or
/// "照合行=0" (left out), "QRコード=1" (the QR code printed on the card; no line while it is off).
inline const QString kReplyOptionsName = QStringLiteral("返信設定.dat");

struct ReplyOptions {
    bool checkLines = true;
    bool qrCode = false;  // off until the player turns it on
    bool operator==(const ReplyOptions&) const = default;
};

/// The stored choices; a missing file, line or value that is neither 0 nor 1 keeps its
/// default.
ReplyOptions ReadReplyOptions(const QString& path);
/// Rewrites the file with the choices; lines it does not know (written by a later version)
/// are kept as they stand.
bool WriteReplyOptions(const QString& path, const ReplyOptions& options);

}  // namespace postcard
