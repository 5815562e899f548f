#include "cards/message_files.h"

#include "cards/reply_text.h"
#include "common/dates.h"
#include "common/record_text.h"
#include "output/position_check.h"
#include "store/hand_edited_text.h"
#include "store/text_file.h"

#include <QDir>
#include <QFile>

namespace postcard {
namespace {

/// A missing file reads as empty; one that is there but cannot be read fails, so that
/// rewriting it cannot drop what it holds. The player may have saved it as UTF-8.
bool ReadEntries(const QString& path, QStringList& entries) {
    entries.clear();
    if (!QFile::exists(path))
        return true;
    QStringList lines;
    common::TextEncoding found = common::TextEncoding::Cp932;
    if (store::ReadHandEditedLines(path, lines, &found) != store::ReadStatus::Ok)
        return false;
    // The file goes back whole in CP932: a character of a UTF-8 file that CP932 cannot hold
    // would become "?" unnoticed, so the file is left as it is and the step fails.
    if (found != common::TextEncoding::Cp932 && !common::FitsCp932(lines.join('\n')))
        return false;
    entries = common::TextFieldsOf(lines);
    return true;
}

/// Move lines, game lines, check lines and empty lines stay out of the reuse file: they
/// belong to one card's games, not to the player's own words.
bool IsReusable(const QString& entry) {
    return !entry.isEmpty() && !entry.startsWith(QStringLiteral("●")) &&
           !entry.startsWith(QStringLiteral("○")) && !entry.startsWith(QLatin1Char('N')) &&
           !output::IsCheckLine(entry);
}

}  // namespace

QString MessageArchivePath(const QString& dataRoot, const QString& opponent) {
    return dataRoot + '/' + kMessageFolderName + '/' + opponent + QStringLiteral(".txt");
}

QString ReuseFilePath(const QString& dataRoot) {
    return dataRoot + '/' + kReuseFileName;
}

QString SendRecordPath(const QString& dataRoot) {
    return dataRoot + '/' + kSendRecordName;
}

bool EnsureMessageFolder(const QString& dataRoot) {
    return QDir(dataRoot).mkpath(kMessageFolderName);
}

// The new content is built in memory and replaces each file in one atomic step, so a
// failure leaves the earlier file whole and no scratch copies are needed.
bool ArchiveMessage(const SentCard& card) {
    if (card.opponent.isEmpty() || !EnsureMessageFolder(card.dataRoot))
        return false;
    const QString path = MessageArchivePath(card.dataRoot, card.opponent);
    QStringList earlier;
    if (!ReadEntries(path, earlier))
        return false;
    QStringList lines = common::TextFieldsOf(TextLines(card.text));
    lines.append(QString());
    lines += earlier;
    return store::WriteTextLines(path, lines);
}

bool UpdateReuseFile(const SentCard& card) {
    const QString path = ReuseFilePath(card.dataRoot);
    QStringList earlier;
    if (!ReadEntries(path, earlier))
        return false;
    QStringList lines;
    for (const QString& entry : common::TextFieldsOf(TextLines(card.text))) {
        if (IsReusable(entry))
            lines.append(entry);
    }
    lines.append(QString());
    lines += earlier.mid(0, kReuseOldLines);
    lines.append(QString());
    return store::WriteTextLines(path, lines);
}

bool LogSend(const SentCard& card) {
    if (card.opponent.isEmpty())
        return false;
    const QString path = SendRecordPath(card.dataRoot);
    QStringList earlier;
    if (!ReadEntries(path, earlier))
        return false;
    QStringList lines{common::RowDate(card.today) + QLatin1Char(':') + card.opponent};
    lines += earlier.mid(0, kSendRecordLines - 1);
    return store::WriteTextLines(path, lines);
}

SentCardFiles RecordSentCard(const SentCard& card) {
    SentCardFiles result;
    if (card.opponent.isEmpty()) {
        result.refused = true;
        return result;
    }
    if (!ArchiveMessage(card))
        result.failedFiles.append(MessageArchivePath(card.dataRoot, card.opponent));
    if (!UpdateReuseFile(card))
        result.failedFiles.append(ReuseFilePath(card.dataRoot));
    if (!LogSend(card))
        result.failedFiles.append(SendRecordPath(card.dataRoot));
    return result;
}

}  // namespace postcard
