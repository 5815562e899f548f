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

    /// How long a try waits for each answer: an engine that loads a large network at start
    /// answers its first command late.
    void SetAnswerMs(int answerMs) { answerMs_ = answerMs; }

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
    int answerMs_ = 60'000;
    QLineEdit* command_;
    QLabel* program_;
    QLabel* report_;
    QPushButton* try_;
    engine::EngineProbe probe_;
    QTimer ticker_;
};

}  // namespace admin
