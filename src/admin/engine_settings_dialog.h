#pragma once

#include "common/platform.h"
#include "engine/engine_probe.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace admin {

/// The options' window for the Go engine: the command line asked at the end of a game, a
/// try of it (its name and which of the program's questions it knows) and the way back to
/// GNU Go. Saving writes the data root's engine file; closing with a change asks first.
class EngineSettingsDialog : public QDialog {
    Q_OBJECT

  public:
    EngineSettingsDialog(const QString& settingsPath, common::Platform& platform,
                         QWidget* parent = nullptr);

  public slots:
    void reject() override;

  private:
    QString TypedCommand() const;
    void ShowProgram();
    void TryOrStop();
    void ShowTrying();
    void ShowTried(const engine::EngineProbeResult& result);
    bool Save();

    QString path_;
    common::Platform& platform_;
    QString original_;
    QLineEdit* command_;
    QLabel* program_;
    QLabel* report_;
    QPushButton* try_;
    engine::EngineProbe probe_;
    QTimer ticker_;
};

}  // namespace admin
