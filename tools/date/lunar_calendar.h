#pragma once
// The Chinese calendar of a Gregorian day: its lunar date (from ICU's Chinese calendar), the
// solar term that begins on it and its traditional festival. Days are those of China time.

#include <QDate>
#include <QString>

struct LunarDate {
    int cycleYear = 0;  // 1 .. 60 within the sixty-year cycle; 0 when the date is unknown
    int month = 0;      // 1 .. 12
    bool leap = false;  // a leap month repeats the month before it
    int day = 0;        // 1 .. 30
};

LunarDate lunarDate(QDate date);

// "甲子" .. "癸亥", the name of a cycle year, and its animal "鼠" .. "猪".
QString cycleYearName(int cycleYear);
QString zodiacAnimal(int cycleYear);
// "正月", "二月" .. "冬月", "腊月"; a leap month with "闰" before it.
QString lunarMonthName(const LunarDate& date);
// "初一" .. "初十", "十一" .. "二十", "廿一" .. "廿九", "三十".
QString lunarDayName(int day);

// The solar term ("立春", "冬至"...) beginning on the day, or an empty text.
QString solarTerm(QDate date);
// The traditional festival of the day ("春节", "中秋节", "除夕"...), or an empty text.
QString festival(QDate date);

// The short line under a day of the month grid: the festival, else the solar term, else the
// lunar day, with the month's name on its first day.
QString cellText(QDate date);
// The whole reading of a day, such as "2026年2月17日 星期二  农历丙午年(马年) 正月初一  春节".
QString dayDescription(QDate date);
