#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace store {

/// Far larger than any file of the program (a full record is about 27 KB); a bigger file is
/// refused rather than read into memory.
inline constexpr qint64 kMaxTextFileBytes = 1024 * 1024;

/// Why a file could or could not be read.
enum class ReadStatus {
    Ok,
    Missing,     // nothing at the path
    NotAFile,    // a folder, FIFO, device or the like: never opened
    Unreadable,  // a regular file that cannot be opened or read
    TooLarge,    // over kMaxTextFileBytes
};

/// Reads a whole regular file of at most `maxBytes`; `bytes` stays empty unless the status
/// is Ok.
ReadStatus ReadFileBytes(const QString& path, QByteArray& bytes,
                         qint64 maxBytes = kMaxTextFileBytes);
/// Reads a CP932 text file into lines; CR LF, lone LF and lone CR all end a line.
ReadStatus ReadTextFile(const QString& path, QStringList& lines);
/// The lines of the bytes, without their ends: CR LF, lone LF and lone CR all end a line, and
/// a last line without an end still counts.
QList<QByteArray> SplitByteLines(const QByteArray& bytes);
/// The same lines, one at a time and without copying: for reading many files quickly.
class ByteLines {
  public:
    explicit ByteLines(QByteArrayView bytes) : bytes_(bytes) {}
    /// The next line; false after the last.
    bool Next(QByteArrayView& line);

  private:
    QByteArrayView bytes_;
    qsizetype start_ = 0;
};
/// Replaces the first line of a text file and keeps every later line byte for byte, each
/// then ended by CR LF; atomic, with no scratch file beside it. False, with the file as it
/// was, when it cannot be read or written.
bool RewriteFirstLine(const QString& path, const QString& firstLine);
/// ReadTextFile for callers that only need to know whether the lines are there.
bool ReadTextLines(const QString& path, QStringList& lines);
/// Writes the lines as CP932 with CR LF after each, replacing the file atomically.
bool WriteTextLines(const QString& path, const QStringList& lines);
/// Appends the lines (CR LF after each) by rewriting the whole file atomically; a file
/// whose last line lacks its line end gets one first. Creates the file when missing.
bool AppendTextLines(const QString& path, const QStringList& lines);
/// Replaces a file by the bytes atomically: the old file stays whole if anything fails.
bool WriteBytesAtomically(const QString& path, const QByteArray& bytes);
/// Copies a file over another atomically; false when the source is not a readable file.
bool CopyFileAtomically(const QString& from, const QString& to);
/// True for the temporary name an interrupted atomic save leaves beside a ".txt" or ".dat"
/// file ("01.txt.Ab3xYz").
bool IsSaveLeftover(const QString& fileName);
/// Deletes such leftovers in one folder; returns how many went.
int RemoveSaveLeftovers(const QString& folder);

/// What a folder entry is: a folder, a link to one, or anything else.
enum class EntryKind { Folder, LinkedFolder, Other };
/// Calls `visit(name, kind)` for every entry of the folder but "." and "..".
void VisitFolderEntries(const QString& folder,
                        const std::function<void(const QString&, EntryKind)>& visit);
/// Removes the folder's entry when it is a leftover of an interrupted save; true when it did.
bool RemoveIfSaveLeftover(const QString& folder, const QString& name, EntryKind kind);

}  // namespace store
