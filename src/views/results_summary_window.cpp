#include "views/results_summary_window.h"

#include "output/results_summary.h"
#include "views/list_table.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <climits>

namespace views {
namespace {

/// Cells from `firstCount` on are counts and stand right-aligned.
void AppendRow(QTableWidget* table, const QStringList& cells, int firstCount = INT_MAX) {
    const int r = table->rowCount();
    table->insertRow(r);
    for (int c = 0; c < int(cells.size()); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c >= firstCount)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(r, c, item);
    }
}

QStringList TallyCells(const output::Tally& tally) {
    return {tally.opponent.isEmpty() ? QStringLiteral("合計") : tally.opponent,
            QString::number(tally.wins), QString::number(tally.losses),
            QString::number(tally.draws), QString::number(tally.wins + tally.losses + tally.draws)};
}

QString NoteText(const output::ResultsSummary& summary) {
    if (summary.games.isEmpty() && summary.unreadLines == 0)
        return QStringLiteral("対戦記録はまだありません。");
    if (summary.unreadLines > 0)
        return QStringLiteral("対戦記録に結果として読めない行が %1 行あります。")
            .arg(summary.unreadLines);
    return QString();
}

}  // namespace

ResultsSummaryWindow::ResultsSummaryWindow(common::AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      tallies_(
          MakeListTable(this,
                        {QStringLiteral("対局者"), QStringLiteral("勝ち"), QStringLiteral("負け"),
                         QStringLiteral("ジゴ"), QStringLiteral("対局数")},
                        {180, 60, 60, 60, 60})),
      games_(MakeListTable(
          this,
          {QStringLiteral("対局者"), QStringLiteral("対局名"), QStringLiteral("手合割・コミ"),
           QStringLiteral("結果"), QStringLiteral("日付")},
          {120, 100, 200, 140, 90})),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("ResultsSummary"));
    // The names take the spare width; the counts stay narrow beside them.
    tallies_->horizontalHeader()->setStretchLastSection(false);
    tallies_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    setWindowTitle(QStringLiteral("成績"));
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note_);
    bottom->addStretch();
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("対局者ごとの成績"), this));
    layout->addWidget(tallies_, 2);
    layout->addWidget(new QLabel(QStringLiteral("対局ごとの最後の結果"), this));
    layout->addWidget(games_, 3);
    layout->addLayout(bottom);
    resize(680, 500);
    Refresh();
}

void ResultsSummaryWindow::Refresh() {
    const output::ResultsSummary summary = output::ReadResultsSummary(state_.dataRoot);
    tallies_->setRowCount(0);
    for (const output::Tally& tally : summary.opponents)
        AppendRow(tallies_, TallyCells(tally), 1);
    AppendRow(tallies_, TallyCells(summary.total), 1);
    QFont bold = tallies_->font();
    bold.setBold(true);
    for (int c = 0; c < tallies_->columnCount(); ++c)
        tallies_->item(tallies_->rowCount() - 1, c)->setFont(bold);
    games_->setRowCount(0);
    // The newest result first: the game just counted is at the top.
    for (qsizetype i = summary.games.size() - 1; i >= 0; --i) {
        const output::GameResult& game = summary.games[i];
        AppendRow(games_, {game.opponent, game.game, game.terms, game.result, game.date});
    }
    note_->setText(NoteText(summary));
}

bool ResultsSummaryWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Refresh();
    return QWidget::event(event);
}

}  // namespace views
