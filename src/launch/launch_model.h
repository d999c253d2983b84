#pragma once
// The fixed grid of launch slots: five program groups and three web groups of ten slots,
// what each slot holds, and what its controls show.

#include "core/app_settings.h"
#include "core/color_text.h"

#include <QString>
#include <array>
#include <optional>

enum class GroupKind { Program, Web };

inline constexpr int kSlotsPerGroup = 10;
inline constexpr int groupCount(GroupKind kind) { return kind == GroupKind::Program ? 5 : 3; }

struct LaunchSlot {
    qint32 now = 0;     // 1 occupied, 0 empty
    QString name;
    QString path;       // program: the chosen file; web: the address as typed
    QString color;      // program slots: the caption colour as colour text
};

// What a slot's controls show. For program slots the caption and its colour are the live
// display name and colour; the save takes them back into the slot.
struct SlotDisplay {
    QString caption = QStringLiteral("+");
    ColorValue captionColor = ColorText::clWindowText;
    bool iconVisible = false;
    bool editVisible = true;    // program slots only
    bool deleteVisible = true;
};

struct LaunchGroup {
    GroupKind kind = GroupKind::Program;
    int number = 1;             // 1..5 program, 1..3 web
    qint32 show = 0;            // 1 in use, its tab visible; 0 free
    QString name = QStringLiteral("0");
    std::array<LaunchSlot, kSlotsPerGroup> slots{};
    std::array<SlotDisplay, kSlotsPerGroup> display{};

    // "1".."5" for program groups, "web1".."web3" for web groups.
    QString defaultTitle() const;
    // The tab's caption: the title while the group is shown, its default title otherwise.
    QString tabCaption() const { return show == 1 ? name : defaultTitle(); }
};

class LaunchModel {
public:
    LaunchModel();

    LaunchGroup& group(GroupKind kind, int number);
    const LaunchGroup& group(GroupKind kind, int number) const;

    int ShownCount(GroupKind kind) const;
    std::optional<int> FirstFreeGroup(GroupKind kind) const;
    std::optional<int> GroupAtTab(GroupKind kind, int position) const;

    static void ClearSlot(LaunchSlot& slot);
    void ClearGroup(GroupKind kind, int number);

private:
    std::array<LaunchGroup, 5> programs_;
    std::array<LaunchGroup, 3> webs_;
};

struct SlotRef {
    int group = 0;
    int slot = 0;
    bool operator==(const SlotRef&) const = default;
};

// "t<group>_<slot>", the name of one program slot.
QString SlotKey(int group, int slot);
// The program slot a key names, comparing whole, case-sensitive texts.
std::optional<SlotRef> findSlotKey(QStringView key);

// The executable's folder, "icons/", then "<group>.<slot>.bmp".
QString IconPath(const QString& appDir, int group, int slot);

// The display of every slot after loading: captions and colours of occupied slots, "+"
// for empty ones, and the edit and delete buttons as the settings allow.
void applyLoadedState(LaunchModel& model, const AppSettings& settings);
