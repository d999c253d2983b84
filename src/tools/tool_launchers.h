#pragma once
// The four small tools that ship in the tools folder beside the executable.

#include "core/ports.h"

enum class Tool { Notepad, CleanUp, Calendar, ScreenLock };

// The tool's program: the executable's folder followed by the tool's place in it.
QString toolPath(const QString& appDir, Tool tool);

// Hands the tool to the shell, owned by `owner`: the clean-up opens in a normal window,
// the other tools as they show themselves.
void launchTool(Platform& platform, QWidget* owner, Tool tool);
