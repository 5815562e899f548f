#pragma once

#include "common/platform.h"
#include "store/time_limits_file.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace views {

/// Sets the time limits of one game as the games overview offers them: the limit per move
/// for every game, for the opponent's games and for this game, its end date, and the pauses
/// that hold for it. Entries for other games stay as they are. Saves to 期限設定.dat.
class TimeLimitsDialog : public QDialog {
    Q_OBJECT

  public:
    TimeLimitsDialog(const QString& settingsPath, const QString& opponent, const QString& game,
                     common::Platform& platform, QWidget* parent = nullptr);

    /// Writes the settings; false, with a message and the dialog still open, on failure.
    bool Save();
    /// Closes without saving, asking first when something was changed.
    void reject() override;

    QSpinBox* defaultLimit() const { return defaultLimit_; }
    QSpinBox* opponentLimit() const { return opponentLimit_; }
    QSpinBox* gameLimit() const { return gameLimit_; }
    QCheckBox* hasEndDate() const { return hasEndDate_; }
    QDateEdit* endDate() const { return endDate_; }
    QTableWidget* pauseTable() const { return pauseTable_; }
    QDateEdit* pauseFrom() const { return pauseFrom_; }
    QDateEdit* pauseTo() const { return pauseTo_; }
    QLineEdit* pauseReason() const { return pauseReason_; }
    QComboBox* pauseScope() const { return pauseScope_; }
    /// Adds the pause typed below the table; refuses one that ends before it starts.
    void AddPause();
    /// Removes the pause of the table's current row.
    void RemovePause();

  private:
    QSpinBox* MakeLimitBox(std::optional<int> days);
    QWidget* BuildLimits();
    QWidget* BuildPauses();
    void FillPauses();
    /// The settings with the boxes' limits and end date taken in.
    store::TimeLimitSettings Edited() const;
    store::LimitScope ScopeOfChoice() const;
    QString ScopeName(const store::LimitScope& scope) const;

    QString path_;
    QString opponent_;
    QString game_;
    common::Platform& platform_;
    store::TimeLimitSettings settings_;
    store::TimeLimitSettings original_;  // as read, to tell whether anything was changed
    QList<store::LimitPause> shownPauses_;
    QSpinBox* defaultLimit_ = nullptr;
    QSpinBox* opponentLimit_ = nullptr;
    QSpinBox* gameLimit_ = nullptr;
    QCheckBox* hasEndDate_ = nullptr;
    QDateEdit* endDate_ = nullptr;
    QTableWidget* pauseTable_ = nullptr;
    QDateEdit* pauseFrom_ = nullptr;
    QDateEdit* pauseTo_ = nullptr;
    QLineEdit* pauseReason_ = nullptr;
    QComboBox* pauseScope_ = nullptr;
};

}  // namespace views
