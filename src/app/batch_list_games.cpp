#include "app/batch_list_games.h"

#include "app/batch_pdf.h"
#include "common/dates.h"
#include "output/games_overview.h"
#include "store/folder_tree.h"
#include "store/time_limits_file.h"

#include <QDate>
#include <QRegularExpression>

#include <optional>

namespace app {
namespace {

const QString kListOption = QStringLiteral("list-games");
const QString kTodayOption = QStringLiteral("today");

void DeclareListOptions(QCommandLineParser& parser) {
    AddOption(parser, {kListOption,
                       QStringLiteral("Print every game in play, tab-separated: whose move it is, "
                                      "for how many days it has waited and how many are left.")});
    AddOption(parser, {kTodayOption,
                       QStringLiteral("List the games as of DAY (YYYY-MM-DD) instead of today "
                                      "(--list-games)."),
                       QStringLiteral("DAY")});
}

/// The day to list as of: today without --today, none when its value is not a real date.
std::optional<QDate> ListingDay(const BatchContext& context) {
    if (!context.parser.isSet(kTodayOption))
        return QDate::currentDate();
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QString text = context.parser.value(kTodayOption);
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!form.match(text).hasMatch() || !day.isValid())
        return std::nullopt;
    return day;
}

/// Why a game needs a word beside its line; empty when it does not.
QString NoteOf(const output::GameOverviewRow& row) {
    if (!row.note.isEmpty())
        return row.note;
    if (row.timeLimit.endPassed)
        return QStringLiteral("終了日（%1）を過ぎています")
            .arg(common::ShortDate(*row.timeLimit.endDay));
    return QString();
}

int RunList(const BatchContext& context) {
    const std::optional<QDate> today = ListingDay(context);
    if (!today) {
        context.err << QStringLiteral("--today は 2026-12-08 のような日付（年-月-日）です。")
                    << Qt::endl;
        return 2;
    }
    const store::TimeLimitSettings limits =
        store::ReadTimeLimits(context.dataRoot + '/' + store::kTimeLimitsName);
    const QList<output::GameOverviewRow> rows = output::ListGamesInPlay(
        context.dataRoot + '/' + store::kInProgressFolderName, *today, limits);
    context.out << output::OverviewListing(rows);
    context.out.flush();
    // The listing stays one line per game; why a record could not be read, or that a game
    // has passed its end date, goes aside.
    for (const output::GameOverviewRow& row : rows) {
        const QString note = NoteOf(row);
        if (!note.isEmpty())
            context.err << row.opponent << '/' << row.game << ": " << note << Qt::endl;
    }
    return 0;
}

}  // namespace

BatchMode MakeListGamesMode() {
    return BatchMode{kListOption, false, DeclareListOptions, RunList};
}

}  // namespace app
