#pragma once
// The group box "辅助Tools" (FlatGroupBox7): one button for each tool shipped beside the
// executable, two in a row.

#include "core/ports.h"

#include <QGroupBox>

class ToolsBox : public QGroupBox {
public:
    ToolsBox(Platform& platform, QWidget* parent);
};
