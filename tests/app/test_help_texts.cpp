// --help of the real program: each option described in Japanese under a Japanese locale and in
// English otherwise, the locale variables read in the C library's order, no option left
// untranslated, and the Japanese lines kept within a terminal's 80 columns.
#include <QtTest>

namespace {

/// The locale variables a run sets; an empty one is left unset.
struct Locale {
    QString lcAll;
    QString lcMessages;
    QString lang;
};

QString HelpUnder(const Locale& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    const QList<std::pair<const char*, QString>> wanted = {
        {"LC_ALL", locale.lcAll}, {"LC_MESSAGES", locale.lcMessages}, {"LANG", locale.lang}};
    for (const auto& [name, value] : wanted) {
        if (!value.isEmpty())
            environment.insert(QString::fromLatin1(name), value);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SORAMAME_PROGRAM), {QStringLiteral("--help")});
    if (!program.waitForFinished(30000) || program.exitCode() != 0)
        return QString();
    return QString::fromUtf8(program.readAllStandardOutput());
}

const QString& JapaneseHelp() {
    static const QString help = HelpUnder({{}, {}, QStringLiteral("ja_JP.UTF-8")});
    return help;
}

const QString& EnglishHelp() {
    static const QString help = HelpUnder({{}, {}, QStringLiteral("en_GB.UTF-8")});
    return help;
}

/// The entry of --name in a help text (its names and its wrapped description), without blanks.
QString EntryOf(const QString& help, const QString& name) {
    const QRegularExpression names(
        QStringLiteral("^  (-\\S+, )*--%1([ ,<]|$)").arg(QRegularExpression::escape(name)));
    QString entry;
    bool inside = false;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("  -")))
            inside = names.match(line).hasMatch();
        else if (!line.startsWith(QLatin1String("  ")))
            inside = false;
        if (inside)
            entry += line;
    }
    return entry.remove(QRegularExpression(QStringLiteral("\\s")));
}

/// The long option names a help text lists.
QStringList OptionNames(const QString& help) {
    QStringList found;
    const QRegularExpression longName(QStringLiteral("^  (?:-\\S+, )*--([a-z-]+)"));
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = longName.match(line);
        if (match.hasMatch())
            found << match.captured(1);
    }
    return found;
}

/// Columns on a terminal: CJK characters and full-width forms take two.
int Columns(const QString& line) {
    int columns = 0;
    for (const QChar c : line)
        columns += c.unicode() >= 0x2E80 ? 2 : 1;
    return columns;
}

bool QtJapaneseCatalogueInstalled() {
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                             QStringLiteral("/qtbase_ja.qm"));
}

QString Squeezed(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

}  // namespace

class TestHelpTexts : public QObject {
    Q_OBJECT

  private slots:
    void optionIsDescribedInTheLocaleLanguage_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        const QList<QStringList> rows = {
            {"data-root", "Keep the games in DIR", "棋譜などのデータを DIR に保存します"},
            {"scale", "Show every window at F times", "すべての画面を F 倍"},
            {"print-record", "record page of OPPONENT/GAME", "の棋譜を A4 の PDF ファイル"},
            {"upto", "after move N", "N 手目の後の局面"},
            {"numbers", "move numbers", "石に手順の番号"},
            {"keep-removed", "removed stones", "取られた石を盤に残して"},
            {"pdf", "The PDF file to write", "書き出す PDF ファイル"},
            {"figures", "kifu figures", "譜に分けて PDF ファイル"},
            {"moves-per-figure", "Moves in each figure", "一譜の手数"},
            {"renumber", "from 1", "譜ごとに手順を 1 から"},
            {"import-sgf", "SGF FILE into a new game", "新しい対局として取り込み"},
            {"opponent", "The opponent", "取り込む対局の相手名"},
            {"game", "The name of the game", "取り込む対局の対局名"},
            {"colour", "Your colour", "自分の石の色"},
            {"export-sgf", "as SGF", "その相手の全対局"},
            {"output", "instead of standard output", "標準出力の代わりに"},
            {"list-games", "Print every game in play", "手番と経過日数を付けて"},
            {"today", "instead of today", "今日の代わりに DAY（YYYY-MM-DD）"},
            {"results-summary", "results summary", "勝ち・負け・ジゴ"},
            {"import-data", "earlier version", "以前の版のデータフォルダー OLD"},
            {"backup", "Copy the whole data root", "バックアップのフォルダーにコピー"},
            {"restore-backup", "Replace the data root", "のバックアップで置き換え"},
        };
        for (const QStringList& row : rows)
            QTest::newRow(qPrintable(row[0])) << row[0] << row[1] << row[2];
    }
    void optionIsDescribedInTheLocaleLanguage() {
        QFETCH(QString, option);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        const QString inJapanese = EntryOf(JapaneseHelp(), option);
        const QString inEnglish = EntryOf(EnglishHelp(), option);
        QVERIFY2(inJapanese.contains(Squeezed(japanese)), qPrintable(inJapanese));
        QVERIFY2(!inJapanese.contains(Squeezed(english)), qPrintable(inJapanese));
        QVERIFY2(inEnglish.contains(Squeezed(english)), qPrintable(inEnglish));
        QVERIFY2(!inEnglish.contains(Squeezed(japanese)), qPrintable(inEnglish));
    }

    void localeVariablesAreReadInOrder_data() {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("LANG ja") << ""
                                 << ""
                                 << "ja_JP.UTF-8" << true;
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "" << false;
        QTest::newRow("LC_ALL C over LANG ja") << "C"
                                               << ""
                                               << "ja_JP.UTF-8" << false;
        QTest::newRow("LC_MESSAGES ja over LANG en") << ""
                                                     << "ja_JP.UTF-8"
                                                     << "en_US.UTF-8" << true;
        QTest::newRow("LC_ALL ja over LC_MESSAGES en") << "ja_JP.eucJP"
                                                       << "en_US.UTF-8"
                                                       << "" << true;
        QTest::newRow("LC_MESSAGES C over LANG ja") << ""
                                                    << "C.UTF-8"
                                                    << "ja_JP.UTF-8" << false;
    }
    void localeVariablesAreReadInOrder() {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(bool, japanese);
        const QString entry = EntryOf(HelpUnder({lcAll, lcMessages, lang}), "data-root");
        QVERIFY2(entry.contains(QStringLiteral("--data-root")), qPrintable(entry));
        QCOMPARE(entry.contains(QStringLiteral("棋譜などのデータ")), japanese);
    }

    /// An option added later without a Japanese description shows up here. Qt's own options
    /// and headings are translated by Qt's catalogue, when the system has it.
    void everyOptionHasAJapaneseDescription() {
        const QStringList names = OptionNames(EnglishHelp());
        QVERIFY2(names.size() >= 20, qPrintable(names.join(' ')));
        QCOMPARE(OptionNames(JapaneseHelp()), names);
        const QStringList qtOwn = {"help", "help-all", "version"};
        const bool qtTranslated = QtJapaneseCatalogueInstalled();
        for (const QString& name : names) {
            if (!qtOwn.contains(name) || qtTranslated)
                QVERIFY2(EntryOf(JapaneseHelp(), name) != EntryOf(EnglishHelp(), name),
                         qPrintable(name));
        }
        if (qtTranslated) {
            QVERIFY(EnglishHelp().startsWith(QLatin1String("Usage:")));
            QVERIFY2(!JapaneseHelp().startsWith(QLatin1String("Usage:")),
                     qPrintable(JapaneseHelp().section('\n', 0, 0)));
            QVERIFY(!JapaneseHelp().contains(QLatin1String("\nOptions:")));
        }
    }

    /// The first line names the program by its path, which the test does not choose.
    void japaneseLinesFitEightyColumns() {
        const QStringList lines = JapaneseHelp().split(QLatin1Char('\n')).mid(1);
        QVERIFY(lines.size() > 20);
        for (const QString& line : lines)
            QVERIFY2(Columns(line) <= 80, qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "test_help_texts.moc"
