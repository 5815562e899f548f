#include "common/cp932_codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace common {
namespace {

/// One iconv conversion handle per direction and thread, opened on first use: opening one
/// costs more than converting a record line, and files are decoded a line at a time.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    /// Back to the initial shift state, so that no call sees what an earlier one left.
    void Reset() { iconv(handle_, nullptr, nullptr, nullptr, nullptr); }

    /// Converts as much of [in, in + inLeft) as possible. Returns false at an
    /// unconvertible or invalid sequence, with `in` left at its start.
    bool Convert(const char*& in, size_t& inLeft, QByteArray& out) {
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result =
                iconv(handle_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, int(sizeof buffer - outLeft));
            if (result == size_t(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

  private:
    iconv_t handle_;
};

/// Length of the UTF-8 sequence that starts with `lead`.
int Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

Converter& ReadyConverter(bool toCp932) {
    thread_local Converter encoder("CP932", "UTF-8");
    thread_local Converter decoder("UTF-8", "CP932");
    Converter& converter = toCp932 ? encoder : decoder;
    if (converter.Valid())
        converter.Reset();
    return converter;
}

}  // namespace

QByteArray EncodeCp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    Converter& converter = ReadyConverter(true);
    if (!converter.Valid())
        return text.toLatin1();
    QByteArray out;
    const char* in = utf8.constData();
    size_t left = size_t(utf8.size());
    while (!converter.Convert(in, left, out)) {
        // A character without a CP932 code: write "?" in its place and go on after it.
        const size_t skip =
            std::min<size_t>(left, size_t(Utf8SequenceLength(static_cast<unsigned char>(*in))));
        out.append('?');
        in += skip;
        left -= skip;
    }
    return out;
}

QString DecodeCp932(const QByteArray& bytes) {
    // CP932 keeps the ASCII bytes as they are (0x5C and 0x7E too, as Windows reads them):
    // most fields of a record are dates and numbers, and need no conversion.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes);
    Converter& converter = ReadyConverter(false);
    if (!converter.Valid())
        return QString::fromLatin1(bytes);
    QByteArray utf8;
    const char* in = bytes.constData();
    size_t left = size_t(bytes.size());
    while (!converter.Convert(in, left, utf8)) {
        // Skip only the offending byte: a broken lead byte must not swallow a following ",".
        utf8.append("\xEF\xBF\xBD");
        ++in;
        --left;
    }
    return QString::fromUtf8(utf8);
}

}  // namespace common
