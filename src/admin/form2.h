#pragma once

#include "common/app_state.h"
#include "common/platform.h"
#include "go/board_model.h"
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

namespace admin {

class Form3;

/// The registration window: registers opponents and games, changes a game's handicap, komi
/// and colour, shows the selected game on a small board and holds the display options.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    Form2(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
          QWidget* parent = nullptr);

    /// "登録の実行"
    void Command1_Click();
    /// "戻　る"
    void Command2_Click();
    /// "碁盤色設定": opens the board colour window.
    void Command3_Click();
    /// "「クルミ」へ棋譜データコピー": copies the shown game for the e-mail program.
    void Command4_Click();
    /// "操作説明"
    void Command6_Click();
    void List1_Click();
    void List2_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    /// "表示サイズ": stored now, used from the next start.
    void DisplaySize_Change(int index);
    void Text1_ReturnPressed();
    void Text2_ReturnPressed();
    /// "SGF読込": a new game from an SGF file under the typed names and the chosen colour.
    void Command7_Click();
    /// "SGF書出": the selected game, or every game of the listed opponent, to an SGF file.
    void Command8_Click();
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
    void Form_Load();
    void Form_Activate();
    void BuildInputFrame();
    void BuildListsAndBoard();
    void BuildOptionFrame();
    void BuildDisplaySizeBox();
    void BuildButtons();
    void BuildSgfButtons();
    void SetGuideTexts();
    void FillOpponentList();
    void FillGameList(const QString& opponent);
    void ShowGame(const QString& recordPath);
    void DrawSmallBoard();
    void ShowNameProblem(const NameProblem& problem);
    void SetOption(qint16& setting, const QCheckBox* box);
    GameInput TypedInput() const;

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    go::BoardModel model_;
    QString listedOpponent_;  // whose games List2 shows
    QString shownRecord_;     // the record on the small board; empty for an empty board
    QHash<QObject*, QString> guideTexts_;
    Form3* form3_ = nullptr;
    SgfFileChooser chooseSgfFile_;

    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label5_ = nullptr;
    QLabel* Label9_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QScrollBar* VScroll2_ = nullptr;
    QListWidget* List1_ = nullptr;
    QListWidget* List2_ = nullptr;
    QListWidget* List3_ = nullptr;
    board::BoardPicture* Picture1_ = nullptr;
    QCheckBox* Check2_ = nullptr;
    QCheckBox* Check3_ = nullptr;
    QCheckBox* Check4_ = nullptr;
    QCheckBox* Check5_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace admin
