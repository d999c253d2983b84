#pragma once
// The window of the perpetual calendar: a month grid of Gregorian days, each with its lunar
// day, solar term or festival below it; the reading of the chosen day and a "今天" button.

#include <QCalendarWidget>
#include <QWidget>

class QLabel;

class LunarMonthGrid : public QCalendarWidget {
public:
    LunarMonthGrid(QDate today, QWidget* parent);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    QDate today_;
};

class CalendarWindow : public QWidget {
public:
    explicit CalendarWindow(QDate today);

private:
    void showReading(QDate date);

    LunarMonthGrid* grid_;
    QLabel* reading_;
};
