// The main window's frame: its controls, the menu, the other windows it opens, the guide.
#include "board/main_window.h"

#include "board/guide_follower.h"
#include "board/mode_panels.h"
#include "store/folder_tree.h"
#include "store/start_store.h"
#include "widgets/board_picture.h"
#include "widgets/game_picker.h"
#include "widgets/layout_scale.h"
#include "widgets/menu_entry.h"
#include "widgets/numeral_strips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

namespace board {

MainWindow::MainWindow(common::AppState& state, common::Platform& platform, QWidget* parent)
    : QWidget(parent),
      state_(state),
      platform_(platform),
      session_(state),
      printing_(state, platform, session_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ソラマメ Ｖ３．０"));
    controls_ = std::make_unique<MainControls>(this);
    for (QLabel* label : controls_->menuLabels)
        label->installEventFilter(this);  // a menu label is clicked like a button
    // Enter, Space and an entry's Alt key choose it as a click does.
    for (int i = 0; i < MenuCount; ++i) {
        connect(controls_->menuLabels[size_t(i)], &widgets::MenuEntry::Chosen, this,
                [this, i] { RunCommand(Panel::Menu, i); });
    }
    controls_->HighlightMenu(-1);
    ConnectControls();
    PlaceWindow();
    store::StartStore(state_, state_.dataRoot);
    WarnIfDataRootReadOnly();
    SetMode(go::Mode::Recording);
    LoadSettings();
    controls_->HighlightFolder(state_.currentGamesFolder != state_.backedUpFolder);
    LoadTermList();
    Reactivate();  // draws the board and its numerals
}

MainWindow::~MainWindow() {
    // A comment box losing its focus while the window is taken down must not warn.
    controls_->commentBox->disconnect(this);
}

void MainWindow::ConnectControls() {
    connect(controls_->inProgressButton, &QRadioButton::clicked, this,
            [this] { SwitchGamesFolder(state_.inProgressFolder); });
    connect(controls_->backedUpButton, &QRadioButton::clicked, this,
            [this] { SwitchGamesFolder(state_.backedUpFolder); });
    picker_ = new widgets::GamePicker(state_, controls_->opponentCombo, controls_->gameList,
                                      widgets::GameIndexOnNewOpponent::Reset,
                                      widgets::StoredOpponentMissing::ChooseFirst, nullptr, this);
    connect(picker_, &widgets::GamePicker::OpponentChosen, this, &MainWindow::OpponentChosen);
    connect(picker_, &widgets::GamePicker::GameChosen, this, &MainWindow::GameClicked);
    connect(controls_->boardPicture, &BoardPicture::Clicked, this, &MainWindow::BoardClicked);
    const std::pair<QButtonGroup*, Panel> groups[] = {
        {controls_->recordingPanel->group, Panel::Recording},
        {controls_->reviewPanel->group, Panel::Review},
        {controls_->printingPanel->group, Panel::Printing}};
    for (const auto& [group, panel] : groups) {
        const Panel buttonsPanel = panel;  // clang 14 cannot capture a structured binding
        connect(group, &QButtonGroup::idClicked, this,
                [this, buttonsPanel](int index) { RunCommand(buttonsPanel, index); });
    }
    connect(controls_->commentBox, &QLineEdit::textEdited, this, &MainWindow::CommentEdited);
    connect(controls_->commentBox, &QLineEdit::editingFinished, this, &MainWindow::WarnOfCommas);
    connect(controls_->descriptionCombo, &QComboBox::activated, this,
            [this] { DescriptionChosen(); });
    connect(controls_->termCombo, &QComboBox::activated, this, [this] { TermChosen(); });
    for (QLineEdit* moveBox :
         {controls_->reviewPanel->moveBox, controls_->printingPanel->moveBox}) {
        connect(moveBox, &QLineEdit::textChanged, this,
                [this, moveBox] { MoveBoxEdited(moveBox); });
    }
    connect(controls_->reviewPanel->transformList, &QListWidget::currentRowChanged, this,
            [this] { TransformChosen(); });
    connect(controls_->reviewPanel->numbersBox, &QCheckBox::clicked, this, [this](bool on) {
        session_.ShowReviewNumbers(on);
        ShowGame();
    });
    connect(controls_->printingPanel->numbersBox, &QCheckBox::clicked, this, [this](bool on) {
        session_.ShowPrintNumbers(on);
        session_.RedrawPosition();
    });
    connect(controls_->printingPanel->keepRemovedBox, &QCheckBox::clicked, this, [this](bool on) {
        session_.KeepRemovedStones(on);
        session_.RedrawPosition();
    });
    PrintingPanel* printing = controls_->printingPanel;
    for (QScrollBar* bar : {printing->positionBar1, printing->positionBar2}) {
        connect(bar, &QScrollBar::valueChanged, this, [this, printing] {
            session_.StorePrintPosition(printing->positionBar1->value(),
                                        printing->positionBar2->value());
        });
    }

    ConnectNavigationKeys();
    // The board by keyboard: a cursor, and its point and stone told to a screen reader.
    controls_->boardPicture->SetKeyboardCursorEnabled(true);
    controls_->boardPicture->SetPointWords(
        [this](QPoint point) { return session_.PointText(point.x(), point.y()); });
    auto* moveEntry = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(moveEntry, &QShortcut::activated, this, &MainWindow::EnterMoveByText);
    go::BoardModel& model = session_.model();
    model.SetCanvas(controls_->boardPicture);
    model.onCapturesChanged = [this](int black, int white) {
        controls_->ShowCaptures(black, white);
    };
    model.onCapturesCleared = [this] { controls_->ClearCaptures(); };
    model.onCommentShown = [this](const QString& comment) {
        controls_->commentBox->setText(comment);
    };

    // The guide follows the mouse over the lists, the menu and every button of the panels.
    auto* guide = new GuideFollower(state_, controls_->guideLabel, this);
    for (QWidget* control :
         std::initializer_list<QWidget*>{controls_->opponentCombo, controls_->gameList})
        guide->Follow(control);
    for (QLabel* label : controls_->menuLabels)
        guide->Follow(label);
    for (QPushButton* button : controls_->recordingPanel->buttons)
        guide->Follow(button);  // the grid's two empty cells are skipped
    for (QPushButton* button : controls_->reviewPanel->buttons)
        guide->Follow(button);
    for (QPushButton* button : controls_->printingPanel->buttons)
        guide->Follow(button);
}

void MainWindow::ConnectNavigationKeys() {
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
    for (QPushButton* step : {controls_->reviewPanel->buttons[StepBackButton],
                              controls_->reviewPanel->buttons[StepForwardButton],
                              controls_->printingPanel->buttons[StepBackButton],
                              controls_->printingPanel->buttons[StepForwardButton]}) {
        step->setAutoDefault(true);
    }
}

void MainWindow::LoadSettings() {
    controls_->printingPanel->keepRemovedBox->setChecked(state_.settings.keepRemovedStones == 1);
    session_.ApplyStoredOptions();
    controls_->printingPanel->ShowPositions(state_.settings.printPosition1,
                                            state_.settings.printPosition2);
}

void MainWindow::PlaceWindow() {
    smallScreen_ = IsSmallScreen(widgets::AtFullSize(platform_.ScreenHeight()));
    const int height = widgets::Scaled(Px(smallScreen_ ? 9000 : 9315));
    const int width = widgets::Scaled(Px(12000));
    setFixedSize(width, height);
    move((platform_.ScreenWidth() - width) / 2, (platform_.ScreenHeight() - height) / 3);
    controls_->Place(smallScreen_);
}

void MainWindow::LoadTermList() {
    controls_->termCombo->addItems(session::ReadTermList(state_.DataFile(store::kTermListName)));
    controls_->termCombo->setCurrentIndex(-1);
}

void MainWindow::WarnIfDataRootReadOnly() {
    if (store::FolderWritable(state_.dataRoot))
        return;
    platform_.ShowMessage(
        QStringLiteral("フォルダ「%1」に書き込めません。棋譜や設定は保存できません。")
            .arg(QDir::toNativeSeparators(state_.dataRoot)),
        QStringLiteral("保存ができません。"), common::MessageButtons::Ok,
        common::MessageIcon::Warning);
}

void MainWindow::RunCommand(Panel panel, int index) {
    const MainCommand* command = FindCommand(panel, index);
    if (command == nullptr)
        return;
    if (command->needsGame && !GameChosen()) {
        ShowNoGameMessage();
        return;
    }
    if (command->handler != nullptr)
        (this->*command->handler)();
}

void MainWindow::Exit() {
    if (ConfirmExit()) {
        exitConfirmed_ = true;
        close();
        QCoreApplication::quit();
    }
}

void MainWindow::ChooseMode(go::Mode mode) {
    // Recording always works on the game as recorded and saved: a transform, a variation or
    // a stepped-back position left by the other panels would otherwise be saved with the
    // next rows.
    go::BoardModel& model = session_.model();
    QListWidget* transforms = controls_->reviewPanel->transformList;
    const bool reload = mode == go::Mode::Recording &&
                        (model.mode() != go::Mode::Recording || transforms->currentRow() != 0);
    SetMode(mode);
    DrawEmptyBoard();
    if (reload) {
        const QSignalBlocker block(transforms);
        transforms->setCurrentRow(0);
        TransformChosen();
    } else if (GameChosen() && model.table().headerRead) {
        // The loaded game stays on the board, in the new mode's colours.
        model.ShowPositionAt(model.table().lastRow);
        model.MarkLastPlacement(model.table().lastRow);
    }
    controls_->commentBox->setEnabled(mode == go::Mode::Recording);
    ShowScoreGraphButton();  // a result recorded meanwhile makes the game finished
}

void MainWindow::SetMode(go::Mode mode) {
    const int index = int(mode);
    session_.model().SetMode(mode);
    controls_->HighlightMenu(index);
    for (int i = 0; i < 3; ++i)
        controls_->modePanels[size_t(i)]->setVisible(i == index);
}

bool MainWindow::ConfirmExit() {
    return platform_.ShowMessage(QStringLiteral("終了してよろしいですか？"),
                                 QStringLiteral("終了の確認"), common::MessageButtons::OkCancel,
                                 common::MessageIcon::Question) == common::MessageAnswer::Ok;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close button asks like "終了"; nothing needs writing at exit.
    if (exitConfirmed_ || ConfirmExit()) {
        exitConfirmed_ = true;
        windows_.HideAll();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::SetWindowFactory(MenuIndex index, WindowFactory factory) {
    windows_.SetFactory(index, [this, factory] { return factory(*this); });
}

void MainWindow::OpenSecondaryWindow(MenuIndex index) {
    // The board behind the windows that change games shows no game; the overview and the
    // results summary only read, and the game stays in sight behind them.
    if (index != MenuOverview && index != MenuResults)
        DrawEmptyBoard();
    windows_.Open(index, pos());
}

bool MainWindow::event(QEvent* event) {
    // Coming back from one of the other windows rebuilds the lists, as their changes may
    // have added, moved or erased games.
    if (event->type() == QEvent::WindowActivate && windows_.TakeComingBack())
        Reactivate();
    return QWidget::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < MenuCount; ++i) {
            if (watched == controls_->menuLabels[size_t(i)]) {
                RunCommand(Panel::Menu, i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::OpenHelp(const QString& fileName) {
    platform_.OpenInEditor(state_.DataFile(fileName));
}

}  // namespace board
