#pragma once
// The "配置" page (TabSheet18): processor, memory, display adapter, drives, system.

#include "app/status_tick.h"

#include <QWidget>

class QLabel;
class QProgressBar;

class SysInfoPage : public QWidget {
    Q_OBJECT
public:
    explicit SysInfoPage(QWidget* parent);
    // The memory rows, refreshed by the window's status tick.
    void showMemory(const MemoryReadout& readout);

private:
    QLabel* physicalSize_;
    QLabel* virtualSize_;
    QLabel* physicalUsed_;
    QLabel* virtualUsed_;
    QProgressBar* physicalBar_;
    QProgressBar* virtualBar_;
};
