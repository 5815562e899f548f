// A card's game, or a check typed from a card, against a record: agreement, what differs,
// a card ahead of the record (with the moves it offers) and behind it; and the card's QR
// code encoded and read back in-process through zbar.
#include "cards/card_compare.h"
#include "cards/card_image.h"
#include "cards/card_qr.h"
#include "store/record_file.h"
#include "store/text_file.h"
#include "testing/temp_root.h"

#include <QtTest>

#include <memory>

using namespace postcard;

namespace {

const QString kHeader = QStringLiteral("2026/12/01, 0 , 1 , 33 ,黒");

/// "1:2:1 2:1:1 3:1:2 2:1:1": rows as number:x:y; a number met before takes that stone off.
std::unique_ptr<store::RecordTable> Loaded(const QString& rows) {
    QStringList lines{kHeader};
    for (const QString& row : rows.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = row.split(':');
        lines.append(store::RecordLine(QStringLiteral("12-08-2026"), parts[0].toInt(),
                                       parts[1].toInt(), parts[2].toInt(), QString()));
    }
    TempRoot root;
    auto table = std::make_unique<store::RecordTable>();
    if (!store::WriteTextLines(root.File("game.txt"), lines) ||
        store::ReadRecordFile(root.File("game.txt"), *table) != store::LoadOutcome::Complete)
        table.reset();
    return table;
}

/// White 2 on 1の一 captured by Black 3 and taken off, then White 4 in the centre.
const QString kGame = QStringLiteral("1:2:1 2:1:1 3:1:2 2:1:1 4:10:10");

std::vector<CardGameSource> Sources(const store::RecordTable& table) {
    return {CardGameSource{QStringLiteral("01"), &table, {}}};
}

}  // namespace

class TestCardCheck : public QObject {
    Q_OBJECT
  private slots:
    void compareWithRecord_data() {
        QTest::addColumn<QString>("card");  // the record the card was made from
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("typed");  // when set: typed from the card's check line,
                                             // "a>b" replacing a with b, "code" the code alone
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("proposed");  // number, x, y of each offered move

        const QStringList agree{kPositionsAgree};
        QTest::newRow("equal") << kGame << kGame << "" << agree << QList<int>{};
        QTest::newRow("removal missing: stones and prisoners differ")
            << kGame << "1:2:1 2:1:1 3:1:2 4:10:10"
            << ""
            << QStringList{"第4手までの局面が違います。", "白石 はがき1 棋譜2",
                           "アゲハマ 黒 はがき1 棋譜0"}
            << QList<int>{};
        QTest::newRow("a move on another point")
            << kGame << "1:2:1 2:1:1 3:1:2 2:1:1 4:11:11"
            << "" << QStringList{"第4手が違います（はがき 10の十、棋譜 11の十一）。"}
            << QList<int>{};
        QTest::newRow("card one move ahead")
            << kGame + " 5:16:4" << kGame << ""
            << QStringList{"はがきに、棋譜にない手があります。", "第5手 黒 16の四"}
            << QList<int>{5, 16, 4};
        QTest::newRow("card ahead by a capture, taken off as a click would")
            << kGame << "1:2:1 2:1:1"
            << ""
            << QStringList{"はがきに、棋譜にない手があります。", "第3手 黒 1の二",
                           "第4手 白 10の十"}
            << QList<int>{3, 1, 2, 4, 10, 10};
        QTest::newRow("card behind")
            << "1:2:1 2:1:1" << kGame << ""
            << QStringList{kPositionsAgree, "はがきは第2手まで、棋譜は第4手までです。"}
            << QList<int>{};
        QTest::newRow("typed line agrees") << kGame << kGame << ">" << agree << QList<int>{};
        QTest::newRow("typed line, prisoners miscopied")
            << kGame << kGame << "黒1>黒2"
            << QStringList{"第4手までの局面が違います。", "アゲハマ 黒 はがき2 棋譜1"}
            << QList<int>{};
        QTest::newRow("typed line of an earlier move")
            << "1:2:1 2:1:1" << kGame << ">" << agree << QList<int>{};
        QTest::newRow("typed code, record a move further")
            << "1:2:1 2:1:1 3:1:2 2:1:1" << kGame << "code"
            << QStringList{"符号が違います（はがき %1、棋譜 第4手まで %2）。"} << QList<int>{};
    }
    void compareWithRecord() {
        QFETCH(QString, card);
        QFETCH(QString, own);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, proposed);
        const auto cardTable = Loaded(card);
        const auto ownTable = Loaded(own);
        QVERIFY(cardTable && ownTable);
        const output::PositionCheck cardCheck = output::CheckOfRecord(*cardTable);
        if (typed == QLatin1String("code")) {
            const QString ownCode = output::CheckOfRecord(*ownTable).code;
            QVERIFY(cardCheck.code != ownCode);
            expected[0] = expected[0].arg(cardCheck.code, ownCode);
        }
        if (!typed.isEmpty()) {
            QString line = output::CheckLine(cardCheck);
            line.replace(typed.section('>', 0, 0), typed.section('>', 1));
            const auto parsed =
                output::ParseTypedCheck(typed == QLatin1String("code") ? cardCheck.code : line);
            QVERIFY(parsed);
            QCOMPARE(CompareTypedCheck(*parsed, *ownTable), expected);
            return;
        }
        // The card as its QR code's short form carries it, every move included.
        const std::vector<CardGame> games =
            ReadCardPayload(CardShortForm(Sources(*cardTable), store::kMaxRows));
        QCOMPARE(games.size(), size_t(1));
        const CardComparison comparison = CompareCardWithRecord(games[0], *ownTable);
        QCOMPARE(comparison.texts.mid(0, expected.size()), expected);
        QCOMPARE(comparison.equal, expected.first() == kPositionsAgree);
        QList<int> offered;
        for (const CardMove& move : comparison.proposed)
            offered += {move.number, move.x, move.y};
        QCOMPARE(offered, proposed);
        if (!proposed.isEmpty()) {
            // The moves as the window would add them give the card's position exactly.
            const auto added = WithCardMoves(*ownTable, comparison.proposed);
            QVERIFY(added);
            QCOMPARE(output::CheckOfRecord(*added), cardCheck);
        }
    }

    void qrRoundTrip_data() {
        QTest::addColumn<bool>("shortForm");
        QTest::newRow("SGF") << false;
        QTest::newRow("short form") << true;
    }
    void qrRoundTrip() {
        QFETCH(bool, shortForm);
        const auto table = Loaded(kGame);
        QVERIFY(table);
        const QByteArray payload =
            shortForm ? CardShortForm(Sources(*table), 2) : CardSgf(Sources(*table));
        const std::optional<QrSymbol> symbol = EncodeQr(payload, kQrMaxVersion);
        QVERIFY(symbol);
        QCOMPARE(DecodeQrCodes(QrImage(*symbol, 3)), QList<QByteArray>{payload});
        const std::vector<CardGame> games = ReadCardPayload(payload);
        QCOMPARE(games.size(), size_t(1));
        QCOMPARE(games[0].name, QStringLiteral("01"));
        QCOMPARE(games[0].check, output::CheckOfRecord(*table));
        QCOMPARE(games[0].moves.front().number, shortForm ? 3 : 1);
    }
};

QTEST_GUILESS_MAIN(TestCardCheck)
#include "test_card_check.moc"
