#pragma once
// Controls placed as the window was designed: their designed names and fixed geometry.

#include <QRect>
#include <QString>
#include <QWidget>

// The program's dialogs: always on top, a title and a close box, nothing else.
inline constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::WindowStaysOnTopHint |
                                                Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                Qt::WindowCloseButtonHint;

template <typename W>
W* designedChild(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A label or button with its designed text. An empty size fits the control to its text.
template <typename W>
W* designedText(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* widget = designedChild<W>(parent, name, geometry);
    widget->setText(text);
    if (geometry.size().isEmpty()) widget->adjustSize();
    return widget;
}
