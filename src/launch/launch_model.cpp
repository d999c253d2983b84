#include "launch/launch_model.h"

using namespace Qt::Literals::StringLiterals;

QString LaunchGroup::defaultTitle() const {
    return kind == GroupKind::Program ? QString::number(number) : u"web"_s + QString::number(number);
}

LaunchModel::LaunchModel() {
    for (int i = 0; i < 5; ++i) programs_[i].number = i + 1;
    for (int i = 0; i < 3; ++i) {
        webs_[i].kind = GroupKind::Web;
        webs_[i].number = i + 1;
    }
}

LaunchGroup& LaunchModel::group(GroupKind kind, int number) {
    return kind == GroupKind::Program ? programs_.at(number - 1) : webs_.at(number - 1);
}

const LaunchGroup& LaunchModel::group(GroupKind kind, int number) const {
    return kind == GroupKind::Program ? programs_.at(number - 1) : webs_.at(number - 1);
}

int LaunchModel::ShownCount(GroupKind kind) const {
    int count = 0;
    for (int g = 1; g <= groupCount(kind); ++g) count += group(kind, g).show == 1;
    return count;
}

std::optional<int> LaunchModel::FirstFreeGroup(GroupKind kind) const {
    for (int g = 1; g <= groupCount(kind); ++g)
        if (group(kind, g).show == 0) return g;
    return std::nullopt;
}

std::optional<int> LaunchModel::GroupAtTab(GroupKind kind, int position) const {
    if (position < 0) return std::nullopt;
    for (int g = 1; g <= groupCount(kind); ++g)
        if (group(kind, g).show == 1 && position-- == 0) return g;
    return std::nullopt;
}

void LaunchModel::ClearSlot(LaunchSlot& slot) {
    slot.now = 0;
    slot.name.clear();
    slot.path.clear();
}

void LaunchModel::ClearGroup(GroupKind kind, int number) {
    LaunchGroup& g = group(kind, number);
    for (LaunchSlot& slot : g.slots) ClearSlot(slot);
    g.show = 0;
    g.name = g.defaultTitle();
}

QString SlotKey(int group, int slot) {
    return u"t%1_%2"_s.arg(group).arg(slot);
}

std::optional<SlotRef> findSlotKey(QStringView key) {
    for (int g = 1; g <= groupCount(GroupKind::Program); ++g)
        for (int n = 1; n <= kSlotsPerGroup; ++n)
            if (key == SlotKey(g, n)) return SlotRef{g, n};
    return std::nullopt;
}

QString IconPath(const QString& appDir, int group, int slot) {
    return appDir + u"icons/%1.%2.bmp"_s.arg(group).arg(slot);
}

void applyLoadedState(LaunchModel& model, const AppSettings& settings) {
    for (GroupKind kind : {GroupKind::Program, GroupKind::Web}) {
        for (int g = 1; g <= groupCount(kind); ++g) {
            LaunchGroup& group = model.group(kind, g);
            for (int n = 0; n < kSlotsPerGroup; ++n) {
                const LaunchSlot& slot = group.slots[n];
                SlotDisplay& shown = group.display[n];
                // Buttons start visible; a setting that is off hides them all, and an
                // empty slot hides its own. An occupied flag other than 0 and 1 keeps
                // the designed visibility.
                const bool occupied = slot.now != 0;
                shown.editVisible = kind == GroupKind::Program && settings.xianshi_bianji == 1 && occupied;
                shown.deleteVisible = settings.xianshi_shanchu == 1 && occupied;
                shown.caption = occupied ? slot.name : u"+"_s;
                shown.iconVisible = kind == GroupKind::Program && occupied;
                if (kind == GroupKind::Program && occupied)
                    shown.captionColor = ColorText::toColor(slot.color).value_or(shown.captionColor);
            }
        }
    }
}
