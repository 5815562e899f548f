// Where the PDF save dialog starts and which file name it offers.
#include "common/pdf_save_path.h"
#include "testing/temp_root.h"

#include <QDir>
#include <QtTest>

class TestPdfSavePath : public QObject {
    Q_OBJECT

  private slots:
    void proposedFileName_data() {
        QTest::addColumn<QString>("documentName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("棋譜") << "ソラマメ棋譜 山田 01"
                              << "ソラマメ棋譜 山田 01.pdf";
        QTest::newRow("名前に区切り") << "ソラマメ返信 a/b:c*?"
                                      << "ソラマメ返信 a_b_c__.pdf";
        QTest::newRow("隠しファイルにしない") << "..x"
                                              << "ソラマメ..x.pdf";
        QTest::newRow("空") << "  "
                            << "ソラマメ.pdf";
    }
    void proposedFileName() {
        QFETCH(QString, documentName);
        QFETCH(QString, fileName);
        QCOMPARE(common::ProposedPdfFileName(documentName), fileName);
    }

    void startFolder_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("documents");
        QTest::addColumn<QString>("expected");
        QTest::newRow("前回の場所") << "last"
                                    << "docs"
                                    << "last";
        QTest::newRow("前回の場所が消えた") << "gone"
                                            << "docs"
                                            << "docs";
        QTest::newRow("初めて") << ""
                                << "docs"
                                << "docs";
        QTest::newRow("文書フォルダーなし") << ""
                                            << "gone"
                                            << "home";
    }
    void startFolder() {
        QFETCH(QString, last);
        QFETCH(QString, documents);
        QFETCH(QString, expected);
        TempRoot root;
        for (const char* folder : {"last", "docs", "home"})
            QDir(root.path()).mkpath(folder);
        auto inRoot = [&root](const QString& name) {
            return name.isEmpty() ? name : root.File(name);
        };
        QCOMPARE(common::PdfStartFolder(inRoot(last), inRoot(documents), root.File("home")),
                 root.File(expected));
    }
};

QTEST_MAIN(TestPdfSavePath)
#include "test_pdf_save_path.moc"
