#pragma once
// The group box "定时关机/重启计算机" (FlatGroupBox5): shut down or restart after a
// countdown that the system keeps, or at a time of day that the `shutdown` timer watches.

#include "core/ports.h"
#include "tools/timed_shutdown.h"

#include <QGroupBox>
#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

class ShutdownBox : public QGroupBox {
public:
    ShutdownBox(Platform& platform, QWidget* parent);

    void Button34Click();
    void Button35Click();
    void shutdownTimer();

private:
    // Locked while a request is pending: only "取消" can be used.
    void setLocked(bool locked);

    Platform& platform_;
    std::array<QRadioButton*, 4> radios_{};  // FlatRadioButton1..4: countdown, time, off, restart
    std::array<QLineEdit*, 6> edits_{};      // Edit21..Edit26
    QPushButton* start_;
    QPushButton* cancel_;
    QTimer* shutdown_;
    ShutdownTarget target_;
    TimeOfDayWatch watch_;
};
