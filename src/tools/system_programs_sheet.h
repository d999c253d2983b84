#pragma once
// The sub-page "系统辅助" (TabSheet20): 28 buttons, each starting the desktop's program for
// one job. What is installed is looked up when the sheet first shows; a button with
// nothing installed for it stays disabled and names what would serve.

#include "core/ports.h"
#include "tools/system_programs.h"

#include <QWidget>

class QToolButton;

class SystemProgramsSheet : public QWidget {
public:
    // `searchPath`: the folders programs are looked up in.
    SystemProgramsSheet(Shell& shell, QStringList searchPath, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void findPrograms();
    void systemProgramClick(int index);

    Shell& shell_;
    QStringList searchPath_;
    bool found_ = false;
    SystemProgramCommands commands_;
    std::array<QToolButton*, kSystemProgramCount> buttons_{};
};
