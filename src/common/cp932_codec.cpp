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

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

/// Length of the well-formed UTF-8 sequence at `at` (overlong forms, surrogates and code
/// points past U+10FFFF are not), 0 when there is none.
qsizetype WellFormedUtf8Length(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) {
        return at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0;
    };
    const unsigned char lead = byte(0);
    const auto continues = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i <= to; ++i) {
            if (!InRange(byte(i), 0x80, 0xBF))
                return false;
        }
        return true;
    };
    if (lead < 0x80)
        return 1;
    if (InRange(lead, 0xC2, 0xDF))
        return continues(1, 1) ? 2 : 0;
    if (InRange(lead, 0xE0, 0xEF)) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return InRange(byte(1), low, high) && continues(2, 2) ? 3 : 0;
    }
    if (InRange(lead, 0xF0, 0xF4)) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return InRange(byte(1), low, high) && continues(2, 3) ? 4 : 0;
    }
    return 0;
}

/// True when the bytes are well-formed UTF-8 with at least one character beyond ASCII.
bool IsUtf8BeyondAscii(QByteArrayView bytes) {
    bool beyondAscii = false;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = WellFormedUtf8Length(bytes, at);
        if (length == 0)
            return false;
        beyondAscii = beyondAscii || length > 1;
        at += length;
    }
    return beyondAscii;
}

const QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

}  // namespace

TextEncoding DetectTextEncoding(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8Mark))
        return TextEncoding::Utf8WithBom;
    return IsUtf8BeyondAscii(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

QString DecodeTextFile(const QByteArray& bytes, TextEncoding* found) {
    const TextEncoding encoding = DetectTextEncoding(bytes);
    if (found != nullptr)
        *found = encoding;
    switch (encoding) {
        case TextEncoding::Utf8WithBom:
            // A damaged sequence after the mark still reads as U+FFFD, as CP932 does.
            return QString::fromUtf8(QByteArrayView(bytes).sliced(kUtf8Mark.size()));
        case TextEncoding::Utf8:
            return QString::fromUtf8(bytes);
        case TextEncoding::Cp932:
            break;
    }
    return DecodeCp932(bytes);
}

bool FitsCp932(const QString& text) {
    // Every character without a code becomes one "?", and 0x3F is never the second byte of a
    // CP932 character. Comparing counts (not the text read back) accepts the characters that
    // CP932 writes under another code point's name, such as U+301C 〜, which Linux input
    // methods type and which reads back as U+FF5E.
    return EncodeCp932(text).count('?') == text.count(QLatin1Char('?'));
}

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
