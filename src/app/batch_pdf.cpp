#include "app/batch_pdf.h"

#include "app/help_texts.h"
#include "desktop/qt_print_surface.h"

namespace app {

void AddOption(QCommandLineParser& parser, const QCommandLineOption& option) {
    // Both printing modes take --pdf; the parser warns about a name added twice.
    if (!parser.helpText().contains(QStringLiteral("--") + option.names().first() +
                                    QLatin1Char(' ')))
        DeclareOption(parser, option);
}

/// The game's record file, or empty after telling why there is none.
QString RecordFileOf(const BatchContext& context, const QString& trigger, output::GameName& name) {
    const QString named = context.parser.value(trigger);
    if (!output::ParseGameName(named, name)) {
        context.err << QStringLiteral("対局は 相手名/対局名 の形で指定してください: ") << named
                    << Qt::endl;
        return QString();
    }
    const QString path = output::FindRecordFile(context.dataRoot, name);
    if (path.isEmpty())
        context.err << QStringLiteral("対局が見つかりません: ") << named << Qt::endl;
    return path;
}

QString PdfPathOf(const BatchContext& context) {
    const QString path = context.parser.value(kPdfOptionName);
    if (path.isEmpty())
        context.err << QStringLiteral("--pdf で書き出す PDF ファイルを指定してください。")
                    << Qt::endl;
    return path;
}

bool LoadedWhole(const BatchContext& context, store::LoadOutcome outcome, const QString& path) {
    if (outcome == store::LoadOutcome::Complete)
        return true;
    context.err << QStringLiteral("棋譜ファイルを読めませんでした: ") << path << Qt::endl;
    return false;
}

int WritePdf(const BatchContext& context, const QString& pdf, const QString& title,
             const std::function<void(common::PrintSurface&)>& draw) {
    if (!common::PrintToPdf(pdf, title, common::PageOrientation::Portrait, draw)) {
        context.err << QStringLiteral("PDF ファイルを書けませんでした: ") << pdf << Qt::endl;
        return 1;
    }
    context.out << pdf << Qt::endl;
    return 0;
}

void AddPdfOption(QCommandLineParser& parser) {
    AddOption(parser,
              {kPdfOptionName, QStringLiteral("The PDF file to write."), QStringLiteral("FILE")});
}

}  // namespace app
