#pragma once

#include "common/platform.h"

#include <functional>

class QObject;
class QWidget;

namespace common {

/// Starts `launcher path` (xdg-open) without waiting for it. Starting is not opening:
/// xdg-open starts whether or not an application can take the file and reports by its exit
/// status, so `onFailure` gets a sentence for the player when the launcher cannot start,
/// crashes or ends with a status other than 0.
/// Returns the launcher's process, which deletes itself once it has ended.
QObject* LaunchDesktopEditor(const QString& launcher, const QString& path,
                             const std::function<void(const QString&)>& onFailure);

/// The desktop's own services: QMessageBox, the desktop's editor on request (xdg-open),
/// the system date, the primary screen and the default printer (or a PDF file without one).
class QtPlatform : public Platform {
  public:
    MessageAnswer ShowMessage(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon,
                              DefaultButton defaultButton = DefaultButton::Affirmative) override;
    void ShowNotice(const QString& text, const QString& title) override;
    void OpenInEditor(const QString& path) override;
    void OpenInDesktopEditor(const QString& path) override;
    void ShowFolder(const QString& path) override;
    QDate Today() const override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    bool PrintPage(const QString& documentName, PageOrientation orientation,
                   const std::function<void(PrintSurface&)>& drawPage) override;
    QStringList PrinterFontFamilies() const override;
};

}  // namespace common
