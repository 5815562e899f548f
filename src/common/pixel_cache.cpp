#include "common/pixel_cache.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace common {

namespace {

const QByteArray kMagic = QByteArrayLiteral("SORAMAME PIXELS 1");
/// Larger drawings are not worth keeping; a damaged size field cannot ask for more.
constexpr qint64 kMaxPixelBytes = 64LL * 1024 * 1024;

/// The formats a kept drawing may have: those of a pixmap on the raster engine.
bool KeptFormat(qint32 format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied ||
           format == QImage::Format_ARGB32;
}

}  // namespace

bool StorePixels(const QString& path, const QByteArray& key, const QImage& image) {
    if (image.isNull() || !KeptFormat(image.format()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << kMagic << key << qint32(image.format()) << qint32(image.width())
           << qint32(image.height());
    const qint64 rowBytes = qint64(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        stream.writeRawData(reinterpret_cast<const char*>(image.constScanLine(y)), int(rowBytes));
    return stream.status() == QDataStream::Ok && file.commit();
}

QImage LoadPixels(const QString& path, const QByteArray& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_6_0);
    QByteArray magic;
    QByteArray keptKey;
    qint32 format = 0;
    qint32 width = 0;
    qint32 height = 0;
    stream >> magic >> keptKey >> format >> width >> height;
    if (stream.status() != QDataStream::Ok || magic != kMagic || keptKey != key ||
        !KeptFormat(format) || width <= 0 || height <= 0)
        return {};
    const qint64 rowBytes = qint64(width) * 4;
    if (rowBytes * height > kMaxPixelBytes || file.bytesAvailable() != rowBytes * height)
        return {};
    QImage image(width, height, QImage::Format(format));
    for (int y = 0; y < height; ++y) {
        if (stream.readRawData(reinterpret_cast<char*>(image.scanLine(y)), int(rowBytes)) !=
            rowBytes)
            return {};
    }
    return image;
}

}  // namespace common
