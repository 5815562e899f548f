#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace admin {

/// Names a control after the window's control name (for finding it in tests) and places it.
template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

/// A plain caption.
inline QLabel* Caption(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry) {
    return Place(new QLabel(text, parent), name, geometry);
}

/// A value shown in a sunken panel, centred.
inline QLabel* ValueBox(QWidget* parent, const char* name, const QRect& geometry) {
    QLabel* label = Caption(parent, name, QString(), geometry);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

inline QPushButton* Button(QWidget* parent, const char* name, const QString& text,
                           const QRect& rect) {
    return Place(new QPushButton(text, parent), name, rect);
}

}  // namespace admin
