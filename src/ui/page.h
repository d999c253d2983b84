#pragma once
// One page of the main window. The window calls entered() each time the user switches to
// the page; the page owns the timers and state of what it shows.

#include <QWidget>

class Page : public QWidget {
public:
    using QWidget::QWidget;
    virtual void entered() = 0;
};
