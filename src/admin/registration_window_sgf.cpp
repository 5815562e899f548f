// The SGF buttons of the registration window: games exchanged with other Go programs.
#include "admin/registration_window.h"
#include "output/sgf_import.h"
#include "registration/sgf_games.h"
#include "store/text_file.h"
#include "widgets/game_picker.h"
#include "widgets/window_controls.h"
#include "widgets/window_geometry.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QPushButton>

namespace admin {
namespace {

using widgets::Button;

const QString kSgfFilter = QStringLiteral("SGF 棋譜 (*.sgf);;すべてのファイル (*)");
const QString kImportTitle = QStringLiteral("SGF読込");
const QString kExportTitle = QStringLiteral("SGF書出");

}  // namespace

void RegistrationWindow::BuildSgfButtons() {
    // Beside the names and the colour they use, under the colour list.
    QPushButton* import = Button(inputFrame_, "Command7", QStringLiteral("SGF読込"),
                                 common::TwipsRect(4260, 1380, 1560, 420));
    QPushButton* exportButton = Button(inputFrame_, "Command8", QStringLiteral("SGF書出"),
                                       common::TwipsRect(4260, 1920, 1560, 420));
    connect(import, &QPushButton::clicked, this, &RegistrationWindow::ImportSgf);
    connect(exportButton, &QPushButton::clicked, this, &RegistrationWindow::ExportSgf);
    guideTexts_.insert(import, QStringLiteral("他の碁のソフトのSGF棋譜を、入力した対局者・対局名"
                                              "と「自分の石」で新しい対局として読み込みます。"));
    guideTexts_.insert(exportButton,
                       QStringLiteral("リストで選んだ対局をSGF棋譜に書き出します。対局を選ばない"
                                      "ときは、その対局者の全対局を書き出します。"));
    if (!chooseSgfFile_) {
        chooseSgfFile_ = [this](bool save, const QString& suggested) {
            return save ? QFileDialog::getSaveFileName(this, kExportTitle, suggested, kSgfFilter)
                        : QFileDialog::getOpenFileName(this, kImportTitle, suggested, kSgfFilter);
        };
    }
}

void RegistrationWindow::ImportSgf() {
    const GameInput input = TypedInput();
    if (const std::optional<NameProblem> problem = CheckNames(input.opponent, input.game)) {
        ShowNameProblem(*problem);
        return;
    }
    const QString path = chooseSgfFile_(false, state_.exportRoot);
    if (path.isEmpty())
        return;
    const output::SgfFileBytes file = output::ReadSgfFile(path);
    if (!file.refusal.isEmpty()) {
        platform_.ShowMessage(file.refusal, kImportTitle, common::MessageButtons::Ok,
                              common::MessageIcon::Warning);
        return;
    }
    const SgfImportOutcome outcome = ImportSgfGame(state_, input.opponent, input.game, file.bytes,
                                                   input.playerIsBlack, platform_.Today());
    QStringList lines = outcome.notes;
    lines.append(outcome.message);
    platform_.ShowMessage(
        lines.join('\n'), kImportTitle, common::MessageButtons::Ok,
        outcome.written ? common::MessageIcon::None : common::MessageIcon::Warning);
    if (!outcome.written)
        return;
    picker_->ListAnew(input.opponent);
}

void RegistrationWindow::ExportSgf() {
    const QString opponent = picker_->ListedOpponent();
    const QString gameName = picker_->ChosenGame();
    const std::optional<QByteArray> sgf =
        opponent.isEmpty() ? std::nullopt : ExportSgfGames(state_, opponent, gameName);
    if (!sgf) {
        platform_.ShowMessage(QStringLiteral("書き出す対局をリストで選んでください。"),
                              kExportTitle);
        return;
    }
    const QString suggested = state_.exportRoot + "/" + opponent +
                              (gameName.isEmpty() ? QString() : "_" + gameName) +
                              QStringLiteral(".sgf");
    const QString path = chooseSgfFile_(true, suggested);
    if (path.isEmpty())
        return;
    if (!store::WriteBytesAtomically(path, *sgf)) {
        platform_.ShowMessage(path + QStringLiteral(" に書き込めませんでした。"), kExportTitle,
                              common::MessageButtons::Ok, common::MessageIcon::Warning);
        return;
    }
    platform_.ShowMessage(path + QStringLiteral(" に書き出しました。"), kExportTitle);
}

}  // namespace admin
