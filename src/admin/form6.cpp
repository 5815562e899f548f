#include "admin/form6.h"

#include "admin/form3.h"
#include "common/game_texts.h"
#include "housekeeping/old_data.h"
#include "housekeeping/whole_backup.h"
#include "store/folder_tree.h"
#include "widgets/board_picture.h"
#include "widgets/box_radio_button.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QApplication>
#include <QFileDialog>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStandardPaths>

namespace admin {
namespace {

using widgets::Button;
using widgets::Caption;
using widgets::Place;
using widgets::ValueBox;

enum ColourRow { BlackRow = 0, WhiteRow = 1 };
const QString kBlack = QStringLiteral("黒");
const QString kWhite = QStringLiteral("白");
const QString kHelpFileName = QStringLiteral("消去説明.txt");
const QString kSelectedView = QStringLiteral("background-color: rgb(0, 0, 128); color: white;");
const QString kOtherView =
    QStringLiteral("background-color: rgb(224, 224, 224); color: rgb(64, 64, 64);");

/// A name box the lists fill: the buttons act on the lists' choice, so nothing is typed.
QLineEdit* ShownNameBox(QWidget* parent, const char* name, const QRect& geometry) {
    QLineEdit* box = Place(new QLineEdit(parent), name, geometry);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

}  // namespace

Form6::Form6(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
             QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("対局の消去／退避／復帰"));
    Form_Load();
}

void Form6::Form_Load() {
    common::PlaceSecondaryWindow(this, board::kPictureFontFamily, platform_.ScreenHeight(),
                                 mainWindow_);
    BuildListsAndBoard();
    BuildContentsFrame();
    BuildButtons();
    List3_->addItems({kBlack, kWhite});
    Label7_->setText(QStringLiteral("１．「退避の実行」は対局または対局者を退避します。") +
                     QStringLiteral("\r\n") +
                     QStringLiteral("２．「退避の実行」は「対局中の棋譜」を退避します。") +
                     QStringLiteral("\r\n") +
                     QStringLiteral("３．「復帰の実行」は「退避後の棋譜」を復帰します。"));
    ShowView(true);
    DrawSmallBoard();
}

void Form6::BuildListsAndBoard() {
    Picture1_ = new board::BoardPicture(board::kSmallBoardGeometry, this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->move(TwipsRect(120, 120, 0, 0).topLeft());
    model_.SetCanvas(Picture1_);
    List1_ = Place(new QListWidget(this), "List1", TwipsRect(120, 5400, 2460, 3240));
    List2_ = Place(new QListWidget(this), "List2", TwipsRect(2700, 5400, 2577, 3240));
    connect(List1_, &QListWidget::currentRowChanged, this, &Form6::List1_Click);
    connect(List2_, &QListWidget::currentRowChanged, this, &Form6::List2_Click);
}

void Form6::BuildContentsFrame() {
    Option1_ = Place(new common::BoxRadioButton(QStringLiteral("対局中の棋譜"), this), "Option1",
                     TwipsRect(5520, 120, 3000, 420));
    Option2_ = Place(new common::BoxRadioButton(QStringLiteral("退避後の棋譜"), this), "Option2",
                     TwipsRect(8760, 120, 3000, 420));
    connect(Option1_, &QRadioButton::clicked, this, &Form6::Option1_Click);
    connect(Option2_, &QRadioButton::clicked, this, &Form6::Option2_Click);

    auto* frame = Place(new QGroupBox(QStringLiteral("登録の内容表示"), this), "Frame1",
                        TwipsRect(5520, 720, 6240, 2580));
    Caption(frame, "Label1", QStringLiteral("対局者"), TwipsRect(240, 420, 900, 300));
    Text1_ = ShownNameBox(frame, "Text1", TwipsRect(1140, 360, 2760, 360));
    Caption(frame, "Label3", QStringLiteral("対局名"), TwipsRect(240, 900, 900, 300));
    Text2_ = ShownNameBox(frame, "Text2", TwipsRect(1140, 840, 2760, 360));
    Caption(frame, "Label4", QStringLiteral("手合割"), TwipsRect(240, 1440, 900, 300));
    Label2_ = ValueBox(frame, "Label2", TwipsRect(1140, 1380, 2760, 360));
    Caption(frame, "Label6", QStringLiteral("コミ出し"), TwipsRect(240, 1980, 900, 300));
    Label5_ = ValueBox(frame, "Label5", TwipsRect(1140, 1920, 2760, 360));
    Caption(frame, "Label8", QStringLiteral("自分の石"), TwipsRect(4260, 420, 1740, 300));
    List3_ = Place(new QListWidget(frame), "List3", TwipsRect(4260, 780, 1200, 660));
    // It shows the colour of the chosen game; a click must not seem to change it.
    List3_->setFocusPolicy(Qt::NoFocus);
    List3_->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label7_ = Caption(this, "Label7", QString(), TwipsRect(5520, 3480, 6240, 1080));
    Label7_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Form6::BuildButtons() {
    Command3_ =
        Button(this, "Command3", QStringLiteral("退避の実行"), TwipsRect(5520, 4800, 3060, 600));
    Command4_ =
        Button(this, "Command4", QStringLiteral("復帰の実行"), TwipsRect(8700, 4800, 3060, 600));
    // Apart from the other two: what it does cannot be undone.
    QPushButton* erase =
        Button(this, "Command1", QStringLiteral("消去の実行"), TwipsRect(5520, 5640, 3060, 600));
    QPushButton* help =
        Button(this, "Command6", QStringLiteral("操作説明"), TwipsRect(5520, 8040, 3060, 600));
    QPushButton* back =
        Button(this, "Command2", QStringLiteral("戻　る"), TwipsRect(8700, 8040, 3060, 600));
    connect(erase, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(back, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3_, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Command4_, &QPushButton::clicked, this, &Form6::Command4_Click);
    connect(help, &QPushButton::clicked, this, &Form6::Command6_Click);
    BuildWholeBackupButtons();
}

void Form6::BuildWholeBackupButtons() {
    QPushButton* backup = Button(this, "CommandBackup", QStringLiteral("全データのバックアップ"),
                                 TwipsRect(5520, 6480, 3060, 600));
    QPushButton* restore = Button(this, "CommandRestore", QStringLiteral("バックアップから戻す"),
                                  TwipsRect(8700, 6480, 3060, 600));
    QPushButton* import = Button(this, "CommandImportOld", QStringLiteral("以前のデータを取り込む"),
                                 TwipsRect(5520, 7140, 3060, 600));
    QPushButton* open =
        Button(this, "CommandOpenDataFolder", QStringLiteral("データフォルダーを開く"),
               TwipsRect(8700, 7140, 3060, 600));
    connect(backup, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(
            this, QStringLiteral("バックアップ先のフォルダを選んでください"));
        if (!folder.isEmpty())
            BackUpWholeData(state_.dataRoot, folder, platform_);
    });
    connect(restore, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(
            this, QStringLiteral("戻すバックアップのフォルダを選んでください"));
        // The windows hold what they read from the old files: the program starts afresh.
        if (!folder.isEmpty() && RestoreWholeData(state_.dataRoot, folder, platform_))
            QCoreApplication::quit();
    });
    connect(import, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(
            this, QStringLiteral("以前のソラマメのデータフォルダを選んでください"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (folder.isEmpty())
            return;
        BringInOldData(state_.dataRoot, folder, platform_);
        Form_Activate();
    });
    connect(open, &QPushButton::clicked, this, [this] { platform_.ShowFolder(state_.dataRoot); });
}

void Form6::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void Form6::Form_Activate() {
    // The main window may have switched the games folder since; a view that showed one
    // folder while its buttons moved games from the other would move a record onto itself.
    ShowView(state_.currentGamesFolder != state_.backedUpFolder);
    const int opponent = state_.selectedOpponentIndex;
    const int game = state_.selectedGameIndex;
    FillOpponentList();
    FillGameList(QString());
    ClearGameDisplay();
    if (opponent < 0 || opponent >= List1_->count())
        return;
    List1_->setCurrentRow(opponent);
    if (game >= 0 && game < List2_->count())
        List2_->setCurrentRow(game);
}

void Form6::ShowView(bool inProgress) {
    Option1_->setChecked(inProgress);
    Option2_->setChecked(!inProgress);
    Option1_->setStyleSheet(inProgress ? kSelectedView : kOtherView);
    Option2_->setStyleSheet(inProgress ? kOtherView : kSelectedView);
    Command3_->setEnabled(inProgress);
    Command4_->setEnabled(!inProgress);
}

void Form6::Option1_Click() {
    SwitchGamesFolder(state_.inProgressFolder);
}

void Form6::Option2_Click() {
    SwitchGamesFolder(state_.backedUpFolder);
}

void Form6::SwitchGamesFolder(const QString& folder) {
    state_.currentGamesFolder = folder;
    // The indexes pointed into the other folder's lists.
    state_.selectedOpponentIndex = -1;
    state_.selectedGameIndex = -1;
    state_.replyStale = -1;
    ShowView(folder != state_.backedUpFolder);
    FillOpponentList();
    FillGameList(QString());
    ClearGameDisplay();
}

void Form6::FillOpponentList() {
    const QSignalBlocker quiet(List1_);
    List1_->clear();
    List1_->addItems(store::ListOpponents(state_.currentGamesFolder));
    List1_->setCurrentRow(-1);
}

void Form6::FillGameList(const QString& opponent) {
    const QSignalBlocker quiet(List2_);
    listedOpponent_ = opponent;
    List2_->clear();
    List2_->addItems(store::ListGames(state_.currentGamesFolder, opponent));
    List2_->setCurrentRow(-1);
}

void Form6::ClearGameDisplay() {
    Text1_->clear();
    Text2_->clear();
    Label2_->clear();
    Label5_->clear();
    List3_->setCurrentRow(-1);
    shownRecord_.clear();
    DrawSmallBoard();
}

void Form6::List1_Click() {
    const int row = List1_->currentRow();
    if (row < 0)
        return;
    const QString opponent = List1_->item(row)->text();
    FillGameList(opponent);
    // The game box empties too: the boxes show exactly what the buttons will act on.
    ClearGameDisplay();
    Text1_->setText(opponent);
    state_.selectedOpponentIndex = row;
    state_.selectedGameIndex = -1;
}

void Form6::List2_Click() {
    const int row = List2_->currentRow();
    if (row < 0)
        return;
    state_.selectedGameIndex = row;
    const QString game = List2_->item(row)->text();
    Text2_->setText(game);
    ShowGame(state_.RecordPath(listedOpponent_, game));
}

void Form6::ShowGame(const QString& recordPath) {
    shownRecord_ = recordPath;
    DrawSmallBoard();
    const store::RecordTable& table = model_.table();
    if (!table.headerRead) {
        Label2_->clear();
        Label5_->clear();
        List3_->setCurrentRow(-1);
        return;
    }
    Label2_->setText(common::HandicapText(table.handicapCode));
    Label5_->setText(common::KomiText(table.komiCode));
    List3_->setCurrentRow(table.playerColour == kBlack ? BlackRow : WhiteRow);
}

void Form6::DrawSmallBoard() {
    Picture1_->SetBackground(BoardColourOf(state_.settings));
    model_.options().numbersWhileRecording = state_.settings.numbersWhileRecording != 0;
    if (shownRecord_.isEmpty()) {
        model_.Clear();
        Picture1_->DrawBoard();
    } else {
        model_.ShowRecord(shownRecord_);
    }
}

QString Form6::SelectedOpponent() const {
    const QListWidgetItem* item = List1_->currentItem();
    return item != nullptr && List1_->currentRow() >= 0 ? item->text() : QString();
}

QString Form6::SelectedGame() const {
    const QListWidgetItem* item = List2_->currentItem();
    return item != nullptr && List2_->currentRow() >= 0 ? item->text() : QString();
}

void Form6::Run(MoveKind kind) {
    const MoveRequest request{kind, SelectedOpponent(), SelectedGame()};
    const MoveOutcome outcome =
        RunMove(state_, request, [this](const Notice& question, common::MessageIcon icon) {
            return platform_.ShowMessage(question.text, question.title,
                                         common::MessageButtons::OkCancel,
                                         icon) == common::MessageAnswer::Ok;
        });
    if (outcome.notice)
        platform_.ShowMessage(outcome.notice->text, outcome.notice->title);
    if (!outcome.attempted)
        return;
    if (request.game.isEmpty())
        state_.selectedOpponentIndex = -1;
    state_.selectedGameIndex = -1;
    state_.replyStale = -1;
    FillOpponentList();
    FillGameList(QString());
    ClearGameDisplay();
}

void Form6::Command1_Click() {
    Run(MoveKind::Erase);
}

void Form6::Command3_Click() {
    Run(MoveKind::BackUp);
}

void Form6::Command4_Click() {
    Run(MoveKind::Restore);
}

void Form6::Command2_Click() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

void Form6::Command6_Click() {
    platform_.OpenInEditor(state_.DataFile(kHelpFileName));
}

}  // namespace admin
