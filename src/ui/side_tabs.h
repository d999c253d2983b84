#pragma once
// A page control with its tabs down the left side, their captions written across, in
// cells of a fixed size.

#include <QStylePainter>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>

class SideTabBar : public QTabBar {
public:
    explicit SideTabBar(QSize cell) : cell_(cell) {}

protected:
    QSize tabSizeHint(int) const override { return cell_; }

    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            QStyleOptionTab option;
            initStyleOption(&option, i);
            painter.drawControl(QStyle::CE_TabBarTabShape, option);
            painter.drawItemText(tabRect(i), Qt::AlignCenter, palette(), isTabEnabled(i), tabText(i),
                                 QPalette::WindowText);
        }
    }

private:
    QSize cell_;
};

class SideTabs : public QTabWidget {
public:
    SideTabs(QSize cell, QWidget* parent) : QTabWidget(parent) {
        setTabBar(new SideTabBar(cell));
        setTabPosition(QTabWidget::West);
    }
};
