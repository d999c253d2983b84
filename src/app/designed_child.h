#pragma once
// A control placed as the window was designed: its designed name and fixed geometry.

#include <QRect>
#include <QString>
#include <QWidget>

template <typename W>
W* designedChild(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}
