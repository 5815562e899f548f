// The reply card printed to PDF, and a card's QR code read back, from the command line.
#include "app/batch_reply_card.h"

#include "app/batch_pdf.h"
#include "cards/card_compare.h"
#include "cards/card_image.h"
#include "cards/card_qr.h"
#include "cards/reply_options.h"
#include "cards/reply_text.h"
#include "common/app_state.h"
#include "desktop/qt_print_surface.h"
#include "postcard/reply_card.h"
#include "registration/sgf_games.h"
#include "store/folder_tree.h"
#include "store/record_file.h"

#include <QDate>
#include <QImage>

#include <memory>

namespace app {
namespace {

const QString kPrintReplyOption = QStringLiteral("print-reply");
const QString kQrOption = QStringLiteral("qr");
const QString kReadCardOption = QStringLiteral("read-card");

common::AppState StateOf(const BatchContext& context) {
    common::AppState state;
    state.dataRoot = context.dataRoot;
    state.currentGamesFolder = context.dataRoot + '/' + store::kInProgressFolderName;
    return state;
}

int RunPrintReply(const BatchContext& context) {
    const common::AppState state = StateOf(context);
    const QString opponent = context.parser.value(kPrintReplyOption);
    const QStringList games = store::ListGames(state.currentGamesFolder, opponent);
    const QString pdf = PdfPathOf(context);
    if (pdf.isEmpty())
        return 1;
    if (opponent.isEmpty() || games.isEmpty()) {
        context.err << QStringLiteral("対局中の対局がない対局者です: ") << opponent << Qt::endl;
        return 1;
    }
    const postcard::ReplySettings settings =
        postcard::ReadReplySettings(state.DataFile(postcard::kReplySettingsFileName))
            .value_or(postcard::ReplySettings());
    const postcard::ReplyOptions options =
        postcard::ReadReplyOptions(state.DataFile(postcard::kReplyOptionsName));
    const QDate sendDate = postcard::SendDate(QDate::currentDate(), settings.sendDateText);
    const QString text = *postcard::BuildReplyText(opponent, games, state.currentGamesFolder,
                                                   sendDate, options.checkLines);
    const QList<postcard::LayoutLine> lines = postcard::LayOutText(
        text, settings,
        postcard::ReplyCard::LineHeightTwips(settings.FontFamily(), settings.characterSize));
    std::optional<postcard::CardQr> qr;
    if (options.qrCode || context.parser.isSet(kQrOption)) {
        qr = postcard::CardQrOfGames(state.currentGamesFolder, opponent, games,
                                     admin::OwnPlayerName(state));
        if (!qr) {
            context.err << QStringLiteral("QRコードを作れませんでした。") << Qt::endl;
            return 1;
        }
    }
    const bool written = common::PrintToPdf(
        pdf, QStringLiteral("ソラマメ返信 %1").arg(opponent), common::PageOrientation::AsPrinterIs,
        [&](common::PrintSurface& page) {
            postcard::PrintReplyCard(page, lines, settings);
            if (!qr)
                return;
            postcard::PrintCardQr(page, qr->symbol);
            const QList<int> covered =
                postcard::LinesUnderQr(lines, settings, postcard::CardQrRect(page, qr->symbol));
            for (int line : covered)
                context.err << QStringLiteral("QRコードが %1 行目に重なります。").arg(line)
                            << Qt::endl;
        });
    if (!written) {
        context.err << QStringLiteral("PDF ファイルを書けませんでした: ") << pdf << Qt::endl;
        return 1;
    }
    context.out << pdf << Qt::endl;
    return 0;
}

/// Every game in progress, with its name as "OPPONENT/GAME" and its record.
struct GamesInProgress {
    QStringList names;
    QStringList gameNames;
    std::vector<std::unique_ptr<store::RecordTable>> tables;
    std::vector<const store::RecordTable*> pointers;
};

GamesInProgress ReadGamesInProgress(const QString& gamesFolder) {
    GamesInProgress games;
    for (const QString& opponent : store::ListOpponents(gamesFolder)) {
        for (const QString& game : store::ListGames(gamesFolder, opponent)) {
            auto table = std::make_unique<store::RecordTable>();
            const QString path = gamesFolder + '/' + opponent + '/' + game + ".txt";
            if (store::ReadRecordFile(path, *table) != store::LoadOutcome::Complete)
                continue;
            games.names.append(opponent + '/' + game);
            games.gameNames.append(game);
            games.pointers.push_back(table.get());
            games.tables.push_back(std::move(table));
        }
    }
    return games;
}

int RunReadCard(const BatchContext& context) {
    const QString image = context.parser.value(kReadCardOption);
    const GamesInProgress games = ReadGamesInProgress(StateOf(context).currentGamesFolder);
    const std::vector<postcard::CardGameReading> readings = postcard::CompareCardCodes(
        postcard::DecodeQrCodes(QImage(image)), games.gameNames, games.pointers);
    if (readings.empty()) {
        context.err << QStringLiteral("はがきのQRコードが見つかりません: ") << image << Qt::endl;
        return 2;
    }
    int status = 0;
    for (const postcard::CardGameReading& reading : readings) {
        const QString game =
            reading.record ? games.names[qsizetype(*reading.record)] : reading.cardName;
        for (const QString& text : reading.comparison.texts)
            context.out << game << ": " << text << Qt::endl;
        if (!reading.comparison.equal)
            status = 1;
    }
    return status;
}

}  // namespace

BatchMode MakePrintReplyMode() {
    BatchMode mode;
    mode.trigger = kPrintReplyOption;
    mode.declareOptions = [](QCommandLineParser& parser) {
        AddOption(parser, {kPrintReplyOption,
                           QStringLiteral("Write the reply card to OPPONENT to a PDF file."),
                           QStringLiteral("OPPONENT")});
        AddOption(parser, {kQrOption, QStringLiteral("Print the QR code on the card "
                                                     "(--print-reply).")});
        AddPdfOption(parser);
    };
    mode.run = RunPrintReply;
    return mode;
}

BatchMode MakeReadCardMode() {
    BatchMode mode;
    mode.trigger = kReadCardOption;
    mode.declareOptions = [](QCommandLineParser& parser) {
        AddOption(parser,
                  {kReadCardOption,
                   QStringLiteral("Read the QR code of a card's image and compare its games with "
                                  "the records."),
                   QStringLiteral("IMAGE")});
    };
    mode.run = RunReadCard;
    return mode;
}

}  // namespace app
