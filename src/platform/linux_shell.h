#pragma once
// The shell port on a Linux desktop. Web and mail addresses, documents, folders and missing
// targets go to xdg-open; executables and desktop entries are started directly. Every start
// is detached and exec-style (a program and its argument list, never a shell command line),
// so the user's text reaches the other program unchanged as one argument. Nothing waits for
// the started program, and the owner, the verb and the show mode change nothing here: a
// desktop has no per-launch window state to ask for, and every verb in use means "open".

#include "core/ports.h"

class LinuxShell : public Shell {
public:
    void ShellLaunch(QWidget* owner, const QString& verb, const QString& target,
                     const QString& params, ShowMode show) override;
    void startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override;
};
