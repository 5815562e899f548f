#include "store/engine_settings_file.h"

#include "common/cp932_codec.h"
#include "store/hand_edited_text.h"
#include "store/text_file.h"

namespace store {
namespace {

const QString kEngineKey = QStringLiteral("エンジン=");

/// The command of an engine line, blanks around "=" allowed as a player may type them;
/// none for any other line.
std::optional<QString> CommandOf(const QString& line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.left(equals).trimmed() != kEngineKey.chopped(1))
        return std::nullopt;
    return line.mid(equals + 1).trimmed();
}

QByteArray EncodeLines(const QStringList& lines) {
    const QString text = lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + "\r\n";
    if (common::FitsCp932(text))
        return common::EncodeCp932(text);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace

std::optional<QString> ReadEngineCommandLine(const QString& path) {
    QStringList lines;
    if (!ReadHandEditedTextLines(path, lines))
        return std::nullopt;
    for (const QString& line : lines) {
        const std::optional<QString> command = CommandOf(line);
        if (command && !command->isEmpty())
            return command;
    }
    return std::nullopt;
}

bool WriteEngineCommandLine(const QString& path, const QString& commandLine) {
    QStringList lines;
    // A file that is there but cannot be read is not overwritten: its lines would be lost.
    const ReadStatus status = ReadHandEditedLines(path, lines);
    if (status != ReadStatus::Ok && status != ReadStatus::Missing)
        return false;
    QStringList kept;
    bool placed = false;
    const QString command = commandLine.trimmed();
    for (const QString& line : std::as_const(lines)) {
        if (!CommandOf(line)) {
            kept << line;
            continue;
        }
        if (!placed && !command.isEmpty())
            kept << kEngineKey + command;
        placed = true;
    }
    if (!placed && !command.isEmpty())
        kept << kEngineKey + command;
    return WriteBytesAtomically(path, EncodeLines(kept));
}

}  // namespace store
