#pragma once
// The "配置" page (TabSheet18): processor, memory, display adapter, drives, system. Each
// entry to the page reads the machine afresh; the memory rows follow the status tick.

#include "core/ports.h"
#include "ui/page.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;

class SysInfoPage : public Page {
    Q_OBJECT
public:
    SysInfoPage(Platform& platform, QWidget* parent);
    // Runs SystemInfoRefresh; a failure shows the error box and leaves the rest as it was.
    void entered() override;
    // The memory rows, refreshed by the window's status tick.
    void showMemory(const MemoryStatus& status);

private:
    void SystemInfoRefresh();

    Platform& platform_;
    QLabel* label21_;
    QLabel* label28_;
    QLineEdit* edit17_;
    QLineEdit* edit18_;
    QLabel* physicalSize_;
    QLabel* virtualSize_;
    QLabel* physicalUsed_;
    QLabel* virtualUsed_;
    QProgressBar* physicalBar_;
    QProgressBar* virtualBar_;
    QLabel* label36_;
    QLabel* label27_;
    QLabel* label37_;
    QLineEdit* edit19_;
    QLineEdit* edit20_;
    QListWidget* listBox1_;
};
