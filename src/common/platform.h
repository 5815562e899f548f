#pragma once

#include "common/print_surface.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace common {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };
enum class MessageIcon { None, Information, Warning, Critical, Question };
/// The button Enter presses: OK or Yes, or, before something that cannot be undone, the one
/// that leaves everything as it is (Cancel, or No where there is no Cancel).
enum class DefaultButton { Affirmative, Safe };

/// The services a window needs from the desktop: message boxes, the text editor, today's date,
/// the screen size and the printer. The program owns one production instance; tests pass a fake
/// that records every call and answers as scripted.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual MessageAnswer ShowMessage(const QString& text, const QString& title,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None,
                                      DefaultButton defaultButton = DefaultButton::Affirmative) = 0;
    /// Shows a message without waiting for it: the program goes on and the player closes the
    /// box when done. For news at start that must never hold the window up.
    virtual void ShowNotice(const QString& text, const QString& title) = 0;
    /// Opens a data file for the player to read and edit, in the program's own text window:
    /// the files are CP932, which a desktop editor may garble or save in another encoding.
    virtual void OpenInEditor(const QString& path) = 0;
    /// Hands the file to the desktop's editor, only ever at the player's explicit request,
    /// without waiting for it; tells the player when no editor could be started.
    virtual void OpenInDesktopEditor(const QString& path) = 0;
    /// Shows a folder in the desktop's file manager; tells the player its path when it cannot.
    virtual void ShowFolder(const QString& path) = 0;
    virtual QDate Today() const = 0;
    /// Available screen size in device-independent pixels.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;

    /// Prints one page on the default printer, A4 in `orientation` (or on the printer's own
    /// paper for AsPrinterIs); `drawPage` draws it.
    /// False when the print failed or the user cancelled it.
    virtual bool PrintPage(const QString& documentName, PageOrientation orientation,
                           const std::function<void(PrintSurface&)>& drawPage) = 0;
    /// The font families the printer can use, in the font list's order.
    virtual QStringList PrinterFontFamilies() const = 0;

    /// What opens a data file: the program's own text window. Without one, the player is
    /// told the file's path.
    void SetEditorFallback(std::function<void(const QString&)> fallback) {
        editorFallback_ = std::move(fallback);
    }

  protected:
    /// Opens the file without the desktop's help, in the program's own window; never silent.
    void OpenWithoutDesktop(const QString& path) {
        if (editorFallback_) {
            editorFallback_(path);
            return;
        }
        ShowMessage(
            QStringLiteral("このファイルを開くアプリケーションがありません。\n%1").arg(path),
            QStringLiteral("ソラマメ"), MessageButtons::Ok, MessageIcon::Warning);
    }

  private:
    std::function<void(const QString&)> editorFallback_;
};

}  // namespace common
