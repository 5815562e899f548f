#include "board/mode_panels.h"

#include "go/view_transform.h"

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

/// Where a button of a panel sits: its index, caption and cell in the panel's button grid.
struct ButtonCell {
    int index;
    const char* caption;
    int column;
    int row;
};

/// The five navigation buttons shared by the review and printing panels.
constexpr ButtonCell kNavigationButtons[] = {{FinalPosition, "最終形", 0, 0},
                                             {StartPosition, "開 始", 1, 0},
                                             {NavigationHelp, "操作説明", 2, 0},
                                             {StepBackButton, "後 退", 0, 1},
                                             {StepForwardButton, "前 進", 1, 1}};

constexpr ButtonCell kPrintingButtons[] = {{PrintRecord, "印 字", 2, 1},
                                           {ScreenCopy, "画面コピー", 2, 2}};

constexpr ButtonCell kRecordingButtons[] = {
    {Redisplay, "再表示", 0, 0},       {RecordMoves, "着手記録", 1, 0},
    {OneMove, "一手", 2, 0},           {CutFromMove, "指定以降", 0, 1},
    {RestoreSave, "復 元", 1, 1},      {CountAfterEnd, "終局後計算", 2, 1},
    {RecordingHelp, "操作説明", 0, 2}, {ResultsRecord, "対戦記録", 1, 2},
    {EditTerms, "用語編集", 2, 2}};

template <size_t N, size_t M>
void MakeButtons(QWidget* parent, QButtonGroup* group, const QString& name,
                 const ButtonCell (&cells)[M], std::array<QPushButton*, N>& buttons) {
    for (const ButtonCell& cell : cells) {
        buttons[size_t(cell.index)] =
            MakeButton(parent, group, name, cell.index, QString::fromUtf8(cell.caption),
                       cell.column, cell.row);
    }
}

}  // namespace

RecordingPanel::RecordingPanel(QWidget* parent) : QWidget(parent), buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_0"));
    MakeButtons(this, buttons, QStringLiteral("Command1"), kRecordingButtons, Command1);
    Command1[RestoreSave]->setEnabled(false);

    Label4 = new QLabel(QStringLiteral("指定の着手以降を抹消する"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(4, 90, 190, 20);
    Label4->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); font-weight: bold;"));
    Label4->setVisible(false);
}

ReviewPanel::ReviewPanel(QWidget* parent) : QWidget(parent), buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_1"));
    MakeButtons(this, buttons, QStringLiteral("Command2"), kNavigationButtons, Command2);
    Text1 = MakeMoveBox(this, QStringLiteral("Text1"), 4, 62);
    Check2 = new QCheckBox(QStringLiteral("石数字"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(96, 62, 90, 22);
    List3 = new QListWidget(this);
    List3->setObjectName(QStringLiteral("List3"));
    List3->setGeometry(4, 90, 190, 76);
    List3->addItems(go::TransformNames());
    List3->setCurrentRow(0);
}

PrintingPanel::PrintingPanel(QWidget* parent) : QWidget(parent), buttons(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("Picture3_2"));
    MakeButtons(this, buttons, QStringLiteral("Command3"), kNavigationButtons, Command3);
    MakeButtons(this, buttons, QStringLiteral("Command3"), kPrintingButtons, Command3);
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

    // The kifu figures sit beside the print position's caption, the one free place that keeps
    // every control of the panel where it was.
    Command3[KifuFigures] = MakeButton(this, buttons, QStringLiteral("Command3"), KifuFigures,
                                       QStringLiteral("棋譜図"), 0, 0);
    Command3[KifuFigures]->setGeometry(142, 102, 54, 20);
}

}  // namespace board
