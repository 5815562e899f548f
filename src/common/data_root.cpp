#include "common/data_root.h"

#include "common/cp932_codec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace common {
namespace {

bool FolderIsWritable(const QString& folder) {
    QTemporaryFile probe(folder + "/.write-probe-XXXXXX");
    return probe.open();
}

/// The shipped text (UTF-8 with LF in the resources) as the program's files carry it.
QByteArray ToFileBytes(const QByteArray& utf8) {
    QString text = QString::fromUtf8(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return EncodeCp932(text);
}

}  // namespace

QString ChooseDataRoot(const QString& programFolder, const QString& documentsFolder,
                       const QString& earlierUserDataFolder) {
    if (!programFolder.isEmpty() && FolderIsWritable(programFolder))
        return programFolder;
    if (!earlierUserDataFolder.isEmpty() && HoldsPlayerData(earlierUserDataFolder))
        return earlierUserDataFolder;
    const QString visible = documentsFolder + '/' + kDocumentsDataFolderName;
    QDir().mkpath(visible);
    return visible;
}

bool HoldsPlayerData(const QString& folder) {
    const QStringList shipped = ShippedDataFiles();
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = files.next().mid(folder.size() + 1);
        if (!shipped.contains(relative) && relative != QLatin1String(".soramame.lock"))
            return true;
    }
    return false;
}

QStringList ShippedDataFiles() {
    return {QStringLiteral("用語.txt"),     QStringLiteral("着手説明.txt"),
            QStringLiteral("検討説明.txt"), QStringLiteral("印刷説明.txt"),
            QStringLiteral("登録説明.txt"), QStringLiteral("消去説明.txt"),
            QStringLiteral("返信説明.txt"), QStringLiteral("宛名説明.txt")};
}

void InstallShippedFiles(const QString& dataRoot) {
    for (const QString& name : ShippedDataFiles()) {
        const QString target = dataRoot + "/" + name;
        if (QFileInfo::exists(target))
            continue;
        QFile source(":/data/" + name);
        if (!source.open(QIODevice::ReadOnly))
            continue;
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly))
            continue;
        // A shipped file cut short by a full disk must not take the place of the next try.
        const QByteArray bytes = ToFileBytes(source.readAll());
        if (out.write(bytes) != bytes.size() || !out.flush())
            out.cancelWriting();
        else
            out.commit();
    }
}

}  // namespace common
