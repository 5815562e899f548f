#include "output/sgf_text.h"

#include <QRegularExpression>

#include <iconv.h>
#include <algorithm>
#include <array>

namespace output {
namespace {

/// The value of the first CA property, read from the raw bytes: the name itself is ASCII in
/// every character set the files use.
QString CharsetOf(const QByteArray& bytes) {
    static const QRegularExpression pattern(QStringLiteral("(?:^|[^A-Za-z])CA\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(bytes));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

/// Files labelled Shift_JIS or GB2312 are mostly written by Windows programs, whose code pages
/// hold more characters (circled numbers, rarer kanji) under the same bytes.
QString WiderCharset(const QString& name) {
    const QString upper = name.toUpper();
    if (upper == QLatin1String("SHIFT_JIS") || upper == QLatin1String("SHIFT-JIS") ||
        upper == QLatin1String("SJIS") || upper == QLatin1String("X-SJIS"))
        return QStringLiteral("CP932");
    if (upper == QLatin1String("GB2312"))
        return QStringLiteral("GBK");
    if (upper == QLatin1String("LATIN-1") || upper == QLatin1String("LATIN1") ||
        upper == QLatin1String("ISO8859-1") || upper == QLatin1String("ISO_8859-1"))
        return QStringLiteral("ISO-8859-1");
    return name;
}

bool ConverterExists(const QString& charset) {
    iconv_t converter = iconv_open("UTF-8", charset.toLatin1().constData());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(converter);
    return true;
}

std::optional<QString> ConvertWithIconv(const QByteArray& bytes, const QString& charset) {
    iconv_t converter = iconv_open("UTF-8", charset.toLatin1().constData());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray input = bytes;
    QByteArray output(bytes.size() * 4 + 16, '\0');
    char* in = input.data();
    size_t inLeft = size_t(input.size());
    char* out = output.data();
    size_t outLeft = size_t(output.size());
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == size_t(-1))
        return std::nullopt;
    output.truncate(output.size() - qsizetype(outLeft));
    return QString::fromUtf8(output);
}

struct ByteOrderMark {
    QByteArray bytes;
    QString charset;
};

std::optional<ByteOrderMark> ByteOrderMarkOf(const QByteArray& bytes) {
    static const std::array<ByteOrderMark, 3> marks{{
        {QByteArray("\xef\xbb\xbf"), QStringLiteral("UTF-8")},
        {QByteArray("\xff\xfe"), QStringLiteral("UTF-16LE")},
        {QByteArray("\xfe\xff"), QStringLiteral("UTF-16BE")},
    }};
    for (const ByteOrderMark& mark : marks) {
        if (bytes.startsWith(mark.bytes))
            return mark;
    }
    return std::nullopt;
}

bool IsAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

/// Japanese Shift_JIS text is mostly kana, full-width signs and everyday kanji, whose lead
/// bytes are 0x81-0x9F. Latin-1 text read as Shift_JIS gives half-width katakana instead (its
/// capital accented letters, 0xC0-0xDF) and rare kanji (its small ones, 0xE0-0xFF, taken as
/// lead bytes), so bytes that merely happen to be valid Shift_JIS do not pass.
bool ReadsAsJapanese(const QByteArray& bytes) {
    int everyday = 0;
    int unusual = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes.at(i));
        if (byte < 0x80)
            continue;
        if (byte >= 0x81 && byte <= 0x9f) {
            ++everyday;
            ++i;
        } else if (byte >= 0xe0 && byte <= 0xfc) {
            ++unusual;
            ++i;
        } else {
            ++unusual;  // half-width katakana, or a byte that starts no character
        }
    }
    return everyday > unusual;
}

/// Judges a file by its bytes.
void DetectCharset(const QByteArray& bytes, SgfDecoding& decoding) {
    decoding.source = SgfCharsetSource::Detected;
    decoding.charset = QStringLiteral("UTF-8");
    if (IsAscii(bytes)) {
        decoding.plainAscii = true;
        decoding.text = QString::fromLatin1(bytes);
        return;
    }
    if ((decoding.text = ConvertWithIconv(bytes, decoding.charset)))
        return;
    if (ReadsAsJapanese(bytes)) {
        decoding.charset = QStringLiteral("CP932");
        if ((decoding.text = ConvertWithIconv(bytes, decoding.charset)))
            return;
    }
    decoding.charset = QStringLiteral("ISO-8859-1");
    decoding.text = QString::fromLatin1(bytes);
}

bool IsUtf8Name(const QString& name) {
    return name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0;
}

/// The bytes read in `charset` instead of the set their CA names; none when they cannot be.
SgfDecoding Overruled(const QByteArray& bytes, const QString& named, const QString& charset) {
    SgfDecoding decoding;
    decoding.source = SgfCharsetSource::Overruled;
    decoding.charset = charset;
    decoding.overruled = named;
    decoding.text = ConvertWithIconv(bytes, charset);
    return decoding;
}

}  // namespace

SgfDecoding DecodeSgf(const QByteArray& bytes) {
    SgfDecoding decoding;
    if (const std::optional<ByteOrderMark> mark = ByteOrderMarkOf(bytes)) {
        decoding.source = SgfCharsetSource::ByteOrderMark;
        decoding.charset = mark->charset;
        decoding.text = ConvertWithIconv(bytes.mid(mark->bytes.size()), mark->charset);
        return decoding;
    }
    const QString named = CharsetOf(bytes);
    if (!named.isEmpty() && ConverterExists(WiderCharset(named))) {
        decoding.source = SgfCharsetSource::Declared;
        decoding.charset = named;
        if (!IsUtf8Name(named) && !IsAscii(bytes) &&
            ConvertWithIconv(bytes, QStringLiteral("UTF-8")))
            return Overruled(bytes, named, QStringLiteral("UTF-8"));
        decoding.text = ConvertWithIconv(bytes, WiderCharset(named));
        if (!decoding.text && ReadsAsJapanese(bytes) &&
            WiderCharset(named) != QLatin1String("CP932"))
            return Overruled(bytes, named, QStringLiteral("CP932"));
        return decoding;
    }
    DetectCharset(bytes, decoding);
    decoding.unknownDeclared = named;
    return decoding;
}

std::optional<QString> DecodeSgfBytes(const QByteArray& bytes, QString* charset, bool* guessed) {
    const SgfDecoding decoding = DecodeSgf(bytes);
    if (charset != nullptr)
        *charset = decoding.charset;
    if (guessed != nullptr) {
        *guessed = decoding.source == SgfCharsetSource::Overruled ||
                   (decoding.source == SgfCharsetSource::Detected &&
                    decoding.charset != QLatin1String("UTF-8"));
    }
    return decoding.text;
}

}  // namespace output
