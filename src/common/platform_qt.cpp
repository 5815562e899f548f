#include "common/platform_qt.h"

#include "common/pdf_save_path.h"
#include "common/qt_print_surface.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
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
#include <QUrl>

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

}  // namespace

MessageAnswer QtPlatform::ShowMessage(const QString& text, const QString& title,
                                      MessageButtons buttons, MessageIcon icon) {
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
#ifdef Q_OS_WIN
    QProcess::startDetached(QStringLiteral("notepad.exe"), {path});
#else
    // The editor is asked for the file even when it is missing, as a new empty file.
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    // Without xdg-open (or any launcher) Qt only writes to stderr: the player must still
    // see the file, so it opens in the program's own window.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        OpenWithoutDesktop(path);
#endif
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
