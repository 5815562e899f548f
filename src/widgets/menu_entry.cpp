#include "widgets/menu_entry.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyle>

namespace widgets {
namespace {

/// What a screen reader learns of a menu entry: a push button named by its caption, with the
/// press action and the entry's shortcut.
class MenuEntryAccessible : public QAccessibleWidget {
  public:
    explicit MenuEntryAccessible(MenuEntry* entry)
        : QAccessibleWidget(entry, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return Entry()->accessibleName().isEmpty() ? Entry()->text()
                                                       : Entry()->accessibleName();
        if (kind == QAccessible::Accelerator)
            return Entry()->shortcut().toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            Entry()->Choose();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && !Entry()->shortcut().isEmpty())
            return {Entry()->shortcut().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    MenuEntry* Entry() const { return static_cast<MenuEntry*>(widget()); }
};

QAccessibleInterface* MenuEntryInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(MenuEntry::staticMetaObject.className()) &&
        object->isWidgetType())
        return new MenuEntryAccessible(static_cast<MenuEntry*>(object));
    return nullptr;
}

}  // namespace

MenuEntry::MenuEntry(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&MenuEntryInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Tab reaches the entry; a click chooses it without taking the focus from where the
    // player types (the comment box).
    setFocusPolicy(Qt::TabFocus);
}

void MenuEntry::Choose() {
    emit Chosen();
}

void MenuEntry::SetShortcut(const QKeySequence& keys) {
    keys_ = keys;
    delete shortcut_;
    shortcut_ = new QShortcut(keys, this);
    connect(shortcut_, &QShortcut::activated, this, &MenuEntry::Choose);
}

void MenuEntry::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            Choose();
        return;
    }
    QLabel::keyPressEvent(event);
}

void MenuEntry::paintEvent(QPaintEvent*) {
    // The caption is drawn the way QLabel draws plain text. QLabel itself lays out a label
    // that takes the focus as a text document, which draws the same pixels at a higher cost
    // at every start.
    QPainter painter(this);
    drawFrame(&painter);
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&painter, contentsRect(), int(align) | Qt::TextForceLeftToRight,
                          palette(), isEnabled(), text(), foregroundRole());
    // Like the style's own focus marks: drawn only once the keyboard moved the focus.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void MenuEntry::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void MenuEntry::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

}  // namespace widgets
