#include "store/text_file.h"

#include "common/cp932_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

}  // namespace

bool WriteBytesAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ReadTextLines(const QString& path, QStringList& lines) {
    lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return true;
    QList<QByteArray> raw = bytes.split('\n');
    if (bytes.endsWith('\n'))
        raw.removeLast();
    for (QByteArray& line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(common::DecodeCp932(line));
    }
    return true;
}

bool WriteTextLines(const QString& path, const QStringList& lines) {
    return WriteBytesAtomically(path, EncodeLines(lines));
}

bool AppendTextLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return false;
        bytes = existing.readAll();
        existing.close();
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += "\r\n";
    }
    return WriteBytesAtomically(path, bytes + EncodeLines(lines));
}

bool CopyFileAtomically(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return WriteBytesAtomically(to, source.readAll());
}

}  // namespace store
