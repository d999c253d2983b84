#include "app/status_tick.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Free share in per cent; an unknown total counts as all free.
double freePercent(quint64 available, quint64 total) {
    return total == 0 ? 100.0 : double(available) / double(total) * 100.0;
}

QString megabytes(const QString& prefix, quint64 bytes) {
    return prefix + QString::number((bytes >> 20) + 1) + u"MB    "_s;
}

} // namespace

MemoryReadout memoryReadout(const MemoryStatus& status, const QLocale& locale) {
    const double p = freePercent(status.availablePhysical, status.totalPhysical);
    const double v = freePercent(status.availableVirtual, status.totalVirtual);
    // std::nearbyint rounds halves to even in the default rounding mode.
    return {megabytes(u"物理"_s, status.totalPhysical),
            megabytes(u"虚拟"_s, status.totalVirtual),
            100 - int(std::nearbyint(p)),
            100 - int(std::nearbyint(v)),
            locale.toString(100.0 - p, 'f', 2) + u"%"_s,
            locale.toString(100.0 - v, 'f', 2) + u"%"_s};
}

QString clockText(const QDateTime& now, const QLocale& locale) {
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
