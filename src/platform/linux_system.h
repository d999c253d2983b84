#pragma once
// The ports that need no widgets: the executable's folder and the backup, the clock, memory.

#include "core/ports.h"

// The backup lies in the user's home folder: a Linux system has no drive C.
class ApplicationPaths : public Paths {
public:
    QString appDir() const override;
    // $XDG_STATE_HOME/vantrel/, by default ~/.local/state/vantrel/.
    QString stateDir() const override;
    QString backupFile() const override;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// /proc/meminfo: physical memory, and the commit limit as the virtual memory.
class ProcMemory : public Memory {
public:
    MemoryStatus status() override;
    void trimWorkingSet() override;
};
