#include "common/font_setup.h"

#include <QFont>

#include <fontconfig/fontconfig.h>

#include <sys/stat.h>

#include <memory>

namespace common {

namespace {

using PatternPointer = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

/// Size and modification time of a file, "-" when it cannot be read.
QByteArray FileStamp(const char* path) {
    struct stat status {};
    if (::stat(path, &status) != 0)
        return "-";
    return QByteArray::number(qint64(status.st_size)) + '@' +
           QByteArray::number(qint64(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(status.st_mtim.tv_nsec));
}

/// Every fontconfig file read at start with its size and modification time: they decide how
/// fonts are rendered (anti-aliasing, hinting, sub-pixels), and any change to them, or a new
/// file, changes this text.
QByteArray ConfigurationStamp() {
    QByteArray stamp;
    FcStrList* files = FcConfigGetConfigFiles(nullptr);
    while (const FcChar8* file = FcStrListNext(files)) {
        const char* path = reinterpret_cast<const char*>(file);
        stamp += QByteArray(path) + ' ' + FileStamp(path) + '\n';
    }
    FcStrListDone(files);
    return stamp;
}

}  // namespace

void SubstituteWindowsFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
}

ResolvedFont ResolveFont(const QString& family) {
    // The fonts that carry the family's name, regular and upright, as Qt's font database
    // lists them: cheaper than a full match, and no other family stands in.
    ResolvedFont resolved;
    const QByteArray name = family.toUtf8();
    const PatternPointer wanted(
        FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, name.constData(), FC_WEIGHT, FcTypeInteger,
                       FC_WEIGHT_REGULAR, FC_SLANT, FcTypeInteger, FC_SLANT_ROMAN, nullptr),
        &FcPatternDestroy);
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
    FcFontSet* fonts = wanted ? FcFontList(nullptr, wanted.get(), objects) : nullptr;
    FcObjectSetDestroy(objects);
    FcChar8* file = nullptr;
    if (fonts != nullptr && fonts->nfont > 0 &&
        FcPatternGetString(fonts->fonts[0], FC_FILE, 0, &file) == FcResultMatch) {
        resolved.installed = true;
        resolved.file = QString::fromUtf8(reinterpret_cast<const char*>(file));
        FcPatternGetInteger(fonts->fonts[0], FC_INDEX, 0, &resolved.faceIndex);
        const QByteArray stamp = FileStamp(reinterpret_cast<const char*>(file));
        resolved.fileStamp = stamp;
    }
    if (fonts != nullptr)
        FcFontSetDestroy(fonts);
    resolved.rendering = ConfigurationStamp();
    return resolved;
}

}  // namespace common
