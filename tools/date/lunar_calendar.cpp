#include "lunar_calendar.h"

#include <libnova/dynamical_time.h>
#include <libnova/nutation.h>
#include <libnova/solar.h>
#include <unicode/ucal.h>

#include <array>
#include <cmath>
#include <map>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr qint64 kUnixEpochDay = 2440588;  // Julian day number of 1970-01-01
constexpr double kChinaOffsetDays = 8.0 / 24.0;

const QString kDigits = u"一二三四五六七八九十"_s;

// ICU's Chinese calendar on UTC: a date handed over at noon UTC stays that Gregorian day.
UCalendar* chineseCalendar() {
    static const std::unique_ptr<UCalendar, void (*)(UCalendar*)> calendar = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCalendar* opened = ucal_open(u"UTC", -1, "zh_CN@calendar=chinese", UCAL_DEFAULT, &status);
        if (U_FAILURE(status)) {
            ucal_close(opened);
            opened = nullptr;
        }
        return std::unique_ptr<UCalendar, void (*)(UCalendar*)>(opened, ucal_close);
    }();
    return calendar.get();
}

// Terrestrial minus universal time in seconds. libnova's table holds the measured values up
// to the early 2000s, but runs a minute high after them; later years take the polynomials
// of Espenak and Meeus.
double deltaT(double jd) {
    const double year = 2000.0 + (jd - kJ2000) / 365.25;
    if (year < 2005) return ln_get_dynamical_time_diff(jd);
    const double t = year - 2000;
    if (year < 2050) return 62.92 + 0.32217 * t + 0.005589 * t * t;
    const double u = (year - 1820) / 100;
    if (year < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - year);
    return -20 + 32 * u * u;
}

// The sun's apparent ecliptic longitude in degrees at a Julian ephemeris day: libnova's
// geometric position (of the J2000 equinox) carried to the equinox of date, with nutation
// and aberration.
double apparentSolarLongitude(double jde) {
    ln_helio_posn sun;
    ln_get_solar_geom_coords(jde, &sun);
    ln_nutation nutation;
    ln_get_nutation(jde, &nutation);
    const double t = (jde - kJ2000) / 36525.0;
    const double precession = (5028.796195 * t + 1.1054348 * t * t) / 3600.0;
    const double aberration = -20.4898 / 3600.0 / sun.R;
    return sun.L + precession + nutation.longitude + aberration;
}

// The Julian ephemeris day near `jde` at which the sun's longitude is `target` degrees.
double solarLongitudeInstant(double target, double jde) {
    for (int i = 0; i < 12; ++i) {
        const double off = std::remainder(target - apparentSolarLongitude(jde), 360.0);
        jde += off * 365.2422 / 360.0;
        if (std::abs(off) < 1e-8) break;
    }
    return jde;
}

// In the order they fall in a Gregorian year, from 285 degrees in steps of 15.
const std::array<QString, 24> kTermNames = {
    u"小寒"_s, u"大寒"_s, u"立春"_s, u"雨水"_s, u"惊蛰"_s, u"春分"_s, u"清明"_s, u"谷雨"_s,
    u"立夏"_s, u"小满"_s, u"芒种"_s, u"夏至"_s, u"小暑"_s, u"大暑"_s, u"立秋"_s, u"处暑"_s,
    u"白露"_s, u"秋分"_s, u"寒露"_s, u"霜降"_s, u"立冬"_s, u"小雪"_s, u"大雪"_s, u"冬至"_s};

// The China-time days on which the 24 terms of a Gregorian year begin, worked out once per
// year asked for.
const std::array<QDate, 24>& termDays(int year) {
    static std::map<int, std::array<QDate, 24>> cache;
    auto [slot, fresh] = cache.try_emplace(year);
    if (fresh) {
        const double january6 = QDate(year, 1, 6).toJulianDay() - 0.5;
        for (int i = 0; i < 24; ++i) {
            const double jde = solarLongitudeInstant(std::fmod(285.0 + 15 * i, 360.0),
                                                     january6 + i * 365.2422 / 24);
            const double china = jde - deltaT(jde) / 86400 + kChinaOffsetDays;
            slot->second[i] = QDate::fromJulianDay(qint64(std::floor(china + 0.5)));
        }
    }
    return slot->second;
}

struct LunarFestival {
    int month, day;
    QString name;
};

const LunarFestival kFestivals[] = {
    {1, 1, u"春节"_s},   {1, 15, u"元宵节"_s}, {5, 5, u"端午节"_s}, {7, 7, u"七夕节"_s},
    {7, 15, u"中元节"_s}, {8, 15, u"中秋节"_s}, {9, 9, u"重阳节"_s}, {12, 8, u"腊八节"_s}};

} // namespace

LunarDate lunarDate(QDate date) {
    UCalendar* calendar = chineseCalendar();
    if (!calendar || !date.isValid()) return {};
    UErrorCode status = U_ZERO_ERROR;
    const double noon = (double(date.toJulianDay() - kUnixEpochDay) + 0.5) * U_MILLIS_PER_DAY;
    ucal_setMillis(calendar, noon, &status);
    LunarDate lunar{ucal_get(calendar, UCAL_YEAR, &status), ucal_get(calendar, UCAL_MONTH, &status) + 1,
                    ucal_get(calendar, UCAL_IS_LEAP_MONTH, &status) != 0,
                    ucal_get(calendar, UCAL_DATE, &status)};
    return U_SUCCESS(status) ? lunar : LunarDate{};
}

QString cycleYearName(int cycleYear) {
    const int index = cycleYear - 1;
    return u"甲乙丙丁戊己庚辛壬癸"_s.mid(index % 10, 1) + u"子丑寅卯辰巳午未申酉戌亥"_s.mid(index % 12, 1);
}

QString zodiacAnimal(int cycleYear) {
    return u"鼠牛虎兔龙蛇马羊猴鸡狗猪"_s.mid((cycleYear - 1) % 12, 1);
}

QString lunarMonthName(const LunarDate& date) {
    const QString number = date.month == 1    ? u"正"_s
                           : date.month == 11 ? u"冬"_s
                           : date.month == 12 ? u"腊"_s
                                              : kDigits.mid(date.month - 1, 1);
    return (date.leap ? u"闰"_s : QString()) + number + u"月"_s;
}

QString lunarDayName(int day) {
    if (day <= 10) return u"初"_s + kDigits.mid(day - 1, 1);
    if (day < 20) return u"十"_s + kDigits.mid(day - 11, 1);
    if (day == 20) return u"二十"_s;
    if (day < 30) return u"廿"_s + kDigits.mid(day - 21, 1);
    return u"三十"_s;
}

QString solarTerm(QDate date) {
    if (!date.isValid()) return {};
    const auto& days = termDays(date.year());
    for (std::size_t i = 0; i < days.size(); ++i)
        if (days[i] == date) return kTermNames[i];
    return {};
}

QString festival(QDate date) {
    const LunarDate lunar = lunarDate(date);
    if (lunar.day == 0) return {};
    for (const auto& f : kFestivals)
        if (!lunar.leap && f.month == lunar.month && f.day == lunar.day) return f.name;
    // New Year's Eve is the last day of the year, the 29th or the 30th of its last month.
    if (lunar.day < 29) return {};
    const LunarDate next = lunarDate(date.addDays(1));
    return next.month == 1 && next.day == 1 && !next.leap ? u"除夕"_s : QString();
}

QString cellText(QDate date) {
    if (QString name = festival(date); !name.isEmpty()) return name;
    if (QString term = solarTerm(date); !term.isEmpty()) return term;
    const LunarDate lunar = lunarDate(date);
    if (lunar.day == 0) return {};
    return lunar.day == 1 ? lunarMonthName(lunar) : lunarDayName(lunar.day);
}

QString dayDescription(QDate date) {
    QString text = u"%1年%2月%3日 星期%4"_s.arg(date.year()).arg(date.month()).arg(date.day())
                       .arg(u"一二三四五六日"_s.mid(date.dayOfWeek() - 1, 1));
    const LunarDate lunar = lunarDate(date);
    if (lunar.day != 0)
        text += u"  农历%1年(%2年) %3%4"_s.arg(cycleYearName(lunar.cycleYear), zodiacAnimal(lunar.cycleYear),
                                             lunarMonthName(lunar), lunarDayName(lunar.day));
    for (const QString& extra : {festival(date), solarTerm(date)})
        if (!extra.isEmpty()) text += u"  "_s + extra;
    return text;
}
