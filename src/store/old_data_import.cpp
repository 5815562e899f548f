#include "store/old_data_import.h"

#include "common/atomic_file.h"
#include "common/cp932_codec.h"
#include "store/data_root_backup.h"
#include "store/folder_tree.h"
#include "store/record_file.h"
#include "store/record_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace store {
namespace {

/// Where the files are gathered before they move into place; hidden, so that no listing of
/// games ever shows a half-finished import.
const QString kStagingName = QStringLiteral(".以前のデータ取り込み中");
const QString kMessageFolderName = QStringLiteral("Message");
/// Far larger than any data file of the program; a bigger file is not the program's.
constexpr qint64 kMaxImportedFileBytes = 16 * 1024 * 1024;

enum class FileKind { GameInProgress, BackedUpGame, Other };

struct PlannedFile {
    QByteArray source;  // the raw path in the old folder
    QString shown;      // the path as the player reads it
    QString target;     // relative to the data root
    FileKind kind = FileKind::Other;
    bool replaces = false;
};

enum class EntryType { File, Folder, Link, Other };

struct RawEntry {
    QByteArray name;
    EntryType type = EntryType::Other;
};

EntryType TypeOf(const QByteArray& path) {
    struct stat status {};
    if (lstat(path.constData(), &status) != 0)
        return EntryType::Other;
    if (S_ISLNK(status.st_mode))
        return EntryType::Link;
    if (S_ISDIR(status.st_mode))
        return EntryType::Folder;
    return S_ISREG(status.st_mode) ? EntryType::File : EntryType::Other;
}

/// The entries of a folder by their raw names: names that are not UTF-8 would not survive a
/// trip through QString.
QList<RawEntry> ListRaw(const QByteArray& folder) {
    QList<RawEntry> entries;
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr)
        return entries;
    while (const dirent* entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        entries.append({name, TypeOf(folder + '/' + name)});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const RawEntry& a, const RawEntry& b) { return a.name < b.name; });
    return entries;
}

/// The whole content of a regular file at a raw path; nothing when it cannot be read.
std::optional<QByteArray> ReadRaw(const QByteArray& path) {
    const int fd = open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    std::optional<QByteArray> bytes;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_size <= kMaxImportedFileBytes) {
        QByteArray content;
        char buffer[65536];
        ssize_t got = 0;
        while ((got = read(fd, buffer, sizeof buffer)) > 0 &&
               content.size() <= kMaxImportedFileBytes)
            content.append(buffer, got);
        if (got == 0)
            bytes = content;
    }
    close(fd);
    return bytes;
}

bool IsUtf8(QByteArrayView raw) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(raw);
    return !decoder.hasError();
}

bool IsTopLevelDataFile(const QString& name) {
    if (name.compare(kUndoCopyName, Qt::CaseInsensitive) == 0)
        return false;
    return name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
}

/// Files the program writes into a new data root on its own: in a data root without games
/// they are the program's, not the player's, and the old folder's own take their place.
bool MadeByTheProgram(const QString& target) {
    static const QSet<QString> names{
        kTermListName,
        kSettingsFileName,
        QStringLiteral("着手説明.txt"),
        QStringLiteral("検討説明.txt"),
        QStringLiteral("印刷説明.txt"),
        QStringLiteral("登録説明.txt"),
        QStringLiteral("消去説明.txt"),
        QStringLiteral("返信説明.txt"),
        QStringLiteral("宛名説明.txt"),
    };
    return names.contains(target);
}

bool SameBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

QString LoadProblem(LoadOutcome outcome) {
    switch (outcome) {
        case LoadOutcome::Truncated:
            return QStringLiteral("途中に読めない行があります");
        case LoadOutcome::TooLarge:
            return QStringLiteral("棋譜としては大きすぎます");
        default:
            return QStringLiteral("棋譜として読めません");
    }
}

/// Walks the old folder and decides, file by file, what comes in and what is left out.
class ImportPlanner {
  public:
    ImportPlanner(const QString& oldFolder, const QString& dataRoot, OldDataImport& report)
        : oldRoot_(QFile::encodeName(oldFolder)),
          dataRoot_(dataRoot),
          rootHasGames_(CountGames(dataRoot) > 0),
          report_(report) {}

    QList<PlannedFile> Plan() {
        for (const RawEntry& entry : ListRaw(oldRoot_)) {
            const std::optional<QString> name = Name(entry.name, QString());
            if (!name)
                continue;
            const QByteArray source = oldRoot_ + '/' + entry.name;
            if (entry.type == EntryType::Folder && IsDataFolder(*name)) {
                PlanFolder(source, *name, *name, KindBelow(*name), 1);
            } else if (entry.type == EntryType::File && IsTopLevelDataFile(*name)) {
                PlanFile(source, *name, *name, FileKind::Other);
            } else if (name->compare(kUndoCopyName, Qt::CaseInsensitive) == 0) {
                LeaveOut(*name, QStringLiteral("「復 元」のための一時ファイルのため"));
            } else {
                LeaveOut(*name, entry.type == EntryType::Link
                                    ? QStringLiteral("リンクのため")
                                    : QStringLiteral("ソラマメのデータではないため"));
            }
        }
        return planned_;
    }

    bool LooksLikeDataFolder() const { return sawGamesFolder_; }

  private:
    bool IsDataFolder(const QString& name) {
        if (name == kInProgressFolderName || name == kBackedUpFolderName) {
            sawGamesFolder_ = true;
            return true;
        }
        return name == kAddressFolderName || name == kMessageFolderName;
    }

    static FileKind KindBelow(const QString& topFolder) {
        if (topFolder == kInProgressFolderName)
            return FileKind::GameInProgress;
        return topFolder == kBackedUpFolderName ? FileKind::BackedUpGame : FileKind::Other;
    }

    /// The readable name of a raw name, or nothing after leaving the entry out.
    std::optional<QString> Name(const QByteArray& raw, const QString& shownFolder) {
        bool wasShiftJis = false;
        const std::optional<QString> name = ProperFileName(raw, &wasShiftJis);
        if (!name) {
            const QString shown = QString::fromLatin1(raw.toPercentEncoding("", "/"));
            LeaveOut(Joined(shownFolder, shown),
                     QStringLiteral("名前が UTF-8 でもシフト JIS でもなく読めないため"));
            return std::nullopt;
        }
        if (wasShiftJis)
            ++report_.renamedFromShiftJis;
        return name;
    }

    static QString Joined(const QString& folder, const QString& name) {
        return folder.isEmpty() ? name : folder + '/' + name;
    }

    /// A game is a ".txt" file right inside an opponent's folder of a games folder.
    void PlanFolder(const QByteArray& source, const QString& shown, const QString& target,
                    FileKind gamesKind, int depth) {
        for (const RawEntry& entry : ListRaw(source)) {
            const std::optional<QString> name = Name(entry.name, shown);
            if (!name)
                continue;
            const QByteArray from = source + '/' + entry.name;
            const QString shownPath = Joined(shown, *name);
            const QString targetPath = Joined(target, *name);
            if (entry.type == EntryType::Folder) {
                PlanFolder(from, shownPath, targetPath, gamesKind, depth + 1);
            } else if (entry.type == EntryType::File) {
                const bool isGame = gamesKind != FileKind::Other && depth == 2 &&
                                    name->endsWith(QStringLiteral(".txt"));
                PlanFile(from, shownPath, targetPath, isGame ? gamesKind : FileKind::Other);
            } else {
                LeaveOut(shownPath, entry.type == EntryType::Link
                                        ? QStringLiteral("リンクのため")
                                        : QStringLiteral("ふつうのファイルではないため"));
            }
        }
    }

    void PlanFile(const QByteArray& source, const QString& shown, const QString& target,
                  FileKind kind) {
        if (plannedTargets_.contains(target)) {
            LeaveOut(shown, QStringLiteral("同じ名前になるファイルがほかにあるため"));
            return;
        }
        if (const QString blocked = BlockedTarget(target); !blocked.isEmpty()) {
            LeaveOut(shown, blocked);
            return;
        }
        PlannedFile file{source, shown, target, kind, false};
        const QString targetPath = dataRoot_ + '/' + target;
        if (QFileInfo(targetPath).isFile()) {
            const std::optional<QByteArray> bytes = ReadRaw(source);
            if (bytes && SameBytes(targetPath, *bytes)) {
                ++report_.alreadyThere;
                return;
            }
            if (rootHasGames_ || !MadeByTheProgram(target)) {
                LeaveOut(shown, QStringLiteral("同じ名前で内容の違うファイルがすでにあるため"));
                return;
            }
            file.replaces = true;
        }
        plannedTargets_.insert(target);
        planned_.append(file);
    }

    /// Why nothing may be written at the target, or empty: every part of the way that exists
    /// must be a real folder of the data root, and the file itself a file or nothing.
    QString BlockedTarget(const QString& target) const {
        const QStringList parts = target.split('/');
        QString path = dataRoot_;
        for (int i = 0; i < parts.size(); ++i) {
            path += '/' + parts[i];
            const EntryType type = TypeOf(QFile::encodeName(path));
            const bool exists = QFileInfo::exists(path) || type == EntryType::Link;
            if (!exists)
                return {};
            if (type == EntryType::Link)
                return QStringLiteral("データフォルダの同じ場所がリンクのため");
            const bool last = i == parts.size() - 1;
            if (type != (last ? EntryType::File : EntryType::Folder))
                return QStringLiteral("データフォルダの同じ場所に別の種類のものがあるため");
        }
        return {};
    }

    void LeaveOut(const QString& shown, const QString& reason) {
        report_.leftOut.append({shown, reason});
    }

    QByteArray oldRoot_;
    QString dataRoot_;
    bool rootHasGames_ = false;
    OldDataImport& report_;
    QList<PlannedFile> planned_;
    QSet<QString> plannedTargets_;
    bool sawGamesFolder_ = false;
};

/// Copies every planned file into the staging folder and checks each copy byte for byte;
/// the staged names are numbers, so that no name can go wrong on the way.
QString StageFiles(const QList<PlannedFile>& files, const QString& staging, OldDataImport& report) {
    for (int i = 0; i < files.size(); ++i) {
        const PlannedFile& file = files[i];
        const std::optional<QByteArray> bytes = ReadRaw(file.source);
        if (!bytes)
            return QStringLiteral("「%1」を読めませんでした。").arg(file.shown);
        const QString staged = staging + '/' + QString::number(i);
        if (!common::ReplaceFileAtomically(staged, *bytes) || !SameBytes(staged, *bytes))
            return QStringLiteral(
                       "「%1」を書き込めませんでした（ディスクの空きを確かめてくだ"
                       "さい）。")
                .arg(file.target);
        if (ReadRaw(file.source) != bytes)
            return QStringLiteral("「%1」が読み込みの途中で変わりました。").arg(file.shown);
        if (file.kind != FileKind::Other) {
            auto table = std::make_unique<RecordTable>();
            const LoadOutcome outcome = ReadRecordFile(staged, *table);
            if (outcome != LoadOutcome::Complete)
                report.unreadableRecords.append({file.shown, LoadProblem(outcome)});
        }
    }
    return {};
}

/// Moves the staged files into place, one rename each; on any failure every step is taken
/// back, so the data root is as it was.
class StagedMove {
  public:
    StagedMove(const QString& dataRoot, const QString& staging)
        : dataRoot_(dataRoot), staging_(staging) {}

    bool Run(const QList<PlannedFile>& files) {
        for (int i = 0; i < files.size(); ++i) {
            if (!MoveOne(files[i], staging_ + '/' + QString::number(i))) {
                TakeBack();
                return false;
            }
        }
        return true;
    }

  private:
    struct Done {
        QString target;
        QString staged;
        QString aside;  // where a replaced file waits, empty when none was replaced
    };

    bool MakeFolders(const QString& folder) {
        QStringList missing;
        for (QString path = folder; !QFileInfo::exists(path); path = QFileInfo(path).path())
            missing.prepend(path);
        for (const QString& path : missing) {
            if (!QDir().mkdir(path))
                return false;
            madeFolders_.append(path);
        }
        return true;
    }

    bool MoveOne(const PlannedFile& file, const QString& staged) {
        const QString target = dataRoot_ + '/' + file.target;
        if (!MakeFolders(QFileInfo(target).path()))
            return false;
        Done step{target, staged, QString()};
        if (file.replaces) {
            step.aside = staged + QStringLiteral(".before");
            if (rename(QFile::encodeName(target), QFile::encodeName(step.aside)) != 0)
                return false;
        }
        if (rename(QFile::encodeName(staged), QFile::encodeName(target)) != 0) {
            if (!step.aside.isEmpty())
                rename(QFile::encodeName(step.aside), QFile::encodeName(target));
            return false;
        }
        done_.append(step);
        return true;
    }

    void TakeBack() {
        for (auto step = done_.crbegin(); step != done_.crend(); ++step) {
            rename(QFile::encodeName(step->target), QFile::encodeName(step->staged));
            if (!step->aside.isEmpty())
                rename(QFile::encodeName(step->aside), QFile::encodeName(step->target));
        }
        for (auto folder = madeFolders_.crbegin(); folder != madeFolders_.crend(); ++folder)
            QDir().rmdir(*folder);
    }

    QString dataRoot_;
    QString staging_;
    QList<Done> done_;
    QStringList madeFolders_;
};

void Count(const QList<PlannedFile>& files, const QString& dataRoot, OldDataImport& report) {
    QSet<QString> newOpponents;
    for (const PlannedFile& file : files) {
        if (file.kind == FileKind::Other) {
            ++report.otherFiles;
            continue;
        }
        ++(file.kind == FileKind::GameInProgress ? report.gamesInProgress : report.backedUpGames);
        const QString opponent = file.target.section('/', 1, 1);
        const bool known =
            QFileInfo::exists(dataRoot + '/' + kInProgressFolderName + '/' + opponent) ||
            QFileInfo::exists(dataRoot + '/' + kBackedUpFolderName + '/' + opponent);
        if (!known)
            newOpponents.insert(opponent);
    }
    report.opponents = int(newOpponents.size());
}

}  // namespace

std::optional<QString> ProperFileName(QByteArrayView raw, bool* wasShiftJis) {
    if (wasShiftJis != nullptr)
        *wasShiftJis = false;
    if (raw.isEmpty() || raw.contains('/') || raw.contains('\0'))
        return std::nullopt;
    if (IsUtf8(raw))
        return QString::fromUtf8(raw);
    // Only a name that goes back to the very same bytes was Shift-JIS: anything else would be
    // a guess.
    const QByteArray bytes = raw.toByteArray();
    const QString name = common::DecodeCp932(bytes);
    if (name.contains(QChar::ReplacementCharacter) || common::EncodeCp932(name) != bytes ||
        name.contains('/'))
        return std::nullopt;
    if (wasShiftJis != nullptr)
        *wasShiftJis = true;
    return name;
}

OldDataImport ImportOldDataFolder(const QString& oldFolder, const QString& dataRoot) {
    OldDataImport report;
    const QString oldReal = QFileInfo(oldFolder).canonicalFilePath();
    const QString rootReal = QFileInfo(dataRoot).canonicalFilePath();
    if (oldReal.isEmpty() || !QFileInfo(oldReal).isDir()) {
        report.failure = QStringLiteral("フォルダ「%1」が見つかりません。").arg(oldFolder);
        return report;
    }
    if (oldReal == rootReal || oldReal.startsWith(rootReal + '/') ||
        rootReal.startsWith(oldReal + '/')) {
        report.failure = QStringLiteral(
                             "「%1」は今のデータフォルダと重なっているため、取り"
                             "込めません。")
                             .arg(oldFolder);
        return report;
    }
    ImportPlanner planner(oldReal, dataRoot, report);
    const QList<PlannedFile> files = planner.Plan();
    if (!planner.LooksLikeDataFolder()) {
        report = OldDataImport{};
        report.failure = QStringLiteral(
                             "「%1」はソラマメのデータフォルダではありません（%2 も"
                             " %3 もありません）。")
                             .arg(oldFolder, kInProgressFolderName, kBackedUpFolderName);
        return report;
    }
    const QString staging = dataRoot + '/' + kStagingName;
    // A folder left by an import that was cut off is only ever a copy: it goes.
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging)) {
        report.failure = QStringLiteral("データフォルダに書き込めません。");
        return report;
    }
    report.failure = StageFiles(files, staging, report);
    if (report.failure.isEmpty()) {
        Count(files, dataRoot, report);
        if (!StagedMove(dataRoot, staging).Run(files))
            report.failure = QStringLiteral("ファイルをデータフォルダへ移せませんでした。");
    }
    QDir(staging).removeRecursively();
    report.ok = report.failure.isEmpty();
    if (!report.ok) {
        const QString failure = report.failure;
        report = OldDataImport{};
        report.failure = failure + QStringLiteral("\nデータフォルダは元のままです。");
    }
    return report;
}

namespace {

void AppendRemarks(QStringList& lines, const QString& heading, const QList<ImportRemark>& remarks,
                   int maxListed) {
    if (remarks.isEmpty())
        return;
    lines.append(heading);
    const int listed = maxListed < 0 ? int(remarks.size()) : qMin(maxListed, int(remarks.size()));
    for (int i = 0; i < listed; ++i)
        lines.append(QStringLiteral("  %1：%2").arg(remarks[i].path, remarks[i].reason));
    if (listed < remarks.size())
        lines.append(QStringLiteral("  ほか %1 件").arg(remarks.size() - listed));
}

}  // namespace

QString DescribeOldDataImport(const OldDataImport& outcome, int maxListed) {
    if (!outcome.ok)
        return QStringLiteral("以前のデータを取り込めませんでした。\n") + outcome.failure;
    QStringList lines{
        QStringLiteral("以前のデータを取り込みました。"),
        QStringLiteral("新しい対局者 %1 人、対局中の棋譜 %2 局、退避後の棋譜 %3 局、ほかのファイル "
                       "%4 個")
            .arg(outcome.opponents)
            .arg(outcome.gamesInProgress)
            .arg(outcome.backedUpGames)
            .arg(outcome.otherFiles),
    };
    if (outcome.alreadyThere > 0)
        lines.append(QStringLiteral("同じ内容ですでにあったファイル %1 個は、そのままです。")
                         .arg(outcome.alreadyThere));
    if (outcome.renamedFromShiftJis > 0)
        lines.append(QStringLiteral("シフト JIS の名前 %1 個を読める名前に直しました。")
                         .arg(outcome.renamedFromShiftJis));
    AppendRemarks(lines,
                  QStringLiteral("読めないところのある棋譜（そのままの内容で取り込みました）："),
                  outcome.unreadableRecords, maxListed);
    AppendRemarks(lines, QStringLiteral("取り込まなかったもの："), outcome.leftOut, maxListed);
    return lines.join('\n');
}

}  // namespace store
