#pragma once

#include <QDate>
#include <QString>

namespace common {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };
enum class MessageIcon { None, Information, Warning, Critical, Question };

/// The services a window needs from the desktop: message boxes, the text editor, today's date
/// and the screen size. The program owns one production instance; tests pass a fake that
/// records every call and answers as scripted.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual MessageAnswer ShowMessage(const QString& text, const QString& title,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None) = 0;
    /// Opens a text file in the user's editor without waiting for it.
    virtual void OpenInEditor(const QString& path) = 0;
    virtual QDate Today() const = 0;
    /// Available screen size in device-independent pixels.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
};

}  // namespace common
