// The card check of the reply window: an image of a card one move ahead of the record offers
// that move, and the record gets it, dated today, only when the player says yes.
#include "cards/card_qr.h"
#include "postcard/card_check_dialog.h"
#include "store/folder_tree.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/fake_platform.h"
#include "testing/temp_root.h"

#include <QtTest>

#include <memory>

using namespace postcard;

namespace {

const QString kHeader = QStringLiteral("2002/12/01, 0 , 1 , 33 ,黒");

QString Row(int number, int x, int y) {
    return store::RecordLine(QStringLiteral("12-01-2002"), number, x, y, QString());
}

}  // namespace

class TestCardCheckDialog : public QObject {
    Q_OBJECT
  private slots:
    void cardAheadAddsMovesOnlyWhenConfirmed_data() {
        QTest::addColumn<common::MessageAnswer>("answer");
        QTest::addColumn<QStringList>("addedRows");  // number, x, y and date of each row added
        QTest::newRow("yes") << common::MessageAnswer::Yes << QStringList{"3 16 4 12-07-2002"};
        QTest::newRow("no") << common::MessageAnswer::No << QStringList{};
    }
    void cardAheadAddsMovesOnlyWhenConfirmed() {
        QFETCH(common::MessageAnswer, answer);
        QFETCH(QStringList, addedRows);
        TempRoot root;
        common::AppState state;
        state.dataRoot = root.path();
        state.currentGamesFolder = root.File(store::kInProgressFolderName);
        QDir().mkpath(state.currentGamesFolder + "/佐藤");
        const QStringList record{kHeader, Row(1, 4, 4), Row(2, 16, 16)};
        QVERIFY(store::WriteTextLines(state.RecordPath("佐藤", "01"), record));
        // The opponent's card, printed after move 3.
        QVERIFY(store::WriteTextLines(root.File("ahead.txt"), record + QStringList{Row(3, 16, 4)}));
        store::RecordTable ahead;
        QCOMPARE(store::ReadRecordFile(root.File("ahead.txt"), ahead),
                 store::LoadOutcome::Complete);
        const std::optional<CardQr> qr = MakeCardQr({{"01", &ahead, {}}});
        QVERIFY(qr);
        QVERIFY(QrImage(qr->symbol, 4).save(root.File("card.png")));

        FakePlatform platform;
        platform.scriptedAnswers = {answer};
        CardCheckDialog dialog(state, platform, "佐藤", {"01"});
        dialog.CheckCardImage(root.File("card.png"));
        QCOMPARE(dialog.Outcome().split('\n').mid(0, 2),
                 QStringList({"01：はがきに、棋譜にない手があります。", "01：第3手 黒 16の四"}));
        QCOMPARE(platform.messages.size(), 1);

        store::RecordTable now;
        QCOMPARE(store::ReadRecordFile(state.RecordPath("佐藤", "01"), now),
                 store::LoadOutcome::Complete);
        QStringList added;
        for (int r = 3; r <= now.lastRow; ++r) {
            added.append(QStringLiteral("%1 %2 %3 %4")
                             .arg(now.rows[r].number)
                             .arg(now.rows[r].x)
                             .arg(now.rows[r].y)
                             .arg(now.rows[r].date.trimmed()));
        }
        QCOMPARE(added, addedRows);
        QCOMPARE(state.replyStale, !addedRows.isEmpty());
    }
};

QTEST_MAIN(TestCardCheckDialog)
#include "test_card_check_dialog.moc"
