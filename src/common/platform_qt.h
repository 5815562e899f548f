#pragma once

#include "common/platform.h"

class QWidget;

namespace common {

/// The desktop's own services: QMessageBox, the default application for text files,
/// the system date, the primary screen and the default printer (or a PDF file without one).
class QtPlatform : public Platform {
  public:
    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override;
    void OpenInEditor(const QString& path) override;
    QDate Today() const override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    bool PrintPage(const QString& documentName, PageOrientation orientation,
                   const std::function<void(PrintSurface&)>& drawPage) override;
    QStringList PrinterFontFamilies() const override;
};

}  // namespace common
