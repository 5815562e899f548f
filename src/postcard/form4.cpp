#include "postcard/form4.h"

#include "cards/message_files.h"
#include "cards/reply_text.h"
#include "postcard/reply_card.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

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

Form4::Form4(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
             SubjectSource subject, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      platform_(platform),
      mainWindow_(mainWindow),
      subject_(std::move(subject)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("はがき返信"));
    Form_Load();
}

void Form4::Form_Load() {
    common::PlaceSecondaryWindow(this, kDefaultReplyFont, platform_.ScreenHeight(), mainWindow_);
    Picture1 = new ReplyCard(this);
    Picture1->move(TwipsRect(120, 120, 0, 0).topLeft());
    Caption(this, QStringLiteral("Label5"), QStringLiteral("対局者"),
            TwipsRect(6000, 180, 900, 300));
    Label6 = ValueBox(this, QStringLiteral("Label6"), TwipsRect(6900, 120, 3600, 360));
    BuildChoiceFrame();
    BuildAdjustmentFrame();
    BuildButtons();

    FillFontList();
    List3->addItems({kSendToday, kSendTomorrow});
    ReplyListInput();
    ShowFontInUse();
    if (List3->currentRow() < 0) {
        // Without a choice the card is sent tomorrow: the list says so.
        const QSignalBlocker quiet(List3);
        SelectText(List3, kSendTomorrow);
    }
    Picture1->ApplySettings(CurrentSettings());
    SetLayoutMode(false);
}

void Form4::BuildChoiceFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("印字文字／発信日"), this),
                        QStringLiteral("Frame1"), TwipsRect(6000, 600, 5880, 2040));
    Caption(frame, QStringLiteral("Label9"), QStringLiteral("フォント"),
            TwipsRect(180, 300, 1200, 300));
    List1 = Place(new QListWidget(frame), QStringLiteral("List1"), TwipsRect(180, 600, 3600, 1320));
    List3 = Place(new QListWidget(frame), QStringLiteral("List3"), TwipsRect(3960, 600, 1740, 660));
    connect(List1, &QListWidget::currentRowChanged, this, &Form4::List1_Click);
    connect(List3, &QListWidget::currentRowChanged, this, &Form4::List3_Click);
}

void Form4::BuildAdjustmentFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("印字調整"), this), QStringLiteral("Frame2"),
                        TwipsRect(6000, 2760, 5880, 2880));
    const QStringList captions{QStringLiteral("左ｽﾍﾟｰｽ"), QStringLiteral("上ｽﾍﾟｰｽ"),
                               QStringLiteral("行間"), QStringLiteral("文字サイズ")};
    Label3[LeftSpace] = Caption(frame, QStringLiteral("Label3_0"), captions[LeftSpace],
                                TwipsRect(180, 390, 1200, 300));
    HScroll1 = Bar(frame, Qt::Horizontal, QStringLiteral("HScroll1"), kSpaceMinimum, kSpaceMaximum,
                   TwipsRect(1380, 360, 3000, 330));
    Label1[LeftSpace] = ValueBox(frame, QStringLiteral("Label1_0"), TwipsRect(4560, 360, 900, 330));
    for (int i : {TopSpace, LineSpacing, CharacterSize}) {
        const int left = 180 + (i - 1) * 1920;
        Label3[i] = Caption(frame, QStringLiteral("Label3_%1").arg(i), captions[i],
                            TwipsRect(left, 960, 1800, 300));
        Label1[i] =
            ValueBox(frame, QStringLiteral("Label1_%1").arg(i), TwipsRect(left, 1380, 900, 360));
    }
    VScroll1 = Bar(frame, Qt::Vertical, QStringLiteral("VScroll1"), kSpaceMinimum, kSpaceMaximum,
                   TwipsRect(1140, 1320, 300, 720));
    VScroll2 = Bar(frame, Qt::Vertical, QStringLiteral("VScroll2"), kLineSpacingMinimum,
                   kLineSpacingMaximum, TwipsRect(3060, 1320, 300, 720));
    VScroll3 = Bar(frame, Qt::Vertical, QStringLiteral("VScroll3"), kCharacterSizeMinimum,
                   kCharacterSizeMaximum, TwipsRect(4980, 1320, 300, 720));
    const ReplySettings defaults;
    HScroll1->setValue(defaults.leftSpace);
    VScroll1->setValue(defaults.topSpace);
    VScroll2->setValue(defaults.lineSpacing);
    VScroll3->setValue(defaults.characterSize);
    Label1[LeftSpace]->setText(QString::number(defaults.leftSpace));
    Label1[TopSpace]->setText(QString::number(defaults.topSpace));
    Label1[LineSpacing]->setText(LineSpacingText(defaults.lineSpacing));
    Label1[CharacterSize]->setText(QString::number(defaults.characterSize));
    Label2 = Caption(frame, QStringLiteral("Label2"),
                     QStringLiteral("「行間」は「レイアウト」時に変更できます。"),
                     TwipsRect(180, 2280, 5520, 300));
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form4::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form4::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form4::VScroll2_Change);
    connect(VScroll3, &QScrollBar::valueChanged, this, &Form4::VScroll3_Change);
}

void Form4::BuildButtons() {
    Command7 = Place(new QPushButton(kToLayout, this), QStringLiteral("Command7"),
                     TwipsRect(6000, 5820, 2400, 480));
    Label8 = Caption(this, QStringLiteral("Label8"), kCanType, TwipsRect(8580, 5910, 3300, 300));
    connect(Command7, &QPushButton::clicked, this, &Form4::Command7_Click);
    struct ButtonPlace {
        const char* name;
        QString text;
        int column;
        int row;
        void (Form4::*click)();
    };
    const ButtonPlace buttons[] = {
        {"Command1", QStringLiteral("通信文流用"), 0, 0, &Form4::Command1_Click},
        {"Command2", QStringLiteral("通信文参照"), 1, 0, &Form4::Command2_Click},
        {"Command8", QStringLiteral("発信記録参照"), 0, 1, &Form4::Command8_Click},
        {"Command3", QStringLiteral("操作説明"), 1, 1, &Form4::Command3_Click},
        {"Command4", QStringLiteral("印字実行"), 0, 2, &Form4::Command4_Click},
        {"Command6", QStringLiteral("宛名画面へ"), 1, 2, &Form4::Command6_Click},
        {"Command5", QStringLiteral("戻　る"), 1, 3, &Form4::Command5_Click},
    };
    for (const ButtonPlace& place : buttons) {
        auto* button =
            Place(new QPushButton(place.text, this), QLatin1String(place.name),
                  TwipsRect(6000 + place.column * 3000, 6480 + place.row * 570, 2880, 480));
        connect(button, &QPushButton::clicked, this, place.click);
    }
}

void Form4::FillFontList() {
    const QSignalBlocker quiet(List1);
    for (const QString& family : platform_.PrinterFontFamilies()) {
        // "@" names are the vertical-writing twins of the fonts, of no use on a card.
        if (!family.startsWith(QLatin1Char('@')))
            List1->addItem(family);
    }
    List1->setCurrentRow(-1);
}

void Form4::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

bool Form4::event(QEvent* event) {
    // The main window stays usable beside this one, so the choice may change while it is open.
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void Form4::Form_Activate() {
    if (state_.replyStale == 0)
        return;
    Label6->setText(subject_ ? subject_().opponent : QString());
    BuildReplyText();
}

void Form4::BuildReplyText() {
    const ReplySubject subject = subject_ ? subject_() : ReplySubject{};
    const QDate sendDate = SendDate(platform_.Today(), CurrentText(List3));
    if (const std::optional<QString> text = postcard::BuildReplyText(
            subject.opponent, subject.games, state_.currentGamesFolder, sendDate)) {
        Picture1->SetText(*text);
    }
    // The new text is there to be edited at once.
    if (InLayoutMode())
        SetLayoutMode(false);
    state_.replyStale = 0;
}

QString Form4::ReplyText() const {
    return Picture1->Text();
}

void Form4::LayoutLines() {
    Picture1->LayoutLines(CurrentSettings());
}

ReplySettings Form4::CurrentSettings() const {
    ReplySettings settings;
    settings.fontName = fontName_;
    settings.characterSize = VScroll3->value();
    settings.sendDateText = CurrentText(List3);
    settings.leftSpace = HScroll1->value();
    settings.topSpace = VScroll1->value();
    settings.lineSpacing = VScroll2->value();
    return settings;
}

void Form4::ReplyListInput() {
    const std::optional<ReplySettings> stored =
        ReadReplySettings(state_.DataFile(kReplySettingsFileName));
    if (!stored)
        return;
    // Each value goes through its control as a choice of the player would; the file is
    // written once at the end instead of after each of them.
    restoring_ = true;
    fontName_ = stored->fontName;
    SelectText(List3, stored->sendDateText);
    HScroll1->setValue(stored->leftSpace);
    VScroll1->setValue(stored->topSpace);
    VScroll2->setValue(stored->lineSpacing);
    VScroll3->setValue(stored->characterSize);
    restoring_ = false;
    ReplyListOutput();
}

void Form4::ReplyListOutput() {
    WriteReplySettings(state_.DataFile(kReplySettingsFileName), CurrentSettings());
}

void Form4::AdjustmentChanged() {
    Picture1->ApplySettings(CurrentSettings());
    if (!restoring_)
        ReplyListOutput();
}

void Form4::HScroll1_Change() {
    Label1[LeftSpace]->setText(QString::number(HScroll1->value()));
    AdjustmentChanged();
}

void Form4::VScroll1_Change() {
    Label1[TopSpace]->setText(QString::number(VScroll1->value()));
    AdjustmentChanged();
}

void Form4::VScroll2_Change() {
    Label1[LineSpacing]->setText(LineSpacingText(VScroll2->value()));
    AdjustmentChanged();
}

void Form4::VScroll3_Change() {
    Label1[CharacterSize]->setText(QString::number(VScroll3->value()));
    AdjustmentChanged();
}

void Form4::List1_Click() {
    fontName_ = CurrentText(List1);
    AdjustmentChanged();
}

void Form4::ShowFontInUse() {
    ReplySettings settings;
    settings.fontName = fontName_;
    const QString family = settings.FontFamily();
    QList<QListWidgetItem*> found = List1->findItems(family, Qt::MatchExactly);
    // A name the list does not hold (a Windows name, a font since removed) is printed in the
    // font it resolves to here.
    if (found.isEmpty())
        found = List1->findItems(QFontInfo(QFont(family)).family(), Qt::MatchExactly);
    const QSignalBlocker quiet(List1);
    if (found.isEmpty()) {
        List1->setCurrentRow(-1);
    } else {
        List1->setCurrentItem(found.first());
    }
}

void Form4::List3_Click() {
    if (!restoring_)
        ReplyListOutput();
    Picture1->SetText(ReplaceHeading(ReplyText(), SendDate(platform_.Today(), CurrentText(List3))));
    LayoutLines();
}

bool Form4::InLayoutMode() const {
    return Command7->text() != kToLayout;
}

void Form4::SetLayoutMode(bool layout) {
    Picture1->SetLayoutMode(layout);
    VScroll2->setEnabled(layout);
    Label3[LineSpacing]->setEnabled(layout);
    Label1[LineSpacing]->setEnabled(layout);
    Command7->setText(layout ? kToInput : kToLayout);
    Label8->setText(layout ? kCannotType : kCanType);
    QPalette palette = Label8->palette();
    palette.setColor(QPalette::WindowText, layout ? kCannotTypeColour : kCanTypeColour);
    Label8->setPalette(palette);
    if (layout)
        LayoutLines();
}

void Form4::Command7_Click() {
    SetLayoutMode(!InLayoutMode());
}

void Form4::Command1_Click() {
    platform_.OpenInEditor(ReuseFilePath(state_.dataRoot));
}

void Form4::Command2_Click() {
    EnsureMessageFolder(state_.dataRoot);
    const QString opponent = subject_ ? subject_().opponent : QString();
    platform_.OpenInEditor(MessageArchivePath(state_.dataRoot, opponent));
}

void Form4::Command3_Click() {
    platform_.OpenInEditor(state_.DataFile(kReplyHelpName));
}

void Form4::Command8_Click() {
    platform_.OpenInEditor(SendRecordPath(state_.dataRoot));
}

void Form4::Command4_Click() {
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
    const QList<LayoutLine> lines = Picture1->LayoutLines(settings);
    if (!platform_.PrintPage(
            QStringLiteral("ソラマメ返信 %1").arg(opponent), common::PageOrientation::AsPrinterIs,
            [&](common::PrintSurface& page) { PrintReplyCard(page, lines, settings); })) {
        platform_.ShowMessage(
            QStringLiteral("印刷できませんでした。プリンターを確かめてください。"),
            QStringLiteral("印刷ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    RecordPrintedCard(opponent);
}

void Form4::RecordPrintedCard(const QString& opponent) {
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

void Form4::Command5_Click() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void Form4::Command6_Click() {
    emit AddressWindowRequested();
}

}  // namespace postcard
