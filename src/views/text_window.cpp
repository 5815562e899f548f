#include "views/text_window.h"

#include "store/edited_text.h"
#include "widgets/keyboard_access.h"
#include "widgets/layout_scale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
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
      closeButton_(new QPushButton(QStringLiteral("閉じる(&C)"), this)),
      desktopEditorButton_(new QPushButton(QStringLiteral("別のエディターで開く(&E)"), this)),
      encodingNote_(new QLabel(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    encodingNote_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(desktopEditorButton_);
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addWidget(encodingNote_);
    layout->addLayout(buttons);
    connect(desktopEditorButton_, &QPushButton::clicked, this, [this] { OpenInDesktopEditor(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { Save(); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes like "閉じる", which asks first about an unsaved edit.
    widgets::CloseOnEscape(this, closeButton_);
    editor_->setAccessibleName(QFileInfo(path_).fileName());
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { Save(); });
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            [this] { ShowTitle(); });
    resize(widgets::Scaled(QSize(640, 560)));
    Load();
}

void TextWindow::Load() {
    QString text;
    common::TextEncoding encoding = common::TextEncoding::Cp932;
    // A file not yet written (a first record, say) starts empty and is made by saving.
    if (QFileInfo::exists(path_) && !store::LoadEditedText(path_, text, &encoding)) {
        platform_.ShowMessage(QStringLiteral("ファイルを読めません。\n%1").arg(path_),
                              kProgramTitle, common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
    }
    editor_->setPlainText(text);
    editor_->document()->setModified(false);
    encodingNote_->setText(QStringLiteral(
        "このファイルは UTF-8 で保存されています。保存するとシフトJIS（CP932）に戻ります。"));
    encodingNote_->setVisible(encoding != common::TextEncoding::Cp932);
    ShowTitle();
}

void TextWindow::OpenInDesktopEditor() {
    // The window's text goes to the file first: the other editor must see what is shown here.
    const bool saveFirst = IsModified() || !QFileInfo::exists(path_);
    QString question = QStringLiteral(
        "ソラマメのデータファイルはシフトJIS（CP932）・改行 CR LF です。別のエディターでは文字"
        "コードにシフトJISを選んで開き、シフトJISのまま保存してください（UTF-8 で保存しても"
        "ソラマメは読めます）。");
    if (saveFirst)
        question += QStringLiteral("\nこの画面の内容を先に保存します。");
    question += QStringLiteral("\n別のエディターで開きますか？");
    if (platform_.ShowMessage(question, kProgramTitle, common::MessageButtons::OkCancel,
                              common::MessageIcon::Warning) != common::MessageAnswer::Ok)
        return;
    if (saveFirst && !Save())
        return;
    platform_.OpenInDesktopEditor(path_);
    // Two editors on one file would overwrite each other's changes: this one steps aside.
    close();
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
    if (!common::FitsCp932(text) &&
        platform_.ShowMessage(
            QStringLiteral("この文字コードで表せない文字は「?」として保存されます。保存しますか？"),
            kProgramTitle, common::MessageButtons::YesNo,
            common::MessageIcon::Question) != common::MessageAnswer::Yes) {
        return false;
    }
    if (!store::SaveEditedText(path_, text)) {
        platform_.ShowMessage(
            QStringLiteral("ファイルに保存できませんでした。元のファイルはそのままです。\n%1")
                .arg(path_),
            kProgramTitle, common::MessageButtons::Ok, common::MessageIcon::Critical);
        return false;
    }
    editor_->document()->setModified(false);
    encodingNote_->hide();
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
