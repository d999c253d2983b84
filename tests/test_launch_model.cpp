// The group and slot model: its operations and the state the slots show after loading.

#include "launch/launch_model.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

LaunchModel withShown(GroupKind kind, std::initializer_list<std::pair<int, qint32>> shows) {
    LaunchModel model;
    for (auto [group, show] : shows) model.group(kind, group).show = show;
    return model;
}

} // namespace

TEST(LaunchModel, GroupsStartFreeWithTitleZero) {
    LaunchModel model;
    for (GroupKind kind : {GroupKind::Program, GroupKind::Web}) {
        EXPECT_EQ(model.ShownCount(kind), 0);
        EXPECT_EQ(model.FirstFreeGroup(kind), 1);
        EXPECT_EQ(model.GroupAtTab(kind, 0), std::nullopt);
        EXPECT_EQ(model.group(kind, 1).name, u"0"_s);
    }
}

TEST(LaunchModel, TabPositionsCountOnlyShownGroups) {
    // Groups 1 and 3 shown, 2 free, 4 holding a value only a hand-edited file can hold.
    const LaunchModel model = withShown(GroupKind::Program, {{1, 1}, {3, 1}, {4, 2}});
    EXPECT_EQ(model.ShownCount(GroupKind::Program), 2);
    EXPECT_EQ(model.GroupAtTab(GroupKind::Program, 0), 1);
    EXPECT_EQ(model.GroupAtTab(GroupKind::Program, 1), 3);
    EXPECT_EQ(model.GroupAtTab(GroupKind::Program, 2), std::nullopt);
    EXPECT_EQ(model.GroupAtTab(GroupKind::Program, -1), std::nullopt);
    EXPECT_EQ(model.FirstFreeGroup(GroupKind::Program), 2);
}

TEST(LaunchModel, FreeGroupSkipsNeitherShownNorFree) {
    const LaunchModel model = withShown(GroupKind::Web, {{1, 1}, {2, 2}});
    EXPECT_EQ(model.FirstFreeGroup(GroupKind::Web), 3);
    const LaunchModel full = withShown(GroupKind::Web, {{1, 1}, {2, 1}, {3, 1}});
    EXPECT_EQ(full.FirstFreeGroup(GroupKind::Web), std::nullopt);
    EXPECT_EQ(full.ShownCount(GroupKind::Web), 3);
}

TEST(LaunchModel, ClearGroupEmptiesSlotsKeepsColoursAndRestoresTitle) {
    LaunchModel model;
    for (auto [kind, number, title] : {std::tuple{GroupKind::Program, 3, u"3"_s},
                                       std::tuple{GroupKind::Web, 2, u"web2"_s}}) {
        LaunchGroup& group = model.group(kind, number);
        group.show = 1;
        group.name = u"工作"_s;
        group.slots[4] = {1, u"记事本"_s, u"/usr/bin/gedit"_s, u"clRed"_s};
        model.ClearGroup(kind, number);
        EXPECT_EQ(group.show, 0);
        EXPECT_EQ(group.name, title);
        EXPECT_EQ(group.tabCaption(), title);
        EXPECT_EQ(group.slots[4].now, 0);
        EXPECT_TRUE(group.slots[4].name.isEmpty());
        EXPECT_TRUE(group.slots[4].path.isEmpty());
        EXPECT_EQ(group.slots[4].color, u"clRed"_s);
    }
}

TEST(LaunchModel, SlotKeysAndIconPaths) {
    EXPECT_EQ(SlotKey(1, 1), u"t1_1"_s);
    EXPECT_EQ(SlotKey(2, 10), u"t2_10"_s);
    EXPECT_EQ(findSlotKey(u"t5_10"), (SlotRef{5, 10}));
    EXPECT_EQ(findSlotKey(u"t1_10"), (SlotRef{1, 10}));
    for (const QString& other : {u"T1_1"_s, u"t1_01"_s, u"t6_1"_s, u"t1_11"_s, QString(), u"t1_1 "_s}) {
        SCOPED_TRACE(other.toStdString());
        EXPECT_EQ(findSlotKey(other), std::nullopt);
    }
    EXPECT_EQ(IconPath(u"/opt/vantrel/"_s, 2, 10), u"/opt/vantrel/icons/2.10.bmp"_s);
}

TEST(LaunchModel, LoadedStateFollowsOccupiedFlagAndSettings) {
    struct Case {
        qint32 now, bianji, shanchu;
        bool caption, edit, remove;
    } cases[] = {
        {1, 1, 1, true, true, true},     {1, 0, 1, true, false, true},
        {1, 1, 0, true, true, false},    {0, 1, 1, false, false, false},
        {2, 1, 1, true, true, true},     {2, 0, 0, true, false, false},
        {-1, 1, 0, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "now=" << c.now << " bianji=" << c.bianji
                                        << " shanchu=" << c.shanchu);
        LaunchModel model;
        AppSettings settings;
        settings.xianshi_bianji = c.bianji;
        settings.xianshi_shanchu = c.shanchu;
        model.group(GroupKind::Program, 2).slots[3] = {c.now, u"计算器"_s, u"/bin/calc"_s, u"clRed"_s};
        model.group(GroupKind::Web, 3).slots[9] = {c.now, u"百度"_s, u"www.baidu.com"_s, {}};
        applyLoadedState(model, settings);

        const SlotDisplay& program = model.group(GroupKind::Program, 2).display[3];
        EXPECT_EQ(program.caption, c.caption ? u"计算器"_s : u"+"_s);
        EXPECT_EQ(program.captionColor, c.caption ? 0x0000FFu : ColorText::clWindowText);
        EXPECT_EQ(program.iconVisible, c.caption);
        EXPECT_EQ(program.editVisible, c.edit);
        EXPECT_EQ(program.deleteVisible, c.remove);

        const SlotDisplay& web = model.group(GroupKind::Web, 3).display[9];
        EXPECT_EQ(web.caption, c.caption ? u"百度"_s : u"+"_s);
        EXPECT_EQ(web.deleteVisible, c.remove);
        EXPECT_FALSE(web.iconVisible);
    }
}

TEST(LaunchModel, UnreadableColourKeepsTheWindowTextColour) {
    LaunchModel model;
    model.group(GroupKind::Program, 1).slots[0] = {1, u"a"_s, u"/a"_s, u"no colour"_s};
    model.group(GroupKind::Program, 1).slots[1] = {1, u"b"_s, u"/b"_s, QString()};
    model.group(GroupKind::Program, 1).slots[2] = {1, u"c"_s, u"/c"_s, u"clblack"_s};
    applyLoadedState(model, AppSettings{});
    const auto& display = model.group(GroupKind::Program, 1).display;
    EXPECT_EQ(display[0].captionColor, ColorText::clWindowText);
    EXPECT_EQ(display[1].captionColor, ColorText::clWindowText);
    EXPECT_EQ(display[2].captionColor, ColorText::clBlack);
    EXPECT_EQ(display[2].caption, u"c"_s);
}
