#include "postcard/address_card_window.h"

#include "postcard/address_card.h"
#include "store/folder_tree.h"
#include "widgets/keyboard_access.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace postcard {
namespace {

using widgets::Button;
using widgets::Caption;
using widgets::Place;

constexpr int kTwipsPerPixel = 15;
constexpr int kPostalStep = 10;
constexpr int kPostalSpacingStep = 5;
constexpr double kSmallestPostalPoints = 8;
constexpr double kSmallestLinePoints = 1;
constexpr int kLineStep = 60;
const QColor kPostalColour(192, 255, 192);
const QColor kSelectedLineColour(192, 255, 255);
const QString kHelpFileName = QStringLiteral("宛名説明.txt");

/// A postal-code box: however it gets the focus, its one character is selected, so that a
/// typed digit replaces it (the box takes no second character).
class DigitBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        setSelection(0, 1);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (!hasSelectedText())
            setSelection(0, 1);
    }
};

QByteArray IndexedName(const char* name, int index) {
    return QByteArray(name) + '_' + QByteArray::number(index);
}

void SetBase(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

/// One frame of buttons in rows, each row after its label; the buttons are numbered in order.
/// A screen reader names each button by what it moves, its row and its caption.
QButtonGroup* ButtonRows(QGroupBox* frame, const char* name, const QString& moves,
                         const QList<std::pair<QString, QStringList>>& rows) {
    auto* group = new QButtonGroup(frame);
    int index = 0;
    for (int row = 0; row < rows.size(); ++row) {
        const int top = 300 + row * 420;
        Caption(frame, "", rows[row].first, TwipsRect(240, top + 45, 1320, 270));
        for (int column = 0; column < rows[row].second.size(); ++column, ++index) {
            QPushButton* button =
                Button(frame, IndexedName(name, index).constData(), rows[row].second[column],
                       TwipsRect(1560 + column * 1020, top, 960, 360));
            button->setAccessibleName(
                QStringList{moves, rows[row].first, rows[row].second[column]}.join(' '));
            group->addButton(button, index);
        }
    }
    return group;
}

}  // namespace

AddressCardWindow::AddressCardWindow(common::AppState& state, common::Platform& platform,
                                     QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("はがき宛名"));
    BuildWindow();
}

void AddressCardWindow::SetOpponentSource(OpponentSource source) {
    opponentSource_ = std::move(source);
}

void AddressCardWindow::BuildWindow() {
    common::PlaceSecondaryWindow(this, QStringLiteral("ＭＳ Ｐゴシック"), platform_.ScreenHeight(),
                                 mainWindow_);
    BuildCard();
    BuildListFrame();
    BuildPostalFrame();
    BuildLineFrame();
    BuildButtons();

    for (const QString& family : platform_.PrinterFontFamilies()) {
        // Names with "@" are the same fonts set vertically; the card prints across.
        if (!family.startsWith(QLatin1Char('@')))
            fontList_->addItem(family);
    }
    cardKindList_->addItems(CardKindNames());
    if (const std::optional<SenderLines> sender =
            ReadSender(state_.DataFile(kOwnAddressFileName))) {
        for (int i = 0; i < kSenderLines; ++i)
            lineBoxes_[size_t(kAddresseeLines + i)]->setText((*sender)[size_t(i)]);
    }
    for (int box = 0; box < kLayoutBoxes; ++box) {
        sizes_[size_t(box)] = DefaultBoxSize(box);
        PlaceBox(box);
    }
    MarkSelectedLine();
}

void AddressCardWindow::BuildCard() {
    Caption(this, "Label1", QStringLiteral("対局者"), TwipsRect(120, 60, 900, 300));
    opponentLabel_ = Caption(this, "Label2", QString(), TwipsRect(1020, 60, 4500, 300));
    card_ = new AddressCardPicture(this);
    card_->setObjectName(QStringLiteral("Picture1"));
    card_->move(widgets::Scaled(TwipsRect(120, 360, 0, 0).topLeft()));
    for (int i = 0; i < kPostalCodeBoxes; ++i) {
        QLineEdit* box = new DigitBox(card_);
        box->setObjectName(QString::fromLatin1(IndexedName("Text1", i)));
        box->setMaxLength(1);
        box->setFrame(false);
        SetBase(box, kPostalColour);
        connect(box, &QLineEdit::textEdited, this, [this, i] { PostalDigitTyped(i); });
        postalBoxes_[size_t(i)] = box;
    }
    for (int i = 0; i < kAddressLines; ++i) {
        auto* line = new QLineEdit(card_);
        line->setObjectName(QString::fromLatin1(IndexedName("Text2", i)));
        line->setFrame(false);
        line->installEventFilter(this);
        connect(line, &QLineEdit::returnPressed, this, [this, i] { NextLine(i); });
        lineBoxes_[size_t(i)] = line;
    }
}

void AddressCardWindow::BuildListFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("印字文字／印字種別"), this), "Frame3",
                        TwipsRect(6000, 120, 5760, 2520));
    Caption(frame, "Label3", QStringLiteral("フォント"), TwipsRect(240, 300, 1500, 270));
    fontList_ = Place(new QListWidget(frame), "List1", TwipsRect(240, 600, 3300, 1740));
    Caption(frame, "Label4", QStringLiteral("印字種別"), TwipsRect(3780, 300, 1500, 270));
    cardKindList_ = Place(new QListWidget(frame), "List2", TwipsRect(3780, 600, 1740, 1740));
    connect(fontList_, &QListWidget::currentRowChanged, this, &AddressCardWindow::FontChosen);
    connect(cardKindList_, &QListWidget::currentRowChanged, this,
            &AddressCardWindow::CardKindChosen);
    postalFramesCheck_ = Place(new QCheckBox(this), "Check1", TwipsRect(6120, 2760, 5640, 330));
    connect(postalFramesCheck_, &QCheckBox::clicked, this, &AddressCardWindow::PostalFramesToggled);
    PostalFramesToggled();
}

void AddressCardWindow::BuildPostalFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("郵便番号"), this), "Frame1",
                        TwipsRect(6000, 3180, 5760, 1620));
    const QString left = QStringLiteral("左");
    const QString right = QStringLiteral("右");
    const QString up = QStringLiteral("上");
    const QString down = QStringLiteral("下");
    const QString smaller = QStringLiteral("小");
    const QString larger = QStringLiteral("大");
    QButtonGroup* group = ButtonRows(frame, "Command1", QStringLiteral("郵便番号"),
                                     {{QStringLiteral("レイアウト"), {left, right, up, down}},
                                      {QStringLiteral("文字サイズ"), {smaller, larger}},
                                      {QStringLiteral("横間隔"), {smaller, larger}}});
    connect(group, &QButtonGroup::idClicked, this, &AddressCardWindow::MovePostalCode);
}

void AddressCardWindow::BuildLineFrame() {
    auto* frame = Place(new QGroupBox(QStringLiteral("宛名・住所(クリック後の空色欄に有効)"), this),
                        "Frame2", TwipsRect(6000, 4920, 5760, 1200));
    QButtonGroup* group = ButtonRows(
        frame, "Command2", QStringLiteral("宛名・住所"),
        {{QStringLiteral("レイアウト"),
          {QStringLiteral("左"), QStringLiteral("右"), QStringLiteral("上"), QStringLiteral("下")}},
         {QStringLiteral("文字サイズ"), {QStringLiteral("小"), QStringLiteral("大")}}});
    connect(group, &QButtonGroup::idClicked, this, &AddressCardWindow::MoveSelectedLine);
}

void AddressCardWindow::BuildButtons() {
    const std::array<std::pair<const char*, QString>, 5> buttons{{
        {"Command3", QStringLiteral("設定登録／変更")},
        {"Command5", QStringLiteral("印字実行")},
        {"Command4", QStringLiteral("操作説明")},
        {"Command7", QStringLiteral("返信画面へ")},
        {"Command6", QStringLiteral("戻　る")},
    }};
    const std::array<void (AddressCardWindow::*)(), 5> handlers{
        &AddressCardWindow::StoreAddressSettings, &AddressCardWindow::PrintCard,
        &AddressCardWindow::OpenHelp, &AddressCardWindow::OpenReplyWindow,
        &AddressCardWindow::GoBack};
    for (int i = 0; i < int(buttons.size()); ++i) {
        const QRect rect = TwipsRect(6000 + (i % 2) * 2940, 6360 + (i / 2) * 780, 2820, 600);
        QPushButton* button =
            Button(this, buttons[size_t(i)].first, buttons[size_t(i)].second, rect);
        connect(button, &QPushButton::clicked, this, handlers[size_t(i)]);
        if (handlers[size_t(i)] == &AddressCardWindow::GoBack)
            widgets::CloseOnEscape(this, button, [this] { return MayLeaveAddress(); });
    }
    NameControls();
}

void AddressCardWindow::NameControls() {
    for (int i = 0; i < kPostalCodeBoxes; ++i)
        postalBoxes_[size_t(i)]->setAccessibleName(QStringLiteral("郵便番号 %1桁目").arg(i + 1));
    for (int i = 0; i < kAddressLines; ++i) {
        lineBoxes_[size_t(i)]->setAccessibleName(
            i < kAddresseeLines ? QStringLiteral("宛名・住所 %1行目").arg(i + 1)
                                : QStringLiteral("差出人 %1行目").arg(i - kAddresseeLines + 1));
    }
    fontList_->setAccessibleName(QStringLiteral("フォント"));
    cardKindList_->setAccessibleName(QStringLiteral("印字種別"));
}

bool AddressCardWindow::MayLeaveAddress() {
    const QString path = AddressFilePath(state_.dataRoot, loadedOpponent_);
    const Addressee stored =
        path.isEmpty() ? Addressee{} : ReadAddressee(path).value_or(Addressee{});
    bool same = true;
    for (int i = 0; i < kPostalCodeBoxes; ++i)
        same = same && postalBoxes_[size_t(i)]->text() == stored.postalCode[size_t(i)];
    for (int i = 0; i < kAddresseeLines; ++i)
        same = same && lineBoxes_[size_t(i)]->text() == stored.lines[size_t(i)];
    return same ||
           platform_.ShowMessage(
               QStringLiteral("入力した宛名・住所は登録されていません。戻ってよろしいですか？"),
               QStringLiteral("戻るの確認"), common::MessageButtons::OkCancel,
               common::MessageIcon::Question) == common::MessageAnswer::Ok;
}

QLineEdit* AddressCardWindow::LayoutBox(int box) const {
    return box < kPostalCodeBoxes ? postalBoxes_[size_t(box)]
                                  : lineBoxes_[size_t(box - kPostalCodeBoxes)];
}

void AddressCardWindow::PlaceBox(int box) {
    const BoxPlace& place = places_[size_t(box)];
    const QSize& size = sizes_[size_t(box)];
    QLineEdit* edit = LayoutBox(box);
    edit->setGeometry(
        widgets::Scaled(TwipsRect(place.left, place.top, size.width(), size.height())));
    QFont font(fontFamily_);
    font.setPixelSize(PixelSizeOfPoints(place.points));
    edit->setFont(widgets::ScaledFont(font));
}

void AddressCardWindow::MarkSelectedLine() {
    const QColor normal = palette().color(QPalette::Window);
    for (int i = 0; i < kAddressLines; ++i)
        SetBase(lineBoxes_[size_t(i)], i == selectedLine_ ? kSelectedLineColour : normal);
}

void AddressCardWindow::ApplyFont(const QString& family) {
    fontFamily_ = family;
    for (int box = 0; box < kLayoutBoxes; ++box)
        PlaceBox(box);
}

void AddressCardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Reload();
}

bool AddressCardWindow::event(QEvent* event) {
    // Coming back from the main window after another opponent was chosen there reloads; a
    // return from another program keeps what was typed and moved.
    if (event->type() == QEvent::WindowActivate && loaded_ && ChosenOpponent() != loadedOpponent_)
        Reload();
    return QWidget::event(event);
}

bool AddressCardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kAddressLines; ++i) {
            if (watched == lineBoxes_[size_t(i)])
                SelectLine(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString AddressCardWindow::ChosenOpponent() const {
    if (opponentSource_)
        return opponentSource_();
    return store::ListOpponents(state_.currentGamesFolder).value(state_.selectedOpponentIndex);
}

void AddressCardWindow::Reload() {
    loaded_ = true;
    if (const std::optional<AddressSettings> settings =
            ReadAddressSettings(state_.DataFile(kAddressSettingsFileName))) {
        const QList<QListWidgetItem*> fonts =
            fontList_->findItems(settings->fontFamily, Qt::MatchExactly);
        if (!fonts.isEmpty())
            fontList_->setCurrentItem(fonts.first());
        if (!settings->fontFamily.isEmpty())
            ApplyFont(settings->fontFamily);
        const int kind = CardKindNames().indexOf(settings->cardKind);
        if (kind >= 0)
            cardKindList_->setCurrentRow(kind);
    }
    LoadCardLayout();
    LoadAddressee(ChosenOpponent());
    postalBoxes_[0]->setFocus();
}

void AddressCardWindow::LoadAddressee(const QString& opponent) {
    loadedOpponent_ = opponent;
    opponentLabel_->setText(opponent);
    // An opponent without an address file gets empty boxes, never the previous opponent's.
    const QString path = AddressFilePath(state_.dataRoot, opponent);
    const Addressee addressee =
        path.isEmpty() ? Addressee{} : ReadAddressee(path).value_or(Addressee{});
    for (int i = 0; i < kPostalCodeBoxes; ++i)
        postalBoxes_[size_t(i)]->setText(addressee.postalCode[size_t(i)]);
    for (int i = 0; i < kAddresseeLines; ++i)
        lineBoxes_[size_t(i)]->setText(addressee.lines[size_t(i)]);
}

void AddressCardWindow::LoadCardLayout() {
    const int kind = cardKindList_->currentRow();
    if (kind >= 0 && kind < kCardKinds)
        layoutFile_ = kind;
    if (layoutFile_ < 0)
        return;
    ReadLayout(state_.DataFile(LayoutFileName(layoutFile_)), places_);
    for (int box = 0; box < kLayoutBoxes; ++box)
        PlaceBox(box);
}

void AddressCardWindow::FontChosen() {
    if (fontList_->currentItem() != nullptr)
        ApplyFont(fontList_->currentItem()->text());
}

void AddressCardWindow::CardKindChosen() {
    LoadCardLayout();
}

void AddressCardWindow::PostalFramesToggled() {
    const bool frames = postalFramesCheck_->isChecked();
    postalFramesCheck_->setText(frames ? QStringLiteral("〒No.枠あり")
                                       : QStringLiteral("〒No.枠なし"));
    QPalette palette = postalFramesCheck_->palette();
    palette.setColor(QPalette::WindowText, frames ? QColor(Qt::red) : QColor(Qt::black));
    postalFramesCheck_->setPalette(palette);
}

void AddressCardWindow::MovePostalCode(int button) {
    for (int i = 0; i < kPostalCodeBoxes; ++i) {
        BoxPlace& place = places_[size_t(i)];
        switch (button) {
            case PostalLeft:
                if (place.left > kPostalStep)
                    place.left -= kPostalStep;
                break;
            case PostalRight:
                place.left += kPostalStep;
                break;
            case PostalUp:
                if (place.top > kPostalStep)
                    place.top -= kPostalStep;
                break;
            case PostalDown:
                place.top += kPostalStep;
                break;
            case PostalSmaller:
                if (place.points > kSmallestPostalPoints)
                    place.points -= 1;
                break;
            case PostalLarger:
                place.points += 1;
                break;
            case PostalNarrower:
                place.left -= kPostalSpacingStep * i;
                break;
            case PostalWider:
                place.left += kPostalSpacingStep * i;
                break;
            default:
                return;
        }
        PlaceBox(i);
    }
}

void AddressCardWindow::MoveSelectedLine(int button) {
    const int box = kPostalCodeBoxes + selectedLine_;
    BoxPlace& place = places_[size_t(box)];
    switch (button) {
        case LineLeft:
            place.left -= kLineStep;
            break;
        case LineRight:
            place.left += kLineStep;
            break;
        case LineUp:
            place.top -= kLineStep;
            break;
        case LineDown:
            place.top += kLineStep;
            break;
        case LineSmaller:
        case LineLarger: {
            // A size of nothing could not be shown, printed or read back from the layout.
            if (button == LineLarger)
                place.points += 1;
            else if (place.points - 1 >= kSmallestLinePoints)
                place.points -= 1;
            // Measured in the line's own font, so that the box keeps room for its characters.
            QFont font(fontFamily_);
            font.setPixelSize(PixelSizeOfPoints(place.points));
            const QSize text = QFontMetrics(font).size(Qt::TextSingleLine, QStringLiteral("あ"));
            sizes_[size_t(box)].setHeight(text.height() * kTwipsPerPixel);
            break;
        }
        default:
            return;
    }
    PlaceBox(box);
}

AddressCard AddressCardWindow::Card() const {
    AddressCard card;
    card.fontFamily = fontFamily_;
    card.cardKind =
        cardKindList_->currentItem() != nullptr ? cardKindList_->currentItem()->text() : QString();
    card.layoutFile = layoutFile_;
    for (int i = 0; i < kPostalCodeBoxes; ++i)
        card.addressee.postalCode[size_t(i)] = postalBoxes_[size_t(i)]->text();
    for (int i = 0; i < kAddresseeLines; ++i)
        card.addressee.lines[size_t(i)] = lineBoxes_[size_t(i)]->text();
    for (int i = 0; i < kSenderLines; ++i)
        card.sender[size_t(i)] = lineBoxes_[size_t(kAddresseeLines + i)]->text();
    card.layout = places_;
    card.postalFrames = postalFramesCheck_->isChecked();
    return card;
}

void AddressCardWindow::StoreAddressSettings() {
    const QString failed = StoreAddressFiles(state_.dataRoot, loadedOpponent_, Card());
    if (failed.isEmpty())
        return;
    // What was typed is still in the boxes; the player can free the file and store again.
    platform_.ShowMessage(QStringLiteral("「") + QFileInfo(failed).fileName() +
                              QStringLiteral("」に書き込めませんでした。"),
                          QStringLiteral("設定登録ができません。"), common::MessageButtons::Ok,
                          common::MessageIcon::Warning);
}

void AddressCardWindow::PrintCard() {
    const AddressCard card = Card();
    const bool printed = platform_.PrintPage(
        QStringLiteral("ソラマメ宛名 %1").arg(loadedOpponent_),
        common::PageOrientation::AsPrinterIs,
        [&card](common::PrintSurface& page) { postcard::PrintAddress(page, card); });
    if (!printed) {
        platform_.ShowMessage(
            QStringLiteral("印刷できませんでした。プリンターを確かめてください。"),
            QStringLiteral("印刷ができません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
    }
}

void AddressCardWindow::OpenHelp() {
    platform_.OpenInEditor(state_.DataFile(kHelpFileName));
}

void AddressCardWindow::GoBack() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void AddressCardWindow::OpenReplyWindow() {
    emit ReplyWindowRequested();
}

void AddressCardWindow::PostalDigitTyped(int box) {
    if (box + 1 < kPostalCodeBoxes)
        postalBoxes_[size_t(box + 1)]->setFocus();
    else
        lineBoxes_[0]->setFocus();
}

void AddressCardWindow::SelectLine(int line) {
    selectedLine_ = line;
    MarkSelectedLine();
}

void AddressCardWindow::NextLine(int line) {
    if (line + 1 < kAddressLines)
        lineBoxes_[size_t(line + 1)]->setFocus();
}

}  // namespace postcard
