#pragma once
// The "配置" page (TabSheet18): processor, memory, display adapter, drives, system.

#include "core/ports.h"
#include "ui/page.h"

class QLabel;
class QProgressBar;

class SysInfoPage : public Page {
    Q_OBJECT
public:
    SysInfoPage(Platform& platform, QWidget* parent);
    void entered() override {}
    // The memory rows, refreshed by the window's status tick.
    void showMemory(const MemoryStatus& status);

private:
    Platform& platform_;
    QLabel* physicalSize_;
    QLabel* virtualSize_;
    QLabel* physicalUsed_;
    QLabel* virtualUsed_;
    QProgressBar* physicalBar_;
    QProgressBar* virtualBar_;
};
