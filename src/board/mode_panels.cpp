#include "board/mode_panels.h"

#include "go/view_transform.h"
#include "widgets/layout_scale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <utility>

namespace board {
namespace {

constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 24;

QPushButton* MakeButton(QWidget* parent, QButtonGroup* group, const QString& name,
                        const QString& caption, int column, int row) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(
        widgets::Scaled(QRect(4 + column * (kButtonWidth + 3), 4 + row * (kButtonHeight + 3),
                              kButtonWidth, kButtonHeight)));
    button->setAutoDefault(false);
    group->addButton(button, name.section('_', 1).toInt());
    return button;
}

QLineEdit* MakeMoveBox(QWidget* parent, const QString& name, int x, int y) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(3);
    box->setGeometry(widgets::Scaled(QRect(x, y, 40, 22)));
    auto* caption = new QLabel(QStringLiteral("手から"), parent);
    caption->setGeometry(widgets::Scaled(QRect(x + 44, y + 2, 44, 18)));
    box->setAccessibleName(QStringLiteral("何手目から"));
    return box;
}

/// The recording panel's keys. F6 to F10 are left out: they convert the text while
/// Japanese is typed into the comment box.
constexpr std::pair<RecordingButton, Qt::Key> kRecordingKeys[] = {
    {RecordingHelp, Qt::Key_F1}, {RecordMoves, Qt::Key_F2}, {Redisplay, Qt::Key_F3},
    {CutFromMove, Qt::Key_F4},   {RestoreSave, Qt::Key_F5}, {CountAfterEnd, Qt::Key_F11},
    {ResultsRecord, Qt::Key_F12}};

/// A scroll bar that Tab reaches (a click leaves the focus where it is) and the arrow keys move.
void LetKeyboardReach(QScrollBar* bar, const QString& name) {
    bar->setFocusPolicy(Qt::TabFocus);
    bar->setAccessibleName(name);
}

/// Makes the buttons of `panel` that the command table places in the panel's grid.
template <size_t N>
void MakeButtons(QWidget* parent, QButtonGroup* group, Panel panel,
                 std::array<QPushButton*, N>& buttons) {
    for (const MainCommand& command : MainCommands()) {
        if (command.panel != panel || command.column < 0)
            continue;
        buttons[size_t(command.index)] =
            MakeButton(parent, group, CommandObjectName(panel, command.index),
                       QString::fromUtf8(command.caption), command.column, command.row);
    }
}

}  // namespace

RecordingPanel::RecordingPanel(QWidget* parent) : QWidget(parent), group(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_0"));
    MakeButtons(this, group, Panel::Recording, buttons);
    buttons[RestoreSave]->setEnabled(false);
    // A button's key works while its panel is shown and the button can be clicked.
    for (const auto& [button, key] : kRecordingKeys)
        buttons[size_t(button)]->setShortcut(QKeySequence(key));

    cutModeLabel = new QLabel(QStringLiteral("指定の着手以降を抹消する"), this);
    cutModeLabel->setObjectName(QStringLiteral("Label4"));
    cutModeLabel->setGeometry(widgets::Scaled(QRect(4, 90, 190, 20)));
    // Only the colour and the weight are set; the rest comes from the window as before.
    QPalette red;
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    cutModeLabel->setPalette(red);
    QFont bold;
    bold.setBold(true);
    cutModeLabel->setFont(bold);
    cutModeLabel->setVisible(false);

    // Asking an engine is offered only once the game is over and being counted; the button
    // takes the cut mode's place, which the count never shows at the same time.
    const MainCommand* propose = FindCommand(Panel::Recording, AskDeadStones);
    buttons[AskDeadStones] =
        MakeButton(this, group, CommandObjectName(Panel::Recording, AskDeadStones),
                   QString::fromUtf8(propose->caption), 0, 0);
    buttons[AskDeadStones]->setGeometry(widgets::Scaled(QRect(4, 90, 190, 20)));
    buttons[AskDeadStones]->setVisible(false);
}

ReviewPanel::ReviewPanel(QWidget* parent) : QWidget(parent), group(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_1"));
    MakeButtons(this, group, Panel::Review, buttons);
    moveBox = MakeMoveBox(this, QStringLiteral("Text1"), 4, 62);
    numbersBox = new QCheckBox(QStringLiteral("石数字"), this);
    numbersBox->setObjectName(QStringLiteral("Check2"));
    numbersBox->setGeometry(widgets::Scaled(QRect(96, 62, 90, 22)));
    transformList = new QListWidget(this);
    transformList->setObjectName(QStringLiteral("List3"));
    transformList->setGeometry(widgets::Scaled(QRect(4, 90, 190, 76)));
    transformList->addItems(go::TransformNames());
    transformList->setCurrentRow(0);
    transformList->setAccessibleName(QStringLiteral("盤の向き"));
    buttons[NavigationHelp]->setShortcut(QKeySequence(Qt::Key_F1));

    // The grid's free cell beside "前 進"; hidden until a game is chosen, so that the panel
    // without a game looks as before, and pressable only for a finished game.
    const MainCommand* graph = FindCommand(Panel::Review, ScoreGraph);
    buttons[ScoreGraph] = MakeButton(this, group, CommandObjectName(Panel::Review, ScoreGraph),
                                     QString::fromUtf8(graph->caption), 2, 1);
    buttons[ScoreGraph]->setVisible(false);
}

PrintingPanel::PrintingPanel(QWidget* parent) : QWidget(parent), group(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_2"));
    MakeButtons(this, group, Panel::Printing, buttons);
    moveBox = MakeMoveBox(this, QStringLiteral("Text2"), 4, 58);
    numbersBox = new QCheckBox(QStringLiteral("石数字"), this);
    numbersBox->setObjectName(QStringLiteral("Check3"));
    numbersBox->setGeometry(widgets::Scaled(QRect(4, 84, 70, 20)));
    keepRemovedBox = new QCheckBox(QStringLiteral("抜石を盤に残す"), this);
    keepRemovedBox->setObjectName(QStringLiteral("Check4"));
    keepRemovedBox->setGeometry(widgets::Scaled(QRect(74, 84, 122, 20)));
    removedList = new QListWidget(this);
    removedList->setObjectName(QStringLiteral("List4"));
    removedList->setGeometry(widgets::Scaled(QRect(4, 106, 80, 60)));
    removedList->setAccessibleName(QStringLiteral("抜石"));

    auto* caption = new QLabel(QStringLiteral("印字位置"), this);
    caption->setGeometry(widgets::Scaled(QRect(90, 106, 100, 16)));
    positionBar1 = new QScrollBar(Qt::Horizontal, this);
    positionBar1->setObjectName(QStringLiteral("HScroll1"));
    positionBar1->setGeometry(widgets::Scaled(QRect(90, 124, 76, 16)));
    positionBar2 = new QScrollBar(Qt::Horizontal, this);
    positionBar2->setObjectName(QStringLiteral("HScroll2"));
    positionBar2->setGeometry(widgets::Scaled(QRect(90, 146, 76, 16)));
    positionValue1 = new QLabel(this);
    positionValue1->setGeometry(widgets::Scaled(QRect(170, 124, 26, 16)));
    positionValue2 = new QLabel(this);
    positionValue2->setGeometry(widgets::Scaled(QRect(170, 146, 26, 16)));
    LetKeyboardReach(positionBar1, QStringLiteral("印字位置（横）"));
    LetKeyboardReach(positionBar2, QStringLiteral("印字位置（縦）"));
    for (auto [bar, value] :
         {std::pair(positionBar1, positionValue1), std::pair(positionBar2, positionValue2)}) {
        bar->setRange(0, 30);
        QLabel* shown = value;  // clang 14 cannot capture a structured binding
        connect(bar, &QScrollBar::valueChanged, shown,
                [shown](int position) { shown->setText(QString::number(position)); });
    }

    // The kifu figures sit beside the print position's caption, the one free place that keeps
    // every control of the panel where it was.
    const MainCommand* figures = FindCommand(Panel::Printing, KifuFigures);
    buttons[KifuFigures] = MakeButton(this, group, CommandObjectName(Panel::Printing, KifuFigures),
                                      QString::fromUtf8(figures->caption), 0, 0);
    buttons[KifuFigures]->setGeometry(widgets::Scaled(QRect(142, 102, 54, 20)));
    buttons[NavigationHelp]->setShortcut(QKeySequence(Qt::Key_F1));
}

void PrintingPanel::ShowPositions(int horizontal, int vertical) {
    const QSignalBlocker block1(positionBar1);
    const QSignalBlocker block2(positionBar2);
    positionBar1->setValue(horizontal);
    positionBar2->setValue(vertical);
    positionValue1->setText(QString::number(positionBar1->value()));
    positionValue2->setText(QString::number(positionBar2->value()));
}

}  // namespace board
