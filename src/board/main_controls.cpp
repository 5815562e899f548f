// The main window's controls, made and placed where the window has always shown them.
#include "board/main_controls.h"

#include "board/mode_panels.h"
#include "widgets/board_picture.h"
#include "widgets/box_radio_button.h"
#include "widgets/menu_entry.h"
#include "widgets/numeral_strips.h"
#include "widgets/window_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace board {
namespace {

using widgets::Caption;

constexpr int kRightColumnX = 598;
constexpr int kRightColumnWidth = 198;

/// Colours a menu label or folder button as selected (white on `selected`) or not (the
/// button text on light grey). Set through the palette rather than a style sheet, which would
/// bring in the style-sheet machinery for the whole window; the palette takes every colour
/// such a sheet gives: the background for the widget, its indicator and its frame's shades,
/// the text for labels and buttons.
void Highlight(QWidget* widget, bool on, const QColor& selected) {
    const QColor background = on ? selected : QColor(224, 224, 224);
    const QColor text =
        on ? QColor(Qt::white) : QApplication::palette(widget).color(QPalette::ButtonText);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Light, background.lighter(115));
    palette.setColor(QPalette::Dark, background.darker(150));
    widget->setAutoFillBackground(true);
    if (widget->palette() != palette)
        widget->setPalette(palette);
}

}  // namespace

MainControls::MainControls(QWidget* window) {
    columnStrip = new ColumnNumeralStrip(window);
    columnStrip->setObjectName(QStringLiteral("Picture6"));
    rowStrip = new RowNumeralStrip(window);
    rowStrip->setObjectName(QStringLiteral("Picture2"));
    boardPicture = new BoardPicture(kMainBoardGeometry, window);
    boardPicture->setObjectName(QStringLiteral("Picture1"));
    BuildMenu(window);
    BuildListsAndInfo(window);
    BuildCommentRow(window);

    recordingPanel = new RecordingPanel(window);
    reviewPanel = new ReviewPanel(window);
    printingPanel = new PrintingPanel(window);
    modePanels = {recordingPanel, reviewPanel, printingPanel};

    guideLabel = Caption(window, QStringLiteral("Label2"), QString(),
                         QRect(kRightColumnX, 526, kRightColumnWidth, 92));
    guideLabel->setWordWrap(true);
    guideLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    guideLabel->setFrameShape(QFrame::Panel);
    guideLabel->setFrameShadow(QFrame::Sunken);
    QFont guideFont;  // only the size: the family comes from the window
    guideFont.setPointSize(9);
    guideLabel->setFont(widgets::ScaledFont(guideFont));

    // The three panels lie on top of each other; exactly one is shown.
    for (QWidget* panel : modePanels)
        panel->setGeometry(widgets::Scaled(QRect(kRightColumnX, 352, kRightColumnWidth, 170)));
    NameControls();
}

void MainControls::NameControls() {
    using widgets::NameForScreenReaders;
    NameForScreenReaders(opponentCombo, QStringLiteral("対局者"));
    NameForScreenReaders(gameList, QStringLiteral("対局名"));
    NameForScreenReaders(commentBox, QStringLiteral("コメント"));
    NameForScreenReaders(descriptionCombo, QStringLiteral("着手の説明"));
    NameForScreenReaders(termCombo, QStringLiteral("用語"));
    // The caption's blanks only space it out. Labels showing a value keep their text as
    // their name, which is what a screen reader reads out.
    prisonerLabels[0]->setAccessibleName(QStringLiteral("ハマ"));
}

void MainControls::BuildMenu(QWidget* window) {
    for (const MainCommand& command : MainCommands()) {
        if (command.panel != Panel::Menu)
            continue;
        const QRect rect(kRightColumnX + command.column * 100, 4 + command.row * 21, 98, 20);
        auto* entry =
            widgets::Place(new widgets::MenuEntry(QString::fromUtf8(command.caption), window),
                           CommandObjectName(Panel::Menu, command.index), rect);
        entry->setAlignment(Qt::AlignCenter);
        entry->setFrameShape(QFrame::Panel);
        entry->setFrameShadow(QFrame::Raised);
        entry->setCursor(Qt::PointingHandCursor);
        // Alt and the entry's place, 1 to 9 and 0 for the tenth: digits that typing Japanese
        // into the comment box never asks for with Alt.
        entry->SetShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + (command.index + 1) % 10)));
        menuLabels[size_t(command.index)] = entry;
    }
}

void MainControls::BuildListsAndInfo(QWidget* window) {
    const int x = kRightColumnX;
    inProgressButton =
        widgets::Place(new common::BoxRadioButton(QStringLiteral("対局中棋譜"), window),
                       QStringLiteral("Option1"), QRect(x, 110, 98, 22));
    backedUpButton =
        widgets::Place(new common::BoxRadioButton(QStringLiteral("退避後棋譜"), window),
                       QStringLiteral("Option2"), QRect(x + 100, 110, 98, 22));
    opponentCombo = widgets::Place(new QComboBox(window), QStringLiteral("Combo1"),
                                   QRect(x, 136, kRightColumnWidth, 24));
    gameList = widgets::Place(new QListWidget(window), QStringLiteral("List2"),
                              QRect(x, 164, kRightColumnWidth, 80));

    const QStringList headings{QStringLiteral("対局名"), QStringLiteral("対局者"),
                               QStringLiteral("手合割")};
    for (int i = 0; i < 3; ++i) {
        Caption(window, QStringLiteral("Label13_%1").arg(i), headings[i],
                QRect(x, 248 + i * 19, 44, 18));
        gameInformation[size_t(i)] =
            Caption(window, QStringLiteral("Label14_%1").arg(i), QString(),
                    QRect(x + 46, 248 + i * 19, kRightColumnWidth - 46, 18));
    }

    const QStringList prisonerCaptions{QStringLiteral("ハ  マ"), QStringLiteral("黒"), QString(),
                                       QStringLiteral("白"), QString()};
    const int prisonerX[5] = {0, 50, 70, 120, 140};
    for (int i = 0; i < 5; ++i) {
        prisonerLabels[size_t(i)] =
            Caption(window, QStringLiteral("Label3_%1").arg(i), prisonerCaptions[i],
                    QRect(x + prisonerX[i], 306, i == 0 ? 48 : 40, 18));
    }
    const QStringList scoreCaptions{QStringLiteral("黒"), QString(), QStringLiteral("白"),
                                    QString()};
    const int scoreX[4] = {0, 18, 56, 74};
    for (int i = 0; i < 4; ++i) {
        scoreLabels[size_t(i)] =
            Caption(window, QStringLiteral("Label5_%1").arg(i), scoreCaptions[i],
                    QRect(x + scoreX[i], 328, i % 2 == 0 ? 16 : 36, 18));
    }
    resultLabel = Caption(window, QStringLiteral("Label12"), QString(),
                          QRect(x + 110, 328, kRightColumnWidth - 110, 18));
}

void MainControls::BuildCommentRow(QWidget* window) {
    commentBox =
        widgets::Place(new QLineEdit(window), QStringLiteral("Text3"), QRect(16, 597, 270, 22));
    commentBox->setMaxLength(64);
    descriptionCombo =
        widgets::Place(new QComboBox(window), QStringLiteral("Combo2"), QRect(290, 597, 150, 22));
    termCombo =
        widgets::Place(new QComboBox(window), QStringLiteral("Combo3"), QRect(444, 597, 146, 22));
}

void MainControls::Place(bool smallScreen) {
    // On short screens the column strip gives way and the board moves to the top.
    const int boardTop = smallScreen ? 0 : Px(ColumnNumeralStrip::kHeightTwips);
    columnStrip->move(0, 0);
    rowStrip->move(widgets::Scaled(QPoint(0, boardTop)));
    boardPicture->move(widgets::Scaled(QPoint(Px(RowNumeralStrip::kWidthTwips), boardTop)));
    const int commentTop = boardTop + Px(kMainBoardGeometry.pictureHeight) + 2;
    for (QWidget* control :
         std::initializer_list<QWidget*>{commentBox, descriptionCombo, termCombo})
        control->move(control->x(), widgets::Scaled(commentTop));
}

void MainControls::ShowNumerals(bool smallScreen, bool showNumerals) {
    const NumeralStripVisibility strips = VisibleNumeralStrips(smallScreen, showNumerals);
    columnStrip->setVisible(strips.columnStrip);
    rowStrip->setVisible(strips.rowStrip);
    if (strips.columnStrip)
        columnStrip->DrawNumerals();
    if (strips.rowStrip)
        rowStrip->DrawNumerals();
}

void MainControls::HighlightMenu(int selected) {
    for (int i = 0; i < MenuCount; ++i)
        Highlight(menuLabels[size_t(i)], i == selected, QColor(0, 0, 255));
}

void MainControls::HighlightFolder(bool inProgress) {
    inProgressButton->setChecked(inProgress);
    backedUpButton->setChecked(!inProgress);
    Highlight(inProgressButton, inProgress, QColor(0, 0, 128));
    Highlight(backedUpButton, !inProgress, QColor(0, 0, 128));
}

void MainControls::ShowInformation(const session::GameInformation& information) {
    gameInformation[0]->setText(information.gameLine);
    gameInformation[1]->setText(information.opponentLine);
    gameInformation[2]->setText(information.handicapLine);
}

void MainControls::ShowCaptures(int black, int white) {
    if (gameList->count() == 0)
        return;
    prisonerLabels[2]->setText(QString::number(black));
    prisonerLabels[4]->setText(QString::number(white));
}

void MainControls::ClearCaptures() {
    prisonerLabels[2]->clear();
    prisonerLabels[4]->clear();
}

void MainControls::ClearCount() {
    scoreLabels[1]->clear();
    scoreLabels[3]->clear();
    resultLabel->clear();
}

void MainControls::ClearGame() {
    for (QLabel* label : gameInformation)
        label->clear();
    recordingPanel->cutModeLabel->setVisible(false);
    ClearCaptures();
    commentBox->clear();
    for (QLineEdit* moveBox : {reviewPanel->moveBox, printingPanel->moveBox}) {
        const QSignalBlocker block(moveBox);
        moveBox->clear();
    }
    ClearCount();
}

}  // namespace board
