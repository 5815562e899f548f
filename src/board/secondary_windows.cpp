#include "board/secondary_windows.h"

#include <QEvent>
#include <QWidget>

namespace board {

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
    window->move(position);
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
