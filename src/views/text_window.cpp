#include "views/text_window.h"

#include "views/edited_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace views {
namespace {

const QString kProgramTitle = QStringLiteral("ソラマメ");

/// Watches the main window: when it is hidden for closing (not minimised), the text
/// windows are settled.
class MainWindowWatch : public QObject {
  public:
    MainWindowWatch(QWidget& mainWindow, common::Platform& platform)
        : QObject(&mainWindow), mainWindow_(mainWindow), platform_(platform) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &mainWindow_ && event->type() == QEvent::Hide && !event->spontaneous() &&
            !mainWindow_.isVisible())
            SettleTextWindows(platform_);
        return false;
    }

  private:
    QWidget& mainWindow_;
    common::Platform& platform_;
};

}  // namespace

TextWindow::TextWindow(const QString& path, common::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      path_(path),
      platform_(platform),
      editor_(new QPlainTextEdit(this)),
      saveButton_(new QPushButton(QStringLiteral("保存(&S)"), this)),
      closeButton_(new QPushButton(QStringLiteral("閉じる(&C)"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(buttons);
    connect(saveButton_, &QPushButton::clicked, this, [this] { Save(); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { Save(); });
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            [this] { ShowTitle(); });
    resize(640, 560);
    Load();
}

void TextWindow::Load() {
    QString text;
    // A file not yet written (a first record, say) starts empty and is made by saving.
    if (QFileInfo::exists(path_) && !LoadEditedText(path_, text)) {
        platform_.ShowMessage(QStringLiteral("ファイルを読めません。\n%1").arg(path_),
                              kProgramTitle, common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
    }
    editor_->setPlainText(text);
    editor_->document()->setModified(false);
    ShowTitle();
}

void TextWindow::ShowTitle() {
    const QString mark = IsModified() ? QStringLiteral("＊") : QString();
    setWindowTitle(mark + QFileInfo(path_).fileName() + QStringLiteral(" − ") + kProgramTitle);
}

bool TextWindow::IsModified() const {
    return editor_->document()->isModified();
}

bool TextWindow::Save() {
    const QString text = editor_->toPlainText();
    if (!FitsCp932(text) &&
        platform_.ShowMessage(
            QStringLiteral("この文字コードで表せない文字は「?」として保存されます。保存しますか？"),
            kProgramTitle, common::MessageButtons::YesNo,
            common::MessageIcon::Question) != common::MessageAnswer::Yes) {
        return false;
    }
    if (!SaveEditedText(path_, text)) {
        platform_.ShowMessage(
            QStringLiteral("ファイルに保存できませんでした。元のファイルはそのままです。\n%1")
                .arg(path_),
            kProgramTitle, common::MessageButtons::Ok, common::MessageIcon::Critical);
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

void TextWindow::closeEvent(QCloseEvent* event) {
    if (!IsModified()) {
        event->accept();
        return;
    }
    const common::MessageAnswer answer = platform_.ShowMessage(
        QStringLiteral("「%1」への変更を保存しますか？").arg(QFileInfo(path_).fileName()),
        kProgramTitle, common::MessageButtons::YesNoCancel, common::MessageIcon::Question);
    if (answer == common::MessageAnswer::No || (answer == common::MessageAnswer::Yes && Save()))
        event->accept();
    else
        event->ignore();
}

void SettleTextWindows(common::Platform& platform) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<TextWindow*>(widget);
        if (window == nullptr || !window->IsModified())
            continue;
        const common::MessageAnswer answer = platform.ShowMessage(
            QStringLiteral("「%1」への変更を保存しますか？")
                .arg(QFileInfo(window->path()).fileName()),
            kProgramTitle, common::MessageButtons::YesNo, common::MessageIcon::Question);
        if (answer == common::MessageAnswer::Yes)
            window->Save();
    }
}

void SettleTextWindowsWhenHidden(QWidget& mainWindow, common::Platform& platform) {
    mainWindow.installEventFilter(new MainWindowWatch(mainWindow, platform));
}

TextWindow* ShowTextWindow(const QString& path, common::Platform& platform) {
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<TextWindow*>(widget);
        if (window != nullptr && QFileInfo(window->path()).absoluteFilePath() == wanted) {
            window->show();
            window->raise();
            window->activateWindow();
            return window;
        }
    }
    auto* window = new TextWindow(path, platform);
    window->show();
    return window;
}

}  // namespace views
