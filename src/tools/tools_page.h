#pragma once
// The "辅助" page (TabSheet8): timed shutdown, alarm, tools and system programs.

#include "core/ports.h"
#include "ui/page.h"

class ToolsPage : public Page {
    Q_OBJECT
public:
    ToolsPage(Platform& platform, QWidget* parent);
    void entered() override {}
};
