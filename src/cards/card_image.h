#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

/// Finding QR codes in a scan or a photo of a card.
namespace postcard {

/// The bytes of every QR code zbar finds in the image, as the codes hold them (no character
/// set conversion); empty when there is none or the image is null.
QList<QByteArray> DecodeQrCodes(const QImage& image);

}  // namespace postcard
