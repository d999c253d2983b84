#pragma once
// A page control whose tabs wrap onto as many rows as they need, so that every visible tab
// is in view and can be clicked. Rows are filled left to right and, once there is more
// than one, stretched to the full width; the selected tab's row lies next to the page. A
// caption wider than a whole row is cut at its end with "…"; the tab's tooltip then shows
// the whole caption.

#include <QTabBar>
#include <QTabWidget>

class RowTabBar : public QTabBar {
public:
    RowTabBar();

    // Where tab `index` lies in the bar; empty for a hidden tab.
    QRect rowRect(int index) const;
    // The caption as drawn, cut to the room its tab has.
    QString shownText(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The tabs' places when the rows are `width` wide.
    QList<QRect> layoutRows(int width) const;
    // The width the rows wrap at: the page control's, which sets the bar's own width.
    int rowWidth() const;
    int rowHeight() const;
    int indexAt(const QPoint& position) const;
};

class RowTabs : public QTabWidget {
public:
    explicit RowTabs(QWidget* parent);
};
