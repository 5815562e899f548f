#include "admin/engine_settings_dialog.h"

#include "engine/dead_stone_proposal.h"
#include "store/engine_settings_file.h"
#include "widgets/layout_scale.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace admin {
namespace {

const QString kTitle = QStringLiteral("思考エンジン設定");
const QString kTry = QStringLiteral("試す");
// How long a try waits for each answer: an engine that loads a large network at start
// answers its first command late.
constexpr int kAnswerMs = 60'000;

QLabel* WrappingLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* NamedButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

EngineSettingsDialog::EngineSettingsDialog(const QString& settingsPath, common::Platform& platform,
                                           QWidget* parent)
    : QDialog(parent),
      path_(settingsPath),
      platform_(platform),
      original_(engine::EngineCommand(settingsPath)) {
    setObjectName(QStringLiteral("EngineSettings"));
    setWindowTitle(kTitle);
    auto* intro = WrappingLabel(
        QStringLiteral("終局後計算の「死に石の提案」と、検討の「形勢グラフ」で尋ねる思考エンジン"
                       "です。GTP で話すエンジンのコマンドを書いてください（例：katago gtp "
                       "-model …）。対局中の対局については尋ねません。"),
        "LabelEngineIntro", this);
    auto* caption = new QLabel(QStringLiteral("コマンド(&C)"), this);
    command_ = new QLineEdit(original_, this);
    command_->setObjectName(QStringLiteral("TextEngineCommand"));
    command_->setMinimumWidth(420);
    caption->setBuddy(command_);
    program_ = WrappingLabel(QString(), "LabelEngineProgram", this);
    report_ = WrappingLabel(QString(), "LabelEngineReport", this);
    auto* gnuGo = NamedButton(QStringLiteral("GNU Go に戻す"), "CommandEngineDefault", this);
    try_ = NamedButton(kTry, "CommandEngineTry", this);
    auto* save = NamedButton(QStringLiteral("保存"), "CommandEngineSave", this);
    auto* cancel = NamedButton(QStringLiteral("キャンセル"), "CommandEngineCancel", this);
    save->setDefault(true);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(caption);
    commandRow->addWidget(command_, 1);
    auto* tryRow = new QHBoxLayout;
    tryRow->addWidget(gnuGo);
    tryRow->addWidget(try_);
    tryRow->addStretch();
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(save);
    closeRow->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(commandRow);
    layout->addWidget(program_);
    layout->addLayout(tryRow);
    layout->addWidget(report_, 1);
    layout->addLayout(closeRow);
    // Room for the longest report, three lines, so that the window never has to grow.
    report_->setMinimumHeight(report_->fontMetrics().lineSpacing() * 4);
    report_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resize(widgets::Scaled(QSize(600, 280)));

    connect(command_, &QLineEdit::textChanged, this, &EngineSettingsDialog::ShowProgram);
    connect(gnuGo, &QPushButton::clicked, this,
            [this] { command_->setText(engine::kDefaultEngineCommand); });
    connect(try_, &QPushButton::clicked, this, &EngineSettingsDialog::TryOrStop);
    connect(save, &QPushButton::clicked, this, [this] {
        if (Save())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &EngineSettingsDialog::reject);
    connect(&probe_, &engine::EngineProbe::Finished, this, &EngineSettingsDialog::ShowTried);
    ticker_.setInterval(500);
    connect(&ticker_, &QTimer::timeout, this, &EngineSettingsDialog::ShowTrying);
    ShowProgram();
}

QString EngineSettingsDialog::TypedCommand() const {
    return command_->text().trimmed();
}

void EngineSettingsDialog::ShowProgram() {
    const QString command = TypedCommand();
    if (command.isEmpty()) {
        program_->setText(QStringLiteral("コマンドが空のときは GNU Go（%1）を使います。")
                              .arg(engine::kDefaultEngineCommand));
        return;
    }
    const QString found = engine::FindEngineProgram(command);
    if (!found.isEmpty()) {
        program_->setText(
            QStringLiteral("起動するプログラム：%1").arg(QDir::toNativeSeparators(found)));
        return;
    }
    const QString program = QProcess::splitCommand(command).value(0);
    program_->setText(QStringLiteral("プログラム「%1」が見つかりません。フルパスで書くか、"
                                     "PATH の通ったフォルダーに置いてください。")
                          .arg(program) +
                      (QFileInfo(program).fileName() == QStringLiteral("gnugo")
                           ? '\n' + engine::kGnuGoHelp
                           : QString()));
}

void EngineSettingsDialog::TryOrStop() {
    if (probe_.IsRunning()) {
        probe_.Cancel();
        return;
    }
    const QString command = TypedCommand();
    probe_.Run(command.isEmpty() ? engine::kDefaultEngineCommand : command, kAnswerMs);
    if (probe_.IsRunning()) {
        try_->setText(QStringLiteral("やめる"));
        ShowTrying();
        ticker_.start();
    }
}

void EngineSettingsDialog::ShowTrying() {
    report_->setText(QStringLiteral("思考エンジンを起動して尋ねています（%1 秒）。")
                         .arg(probe_.ElapsedMs() / 1000));
}

void EngineSettingsDialog::ShowTried(const engine::EngineProbeResult& result) {
    ticker_.stop();
    try_->setText(kTry);
    report_->setText(engine::ProbeReport(result));
}

bool EngineSettingsDialog::Save() {
    const QString command = TypedCommand();
    if (!command.isEmpty() && engine::FindEngineProgram(command).isEmpty() &&
        platform_.ShowMessage(QStringLiteral("プログラム「%1」が見つかりません。\n"
                                             "このまま保存してよろしいですか？")
                                  .arg(QProcess::splitCommand(command).value(0)),
                              kTitle, common::MessageButtons::YesNo, common::MessageIcon::Question,
                              common::DefaultButton::Safe) != common::MessageAnswer::Yes)
        return false;
    // GNU Go is what an empty setting means: going back to it leaves no line behind.
    const QString stored = command == engine::kDefaultEngineCommand ? QString() : command;
    if (!store::WriteEngineCommandLine(path_, stored)) {
        platform_.ShowMessage(QStringLiteral("思考エンジンの設定を保存できませんでした。\n%1")
                                  .arg(QDir::toNativeSeparators(path_)),
                              kTitle, common::MessageButtons::Ok, common::MessageIcon::Critical);
        return false;
    }
    probe_.Cancel();
    original_ = command.isEmpty() ? engine::kDefaultEngineCommand : command;
    return true;
}

void EngineSettingsDialog::reject() {
    const QString command = TypedCommand();
    const bool changed = (command.isEmpty() ? engine::kDefaultEngineCommand : command) != original_;
    if (changed &&
        platform_.ShowMessage(QStringLiteral("変更を保存せずに閉じてよろしいですか？"), kTitle,
                              common::MessageButtons::YesNo, common::MessageIcon::Question,
                              common::DefaultButton::Safe) != common::MessageAnswer::Yes)
        return;
    probe_.Cancel();
    QDialog::reject();
}

}  // namespace admin
