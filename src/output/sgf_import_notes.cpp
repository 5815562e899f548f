#include "output/sgf_import_notes.h"

#include "common/cp932_codec.h"
#include "common/dates.h"
#include "store/record_table.h"

namespace output {
namespace {

QString CharsetWords(const SgfDecoding& decoding) {
    if (decoding.charset == QLatin1String("CP932"))
        return QStringLiteral("Shift_JIS");
    return decoding.charset;
}

}  // namespace

QString RowComment(const SgfNode& node, CommentCounts& counts) {
    QString comment = node.value(QStringLiteral("C")).join(QLatin1Char(' ')).simplified();
    if (comment.size() > store::kTextWidth) {
        ++counts.cut;
        // A character of two UTF-16 units is not cut in half.
        const bool splitsPair = comment.at(store::kTextWidth - 1).isHighSurrogate();
        comment.truncate(store::kTextWidth - (splitsPair ? 1 : 0));
    }
    const qsizetype replaced =
        common::EncodeCp932(comment).count('?') - comment.count(QLatin1Char('?'));
    if (replaced > 0) {
        ++counts.withReplaced;
        counts.replaced += int(replaced);
    }
    counts.withCommas += comment.contains(QLatin1Char(',')) ? 1 : 0;
    counts.withQuotes += comment.contains(QLatin1Char('"')) ? 1 : 0;
    return comment;
}

void AddCommentNotes(const CommentCounts& counts, QStringList& notes) {
    if (counts.cut > 0) {
        notes.append(QStringLiteral("コメント %1 件は棋譜に入る %2 文字までで切りました。")
                         .arg(counts.cut)
                         .arg(store::kTextWidth));
    }
    if (counts.withReplaced > 0) {
        notes.append(
            QStringLiteral("コメント %1 件の %2 文字は Shift_JIS にない文字のため「?」にしました。")
                .arg(counts.withReplaced)
                .arg(counts.replaced));
    }
    if (counts.withCommas > 0) {
        notes.append(
            QStringLiteral("コメント %1 件の「,」を「、」にしました。").arg(counts.withCommas));
    }
    if (counts.withQuotes > 0) {
        notes.append(
            QStringLiteral("コメント %1 件の「\"」を「”」にしました。").arg(counts.withQuotes));
    }
    if (counts.leftOut > 0) {
        notes.append(
            QStringLiteral(
                "石を打たないノードのコメント %1 件は、書く行がないため読み込みませんでした。")
                .arg(counts.leftOut));
    }
}

void AddCharsetNote(const SgfDecoding& decoding, QStringList& notes) {
    const QString words = CharsetWords(decoding);
    if (decoding.source == SgfCharsetSource::Overruled) {
        notes.append(QStringLiteral("文字コードの指定は CA[%1] ですが、%2 のファイルのため、"
                                    "%2 として読みました。")
                         .arg(decoding.overruled, words));
        return;
    }
    if (decoding.source != SgfCharsetSource::Detected)
        return;
    if (!decoding.unknownDeclared.isEmpty()) {
        notes.append(QStringLiteral("文字コードの指定 CA[%1] は知らない文字コードのため、%2 "
                                    "として読みました。")
                         .arg(decoding.unknownDeclared, words));
    } else if (decoding.plainAscii) {
        return;  // every character set reads these bytes alike
    } else if (decoding.charset == QLatin1String("UTF-8")) {
        notes.append(QStringLiteral("文字コードの指定（CA）がないため、UTF-8 として読みました。"));
    } else if (decoding.charset == QLatin1String("CP932")) {
        notes.append(QStringLiteral(
            "文字コードの指定（CA）がなく UTF-8 でもないため、Shift_JIS として読みました。"));
    } else {
        notes.append(QStringLiteral("文字コードの指定（CA）がなく UTF-8 でも Shift_JIS "
                                    "でもないため、%1 として読みました。")
                         .arg(words));
    }
}

void AddBreakNote(const SgfReading& reading, int moves, QStringList& notes) {
    if (reading.brokenAtLine == 0)
        return;
    const QString where =
        reading.cutShort
            ? QStringLiteral("ファイルが %1行目で途切れています（最後の「)」がありません）。")
            : QStringLiteral("ファイルが %1行目で壊れています。");
    notes.append(where.arg(reading.brokenAtLine) +
                 QStringLiteral("そこまでの %1手を読み込みました。").arg(moves));
}

QDate RecordDate(const QString& written, const QDate& today, QStringList& notes) {
    if (written.isEmpty())
        return today;
    const SgfDateReading reading = ReadSgfDate(written);
    const QString kept = QStringLiteral("（SGF への書き出しでは元の日付のままです）。");
    switch (reading.precision) {
        case SgfDatePrecision::None:
            notes.append(QStringLiteral("対局日 DT[%1] が読めないため、棋譜の日付は今日の %2 "
                                        "としました")
                             .arg(written, common::ShortDate(today)) +
                         kept);
            return today;
        case SgfDatePrecision::Year:
        case SgfDatePrecision::Month:
            notes.append(QStringLiteral("対局日 DT[%1] は%2だけのため、棋譜の日付は %3 としました")
                             .arg(written,
                                  reading.precision == SgfDatePrecision::Year
                                      ? QStringLiteral("年")
                                      : QStringLiteral("年と月"),
                                  common::ShortDate(reading.first)) +
                         kept);
            break;
        case SgfDatePrecision::Day:
            if (reading.days > 1) {
                notes.append(
                    QStringLiteral("対局日が複数あるため、どの行も最初の日付 %1 にしました。")
                        .arg(common::ShortDate(reading.first)));
            } else if (!reading.sgfForm) {
                notes.append(QStringLiteral("対局日 DT[%1] を %2 と読みました。")
                                 .arg(written, common::ShortDate(reading.first)));
            }
            break;
    }
    return reading.first;
}

}  // namespace output
