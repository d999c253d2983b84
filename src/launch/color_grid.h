#pragma once
// A row of sixteen colour cells under a caption bar. A click on a cell makes its colour
// the value; the cell holding the value is drawn marked. The value may also be a colour
// outside the sixteen, which then passes through unchanged.

#include "core/color_text.h"

#include <QWidget>
#include <array>

class ColorGrid : public QWidget {
    Q_OBJECT
public:
    static const std::array<ColorValue, 16> kCells;

    ColorGrid(const QString& caption, QWidget* parent);

    ColorValue value() const { return value_; }
    void setValue(ColorValue value);
    // The cell at a point, or -1.
    int cellAt(const QPoint& point) const;
    QRect cellRect(int cell) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString caption_;
    ColorValue value_ = ColorText::clBlack;
};
