#include "app/due_games_notice.h"

#include "output/games_overview.h"
#include "store/time_limits_file.h"

#include <QTimer>
#include <QWidget>

namespace app {
namespace {

/// Late enough that the window is drawn and in front before any record is read.
constexpr int kDelayAfterShowMs = 500;

}  // namespace

void NoticeDueGamesAfterStart(QWidget& window, const common::AppState& state,
                              common::Platform& platform) {
    QTimer::singleShot(kDelayAfterShowMs, &window, [&state, &platform] {
        const store::TimeLimitSettings limits =
            store::ReadTimeLimits(state.DataFile(store::kTimeLimitsName));
        if (limits.limits.isEmpty() && limits.endDates.isEmpty())
            return;
        const QDate today = platform.Today();
        const QString notice = output::DueGamesNotice(
            output::GamesDueSoon(output::ListGamesInPlay(state.inProgressFolder, today, limits),
                                 today),
            today);
        if (!notice.isEmpty())
            platform.ShowNotice(notice, QStringLiteral("期限のお知らせ"));
    });
}

}  // namespace app
