#include "admin/board_colour_window.h"

#include "store/folder_tree.h"
#include "store/settings_file.h"
#include "widgets/board_colour.h"
#include "widgets/keyboard_access.h"
#include "widgets/layout_scale.h"
#include "widgets/window_geometry.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

namespace admin {
namespace {

using widgets::BoardColourOf;

constexpr int kGap = 240;
constexpr int kColumnMinWidth = 2040;
// Where the preview goes when the main window has no board picture to line up with.
constexpr int kDefaultBoardLeft = 120;
constexpr int kDefaultBoardTop = 120;
constexpr int kTwipsPerPixel = 15;
constexpr int kLargeStep = 10;

}  // namespace

BoardColourWindow::BoardColourWindow(common::AppState& state, common::Platform& platform,
                                     QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("碁盤色の変更"));
    BuildWindow();
}

void BoardColourWindow::BuildWindow() {
    common::PlaceSecondaryWindow(this, board::kPictureFontFamily, platform_.ScreenHeight(),
                                 mainWindow_);
    // The preview lies where the main board lies, so that the two colours compare in place;
    // it moves left only as far as the controls beside it need.
    const QPoint board = MainBoardPosition();
    const QSize inside = common::SecondaryWindowSizeTwips(platform_.ScreenHeight());
    const int widest = inside.width() - kPreviewGeometry.pictureWidth - 2 * kGap - kColumnMinWidth;
    BuildControls(qBound(0, board.x(), widest), qMax(0, board.y()));
}

QPoint BoardColourWindow::MainBoardPosition() const {
    const QWidget* mainBoard = mainWindow_ != nullptr
                                   ? mainWindow_->findChild<QWidget*>(QStringLiteral("Picture1"))
                                   : nullptr;
    if (mainBoard == nullptr)
        return QPoint(kDefaultBoardLeft, kDefaultBoardTop);
    // The main window is laid out at the display size; the twips are those of 100 %.
    const QPointF shown = mainBoard->mapTo(mainWindow_, QPoint(0, 0));
    return (shown * (kTwipsPerPixel / widgets::LayoutScale())).toPoint();
}

void BoardColourWindow::BuildControls(int pictureLeft, int pictureTop) {
    preview_ = new board::BoardPicture(kPreviewGeometry, this);
    preview_->setObjectName(QStringLiteral("Picture1"));
    preview_->move(widgets::Scaled(TwipsRect(pictureLeft, pictureTop, 0, 0).topLeft()));

    const int left = pictureLeft + kPreviewGeometry.pictureWidth + kGap;
    const int width =
        common::SecondaryWindowSizeTwips(platform_.ScreenHeight()).width() - left - kGap;
    auto label = [&](const char* name, const QString& text, int top) {
        auto* control = new QLabel(text, this);
        control->setObjectName(QLatin1String(name));
        control->setWordWrap(true);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control->setGeometry(widgets::Scaled(TwipsRect(left, top, width, 1080)));
        return control;
    };
    label("Label1",
          QStringLiteral("矢印を押すか、スクロールバーをドラッグして盤の色を作成してください。"),
          pictureTop + 120);
    label("Label2", QStringLiteral("黄色の濃淡調整のみのときは下段のバーで設定したください。"),
          pictureTop + 1320);
    const QStringList barNames{QStringLiteral("赤"), QStringLiteral("緑"), QStringLiteral("青")};
    for (int i = 0; i < int(colourBars_.size()); ++i) {
        QScrollBar* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        bar->setAccessibleName(barNames[i]);
        bar->setFocusPolicy(Qt::TabFocus);  // the arrow keys move it; a click keeps the focus
        bar->setRange(0, 255);
        bar->setPageStep(kLargeStep);
        bar->setGeometry(widgets::Scaled(TwipsRect(left, pictureTop + 2760 + 480 * i, width, 255)));
        connect(bar, &QScrollBar::valueChanged, this, &BoardColourWindow::PreviewBarColour);
        colourBars_[size_t(i)] = bar;
    }
    auto button = [&](const char* name, const QString& text, int top) {
        auto* control = new QPushButton(text, this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(widgets::Scaled(TwipsRect(left, top, width, 600)));
        return control;
    };
    QPushButton* store = button("Command1", QStringLiteral("碁盤色の登録"), pictureTop + 6480);
    QPushButton* back = button("Command2", QStringLiteral("戻　る"), pictureTop + 7440);
    connect(store, &QPushButton::clicked, this, &BoardColourWindow::StoreColour);
    connect(back, &QPushButton::clicked, this, &BoardColourWindow::GoBack);
    widgets::CloseOnEscape(this, back, [this] { return MayLeaveColour(); });
}

bool BoardColourWindow::MayLeaveColour() {
    // Escape is easily pressed by mistake; a colour made but not stored is asked about.
    const common::Settings& settings = state_.settings;
    const bool stored = colourBars_[Red]->value() == settings.red &&
                        colourBars_[Green]->value() == settings.green &&
                        colourBars_[Blue]->value() == settings.blue;
    return stored || platform_.ShowMessage(
                         QStringLiteral("作った碁盤色は登録されていません。戻ってよろしいですか？"),
                         QStringLiteral("戻るの確認"), common::MessageButtons::OkCancel,
                         common::MessageIcon::Question) == common::MessageAnswer::Ok;
}

void BoardColourWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        ShowStoredColour();
}

void BoardColourWindow::ShowStoredColour() {
    // The stored colour is the one to show: what the bars held when the window was left
    // without "碁盤色の登録" is dropped.
    const common::Settings& settings = state_.settings;
    const int components[] = {settings.red, settings.green, settings.blue};
    for (size_t i = 0; i < colourBars_.size(); ++i) {
        const QSignalBlocker quiet(colourBars_[i]);
        colourBars_[i]->setValue(components[i]);
    }
    DrawPreview(BoardColourOf(settings));
}

void BoardColourWindow::DrawPreview(const QColor& colour) {
    preview_->SetBackground(colour);
    preview_->DrawBoard();
}

void BoardColourWindow::PreviewBarColour() {
    DrawPreview(
        QColor(colourBars_[Red]->value(), colourBars_[Green]->value(), colourBars_[Blue]->value()));
}

void BoardColourWindow::StoreColour() {
    common::Settings& settings = state_.settings;
    settings.red = qint16(colourBars_[Red]->value());
    settings.green = qint16(colourBars_[Green]->value());
    settings.blue = qint16(colourBars_[Blue]->value());
    settings.boardColour =
        common::Settings::WindowsColour(settings.red, settings.green, settings.blue);
    DrawPreview(BoardColourOf(settings));
    store::WriteSettings(state_.DataFile(store::kSettingsFileName), settings);
    emit BoardColourChanged();
}

void BoardColourWindow::GoBack() {
    if (mainWindow_ != nullptr) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

}  // namespace admin
