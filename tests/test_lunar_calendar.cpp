// The perpetual calendar's readings: lunar dates, leap months, solar terms and festivals of
// known days.
#include "lunar_calendar.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString reading(const LunarDate& d) {
    return cycleYearName(d.cycleYear) + zodiacAnimal(d.cycleYear) + u" "_s + lunarMonthName(d) +
           lunarDayName(d.day);
}

TEST(LunarCalendar, KnownDaysReadAsTheirLunarDates) {
    const struct {
        QDate day;
        QString expected;
    } cases[] = {
        {QDate(2026, 2, 17), u"丙午马 正月初一"_s},
        {QDate(2026, 2, 16), u"乙巳蛇 腊月廿九"_s},   // a twelfth month of 29 days
        {QDate(2024, 2, 10), u"甲辰龙 正月初一"_s},
        {QDate(2000, 2, 5), u"庚辰龙 正月初一"_s},
        {QDate(1900, 1, 31), u"庚子鼠 正月初一"_s},
        {QDate(2023, 3, 21), u"癸卯兔 二月三十"_s},
        {QDate(2023, 3, 22), u"癸卯兔 闰二月初一"_s},  // 2023 repeats its second month
        {QDate(2025, 7, 25), u"乙巳蛇 闰六月初一"_s},  // 2025 repeats its sixth month
        {QDate(2020, 5, 23), u"庚子鼠 闰四月初一"_s},
        {QDate(2024, 9, 17), u"甲辰龙 八月十五"_s},
        {QDate(2026, 1, 26), u"乙巳蛇 腊月初八"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(reading(lunarDate(c.day)), c.expected);
    }
}

TEST(LunarCalendar, NamesOfDaysAndMonths) {
    const std::pair<int, QString> days[] = {{1, u"初一"_s},  {10, u"初十"_s}, {11, u"十一"_s}, {19, u"十九"_s},
                                            {20, u"二十"_s}, {21, u"廿一"_s}, {29, u"廿九"_s}, {30, u"三十"_s}};
    for (const auto& [day, name] : days) EXPECT_EQ(lunarDayName(day), name) << day;

    const std::pair<LunarDate, QString> months[] = {{{1, 1, false, 1}, u"正月"_s},
                                                    {{1, 10, false, 1}, u"十月"_s},
                                                    {{1, 11, false, 1}, u"冬月"_s},
                                                    {{1, 12, false, 1}, u"腊月"_s},
                                                    {{1, 6, true, 1}, u"闰六月"_s}};
    for (const auto& [date, name] : months) EXPECT_EQ(lunarMonthName(date), name) << date.month;
}

// Terms falling within minutes of midnight China time show the precision the days need.
TEST(LunarCalendar, SolarTermsBeginOnTheirChinaDays) {
    const struct {
        QDate day;
        QString term;
    } cases[] = {
        {QDate(2021, 12, 21), u"冬至"_s},  // 23:59 China time
        {QDate(2021, 12, 22), QString()},
        {QDate(2023, 1, 5), u"小寒"_s},   // 23:05
        {QDate(2025, 12, 21), u"冬至"_s},  // 23:03
        {QDate(2024, 2, 4), u"立春"_s},
        {QDate(2024, 2, 5), QString()},
        {QDate(2024, 3, 20), u"春分"_s},
        {QDate(2024, 4, 4), u"清明"_s},
        {QDate(2024, 6, 21), u"夏至"_s},   // 04:51, the 20th in UTC
        {QDate(2026, 2, 4), u"立春"_s},
        {QDate(2026, 3, 20), u"春分"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(solarTerm(c.day), c.term);
    }
}

TEST(LunarCalendar, EachYearHasTwentyFourTermsOnDistinctDays) {
    for (int year : {1901, 2024, 2099}) {
        SCOPED_TRACE(year);
        QStringList seen;
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1))
            if (const QString term = solarTerm(d); !term.isEmpty()) seen << term;
        EXPECT_EQ(seen.size(), 24);
        EXPECT_EQ(seen.first(), u"小寒"_s);
        EXPECT_EQ(seen.last(), u"冬至"_s);
        seen.removeDuplicates();
        EXPECT_EQ(seen.size(), 24);
    }
}

TEST(LunarCalendar, CellsShowFestivalThenTermThenLunarDay) {
    const struct {
        QDate day;
        QString text;
    } cases[] = {
        {QDate(2026, 2, 17), u"春节"_s},
        {QDate(2025, 1, 28), u"除夕"_s},     // the 29th, the year's last day
        {QDate(2026, 2, 16), u"除夕"_s},
        {QDate(2024, 2, 9), u"除夕"_s},      // the 30th
        {QDate(2024, 2, 8), u"廿九"_s},
        {QDate(2024, 6, 10), u"端午节"_s},
        {QDate(2024, 9, 17), u"中秋节"_s},
        {QDate(2026, 1, 26), u"腊八节"_s},
        {QDate(2023, 4, 5), u"清明"_s},
        {QDate(2026, 3, 19), u"二月"_s},     // a month's first day shows its name
        {QDate(2023, 3, 22), u"闰二月"_s},
        {QDate(2025, 7, 25), u"闰六月"_s},
        {QDate(2026, 3, 21), u"初三"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(cellText(c.day), c.text);
    }
    // The fifth day of a leap fifth month is no Dragon Boat day.
    EXPECT_EQ(festival(QDate(2009, 6, 27)), QString());
    EXPECT_EQ(festival(QDate(2009, 5, 28)), u"端午节"_s);
}

TEST(LunarCalendar, DayDescriptionReadsInFull) {
    EXPECT_EQ(dayDescription(QDate(2026, 2, 17)), u"2026年2月17日 星期二  农历丙午年(马年) 正月初一  春节"_s);
    EXPECT_EQ(dayDescription(QDate(2024, 4, 4)), u"2024年4月4日 星期四  农历甲辰年(龙年) 二月廿六  清明"_s);
}

} // namespace
