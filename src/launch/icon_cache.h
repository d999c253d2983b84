#pragma once
// The captured icons of the program slots, one BMP file per slot position.

#include "core/ports.h"
#include "launch/launch_model.h"

#include <QList>

// Draws the target's large icon at the top-left corner of a white bitmap of the icon's
// own size and writes it as a BMP file to bmpPath, replacing any file there. When the
// desktop has no icon for the target the bitmap is a blank white 32 x 32. False when the
// file cannot be written.
bool captureIcon(IconSource& icons, const QString& target, const QString& bmpPath);

// Captures the icon of every occupied program slot into its file under appDir, as the
// start-up does. Returns the slots whose file was written; an icon that cannot be written
// leaves that slot's picture empty.
QList<SlotRef> captureProgramIcons(IconSource& icons, const LaunchModel& model, const QString& appDir);
