#include "ui/row_tabs.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>

namespace {

// Room left and right of a caption inside its tab.
constexpr int kPadding = 5;

QRect captionRect(const QRect& tab) { return tab.adjusted(kPadding, 0, -kPadding, 0); }

} // namespace

RowTabBar::RowTabBar() {
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
}

int RowTabBar::rowWidth() const {
    return parentWidget() ? parentWidget()->width() : width();
}

int RowTabBar::rowHeight() const { return fontMetrics().height() + 6; }

QList<QRect> RowTabBar::layoutRows(int width) const {
    QList<int> widths(count());
    QList<QList<int>> rows(1);
    int x = 0;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i)) continue;
        widths[i] = qMin(fontMetrics().horizontalAdvance(tabText(i)) + 2 * kPadding, width);
        if (x > 0 && x + widths[i] > width) {
            rows.append(QList<int>());
            x = 0;
        }
        rows.last().append(i);
        x += widths[i];
    }
    // The selected tab's row goes next to the page, the rows after it move to the top in
    // their order: the selected tab always joins its page, as on the designed control.
    const auto selected = std::find_if(rows.begin(), rows.end(),
                                       [&](const QList<int>& row) { return row.contains(currentIndex()); });
    if (selected != rows.end()) std::rotate(rows.begin(), selected + 1, rows.end());

    QList<QRect> rects(count());
    for (int r = 0; r < rows.size(); ++r) {
        // With more than one row every row is stretched to the full width.
        int spare = width;
        for (int i : rows[r]) spare -= widths[i];
        if (rows.size() == 1) spare = 0;
        x = 0;
        for (int k = 0; k < rows[r].size(); ++k) {
            const int i = rows[r][k];
            const int extra = spare / int(rows[r].size() - k);
            spare -= extra;
            rects[i] = QRect(x, r * rowHeight(), widths[i] + extra, rowHeight());
            x = rects[i].right() + 1;
        }
    }
    return rects;
}

QRect RowTabBar::rowRect(int index) const {
    const QList<QRect> rects = layoutRows(width());
    return index >= 0 && index < rects.size() ? rects[index] : QRect();
}

QString RowTabBar::shownText(int index) const {
    return fontMetrics().elidedText(tabText(index), Qt::ElideRight, captionRect(rowRect(index)).width());
}

QSize RowTabBar::sizeHint() const {
    int bottom = rowHeight();
    for (const QRect& r : layoutRows(rowWidth()))
        if (!r.isEmpty()) bottom = qMax(bottom, r.bottom() + 1);
    return {rowWidth(), bottom};
}

int RowTabBar::indexAt(const QPoint& position) const {
    const QList<QRect> rects = layoutRows(width());
    for (int i = 0; i < rects.size(); ++i)
        if (rects[i].contains(position) && isTabEnabled(i)) return i;
    return -1;
}

bool RowTabBar::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const int i = indexAt(help->pos());
        QString tip = i < 0 ? QString() : tabToolTip(i);
        if (i >= 0 && tip.isEmpty() && shownText(i) != tabText(i)) tip = tabText(i);
        if (tip.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), tip, this, rowRect(i));
        return true;
    }
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        update();
        break;
    default:
        break;
    }
    return QTabBar::event(event);
}

void RowTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (const int i = indexAt(event->position().toPoint()); i >= 0) setCurrentIndex(i);
}

void RowTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const QList<QRect> rects = layoutRows(width());
    const int hovered = underMouse() ? indexAt(mapFromGlobal(QCursor::pos())) : -1;
    auto sameRow = [&](int i, int step) {
        for (int k = i + step; k >= 0 && k < count(); k += step)
            if (!rects[k].isEmpty()) return rects[k].top() == rects[i].top() ? k : -1;
        return -1;
    };
    // The selected tab last, as it overlaps its neighbours.
    QList<int> order;
    for (int i = 0; i < count(); ++i)
        if (!rects[i].isEmpty() && i != currentIndex()) order.append(i);
    if (currentIndex() >= 0 && !rects[currentIndex()].isEmpty()) order.append(currentIndex());

    for (int i : order) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.rect = rects[i];
        option.text.clear();
        const int previous = sameRow(i, -1), next = sameRow(i, 1);
        option.position = previous < 0 && next < 0 ? QStyleOptionTab::OnlyOneTab
                          : previous < 0           ? QStyleOptionTab::Beginning
                          : next < 0               ? QStyleOptionTab::End
                                                   : QStyleOptionTab::Middle;
        option.selectedPosition = previous >= 0 && previous == currentIndex() ? QStyleOptionTab::PreviousIsSelected
                                  : next >= 0 && next == currentIndex()     ? QStyleOptionTab::NextIsSelected
                                                                            : QStyleOptionTab::NotAdjacent;
        option.state.setFlag(QStyle::State_MouseOver, i == hovered);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        painter.drawItemText(captionRect(rects[i]), Qt::AlignCenter, palette(), isTabEnabled(i),
                             shownText(i), QPalette::WindowText);
        if (i == currentIndex() && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rects[i].adjusted(3, 3, -3, -3);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}

RowTabs::RowTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new RowTabBar); }
