#include "store/text_file.h"

#include "common/atomic_file.h"
#include "common/cp932_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <dirent.h>
#include <sys/stat.h>
#include <cstring>

namespace store {
namespace {

QByteArray EncodeLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += common::EncodeCp932(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList SplitLines(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& line : SplitByteLines(bytes))
        lines.append(common::DecodeCp932(line));
    return lines;
}

}  // namespace

bool ByteLines::Next(QByteArrayView& line) {
    if (start_ >= bytes_.size())
        return false;
    const char* from = bytes_.data() + start_;
    const size_t left = size_t(bytes_.size() - start_);
    const void* cr = std::memchr(from, '\r', left);
    const void* lf = std::memchr(from, '\n', left);
    const char* stop = bytes_.data() + bytes_.size();
    if (cr != nullptr)
        stop = static_cast<const char*>(cr);
    if (lf != nullptr && static_cast<const char*>(lf) < stop)
        stop = static_cast<const char*>(lf);
    const qsizetype end = stop - bytes_.data();
    line = bytes_.sliced(start_, end - start_);
    start_ = end + 1;
    if (end + 1 < bytes_.size() && bytes_[end] == '\r' && bytes_[end + 1] == '\n')
        ++start_;
    return true;
}

QList<QByteArray> SplitByteLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    ByteLines reader(bytes);
    QByteArrayView line;
    while (reader.Next(line))
        lines.append(line.toByteArray());
    return lines;
}

bool RewriteFirstLine(const QString& path, const QString& firstLine) {
    QByteArray old;
    if (ReadFileBytes(path, old) != ReadStatus::Ok)
        return false;
    QList<QByteArray> lines = SplitByteLines(old);
    QByteArray bytes = common::EncodeCp932(firstLine) + "\r\n";
    for (qsizetype i = 1; i < lines.size(); ++i)
        bytes += lines[i] + "\r\n";
    return WriteBytesAtomically(path, bytes);
}

bool WriteBytesAtomically(const QString& path, const QByteArray& bytes) {
    return common::ReplaceFileAtomically(path, bytes);
}

ReadStatus ReadFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes) {
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return ReadStatus::Missing;
    // Only regular files are opened: a FIFO would block for ever, a device never ends.
    if (!info.isFile())
        return info.exists() ? ReadStatus::NotAFile : ReadStatus::Missing;
    if (info.size() > maxBytes)
        return ReadStatus::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadStatus::Unreadable;
    bytes = file.read(maxBytes + 1);
    ReadStatus status = ReadStatus::Ok;
    if (file.error() != QFileDevice::NoError)
        status = ReadStatus::Unreadable;
    else if (bytes.size() > maxBytes)
        status = ReadStatus::TooLarge;
    if (status != ReadStatus::Ok)
        bytes.clear();
    return status;
}

ReadStatus ReadTextFile(const QString& path, QStringList& lines) {
    QByteArray bytes;
    const ReadStatus status = ReadFileBytes(path, bytes);
    lines = SplitLines(bytes);
    return status;
}

bool ReadTextLines(const QString& path, QStringList& lines) {
    return ReadTextFile(path, lines) == ReadStatus::Ok;
}

bool WriteTextLines(const QString& path, const QStringList& lines) {
    return WriteBytesAtomically(path, EncodeLines(lines));
}

bool AppendTextLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    const ReadStatus status = ReadFileBytes(path, bytes);
    if (status != ReadStatus::Ok && status != ReadStatus::Missing)
        return false;
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    return WriteBytesAtomically(path, bytes + EncodeLines(lines));
}

bool CopyFileAtomically(const QString& from, const QString& to) {
    QByteArray bytes;
    if (ReadFileBytes(from, bytes) != ReadStatus::Ok)
        return false;
    return WriteBytesAtomically(to, bytes);
}

bool IsSaveLeftover(const QString& fileName) {
    // QSaveFile writes beside the target as "<name>.XXXXXX" (six random letters or digits).
    // A suffix of small letters only is left alone: it may be the player's own
    // "notes.txt.backup", and a leftover kept now and then is harmless, as it is never listed.
    static const QRegularExpression pattern(QStringLiteral("^.+\\.[A-Za-z0-9]{6}$"));
    static const QRegularExpression lowerOnly(QStringLiteral("\\.[a-z]{6}$"));
    // Most names are games ("01.txt"): without a dot seventh from the end no pattern can
    // match, and the patterns cost more than the rest of a start's look at the folder.
    if (fileName.size() < 8 || fileName[fileName.size() - 7] != QLatin1Char('.'))
        return false;
    const int dot = fileName.lastIndexOf('.');
    if (dot <= 0 || !pattern.match(fileName).hasMatch() || lowerOnly.match(fileName).hasMatch())
        return false;
    const QString target = fileName.left(dot);
    return target.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ||
           target.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
}

namespace {

/// What an entry is, with a look at the disk only when the folder listing does not say.
EntryKind KindOf(const QByteArray& folder, const char* name, unsigned char type) {
    if (type == DT_DIR)
        return EntryKind::Folder;
    if (type != DT_LNK && type != DT_UNKNOWN)
        return EntryKind::Other;
    const QByteArray path = folder + '/' + name;
    struct stat info {};
    if (lstat(path.constData(), &info) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(info.st_mode) && stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return EntryKind::LinkedFolder;
    return EntryKind::Other;
}

}  // namespace

void VisitFolderEntries(const QString& folder,
                        const std::function<void(const QString&, EntryKind)>& visit) {
    // Plain readdir: every start looks into every folder of the data root, and Qt's listing,
    // which builds a file information object for every entry, costs ten times as much.
    const QByteArray folderBytes = QFile::encodeName(folder);
    DIR* dir = opendir(folderBytes.constData());
    if (dir == nullptr)
        return;
    while (const dirent* entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        visit(QFile::decodeName(entry->d_name), KindOf(folderBytes, entry->d_name, entry->d_type));
    }
    closedir(dir);
}

bool RemoveIfSaveLeftover(const QString& folder, const QString& name, EntryKind kind) {
    // Anything but a folder (or a link to one) may be a leftover.
    return kind == EntryKind::Other && IsSaveLeftover(name) && QFile::remove(folder + '/' + name);
}

int RemoveSaveLeftovers(const QString& folder) {
    int removed = 0;
    VisitFolderEntries(folder, [&](const QString& name, EntryKind kind) {
        removed += RemoveIfSaveLeftover(folder, name, kind) ? 1 : 0;
    });
    return removed;
}

}  // namespace store
