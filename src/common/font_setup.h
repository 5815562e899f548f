#pragma once

#include <QByteArray>
#include <QString>

namespace common {

/// Maps the Windows font names that the layouts use onto the IPA fonts.
void SubstituteWindowsFonts();

/// The installed font a family is drawn in, as fontconfig lists it.
struct ResolvedFont {
    /// Whether the family is installed; when not, Qt draws in other families in its place,
    /// which may lack glyphs the family has.
    bool installed = false;
    /// The font file, its face within the file, and the file's size and modification time
    /// ("-" when it cannot be read): an updated font package changes these.
    QString file;
    int faceIndex = 0;
    QByteArray fileStamp;
    /// Fontconfig's files with their sizes and modification times: they decide how the font
    /// is rendered (anti-aliasing, hinting, sub-pixels).
    QByteArray rendering;
};

/// The installed font of `family` in its regular weight, upright.
ResolvedFont ResolveFont(const QString& family);

}  // namespace common
