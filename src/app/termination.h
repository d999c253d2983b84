#pragma once

class QWidget;

// Closes the window, which saves, when the process is asked to terminate (SIGTERM, as
// a system shutdown sends it). The signal only wakes the event loop; the close runs there.
void closeOnTermination(QWidget* window);
