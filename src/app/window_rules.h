#pragma once
// The window's behaviour as plain rules: where edge auto-hide puts the window, and what
// the display toggles do to the slots' edit and delete buttons.

#include "launch/launch_model.h"

#include <QPoint>
#include <QRect>
#include <optional>

namespace AutoHide {

// While hidden, this many pixels of the window's bottom stay on the screen...
inline constexpr int kVisibleStrip = 20;
// ...and the window shows at this opacity.
inline constexpr int kHiddenOpacity = 180;

// The top that leaves only the bottom strip of a window this high on a screen whose top
// edge is `screenTop`.
constexpr int hiddenTop(int windowHeight, int screenTop = 0) {
    return screenTop + kVisibleStrip - windowHeight;
}

// The mouse has left the window, or the window has moved: the new top, or nothing while the
// cursor still lies inside the window's screen rectangle (left and top edges inside, right
// and bottom edges outside), which means it only passed between the window's controls.
std::optional<int> topOnLeave(QPoint cursor, const QRect& window, int screenTop);

// The mouse has entered the window: a window above the screen's top edge comes down to it;
// one lower on the screen stays where it is.
std::optional<int> topOnEnter(const QRect& window, int screenTop);

} // namespace AutoHide

enum class SlotButton { Edit, Delete };

// The toggles "编辑按钮" (program slots) and "删除按钮" (program and web slots). Switched
// on, the buttons of slots whose occupied flag is exactly 1 show and the others stay as
// they are; switched off, every one of them hides, occupied or not.
void switchSlotButtons(LaunchModel& model, SlotButton button, bool on);
