#include "cards/card_image.h"

#include <QLibrary>

#include <zbar.h>

#include <cstring>
#include <vector>

namespace postcard {
namespace {

using namespace zbar;  // the C interface, which the C++ header puts in this namespace

/// zbar's functions, taken from the library when a card is first read: linked into the
/// program, zbar and the camera and JPEG libraries it needs would be loaded at every start,
/// which the window's first paint pays for.
struct Zbar {
    decltype(&zbar_image_scanner_create) scannerCreate = nullptr;
    decltype(&zbar_image_scanner_set_config) setConfig = nullptr;
    decltype(&zbar_image_scanner_destroy) scannerDestroy = nullptr;
    decltype(&zbar_image_create) imageCreate = nullptr;
    decltype(&zbar_image_set_format) setFormat = nullptr;
    decltype(&zbar_image_set_size) setSize = nullptr;
    decltype(&zbar_image_set_data) setData = nullptr;
    decltype(&zbar_scan_image) scan = nullptr;
    decltype(&zbar_image_first_symbol) firstSymbol = nullptr;
    decltype(&zbar_symbol_next) nextSymbol = nullptr;
    decltype(&zbar_symbol_get_data) symbolData = nullptr;
    decltype(&zbar_symbol_get_data_length) symbolLength = nullptr;
    decltype(&zbar_image_destroy) imageDestroy = nullptr;
    bool loaded = false;
};

template <typename Function>
bool Resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

const Zbar& LoadedZbar() {
    static const Zbar zbar = [] {
        Zbar z;
        QLibrary library(QStringLiteral("zbar"), 0);  // libzbar.so.0, as Debian installs it
        z.loaded = library.load() &&
                   Resolve(library, "zbar_image_scanner_create", z.scannerCreate) &&
                   Resolve(library, "zbar_image_scanner_set_config", z.setConfig) &&
                   Resolve(library, "zbar_image_scanner_destroy", z.scannerDestroy) &&
                   Resolve(library, "zbar_image_create", z.imageCreate) &&
                   Resolve(library, "zbar_image_set_format", z.setFormat) &&
                   Resolve(library, "zbar_image_set_size", z.setSize) &&
                   Resolve(library, "zbar_image_set_data", z.setData) &&
                   Resolve(library, "zbar_scan_image", z.scan) &&
                   Resolve(library, "zbar_image_first_symbol", z.firstSymbol) &&
                   Resolve(library, "zbar_symbol_next", z.nextSymbol) &&
                   Resolve(library, "zbar_symbol_get_data", z.symbolData) &&
                   Resolve(library, "zbar_symbol_get_data_length", z.symbolLength) &&
                   Resolve(library, "zbar_image_destroy", z.imageDestroy);
        return z;  // the library stays loaded: QLibrary does not unload on destruction
    }();
    return zbar;
}

}  // namespace

QList<QByteArray> DecodeQrCodes(const QImage& image) {
    const Zbar& z = LoadedZbar();
    if (image.isNull() || !z.loaded)
        return {};
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const int width = grey.width();
    const int height = grey.height();
    // zbar wants the rows packed one after another, while QImage pads each to 4 bytes.
    std::vector<unsigned char> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(width), grey.constScanLine(y),
                    size_t(width));

    zbar_image_scanner_t* scanner = z.scannerCreate();
    z.setConfig(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    z.setConfig(scanner, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    // The payload is UTF-8 or ASCII already; zbar would otherwise guess a character set.
    z.setConfig(scanner, ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);
    zbar_image_t* frame = z.imageCreate();
    z.setFormat(frame, zbar_fourcc('Y', '8', '0', '0'));
    z.setSize(frame, unsigned(width), unsigned(height));
    z.setData(frame, pixels.data(), pixels.size(), nullptr);

    QList<QByteArray> codes;
    if (z.scan(scanner, frame) > 0) {
        for (const zbar_symbol_t* symbol = z.firstSymbol(frame); symbol != nullptr;
             symbol = z.nextSymbol(symbol)) {
            codes.append(QByteArray(z.symbolData(symbol), qsizetype(z.symbolLength(symbol))));
        }
    }
    z.imageDestroy(frame);
    z.scannerDestroy(scanner);
    return codes;
}

}  // namespace postcard
