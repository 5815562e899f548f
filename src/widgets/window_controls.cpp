#include "widgets/window_controls.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace widgets {

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    return Place(new QLabel(text, parent), name, geometry);
}

QLabel* ValueBox(QWidget* parent, const QString& name, const QRect& geometry) {
    QLabel* label = Caption(parent, name, QString(), geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text,
                    const QRect& geometry) {
    return Place(new QPushButton(text, parent), name, geometry);
}

QScrollBar* Bar(QWidget* parent, Qt::Orientation orientation, const QString& name, int minimum,
                int maximum, const QRect& geometry) {
    QScrollBar* bar = Place(new QScrollBar(orientation, parent), name, geometry);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // Tab reaches it and the arrow keys move it; a click leaves the focus where it was.
    bar->setFocusPolicy(Qt::TabFocus);
    return bar;
}

void NameForScreenReaders(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
    if (qobject_cast<QComboBox*>(control) == nullptr)
        return;
    auto* label = new QLabel(name, control->parentWidget());
    label->setBuddy(control);  // read out as the box's label
    label->hide();
}

void ShowWhole(QLabel* label, const QString& text) {
    QFont font = label->parentWidget()->font();
    const double width = label->contentsRect().width();
    while (QFontMetricsF(font).horizontalAdvance(text) > width && font.pointSizeF() > 5.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->setText(text);
}

}  // namespace widgets
