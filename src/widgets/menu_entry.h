#pragma once

#include <QKeySequence>
#include <QLabel>

class QShortcut;

namespace widgets {

/// A menu entry drawn as a raised caption, as the main window's menu has always looked, that
/// works like a push button: the keyboard reaches it with Tab, Enter or Space chooses it, a
/// shortcut key chooses it from anywhere in its window, and screen readers find it as a named
/// push button with a press action. It shows a dotted focus mark only while the keyboard has
/// brought the focus to it, so that its look is otherwise unchanged.
class MenuEntry : public QLabel {
    Q_OBJECT

  public:
    MenuEntry(const QString& caption, QWidget* parent);

    /// Chooses the entry, as a click on it does.
    void Choose();
    void SetShortcut(const QKeySequence& keys);
    QKeySequence shortcut() const { return keys_; }

  signals:
    void Chosen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QKeySequence keys_;
    QShortcut* shortcut_ = nullptr;
};

}  // namespace widgets
