#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace store {

/// An entry that a whole copy leaves out, and why, so that the player is told.
struct SkippedEntry {
    /// Relative to the copied folder, with "/" between names.
    QString path;
    QString reason;
};

/// What a copy of a folder tree takes. Links are never followed out of the tree: a link to a
/// file inside it is copied as that file, every other link (to a folder, out of the tree,
/// nowhere) is left out and named, as is anything that is neither a file nor a folder.
struct TreePlan {
    /// Folders to make, parents before their contents.
    QStringList folders;
    struct File {
        QString relative;  // where it goes in the copy
        QString source;    // where it is read from (the target of a link)
    };
    QList<File> files;
    QList<SkippedEntry> skipped;
};

/// Looks through `root`, leaving out its top-level entries named in `leftOut`. `rootWord`
/// names the tree in the reasons ("データフォルダ", "バックアップ").
TreePlan PlanTreeCopy(const QString& root, const QStringList& leftOut, const QString& rootWord);

/// Copies the plan into `to`, a folder just made and empty, then compares every file with its
/// source. Nothing is ever written through a link: every folder and file is made new, and an
/// entry already there makes the copy fail. Returns the failure text, empty on success.
QString CopyAndVerify(const TreePlan& plan, const QString& to);

}  // namespace store
