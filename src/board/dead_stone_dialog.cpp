#include "board/dead_stone_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace board {
namespace {

// Measured with GNU Go on finished professional games: seconds when the game was played to
// the end, minutes after a resignation. The player can always cancel sooner.
constexpr int kThinkingLimitMs = 300'000;

}  // namespace

DeadStoneDialog::DeadStoneDialog(const QString& engineCommand, const go::BoardGrid& board,
                                 int whiteFirst, QWidget* parent)
    : QDialog(parent),
      command_(engineCommand),
      progress_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setObjectName(QStringLiteral("DeadStones"));
    setWindowTitle(QStringLiteral("死に石の提案"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    connect(cancel_, &QPushButton::clicked, &proposal_, &engine::DeadStoneProposal::Cancel);
    connect(&proposal_, &engine::DeadStoneProposal::Finished, this,
            [this](const engine::DeadStoneResult& result) {
                result_ = result;
                ticker_.stop();
                result.outcome == engine::DeadStoneResult::Outcome::Proposed ? accept() : reject();
            });
    connect(&ticker_, &QTimer::timeout, this, &DeadStoneDialog::ShowElapsed);
    ShowElapsed();
    ticker_.start(250);
    // Asked once the dialog is up, so that an engine that fails at once still shows it.
    QTimer::singleShot(0, this, [this, board, whiteFirst] {
        proposal_.Run(command_, board, whiteFirst, kThinkingLimitMs);
    });
}

void DeadStoneDialog::ShowElapsed() {
    progress_->setText(QStringLiteral("思考エンジン（%1）に死に石を尋ねています。\n"
                                      "%2 秒たちました。")
                           .arg(command_)
                           .arg(proposal_.ElapsedMs() / 1000));
}

}  // namespace board
