#include "store/edited_text.h"

#include "store/text_file.h"

namespace store {

bool LoadEditedText(const QString& path, QString& text, common::TextEncoding* found) {
    // Only a regular file of a sane size is read: a FIFO would hang the window.
    QByteArray bytes;
    if (store::ReadFileBytes(path, bytes) != store::ReadStatus::Ok)
        return false;
    text = common::DecodeTextFile(bytes, found);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return true;
}

QByteArray EditedTextBytes(const QString& text) {
    QString withCrLf = text;
    withCrLf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    withCrLf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return common::EncodeCp932(withCrLf);
}

bool SaveEditedText(const QString& path, const QString& text) {
    return store::WriteBytesAtomically(path, EditedTextBytes(text));
}

}  // namespace store
