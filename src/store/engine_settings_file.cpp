#include "store/engine_settings_file.h"

#include "common/cp932_codec.h"
#include "store/hand_edited_text.h"
#include "store/text_file.h"

#include <utility>

namespace store {
namespace {

const QString kEngineKey = QStringLiteral("エンジン");

/// The command of an engine line; none for any other line.
std::optional<QString> CommandOf(const QString& line) {
    const std::optional<KeyedLine> keyed = SplitKeyedLine(line);
    if (!keyed || keyed->key != kEngineKey)
        return std::nullopt;
    return keyed->value.trimmed();
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
    // The new line stands where the first engine line stood; an empty command leaves none.
    const QString command = commandLine.trimmed();
    const QStringList engineLine =
        command.isEmpty() ? QStringList() : QStringList{kEngineKey + '=' + command};
    QStringList kept;
    bool placed = false;
    for (const QString& line : std::as_const(lines)) {
        if (!CommandOf(line))
            kept << line;
        else if (!std::exchange(placed, true))
            kept << engineLine;
    }
    if (!placed)
        kept << engineLine;
    return WriteBytesAtomically(path, EncodeLines(kept));
}

}  // namespace store
