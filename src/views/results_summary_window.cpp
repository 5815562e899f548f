#include "views/results_summary_window.h"

#include "output/results_summary.h"
#include "views/list_table.h"
#include "widgets/keyboard_access.h"
#include "widgets/layout_scale.h"

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

/// At most this many unread lines are named in the window; the rest are counted.
constexpr qsizetype kNamedProblems = 5;

QString NoteText(const output::ResultsSummary& summary) {
    const QStringList problems = output::ResultsProblems(summary);
    if (!problems.isEmpty()) {
        QStringList lines = problems.mid(0, kNamedProblems);
        if (problems.size() > kNamedProblems)
            lines.append(
                QStringLiteral("ほかに %1 行あります。").arg(problems.size() - kNamedProblems));
        if (summary.unreadLines > 0)
            lines.append(QStringLiteral("読めない行は数えていません。"));
        return lines.join('\n');
    }
    if (summary.games.isEmpty())
        return QStringLiteral("対戦記録はまだありません。");
    return QString();
}

/// A file that could not be read at all has no counts to show, not a total of 0.
bool FileWasRead(const output::ResultsSummary& summary) {
    return summary.fileStatus == store::ReadStatus::Ok ||
           summary.fileStatus == store::ReadStatus::Missing;
}

}  // namespace

ResultsSummaryWindow::ResultsSummaryWindow(common::AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      tallies_(MakeListTable(this, output::TallyColumnNames(), {180, 60, 60, 60, 60})),
      games_(MakeListTable(this, output::GameColumnNames(), {120, 100, 200, 140, 90})),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("ResultsSummary"));
    // The names take the spare width; the counts stay narrow beside them.
    tallies_->horizontalHeader()->setStretchLastSection(false);
    tallies_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    setWindowTitle(QStringLiteral("成績"));
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    widgets::CloseOnEscape(this, closeButton);
    tallies_->setAccessibleName(QStringLiteral("対局者ごとの成績"));
    games_->setAccessibleName(QStringLiteral("対局ごとの最後の結果"));
    // The note may quote lines of the file: shown as they are, never as markup.
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note_, 1);
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("対局者ごとの成績"), this));
    layout->addWidget(tallies_, 2);
    layout->addWidget(new QLabel(QStringLiteral("対局ごとの最後の結果"), this));
    layout->addWidget(games_, 3);
    layout->addLayout(bottom);
    resize(widgets::Scaled(QSize(680, 500)));
    Refresh();
}

void ResultsSummaryWindow::Refresh() {
    const output::ResultsSummary summary = output::ReadResultsSummary(state_.dataRoot);
    tallies_->setRowCount(0);
    games_->setRowCount(0);
    note_->setText(NoteText(summary));
    if (!FileWasRead(summary))
        return;
    for (const output::Tally& tally : summary.opponents)
        AppendRow(tallies_, output::TallyCells(tally), 1);
    AppendRow(tallies_, output::TallyCells(summary.total), 1);
    QFont bold = tallies_->font();
    bold.setBold(true);
    for (int c = 0; c < tallies_->columnCount(); ++c)
        tallies_->item(tallies_->rowCount() - 1, c)->setFont(bold);
    // The newest result first: the game just counted is at the top.
    for (const output::GameResult& game : output::NewestFirst(summary))
        AppendRow(games_, output::GameCells(game));
}

bool ResultsSummaryWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Refresh();
    return QWidget::event(event);
}

}  // namespace views
