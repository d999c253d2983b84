#include "app/status_tick.h"

using namespace Qt::Literals::StringLiterals;

QString clockText(const QDateTime& now, const QLocale& userLocale) {
    // The interface is Chinese: where the user has no locale of their own (C or POSIX) the
    // clock takes the Chinese formats too.
    const QLocale locale = userLocale.language() == QLocale::C ? QLocale(QLocale::Chinese, QLocale::China)
                                                                : userLocale;
    QString text = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time() != QTime(0, 0)) {
        // The long format may name the time zone; the clock shows the time alone.
        QString format = locale.timeFormat(QLocale::LongFormat);
        format.remove(u't').replace(u"  "_s, u" "_s);
        text += u' ' + locale.toString(now.time(), format.trimmed());
    }
    return text;
}

bool UptimeClock::tick() {
    ++seconds;
    const bool trim = seconds % 5 == 0;
    if (seconds >= 60) {
        ++minutes;
        seconds = 0;
        if (minutes >= 60) {
            ++hours;
            minutes = 0;
        }
    }
    return trim;
}

QString UptimeClock::text() const {
    return u"Vantrel已运行%1h %2m %3s   "_s.arg(hours).arg(minutes).arg(seconds);
}

std::optional<int> FadeIn::step(qint32 target) {
    if (fadeLevel >= target) return std::nullopt;
    fadeLevel += 3;
    return windowAlpha(fadeLevel >= target ? target : fadeLevel);
}
