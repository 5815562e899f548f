#include "common/pdf_save_path.h"

#include <QDir>
#include <QFileInfo>

namespace common {

QString ProposedPdfFileName(const QString& documentName) {
    QString name = documentName.trimmed();
    for (QChar& character : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(character) || character.unicode() < 0x20)
            character = QLatin1Char('_');
    }
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("ソラマメ"));
    return name + QStringLiteral(".pdf");
}

QString PdfStartFolder(const QString& lastFolder, const QString& documentsFolder,
                       const QString& homeFolder) {
    for (const QString& folder : {lastFolder, documentsFolder}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return homeFolder;
}

}  // namespace common
