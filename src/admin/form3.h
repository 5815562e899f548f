#pragma once

#include "widgets/window_geometry.h"

#include "common/app_state.h"
#include "common/platform.h"
#include "widgets/board_picture.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

namespace admin {

using common::TwipsRect;

/// The board colour of the settings as a colour to draw with.
inline QColor BoardColourOf(const common::Settings& settings) {
    const qint32 value = settings.boardColour;
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

/// The preview board: the main board's size with the smaller star points of the colour window.
inline constexpr board::BoardGeometry kPreviewGeometry{4297, 4297, 450,  450, 32,
                                                       225,  4297, 8595, 8595};

/// The board colour window: three bars make a colour, shown on a preview board, and
/// "碁盤色の登録" stores it as the colour of every board.
class Form3 : public QWidget {
    Q_OBJECT

  public:
    enum Bar { Red = 0, Green = 1, Blue = 2 };

    Form3(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
          QWidget* parent = nullptr);

    void HScroll1_Change(int index);
    /// "碁盤色の登録"
    void Command1_Click();
    /// "戻　る"
    void Command2_Click();

  signals:
    /// The stored board colour changed; boards drawn from now on use it.
    void BoardColourChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();
    void BuildControls(int pictureLeft, int pictureTop);
    QPoint MainBoardPosition() const;
    void DrawPreview(const QColor& colour);

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    board::BoardPicture* Picture1_ = nullptr;
    std::array<QScrollBar*, 3> HScroll1_{};
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
};

}  // namespace admin
