#include "admin/registration_window.h"

#include "admin/board_colour_window.h"
#include "admin/engine_settings_dialog.h"
#include "admin/small_board_picker.h"
#include "common/game_texts.h"
#include "common/stone_colour.h"
#include "registration/export.h"
#include "store/display_settings.h"
#include "store/engine_settings_file.h"
#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "widgets/board_picture.h"
#include "widgets/game_picker.h"
#include "widgets/keyboard_access.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

namespace admin {
namespace {

using common::StoneColour;
using widgets::Bar;
using widgets::Button;
using widgets::Caption;
using widgets::Place;
using widgets::ValueBox;

constexpr int kDefaultHandicapCode = 1;
constexpr int kDefaultKomiCode = 31;
enum ColourRow { BlackRow = 0, WhiteRow = 1 };
const QString kHelpFileName = QStringLiteral("登録説明.txt");

QScrollBar* CodeBar(QWidget* parent, const char* name, int maximum, const QRect& geometry) {
    // Vertical with the minimum on top: the up arrow moves towards code 1.
    return Bar(parent, Qt::Vertical, name, 1, maximum, geometry);
}

}  // namespace

RegistrationWindow::RegistrationWindow(common::AppState& state, common::Platform& platform,
                                       QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("対局の登録／変更"));
    BuildWindow();
}

void RegistrationWindow::BuildWindow() {
    common::PlaceSecondaryWindow(this, board::kPictureFontFamily, platform_.ScreenHeight(),
                                 mainWindow_);
    BuildInputFrame();
    BuildListsAndBoard();
    BuildOptionFrame();
    BuildButtons();
    BuildSgfButtons();
    SetGuideTexts();

    colourList_->addItems(
        {common::ColourText(StoneColour::Black), common::ColourText(StoneColour::White)});
    colourList_->setCurrentRow(BlackRow);
    handicapBar_->setValue(kDefaultHandicapCode);
    komiBar_->setValue(kDefaultKomiCode);
    handicapBox_->setText(common::HandicapText(kDefaultHandicapCode));
    komiBox_->setText(common::KomiText(kDefaultKomiCode));

    const common::Settings& settings = state_.settings;
    numbersBox_->setChecked(settings.numbersWhileRecording != 0);
    numeralsBox_->setChecked(settings.showNumerals != 0);
    numeralPitchBox_->setChecked(settings.numeralPitch != 0);
    // The guide is on whenever this window has been opened; the file learns it only with
    // the next write of the settings.
    guideBox_->setChecked(true);
    state_.settings.showGuide = 1;
}

void RegistrationWindow::BuildInputFrame() {
    inputFrame_ = Place(new QGroupBox(QStringLiteral("対局の入力"), this), "Frame1",
                        TwipsRect(5520, 60, 6240, 4920));
    inputFrame_->setMouseTracking(true);
    QGroupBox* frame = inputFrame_;
    // Each box is named by the caption beside it (a screen reader would say the frame's).
    QLabel* opponentCaption =
        Caption(frame, "Label1", QStringLiteral("対局者"), TwipsRect(240, 420, 900, 300));
    opponentNameBox_ = Place(new QLineEdit(frame), "Text1", TwipsRect(1140, 360, 2760, 360));
    opponentCaption->setBuddy(opponentNameBox_);
    QLabel* gameCaption =
        Caption(frame, "Label3", QStringLiteral("対局名"), TwipsRect(240, 900, 900, 300));
    gameNameBox_ = Place(new QLineEdit(frame), "Text2", TwipsRect(1140, 840, 2760, 360));
    gameCaption->setBuddy(gameNameBox_);
    Caption(frame, "Label4", QStringLiteral("手合割"), TwipsRect(240, 1440, 900, 300));
    handicapBox_ = ValueBox(frame, "Label2", TwipsRect(1140, 1380, 2400, 360));
    handicapBar_ = CodeBar(frame, "VScroll1", 14, TwipsRect(3600, 1320, 300, 480));
    Caption(frame, "Label6", QStringLiteral("コミ出し"), TwipsRect(240, 1980, 900, 300));
    komiBox_ = ValueBox(frame, "Label5", TwipsRect(1140, 1920, 2400, 360));
    komiBar_ = CodeBar(frame, "VScroll2", 39, TwipsRect(3600, 1860, 300, 480));
    handicapBar_->setAccessibleName(QStringLiteral("手合割"));
    komiBar_->setAccessibleName(QStringLiteral("コミ出し"));
    QLabel* colourCaption =
        Caption(frame, "Label7", QStringLiteral("自分の石"), TwipsRect(4260, 420, 1740, 300));
    colourList_ = Place(new QListWidget(frame), "List3", TwipsRect(4260, 780, 1200, 660));
    colourCaption->setBuddy(colourList_);
    colourList_->setAccessibleName(colourCaption->text());  // a list takes no name from a buddy
    Caption(frame, "Label10", QStringLiteral("【入力ガイド】"), TwipsRect(240, 2580, 3000, 300));
    guideLabel_ = Caption(frame, "Label9", QString(), TwipsRect(240, 2940, 5760, 1800));
    guideLabel_->setWordWrap(true);
    guideLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Enter walks on: opponent, game, "登録の実行".
    connect(opponentNameBox_, &QLineEdit::returnPressed, this,
            [this] { gameNameBox_->setFocus(); });
    connect(gameNameBox_, &QLineEdit::returnPressed, this, [this] { registerButton_->setFocus(); });
    connect(handicapBar_, &QScrollBar::valueChanged, this, &RegistrationWindow::ShowHandicap);
    connect(komiBar_, &QScrollBar::valueChanged, this, &RegistrationWindow::ShowKomi);
}

void RegistrationWindow::BuildListsAndBoard() {
    // Choosing another opponent leaves the stored game index as it was; the erase window
    // forgets it.
    const SmallBoardPicker made =
        MakeSmallBoardPicker(this, state_, widgets::GameIndexOnNewOpponent::Keep);
    smallBoard_ = made.board;
    opponentList_ = made.opponentList;
    gameList_ = made.gameList;
    picker_ = made.picker;
    connect(picker_, &widgets::GamePicker::OpponentChosen, this,
            &RegistrationWindow::ShowChosenOpponent);
    connect(picker_, &widgets::GamePicker::GameChosen, this,
            [this](const QString&, const QString& game) { ShowChosenGame(game); });
}

void RegistrationWindow::BuildOptionFrame() {
    optionFrame_ = Place(new QGroupBox(QStringLiteral("オプション設定"), this), "Frame2",
                         TwipsRect(5520, 5040, 6240, 2040));
    // Each box switches one stored option.
    auto check = [this](const char* name, const QString& text, const QRect& rect, qint16& setting) {
        QCheckBox* box = Place(new QCheckBox(text, optionFrame_), name, rect);
        connect(box, &QCheckBox::clicked, this, [this, box, &setting] { SetOption(setting, box); });
        return box;
    };
    common::Settings& settings = state_.settings;
    numbersBox_ = check("Check2", QStringLiteral("「着手」画面で石の数字を表示する"),
                        TwipsRect(240, 300, 3900, 330), settings.numbersWhileRecording);
    numeralsBox_ = check("Check3", QStringLiteral("盤の上端と左側に数字を表示する"),
                         TwipsRect(240, 660, 3900, 330), settings.showNumerals);
    numeralPitchBox_ = check("Check4",
                             QStringLiteral("盤上側の数字のピッチを変える") + QLatin1Char('\n') +
                                 QStringLiteral("(画面が８００×６００の場合)"),
                             TwipsRect(240, 1020, 3900, 540), settings.numeralPitch);
    guideBox_ = check("Check5", QStringLiteral("操作ガイドを表示する"),
                      TwipsRect(240, 1620, 3900, 330), settings.showGuide);
    QPushButton* colour = Button(optionFrame_, "Command3", QStringLiteral("碁盤色設定"),
                                 TwipsRect(4260, 1140, 1740, 375));
    connect(colour, &QPushButton::clicked, this, &RegistrationWindow::OpenBoardColourWindow);
    QPushButton* engine = Button(optionFrame_, "CommandEngine", QStringLiteral("思考エンジン設定"),
                                 TwipsRect(4260, 1575, 1740, 375));
    connect(engine, &QPushButton::clicked, this, &RegistrationWindow::OpenEngineSettings);
    BuildDisplaySizeBox();
}

void RegistrationWindow::OpenEngineSettings() {
    auto* dialog =
        new EngineSettingsDialog(state_.DataFile(store::kEngineSettingsName), platform_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void RegistrationWindow::BuildDisplaySizeBox() {
    QLabel* caption = Place(new QLabel(QStringLiteral("表示サイズ"), optionFrame_),
                            "LabelDisplaySize", TwipsRect(4260, 300, 1740, 300));
    auto* box =
        Place(new QComboBox(optionFrame_), "ComboDisplaySize", TwipsRect(4260, 660, 1740, 420));
    caption->setBuddy(box);
    for (int percent : store::kDisplaySizes)
        box->addItem(QStringLiteral("%1％").arg(percent), percent);
    const int stored =
        store::ReadDisplaySettings(state_.DataFile(store::kDisplaySettingsName)).scalePercent;
    box->setCurrentIndex(qMax(0, box->findData(stored)));
    connect(box, &QComboBox::activated, this, &RegistrationWindow::StoreDisplaySize);
}

void RegistrationWindow::StoreDisplaySize(int index) {
    const QString path = state_.DataFile(store::kDisplaySettingsName);
    store::DisplaySettings settings = store::ReadDisplaySettings(path);
    const int percent =
        store::kDisplaySizes.at(size_t(qBound(0, index, int(store::kDisplaySizes.size()) - 1)));
    settings.scalePercent = percent;
    settings.shrinkNotice.clear();
    if (!store::WriteDisplaySettings(path, settings)) {
        platform_.ShowMessage(QStringLiteral("表示サイズを保存できませんでした。\n%1")
                                  .arg(QDir::toNativeSeparators(path)),
                              QStringLiteral("表示サイズ"), common::MessageButtons::Ok,
                              common::MessageIcon::Critical);
        return;
    }
    platform_.ShowMessage(QStringLiteral("表示サイズを %1％ にしました。\n"
                                         "次にソラマメを起動したときから、この大きさになります。")
                              .arg(percent),
                          QStringLiteral("表示サイズ"), common::MessageButtons::Ok,
                          common::MessageIcon::Information);
}

void RegistrationWindow::BuildButtons() {
    registerButton_ =
        Button(this, "Command1", QStringLiteral("登録の実行"), TwipsRect(5520, 7260, 3060, 600));
    QPushButton* exportButton =
        Button(this, "Command4", QStringLiteral("「クルミ」へ棋譜データコピー"),
               TwipsRect(8700, 7260, 3060, 600));
    QPushButton* help =
        Button(this, "Command6", QStringLiteral("操作説明"), TwipsRect(5520, 8040, 3060, 600));
    QPushButton* back =
        Button(this, "Command2", QStringLiteral("戻　る"), TwipsRect(8700, 8040, 3060, 600));
    connect(registerButton_, &QPushButton::clicked, this, &RegistrationWindow::Register);
    connect(exportButton, &QPushButton::clicked, this, &RegistrationWindow::CopyGameForMailProgram);
    connect(help, &QPushButton::clicked, this, &RegistrationWindow::OpenHelp);
    connect(back, &QPushButton::clicked, this, &RegistrationWindow::GoBack);
    widgets::CloseOnEscape(this, back);
}

void RegistrationWindow::SetGuideTexts() {
    guideTexts_.insert(inputFrame_, QString());
    guideTexts_.insert(handicapBox_,
                       QStringLiteral("手合割りは右側の上下矢印で指定してください。登録済み対局の「"
                                      "置石数」は変更しないでください。「置石数」変更のときは、メニ"
                                      "ューの「消去」画面で対局を消去後に再登録してください。"));
    guideTexts_.insert(komiBox_, QStringLiteral("コミは右側の上下矢印で指定してください。"));
    guideTexts_.insert(colourList_, QStringLiteral("「黒」「白」は文字をクリックしてください。"));
    guideTexts_.insert(
        opponentNameBox_,
        QStringLiteral("追加局のときは「リスト」で対局者を指定後に対局名や対局条件など必要"
                       "な項目を変更してから「登録の実行」をクリックしてください。"));
    guideTexts_.insert(
        gameNameBox_,
        QStringLiteral(
            "対局名は 01, 02 "
            "など半角で４文字以内としてください｡複数局の登録をしたいときは最初の一局を「登録の実行"
            "」後次の対局名および必要な箇所を訂正して再度「登録の実行」をしてください。"));
    for (QObject* control : guideTexts_.keys())
        control->installEventFilter(this);
}

bool RegistrationWindow::eventFilter(QObject* watched, QEvent* event) {
    // The guide follows the mouse whatever the guide option says: it explains this window.
    const bool moved = event->type() == QEvent::Enter || event->type() == QEvent::MouseMove;
    if (moved && guideTexts_.contains(watched))
        guideLabel_->setText(guideTexts_.value(watched));
    return QWidget::eventFilter(watched, event);
}

void RegistrationWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        picker_->Refill();
}

void RegistrationWindow::ShowChosenOpponent(const QString& opponent) {
    gameNameBox_->clear();
    opponentNameBox_->setText(opponent);
}

void RegistrationWindow::ShowChosenGame(const QString& game) {
    gameNameBox_->setText(game);
    const store::RecordTable& table = picker_->ShownTable();
    if (!table.headerRead)
        return;
    if (table.handicapCode != 0 && table.komiCode != 0) {
        handicapBar_->setValue(table.handicapCode);
        komiBar_->setValue(table.komiCode);
        handicapBox_->setText(common::HandicapText(table.handicapCode));
        komiBox_->setText(common::KomiText(table.komiCode));
    }
    // A header that names no colour has always shown White.
    colourList_->setCurrentRow(table.playerColour == StoneColour::Black ? BlackRow : WhiteRow);
}

void RegistrationWindow::ShowHandicap() {
    handicapBox_->setText(common::HandicapText(handicapBar_->value()));
    // A screen reader reads the bar's code; the words are in its description.
    handicapBar_->setAccessibleDescription(handicapBox_->text());
}

void RegistrationWindow::ShowKomi() {
    komiBox_->setText(common::KomiShortText(komiBar_->value()));
    komiBar_->setAccessibleDescription(komiBox_->text());
}

GameInput RegistrationWindow::TypedInput() const {
    GameInput input;
    input.opponent = opponentNameBox_->text();
    input.game = gameNameBox_->text();
    input.handicapCode = handicapBar_->value();
    input.komiCode = komiBar_->value();
    input.playerIsBlack = colourList_->currentRow() == BlackRow;
    return input;
}

void RegistrationWindow::Register() {
    const GameInput input = TypedInput();
    if (const std::optional<NameProblem> problem = CheckNames(input.opponent, input.game)) {
        ShowNameProblem(*problem);
        return;
    }
    const RegistrationCheck check = CheckRegistration(state_, input);
    if (check.refusal) {
        platform_.ShowMessage(check.refusal->text, check.refusal->title);
        return;
    }
    if (check.confirmation &&
        platform_.ShowMessage(check.confirmation->text, check.confirmation->title,
                              common::MessageButtons::OkCancel,
                              common::MessageIcon::Question) != common::MessageAnswer::Ok) {
        return;
    }
    const RegistrationOutcome outcome = RegisterGame(state_, input, platform_.Today());
    if (outcome.written) {
        // The small board shows the game just registered, handicap stones and all.
        picker_->ShowOnBoard(state_.RecordPath(input.opponent, input.game));
    }
    platform_.ShowMessage(outcome.notice.text, outcome.notice.title);
    // The registered opponent's games stay listed, none selected, so that the next game
    // of a series can be typed at once.
    picker_->ListAnew(input.opponent);
}

void RegistrationWindow::ShowNameProblem(const NameProblem& problem) {
    platform_.ShowMessage(problem.notice.text, problem.notice.title);
    QLineEdit* box = problem.box == NameBox::Opponent ? opponentNameBox_ : gameNameBox_;
    if (problem.clearBox)
        box->clear();
    box->setFocus();
}

void RegistrationWindow::GoBack() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void RegistrationWindow::OpenBoardColourWindow() {
    if (boardColourWindow_ == nullptr) {
        boardColourWindow_ = new BoardColourWindow(state_, platform_, mainWindow_, this);
        connect(boardColourWindow_, &BoardColourWindow::BoardColourChanged, this, [this] {
            picker_->RedrawBoard();
            emit BoardColourChanged();
        });
    }
    boardColourWindow_->show();
    boardColourWindow_->raise();
    boardColourWindow_->activateWindow();
}

void RegistrationWindow::CopyGameForMailProgram() {
    const QListWidgetItem* game = gameList_->currentItem();
    // The folder is named after the opponent whose games are listed: after a registration
    // the opponent list has lost its selection while that opponent's games stay listed.
    const QString opponent = game != nullptr ? picker_->ListedOpponent() : QString();
    const QString gameName = game != nullptr ? game->text() : QString();
    // Moves played by e-mail since the last export live only in the copies there: replacing
    // them is the player's decision.
    if (ExportedCopyExists(state_, opponent, gameName) &&
        platform_.ShowMessage(QStringLiteral("「クルミ」にこの対局の棋譜データがすでにあります。\n"
                                             "置き換えてよろしいですか？"),
                              QStringLiteral("棋譜データの置き換え"),
                              common::MessageButtons::OkCancel,
                              common::MessageIcon::Question) != common::MessageAnswer::Ok) {
        return;
    }
    const ExportOutcome outcome = ExportGame(state_, opponent, gameName, picker_->ShownTable());
    platform_.ShowMessage(outcome.notice.text, outcome.notice.title);
}

void RegistrationWindow::OpenHelp() {
    platform_.OpenInEditor(state_.DataFile(kHelpFileName));
}

void RegistrationWindow::SetOption(qint16& setting, const QCheckBox* box) {
    setting = box->isChecked() ? 1 : 0;
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), state_.settings);
    picker_->RedrawBoard();
    emit SettingsChanged();
}

}  // namespace admin
