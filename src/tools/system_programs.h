#pragma once
// The 28 system programs of "系统辅助", and the programs of a Linux desktop that serve them.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A program that can serve a button, with its arguments; one that works in a terminal runs
// inside the desktop's terminal emulator.
struct ProgramCandidate {
    QString program;
    QStringList arguments = {};
    bool inTerminal = false;
};

struct SystemProgram {
    QString name;     // the button's designed name
    QString caption;
    QString windows;  // what the Windows shell is handed: the file, then its parameters
    QList<ProgramCandidate> candidates;  // in order of preference
};

constexpr int kSystemProgramCount = 28;

// The left column's buttons from the top, then the right column's, 14 each.
const std::array<SystemProgram, kSystemProgramCount>& systemPrograms();

// A program ready to start: its full path and its arguments.
struct ProgramCommand {
    QString program;
    QStringList arguments;
    bool operator==(const ProgramCommand&) const = default;
};

using SystemProgramCommands = std::array<std::optional<ProgramCommand>, kSystemProgramCount>;

// The folders programs are looked up in: PATH, then the system folders that a user's PATH
// often leaves out.
QStringList programSearchPath();

// For each system program the first of its candidates installed in `folders`; nothing for
// a button none of whose candidates is there.
SystemProgramCommands findSystemPrograms(const QStringList& folders);

// The command in words, for a tooltip: "gnome-calculator", "xterm -e /usr/bin/top".
QString commandText(const ProgramCommand& command);

// For a button nothing serves: the programs that would, so that the user knows what to install.
QString missingProgramsHint(const SystemProgram& entry);
