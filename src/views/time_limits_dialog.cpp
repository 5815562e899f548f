#include "views/time_limits_dialog.h"

#include "output/time_limits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace views {
namespace {

const QString kTitle = QStringLiteral("期限設定");

std::optional<int> DaysOf(const QSpinBox* box) {
    return box->value() > 0 ? std::optional<int>(box->value()) : std::nullopt;
}

QDateEdit* MakeDateBox(const QDate& day, QWidget* parent) {
    auto* box = new QDateEdit(day, parent);
    box->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    box->setCalendarPopup(true);
    return box;
}

QString DayText(const QDate& day) {
    return day.toString(QStringLiteral("yyyy/MM/dd"));
}

}  // namespace

TimeLimitsDialog::TimeLimitsDialog(const QString& settingsPath, const QString& opponent,
                                   const QString& game, common::Platform& platform, QWidget* parent)
    : QDialog(parent),
      path_(settingsPath),
      opponent_(opponent),
      game_(game),
      platform_(platform),
      settings_(store::ReadTimeLimits(settingsPath)),
      original_(settings_) {
    setObjectName(QStringLiteral("TimeLimits"));
    setWindowTitle(kTitle);
    auto* heading = new QLabel(QStringLiteral("対局者 %1　対局名 %2").arg(opponent, game), this);
    auto* save = new QPushButton(QStringLiteral("保存"), this);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(BuildLimits());
    layout->addWidget(BuildPauses());
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] {
        if (Save())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &TimeLimitsDialog::reject);
    // No default button: Enter presses the focused button, and in the reason's box it adds
    // the pause, so that a typed pause is never saved past or lost.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    connect(pauseReason_, &QLineEdit::returnPressed, this, &TimeLimitsDialog::AddPause);
    FillPauses();
    defaultLimit_->setFocus();
}

QSpinBox* TimeLimitsDialog::MakeLimitBox(std::optional<int> days) {
    auto* box = new QSpinBox(this);
    box->setRange(0, store::kMaxLimitDays);
    box->setSuffix(QStringLiteral("日"));
    box->setSpecialValueText(QStringLiteral("なし"));  // 0: no limit at this level
    box->setValue(days.value_or(0));
    return box;
}

QWidget* TimeLimitsDialog::BuildLimits() {
    auto* group = new QGroupBox(QStringLiteral("一手の期限（日数）と終了日"), this);
    defaultLimit_ = MakeLimitBox(output::LimitSetAt(settings_, {}));
    opponentLimit_ = MakeLimitBox(output::LimitSetAt(settings_, {opponent_, {}}));
    gameLimit_ = MakeLimitBox(output::LimitSetAt(settings_, {opponent_, game_}));
    const std::optional<QDate> end = output::EndDateOf(settings_, {opponent_, game_});
    hasEndDate_ = new QCheckBox(QStringLiteral("終了日を決める"), this);
    hasEndDate_->setChecked(end.has_value());
    endDate_ = MakeDateBox(end.value_or(platform_.Today().addMonths(3)), this);
    endDate_->setEnabled(end.has_value());
    endDate_->setAccessibleName(QStringLiteral("終了日"));
    connect(hasEndDate_, &QCheckBox::toggled, endDate_, &QWidget::setEnabled);
    auto* endRow = new QHBoxLayout;
    endRow->addWidget(hasEndDate_);
    endRow->addWidget(endDate_);
    endRow->addStretch();
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("すべての対局"), defaultLimit_);
    form->addRow(QStringLiteral("対局者 %1 の対局").arg(opponent_), opponentLimit_);
    form->addRow(QStringLiteral("この対局"), gameLimit_);
    form->addRow(QStringLiteral("この対局の終了日"), endRow);
    form->addRow(new QLabel(QStringLiteral("対局の期限があればそれを、なければ対局者の期限を、"
                                           "それもなければすべての対局の期限を使います。"),
                            group));
    return group;
}

QWidget* TimeLimitsDialog::BuildPauses() {
    auto* group = new QGroupBox(QStringLiteral("休み（待った日数に数えない日）"), this);
    pauseTable_ = new QTableWidget(0, 4, group);
    pauseTable_->setHorizontalHeaderLabels({QStringLiteral("始まり"), QStringLiteral("終わり"),
                                            QStringLiteral("理由"), QStringLiteral("対象")});
    pauseTable_->setAccessibleName(QStringLiteral("休み"));
    pauseTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pauseTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    pauseTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pauseTable_->verticalHeader()->hide();
    pauseTable_->horizontalHeader()->setStretchLastSection(true);
    const QDate today = platform_.Today();
    pauseFrom_ = MakeDateBox(today, group);
    pauseFrom_->setAccessibleName(QStringLiteral("休みの始まり"));
    pauseTo_ = MakeDateBox(today.addDays(6), group);
    pauseTo_->setAccessibleName(QStringLiteral("休みの終わり"));
    pauseReason_ = new QLineEdit(group);
    pauseReason_->setAccessibleName(QStringLiteral("休みの理由"));
    pauseReason_->setPlaceholderText(QStringLiteral("理由（旅行など）"));
    pauseScope_ = new QComboBox(group);
    pauseScope_->addItems({QStringLiteral("この対局"),
                           QStringLiteral("対局者 %1 の対局").arg(opponent_),
                           QStringLiteral("すべての対局")});
    pauseScope_->setAccessibleName(QStringLiteral("休みの対象"));
    auto* add = new QPushButton(QStringLiteral("休みを追加"), group);
    auto* remove = new QPushButton(QStringLiteral("選んだ休みを削除"), group);
    connect(add, &QPushButton::clicked, this, &TimeLimitsDialog::AddPause);
    connect(remove, &QPushButton::clicked, this, &TimeLimitsDialog::RemovePause);
    auto* entry = new QHBoxLayout;
    entry->addWidget(pauseFrom_);
    entry->addWidget(new QLabel(QStringLiteral("～"), group));
    entry->addWidget(pauseTo_);
    entry->addWidget(pauseReason_, 1);
    entry->addWidget(pauseScope_);
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(add);
    actions->addWidget(remove);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(pauseTable_);
    layout->addLayout(entry);
    layout->addLayout(actions);
    return group;
}

store::LimitScope TimeLimitsDialog::ScopeOfChoice() const {
    switch (pauseScope_->currentIndex()) {
        case 0:
            return {opponent_, game_};
        case 1:
            return {opponent_, {}};
        default:
            return {};
    }
}

QString TimeLimitsDialog::ScopeName(const store::LimitScope& scope) const {
    if (scope.opponent.isEmpty())
        return QStringLiteral("すべての対局");
    if (scope.game.isEmpty())
        return QStringLiteral("対局者 %1 の対局").arg(scope.opponent);
    return QStringLiteral("この対局");
}

void TimeLimitsDialog::FillPauses() {
    shownPauses_ = output::PausesOf(settings_, opponent_, game_);
    pauseTable_->setRowCount(0);
    for (const store::LimitPause& pause : shownPauses_) {
        const int row = pauseTable_->rowCount();
        pauseTable_->insertRow(row);
        const QStringList cells = {DayText(pause.from), DayText(pause.to), pause.reason,
                                   ScopeName(pause.scope)};
        for (int column = 0; column < int(cells.size()); ++column)
            pauseTable_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void TimeLimitsDialog::AddPause() {
    if (pauseTo_->date() < pauseFrom_->date()) {
        platform_.ShowMessage(QStringLiteral("休みの終わりの日が、始まりの日より前です。"), kTitle,
                              common::MessageButtons::Ok, common::MessageIcon::Warning);
        return;
    }
    settings_.pauses.append(
        {ScopeOfChoice(), pauseFrom_->date(), pauseTo_->date(), pauseReason_->text().trimmed()});
    pauseReason_->clear();
    FillPauses();
}

void TimeLimitsDialog::RemovePause() {
    const int row = pauseTable_->currentRow();
    if (row < 0 || row >= shownPauses_.size())
        return;
    settings_.pauses.removeOne(shownPauses_[row]);
    FillPauses();
}

store::TimeLimitSettings TimeLimitsDialog::Edited() const {
    store::TimeLimitSettings edited = settings_;
    output::SetLimitAt(edited, {}, DaysOf(defaultLimit_));
    output::SetLimitAt(edited, {opponent_, {}}, DaysOf(opponentLimit_));
    output::SetLimitAt(edited, {opponent_, game_}, DaysOf(gameLimit_));
    output::SetEndDate(
        edited, {opponent_, game_},
        hasEndDate_->isChecked() ? std::optional<QDate>(endDate_->date()) : std::nullopt);
    return edited;
}

bool TimeLimitsDialog::Save() {
    const store::TimeLimitSettings edited = Edited();
    if (!store::WriteTimeLimits(path_, edited)) {
        platform_.ShowMessage(QStringLiteral("期限設定を保存できませんでした。\n%1\n"
                                             "休みの理由に使えない文字がないか、フォルダーに"
                                             "書き込めるかを確かめてください。")
                                  .arg(path_),
                              kTitle, common::MessageButtons::Ok, common::MessageIcon::Critical);
        return false;
    }
    original_ = settings_ = edited;
    return true;
}

void TimeLimitsDialog::reject() {
    const bool changed = !(Edited() == original_);
    if (changed &&
        platform_.ShowMessage(QStringLiteral("変更を保存せずに閉じてよろしいですか？"), kTitle,
                              common::MessageButtons::YesNo, common::MessageIcon::Question,
                              common::DefaultButton::Safe) != common::MessageAnswer::Yes)
        return;
    QDialog::reject();
}

}  // namespace views
