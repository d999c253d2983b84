#include "launch/color_grid.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

using ColorText::rgb;

constexpr int kCaptionHeight = 18;

} // namespace

const std::array<ColorValue, 16> ColorGrid::kCells{
    rgb(0, 0, 0),       rgb(64, 0, 0),     rgb(128, 0, 0),   rgb(128, 64, 64),
    rgb(255, 0, 0),     rgb(255, 128, 128), rgb(128, 128, 0), rgb(128, 64, 0),
    rgb(255, 128, 0),   rgb(255, 128, 64), rgb(255, 255, 0), rgb(255, 255, 128),
    rgb(128, 128, 64),  rgb(0, 64, 0),     rgb(0, 128, 0),   rgb(0, 255, 0),
};

ColorGrid::ColorGrid(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void ColorGrid::setValue(ColorValue value) {
    value_ = value;
    update();
}

QRect ColorGrid::cellRect(int cell) const {
    const int width = (this->width() - 4) / int(kCells.size());
    return {2 + cell * width, kCaptionHeight + 4, width - 2, height() - kCaptionHeight - 8};
}

int ColorGrid::cellAt(const QPoint& point) const {
    for (int i = 0; i < int(kCells.size()); ++i)
        if (cellRect(i).contains(point)) return i;
    return -1;
}

void ColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect bar(0, 0, width(), kCaptionHeight);
    painter.fillRect(bar, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(bar.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (int i = 0; i < int(kCells.size()); ++i) {
        const QRect cell = cellRect(i);
        painter.fillRect(cell, ColorText::displayColor(kCells[i], palette()));
        if (kCells[i] == value_) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
            painter.drawRect(cell.adjusted(-1, -1, 0, 0));
        }
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
    if (const int cell = cellAt(event->position().toPoint()); cell >= 0) setValue(kCells[cell]);
}
