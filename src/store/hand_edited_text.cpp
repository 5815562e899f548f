#include "store/hand_edited_text.h"

namespace store {
namespace {

QByteArray Cp932Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += common::EncodeCp932(line) + "\r\n";
    return bytes;
}

/// The lines of a text, split as SplitByteLines splits bytes.
QStringList TextLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    // A last line end ends the last line; it does not start an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

ReadStatus ReadHandEditedLines(const QString& path, QStringList& lines,
                               common::TextEncoding* found) {
    QByteArray bytes;
    const ReadStatus status = ReadFileBytes(path, bytes);
    lines = TextLines(common::DecodeTextFile(bytes, found));
    return status;
}

std::optional<KeyedLine> SplitKeyedLine(const QString& line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString key = line.left(qMax(equals, 0)).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    return KeyedLine{key, line.mid(equals + 1)};
}

bool ReadHandEditedTextLines(const QString& path, QStringList& lines) {
    return ReadHandEditedLines(path, lines) == ReadStatus::Ok;
}

AppendOutcome AppendToHandEditedFile(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    const ReadStatus status = ReadFileBytes(path, bytes);
    if (status != ReadStatus::Ok && status != ReadStatus::Missing)
        return AppendOutcome::Failed;
    if (!common::FitsCp932(lines.join(QLatin1Char('\n'))))
        return AppendOutcome::NotCp932;
    if (common::DetectTextEncoding(bytes) != common::TextEncoding::Cp932) {
        const QStringList earlier = TextLines(common::DecodeTextFile(bytes));
        if (!common::FitsCp932(earlier.join(QLatin1Char('\n'))))
            return AppendOutcome::NotCp932;
        bytes = Cp932Lines(earlier);
    } else if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) {
        bytes += "\r\n";
    }
    return WriteBytesAtomically(path, bytes + Cp932Lines(lines)) ? AppendOutcome::Appended
                                                                 : AppendOutcome::Failed;
}

}  // namespace store
