#include "board/mode_panels.h"

#include "board/view_transform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace board {
namespace {

constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 24;

QPushButton* MakeButton(QWidget* parent, QButtonGroup* group, const QString& name, int index,
                        const QString& caption, int column, int row) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name + "_" + QString::number(index));
    button->setGeometry(4 + column * (kButtonWidth + 3), 4 + row * (kButtonHeight + 3),
                        kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    group->addButton(button, index);
    return button;
}

QLineEdit* MakeMoveBox(QWidget* parent, const QString& name, int x, int y) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(3);
    box->setGeometry(x, y, 40, 22);
    auto* caption = new QLabel(QStringLiteral("手から"), parent);
    caption->setGeometry(x + 44, y + 2, 44, 18);
    return box;
}

/// The five navigation buttons shared by the review and printing panels.
template <size_t N>
void MakeNavigationButtons(QWidget* parent, QButtonGroup* group, const QString& name,
                           std::array<QPushButton*, N>& buttons) {
    buttons[FinalPosition] =
        MakeButton(parent, group, name, FinalPosition, QStringLiteral("最終形"), 0, 0);
    buttons[StartPosition] =
        MakeButton(parent, group, name, StartPosition, QStringLiteral("開 始"), 1, 0);
    buttons[NavigationHelp] =
        MakeButton(parent, group, name, NavigationHelp, QStringLiteral("操作説明"), 2, 0);
    buttons[StepBackButton] =
        MakeButton(parent, group, name, StepBackButton, QStringLiteral("後 退"), 0, 1);
    buttons[StepForwardButton] =
        MakeButton(parent, group, name, StepForwardButton, QStringLiteral("前 進"), 1, 1);
}

}  // namespace

RecordingPanel::RecordingPanel(QWidget* parent) : QWidget(parent), buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_0"));
    const QString name = QStringLiteral("Command1");
    Command1[Redisplay] =
        MakeButton(this, buttons, name, Redisplay, QStringLiteral("再表示"), 0, 0);
    Command1[RecordMoves] =
        MakeButton(this, buttons, name, RecordMoves, QStringLiteral("着手記録"), 1, 0);
    Command1[OneMove] = MakeButton(this, buttons, name, OneMove, QStringLiteral("一手"), 2, 0);
    Command1[CutFromMove] =
        MakeButton(this, buttons, name, CutFromMove, QStringLiteral("指定以降"), 0, 1);
    Command1[RestoreSave] =
        MakeButton(this, buttons, name, RestoreSave, QStringLiteral("復 元"), 1, 1);
    Command1[CountAfterEnd] =
        MakeButton(this, buttons, name, CountAfterEnd, QStringLiteral("終局後計算"), 2, 1);
    Command1[RecordingHelp] =
        MakeButton(this, buttons, name, RecordingHelp, QStringLiteral("操作説明"), 0, 2);
    Command1[ResultsRecord] =
        MakeButton(this, buttons, name, ResultsRecord, QStringLiteral("対戦記録"), 1, 2);
    Command1[EditTerms] =
        MakeButton(this, buttons, name, EditTerms, QStringLiteral("用語編集"), 2, 2);
    Command1[RestoreSave]->setEnabled(false);

    Label4 = new QLabel(QStringLiteral("指定の着手以降を抹消する"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(4, 90, 190, 20);
    Label4->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold;"));
    Label4->setVisible(false);
}

ReviewPanel::ReviewPanel(QWidget* parent) : QWidget(parent), buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_1"));
    MakeNavigationButtons(this, buttons, QStringLiteral("Command2"), Command2);
    Text1 = MakeMoveBox(this, QStringLiteral("Text1"), 4, 62);
    Check2 = new QCheckBox(QStringLiteral("石数字"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(96, 62, 90, 22);
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setGeometry(4, 90, 190, 76);
    List3->addItems(TransformNames());
    List3->setCurrentRow(0);
}

PrintingPanel::PrintingPanel(QWidget* parent) : QWidget(parent), buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_2"));
    const QString name = QStringLiteral("Command3");
    MakeNavigationButtons(this, buttons, name, Command3);
    Command3[PrintRecord] =
        MakeButton(this, buttons, name, PrintRecord, QStringLiteral("印 字"), 2, 1);
    Command3[ScreenCopy] =
        MakeButton(this, buttons, name, ScreenCopy, QStringLiteral("画面コピー"), 2, 2);
    Text2 = MakeMoveBox(this, QStringLiteral("Text2"), 4, 58);
    Check3 = new QCheckBox(QStringLiteral("石数字"), this);
    Check3->setObjectName(QStringLiteral("Check3"));
    Check3->setGeometry(4, 84, 70, 20);
    Check4 = new QCheckBox(QStringLiteral("抜石を盤に残す"), this);
    Check4->setObjectName(QStringLiteral("Check4"));
    Check4->setGeometry(74, 84, 122, 20);
    List4 = new QListWidget(this);
    List4->setObjectName(QStringLiteral("List4"));
    List4->setGeometry(4, 106, 80, 60);

    auto* caption = new QLabel(QStringLiteral("印字位置"), this);
    caption->setGeometry(90, 106, 100, 16);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(90, 124, 76, 16);
    HScroll2 = new QScrollBar(Qt::Horizontal, this);
    HScroll2->setObjectName(QStringLiteral("HScroll2"));
    HScroll2->setGeometry(90, 146, 76, 16);
    for (QScrollBar* bar : {HScroll1, HScroll2})
        bar->setRange(0, 30);
    positionValue1 = new QLabel(this);
    positionValue1->setGeometry(170, 124, 26, 16);
    positionValue2 = new QLabel(this);
    positionValue2->setGeometry(170, 146, 26, 16);
}

}  // namespace board
