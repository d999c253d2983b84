#include "tools/alarm_reminder.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// How every reminder toast ends: it tells the user how to stop it coming back.
const QString kHowToStop = u"取消提醒请选上\"不再提示\""_s;

} // namespace

const QString kNoReminderKind = u"请选择提示方式!"_s;
const QString kEventPrompt = u"请输入事件(您闹铃时要做的事)"_s + QString(19, u' ');

QString alarmQuestion(const AlarmSetting& alarm) {
    return u"凡特睿将在%1点%2分%3秒时提醒您:"_s.arg(alarm.hour).arg(alarm.minute).arg(alarm.second) +
           alarm.event;
}

QString alarmMessage(const AlarmSetting& alarm) {
    return u"%1点%2分%3秒 您该做:\r\t"_s.arg(alarm.hour).arg(alarm.minute).arg(alarm.second) +
           alarm.event + u"\r\r\t"_s + kHowToStop;
}

QString welcomeMessage() { return u"欢迎使用凡特睿(Vantrel)!\r\r\r\t"_s + kHowToStop; }
