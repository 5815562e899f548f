#include "testing/temp_root.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempRoot::TempRoot() = default;

void TempRoot::Write(const QString& relative, const QByteArray& bytes) const {
    const QString full = File(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TempRoot::Read(const QString& relative) const {
    QFile file(File(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
