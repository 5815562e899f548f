#include "cards/card_image.h"

#include <zbar.h>

#include <cstring>
#include <vector>

namespace postcard {

using namespace zbar;  // the C interface, which the C++ header puts in this namespace

QList<QByteArray> DecodeQrCodes(const QImage& image) {
    if (image.isNull())
        return {};
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const int width = grey.width();
    const int height = grey.height();
    // zbar wants the rows packed one after another, while QImage pads each to 4 bytes.
    std::vector<unsigned char> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(width), grey.constScanLine(y),
                    size_t(width));

    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    // The payload is UTF-8 or ASCII already; zbar would otherwise guess a character set.
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);
    zbar_image_t* frame = zbar_image_create();
    zbar_image_set_format(frame, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(frame, unsigned(width), unsigned(height));
    zbar_image_set_data(frame, pixels.data(), pixels.size(), nullptr);

    QList<QByteArray> codes;
    if (zbar_scan_image(scanner, frame) > 0) {
        for (const zbar_symbol_t* symbol = zbar_image_first_symbol(frame); symbol != nullptr;
             symbol = zbar_symbol_next(symbol)) {
            codes.append(QByteArray(zbar_symbol_get_data(symbol),
                                    qsizetype(zbar_symbol_get_data_length(symbol))));
        }
    }
    zbar_image_destroy(frame);
    zbar_image_scanner_destroy(scanner);
    return codes;
}

}  // namespace postcard
