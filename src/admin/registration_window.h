#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "registration/registration.h"

#include <QHash>
#include <QWidget>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace board {
class BoardPicture;
}

namespace widgets {
class GamePicker;
}

namespace admin {

class BoardColourWindow;

/// The registration window: registers opponents and games, changes a game's handicap, komi
/// and colour, shows the selected game on a small board and holds the display options.
class RegistrationWindow : public QWidget {
    Q_OBJECT

  public:
    RegistrationWindow(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
                       QWidget* parent = nullptr);

    /// "登録の実行"
    void Register();
    /// "戻　る"
    void GoBack();
    /// "碁盤色設定": opens the board colour window.
    void OpenBoardColourWindow();
    /// Opens the options' window for the Go engine asked at the end of a game.
    void OpenEngineSettings();
    /// "「クルミ」へ棋譜データコピー": copies the shown game for the e-mail program.
    void CopyGameForMailProgram();
    /// "操作説明"
    void OpenHelp();
    /// "SGF読込": a new game from an SGF file under the typed names and the chosen colour.
    void ImportSgf();
    /// "SGF書出": the selected game, or every game of the listed opponent, to an SGF file.
    void ExportSgf();
    /// Asks for the SGF file to read (save false) or to write; empty when cancelled.
    using SgfFileChooser = std::function<QString(bool save, const QString& suggested)>;
    void SetSgfFileChooser(SgfFileChooser chooser) { chooseSgfFile_ = std::move(chooser); }

  signals:
    /// The stored board colour changed in the board colour window.
    void BoardColourChanged();
    /// A display option changed; the main window draws anew.
    void SettingsChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildWindow();
    void BuildInputFrame();
    void BuildListsAndBoard();
    void BuildOptionFrame();
    void BuildDisplaySizeBox();
    void BuildButtons();
    void BuildSgfButtons();
    void SetGuideTexts();
    void ShowChosenOpponent(const QString& opponent);
    void ShowChosenGame(const QString& game);
    void ShowHandicap();
    void ShowKomi();
    /// "表示サイズ": stored now, used from the next start.
    void StoreDisplaySize(int index);
    void ShowNameProblem(const NameProblem& problem);
    void SetOption(qint16& setting, const QCheckBox* box);
    GameInput TypedInput() const;

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    widgets::GamePicker* picker_ = nullptr;
    QHash<QObject*, QString> guideTexts_;
    BoardColourWindow* boardColourWindow_ = nullptr;
    SgfFileChooser chooseSgfFile_;

    QGroupBox* inputFrame_ = nullptr;
    QGroupBox* optionFrame_ = nullptr;
    QLineEdit* opponentNameBox_ = nullptr;
    QLineEdit* gameNameBox_ = nullptr;
    QLabel* handicapBox_ = nullptr;
    QLabel* komiBox_ = nullptr;
    QLabel* guideLabel_ = nullptr;
    QScrollBar* handicapBar_ = nullptr;
    QScrollBar* komiBar_ = nullptr;
    QListWidget* opponentList_ = nullptr;
    QListWidget* gameList_ = nullptr;
    QListWidget* colourList_ = nullptr;
    board::BoardPicture* smallBoard_ = nullptr;
    QCheckBox* numbersBox_ = nullptr;
    QCheckBox* numeralsBox_ = nullptr;
    QCheckBox* numeralPitchBox_ = nullptr;
    QCheckBox* guideBox_ = nullptr;
    QPushButton* registerButton_ = nullptr;
};

}  // namespace admin
