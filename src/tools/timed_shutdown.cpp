#include "tools/timed_shutdown.h"

#include "core/integer_text.h"

using namespace Qt::Literals::StringLiterals;

const QString kCountdownRefused = u"倒计时只能在0秒到10年(315360000秒)之间!"_s;

qint32 readNumberEdit(const QString& text) { return text.isEmpty() ? 0 : toInteger(text); }

QString shutdownQuestion(ShutdownMode mode, qint32 hour, qint32 minute, qint32 second, bool restart) {
    const bool countdown = mode == ShutdownMode::Countdown;
    return u"确定要在"_s + QString::number(hour) + (countdown ? u"小时"_s : u"点"_s) +
           QString::number(minute) + (countdown ? u"分钟"_s : u"分"_s) + QString::number(second) +
           (countdown ? u"秒后"_s : u"秒时"_s) + (restart ? u"重启"_s : u"关闭"_s) + u"计算机吗？"_s;
}

qint64 countdownSeconds(qint32 hours, qint32 minutes, qint32 seconds) {
    return qint64(hours) * 3600 + qint64(minutes) * 60 + seconds;
}

bool countdownAllowed(qint64 seconds) { return seconds >= 0 && seconds <= kLongestCountdown; }

bool TimeOfDayWatch::reached(const QDateTime& now, qint32 hour, qint32 minute, qint32 second) {
    constexpr qint64 day = 24 * 3600;
    // The clock's readings as wall-clock seconds: what the user set is a time on the clock.
    const auto wall = [](const QDateTime& t) {
        return t.date().toJulianDay() * day + t.time().msecsSinceStartOfDay() / 1000;
    };
    const qint64 before = wall(previous_);
    const qint64 gap = wall(now) - before;
    previous_ = now;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return false;
    if (gap < 1 || gap > 60) return false;
    const qint64 target = hour * 3600 + minute * 60 + second;
    const qint64 afterBefore = ((target - before % day) % day + day) % day;
    return afterBefore >= 1 && afterBefore <= gap;
}
