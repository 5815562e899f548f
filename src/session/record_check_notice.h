#pragma once

#include <QString>
#include <QStringList>

#include <map>

namespace session {

/// The record check as the main window shows it when a game is chosen or saved: the findings
/// of the record in words, each set told once per game, so that choosing the game again does
/// not repeat a warning the player has seen, while a new mistake is told at once.
class RecordCheckNotices {
  public:
    /// The warning for the record file, or empty when the record is clean, cannot be read
    /// whole (the window says so itself) or this game's findings were told already.
    QString NoticeFor(const QString& recordPath);

  private:
    std::map<QString, QStringList> told_;
};

/// The warning for a record's findings, one a line, the first headed "棋譜の確認："; beyond
/// two, the first and the number of the others, so that it fits the guide box.
QString RecordCheckNoticeText(const QStringList& findings);

}  // namespace session
