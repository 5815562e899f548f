#include "admin/form2.h"

#include "admin/form3.h"
#include "common/game_texts.h"
#include "registration/export.h"
#include "store/display_settings.h"
#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "widgets/board_picture.h"
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

using widgets::Bar;
using widgets::Button;
using widgets::Caption;
using widgets::Place;
using widgets::ValueBox;

constexpr int kDefaultHandicapCode = 1;
constexpr int kDefaultKomiCode = 31;
enum ColourRow { BlackRow = 0, WhiteRow = 1 };
const QString kBlack = QStringLiteral("黒");
const QString kWhite = QStringLiteral("白");
const QString kHelpFileName = QStringLiteral("登録説明.txt");

QScrollBar* CodeBar(QWidget* parent, const char* name, int maximum, const QRect& geometry) {
    // Vertical with the minimum on top: the up arrow moves towards code 1.
    return Bar(parent, Qt::Vertical, name, 1, maximum, geometry);
}

}  // namespace

Form2::Form2(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
             QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("対局の登録／変更"));
    Form_Load();
}

void Form2::Form_Load() {
    common::PlaceSecondaryWindow(this, board::kPictureFontFamily, platform_.ScreenHeight(),
                                 mainWindow_);
    BuildInputFrame();
    BuildListsAndBoard();
    BuildOptionFrame();
    BuildButtons();
    BuildSgfButtons();
    SetGuideTexts();

    List3_->addItems({kBlack, kWhite});
    List3_->setCurrentRow(BlackRow);
    VScroll1_->setValue(kDefaultHandicapCode);
    VScroll2_->setValue(kDefaultKomiCode);
    Label2_->setText(common::HandicapText(kDefaultHandicapCode));
    Label5_->setText(common::KomiText(kDefaultKomiCode));

    const common::Settings& settings = state_.settings;
    Check2_->setChecked(settings.numbersWhileRecording != 0);
    Check3_->setChecked(settings.showNumerals != 0);
    Check4_->setChecked(settings.numeralPitch != 0);
    // The guide is on whenever this window has been opened; the file learns it only with
    // the next write of the settings.
    Check5_->setChecked(true);
    state_.settings.showGuide = 1;
    DrawSmallBoard();
}

void Form2::BuildInputFrame() {
    Frame1_ = Place(new QGroupBox(QStringLiteral("対局の入力"), this), "Frame1",
                    TwipsRect(5520, 60, 6240, 4920));
    Frame1_->setMouseTracking(true);
    Caption(Frame1_, "Label1", QStringLiteral("対局者"), TwipsRect(240, 420, 900, 300));
    Text1_ = Place(new QLineEdit(Frame1_), "Text1", TwipsRect(1140, 360, 2760, 360));
    Caption(Frame1_, "Label3", QStringLiteral("対局名"), TwipsRect(240, 900, 900, 300));
    Text2_ = Place(new QLineEdit(Frame1_), "Text2", TwipsRect(1140, 840, 2760, 360));
    Caption(Frame1_, "Label4", QStringLiteral("手合割"), TwipsRect(240, 1440, 900, 300));
    Label2_ = ValueBox(Frame1_, "Label2", TwipsRect(1140, 1380, 2400, 360));
    VScroll1_ = CodeBar(Frame1_, "VScroll1", 14, TwipsRect(3600, 1320, 300, 480));
    Caption(Frame1_, "Label6", QStringLiteral("コミ出し"), TwipsRect(240, 1980, 900, 300));
    Label5_ = ValueBox(Frame1_, "Label5", TwipsRect(1140, 1920, 2400, 360));
    VScroll2_ = CodeBar(Frame1_, "VScroll2", 39, TwipsRect(3600, 1860, 300, 480));
    Caption(Frame1_, "Label7", QStringLiteral("自分の石"), TwipsRect(4260, 420, 1740, 300));
    List3_ = Place(new QListWidget(Frame1_), "List3", TwipsRect(4260, 780, 1200, 660));
    Caption(Frame1_, "Label10", QStringLiteral("【入力ガイド】"), TwipsRect(240, 2580, 3000, 300));
    Label9_ = Caption(Frame1_, "Label9", QString(), TwipsRect(240, 2940, 5760, 1800));
    Label9_->setWordWrap(true);
    Label9_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(Text1_, &QLineEdit::returnPressed, this, &Form2::Text1_ReturnPressed);
    connect(Text2_, &QLineEdit::returnPressed, this, &Form2::Text2_ReturnPressed);
    connect(VScroll1_, &QScrollBar::valueChanged, this, &Form2::VScroll1_Change);
    connect(VScroll2_, &QScrollBar::valueChanged, this, &Form2::VScroll2_Change);
}

void Form2::BuildListsAndBoard() {
    Picture1_ = new board::BoardPicture(board::kSmallBoardGeometry, this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->move(TwipsRect(120, 120, 0, 0).topLeft());
    model_.SetCanvas(Picture1_);
    List1_ = Place(new QListWidget(this), "List1", TwipsRect(120, 5400, 2460, 3240));
    List2_ = Place(new QListWidget(this), "List2", TwipsRect(2700, 5400, 2577, 3240));
    connect(List1_, &QListWidget::currentRowChanged, this, &Form2::List1_Click);
    connect(List2_, &QListWidget::currentRowChanged, this, &Form2::List2_Click);
}

void Form2::BuildOptionFrame() {
    Frame2_ = Place(new QGroupBox(QStringLiteral("オプション設定"), this), "Frame2",
                    TwipsRect(5520, 5040, 6240, 2040));
    auto check = [this](const char* name, const QString& text, const QRect& rect) {
        return Place(new QCheckBox(text, Frame2_), name, rect);
    };
    Check2_ = check("Check2", QStringLiteral("「着手」画面で石の数字を表示する"),
                    TwipsRect(240, 300, 3900, 330));
    Check3_ = check("Check3", QStringLiteral("盤の上端と左側に数字を表示する"),
                    TwipsRect(240, 660, 3900, 330));
    Check4_ = check("Check4",
                    QStringLiteral("盤上側の数字のピッチを変える") + QLatin1Char('\n') +
                        QStringLiteral("(画面が８００×６００の場合)"),
                    TwipsRect(240, 1020, 3900, 540));
    Check5_ =
        check("Check5", QStringLiteral("操作ガイドを表示する"), TwipsRect(240, 1620, 3900, 330));
    QPushButton* colour =
        Button(Frame2_, "Command3", QStringLiteral("碁盤色設定"), TwipsRect(4260, 1260, 1740, 600));
    connect(Check2_, &QCheckBox::clicked, this, &Form2::Check2_Click);
    connect(Check3_, &QCheckBox::clicked, this, &Form2::Check3_Click);
    connect(Check4_, &QCheckBox::clicked, this, &Form2::Check4_Click);
    connect(Check5_, &QCheckBox::clicked, this, &Form2::Check5_Click);
    connect(colour, &QPushButton::clicked, this, &Form2::Command3_Click);
    BuildDisplaySizeBox();
}

void Form2::BuildDisplaySizeBox() {
    Place(new QLabel(QStringLiteral("表示サイズ"), Frame2_), "LabelDisplaySize",
          TwipsRect(4260, 300, 1740, 300));
    auto* box = Place(new QComboBox(Frame2_), "ComboDisplaySize", TwipsRect(4260, 660, 1740, 420));
    for (int percent : store::kDisplaySizes)
        box->addItem(QStringLiteral("%1％").arg(percent), percent);
    const int stored =
        store::ReadDisplaySettings(state_.DataFile(store::kDisplaySettingsName)).scalePercent;
    box->setCurrentIndex(qMax(0, box->findData(stored)));
    connect(box, &QComboBox::activated, this, &Form2::DisplaySize_Change);
}

void Form2::DisplaySize_Change(int index) {
    const QString path = state_.DataFile(store::kDisplaySettingsName);
    store::DisplaySettings settings = store::ReadDisplaySettings(path);
    const int percent = store::kDisplaySizes.at(size_t(qBound(0, index, 4)));
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

void Form2::BuildButtons() {
    Command1_ =
        Button(this, "Command1", QStringLiteral("登録の実行"), TwipsRect(5520, 7260, 3060, 600));
    QPushButton* exportButton =
        Button(this, "Command4", QStringLiteral("「クルミ」へ棋譜データコピー"),
               TwipsRect(8700, 7260, 3060, 600));
    QPushButton* help =
        Button(this, "Command6", QStringLiteral("操作説明"), TwipsRect(5520, 8040, 3060, 600));
    QPushButton* back =
        Button(this, "Command2", QStringLiteral("戻　る"), TwipsRect(8700, 8040, 3060, 600));
    connect(Command1_, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(exportButton, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(help, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(back, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::SetGuideTexts() {
    guideTexts_.insert(Frame1_, QString());
    guideTexts_.insert(Label2_,
                       QStringLiteral("手合割りは右側の上下矢印で指定してください。登録済み対局の「"
                                      "置石数」は変更しないでください。「置石数」変更のときは、メニ"
                                      "ューの「消去」画面で対局を消去後に再登録してください。"));
    guideTexts_.insert(Label5_, QStringLiteral("コミは右側の上下矢印で指定してください。"));
    guideTexts_.insert(List3_, QStringLiteral("「黒」「白」は文字をクリックしてください。"));
    guideTexts_.insert(
        Text1_, QStringLiteral("追加局のときは「リスト」で対局者を指定後に対局名や対局条件など必要"
                               "な項目を変更してから「登録の実行」をクリックしてください。"));
    guideTexts_.insert(
        Text2_,
        QStringLiteral(
            "対局名は 01, 02 "
            "など半角で４文字以内としてください｡複数局の登録をしたいときは最初の一局を「登録の実行"
            "」後次の対局名および必要な箇所を訂正して再度「登録の実行」をしてください。"));
    for (QObject* control : guideTexts_.keys())
        control->installEventFilter(this);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    // The guide follows the mouse whatever the guide option says: it explains this window.
    const bool moved = event->type() == QEvent::Enter || event->type() == QEvent::MouseMove;
    if (moved && guideTexts_.contains(watched))
        Label9_->setText(guideTexts_.value(watched));
    return QWidget::eventFilter(watched, event);
}

void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void Form2::Form_Activate() {
    FillOpponentList();
    FillGameList(QString());
    const int opponent = state_.selectedOpponentIndex;
    const int game = state_.selectedGameIndex;
    if (opponent < 0 || opponent >= List1_->count())
        return;
    List1_->setCurrentRow(opponent);
    if (game >= 0 && game < List2_->count())
        List2_->setCurrentRow(game);
}

void Form2::FillOpponentList() {
    const QSignalBlocker quiet(List1_);
    List1_->clear();
    List1_->addItems(store::ListOpponents(state_.currentGamesFolder));
    List1_->setCurrentRow(-1);
}

void Form2::FillGameList(const QString& opponent) {
    const QSignalBlocker quiet(List2_);
    listedOpponent_ = opponent;
    List2_->clear();
    List2_->addItems(store::ListGames(state_.currentGamesFolder, opponent));
    List2_->setCurrentRow(-1);
}

void Form2::List1_Click() {
    const int row = List1_->currentRow();
    if (row < 0)
        return;
    const QString opponent = List1_->item(row)->text();
    FillGameList(opponent);
    shownRecord_.clear();
    DrawSmallBoard();
    Text2_->clear();
    Text1_->setText(opponent);
    state_.selectedOpponentIndex = row;
}

void Form2::List2_Click() {
    const int row = List2_->currentRow();
    if (row < 0)
        return;
    state_.selectedGameIndex = row;
    const QString game = List2_->item(row)->text();
    Text2_->setText(game);
    ShowGame(state_.RecordPath(listedOpponent_, game));
}

void Form2::ShowGame(const QString& recordPath) {
    shownRecord_ = recordPath;
    DrawSmallBoard();
    const store::RecordTable& table = model_.table();
    if (!table.headerRead)
        return;
    if (table.handicapCode != 0 && table.komiCode != 0) {
        VScroll1_->setValue(table.handicapCode);
        VScroll2_->setValue(table.komiCode);
        Label2_->setText(common::HandicapText(table.handicapCode));
        Label5_->setText(common::KomiText(table.komiCode));
    }
    List3_->setCurrentRow(table.playerColour == kBlack ? BlackRow : WhiteRow);
}

void Form2::DrawSmallBoard() {
    Picture1_->SetBackground(BoardColourOf(state_.settings));
    model_.options().numbersWhileRecording = state_.settings.numbersWhileRecording != 0;
    if (shownRecord_.isEmpty()) {
        model_.Clear();
        Picture1_->DrawBoard();
    } else {
        model_.ShowRecord(shownRecord_);
    }
}

void Form2::VScroll1_Change() {
    Label2_->setText(common::HandicapText(VScroll1_->value()));
}

void Form2::VScroll2_Change() {
    const int code = VScroll2_->value();
    Label5_->setText(common::KomiShortText(code));
}

void Form2::Text1_ReturnPressed() {
    Text2_->setFocus();
}

void Form2::Text2_ReturnPressed() {
    Command1_->setFocus();
}

GameInput Form2::TypedInput() const {
    GameInput input;
    input.opponent = Text1_->text();
    input.game = Text2_->text();
    input.handicapCode = VScroll1_->value();
    input.komiCode = VScroll2_->value();
    input.playerIsBlack = List3_->currentRow() == BlackRow;
    return input;
}

void Form2::Command1_Click() {
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
        shownRecord_ = state_.RecordPath(input.opponent, input.game);
        DrawSmallBoard();
    }
    platform_.ShowMessage(outcome.notice.text, outcome.notice.title);
    FillOpponentList();
    // The registered opponent's games stay listed, none selected, so that the next game
    // of a series can be typed at once.
    FillGameList(input.opponent);
}

void Form2::ShowNameProblem(const NameProblem& problem) {
    platform_.ShowMessage(problem.notice.text, problem.notice.title);
    QLineEdit* box = problem.box == NameBox::Opponent ? Text1_ : Text2_;
    if (problem.clearBox)
        box->clear();
    box->setFocus();
}

void Form2::Command2_Click() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void Form2::Command3_Click() {
    if (form3_ == nullptr) {
        form3_ = new Form3(state_, platform_, mainWindow_, this);
        connect(form3_, &Form3::BoardColourChanged, this, [this] {
            DrawSmallBoard();
            emit BoardColourChanged();
        });
    }
    form3_->show();
    form3_->raise();
    form3_->activateWindow();
}

void Form2::Command4_Click() {
    const QListWidgetItem* game = List2_->currentItem();
    // The folder is named after the opponent whose games are listed: after a registration
    // the opponent list has lost its selection while that opponent's games stay listed.
    const QString opponent = game != nullptr ? listedOpponent_ : QString();
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
    const ExportOutcome outcome = ExportGame(state_, opponent, gameName, model_.table());
    platform_.ShowMessage(outcome.notice.text, outcome.notice.title);
}

void Form2::Command6_Click() {
    platform_.OpenInEditor(state_.DataFile(kHelpFileName));
}

void Form2::SetOption(qint16& setting, const QCheckBox* box) {
    setting = box->isChecked() ? 1 : 0;
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), state_.settings);
    DrawSmallBoard();
    emit SettingsChanged();
}

void Form2::Check2_Click() {
    SetOption(state_.settings.numbersWhileRecording, Check2_);
}

void Form2::Check3_Click() {
    SetOption(state_.settings.showNumerals, Check3_);
}

void Form2::Check4_Click() {
    SetOption(state_.settings.numeralPitch, Check4_);
}

void Form2::Check5_Click() {
    SetOption(state_.settings.showGuide, Check5_);
}

}  // namespace admin
