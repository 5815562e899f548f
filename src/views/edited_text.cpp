#include "views/edited_text.h"

#include "common/cp932_codec.h"
#include "store/text_file.h"

#include <QFile>

namespace views {

bool LoadEditedText(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = common::DecodeCp932(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return true;
}

QByteArray EditedTextBytes(const QString& text) {
    QString withCrLf = text;
    withCrLf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    withCrLf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return common::EncodeCp932(withCrLf);
}

bool FitsCp932(const QString& text) {
    return common::DecodeCp932(common::EncodeCp932(text)) == text;
}

bool SaveEditedText(const QString& path, const QString& text) {
    return store::WriteBytesAtomically(path, EditedTextBytes(text));
}

}  // namespace views
