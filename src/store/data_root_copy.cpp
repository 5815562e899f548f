#include "store/data_root_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace store {
namespace {

/// Files of any size are copied and compared in pieces of this size.
constexpr qint64 kChunkBytes = 1024 * 1024;

bool LiesWithin(const QString& canonicalPath, const QString& canonicalRoot) {
    return canonicalPath == canonicalRoot || canonicalPath.startsWith(canonicalRoot + '/');
}

class TreeWalk {
  public:
    TreeWalk(const QString& root, const QStringList& leftOut, const QString& rootWord)
        : root_(QFileInfo(root).absoluteFilePath()),
          canonicalRoot_(QFileInfo(root).canonicalFilePath()),
          leftOut_(leftOut),
          rootWord_(rootWord) {}

    TreePlan Walk() {
        Visit(QString());
        return std::move(plan_);
    }

  private:
    void Visit(const QString& relative) {
        const QDir folder(relative.isEmpty() ? root_ : root_ + '/' + relative);
        const QFileInfoList entries = folder.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries) {
            if (relative.isEmpty() && leftOut_.contains(entry.fileName()))
                continue;
            const QString path =
                relative.isEmpty() ? entry.fileName() : relative + '/' + entry.fileName();
            if (entry.isSymLink())
                TakeLink(entry, path);
            else if (entry.isDir())
                TakeFolder(entry, path);
            else if (entry.isFile())
                plan_.files.append({path, entry.absoluteFilePath()});
            else
                Skip(path, QStringLiteral("普通のファイルでもフォルダでもありません"));
        }
    }

    void TakeFolder(const QFileInfo& entry, const QString& path) {
        // An unreadable folder lists as empty: it must not pass as copied.
        if (!entry.isReadable() || !entry.isExecutable()) {
            Skip(path, QStringLiteral("中を読めないフォルダです"));
            return;
        }
        plan_.folders.append(path);
        Visit(path);
    }

    void TakeLink(const QFileInfo& entry, const QString& path) {
        const QString target = entry.canonicalFilePath();
        if (target.isEmpty()) {
            Skip(path, QStringLiteral("リンク先がないリンクです"));
        } else if (canonicalRoot_.isEmpty() || !LiesWithin(target, canonicalRoot_)) {
            Skip(path, QStringLiteral("%1の外（%2）を指すリンクです")
                           .arg(rootWord_, QDir::toNativeSeparators(target)));
        } else if (QFileInfo(target).isFile()) {
            plan_.files.append({path, target});
        } else if (target == canonicalRoot_) {
            Skip(path, QStringLiteral("%1そのものを指すリンクです").arg(rootWord_));
        } else if (QFileInfo(target).isDir()) {
            // The folder itself is copied where it really is; a second copy through the link
            // could go round in circles.
            const QString inside = QDir(canonicalRoot_).relativeFilePath(target);
            Skip(path, QStringLiteral("%1の中の「%2」を指すリンクです（「%2」はコピーします）")
                           .arg(rootWord_, inside));
        } else {
            Skip(path, QStringLiteral("普通のファイルでもフォルダでもないものを指すリンクです"));
        }
    }

    void Skip(const QString& path, const QString& reason) { plan_.skipped.append({path, reason}); }

    const QString root_;
    const QString canonicalRoot_;
    const QStringList leftOut_;
    const QString rootWord_;
    TreePlan plan_;
};

/// Copies one file into a new file: an entry already at `to`, a planted link above all, makes
/// the copy fail instead of being written through.
bool CopyOneFile(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray piece = in.read(kChunkBytes);
        if (in.error() != QFileDevice::NoError || out.write(piece) != piece.size())
            return false;
    }
    // A full disk shows only when the buffer is flushed.
    return in.error() == QFileDevice::NoError && out.flush() && out.error() == QFileDevice::NoError;
}

bool SameBytes(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.size() != second.size())
        return false;
    while (!first.atEnd()) {
        if (first.read(kChunkBytes) != second.read(kChunkBytes))
            return false;
    }
    return first.error() == QFileDevice::NoError && second.atEnd();
}

}  // namespace

TreePlan PlanTreeCopy(const QString& root, const QStringList& leftOut, const QString& rootWord) {
    return TreeWalk(root, leftOut, rootWord).Walk();
}

QString CopyAndVerify(const TreePlan& plan, const QString& to) {
    // mkdir, not mkpath: a folder (or link) already there is never taken over.
    for (const QString& folder : plan.folders) {
        if (!QDir().mkdir(to + '/' + folder))
            return QStringLiteral("フォルダ「%1」を作れませんでした。").arg(folder);
    }
    for (const TreePlan::File& file : plan.files) {
        if (!CopyOneFile(file.source, to + '/' + file.relative))
            return QStringLiteral(
                       "「%1」をコピーできませんでした（空き容量が足りない、"
                       "または書き込みが許されていません）。")
                .arg(file.relative);
    }
    for (const TreePlan::File& file : plan.files) {
        if (!SameBytes(file.source, to + '/' + file.relative))
            return QStringLiteral("「%1」のコピーが元のファイルと一致しません。")
                .arg(file.relative);
    }
    return {};
}

}  // namespace store
