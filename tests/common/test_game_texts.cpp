// The handicap and komi texts shared by the windows and the results record.
#include "common/game_texts.h"

#include <QtTest>

class TestGameTexts : public QObject {
    Q_OBJECT
  private slots:
    void handicap_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("even") << 1 << "互先";
        QTest::newRow("no komi") << 2 << "先番または白番";
        QTest::newRow("two stones") << 3 << "２子";
        QTest::newRow("nine stones") << 10 << "９子";
        QTest::newRow("ten stones") << 11 << "１０子";
        QTest::newRow("thirteen stones") << 14 << "１３子";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("fifteen") << 15 << "";
    }
    void handicap() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(common::HandicapText(code), text);
    }

    void komi_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("white nine and a half") << 1 << "コミ白９目半";
        QTest::newRow("white one") << 18 << "コミ白１目";
        QTest::newRow("white half") << 19 << "コミ白半目";
        QTest::newRow("none") << 20 << "コミなし";
        QTest::newRow("black half") << 21 << "コミ黒半目";
        QTest::newRow("black one") << 22 << "コミ黒１目";
        QTest::newRow("black one and a half") << 23 << "コミ黒１目半";
        QTest::newRow("black five and a half") << 31 << "コミ黒５目半";
        QTest::newRow("black six and a half") << 33 << "コミ黒６目半";
        QTest::newRow("black nine and a half") << 39 << "コミ黒９目半";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("forty") << 40 << "";
    }
    void komi() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(common::KomiText(code), text);
        QCOMPARE(common::KomiShortText(code), code == 20 ? text : text.mid(2));
    }

    void everyKomiCodeHasADistinctText() {
        QSet<QString> texts;
        for (int code = 1; code <= 39; ++code)
            texts.insert(common::KomiText(code));
        QCOMPARE(texts.size(), 39);
    }
};

QTEST_GUILESS_MAIN(TestGameTexts)
#include "test_game_texts.moc"
