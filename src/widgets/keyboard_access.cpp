// The keys every window answers to, whatever it holds.
#include "widgets/keyboard_access.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace widgets {
namespace {

bool IsEnterKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

bool IsSliderKey(const QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        default:
            return false;
    }
}

/// Watches the key events of every widget; see InstallKeyboardAccess.
class KeyboardAccess : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            return PressFocusedButton(watched, key) || StepAcross(watched, key);
        }
        if (event->type() == QEvent::ShortcutOverride)
            return KeepSliderKeys(watched, static_cast<QKeyEvent*>(event));
        return false;
    }

  private:
    static bool PressFocusedButton(QObject* watched, QKeyEvent* key) {
        auto* button = qobject_cast<QPushButton*>(watched);
        // A default or auto-default button answers Enter itself (and repeats while it is
        // held, as the steps through a game do).
        if (button == nullptr || !IsEnterKey(key) || !button->hasFocus() || !button->isEnabled() ||
            button->autoDefault() || button->isDefault())
            return false;
        // Holding Enter down presses once: a repeated registration or print is never meant.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }

    /// Qt moves a horizontal scroll bar against the arrow keys (Left raises it, as the wheel
    /// turned down does); here the handle goes the way the arrow points.
    static bool StepAcross(QObject* watched, QKeyEvent* key) {
        auto* bar = qobject_cast<QScrollBar*>(watched);
        const bool across = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right;
        if (bar == nullptr || bar->orientation() != Qt::Horizontal || !across ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const bool towardsMaximum = (key->key() == Qt::Key_Right) != bar->isRightToLeft();
        bar->triggerAction(towardsMaximum ? QAbstractSlider::SliderSingleStepAdd
                                          : QAbstractSlider::SliderSingleStepSub);
        return true;
    }

    static bool KeepSliderKeys(QObject* watched, QKeyEvent* key) {
        auto* slider = qobject_cast<QAbstractSlider*>(watched);
        if (slider == nullptr || !slider->hasFocus() || !IsSliderKey(key))
            return false;
        key->accept();  // the slider, not a shortcut, gets the key
        return true;
    }
};

// Gone with the application object that owned it (the start makes that object twice).
QPointer<KeyboardAccess> installedFilter;

}  // namespace

void InstallKeyboardAccess(QCoreApplication& app) {
    if (installedFilter != nullptr && installedFilter->parent() == &app)
        return;
    installedFilter = new KeyboardAccess(&app);
    app.installEventFilter(installedFilter);
}

void CloseOnEscape(QWidget* window, QAbstractButton* back, std::function<bool()> mayLeave) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, back, [back, mayLeave] {
        if (back->isEnabled() && (!mayLeave || mayLeave()))
            back->click();
    });
}

}  // namespace widgets
