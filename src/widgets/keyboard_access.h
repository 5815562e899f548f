#pragma once

#include <QKeySequence>

#include <functional>

class QAbstractButton;
class QCoreApplication;
class QWidget;

namespace widgets {

/// Installs once on the application what lets every window be worked from the keyboard:
/// Return and the keypad's Enter press the focused push button (as Space does); a focused
/// scroll bar keeps the arrow keys, Home, End and the page keys that a window's own shortcuts
/// would otherwise take (the main window steps through a game with them), and a horizontal
/// one moves the way Left and Right point.
void InstallKeyboardAccess(QCoreApplication& app);

/// Escape leaves `window` as a click on `back` (its "戻　る" or "閉じる") does. `mayLeave`,
/// when given, is asked first and can keep the window open (something typed is not stored).
void CloseOnEscape(QWidget* window, QAbstractButton* back, std::function<bool()> mayLeave = {});

}  // namespace widgets
