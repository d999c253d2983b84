#include "app/window_rules.h"

namespace AutoHide {

std::optional<int> topOnLeave(QPoint cursor, const QRect& window, int screenTop) {
    if (window.contains(cursor)) return std::nullopt;
    return hiddenTop(window.height(), screenTop);
}

std::optional<int> topOnEnter(const QRect& window, int screenTop) {
    if (window.top() >= screenTop) return std::nullopt;
    return screenTop;
}

} // namespace AutoHide

void switchSlotButtons(LaunchModel& model, SlotButton button, bool on) {
    for (GroupKind kind : {GroupKind::Program, GroupKind::Web}) {
        if (button == SlotButton::Edit && kind != GroupKind::Program) continue;
        for (int g = 1; g <= groupCount(kind); ++g) {
            LaunchGroup& group = model.group(kind, g);
            for (int n = 0; n < kSlotsPerGroup; ++n) {
                bool& visible = button == SlotButton::Edit ? group.display[n].editVisible
                                                           : group.display[n].deleteVisible;
                if (!on)
                    visible = false;
                else if (group.slots[n].now == 1)
                    visible = true;
            }
        }
    }
}
