#include "common/atomic_file.h"

#include <QSaveFile>

namespace common {

bool ReplaceFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // write() only fills Qt's buffer, a write cut short by a full disk sets no error, and
    // commit() drops the error of its own last flush: so the flush and the size are checked
    // here, and a full disk never replaces the file by a part of it.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || file.size() != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace common
