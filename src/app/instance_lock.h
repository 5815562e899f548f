#pragma once

#include <QLockFile>
#include <QString>

class QWidget;

namespace app {

/// One program per data root: the window and every command-line mode that writes hold this
/// lock. It lives in the data root itself as ".soramame.lock", beside the games folders, where
/// no game listing looks. A lock left by a program that died no longer blocks a start.
class DataRootLock {
  public:
    explicit DataRootLock(const QString& dataRoot);
    /// False when another running program holds the data root.
    bool TryLock();

  private:
    QLockFile file_;
};

/// Lets a later start on the same data root bring `window` to the front.
void ListenForLaterStarts(const QString& dataRoot, QWidget* window);
/// Asks the program that holds the data root to bring its window to the front; false when it
/// cannot be reached.
bool BringRunningWindowToFront(const QString& dataRoot);

/// The socket through which a later start on `dataRoot` reaches the running window.
QString LaterStartChannel(const QString& dataRoot);

/// The message for a start on a data root that another program holds.
QString AlreadyRunningText(const QString& dataRoot);

}  // namespace app
