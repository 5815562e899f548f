// Time limits of correspondence play: days waited without the pauses, the days left on the
// side to move, the most specific limit, and end dates.
#include "cards/reminder_text.h"
#include "output/games_overview.h"
#include "output/time_limits.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

namespace {

const QDate kToday(2026, 12, 8);
const QDate kFifteenDaysAgo(2026, 11, 23);

/// The settings as a file of these lines would give them.
store::TimeLimitSettings Settings(const QStringList& lines) {
    TempRoot root;
    const QString path = root.File(store::kTimeLimitsName);
    if (!store::WriteTextLines(path, lines))
        return {};
    return store::ReadTimeLimits(path);
}

}  // namespace

class TestTimeLimits : public QObject {
    Q_OBJECT
  private slots:
    void standingOfAGame_data() {
        QTest::addColumn<QStringList>("lines");  // of 期限設定.dat
        QTest::addColumn<QDate>("lastDay");
        QTest::addColumn<int>("counted");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("text");
        const QString limit14 = QStringLiteral("期限=14");
        QTest::newRow("14-day limit, waited 15 days")
            << QStringList{limit14} << kFifteenDaysAgo << 15 << -1 << "1日超過";
        QTest::newRow("waited exactly the limit")
            << QStringList{limit14} << QDate(2026, 11, 24) << 14 << 0 << "残り0日";
        QTest::newRow("a 10-day pause inside the days waited")
            << QStringList{limit14, "休み=2026/11/25\t2026/12/04\t旅行"} << kFifteenDaysAgo << 5
            << 9 << "残り9日";
        QTest::newRow("pauses from before the last day, overlapping, counted once")
            << QStringList{limit14, "休み=2026/11/20\t2026/11/25\t旅行",
                           "休み=2026/11/24\t2026/11/26\t入院\t山田"}
            << kFifteenDaysAgo << 12 << 2 << "残り2日";
        QTest::newRow("another opponent's pause and another game's do not count")
            << QStringList{limit14, "休み=2026/11/25\t2026/12/04\t旅行\t鈴木",
                           "休み=2026/11/25\t2026/12/04\t旅行\t山田\t02"}
            << kFifteenDaysAgo << 15 << -1 << "1日超過";
        QTest::newRow("the game's limit beats the opponent's and the default")
            << QStringList{"期限=30\t山田\t01", "期限=7\t山田", limit14} << kFifteenDaysAgo << 15
            << 15 << "残り15日";
        QTest::newRow("the opponent's limit beats the default")
            << QStringList{"期限=7\t山田", limit14} << kFifteenDaysAgo << 15 << -8 << "8日超過";
        QTest::newRow("another game's limit does not hold")
            << QStringList{"期限=30\t山田\t02", "期限=30\t鈴木"} << kFifteenDaysAgo << 15 << 0
            << "";
        QTest::newRow("end date passed") << QStringList{"期限=30", "終了日=2026/12/07\t山田\t01"}
                                         << kFifteenDaysAgo << 15 << 15 << "終了日超過";
        QTest::newRow("end date today has not passed")
            << QStringList{limit14, "終了日=2026/12/08\t山田\t01"} << kFifteenDaysAgo << 15 << -1
            << "1日超過";
        QTest::newRow("record dated in the future waits 0 days")
            << QStringList{limit14} << QDate(2026, 12, 20) << 0 << 14 << "残り14日";
        QTest::newRow("no limit") << QStringList{} << kFifteenDaysAgo << 15 << 0 << "";
    }
    void standingOfAGame() {
        QFETCH(QStringList, lines);
        QFETCH(QDate, lastDay);
        const output::TimeLimitState state =
            output::AssessTimeLimit(Settings(lines), "山田", "01", lastDay, kToday);
        QTEST(state.countedDays, "counted");
        QTEST(state.daysLeft, "left");
        QTEST(output::TimeLimitText(state), "text");
    }

    /// The listing's 期限 and 残り日数, and the urgency order the window sorts by.
    void listingAndUrgency() {
        TempRoot root;
        const auto write = [&root](const QString& game, bool playerIsBlack, const QString& day) {
            const QString relative = game + QStringLiteral(".txt");
            root.Write(relative, {});
            QVERIFY(store::WriteTextLines(
                root.File(relative), {store::HeaderLine(QDate(2026, 11, 1), 1, 31, playerIsBlack),
                                      store::RecordLine(day, 1, 4, 4, QString())}));
        };
        write("甲/待つ", true, "11-28-2026");     // the opponent's move, 10 days
        write("甲/急ぐ", false, "11-28-2026");    // mine, 10 days
        write("乙/過ぎた", false, "11-20-2026");  // mine, 18 days
        write("乙/終了", false, "12-06-2026");    // mine, 2 days, end date passed
        write("丙/無期限", false, "11-01-2026");  // mine, no limit
        const store::TimeLimitSettings limits = Settings(
            {"期限=14\t甲", "期限=14\t乙", "期限=12\t甲\t待つ", "終了日=2026/12/01\t乙\t終了"});
        QList<output::GameOverviewRow> rows = output::ListGamesInPlay(root.path(), kToday, limits);
        const QString listing = output::OverviewListing(rows);
        QVERIFY2(listing.startsWith(QStringLiteral("対局者\t対局名\t手合割\tコミ\t色\t手数\t最終"
                                                   "記録日\t手番\t経過日数\t期限\t残り日数\n")),
                 qPrintable(listing));
        QVERIFY2(listing.contains(QStringLiteral("\t自分\t18\t14\t-4\n")), qPrintable(listing));
        QVERIFY2(listing.contains(QStringLiteral("\t相手\t10\t12\t2\n")), qPrintable(listing));
        QVERIFY2(listing.contains(QStringLiteral("\t自分\t37\t\t\n")), qPrintable(listing));
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return output::UrgencyKey(a) < output::UrgencyKey(b);
        });
        QStringList order;
        for (const output::GameOverviewRow& row : rows)
            order << row.game + ':' + output::TimeLimitText(row.timeLimit);
        QCOMPARE(order.join(' '), QStringLiteral("終了:終了日超過 過ぎた:4日超過 急ぐ:残り4日 "
                                                 "無期限: 待つ:残り2日"));
    }

    /// The settings window changes one scope's entries and leaves the others' lines alone.
    void editingOneScope() {
        store::TimeLimitSettings settings =
            Settings({"期限=14", "期限=10\t山田", "期限=7\t山田\t02",
                      "休み=2026/12/01\t"
                      "2026/12/03\t旅行\t鈴木",
                      "終了日=2027/03/31\t山田\t01"});
        const store::LimitScope game{"山田", "01"};
        QCOMPARE(output::LimitSetAt(settings, game), std::nullopt);
        QCOMPARE(output::LimitSetAt(settings, {"山田", {}}), 10);
        output::SetLimitAt(settings, game, 21);
        output::SetLimitAt(settings, {"山田", {}}, std::nullopt);
        output::SetEndDate(settings, game, QDate(2027, 4, 30));
        QCOMPARE(output::PausesOf(settings, "山田", "01").size(), 0);
        QCOMPARE(output::PausesOf(settings, "鈴木", "01").size(), 1);
        TempRoot root;
        const QString path = root.File(store::kTimeLimitsName);
        QVERIFY(store::WriteTimeLimits(path, settings));
        QStringList lines;
        QVERIFY(store::ReadTextLines(path, lines));
        QCOMPARE(lines, QStringList({"期限=14", "期限=7\t山田\t02", "期限=21\t山田\t01",
                                     "休み=2026/12/01\t2026/12/03\t旅行\t鈴木",
                                     "終了日=2027/04/30\t山田\t01"}));
    }

    /// Which games the start names, with what words, and what the reminder says.
    void dueGamesAndReminders_data() {
        QTest::addColumn<bool>("mine");
        QTest::addColumn<int>("limit");  // 0: none
        QTest::addColumn<int>("counted");
        QTest::addColumn<QDate>("endDay");
        QTest::addColumn<QString>("notice");    // the game's line at start; empty: not named
        QTest::addColumn<QString>("reminder");  // its sentence in the reminder; empty: none
        const QDate none;
        QTest::newRow("mine, over") << true << 14 << 15 << none << "山田　01　1日超過"
                                    << "";
        QTest::newRow("mine, two days left") << true << 14 << 12 << none << "山田　01　残り2日"
                                             << "";
        QTest::newRow("mine, three days left") << true << 14 << 11 << none << ""
                                               << "";
        QTest::newRow("mine, no limit, end date today")
            << true << 0 << 30 << kToday << "山田　01　終了日は今日"
            << "";
        QTest::newRow("mine, end date in two days")
            << true << 14 << 3 << kToday.addDays(2) << "山田　01　残り11日、終了日まで残り2日"
            << "";
        QTest::newRow("mine, end date passed")
            << true << 0 << 3 << kToday.addDays(-1) << "山田　01　終了日超過"
            << "";
        QTest::newRow("theirs, over")
            << false << 14 << 15 << none << ""
            << "対局「01」の第35手を11月23日にお送りしましたが、一手の期限（14日）を1日過ぎて"
               "おります。";
        QTest::newRow("theirs, on the last day") << false << 14 << 14 << none << ""
                                                 << "";
        QTest::newRow("theirs, end date passed")
            << false << 0 << 3 << QDate(2026, 12, 7) << ""
            << "対局「01」の第35手を11月23日にお送りしましたが、終了日（2026年12月7日）を過ぎて"
               "おります。";
    }
    void dueGamesAndReminders() {
        QFETCH(bool, mine);
        QFETCH(int, limit);
        QFETCH(int, counted);
        QFETCH(QDate, endDay);
        QFETCH(QString, notice);
        QFETCH(QString, reminder);
        output::GameOverviewRow row;
        row.opponent = "山田";
        row.game = "01";
        row.moveCount = 35;
        row.lastDay = kFifteenDaysAgo;
        row.turn = mine ? output::Turn::Mine : output::Turn::Theirs;
        row.timeLimit.countedDays = counted;
        if (limit > 0) {
            row.timeLimit.limitDays = limit;
            row.timeLimit.daysLeft = limit - counted;
        }
        if (endDay.isValid()) {
            row.timeLimit.endDay = endDay;
            row.timeLimit.endPassed = kToday > endDay;
        }
        output::GameOverviewRow other = row;  // another opponent's: never in the reminder
        other.opponent = "鈴木";
        const QList<output::GameOverviewRow> rows = {other, row};
        const QString text = output::DueGamesNotice(output::GamesDueSoon({row}, kToday), kToday);
        QCOMPARE(text.section('\n', 2, 2), notice);
        if (!notice.isEmpty())
            QVERIFY(
                text.startsWith(QStringLiteral("自分の手番で、期限を過ぎた対局や期限まで2日以内の"
                                               "対局が1局あります。\n")));
        const QString letter = postcard::ReminderText("山田", rows);
        QCOMPARE(letter.section('\n', 2, 2), reminder);
        if (!reminder.isEmpty())
            QVERIFY(letter.startsWith(QStringLiteral("山田様\n")) && letter.count('\n') == 4);
    }
};

QTEST_GUILESS_MAIN(TestTimeLimits)
#include "test_time_limits.moc"
