#pragma once

#include "widgets/window_geometry.h"

#include "common/app_state.h"
#include "common/platform.h"
#include "widgets/board_picture.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <array>

class QScrollBar;

namespace admin {

using common::TwipsRect;

/// The preview board: the main board's size with the smaller star points of the colour window.
inline constexpr board::BoardGeometry kPreviewGeometry{4297, 4297, 450,  450, 32,
                                                       225,  4297, 8595, 8595};

/// The board colour window: three bars make a colour, shown on a preview board, and
/// "碁盤色の登録" stores it as the colour of every board.
class BoardColourWindow : public QWidget {
    Q_OBJECT

  public:
    enum Bar { Red = 0, Green = 1, Blue = 2 };

    BoardColourWindow(common::AppState& state, common::Platform& platform, QWidget* mainWindow,
                      QWidget* parent = nullptr);

    /// The bars moved: the preview shows their colour, nothing is stored.
    void PreviewBarColour();
    /// "碁盤色の登録"
    void StoreColour();
    /// "戻　る"
    void GoBack();

  signals:
    /// The stored board colour changed; boards drawn from now on use it.
    void BoardColourChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildWindow();
    void ShowStoredColour();
    void BuildControls(int pictureLeft, int pictureTop);
    QPoint MainBoardPosition() const;
    void DrawPreview(const QColor& colour);
    /// Whether Escape may leave: the bars hold the stored colour, or the player agrees.
    bool MayLeaveColour();

    common::AppState& state_;
    common::Platform& platform_;
    QWidget* mainWindow_;
    board::BoardPicture* preview_ = nullptr;
    std::array<QScrollBar*, 3> colourBars_{};  // by Bar
};

}  // namespace admin
