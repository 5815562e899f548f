#include "desktop/platform_qt.h"

#include "common/pdf_save_path.h"
#include "desktop/qt_print_surface.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace common {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

/// The printer to use: the default one, or any installed one when none is the default.
QPrinterInfo ChoosePrinter() {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull())
        return defaultPrinter;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    return printers.isEmpty() ? QPrinterInfo() : printers.first();
}

/// Asks where the page goes as a PDF file; empty when the user cancels. The dialog starts
/// where the player saved last (kept in the program's settings file), proposes a name for
/// the game and kind of page, and asks before it replaces a file.
QString AskPdfPath(const QString& documentName) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("soramame"),
                       QStringLiteral("soramame"));
    const QString lastFolderKey = QStringLiteral("pdf/lastFolder");
    const QString folder = PdfStartFolder(
        settings.value(lastFolderKey).toString(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
    QFileDialog dialog(QApplication::activeWindow(),
                       QStringLiteral("プリンターがありません。PDFファイルに保存します"),
                       QDir(folder).filePath(ProposedPdfFileName(documentName)),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The suffix is added before the overwrite question, so the question covers the real name.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    settings.setValue(lastFolderKey, QFileInfo(path).absolutePath());
    return path;
}

QString LaunchFailureText(const QString& launcher, const QString& reason, const QString& path) {
    return QStringLiteral("別のエディターで開けませんでした（%1：%2）。\n%3")
        .arg(launcher, reason, path);
}

}  // namespace

QObject* LaunchDesktopEditor(const QString& launcher, const QString& path,
                             const std::function<void(const QString&)>& onFailure) {
    // Unparented: a launcher still running when the program ends (xdg-open may wait for the
    // editor) is left alone, where a parent would kill it.
    auto* process = new QProcess;
    QObject::connect(process, &QProcess::errorOccurred, process, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // a crash also ends in finished()
        onFailure(LaunchFailureText(launcher, QStringLiteral("起動できません"), path));
        process->deleteLater();
    });
    QObject::connect(
        process, &QProcess::finished, process, [=](int exitCode, QProcess::ExitStatus exitStatus) {
            if (exitStatus != QProcess::NormalExit)
                onFailure(LaunchFailureText(launcher, QStringLiteral("異常終了"), path));
            else if (exitCode != 0)
                onFailure(LaunchFailureText(launcher, QStringLiteral("終了コード %1").arg(exitCode),
                                            path));
            process->deleteLater();
        });
    // The editor's own output is of no use to the player; the exit status says it all.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(launcher, {path});
    return process;
}

MessageAnswer QtPlatform::ShowMessage(const QString& text, const QString& title,
                                      MessageButtons buttons, MessageIcon icon,
                                      DefaultButton defaultButton) {
    QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    // Without a choice here Qt makes OK or Yes the default, as every question always had.
    if (defaultButton == DefaultButton::Safe)
        box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::No
                                                              : QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

void QtPlatform::OpenInEditor(const QString& path) {
    OpenWithoutDesktop(path);
}

namespace {

/// The desktop's own opener; Windows has one program for files and another for folders.
QString DesktopOpener(const QString& windowsProgram) {
#ifdef Q_OS_WIN
    return windowsProgram;
#else
    Q_UNUSED(windowsProgram);
    return QStringLiteral("xdg-open");
#endif
}

}  // namespace

void QtPlatform::OpenInDesktopEditor(const QString& path) {
    // The player is told, and the file comes back in the program's own window.
    LaunchDesktopEditor(
        DesktopOpener(QStringLiteral("notepad.exe")), path, [this, path](const QString& failure) {
            ShowMessage(failure + QStringLiteral("\nソラマメの画面で開き直します。"),
                        QStringLiteral("ソラマメ"), MessageButtons::Ok, MessageIcon::Warning);
            OpenWithoutDesktop(path);
        });
}

void QtPlatform::ShowFolder(const QString& path) {
    LaunchDesktopEditor(
        DesktopOpener(QStringLiteral("explorer.exe")), path, [this, path](const QString&) {
            ShowMessage(
                QStringLiteral("フォルダーを開けませんでした。ファイルマネージャーで次のフォル"
                               "ダーを開いてください。\n%1")
                    .arg(QDir::toNativeSeparators(path)),
                QStringLiteral("ソラマメ"), MessageButtons::Ok, MessageIcon::Warning);
        });
}

void QtPlatform::ShowNotice(const QString& text, const QString& title) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

QDate QtPlatform::Today() const {
    return QDate::currentDate();
}

int QtPlatform::ScreenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().width() : 1024;
}

int QtPlatform::ScreenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().height() : 768;
}

bool QtPlatform::PrintPage(const QString& documentName, PageOrientation orientation,
                           const std::function<void(PrintSurface&)>& drawPage) {
    const QPrinterInfo target = ChoosePrinter();
    if (target.isNull()) {
        const QString path = AskPdfPath(documentName);
        return !path.isEmpty() && PrintToPdf(path, documentName, orientation, drawPage);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(target.printerName());
    printer.setDocName(documentName);
    return PrintOnPrinter(printer, orientation, drawPage);
}

QStringList QtPlatform::PrinterFontFamilies() const {
    // The card is written in Japanese: the fonts that hold its characters come first, under
    // the names the fonts give themselves in the desktop's language ("IPA P明朝").
    QStringList japanese;
    QStringList others;
    for (const QString& family : QFontDatabase::families()) {
        // "@" names are the vertical-writing twins of the fonts, of no use on a card.
        if (family.startsWith(QLatin1Char('@')))
            continue;
        const bool holdsJapanese =
            QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
        (holdsJapanese ? japanese : others).append(family);
    }
    return japanese + others;
}

}  // namespace common
