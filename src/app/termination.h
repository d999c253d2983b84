#pragma once
// Saves nobody asked for: the process is told to end (SIGTERM, as a system shutdown sends
// it; SIGHUP, as a closing terminal does) or the desktop session ends. Nobody would answer
// a box then, so none is shown.

#include <QString>

class MainWindow;

// Saves data.ini. Where it refuses the save, writes the same content to a rescue file
// beside it or, where that folder refuses too, in `stateDir`, and says on standard error
// what happened and where the data went. Returns the exit status: 0 when data.ini took
// the save (or had nothing to take), 1 otherwise.
int saveUnattended(MainWindow& window, const QString& stateDir);

// On SIGTERM or SIGHUP: saves unattended and ends the program with that status. When the
// desktop session ends: saves unattended, and ends the program only when data.ini refused.
// The signals only wake the event loop; the save runs there.
void saveOnTermination(MainWindow& window, const QString& stateDir);
