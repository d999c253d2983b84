#pragma once
// Timed power-off and restart through logind on the system bus: a request is scheduled
// with the system, so it stays pending when the program ends, and it can be called off.

#include "core/ports.h"

class LogindShutdown : public ShutdownProgram {
public:
    // `clock` gives the moment the seconds of a request count from.
    explicit LogindShutdown(const Clock& clock) : clock_(clock) {}
    void schedule(PowerAction action, qint64 seconds) override;
    void cancel() override;

private:
    const Clock& clock_;
};
