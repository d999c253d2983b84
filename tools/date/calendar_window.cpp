#include "calendar_window.h"

#include "lunar_calendar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

LunarMonthGrid::LunarMonthGrid(QDate today, QWidget* parent) : QCalendarWidget(parent), today_(today) {
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setFirstDayOfWeek(Qt::Monday);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
    setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    setMinimumSize(560, 420);
}

void LunarMonthGrid::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    painter->save();
    const bool selected = date == selectedDate();
    const bool inMonth = date.month() == monthShown();
    const QPalette& colours = palette();
    painter->fillRect(rect, selected ? colours.highlight() : colours.base());
    if (date == today_) {
        painter->setPen(QPen(QColor(0xd0, 0x30, 0x30), 2));
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
    }

    const QString below = cellText(date);
    const bool marked = !festival(date).isEmpty() || !solarTerm(date).isEmpty();
    const bool weekend = date.dayOfWeek() >= Qt::Saturday;
    QColor dayColour = selected ? colours.highlightedText().color()
                       : weekend ? QColor(0xc0, 0x20, 0x20)
                                 : colours.text().color();
    QColor lunarColour = selected ? dayColour : marked ? QColor(0xc0, 0x50, 0x00) : colours.placeholderText().color();
    if (!inMonth && !selected) {
        dayColour.setAlpha(90);
        lunarColour.setAlpha(90);
    }

    QFont font = painter->font();
    const int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const QRect upper(rect.left(), rect.top() + 2, rect.width(), rect.height() * 3 / 5 - 2);
    const QRect lower(rect.left(), upper.bottom(), rect.width(), rect.bottom() - upper.bottom() - 2);
    font.setPixelSize(size * 3 / 2);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(dayColour);
    painter->drawText(upper, Qt::AlignCenter, QString::number(date.day()));
    font.setPixelSize(size);
    font.setBold(false);
    painter->setFont(font);
    painter->setPen(lunarColour);
    painter->drawText(lower, Qt::AlignHCenter | Qt::AlignTop, below);
    painter->restore();
}

CalendarWindow::CalendarWindow(QDate today)
    : grid_(new LunarMonthGrid(today, this)), reading_(new QLabel(this)) {
    setWindowTitle(u"万年历"_s);
    auto* todayButton = new QPushButton(u"今天"_s, this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reading_, 1);
    bottom->addWidget(todayButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    connect(grid_, &QCalendarWidget::selectionChanged, this, [this] { showReading(grid_->selectedDate()); });
    connect(todayButton, &QPushButton::clicked, this, [this, today] { grid_->setSelectedDate(today); grid_->showSelectedDate(); });
    grid_->setSelectedDate(today);
    showReading(today);
}

void CalendarWindow::showReading(QDate date) {
    reading_->setText(dayDescription(date));
}
