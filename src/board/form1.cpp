#include "board/form1.h"

#include "board/mode_panels.h"
#include "common/dates.h"
#include "common/game_texts.h"
#include "common/guide_texts.h"
#include "store/folder_tree.h"
#include "store/hand_edited_text.h"
#include "store/record_file.h"
#include "store/start_store.h"
#include "store/text_file.h"
#include "widgets/board_picture.h"
#include "widgets/box_radio_button.h"
#include "widgets/numeral_strips.h"
#include "widgets/window_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

namespace board {
namespace {

using widgets::Caption;

constexpr int kRightColumnX = 598;
constexpr int kRightColumnWidth = 198;

/// Colours a menu label or folder button as selected (white on `selected`) or not.
void Highlight(QWidget* widget, bool on, const QColor& selected) {
    const QString style =
        on ? QStringLiteral("background-color: rgb(%1, %2, %3); color: white;")
                 .arg(selected.red())
                 .arg(selected.green())
                 .arg(selected.blue())
           : QStringLiteral("background-color: rgb(224, 224, 224); color: palette(button-text);");
    // Setting a style sheet polishes the widget again, even when nothing changes.
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

}  // namespace

Form1::Form1(common::AppState& state, common::Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ソラマメ Ｖ３．０"));
    BuildControls();
    ConnectControls();
    Form_Load();
    Form_Activate();
}

Form1::~Form1() {
    for (QWidget* window : secondaryWindows_)
        delete window;
}

void Form1::BuildControls() {
    Picture6 = new ColumnNumeralStrip(this);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture2 = new RowNumeralStrip(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture1 = new BoardPicture(kMainBoardGeometry, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    BuildMenu();
    BuildListsAndInfo();
    BuildCommentRow();

    const QRect panelRect(kRightColumnX, 352, kRightColumnWidth, 170);
    recordingPanel_ = new RecordingPanel(this);
    reviewPanel_ = new ReviewPanel(this);
    printingPanel_ = new PrintingPanel(this);
    Picture3 = {recordingPanel_, reviewPanel_, printingPanel_};

    Label2 = Caption(this, QStringLiteral("Label2"), QString(),
                     QRect(kRightColumnX, 526, kRightColumnWidth, 92));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFrameShape(QFrame::Panel);
    Label2->setFrameShadow(QFrame::Sunken);
    Label2->setStyleSheet(QStringLiteral("font-size: 9pt;"));

    // The three panels lie on top of each other; exactly one is shown.
    for (QWidget* panel : Picture3)
        panel->setGeometry(panelRect);
}

void Form1::BuildMenu() {
    const QStringList captions{QStringLiteral("着手"), QStringLiteral("検討"),
                               QStringLiteral("印刷"), QStringLiteral("登録"),
                               QStringLiteral("返信"), QStringLiteral("宛名"),
                               QStringLiteral("消去"), QStringLiteral("終了"),
                               QStringLiteral("一覧"), QStringLiteral("成績")};
    // Five rows of two fill the space above the folder buttons.
    for (int i = 0; i < MenuCount; ++i) {
        const QRect rect(kRightColumnX + (i % 2) * 100, 4 + (i / 2) * 21, 98, 20);
        Label1[i] = Caption(this, QStringLiteral("Label1_%1").arg(i), captions[i], rect);
        Label1[i]->setAlignment(Qt::AlignCenter);
        Label1[i]->setFrameShape(QFrame::Panel);
        Label1[i]->setFrameShadow(QFrame::Raised);
        Label1[i]->setCursor(Qt::PointingHandCursor);
        Label1[i]->installEventFilter(this);
        Highlight(Label1[i], false, Qt::blue);
    }
}

void Form1::BuildListsAndInfo() {
    const int x = kRightColumnX;
    Option1 = new common::BoxRadioButton(QStringLiteral("対局中棋譜"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(x, 110, 98, 22);
    Option2 = new common::BoxRadioButton(QStringLiteral("退避後棋譜"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(x + 100, 110, 98, 22);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(x, 136, kRightColumnWidth, 24);
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(x, 164, kRightColumnWidth, 80);

    const QStringList headings{QStringLiteral("対局名"), QStringLiteral("対局者"),
                               QStringLiteral("手合割")};
    for (int i = 0; i < 3; ++i) {
        Label13[i] = Caption(this, QStringLiteral("Label13_%1").arg(i), headings[i],
                             QRect(x, 248 + i * 19, 44, 18));
        Label14[i] = Caption(this, QStringLiteral("Label14_%1").arg(i), QString(),
                             QRect(x + 46, 248 + i * 19, kRightColumnWidth - 46, 18));
    }

    const QStringList prisonerCaptions{QStringLiteral("ハ  マ"), QStringLiteral("黒"), QString(),
                                       QStringLiteral("白"), QString()};
    const int prisonerX[5] = {0, 50, 70, 120, 140};
    for (int i = 0; i < 5; ++i) {
        Label3[i] = Caption(this, QStringLiteral("Label3_%1").arg(i), prisonerCaptions[i],
                            QRect(x + prisonerX[i], 306, i == 0 ? 48 : 40, 18));
    }
    const QStringList scoreCaptions{QStringLiteral("黒"), QString(), QStringLiteral("白"),
                                    QString()};
    const int scoreX[4] = {0, 18, 56, 74};
    for (int i = 0; i < 4; ++i) {
        Label5[i] = Caption(this, QStringLiteral("Label5_%1").arg(i), scoreCaptions[i],
                            QRect(x + scoreX[i], 328, i % 2 == 0 ? 16 : 36, 18));
    }
    Label12 = Caption(this, QStringLiteral("Label12"), QString(),
                      QRect(x + 110, 328, kRightColumnWidth - 110, 18));
}

void Form1::BuildCommentRow() {
    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMaxLength(64);
    Text3->setGeometry(16, 597, 270, 22);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(290, 597, 150, 22);
    Combo3 = new QComboBox(this);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->setGeometry(444, 597, 146, 22);
}

void Form1::ConnectControls() {
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(List2, &QListWidget::currentRowChanged, this, [this] {
        if (!fillingLists_)
            List2_Click();
    });
    connect(Picture1, &BoardPicture::Clicked, this, &Form1::Picture1_MouseDown);
    connect(recordingPanel_->buttons, &QButtonGroup::idClicked, this, &Form1::Command1_Click);
    connect(reviewPanel_->buttons, &QButtonGroup::idClicked, this, &Form1::Command2_Click);
    connect(printingPanel_->buttons, &QButtonGroup::idClicked, this, &Form1::Command3_Click);
    connect(Text3, &QLineEdit::textEdited, this, &Form1::Text3_Change);
    connect(Text3, &QLineEdit::editingFinished, this, &Form1::Text3_LostFocus);
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    connect(reviewPanel_->Text1, &QLineEdit::textChanged, this,
            [this] { MoveBox_Change(reviewPanel_->Text1); });
    connect(printingPanel_->Text2, &QLineEdit::textChanged, this,
            [this] { MoveBox_Change(printingPanel_->Text2); });
    connect(reviewPanel_->List3, &QListWidget::currentRowChanged, this, [this] { List3_Click(); });
    connect(reviewPanel_->Check2, &QCheckBox::clicked, this, &Form1::Check2_Click);
    connect(printingPanel_->Check3, &QCheckBox::clicked, this, &Form1::Check3_Click);
    connect(printingPanel_->Check4, &QCheckBox::clicked, this, &Form1::Check4_Click);
    connect(printingPanel_->HScroll1, &QScrollBar::valueChanged, this,
            &Form1::PrintPosition_Change);
    connect(printingPanel_->HScroll2, &QScrollBar::valueChanged, this,
            &Form1::PrintPosition_Change);

    ConnectNavigationKeys();
    model_.SetCanvas(Picture1);
    model_.onCapturesChanged = [this](int black, int white) { ShowCaptures(black, white); };
    model_.onCapturesCleared = [this] { ClearCaptures(); };
    model_.onCommentShown = [this](const QString& comment) { Text3->setText(comment); };

    for (QWidget* control : std::initializer_list<QWidget*>{Combo1, List2})
        WatchGuide(control);
    for (QLabel* label : Label1)
        WatchGuide(label);
    for (QPushButton* button : recordingPanel_->Command1)
        WatchGuide(button);
    for (QPushButton* button : reviewPanel_->Command2)
        WatchGuide(button);
    for (QPushButton* button : printingPanel_->Command3)
        WatchGuide(button);
}

void Form1::ConnectNavigationKeys() {
    // Arrow keys step like "後 退" / "前 進", Home and End jump like "開 始" / "最終形"; a
    // focused move-number box keeps its own use of these keys.
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Left, StepBackButton},
                                            {Qt::Key_Right, StepForwardButton},
                                            {Qt::Key_Home, StartPosition},
                                            {Qt::Key_End, FinalPosition}};
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(true);
        const int button = step;  // clang 14 cannot capture a structured binding
        connect(shortcut, &QShortcut::activated, this, [this, button] { NavigationKey(button); });
    }
    // Holding Enter on a focused "後 退" or "前 進" repeats the step.
    for (QPushButton* step :
         {reviewPanel_->Command2[StepBackButton], reviewPanel_->Command2[StepForwardButton],
          printingPanel_->Command3[StepBackButton], printingPanel_->Command3[StepForwardButton]}) {
        step->setAutoDefault(true);
    }
}

void Form1::NavigationKey(int button) {
    if (button == StartPosition) {
        // Home means the very start, whatever move number the box holds.
        for (QLineEdit* box : {reviewPanel_->Text1, printingPanel_->Text2}) {
            const QSignalBlocker block(box);
            box->clear();
        }
    }
    if (model_.mode() == go::Mode::Review) {
        Command2_Click(button);
    } else if (model_.mode() == go::Mode::Printing) {
        Command3_Click(button);
    }
}

void Form1::WatchGuide(QWidget* control) {
    if (control != nullptr)
        control->installEventFilter(this);
}

void Form1::Form_Load() {
    PlaceWindow();
    store::StartStore(state_, state_.dataRoot);
    WarnIfDataRootReadOnly();
    SetMode(go::Mode::Recording);
    printingPanel_->Check4->setChecked(state_.settings.keepRemovedStones == 1);
    model_.options().keepRemovedStones = state_.settings.keepRemovedStones == 1;
    model_.options().numbersWhileRecording = state_.settings.numbersWhileRecording == 1;
    {
        const QSignalBlocker block1(printingPanel_->HScroll1);
        const QSignalBlocker block2(printingPanel_->HScroll2);
        printingPanel_->HScroll1->setValue(state_.settings.printPosition1);
        printingPanel_->HScroll2->setValue(state_.settings.printPosition2);
        printingPanel_->positionValue1->setText(QString::number(printingPanel_->HScroll1->value()));
        printingPanel_->positionValue2->setText(QString::number(printingPanel_->HScroll2->value()));
    }
    HighlightFolderButtons();
    // The board and its numerals are drawn by Form_Activate, which follows at once.
    LoadTermList();
}

void Form1::PlaceWindow() {
    smallScreen_ = IsSmallScreen(platform_.ScreenHeight());
    const int height = Px(smallScreen_ ? 9000 : 9315);
    const int width = Px(12000);
    setFixedSize(width, height);
    move((platform_.ScreenWidth() - width) / 2, (platform_.ScreenHeight() - height) / 3);
    // On short screens the column strip gives way and the board moves to the top.
    const int boardTop = smallScreen_ ? 0 : Px(ColumnNumeralStrip::kHeightTwips);
    Picture6->move(0, 0);
    Picture2->move(0, boardTop);
    Picture1->move(Px(RowNumeralStrip::kWidthTwips), boardTop);
    const int commentTop = boardTop + Px(kMainBoardGeometry.pictureHeight) + 2;
    Text3->move(Text3->x(), commentTop);
    Combo2->move(Combo2->x(), commentTop);
    Combo3->move(Combo3->x(), commentTop);
}

void Form1::LoadTermList() {
    QStringList terms;
    if (!store::ReadHandEditedTextLines(state_.DataFile(store::kTermListName), terms))
        return;
    for (const QString& term : terms) {
        if (!term.trimmed().isEmpty())
            Combo3->addItem(term);
    }
    Combo3->setCurrentIndex(-1);
}

void Form1::SetMode(go::Mode mode) {
    const int index = int(mode);
    model_.SetMode(mode);
    HighlightMenu(index);
    for (int i = 0; i < 3; ++i)
        Picture3[i]->setVisible(i == index);
}

void Form1::HighlightMenu(int selected) {
    for (int i = 0; i < MenuCount; ++i)
        Highlight(Label1[i], i == selected, QColor(0, 0, 255));
}

void Form1::HighlightFolderButtons() {
    const bool inProgress = state_.currentGamesFolder != state_.backedUpFolder;
    Option1->setChecked(inProgress);
    Option2->setChecked(!inProgress);
    Highlight(Option1, inProgress, QColor(0, 0, 128));
    Highlight(Option2, !inProgress, QColor(0, 0, 128));
}

void Form1::DrawEmptyBoard() {
    const QColor boardColour(state_.settings.red, state_.settings.green, state_.settings.blue);
    Picture1->SetBackground(model_.mode() == go::Mode::Printing ? QColor(Qt::white) : boardColour);
    Picture1->DrawBoard();
}

void Form1::RefreshBoardColour() {
    if (GameChosen()) {
        ShowGame();
    } else {
        DrawEmptyBoard();
    }
}

void Form1::DrawNumerals() {
    const bool showNumerals = state_.settings.showNumerals == 1;
    const NumeralStripVisibility strips = VisibleNumeralStrips(smallScreen_, showNumerals);
    Picture6->setVisible(strips.columnStrip);
    Picture2->setVisible(strips.rowStrip);
    if (strips.columnStrip)
        Picture6->DrawNumerals();
    if (strips.rowStrip)
        Picture2->DrawNumerals();
    setWindowTitle(NumeralCaption(smallScreen_, showNumerals, state_.settings.numeralPitch == 1));
}

void Form1::Label1_Click(int index) {
    switch (index) {
        case MenuExit:
            if (ConfirmExit()) {
                exitConfirmed_ = true;
                close();
                QCoreApplication::quit();
            }
            return;
        case MenuRecording:
        case MenuReview:
        case MenuPrinting: {
            // Recording always works on the game as recorded and saved: a transform, a
            // variation or a stepped-back position left by the other panels would otherwise
            // be saved with the next rows.
            const bool reload = index == MenuRecording && (model_.mode() != go::Mode::Recording ||
                                                           reviewPanel_->List3->currentRow() != 0);
            SetMode(go::Mode(index));
            DrawEmptyBoard();
            if (reload) {
                const QSignalBlocker block(reviewPanel_->List3);
                reviewPanel_->List3->setCurrentRow(0);
                List3_Click();
            } else if (GameChosen() && model_.table().headerRead) {
                // The loaded game stays on the board, in the new mode's colours.
                model_.ShowPositionAt(model_.table().lastRow);
                model_.MarkLastPlacement(model_.table().lastRow);
            }
            Text3->setEnabled(index == MenuRecording);
            return;
        }
        default:
            DrawEmptyBoard();
            OpenSecondaryWindow(MenuIndex(index));
            return;
    }
}

bool Form1::ConfirmExit() {
    return platform_.ShowMessage(QStringLiteral("終了してよろしいですか？"),
                                 QStringLiteral("終了の確認"), common::MessageButtons::OkCancel,
                                 common::MessageIcon::Question) == common::MessageAnswer::Ok;
}

void Form1::closeEvent(QCloseEvent* event) {
    // The title bar's close button asks like "終了"; nothing needs writing at exit.
    if (exitConfirmed_ || ConfirmExit()) {
        exitConfirmed_ = true;
        for (QWidget* window : secondaryWindows_) {
            if (window != nullptr)
                window->hide();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

void Form1::SetWindowFactory(MenuIndex index, WindowFactory factory) {
    windowFactories_[index] = std::move(factory);
}

void Form1::OpenSecondaryWindow(MenuIndex index) {
    if (secondaryWindows_[index] == nullptr && windowFactories_[index]) {
        secondaryWindows_[index] = windowFactories_[index](*this);
        if (secondaryWindows_[index] != nullptr)
            secondaryWindows_[index]->installEventFilter(this);
    }
    QWidget* window = secondaryWindows_[index];
    if (window == nullptr)
        return;
    window->move(pos());
    window->show();
    window->raise();
    window->activateWindow();
    activationPending_ = true;
}

bool Form1::event(QEvent* event) {
    // Coming back from one of the other windows rebuilds the lists, as their changes may
    // have added, moved or erased games.
    if (event->type() == QEvent::WindowActivate && activationPending_) {
        activationPending_ = false;
        Form_Activate();
    }
    return QWidget::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Hide) {
        for (QWidget* window : secondaryWindows_) {
            if (watched == window)
                activationPending_ = true;
        }
    }
    if (event->type() == QEvent::Enter)
        ShowGuideFor(watched->objectName());
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < MenuCount; ++i) {
            if (watched == Label1[i]) {
                Label1_Click(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::ShowGuideFor(const QString& objectName) {
    const QString text = common::GuideText(objectName, state_.inProgressFolder);
    if (text.isEmpty())
        return;
    Label2->setText(state_.settings.showGuide == 1 ? text : common::GuideOffText());
}

void Form1::OpenGameForRecording(const QString& opponent, const QString& game) {
    if (state_.currentGamesFolder != state_.inProgressFolder)
        SwitchGamesFolder(state_.inProgressFolder);
    Label1_Click(MenuRecording);
    const int opponentIndex = Combo1->findText(opponent, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (opponentIndex >= 0) {
        Combo1->setCurrentIndex(opponentIndex);
        Combo1_Click();
    }
    const QList<QListWidgetItem*> found =
        opponentIndex < 0 ? QList<QListWidgetItem*>()
                          : List2->findItems(game, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        platform_.ShowMessage(
            QStringLiteral("対局者「%1」の対局「%2」が見つかりません。").arg(opponent, game),
            QStringLiteral("対局がありません。"), common::MessageButtons::Ok,
            common::MessageIcon::Warning);
        return;
    }
    List2->setCurrentItem(found.first());  // shows the game, as a click does
    raise();
    activateWindow();
}

void Form1::Option1_Click() {
    SwitchGamesFolder(state_.inProgressFolder);
}

void Form1::Option2_Click() {
    SwitchGamesFolder(state_.backedUpFolder);
}

void Form1::SwitchGamesFolder(const QString& folder) {
    state_.currentGamesFolder = folder;
    state_.selectedOpponentIndex = -1;
    state_.selectedGameIndex = -1;
    FillOpponentList();
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
        Combo1_Click();
    } else {
        FillGameList();
        ClearGameDisplay();
    }
    state_.replyStale = -1;
    HighlightFolderButtons();
    DrawEmptyBoard();
}

void Form1::FillOpponentList() {
    fillingLists_ = true;
    Combo1->clear();
    Combo1->addItems(store::ListOpponents(state_.currentGamesFolder));
    Combo1->setCurrentIndex(-1);
    fillingLists_ = false;
}

void Form1::FillGameList() {
    fillingLists_ = true;
    List2->clear();
    List2->addItems(store::ListGames(state_.currentGamesFolder, OpponentName()));
    List2->setCurrentRow(-1);
    fillingLists_ = false;
}

QString Form1::OpponentName() const {
    return Combo1->currentIndex() >= 0 ? Combo1->currentText() : QString();
}

QString Form1::GameName() const {
    const QListWidgetItem* item = List2->currentItem();
    return item != nullptr && List2->currentRow() >= 0 ? item->text() : QString();
}

QStringList Form1::GameNames() const {
    QStringList names;
    for (int i = 0; i < List2->count(); ++i)
        names.append(List2->item(i)->text());
    return names;
}

bool Form1::GameChosen() const {
    return !OpponentName().isEmpty() && !GameName().isEmpty();
}

void Form1::ClearGameDisplay() {
    for (QLabel* label : Label14)
        label->clear();
    // A cut armed for one game must never fall on the next one.
    recordingPanel_->Label4->setVisible(false);
    ClearCaptures();
    Text3->clear();
    reviewPanel_->Text1->blockSignals(true);
    printingPanel_->Text2->blockSignals(true);
    reviewPanel_->Text1->clear();
    printingPanel_->Text2->clear();
    reviewPanel_->Text1->blockSignals(false);
    printingPanel_->Text2->blockSignals(false);
    ClearCountDisplay();
}

void Form1::Combo1_Click() {
    FillGameList();
    DrawEmptyBoard();
    ClearGameDisplay();
    model_.Clear();
    state_.selectedOpponentIndex = Combo1->currentIndex();
    state_.selectedGameIndex = -1;
    state_.replyStale = -1;
}

void Form1::List2_Click() {
    if (List2->currentRow() < 0)
        return;
    state_.selectedGameIndex = List2->currentRow();
    ClearGameDisplay();
    recordingPanel_->Command1[RestoreSave]->setEnabled(false);
    WarnIfRecordUnreadable(ShowGame());
    store::DeleteUndoCopy(state_.DataFile(store::kUndoCopyName));
}

store::LoadOutcome Form1::ShowGame() {
    if (!GameChosen())
        return store::LoadOutcome::Missing;
    countShown_ = false;
    DrawEmptyBoard();
    const store::LoadOutcome outcome =
        model_.ShowRecord(state_.RecordPath(OpponentName(), GameName()));
    // The proposed descriptions belonged to a move that is now saved or dropped.
    Combo2->clear();
    Combo3->setCurrentIndex(-1);
    ShowGameInformation();
    FillRemovedStones();
    Text3->setEnabled(model_.mode() == go::Mode::Recording);
    if (model_.mode() == go::Mode::Recording)
        Text3->clear();
    commaWarned_ = false;
    return outcome;
}

void Form1::ShowGameInformation() {
    const store::RecordTable& table = model_.table();
    if (!table.headerRead) {
        for (QLabel* label : Label14)
            label->clear();
        return;
    }
    const QString colour = table.playerColour;
    const QString opponentColour =
        colour == QStringLiteral("黒") ? QStringLiteral("白") : QStringLiteral("黒");
    const QString date = common::MainWindowDate(table.headerDate);
    Label14[0]->setText(date.isEmpty() ? GameName() + " (" + colour + ")"
                                       : GameName() + " (" + colour + ") " + date);
    Label14[1]->setText("(" + opponentColour + ") " + OpponentName());
    Label14[2]->setText(common::HandicapText(table.handicapCode) + QStringLiteral(" ［") +
                        common::KomiText(table.komiCode) + QStringLiteral("］"));
}

void Form1::ShowCaptures(int black, int white) {
    if (List2->count() == 0)
        return;
    Label3[2]->setText(QString::number(black));
    Label3[4]->setText(QString::number(white));
}

void Form1::ClearCaptures() {
    Label3[2]->clear();
    Label3[4]->clear();
}

void Form1::Form_Activate() {
    // The registration window may have changed the options.
    model_.options().numbersWhileRecording = state_.settings.numbersWhileRecording == 1;
    const int opponentIndex = state_.selectedOpponentIndex;
    const int gameIndex = state_.selectedGameIndex;
    // The erase window may have switched the games folder.
    HighlightFolderButtons();
    FillOpponentList();
    DrawEmptyBoard();
    DrawNumerals();
    if (Combo1->count() == 0) {
        FillGameList();
        ClearGameDisplay();
        return;
    }
    Combo1->setCurrentIndex(opponentIndex >= 0 && opponentIndex < Combo1->count() ? opponentIndex
                                                                                  : 0);
    Combo1_Click();
    if (gameIndex >= 0 && gameIndex < List2->count()) {
        List2->setCurrentRow(gameIndex);  // shows the game
    }
}

void Form1::ShowNoGameMessage() {
    platform_.ShowMessage(QStringLiteral("対局を選択してください。"),
                          QStringLiteral("対局が指定されていません。"));
}

void Form1::OpenHelp(const QString& fileName) {
    platform_.OpenInEditor(state_.DataFile(fileName));
}

void Form1::Picture1_MouseDown(Qt::MouseButton button, double xTwips, double yTwips) {
    if (Combo1->count() == 0) {
        platform_.ShowMessage(QStringLiteral("メニューの「登録」で対局を登録してください。"),
                              QStringLiteral("対局の登録がされていません。"));
        return;
    }
    if (!GameChosen()) {
        ShowNoGameMessage();
        return;
    }
    int x = 0;
    int y = 0;
    if (!BoardPicture::PointFromTwips(xTwips, yTwips, Picture1->Geometry(), x, y))
        return;
    switch (model_.mode()) {
        case go::Mode::Recording:
            RecordingBoardClick(button, x, y);
            break;
        case go::Mode::Review:
            ReviewBoardClick(button, x, y);
            break;
        case go::Mode::Printing:
            break;
    }
}

}  // namespace board
