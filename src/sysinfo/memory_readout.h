#pragma once
// The memory rows of the "配置" page, from the memory status the system reports.

#include "core/ports.h"

#include <QLocale>
#include <QString>

struct MemoryReadout {
    QString physicalSize;   // "物理<MB>MB    "
    QString virtualSize;    // "虚拟<MB>MB    "
    int physicalBar = 0;    // used share, rounded half to even
    int virtualBar = 0;
    QString physicalUsed;   // used share with two decimals and "%"
    QString virtualUsed;
};
MemoryReadout memoryReadout(const MemoryStatus& status, const QLocale& locale);
