#pragma once

#include "cards/reply_settings.h"
#include "common/app_state.h"
#include "common/platform.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
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
class ReplyCardWindow : public QWidget {
    Q_OBJECT

  public:
    using SubjectSource = std::function<ReplySubject()>;

    ReplyCardWindow(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
                    SubjectSource subject, QWidget* parent = nullptr);

    /// Rebuilds the text when the main window's choice or records changed since the last build.
    void RefreshIfStale();
    /// Rebuilds the text from the record files and clears the stale flag.
    void RebuildText();

    /// The reply text as it will be printed, lines ended by CR LF.
    QString ReplyText() const;

  signals:
    /// "宛名画面へ": the address window is to be shown beside this one.
    void AddressWindowRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void BuildWindow();
    void BuildChoiceFrame();
    void BuildAdjustmentFrame();
    void BuildButtons();
    void FillFontList();
    /// Fills, places and colours the 32 layout lines from the text.
    void LayOutLines();
    void LoadReplySettings();
    void SaveReplySettings();
    void SetLayoutMode(bool layout);
    bool InLayoutMode() const;
    ReplySettings CurrentSettings() const;
    void AdjustmentChanged();
    void RecordPrintedCard(const QString& opponent);
    /// Marks in the list the font the card is printed in, without choosing it for the file.
    void ShowFontInUse();

    /// "通信文流用"
    void OpenReuseFile();
    /// "通信文参照"
    void OpenMessageArchive();
    /// "操作説明"
    void OpenHelp();
    /// "印字実行"
    void PrintCard();
    /// "戻　る"
    void GoBack();
    /// "宛名画面へ"
    void OpenAddressWindow();
    /// "レイアウトへ" / "入力へ"
    void ToggleLayoutMode();
    /// "発信記録参照"
    void OpenSendRecord();
    void FontChosen();
    void SendDayChosen();
    /// "照合行を入れる": puts each game's check line into the text or takes them all out.
    void CheckLinesToggled(bool on);
    /// "QRコードを入れる": prints the QR code of the games on the card.
    void QrCodeToggled(bool on);
    /// "はがきの照合": compares the opponent's card with the records.
    void OpenCardCheck();
    void LeftSpaceChanged();
    void TopSpaceChanged();
    void LineSpacingChanged();
    void CharacterSizeChanged();

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    SubjectSource subject_;
    bool restoring_ = false;
    /// The font of the card as stored or as the player chose it; kept as it stands even when
    /// this computer does not offer it, so that the settings file never loses it.
    QString fontName_;

    ReplyCard* card_ = nullptr;
    QLabel* opponentLabel_ = nullptr;
    QLabel* typingNotice_ = nullptr;
    /// The four adjustments' values and captions, indexed left space, top space, line
    /// spacing, character size.
    std::array<QLabel*, 4> adjustmentValues_{};
    std::array<QLabel*, 4> adjustmentCaptions_{};
    QListWidget* fontList_ = nullptr;
    QListWidget* sendDayList_ = nullptr;
    QCheckBox* checkLinesBox_ = nullptr;
    QCheckBox* qrCodeBox_ = nullptr;
    QScrollBar* leftSpaceBar_ = nullptr;
    QScrollBar* topSpaceBar_ = nullptr;
    QScrollBar* lineSpacingBar_ = nullptr;
    QScrollBar* characterSizeBar_ = nullptr;
    QPushButton* modeButton_ = nullptr;
};

}  // namespace postcard
