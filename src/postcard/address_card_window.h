#pragma once

#include "cards/address_files.h"
#include "common/app_state.h"
#include "common/platform.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace postcard {

class AddressCardPicture;

/// The address window: the card at real size with the postal code, the addressee's and the
/// sender's lines as boxes where they print, their layout per card kind, and printing.
class AddressCardWindow : public QWidget {
    Q_OBJECT

  public:
    AddressCardWindow(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
                      QWidget* parent = nullptr);

    /// Names the opponent chosen in the main window; without one, the shared selection's.
    using OpponentSource = std::function<QString()>;
    void SetOpponentSource(OpponentSource source);

    /// The postal-code buttons, by index.
    enum PostalButton {
        PostalLeft,
        PostalRight,
        PostalUp,
        PostalDown,
        PostalSmaller,
        PostalLarger,
        PostalNarrower,
        PostalWider
    };
    /// The address-line buttons, by index.
    enum LineButton { LineLeft, LineRight, LineUp, LineDown, LineSmaller, LineLarger };

    /// Reads the settings, the layout and the chosen opponent's address into the boxes.
    void Reload();
    /// Reads the layout file of the card kind shown in the kind list into the boxes.
    void LoadCardLayout();
    /// "設定登録／変更": stores the settings, the layout, the opponent's address and the own
    /// address.
    void StoreAddressSettings();
    /// "印字実行": prints the card as the boxes show it.
    void PrintCard();

    /// The card as the boxes show it now.
    AddressCard Card() const;

  signals:
    /// "返信画面へ" was clicked: the reply window is to be shown; this one stays open.
    void ReplyWindowRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildWindow();
    void BuildCard();
    void BuildListFrame();
    void BuildPostalFrame();
    void BuildLineFrame();
    void BuildButtons();
    QString ChosenOpponent() const;
    void LoadAddressee(const QString& opponent);
    /// Whether Escape may leave: the address boxes hold what the opponent's file holds (they
    /// are read again on the next showing), or the player agrees to drop what was typed.
    bool MayLeaveAddress();
    void NameControls();
    void ApplyFont(const QString& family);
    void PlaceBox(int box);
    void MarkSelectedLine();
    /// A box of the layout: the postal-code boxes first, then the address lines.
    QLineEdit* LayoutBox(int box) const;

    /// A postal-code button (a PostalButton) moves or sizes all seven boxes.
    void MovePostalCode(int button);
    /// An address-line button (a LineButton) moves or sizes the selected line.
    void MoveSelectedLine(int button);
    /// "操作説明"
    void OpenHelp();
    /// "戻　る"
    void GoBack();
    /// "返信画面へ"
    void OpenReplyWindow();
    void PostalFramesToggled();
    void FontChosen();
    void CardKindChosen();
    void PostalDigitTyped(int box);
    void SelectLine(int line);
    void NextLine(int line);

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    OpponentSource opponentSource_;

    CardLayout places_ = DefaultLayout();
    std::array<QSize, kLayoutBoxes> sizes_{};
    QString fontFamily_ = kAddressFontFamily;
    int layoutFile_ = -1;
    int selectedLine_ = 0;
    /// The opponent whose address the boxes hold; the address is stored only for them.
    QString loadedOpponent_;
    bool loaded_ = false;

    AddressCardPicture* card_ = nullptr;
    std::array<QLineEdit*, kPostalCodeBoxes> postalBoxes_{};
    /// The addressee's lines, then the sender's.
    std::array<QLineEdit*, kAddressLines> lineBoxes_{};
    QListWidget* fontList_ = nullptr;
    QListWidget* cardKindList_ = nullptr;
    QCheckBox* postalFramesCheck_ = nullptr;
    QLabel* opponentLabel_ = nullptr;
};

}  // namespace postcard
