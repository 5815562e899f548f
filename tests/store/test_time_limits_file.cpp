// The time limits file: exact bytes, a round trip, damaged lines left out, and entries the
// reader could not take back refused before anything is written.
#include "common/cp932_codec.h"
#include "store/time_limits_file.h"
#include "testing/temp_root.h"

#include <QTest>

namespace {

const store::LimitScope kEveryGame;
const store::LimitScope kYamada{QStringLiteral("山田"), QString()};
const store::LimitScope kYamada01{QStringLiteral("山田"), QStringLiteral("01")};

store::TimeLimitSettings Sample() {
    store::TimeLimitSettings settings;
    settings.limits = {{kEveryGame, 14}, {kYamada, 10}};
    settings.pauses = {{kEveryGame, QDate(2026, 12, 1), QDate(2026, 12, 10), "旅行"}};
    settings.endDates = {{kYamada01, QDate(2027, 3, 31)}};
    return settings;
}

}  // namespace

Q_DECLARE_METATYPE(store::TimeLimitSettings)

class TestTimeLimitsFile : public QObject {
    Q_OBJECT

  private slots:
    void fileBytesAndRoundTrip() {
        TempRoot root;
        const QString path = root.File(store::kTimeLimitsName);
        QCOMPARE(store::ReadTimeLimits(path), store::TimeLimitSettings());
        QVERIFY(store::WriteTimeLimits(path, Sample()));
        QCOMPARE(root.Read(store::kTimeLimitsName),
                 QByteArray("\x8a\xfa\x8c\xc0=14\r\n"
                            "\x8a\xfa\x8c\xc0=10\t\x8eR\x93"
                            "c\r\n"
                            "\x8bx\x82\xdd=2026/12/01\t2026/12/10\t\x97\xb7\x8ds\r\n"
                            "\x8fI\x97\xb9\x93\xfa=2027/03/31\t\x8eR\x93"
                            "c\t01\r\n"));
        QCOMPARE(store::ReadTimeLimits(path), Sample());
        // Every scope of a pause comes back, and a tab in a reason does not split the line.
        store::TimeLimitSettings more = Sample();
        more.limits.append({kYamada01, 21});
        more.pauses.append({kYamada01, QDate(2027, 1, 2), QDate(2027, 1, 2), "入院\tのため"});
        QVERIFY(store::WriteTimeLimits(path, more));
        more.pauses.last().reason = QStringLiteral("入院 のため");
        QCOMPARE(store::ReadTimeLimits(path), more);
    }

    void damagedLinesAreLeftOut_data() {
        QTest::addColumn<QByteArray>("line");
        const auto cp932 = [](const char* text) { return common::EncodeCp932(QString(text)); };
        QTest::newRow("limit not a number") << cp932("期限=十四");
        QTest::newRow("limit of 0 days") << cp932("期限=0");
        QTest::newRow("limit over ten years") << cp932("期限=3651");
        QTest::newRow("empty opponent") << cp932("期限=14\t\t01");
        QTest::newRow("too many fields") << cp932("期限=14\t山田\t01\t02");
        QTest::newRow("pause ends before it starts") << cp932("休み=2026/12/10\t2026/12/01\t逆");
        QTest::newRow("pause without reason field") << cp932("休み=2026/12/01\t2026/12/10");
        QTest::newRow("month 13") << cp932("休み=2026/13/01\t2026/12/10\t旅行");
        QTest::newRow("end date without game") << cp932("終了日=2027/03/31\t山田");
        QTest::newRow("unknown key") << cp932("持ち時間=14");
        QTest::newRow("no key") << cp932("期限14");
        QTest::newRow("bytes that are not CP932") << QByteArray("\xff\xfe=\x81\t\x80");
    }
    void damagedLinesAreLeftOut() {
        QFETCH(QByteArray, line);
        TempRoot root;
        root.Write(store::kTimeLimitsName,
                   common::EncodeCp932(QStringLiteral("期限=14\r\n")) + line + "\r\n" +
                       common::EncodeCp932(QStringLiteral("終了日=2027/03/31\t山田\t01\n")));
        store::TimeLimitSettings expected;
        expected.limits = {{kEveryGame, 14}};
        expected.endDates = {{kYamada01, QDate(2027, 3, 31)}};
        QCOMPARE(store::ReadTimeLimits(root.File(store::kTimeLimitsName)), expected);
    }

    void refusesWhatCouldNotBeReadBack_data() {
        QTest::addColumn<store::TimeLimitSettings>("settings");
        const auto limit = [](const store::LimitScope& scope, int days) {
            store::TimeLimitSettings settings;
            settings.limits = {{scope, days}};
            return settings;
        };
        QTest::newRow("0 days") << limit(kEveryGame, 0);
        QTest::newRow("game without opponent") << limit({QString(), "01"}, 14);
        QTest::newRow("tab in a name") << limit({"山\t田", QString()}, 14);
        QTest::newRow("name CP932 lacks") << limit({"山田😀", QString()}, 14);
        store::TimeLimitSettings reversed;
        reversed.pauses = {{kEveryGame, QDate(2026, 12, 10), QDate(2026, 12, 1), "逆"}};
        QTest::newRow("pause ending before it starts") << reversed;
        store::TimeLimitSettings endForAll;
        endForAll.endDates = {{kYamada, QDate(2027, 3, 31)}};
        QTest::newRow("end date without game") << endForAll;
    }
    void refusesWhatCouldNotBeReadBack() {
        QFETCH(store::TimeLimitSettings, settings);
        TempRoot root;
        const QString path = root.File(store::kTimeLimitsName);
        QVERIFY(store::WriteTimeLimits(path, Sample()));
        const QByteArray before = root.Read(store::kTimeLimitsName);
        QVERIFY(!store::WriteTimeLimits(path, settings));
        QCOMPARE(root.Read(store::kTimeLimitsName), before);
    }
};

QTEST_GUILESS_MAIN(TestTimeLimitsFile)
#include "test_time_limits_file.moc"
