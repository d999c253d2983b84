#pragma once
// The rules of the timed shutdown or restart: reading its number edits, the countdown and
// its bounds, the confirmation texts, and the once-a-second watch for a time of day that
// the alarm shares.

#include <QDateTime>
#include <QString>

// A number edit of the "辅助" page: empty reads as 0, anything else must be a whole signed
// decimal integer (AppError "'<text>' is not a valid integer value" otherwise).
qint32 readNumberEdit(const QString& text);

enum class ShutdownMode { Countdown, TimeOfDay };

// "确定要在1小时30分钟0秒后关闭计算机吗？" for a countdown, "确定要在23点0分0秒时重启计算机吗？" for
// a time of day.
QString shutdownQuestion(ShutdownMode mode, qint32 hour, qint32 minute, qint32 second, bool restart);

// The longest countdown handed to the system: ten years. Beyond it, or below zero, the
// request is refused before it reaches the system (a time in the past would mean "now").
constexpr qint64 kLongestCountdown = 315360000;

// The countdown in seconds, computed wide enough that no input wraps around.
qint64 countdownSeconds(qint32 hours, qint32 minutes, qint32 seconds);
bool countdownAllowed(qint64 seconds);

// The refusal shown for a countdown out of bounds.
extern const QString kCountdownRefused;

// The time of day a mode-2 shutdown waits for.
struct ShutdownTarget {
    qint32 hour = 0;
    qint32 minute = 0;
    qint32 second = 0;
    bool restart = false;
};

// Watches the clock, once a second, for a time of day. A tick reaches the target when its
// second lies after the previous tick's and at or before this one's, so a tick that comes
// late does not skip it; after a gap of more than a minute (the machine slept, the clock
// was set) that day's target is let go. A time of day out of range never matches.
class TimeOfDayWatch {
public:
    // Takes the moment of arming as the previous tick.
    void start(const QDateTime& now) { previous_ = now; }
    bool reached(const QDateTime& now, qint32 hour, qint32 minute, qint32 second);

private:
    QDateTime previous_;
};
