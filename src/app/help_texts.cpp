#include "app/help_texts.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

namespace app {
namespace {

/// Japanese descriptions by option name. Qt wraps a description by counting characters, so a
/// Japanese one, twice as wide on the terminal, breaks its own lines to stay within 80 columns.
const QHash<QString, QString>& JapaneseDescriptions() {
    static const QHash<QString, QString> table = {
        {QStringLiteral("data-root"), QStringLiteral("棋譜などのデータを DIR に保存します。")},
        {QStringLiteral("scale"), QStringLiteral("すべての画面を F 倍（0.7～2）の大きさで表示し\n"
                                                 "ます（オプション設定の表示サイズより優先）。")},
        {QStringLiteral("print-record"),
         QStringLiteral("対局 OPPONENT/GAME の棋譜を A4 の PDF ファイル\n"
                        "に書き出します。")},
        {QStringLiteral("upto"),
         QStringLiteral("N 手目の後の局面を印刷します\n（--print-record）。")},
        {QStringLiteral("numbers"), QStringLiteral("石に手順の番号を書きます（--print-record）。")},
        {QStringLiteral("keep-removed"),
         QStringLiteral("取られた石を盤に残して印刷します\n（--print-record）。")},
        {QStringLiteral("pdf"), QStringLiteral("書き出す PDF ファイル。")},
        {QStringLiteral("figures"), QStringLiteral("対局 OPPONENT/GAME を譜に分けて PDF ファイル\n"
                                                   "に書き出します。")},
        {QStringLiteral("moves-per-figure"),
         QStringLiteral("一譜の手数（既定は 100、0 で全局を一譜に）。")},
        {QStringLiteral("renumber"),
         QStringLiteral("譜ごとに手順を 1 から数えます（--figures）。")},
        {QStringLiteral("import-sgf"),
         QStringLiteral("SGF ファイル FILE を新しい対局として取り込み\nます。")},
        {QStringLiteral("opponent"), QStringLiteral("取り込む対局の相手名（--import-sgf）。")},
        {QStringLiteral("game"), QStringLiteral("取り込む対局の対局名（--import-sgf）。")},
        {QStringLiteral("colour"),
         QStringLiteral("自分の石の色：黒（既定）か 白\n（--import-sgf）。")},
        {QStringLiteral("export-sgf"), QStringLiteral("対局 OPPONENT/GAME（OPPONENT だけのときは\n"
                                                      "その相手の全対局）を SGF で書き出します。")},
        {QStringLiteral("output"),
         QStringLiteral(
             "標準出力の代わりに FILE に書き出します\n（--export-sgf、--score-graph）。")},
        {QStringLiteral("list-games"),
         QStringLiteral("対局中のすべての対局を、手番と経過日数を付けて\n"
                        "タブ区切りで表示します。")},
        {QStringLiteral("today"),
         QStringLiteral(
             "今日の代わりに DAY（YYYY-MM-DD）の日付で\n一覧にします（--list-games）。")},
        {QStringLiteral("results-summary"),
         QStringLiteral("対戦記録から、相手ごとと合計の勝ち・負け・\n"
                        "ジゴと、対局ごとの最後の結果をタブ区切りで\n"
                        "表示します。")},
        {QStringLiteral("import-data"),
         QStringLiteral("以前の版のデータフォルダー OLD を取り込みます\n"
                        "（今あるファイルは置き換えません）。")},
        {QStringLiteral("backup"), QStringLiteral("データフォルダー全体を、DIR の中に作る\n"
                                                  "バックアップのフォルダーにコピーします。")},
        {QStringLiteral("restore-backup"),
         QStringLiteral("データフォルダーを DIR のバックアップで\n"
                        "置き換えます（今のデータフォルダーは別の\n"
                        "名前で残します）。")},
        {QStringLiteral("check-record"),
         QStringLiteral("対局 OPPONENT/GAME の棋譜を碁のルールで並べ\n"
                        "直し、実際の対局にありえない所を一行ずつ表示\n"
                        "します（見つかったときは終了状態 1）。")},
        {QStringLiteral("print-reply"),
         QStringLiteral("相手 OPPONENT への返信はがきを PDF ファイル\n"
                        "に書き出します。")},
        {QStringLiteral("qr"), QStringLiteral("はがきに QR コードを入れます\n（--print-reply）。")},
        {QStringLiteral("estimate-dead"),
         QStringLiteral("終わった対局 GAME（相手名/対局名）の死に石を\n"
                        "思考エンジンに尋ね、その石と地の計算結果を\n"
                        "表示します。")},
        {QStringLiteral("score-graph"),
         QStringLiteral("終わった対局 OPPONENT/GAME の一手ごとの形勢\n"
                        "を思考エンジンに尋ね、手数と黒の優勢を\n"
                        "タブ区切りで表示します。")},
        {QStringLiteral("engine"), QStringLiteral("思考エンジンのコマンド CMD を使います\n"
                                                  "（--estimate-dead、--score-graph、\n"
                                                  "--with-score-graph）。")},
        {QStringLiteral("with-score-graph"),
         QStringLiteral("「検討」の「形勢グラフ」（--score-graph）で\n"
                        "調べてある形勢グラフのページを後に付けます\n"
                        "（--figures、--print-record）。調べていない\n"
                        "ときは断ります。")},
        {QStringLiteral("read-card"), QStringLiteral("はがきの画像 IMAGE の QR コードを読み、その\n"
                                                     "対局を棋譜と照合します。")},
    };
    return table;
}

/// Qt's Japanese catalogue has "Usage:", "Options:" and --version but not the two help
/// options; this translator, asked before it, fills those in.
class HelpOptionTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, "QCommandLineParser") != 0)
            return QString();
        if (qstrcmp(sourceText, "Displays help on commandline options.") == 0)
            return QStringLiteral("オプションの説明を表示します。");
        if (qstrcmp(sourceText, "Displays help including Qt specific options.") == 0)
            return QStringLiteral("Qt 自体のオプションを含めて説明を表示します。");
        return QString();
    }
};

bool LocaleIsJapanese(const QString& lcAll, const QString& lcMessages, const QString& lang) {
    for (const QString& value : {lcAll, lcMessages, lang}) {
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("ja"));
    }
    return false;
}

}  // namespace

bool HelpSpeaksJapanese() {
    return LocaleIsJapanese(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                            qEnvironmentVariable("LANG"));
}

void TranslateHelpOptions(QCoreApplication& app) {
    QCoreApplication::installTranslator(new HelpOptionTranslator(&app));
}

QString HelpDescription() {
    return HelpSpeaksJapanese()
               ? QStringLiteral("ソラマメ Ｖ３．０ — 郵便碁の棋譜の記録と管理")
               : QStringLiteral("Soramame V3.0 — keeping the records of Go games played by post");
}

void DeclareOption(QCommandLineParser& parser, QCommandLineOption option) {
    if (HelpSpeaksJapanese()) {
        for (const QString& name : option.names()) {
            const auto japanese = JapaneseDescriptions().constFind(name);
            if (japanese != JapaneseDescriptions().constEnd())
                option.setDescription(*japanese);
        }
    }
    parser.addOption(option);
}

}  // namespace app
