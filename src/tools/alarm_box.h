#pragma once
// The group box "闹钟提醒" (FlatGroupBox6): at a time of day, watched by the `tishi` timer,
// play the alarm sound, show a reminder toast with the event, or both.

#include "core/ports.h"
#include "tools/alarm_reminder.h"
#include "tools/timed_shutdown.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class AlarmBox : public QGroupBox {
public:
    AlarmBox(Platform& platform, QWidget* parent);

    void Button36Click();
    void Button37Click();
    void tishiTimer();
    void Label47Click();
    void Label48Click();

private:
    // Locked while the alarm is armed: only "取消" can be used.
    void setLocked(bool locked);
    void playSound();

    Platform& platform_;
    std::array<QLineEdit*, 3> edits_{};  // Edit27..Edit29
    QCheckBox* sound_;                   // CheckBox1 "声音提醒"
    QCheckBox* popup_;                   // CheckBox2 "弹窗提醒"
    std::array<QLabel*, 2> demos_{};     // Label47, Label48
    QPushButton* start_;
    QPushButton* cancel_;
    QTimer* tishi_;
    AlarmSetting alarm_;
    TimeOfDayWatch watch_;
};
