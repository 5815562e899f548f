#pragma once

#include "common/platform.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace views {

/// The program's own plain-text window, where the data files open: shows the file (CP932, or
/// UTF-8 when the player saved it so elsewhere), lets the player edit it and saves it as CP932
/// with CR LF. An edit is never dropped without asking. The desktop's editor opens the file
/// only when the player asks for it here, after a word about the file's encoding.
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
    QPushButton* desktopEditorButton() const { return desktopEditorButton_; }
    /// Says when the file was read as UTF-8 and will be saved as CP932; hidden otherwise.
    QLabel* encodingNote() const { return encodingNote_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Load();
    void ShowTitle();
    void OpenInDesktopEditor();

    QString path_;
    common::Platform& platform_;
    QPlainTextEdit* editor_;
    QPushButton* saveButton_;
    QPushButton* closeButton_;
    QPushButton* desktopEditorButton_;
    QLabel* encodingNote_;
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
