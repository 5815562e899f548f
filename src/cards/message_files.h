#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace postcard {

inline const QString kMessageFolderName = QStringLiteral("Message");
inline const QString kReuseFileName = QStringLiteral("通信文流用.txt");
inline const QString kSendRecordName = QStringLiteral("発信記録.txt");
inline const QString kReplyHelpName = QStringLiteral("返信説明.txt");

/// The send record keeps at most this many lines.
inline constexpr int kSendRecordLines = 500;
/// The reuse file keeps at most this many lines of earlier cards behind the newest text.
inline constexpr int kReuseOldLines = 1000;

/// The message archive of one opponent: data root, "Message", the name with ".txt".
QString MessageArchivePath(const QString& dataRoot, const QString& opponent);
QString ReuseFilePath(const QString& dataRoot);
QString SendRecordPath(const QString& dataRoot);
/// Creates the folder "Message" in the data root; an existing folder is no error.
bool EnsureMessageFolder(const QString& dataRoot);

/// A printed card, as the files that follow the print need it.
struct SentCard {
    QString dataRoot;
    QString opponent;
    QString text;  // the printed reply text
    QDate today;
};

/// Puts the card's text in front of the opponent's archive, followed by one empty line.
/// False, with the archive unchanged, when there is no opponent or a file step fails.
bool ArchiveMessage(const SentCard& card);
/// Puts the card's own words (no move or game lines) in front of the reuse file and keeps
/// at most 1000 of its earlier lines. False, with the file unchanged, on failure.
bool UpdateReuseFile(const SentCard& card);
/// Puts "12-07-2002:山田" in front of the send record, keeping it at 500 lines. False,
/// with the record unchanged, when there is no opponent or a file step fails.
bool LogSend(const SentCard& card);

/// What became of the files after a print.
struct SentCardFiles {
    bool refused = false;     // no opponent chosen: no file was touched
    QStringList failedFiles;  // files that kept their earlier content because a step failed

    bool Written() const { return !refused && failedFiles.isEmpty(); }
};

/// Archives the card, updates the reuse file and logs the send, in this order; a failed
/// step does not stop the ones after it. Refuses all of them when no opponent is chosen.
SentCardFiles RecordSentCard(const SentCard& card);

}  // namespace postcard
