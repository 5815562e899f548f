#include "postcard/card_check_dialog.h"

#include "cards/card_compare.h"
#include "cards/card_image.h"
#include "store/folder_tree.h"
#include "store/record_file.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace postcard {

CardCheckDialog::CardCheckDialog(common::AppState& state, common::Platform& platform,
                                 const QString& opponent, const QStringList& games, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), opponent_(opponent), games_(games) {
    setObjectName(QStringLiteral("CardCheck"));
    setWindowTitle(QStringLiteral("はがきの照合"));
    gameList_ = new QComboBox(this);
    gameList_->setObjectName(QStringLiteral("CardCheckGame"));
    gameList_->addItems(games);
    typedText_ = new QLineEdit(this);
    typedText_->setObjectName(QStringLiteral("CardCheckText"));
    typedText_->setPlaceholderText(QStringLiteral("照合 第261手まで … 符号 4711、または 4711"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("対局"), gameList_);
    form->addRow(QStringLiteral("相手の照合行・符号"), typedText_);
    auto* checkButton = new QPushButton(QStringLiteral("照合する"), this);
    checkButton->setObjectName(QStringLiteral("CardCheckTyped"));
    auto* imageButton = new QPushButton(QStringLiteral("はがきの画像を読む…"), this);
    imageButton->setObjectName(QStringLiteral("CardCheckImage"));
    auto* row = new QHBoxLayout;
    row->addWidget(checkButton);
    row->addWidget(imageButton);
    outcome_ = new QPlainTextEdit(this);
    outcome_->setObjectName(QStringLiteral("CardCheckOutcome"));
    outcome_->setAccessibleName(QStringLiteral("照合の結果"));
    outcome_->setReadOnly(true);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(row);
    layout->addWidget(outcome_);
    layout->addWidget(close);
    connect(checkButton, &QPushButton::clicked, this, &CardCheckDialog::CheckTypedText);
    connect(typedText_, &QLineEdit::returnPressed, this, &CardCheckDialog::CheckTypedText);
    connect(imageButton, &QPushButton::clicked, this, &CardCheckDialog::ChooseCardImage);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString CardCheckDialog::RecordPath(const QString& game) const {
    return state_.RecordPath(opponent_, game);
}

QString CardCheckDialog::Outcome() const {
    return outcome_->toPlainText();
}

void CardCheckDialog::ShowOutcome(const QStringList& lines) {
    outcome_->setPlainText(lines.join('\n'));
}

void CardCheckDialog::CheckTypedText() {
    const std::optional<output::TypedCheck> typed = output::ParseTypedCheck(typedText_->text());
    if (!typed) {
        ShowOutcome({QStringLiteral("照合行か4けたの符号を入力してください。")});
        return;
    }
    auto table = std::make_unique<store::RecordTable>();
    if (gameList_->currentIndex() < 0 ||
        store::ReadRecordFile(RecordPath(gameList_->currentText()), *table) !=
            store::LoadOutcome::Complete) {
        ShowOutcome({QStringLiteral("棋譜を読めませんでした。")});
        return;
    }
    ShowOutcome(CompareTypedCheck(*typed, *table));
}

void CardCheckDialog::ChooseCardImage() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("はがきの画像"), QString(),
        QStringLiteral("画像 (*.png *.jpg *.jpeg *.bmp *.pgm *.ppm *.tif *.tiff)"));
    if (!path.isEmpty())
        CheckCardImage(path);
}

void CardCheckDialog::CheckCardImage(const QString& path) {
    std::vector<std::unique_ptr<store::RecordTable>> tables;
    std::vector<const store::RecordTable*> pointers;
    for (const QString& game : games_) {
        auto table = std::make_unique<store::RecordTable>();
        // A record that cannot be read whole matches no card rather than a wrong one.
        if (store::ReadRecordFile(RecordPath(game), *table) != store::LoadOutcome::Complete)
            table->Clear();
        pointers.push_back(table.get());
        tables.push_back(std::move(table));
    }
    const std::vector<CardGameReading> readings =
        CompareCardCodes(DecodeQrCodes(QImage(path)), games_, pointers);
    if (readings.empty()) {
        ShowOutcome({QStringLiteral("画像に、はがきのQRコードが見つかりません。")});
        return;
    }
    QStringList lines;
    for (const CardGameReading& reading : readings) {
        const QString game = reading.record ? games_[qsizetype(*reading.record)] : reading.cardName;
        for (const QString& text : reading.comparison.texts)
            lines.append(game + QStringLiteral("：") + text);
    }
    ShowOutcome(lines);
    for (const CardGameReading& reading : readings) {
        if (reading.record && !reading.comparison.proposed.empty())
            OfferMoves(games_[qsizetype(*reading.record)], reading.comparison);
    }
}

void CardCheckDialog::OfferMoves(const QString& game, const CardComparison& comparison) {
    auto table = std::make_unique<store::RecordTable>();
    store::ReadRecordFile(RecordPath(game), *table);
    QStringList moves;
    for (const CardMove& move : comparison.proposed)
        moves.append(CardMoveText(move, table->whiteFirst));
    const common::MessageAnswer answer = platform_.ShowMessage(
        QStringLiteral("%1 の棋譜に、はがきの次の手を加えますか？").arg(game) + '\n' +
            moves.join('\n'),
        QStringLiteral("はがきの手を加える"), common::MessageButtons::YesNo,
        common::MessageIcon::Question);
    if (answer != common::MessageAnswer::Yes)
        return;
    if (!AddCardMoves(RecordPath(game), state_.DataFile(store::kUndoCopyName), comparison.proposed,
                      platform_.Today())) {
        platform_.ShowMessage(QStringLiteral("棋譜に書き込めませんでした。棋譜は元のままです。"),
                              QStringLiteral("記録ができません。"), common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
        return;
    }
    state_.replyStale = true;
    outcome_->appendPlainText(game + QStringLiteral("：棋譜に加えました。"));
}

}  // namespace postcard
