#include "board/kifu_figures_dialog.h"

#include "common/guide_texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace board {
namespace {

QRadioButton* AddChoice(QGroupBox* box, QButtonGroup* group, const QString& name,
                        const QString& caption) {
    auto* choice = new QRadioButton(caption, box);
    choice->setObjectName(name);
    group->addButton(choice);
    box->layout()->addWidget(choice);
    return choice;
}

QGroupBox* MakeBox(QWidget* parent, const QString& title) {
    auto* box = new QGroupBox(title, parent);
    box->setLayout(new QHBoxLayout);
    return box;
}

}  // namespace

KifuFiguresDialog::KifuFiguresDialog(bool graphKept, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KifuFiguresDialog"));
    setWindowTitle(QStringLiteral("棋譜図の印刷"));

    QGroupBox* moves = MakeBox(this, QStringLiteral("一譜の手数"));
    auto* movesGroup = new QButtonGroup(this);
    fifty_ = AddChoice(moves, movesGroup, QStringLiteral("Figures50"), QStringLiteral("５０手"));
    hundred_ =
        AddChoice(moves, movesGroup, QStringLiteral("Figures100"), QStringLiteral("１００手"));
    wholeGame_ =
        AddChoice(moves, movesGroup, QStringLiteral("FiguresWhole"), QStringLiteral("全局"));
    hundred_->setChecked(true);

    QGroupBox* numbers = MakeBox(this, QStringLiteral("石の番号"));
    auto* numbersGroup = new QButtonGroup(this);
    gameNumbers_ = AddChoice(numbers, numbersGroup, QStringLiteral("GameNumbers"),
                             QStringLiteral("実際の手数"));
    fromOne_ =
        AddChoice(numbers, numbersGroup, QStringLiteral("FromOne"), QStringLiteral("各譜を１から"));
    gameNumbers_->setChecked(true);

    // Off unless ticked, so that the figures print as they always did.
    scoreGraph_ = new QCheckBox(QStringLiteral("形勢グラフを付ける"), this);
    scoreGraph_->setObjectName(QStringLiteral("ScoreGraphPage"));
    scoreGraph_->setEnabled(graphKept);
    const QString guide = common::GuideText(scoreGraph_->objectName(), QString());
    scoreGraph_->setToolTip(guide);
    // The dialog has no guide box of its own; while the box cannot be ticked, it says why.
    QLabel* graphNote = nullptr;
    if (!graphKept) {
        graphNote = new QLabel(guide, this);
        graphNote->setWordWrap(true);
    }

    auto* print = new QPushButton(QStringLiteral("印 字"), this);
    print->setObjectName(QStringLiteral("PrintFigures"));
    print->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取 消"), this);
    cancel->setObjectName(QStringLiteral("CancelFigures"));
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(moves);
    layout->addWidget(numbers);
    layout->addWidget(scoreGraph_);
    if (graphNote != nullptr)
        layout->addWidget(graphNote);
    layout->addLayout(buttons);
}

output::FigureOptions KifuFiguresDialog::Options() const {
    output::FigureOptions options;
    options.movesPerFigure = fifty_->isChecked() ? 50 : wholeGame_->isChecked() ? 0 : 100;
    options.renumber = fromOne_->isChecked();
    return options;
}

bool KifuFiguresDialog::WithScoreGraph() const {
    return scoreGraph_->isEnabled() && scoreGraph_->isChecked();
}

}  // namespace board
