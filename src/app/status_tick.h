#pragma once
// The arithmetic of the window's once-a-second status tick and of its fade-in.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// The clock label: short date, a space, the long time; the time is left out at midnight.
// The user's locale gives the formats; the C/POSIX locale gives the Chinese ones.
QString clockText(const QDateTime& now, const QLocale& userLocale);

// The running time shown in the status bar.
struct UptimeClock {
    qint32 hours = 0;
    qint32 minutes = 0;
    qint32 seconds = 0;

    // Counts one second; true when the working set is due for a trim (every fifth second,
    // tested before the seconds carry into the minutes).
    bool tick();
    // "Vantrel已运行<h>h <m>m <s>s   "
    QString text() const;
};

// The fade-in: the opacity rises by 3 per tick up to the stored opacity.
struct FadeIn {
    qint32 fadeLevel = 0;   // 0 until the first tick

    // The opacity to set on this tick, or nothing when the fade is over and its timer
    // should stop.
    std::optional<int> step(qint32 target);
};

// A window opacity from a stored value: the slider keeps it within 80..255, a value
// beyond 255 that only a hand-edited file can hold shows opaque.
inline int windowAlpha(qint32 value) { return value > 255 ? 255 : value & 0xFF; }

// The transparency slider's range: a stored opacity below it is raised to its floor.
inline constexpr int kMinOpacity = 80;
inline constexpr int kMaxOpacity = 255;
inline int clampOpacity(qint32 value) { return qBound(kMinOpacity, value, kMaxOpacity); }
