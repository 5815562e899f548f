#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace views {

/// Shows a reminder (督促) for the reply card, to be changed at will and copied into the
/// card's text; nothing is stored.
class ReminderDialog : public QDialog {
    Q_OBJECT

  public:
    ReminderDialog(const QString& text, QWidget* parent = nullptr);

    QPlainTextEdit* textBox() const { return text_; }
    /// Puts the text, as changed, on the clipboard.
    void CopyText();

  private:
    QPlainTextEdit* text_;
};

}  // namespace views
