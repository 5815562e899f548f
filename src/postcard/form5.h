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
class Form5 : public QWidget {
    Q_OBJECT

  public:
    Form5(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
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

    void Command1_Click(int index);
    void Command2_Click(int index);
    /// "設定登録／変更"
    void Command3_Click();
    /// "操作説明"
    void Command4_Click();
    /// "印字実行"
    void Command5_Click();
    /// "戻　る"
    void Command6_Click();
    /// "返信画面へ"
    void Command7_Click();
    void Check1_Click();
    void List1_Click();
    void List2_Click();
    void Text1_Change(int index);
    void Text2_Click(int index);
    void Text2_Enter(int index);

    /// Reads the settings, the layout and the chosen opponent's address into the boxes.
    void Form_Activate();
    /// Reads the layout file of the card kind shown in the kind list into the boxes.
    void LoadCardLayout();
    /// Stores the settings, the layout, the opponent's address and the own address.
    void StoreAddressSettings();
    void PrintAddress();

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
    void Form_Load();
    void BuildCard();
    void BuildListFrame();
    void BuildPostalFrame();
    void BuildLineFrame();
    void BuildButtons();
    QString ChosenOpponent() const;
    void LoadAddressee(const QString& opponent);
    void ApplyFont(const QString& family);
    void PlaceBox(int box);
    void MarkSelectedLine();
    QLineEdit* Box(int box) const;

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

    AddressCardPicture* Picture1_ = nullptr;
    std::array<QLineEdit*, kPostalCodeBoxes> Text1_{};
    std::array<QLineEdit*, kAddressLines> Text2_{};
    QListWidget* List1_ = nullptr;
    QListWidget* List2_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QLabel* Label2_ = nullptr;
};

}  // namespace postcard
