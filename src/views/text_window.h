#pragma once

#include "common/platform.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace views {

/// The program's own plain-text window, for a desktop that has no application to open the
/// data files with: shows the file, lets the player edit it and saves it as CP932 with CR LF.
/// An edit is never dropped without asking.
class TextWindow : public QWidget {
    Q_OBJECT

  public:
    TextWindow(const QString& path, common::Platform& platform, QWidget* parent = nullptr);

    QString path() const { return path_; }
    bool IsModified() const;
    /// Saves the text; tells the player when it cannot. True when the file holds the text.
    bool Save();

    QPlainTextEdit* editor() const { return editor_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* closeButton() const { return closeButton_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Load();
    void ShowTitle();

    QString path_;
    common::Platform& platform_;
    QPlainTextEdit* editor_;
    QPushButton* saveButton_;
    QPushButton* closeButton_;
};

/// Asks about every text window holding an unsaved edit, saving it on "はい"; for the moment
/// the program ends, when there is no way back.
void SettleTextWindows(common::Platform& platform);
/// The program ends when its main window closes ("終了"): the text windows are asked about
/// before, while the player can still answer.
void SettleTextWindowsWhenHidden(QWidget& mainWindow, common::Platform& platform);

/// Opens the file in a text window, or brings forward the window that shows it already.
TextWindow* ShowTextWindow(const QString& path, common::Platform& platform);

}  // namespace views
