#include "board/secondary_windows.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace board {
namespace {

/// Room for the frame and title bar the desktop puts around a window.
const QSize kFrameAllowance(8, 32);

/// Where a window opened at `wanted` stays whole on its screen: one wider or taller than the
/// main window (一覧 on a small screen) moves left or up as far as it must.
QPoint KeptOnScreen(const QWidget* window, QPoint wanted) {
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return wanted;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size() + kFrameAllowance;
    return QPoint(qMax(area.left(), qMin(wanted.x(), area.right() + 1 - size.width())),
                  qMax(area.top(), qMin(wanted.y(), area.bottom() + 1 - size.height())));
}

}  // namespace

SecondaryWindows::~SecondaryWindows() {
    for (QWidget* window : windows_)
        delete window;
}

void SecondaryWindows::SetFactory(MenuIndex index, Factory factory) {
    factories_[index] = std::move(factory);
}

void SecondaryWindows::Open(MenuIndex index, QPoint position) {
    if (windows_[index] == nullptr && factories_[index]) {
        windows_[index] = factories_[index]();
        if (windows_[index] != nullptr)
            windows_[index]->installEventFilter(this);
    }
    QWidget* window = windows_[index];
    if (window == nullptr)
        return;
    window->move(KeptOnScreen(window, position));
    window->show();
    window->raise();
    window->activateWindow();
    comingBack_ = true;
}

void SecondaryWindows::HideAll() {
    for (QWidget* window : windows_) {
        if (window != nullptr)
            window->hide();
    }
}

bool SecondaryWindows::TakeComingBack() {
    return std::exchange(comingBack_, false);
}

bool SecondaryWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Hide)
        comingBack_ = true;
    return QObject::eventFilter(watched, event);
}

}  // namespace board
