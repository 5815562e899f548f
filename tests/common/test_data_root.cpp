// Where the player's data lives: beside a portable copy, in the documents folder for an
// installed program, or where earlier versions kept it when the player's data is there.
#include "common/data_root.h"
#include "testing/temp_root.h"

#include <QtTest>

class TestDataRoot : public QObject {
    Q_OBJECT
  private slots:
    void choice_data() {
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("earlierContent");  // a file in the earlier folder, or none
        QTest::addColumn<QString>("chosen");
        QTest::newRow("portable copy") << true << ""
                                       << "program";
        QTest::newRow("installed, first start") << false << ""
                                                << "documents/ソラマメ";
        QTest::newRow("earlier folder with only the shipped texts") << false << "用語.txt"
                                                                    << "documents/ソラマメ";
        QTest::newRow("earlier folder with games") << false << "対局中棋譜/鈴木/第1局.txt"
                                                   << "earlier";
        QTest::newRow("earlier folder with settings") << false << "KurumiSet.dat"
                                                      << "earlier";
    }
    void choice() {
        QFETCH(bool, portable);
        QFETCH(QString, earlierContent);
        QFETCH(QString, chosen);
        TempRoot top;
        top.Write("program/soramame", "");
        QDir().mkpath(top.File("documents"));
        QDir().mkpath(top.File("earlier/退避後棋譜"));
        if (!earlierContent.isEmpty())
            top.Write("earlier/" + earlierContent, "x");
        const QString root = common::ChooseDataRoot(portable ? top.File("program") : QString(),
                                                    top.File("documents"), top.File("earlier"));
        QCOMPARE(root, top.File(chosen));
        QVERIFY(QFileInfo(root).isDir());
    }
};

QTEST_MAIN(TestDataRoot)
#include "test_data_root.moc"
