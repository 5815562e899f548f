// The 成績 window never shows a count it could not read: a line it cannot read is named by
// file, number and text, and a record it cannot read at all shows no counts.
#include "common/app_state.h"
#include "common/cp932_codec.h"
#include "testing/temp_root.h"
#include "views/results_summary_window.h"

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList Rows(const QTableWidget* table) {
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells.append(table->item(r, c)->text());
        rows.append(cells.join(' '));
    }
    return rows;
}

const QString kLost = QStringLiteral("山田 01局 互先(黒) コミ黒６目半 [黒1目半負け] 2002/12/07");
const QString kWon = QStringLiteral("鈴木 02局 ２子(白) コミなし [白3目勝ち] 2003/01/10");

}  // namespace

class TestResultsSummaryWindow : public QObject {
    Q_OBJECT

  private slots:
    void showsOnlyWhatItRead_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("tallies");
        QTest::addColumn<QString>("note");
        const QStringList both{"山田 0 1 0 1", "鈴木 1 0 0 1", "合計 1 1 0 2"};
        QTest::newRow("Shift-JIS")
            << common::EncodeCp932(kLost + "\r\n" + kWon + "\r\n") << both << QString();
        QTest::newRow("UTF-8") << (kLost + "\n" + kWon + "\n").toUtf8() << both << QString();
        // Markup in a quoted line stays text.
        QTest::newRow("a line that is no result")
            << common::EncodeCp932(kLost + "\r\n<b>メモ</b>\r\n" + kWon + "\r\n") << both
            << "対戦記録.txt の 2 行目を結果として読めません：<b>メモ</b>\n"
               "読めない行は数えていません。";
        QByteArray manyNotes;
        for (int i = 1; i <= 7; ++i)
            manyNotes += "note" + QByteArray::number(i) + "\r\n";
        QTest::newRow("more unread lines than are named")
            << manyNotes + common::EncodeCp932(kWon + "\r\n")
            << QStringList{"鈴木 1 0 0 1", "合計 1 0 0 1"}
            << "対戦記録.txt の 1 行目を結果として読めません：note1\n"
               "対戦記録.txt の 2 行目を結果として読めません：note2\n"
               "対戦記録.txt の 3 行目を結果として読めません：note3\n"
               "対戦記録.txt の 4 行目を結果として読めません：note4\n"
               "対戦記録.txt の 5 行目を結果として読めません：note5\n"
               "ほかに 2 行あります。\n"
               "読めない行は数えていません。";
    }
    void showsOnlyWhatItRead() {
        QFETCH(QByteArray, record);
        TempRoot root;
        root.Write(QStringLiteral("対戦記録.txt"), record);
        common::AppState state;
        state.dataRoot = root.path();
        const views::ResultsSummaryWindow window(state);
        QTEST(Rows(window.tallies()), "tallies");
        QTEST(window.note()->text(), "note");
        QCOMPARE(window.note()->textFormat(), Qt::PlainText);
    }

    void anUnreadableRecordShowsNoCounts() {
        TempRoot root;
        // A folder where the file should be: nothing can be read, so no total of 0 either.
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("対戦記録.txt")));
        common::AppState state;
        state.dataRoot = root.path();
        const views::ResultsSummaryWindow window(state);
        QCOMPARE(window.tallies()->rowCount(), 0);
        QCOMPARE(window.games()->rowCount(), 0);
        QCOMPARE(
            window.note()->text(),
            QStringLiteral("対戦記録.txt を読めません（%1）。").arg(root.File("対戦記録.txt")));
    }
};

QTEST_MAIN(TestResultsSummaryWindow)
#include "test_results_summary_window.moc"
