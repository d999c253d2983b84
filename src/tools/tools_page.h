#pragma once
// The "辅助" page (TabSheet8): timed shutdown, alarm, tools and system programs.

#include <QWidget>

class ToolsPage : public QWidget {
    Q_OBJECT
public:
    explicit ToolsPage(QWidget* parent);
};
