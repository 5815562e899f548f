#include "postcard/reply_card_window.h"

#include "cards/card_qr.h"
#include "cards/message_files.h"
#include "cards/reply_options.h"
#include "cards/reply_text.h"
#include "postcard/card_check_dialog.h"
#include "postcard/reply_card.h"
#include "registration/sgf_games.h"
#include "widgets/keyboard_access.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

namespace postcard {
namespace {

using common::TwipsRect;
using widgets::Bar;
using widgets::Button;
using widgets::Caption;
using widgets::Place;
using widgets::ValueBox;

const QString kToLayout = QStringLiteral("レイアウトへ");
const QString kToInput = QStringLiteral("入力へ");
const QString kCanType = QStringLiteral("文字入力ができます。");
const QString kCannotType = QStringLiteral("文字入力はできません。");
const QColor kCanTypeColour(0, 128, 0);
const QColor kCannotTypeColour(255, 0, 0);

enum Adjustment { LeftSpace = 0, TopSpace = 1, LineSpacing = 2, CharacterSize = 3 };

QString CurrentText(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr && list->currentRow() >= 0 ? item->text() : QString();
}

void SelectText(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (!text.isEmpty() && !found.isEmpty())
        list->setCurrentItem(found.first());
}

}  // namespace

ReplyCardWindow::ReplyCardWindow(common::AppState& state, common::Platform& platform,
                                 QWidget* mainWindow, SubjectSource subject, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      platform_(platform),
      mainWindow_(mainWindow),
      subject_(std::move(subject)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("はがき返信"));
    BuildWindow();
}

void ReplyCardWindow::BuildWindow() {
    common::PlaceSecondaryWindow(this, kDefaultReplyFont, platform_.ScreenHeight(), mainWindow_);
    card_ = new ReplyCard(this);
    card_->move(widgets::Scaled(TwipsRect(120, 120, 0, 0).topLeft()));
    Caption(this, QStringLiteral("Label5"), QStringLiteral("対局者"),
            TwipsRect(6000, 180, 900, 300));
    opponentLabel_ = ValueBox(this, QStringLiteral("Label6"), TwipsRect(6900, 120, 3600, 360));
    BuildChoiceFrame();
    BuildAdjustmentFrame();
    BuildButtons();

    FillFontList();
    sendDayList_->addItems({kSendToday, kSendTomorrow});
    LoadReplySettings();
    ShowFontInUse();
    if (sendDayList_->currentRow() < 0) {
        // Without a choice the card is sent tomorrow: the list says so.
        const QSignalBlocker quiet(sendDayList_);
        SelectText(sendDayList_, kSendTomorrow);
    }
    card_->ApplySettings(CurrentSettings());
    SetLayoutMode(false);
}

void ReplyCardWindow::BuildChoiceFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("印字文字／発信日"), this),
                        QStringLiteral("Frame1"), TwipsRect(6000, 600, 5880, 2040));
    Caption(frame, QStringLiteral("Label9"), QStringLiteral("フォント"),
            TwipsRect(180, 300, 1200, 300));
    fontList_ =
        Place(new QListWidget(frame), QStringLiteral("List1"), TwipsRect(180, 600, 3600, 1320));
    sendDayList_ =
        Place(new QListWidget(frame), QStringLiteral("List3"), TwipsRect(3960, 600, 1740, 660));
    connect(fontList_, &QListWidget::currentRowChanged, this, &ReplyCardWindow::FontChosen);
    connect(sendDayList_, &QListWidget::currentRowChanged, this, &ReplyCardWindow::SendDayChosen);
    fontList_->setAccessibleName(QStringLiteral("フォント"));
    sendDayList_->setAccessibleName(QStringLiteral("発信日"));
    checkLinesBox_ = Place(new QCheckBox(QStringLiteral("照合行を入れる"), frame),
                           QStringLiteral("Check1"), TwipsRect(3960, 1380, 1800, 360));
    checkLinesBox_->setChecked(ReadReplyOptions(state_.DataFile(kReplyOptionsName)).checkLines);
    connect(checkLinesBox_, &QCheckBox::toggled, this, &ReplyCardWindow::CheckLinesToggled);
    qrCodeBox_ = Place(new QCheckBox(QStringLiteral("QRコードを入れる"), frame),
                       QStringLiteral("Check2"), TwipsRect(3960, 1700, 1800, 320));
    qrCodeBox_->setChecked(ReadReplyOptions(state_.DataFile(kReplyOptionsName)).qrCode);
    connect(qrCodeBox_, &QCheckBox::toggled, this, &ReplyCardWindow::QrCodeToggled);
}

void ReplyCardWindow::BuildAdjustmentFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("印字調整"), this), QStringLiteral("Frame2"),
                        TwipsRect(6000, 2760, 5880, 2880));
    const QStringList captions{QStringLiteral("左ｽﾍﾟｰｽ"), QStringLiteral("上ｽﾍﾟｰｽ"),
                               QStringLiteral("行間"), QStringLiteral("文字サイズ")};
    adjustmentCaptions_[LeftSpace] = Caption(frame, QStringLiteral("Label3_0"), captions[LeftSpace],
                                             TwipsRect(180, 390, 1200, 300));
    leftSpaceBar_ = Bar(frame, Qt::Horizontal, QStringLiteral("HScroll1"), kSpaceMinimum,
                        kSpaceMaximum, TwipsRect(1380, 360, 3000, 330));
    adjustmentValues_[LeftSpace] =
        ValueBox(frame, QStringLiteral("Label1_0"), TwipsRect(4560, 360, 900, 330));
    for (int i : {TopSpace, LineSpacing, CharacterSize}) {
        const int left = 180 + (i - 1) * 1920;
        adjustmentCaptions_[i] = Caption(frame, QStringLiteral("Label3_%1").arg(i), captions[i],
                                         TwipsRect(left, 960, 1800, 300));
        adjustmentValues_[i] =
            ValueBox(frame, QStringLiteral("Label1_%1").arg(i), TwipsRect(left, 1380, 900, 360));
    }
    topSpaceBar_ = Bar(frame, Qt::Vertical, QStringLiteral("VScroll1"), kSpaceMinimum,
                       kSpaceMaximum, TwipsRect(1140, 1320, 300, 720));
    lineSpacingBar_ = Bar(frame, Qt::Vertical, QStringLiteral("VScroll2"), kLineSpacingMinimum,
                          kLineSpacingMaximum, TwipsRect(3060, 1320, 300, 720));
    characterSizeBar_ = Bar(frame, Qt::Vertical, QStringLiteral("VScroll3"), kCharacterSizeMinimum,
                            kCharacterSizeMaximum, TwipsRect(4980, 1320, 300, 720));
    const ReplySettings defaults;
    leftSpaceBar_->setValue(defaults.leftSpace);
    topSpaceBar_->setValue(defaults.topSpace);
    lineSpacingBar_->setValue(defaults.lineSpacing);
    characterSizeBar_->setValue(defaults.characterSize);
    adjustmentValues_[LeftSpace]->setText(QString::number(defaults.leftSpace));
    adjustmentValues_[TopSpace]->setText(QString::number(defaults.topSpace));
    adjustmentValues_[LineSpacing]->setText(LineSpacingText(defaults.lineSpacing));
    adjustmentValues_[CharacterSize]->setText(QString::number(defaults.characterSize));
    Caption(frame, QStringLiteral("Label2"),
            QStringLiteral("「行間」は「レイアウト」時に変更できます。"),
            TwipsRect(180, 2280, 5520, 300));
    // The bars are named by their captions, which the frame writes in half-width kana.
    leftSpaceBar_->setAccessibleName(QStringLiteral("左スペース"));
    topSpaceBar_->setAccessibleName(QStringLiteral("上スペース"));
    lineSpacingBar_->setAccessibleName(QStringLiteral("行間"));
    characterSizeBar_->setAccessibleName(QStringLiteral("文字サイズ"));
    connect(leftSpaceBar_, &QScrollBar::valueChanged, this, &ReplyCardWindow::LeftSpaceChanged);
    connect(topSpaceBar_, &QScrollBar::valueChanged, this, &ReplyCardWindow::TopSpaceChanged);
    connect(lineSpacingBar_, &QScrollBar::valueChanged, this, &ReplyCardWindow::LineSpacingChanged);
    connect(characterSizeBar_, &QScrollBar::valueChanged, this,
            &ReplyCardWindow::CharacterSizeChanged);
}

void ReplyCardWindow::BuildButtons() {
    modeButton_ =
        Button(this, QStringLiteral("Command7"), kToLayout, TwipsRect(6000, 5820, 2400, 480));
    typingNotice_ =
        Caption(this, QStringLiteral("Label8"), kCanType, TwipsRect(8580, 5910, 3300, 300));
    connect(modeButton_, &QPushButton::clicked, this, &ReplyCardWindow::ToggleLayoutMode);
    struct ButtonPlace {
        const char* name;
        QString text;
        int column;
        int row;
        void (ReplyCardWindow::*click)();
    };
    const ButtonPlace buttons[] = {
        {"Command1", QStringLiteral("通信文流用"), 0, 0, &ReplyCardWindow::OpenReuseFile},
        {"Command2", QStringLiteral("通信文参照"), 1, 0, &ReplyCardWindow::OpenMessageArchive},
        {"Command8", QStringLiteral("発信記録参照"), 0, 1, &ReplyCardWindow::OpenSendRecord},
        {"Command3", QStringLiteral("操作説明"), 1, 1, &ReplyCardWindow::OpenHelp},
        {"Command4", QStringLiteral("印字実行"), 0, 2, &ReplyCardWindow::PrintCard},
        {"Command6", QStringLiteral("宛名画面へ"), 1, 2, &ReplyCardWindow::OpenAddressWindow},
        {"Command9", QStringLiteral("はがきの照合"), 0, 3, &ReplyCardWindow::OpenCardCheck},
        {"Command5", QStringLiteral("戻　る"), 1, 3, &ReplyCardWindow::GoBack},
    };
    for (const ButtonPlace& place : buttons) {
        QPushButton* button =
            Button(this, QLatin1String(place.name), place.text,
                   TwipsRect(6000 + place.column * 3000, 6480 + place.row * 570, 2880, 480));
        connect(button, &QPushButton::clicked, this, place.click);
        if (place.click == &ReplyCardWindow::GoBack)
            widgets::CloseOnEscape(this, button);  // the card's text stays as it is
    }
}

void ReplyCardWindow::FillFontList() {
    const QSignalBlocker quiet(fontList_);
    for (const QString& family : platform_.PrinterFontFamilies()) {
        // "@" names are the vertical-writing twins of the fonts, of no use on a card.
        if (!family.startsWith(QLatin1Char('@')))
            fontList_->addItem(family);
    }
    fontList_->setCurrentRow(-1);
}

void ReplyCardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        RefreshIfStale();
}

bool ReplyCardWindow::event(QEvent* event) {
    // The main window stays usable beside this one, so the choice may change while it is open.
    if (event->type() == QEvent::WindowActivate)
        RefreshIfStale();
    return QWidget::event(event);
}

void ReplyCardWindow::RefreshIfStale() {
    if (!state_.replyStale)
        return;
    opponentLabel_->setText(subject_ ? subject_().opponent : QString());
    RebuildText();
}

void ReplyCardWindow::RebuildText() {
    const ReplySubject subject = subject_ ? subject_() : ReplySubject{};
    const QDate sendDate = SendDate(platform_.Today(), CurrentText(sendDayList_));
    if (const std::optional<QString> text =
            postcard::BuildReplyText(subject.opponent, subject.games, state_.currentGamesFolder,
                                     sendDate, checkLinesBox_->isChecked())) {
        card_->SetText(*text);
    }
    // The new text is there to be edited at once.
    if (InLayoutMode())
        SetLayoutMode(false);
    state_.replyStale = false;
}

QString ReplyCardWindow::ReplyText() const {
    return card_->Text();
}

void ReplyCardWindow::LayOutLines() {
    card_->LayoutLines(CurrentSettings());
}

ReplySettings ReplyCardWindow::CurrentSettings() const {
    ReplySettings settings;
    settings.fontName = fontName_;
    settings.characterSize = characterSizeBar_->value();
    settings.sendDateText = CurrentText(sendDayList_);
    settings.leftSpace = leftSpaceBar_->value();
    settings.topSpace = topSpaceBar_->value();
    settings.lineSpacing = lineSpacingBar_->value();
    return settings;
}

void ReplyCardWindow::LoadReplySettings() {
    const std::optional<ReplySettings> stored =
        ReadReplySettings(state_.DataFile(kReplySettingsFileName));
    if (!stored)
        return;
    // Each value goes through its control as a choice of the player would; the file is
    // written once at the end instead of after each of them.
    restoring_ = true;
    fontName_ = stored->fontName;
    SelectText(sendDayList_, stored->sendDateText);
    leftSpaceBar_->setValue(stored->leftSpace);
    topSpaceBar_->setValue(stored->topSpace);
    lineSpacingBar_->setValue(stored->lineSpacing);
    characterSizeBar_->setValue(stored->characterSize);
    restoring_ = false;
    SaveReplySettings();
}

void ReplyCardWindow::SaveReplySettings() {
    WriteReplySettings(state_.DataFile(kReplySettingsFileName), CurrentSettings());
}

void ReplyCardWindow::AdjustmentChanged() {
    card_->ApplySettings(CurrentSettings());
    if (!restoring_)
        SaveReplySettings();
}

void ReplyCardWindow::LeftSpaceChanged() {
    adjustmentValues_[LeftSpace]->setText(QString::number(leftSpaceBar_->value()));
    AdjustmentChanged();
}

void ReplyCardWindow::TopSpaceChanged() {
    adjustmentValues_[TopSpace]->setText(QString::number(topSpaceBar_->value()));
    AdjustmentChanged();
}

void ReplyCardWindow::LineSpacingChanged() {
    adjustmentValues_[LineSpacing]->setText(LineSpacingText(lineSpacingBar_->value()));
    AdjustmentChanged();
}

void ReplyCardWindow::CharacterSizeChanged() {
    adjustmentValues_[CharacterSize]->setText(QString::number(characterSizeBar_->value()));
    AdjustmentChanged();
}

void ReplyCardWindow::FontChosen() {
    fontName_ = CurrentText(fontList_);
    AdjustmentChanged();
}

void ReplyCardWindow::ShowFontInUse() {
    ReplySettings settings;
    settings.fontName = fontName_;
    const QString family = settings.FontFamily();
    QList<QListWidgetItem*> found = fontList_->findItems(family, Qt::MatchExactly);
    // A name the list does not hold (a Windows name, a font since removed) is printed in the
    // font it resolves to here.
    if (found.isEmpty())
        found = fontList_->findItems(QFontInfo(QFont(family)).family(), Qt::MatchExactly);
    const QSignalBlocker quiet(fontList_);
    if (found.isEmpty()) {
        fontList_->setCurrentRow(-1);
    } else {
        fontList_->setCurrentItem(found.first());
    }
}

void ReplyCardWindow::SendDayChosen() {
    if (!restoring_)
        SaveReplySettings();
    card_->SetText(
        ReplaceHeading(ReplyText(), SendDate(platform_.Today(), CurrentText(sendDayList_))));
    LayOutLines();
}

void ReplyCardWindow::CheckLinesToggled(bool on) {
    ReplyOptions options = ReadReplyOptions(state_.DataFile(kReplyOptionsName));
    options.checkLines = on;
    WriteReplyOptions(state_.DataFile(kReplyOptionsName), options);
    // The player's own lines stay; only the check lines come or go.
    const ReplySubject subject = subject_ ? subject_() : ReplySubject{};
    card_->SetText(
        on ? WithCheckLines(ReplyText(), subject.opponent, subject.games, state_.currentGamesFolder)
           : WithoutCheckLines(ReplyText()));
    LayOutLines();
}

void ReplyCardWindow::QrCodeToggled(bool on) {
    ReplyOptions options = ReadReplyOptions(state_.DataFile(kReplyOptionsName));
    options.qrCode = on;
    WriteReplyOptions(state_.DataFile(kReplyOptionsName), options);
}

void ReplyCardWindow::OpenCardCheck() {
    const ReplySubject subject = subject_ ? subject_() : ReplySubject{};
    if (subject.opponent.isEmpty() || subject.games.isEmpty()) {
        platform_.ShowMessage(QStringLiteral("メイン画面で対局者を選んでから照合してください。"),
                              QStringLiteral("対局者が選ばれていません。"),
                              common::MessageButtons::Ok, common::MessageIcon::Warning);
        return;
    }
    CardCheckDialog dialog(state_, platform_, subject.opponent, subject.games, this);
    dialog.exec();
    // Moves added from the card belong on the card's text as well.
    RefreshIfStale();
}

bool ReplyCardWindow::InLayoutMode() const {
    return modeButton_->text() != kToLayout;
}

void ReplyCardWindow::SetLayoutMode(bool layout) {
    card_->SetLayoutMode(layout);
    lineSpacingBar_->setEnabled(layout);
    adjustmentCaptions_[LineSpacing]->setEnabled(layout);
    adjustmentValues_[LineSpacing]->setEnabled(layout);
    modeButton_->setText(layout ? kToInput : kToLayout);
    typingNotice_->setText(layout ? kCannotType : kCanType);
    QPalette palette = typingNotice_->palette();
    palette.setColor(QPalette::WindowText, layout ? kCannotTypeColour : kCanTypeColour);
    typingNotice_->setPalette(palette);
    if (layout)
        LayOutLines();
}

void ReplyCardWindow::ToggleLayoutMode() {
    SetLayoutMode(!InLayoutMode());
}

void ReplyCardWindow::OpenReuseFile() {
    platform_.OpenInEditor(ReuseFilePath(state_.dataRoot));
}

void ReplyCardWindow::OpenMessageArchive() {
    EnsureMessageFolder(state_.dataRoot);
    const QString opponent = subject_ ? subject_().opponent : QString();
    platform_.OpenInEditor(MessageArchivePath(state_.dataRoot, opponent));
}

void ReplyCardWindow::OpenHelp() {
    platform_.OpenInEditor(state_.DataFile(kReplyHelpName));
}

void ReplyCardWindow::OpenSendRecord() {
    platform_.OpenInEditor(SendRecordPath(state_.dataRoot));
}

void ReplyCardWindow::PrintCard() {
    const QString opponent = subject_ ? subject_().opponent : QString();
    // Without an opponent the archive and the send record would get a card of nobody.
    if (opponent.isEmpty()) {
        platform_.ShowMessage(
            QStringLiteral("対局者が選ばれていません。") + '\n' +
                QStringLiteral("メイン画面で対局者を選んでから印字してください。"),
            QStringLiteral("印字できません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    const ReplySettings settings = CurrentSettings();
    const QList<LayoutLine> lines = card_->LayoutLines(settings);
    std::optional<CardQr> qr;
    if (qrCodeBox_->isChecked()) {
        qr = CardQrOfGames(state_.currentGamesFolder, opponent, subject_().games,
                           admin::OwnPlayerName(state_));
        if (!qr) {
            platform_.ShowMessage(
                QStringLiteral("QRコードを作れませんでした。QRコードなしで印字します。"),
                QStringLiteral("QRコード"), common::MessageButtons::Ok,
                common::MessageIcon::Warning);
        }
    }
    QList<int> covered;
    if (!platform_.PrintPage(QStringLiteral("ソラマメ返信 %1").arg(opponent),
                             common::PageOrientation::AsPrinterIs, [&](common::PrintSurface& page) {
                                 PrintReplyCard(page, lines, settings);
                                 if (!qr)
                                     return;
                                 PrintCardQr(page, qr->symbol);
                                 covered =
                                     LinesUnderQr(lines, settings, CardQrRect(page, qr->symbol));
                             })) {
        platform_.ShowMessage(
            QStringLiteral("印刷できませんでした。プリンターを確かめてください。"),
            QStringLiteral("印刷ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    RecordPrintedCard(opponent);
    if (!covered.isEmpty()) {
        QStringList numbers;
        for (int line : covered)
            numbers.append(QString::number(line));
        platform_.ShowMessage(QStringLiteral("QRコードが文面の %1 行目に重なりました。"
                                             "その行を短くすると重なりません。")
                                  .arg(numbers.join(QStringLiteral("・"))),
                              QStringLiteral("QRコード"), common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
    }
}

void ReplyCardWindow::RecordPrintedCard(const QString& opponent) {
    const SentCardFiles files =
        RecordSentCard({state_.dataRoot, opponent, ReplyText(), platform_.Today()});
    if (files.Written())
        return;
    // The card went out: a file that missed it would later tell a different story.
    QStringList paths;
    for (const QString& path : files.failedFiles)
        paths.append(QDir::toNativeSeparators(path));
    platform_.ShowMessage(QStringLiteral("印字しましたが、次のファイルに記録できませんでした。") +
                              '\n' + paths.join('\n'),
                          QStringLiteral("記録ができません。"), common::MessageButtons::Ok,
                          common::MessageIcon::Warning);
}

void ReplyCardWindow::GoBack() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void ReplyCardWindow::OpenAddressWindow() {
    emit AddressWindowRequested();
}

}  // namespace postcard
