#pragma once

#include "widgets/layout_scale.h"

#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace widgets {

/// Names a control after the window's control name (for finding it in tests) and places it;
/// `geometry` is in pixels at 100 %.
template <typename Control>
Control* Place(Control* control, const QString& name, const QRect& geometry) {
    control->setObjectName(name);
    control->setGeometry(Scaled(geometry));
    return control;
}

/// A plain caption.
QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);

/// A value shown in a sunken panel, centred.
QLabel* ValueBox(QWidget* parent, const QString& name, const QRect& geometry);

QPushButton* Button(QWidget* parent, const QString& name, const QString& text,
                    const QRect& geometry);

/// A scroll bar that moves one step per arrow and per click beside the handle, also with the
/// arrow keys once Tab has reached it. A vertical one has its minimum on top, so that the
/// lower arrow raises the value.
QScrollBar* Bar(QWidget* parent, Qt::Orientation orientation, const QString& name, int minimum,
                int maximum, const QRect& geometry);

/// Names a control for screen readers. A combo box, which Qt on Linux names by its current
/// item, is labelled instead by a caption that is never shown.
void NameForScreenReaders(QWidget* control, const QString& name);

/// Shows a text whole: one wider than its label (a larger desktop font, a display size that
/// rounds down) is set smaller rather than cut off.
void ShowWhole(QLabel* label, const QString& text);

}  // namespace widgets
