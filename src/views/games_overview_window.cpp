#include "views/games_overview_window.h"

#include "cards/reminder_text.h"
#include "views/list_table.h"
#include "views/reminder_dialog.h"
#include "views/time_limits_dialog.h"
#include "widgets/keyboard_access.h"
#include "widgets/layout_scale.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace views {
namespace {

enum Column {
    OpponentColumn = 0,
    GameColumn = 1,
    MovesColumn = 5,
    DaysColumn = 8,
    LimitColumn = 9,
    DaysLeftColumn = 10,
    NoteColumn = 11
};

/// Shows 「残り3日」 or 「5日超過」 and sorts by urgency: the player's overdue games first.
class UrgencyItem : public QTableWidgetItem {
  public:
    explicit UrgencyItem(const output::GameOverviewRow& row)
        : QTableWidgetItem(output::TimeLimitText(row.timeLimit)), key_(output::UrgencyKey(row)) {
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* urgency = dynamic_cast<const UrgencyItem*>(&other);
        return urgency != nullptr ? key_ < urgency->key_ : QTableWidgetItem::operator<(other);
    }

  private:
    int key_;
};

QTableWidgetItem* CellItem(int column, const QString& text) {
    auto* item = new QTableWidgetItem;
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    // Counts sort as numbers, not as text ("12" after "9").
    if ((column == MovesColumn || column == DaysColumn || column == LimitColumn) && isNumber) {
        item->setData(Qt::DisplayRole, number);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        item->setText(text);
    }
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

GamesOverviewWindow::GamesOverviewWindow(common::AppState& state, common::Platform& platform,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      state_(state),
      platform_(platform),
      myTurnOnly_(new QCheckBox(QStringLiteral("自分の手番のみ"), this)),
      counts_(new QLabel(this)),
      table_(MakeListTable(this, output::OverviewColumnNames() << QStringLiteral("備考"),
                           {96, 96, 64, 76, 30, 44, 176, 44, 64, 44, 72, 120})),
      openButton_(new QPushButton(QStringLiteral("開く"), this)),
      limitsButton_(new QPushButton(QStringLiteral("期限設定"), this)),
      reminderButton_(new QPushButton(QStringLiteral("督促文"), this)),
      closeButton_(new QPushButton(QStringLiteral("閉じる"), this)) {
    setObjectName(QStringLiteral("GamesOverview"));
    setWindowTitle(QStringLiteral("一覧"));
    table_->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(myTurnOnly_);
    top->addStretch();
    top->addWidget(counts_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(limitsButton_);
    bottom->addWidget(reminderButton_);
    bottom->addStretch();
    bottom->addWidget(openButton_);
    bottom->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_);
    layout->addLayout(bottom);
    // Every column shown on a 1024-pixel screen; on a narrower one the table scrolls sideways
    // rather than the window running off the screen.
    resize(widgets::Scaled(QSize(960, 480))
               .boundedTo(QSize(platform_.ScreenWidth() - 16, platform_.ScreenHeight() - 64)));

    connect(myTurnOnly_, &QCheckBox::toggled, this, [this] { FillTable(); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OpenCurrentGame(); });
    connect(openButton_, &QPushButton::clicked, this, &GamesOverviewWindow::OpenCurrentGame);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(limitsButton_, &QPushButton::clicked, this, &GamesOverviewWindow::SetTimeLimits);
    connect(reminderButton_, &QPushButton::clicked, this, &GamesOverviewWindow::ShowReminder);
    connect(table_, &QTableWidget::currentCellChanged, this, [this] { UpdateButtons(); });
    widgets::CloseOnEscape(this, closeButton_);
    table_->setAccessibleName(QStringLiteral("対局中の対局"));
    // The window opens with the table in the keyboard's hands: Up and Down choose the row
    // that Enter opens. The check box comes last.
    setTabOrder(table_, openButton_);
    setTabOrder(openButton_, limitsButton_);
    setTabOrder(limitsButton_, reminderButton_);
    setTabOrder(reminderButton_, closeButton_);
    setTabOrder(closeButton_, myTurnOnly_);
    table_->setFocus();
    Refresh();
}

void GamesOverviewWindow::Refresh() {
    const store::TimeLimitSettings limits =
        store::ReadTimeLimits(state_.DataFile(store::kTimeLimitsName));
    rows_ = output::ListGamesInPlay(state_.inProgressFolder, platform_.Today(), limits);
    FillTable();
}

void GamesOverviewWindow::FillTable() {
    // The player's own sort stays; before any, the rows keep the default order.
    const int sortColumn =
        table_->isSortingEnabled() ? table_->horizontalHeader()->sortIndicatorSection() : -1;
    const Qt::SortOrder sortOrder = table_->horizontalHeader()->sortIndicatorOrder();
    const QStringList chosen = CurrentGame();
    table_->setSortingEnabled(false);
    table_->clearContents();
    table_->setRowCount(0);
    for (const output::GameOverviewRow& row : rows_) {
        if (myTurnOnly_->isChecked() && row.turn != output::Turn::Mine)
            continue;
        QStringList cells = output::OverviewCells(row);
        cells.append(row.note);
        const int r = table_->rowCount();
        table_->insertRow(r);
        for (int c = 0; c < int(cells.size()); ++c) {
            table_->setItem(r, c,
                            c == DaysLeftColumn ? new UrgencyItem(row) : CellItem(c, cells[c]));
        }
    }
    table_->horizontalHeader()->setSortIndicator(sortColumn, sortOrder);
    table_->setSortingEnabled(true);
    SelectGame(chosen);
    ShowCounts();
}

void GamesOverviewWindow::ShowCounts() {
    qsizetype mine = 0;
    for (const output::GameOverviewRow& row : rows_)
        mine += row.turn == output::Turn::Mine ? 1 : 0;
    counts_->setText(QStringLiteral("対局中 %1局（自分の手番 %2局）").arg(rows_.size()).arg(mine));
    UpdateButtons();
}

void GamesOverviewWindow::UpdateButtons() {
    const QStringList game = CurrentGame();
    openButton_->setEnabled(!game.isEmpty());
    limitsButton_->setEnabled(!game.isEmpty());
    reminderButton_->setEnabled(!game.isEmpty() &&
                                !postcard::ReminderText(game[0], rows_).isEmpty());
}

QStringList GamesOverviewWindow::CurrentGame() const {
    const int r = table_->currentRow();
    if (r < 0 || table_->item(r, OpponentColumn) == nullptr)
        return {};
    return {table_->item(r, OpponentColumn)->text(), table_->item(r, GameColumn)->text()};
}

void GamesOverviewWindow::SelectGame(const QStringList& game) {
    int found = 0;  // the first row when the game is gone or none was chosen
    for (int r = 0; r < table_->rowCount() && !game.isEmpty(); ++r) {
        if (table_->item(r, OpponentColumn)->text() == game[0] &&
            table_->item(r, GameColumn)->text() == game[1])
            found = r;
    }
    if (table_->rowCount() > 0)
        table_->selectRow(found);
}

void GamesOverviewWindow::OpenCurrentGame() {
    const QStringList game = CurrentGame();
    if (!game.isEmpty())
        emit GameChosen(game[0], game[1]);
}

void GamesOverviewWindow::SetTimeLimits() {
    const QStringList game = CurrentGame();
    if (game.isEmpty())
        return;
    TimeLimitsDialog dialog(state_.DataFile(store::kTimeLimitsName), game[0], game[1], platform_,
                            this);
    if (dialog.exec() == QDialog::Accepted)
        Refresh();
}

void GamesOverviewWindow::ShowReminder() {
    const QStringList game = CurrentGame();
    const QString text = game.isEmpty() ? QString() : postcard::ReminderText(game[0], rows_);
    if (text.isEmpty())
        return;
    ReminderDialog dialog(text, this);
    dialog.exec();
}

bool GamesOverviewWindow::event(QEvent* event) {
    // Coming forward again: a move may have been recorded or a game registered meanwhile.
    if (event->type() == QEvent::WindowActivate)
        Refresh();
    return QWidget::event(event);
}

bool GamesOverviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenCurrentGame();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace views
