#pragma once

#include <QString>

namespace common {

/// The file name offered for a page saved as PDF: the page's document name (kind of page,
/// opponent, game), with the characters no file name may hold replaced by "_".
QString ProposedPdfFileName(const QString& documentName);

/// The folder the PDF save dialog starts in: the folder used last while it still exists,
/// else the documents folder when there is one, else the home folder.
QString PdfStartFolder(const QString& lastFolder, const QString& documentsFolder,
                       const QString& homeFolder);

}  // namespace common
