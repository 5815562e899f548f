#include "common/guide_texts.h"

#include <QDir>
#include <QHash>

namespace common {

QString GuideText(const QString& objectName, const QString& recordsFolder) {
    // Quoted as the players have always read them, with the half-width "｡" "､" and the
    // trailing blanks.
    static const QHash<QString, QString> texts{
        {QStringLiteral("Label1_0"),
         QStringLiteral("「着手の記録」機能の画面です。すでに登録された対局について､一手ずつ着手を"
                        "進め､その着手内容を棋譜データとして記録します｡")},
        {QStringLiteral("Label1_1"),
         QStringLiteral(
             "「棋譜の検討」機能の画面です。初手から打ち掛け､または終局までを一手ずつ着手を進めたり"
             "､戻したりすることができます｡途中での変化を検討することもできます｡ ")},
        {QStringLiteral("Label1_2"),
         QStringLiteral("「棋譜の印刷」機能の画面です。すでに登録された対局について任意の着手まで棋"
                        "譜の印字ができます｡一手毎に着手数字の有無の指定が可能です｡")},
        {QStringLiteral("Label1_3"),
         QStringLiteral("「対局の登録と変更」機能の画面です。新規対局者の登録､または既登録者との追"
                        "加局登録または変更ができます｡コミ出し／手番の変更もできます｡")},
        {QStringLiteral("Label1_4"),
         QStringLiteral("「はがき返信着手」機能の画面です。はがきに返信用着手を印字します。")},
        {QStringLiteral("Label1_5"),
         QStringLiteral("「はがき宛名印字」機能の画面です。はがきに宛名の印字をします｡")},
        {QStringLiteral("Label1_6"),
         QStringLiteral(
             "「棋譜の消去／退避／復帰」機能の画面です。不要な対局は「消去」できます。終局のときに"
             "はその対局を「退避」させたり退避した棋譜を対局中の棋譜に「復帰」できます｡")},
        {QStringLiteral("Label1_7"), QStringLiteral("「ソラマメＶ３」を終了します。")},
        {QStringLiteral("Label1_8"),
         QStringLiteral("「対局の一覧」の画面です。対局中の全対局について、手番と最後の記録からの"
                        "日数を一覧にします。対局をダブルクリックすると着手の記録に移ります。")},
        {QStringLiteral("Label1_9"),
         QStringLiteral(
             "「成績」の画面です。対戦記録から、対局者ごとの勝ち・負け・ジゴを集計します。")},
        {QStringLiteral("Combo1"),
         QStringLiteral("対局者リストです。対局者をクリックしてください。対局者の表示がないときは「"
                        "登録」画面に切り替えて対局の登録をしてください。")},
        {QStringLiteral("List2"),
         QStringLiteral("対局名リストです。対局名をクリックしてください。対局名の表示がないときは「"
                        "登録」画面に切り替えて対局の登録をしてください。")},
        {QStringLiteral("Command1_0"),
         QStringLiteral("記録された棋譜データの最終形を表示します。着手を検討中にこのボタンをクリッ"
                        "クすると瞬時に元の状態に戻ります。")},
        {QStringLiteral("Command1_1"),
         QStringLiteral("盤面どおりの内容を棋譜データとして保存します。最終の着手に「赤いマーク」が"
                        "移ります｡棋譜データの保存先は「%1」です。")},
        {QStringLiteral("Command1_4"),
         QStringLiteral(
             "すでに記録された着手を訂正したいときに使います。このボタンをクリック後に該当の石をク"
             "リックするとその着手以降の着手全てを抹消します。キャンセルは再度クリックです。")},
        {QStringLiteral("Command1_5"),
         QStringLiteral(
             "間違って「着手記録」をしたときは、その直後であれば「復元」をクリックすれば前の状態に"
             "戻ります｡「復元」ボタンは輪郭が明確なときはクリックができます｡")},
        {QStringLiteral("Command1_6"),
         QStringLiteral("終局後に完全に地を囲い死石を抜いたあとでクリックしてください｡ダメは埋める"
                        "必要はありません｡ 再度クリックすると表示は消えます｡ ")},
        {QStringLiteral("Command1_7"), QStringLiteral("操作説明を表示します。")},
        {QStringLiteral("Command1_8"),
         QStringLiteral(
             "終局後計算の局面の死に石を思考エンジンに尋ね、取り上げて見せる提案です。"
             "押せないときは Debian のパッケージ gnugo を入れるか、「登録」の「思考エンジン設定」"
             "でエンジンを指定してください。")},
        {QStringLiteral("Command1_9"),
         QStringLiteral(
             "「終局時計算」で対戦結果を表示させた後にクリックすると対戦結果を記録後に表示されます｡"
             "対戦結果を表示させずにクリックすると今までの「対戦記録」の参照ができます。")},
        {QStringLiteral("Command2_0"), QStringLiteral("記録された棋譜の最終形が表示されます。")},
        {QStringLiteral("Command3_0"), QStringLiteral("記録された棋譜の最終形が表示されます。")},
        {QStringLiteral("Command2_8"),
         QStringLiteral("終わった対局（退避後の棋譜か、対戦記録に結果のある対局）の形勢を一手ごとに"
                        "思考エンジンに尋ね、グラフにします。押せないときは対局中の対局です。")},
        {QStringLiteral("Command2_1"), QStringLiteral("初手から着手を進める状態になります｡")},
        {QStringLiteral("Command3_1"), QStringLiteral("初手から着手を進める状態になります｡")},
        {QStringLiteral("Command2_2"),
         QStringLiteral("記録された棋譜データのとおりに着手の「後退」をします。一度クリックした後は"
                        "「ＥＮＴＥＲ」キー押し続けて素早い連続動作ができます｡ ")},
        {QStringLiteral("Command3_2"),
         QStringLiteral("記録された棋譜データのとおりに着手の「後退」をします。一度クリックした後は"
                        "「ＥＮＴＥＲ」キー押し続けて素早い連続動作ができます｡ ")},
        {QStringLiteral("Command2_3"),
         QStringLiteral("記録された棋譜データのとおりに着手の「前進」をします。一度クリックした後は"
                        "「ＥＮＴＥＲ」キー押し続けて素早い連続動作ができます｡ ")},
        {QStringLiteral("Command3_3"),
         QStringLiteral("記録された棋譜データのとおりに着手の「前進」をします。一度クリックした後は"
                        "「ＥＮＴＥＲ」キー押し続けて素早い連続動作ができます｡ ")},
        {QStringLiteral("Command2_4"), QStringLiteral("操作説明を表示します｡")},
        {QStringLiteral("Command3_4"), QStringLiteral("操作説明を表示します｡")},
        {QStringLiteral("Command3_5"), QStringLiteral("表示画面の棋譜を印字します。")},
        {QStringLiteral("Command3_6"), QStringLiteral("表示画面をコピー印刷します。")},
        {QStringLiteral("Command3_7"),
         QStringLiteral("対局の全体を第１譜、第２譜…の譜に分けて印字します。")},
        {QStringLiteral("ScoreGraphPage"),
         QStringLiteral("棋譜図の後に、形勢グラフのページを付けて印字します。選べないときは、"
                        "先に「検討」の「形勢グラフ」で形勢を調べてください（終わった対局だけ"
                        "です）。")},
    };
    const QString text = texts.value(objectName);
    // The records' real folder on this computer, in the form its file manager shows.
    if (text.contains(QStringLiteral("%1")))
        return text.arg(QDir::toNativeSeparators(recordsFolder + QStringLiteral("/(対局者名)")));
    return text;
}

QString GuideOffText() {
    return QStringLiteral("「着手」画面で操作ガイドにチェックを入れるとここに説明が表示されます。");
}

}  // namespace common
