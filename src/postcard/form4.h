#pragma once

#include "cards/reply_settings.h"
#include "common/app_state.h"
#include "common/platform.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace postcard {

class ReplyCard;

/// Whom the card answers: the opponent chosen in the main window and that opponent's games
/// in the order the main window lists them.
struct ReplySubject {
    QString opponent;
    QStringList games;
};

/// The reply postcard window: builds the card's text from the last recording day of each game,
/// lets the player edit and lay it out, prints it and keeps the message files.
class Form4 : public QWidget {
    Q_OBJECT

  public:
    using SubjectSource = std::function<ReplySubject()>;

    Form4(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
          SubjectSource subject, QWidget* parent = nullptr);

    /// Rebuilds the text when the main window's choice or records changed since the last build.
    void Form_Activate();
    /// Rebuilds the text from the record files and clears the stale flag.
    void BuildReplyText();
    /// Fills, places and colours the 32 layout lines from the text.
    void LayoutLines();
    void ReplyListInput();
    void ReplyListOutput();

    /// "通信文流用"
    void Command1_Click();
    /// "通信文参照"
    void Command2_Click();
    /// "操作説明"
    void Command3_Click();
    /// "印字実行"
    void Command4_Click();
    /// "戻　る"
    void Command5_Click();
    /// "宛名画面へ"
    void Command6_Click();
    /// "レイアウトへ" / "入力へ"
    void Command7_Click();
    /// "発信記録参照"
    void Command8_Click();
    void List1_Click();
    /// Marks in the list the font the card is printed in, without choosing it for the file.
    void ShowFontInUse();
    void List3_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();

    /// The reply text as it will be printed, lines ended by CR LF.
    QString ReplyText() const;

  signals:
    /// "宛名画面へ": the address window is to be shown beside this one.
    void AddressWindowRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Form_Load();
    void BuildChoiceFrame();
    void BuildAdjustmentFrame();
    void BuildButtons();
    void FillFontList();
    void SetLayoutMode(bool layout);
    bool InLayoutMode() const;
    ReplySettings CurrentSettings() const;
    void AdjustmentChanged();
    void RecordPrintedCard(const QString& opponent);

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    SubjectSource subject_;
    bool restoring_ = false;
    /// The font of the card as stored or as the player chose it; kept as it stands even when
    /// this computer does not offer it, so that the settings file never loses it.
    QString fontName_;

    ReplyCard* Picture1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 4> Label1{};
    std::array<QLabel*, 4> Label3{};
    QListWidget* List1 = nullptr;
    QListWidget* List3 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* VScroll2 = nullptr;
    QScrollBar* VScroll3 = nullptr;
    QPushButton* Command7 = nullptr;
};

}  // namespace postcard
