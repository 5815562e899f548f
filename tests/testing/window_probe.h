#pragma once

#include "widgets/board_picture.h"

#include <QColor>
#include <QComboBox>
#include <QListWidget>
#include <QPoint>
#include <QStringList>
#include <QtGlobal>

/// A control of a window by its objectName; a missing control ends the test run at once, since
/// every later step would only report a null pointer.
template <typename Control>
Control* FindControl(const QObject& window, const QString& name) {
    Control* control = window.findChild<Control*>(name);
    if (control == nullptr)
        qFatal("no control %s", qPrintable(name));
    return control;
}

/// The entries of a list as shown.
inline QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

inline QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

/// One device pixel of a board picture's drawing.
inline QColor PixelAt(const board::BoardPicture* picture, QPoint pixel) {
    return picture->Pixmap().toImage().pixelColor(pixel);
}
