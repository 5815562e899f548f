#pragma once

#include <QLockFile>
#include <QString>

class QWidget;

namespace app {

/// What became of a start's attempt to take the data root.
enum class LockState {
    Taken,          // this program holds the data root
    HeldElsewhere,  // another running program holds it
    ReadOnlyRoot,   // the data root cannot be written: games can be read, nothing saved
    Blocked,        // something else stands in the way; `problem` says what
};

struct LockResult {
    LockState state = LockState::Blocked;
    QString problem;  // the message for Blocked and ReadOnlyRoot
};

/// One program per data root: the window and every command-line mode that writes hold this
/// lock. It lives in the data root itself as ".soramame.lock", beside the games folders, where
/// no game listing looks. A lock left by a program that died no longer blocks a start.
class DataRootLock {
  public:
    explicit DataRootLock(const QString& dataRoot);
    /// Never waits: whatever stands at the lock's path (a folder, a link, a FIFO) is reported,
    /// never opened.
    LockResult TryLock();

  private:
    QString dataRoot_;
    QLockFile file_;
};

/// Lets a later start on the same data root bring `window` to the front.
void ListenForLaterStarts(const QString& dataRoot, QWidget* window);
/// Asks the program that holds the data root to bring its window to the front; false when it
/// cannot be reached.
bool BringRunningWindowToFront(const QString& dataRoot);

/// The socket through which a later start on `dataRoot` reaches the running window: in a
/// folder only this user can write, named after the data root's real path. Empty when there
/// is no such folder; then no later start is brought forward.
QString LaterStartChannel(const QString& dataRoot);

/// The message for a start on a data root that another program holds.
QString AlreadyRunningText(const QString& dataRoot);
/// The message for such a start once the running program has brought its window forward.
QString BroughtForwardText(const QString& dataRoot);

}  // namespace app
