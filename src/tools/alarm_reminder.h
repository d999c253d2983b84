#pragma once
// The rules of the alarm reminder: what is set, and the texts of its boxes and toasts.

#include <QString>

// The alarm as last set: the time of day and the event to be reminded of.
struct AlarmSetting {
    qint32 hour = 0;
    qint32 minute = 0;
    qint32 second = 0;
    QString event;
};

extern const QString kNoReminderKind;  // "请选择提示方式!"
extern const QString kEventPrompt;     // the input box's prompt, padded with nineteen spaces

// "凡特睿将在7点30分0秒时提醒您:开会"
QString alarmQuestion(const AlarmSetting& alarm);

// The toast text of a firing, built from the setting as it is when the toast shows.
QString alarmMessage(const AlarmSetting& alarm);

// The toast text of the pop-up demonstration.
QString welcomeMessage();
