#pragma once
// Tabs down the left side of a page control with their captions written across, in cells
// of a fixed size.

#include <QProxyStyle>
#include <QStyleOptionTab>

class SideTabStyle : public QProxyStyle {
public:
    SideTabStyle(QSize cell, QObject* parent) : cell_(cell) { setParent(parent); }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_TabBarTab) return cell_;
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
            tab && element == CE_TabBarTabLabel) {
            QStyleOptionTab across(*tab);
            across.shape = QTabBar::RoundedNorth;
            QProxyStyle::drawControl(element, &across, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    QSize cell_;
};
