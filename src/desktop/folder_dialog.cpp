#include "desktop/folder_dialog.h"

#include "common/pdf_save_path.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>

namespace common {
namespace {

const QString kLastFolderKey = QStringLiteral("folders/lastFolder");

/// Qt's folder dialog answers with the folders chosen in its list before the typed text, and
/// with the folder it shows when neither is there; a dialog of the desktop may do otherwise.
/// Here a typed path that names a folder is the answer, whatever the list shows.
class FolderDialog : public QFileDialog {
  public:
    FolderDialog(QWidget* parent, const QString& title, const QString& start)
        : QFileDialog(parent, title, start) {
        setFileMode(QFileDialog::Directory);
        // Qt's own dialog on every desktop: only in it can the typed path be read.
        setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }

    void accept() override {
        const auto* box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        typedFolder_ =
            box != nullptr ? TypedFolder(box->text(), directory().absolutePath()) : QString();
        if (!typedFolder_.isEmpty())
            QDialog::accept();
        else
            QFileDialog::accept();  // says so when the typed folder does not exist
    }

    QString ChosenFolder() const {
        if (!typedFolder_.isEmpty())
            return typedFolder_;
        const QStringList chosen = selectedFiles();
        return chosen.isEmpty() ? QString() : QDir::cleanPath(chosen.first());
    }

  private:
    QString typedFolder_;
};

}  // namespace

QString TypedFolder(const QString& typed, const QString& shownFolder) {
    QString path = typed.trimmed();
    if (path.isEmpty())
        return {};
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    path = QDir::cleanPath(QDir(shownFolder).absoluteFilePath(path));
    return QFileInfo(path).isDir() ? path : QString();
}

QString AskFolder(QWidget* parent, const QString& title) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("soramame"),
                       QStringLiteral("soramame"));
    const QString start = PdfStartFolder(
        settings.value(kLastFolderKey).toString(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
    FolderDialog dialog(parent, title, start);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString folder = dialog.ChosenFolder();
    if (!folder.isEmpty())
        settings.setValue(kLastFolderKey, folder);
    return folder;
}

}  // namespace common
