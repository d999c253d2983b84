// The arithmetic of the fade-in and of the once-a-second status tick.

#include "app/status_tick.h"
#include "sysinfo/memory_readout.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct FadeRun {
    QList<int> opacities;
    int stoppedOnTick = 0;
};

FadeRun runFade(qint32 target) {
    FadeIn fade;
    FadeRun run;
    for (int tick = 1; tick < 1000; ++tick) {
        const auto alpha = fade.step(target);
        if (!alpha) {
            run.stoppedOnTick = tick;
            return run;
        }
        run.opacities << *alpha;
    }
    return run;
}

} // namespace

TEST(FadeIn, RisesByThreeAndEndsOnTheStoredOpacity) {
    struct Case {
        qint32 target;
        int lastTick;
        int lastOpacity;
    } cases[] = {{255, 85, 255}, {80, 27, 80}, {81, 27, 81}, {82, 28, 82}, {300, 100, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const FadeRun run = runFade(c.target);
        ASSERT_EQ(run.opacities.size(), c.lastTick);
        EXPECT_EQ(run.opacities.front(), 3);
        EXPECT_EQ(run.opacities.back(), c.lastOpacity);
        EXPECT_EQ(run.stoppedOnTick, c.lastTick + 1);
        for (int i = 1; i + 1 < run.opacities.size(); ++i)
            EXPECT_EQ(run.opacities[i], std::min(3 * (i + 1), 255));
    }
}

TEST(UptimeClock, CarriesSecondsAndMinutesAndTrimsEveryFifthTick) {
    UptimeClock clock;
    QList<int> trims;
    QMap<int, QString> shown;
    for (int tick = 1; tick <= 3600; ++tick) {
        if (clock.tick()) trims << tick;
        if (tick == 1 || tick == 59 || tick == 60 || tick == 61 || tick == 3600) shown[tick] = clock.text();
    }
    EXPECT_EQ(shown[1], u"Vantrel已运行0h 0m 1s   "_s);
    EXPECT_EQ(shown[59], u"Vantrel已运行0h 0m 59s   "_s);
    EXPECT_EQ(shown[60], u"Vantrel已运行0h 1m 0s   "_s);
    EXPECT_EQ(shown[61], u"Vantrel已运行0h 1m 1s   "_s);
    EXPECT_EQ(shown[3600], u"Vantrel已运行1h 0m 0s   "_s);
    // Seconds 5, 10, ... 55 and 60 of every minute: every fifth tick.
    ASSERT_EQ(trims.size(), 720);
    for (int i = 0; i < trims.size(); ++i) EXPECT_EQ(trims[i], 5 * (i + 1));
}

TEST(MemoryReadout, SizesSharesAndBars) {
    const QLocale c(QLocale::C);
    struct Case {
        MemoryStatus status;
        QString physicalSize, virtualSize;
        int physicalBar, virtualBar;
        QString physicalUsed, virtualUsed;
    } cases[] = {
        // 36.75 % free shows 63.25 % used and a bar of 100 - 37; 12.5 % free rounds the
        // bar half to even (88) while the label reads 87.50 %.
        {{400ull << 20, 147ull << 20, 512ull << 20, 64ull << 20},
         u"物理401MB    "_s, u"虚拟513MB    "_s, 63, 88, u"63.25%"_s, u"87.50%"_s},
        // 37.5 % free: the bar rounds to 100 - 38; 0.5 MB beyond a whole MB still adds one.
        {{(8ull << 20) + (1 << 19), 0, 8ull << 20, 3ull << 20},
         u"物理9MB    "_s, u"虚拟9MB    "_s, 100, 62, u"100.00%"_s, u"62.50%"_s},
        // A total the system does not report counts as all free rather than dividing by 0.
        {{0, 0, 0, 0}, u"物理1MB    "_s, u"虚拟1MB    "_s, 0, 0, u"0.00%"_s, u"0.00%"_s},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.physicalSize.toStdString());
        const MemoryReadout r = memoryReadout(k.status, c);
        EXPECT_EQ(r.physicalSize, k.physicalSize);
        EXPECT_EQ(r.virtualSize, k.virtualSize);
        EXPECT_EQ(r.physicalBar, k.physicalBar);
        EXPECT_EQ(r.virtualBar, k.virtualBar);
        EXPECT_EQ(r.physicalUsed, k.physicalUsed);
        EXPECT_EQ(r.virtualUsed, k.virtualUsed);
    }
}

TEST(MemoryReadout, DecimalsFollowTheLocale) {
    const MemoryStatus status{100ull << 20, 25ull << 20, 100ull << 20, 25ull << 20};
    EXPECT_EQ(memoryReadout(status, QLocale(QLocale::German)).physicalUsed, u"75,00%"_s);
}

TEST(ClockText, UserFormatsOrChineseWithoutUserLocaleAndNoTimeAtMidnight) {
    const QDate day(2026, 12, 11);
    const struct {
        QLocale locale;
        QTime time;
        QString shown;
    } cases[] = {
        {QLocale(QLocale::C), QTime(9, 5, 7), u"2026/12/11 09:05:07"_s},
        {QLocale(QLocale::C), QTime(0, 0), u"2026/12/11"_s},
        {QLocale(QLocale::Chinese, QLocale::China), QTime(23, 59, 59), u"2026/12/11 23:59:59"_s},
        {QLocale(QLocale::German, QLocale::Germany), QTime(9, 5, 7), u"11.12.26 09:05:07"_s},
        {QLocale(QLocale::German, QLocale::Germany), QTime(0, 0), u"11.12.26"_s},
        {QLocale(QLocale::English, QLocale::UnitedStates), QTime(0, 0, 1), u"12/11/26 12:00:01 AM"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " " + c.time.toString().toStdString());
        EXPECT_EQ(clockText(QDateTime(day, c.time), c.locale), c.shown);
    }
}
