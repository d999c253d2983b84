// The window's rules apart from widgets: where edge auto-hide puts the window for a given
// cursor and screen, and what the display toggles do to a loaded model's buttons.

#include "app/window_rules.h"
#include "store/data_file.h"
#include "support/fixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(AutoHide, LeavingHidesOnlyWhenTheCursorIsOutside) {
    const QRect window(101, 90, 224, 513);   // right edge at x 325, bottom edge at y 603
    struct Case {
        const char* what;
        QPoint cursor;
        QRect window;
        int screenTop;
        std::optional<int> top;
    } cases[] = {
        {"between two controls", {200, 300}, window, 0, std::nullopt},
        {"on the left and top edges", {101, 90}, window, 0, std::nullopt},
        {"on the last column and row", {324, 602}, window, 0, std::nullopt},
        {"on the right edge", {325, 300}, window, 0, -493},
        {"on the bottom edge", {200, 603}, window, 0, -493},
        {"far away", {900, 700}, window, 0, -493},
        {"a window 480 high", {0, 0}, QRect(101, 90, 224, 480), 0, -460},
        {"already hidden, cursor below", {200, 100}, QRect(101, -493, 224, 513), 0, -493},
        {"on a screen below another", {0, 0}, QRect(101, 900, 224, 513), 800, 307},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AutoHide::topOnLeave(c.cursor, c.window, c.screenTop), c.top);
    }
}

TEST(AutoHide, EnteringBringsDownOnlyAWindowAboveTheScreen) {
    struct Case {
        int top, screenTop;
        std::optional<int> newTop;
    } cases[] = {
        {-493, 0, 0}, {-1, 0, 0}, {0, 0, std::nullopt}, {90, 0, std::nullopt},
        {307, 800, 800}, {800, 800, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.top);
        EXPECT_EQ(AutoHide::topOnEnter(QRect(101, c.top, 224, 513), c.screenTop), c.newTop);
    }
}

// Group 1 holds programs in slots 1 and 4 and a hand-edited flag 2 in slot 6; web group 2
// holds an address in slot 3.
class SlotButtons : public testing::Test {
protected:
    SlotButtons() {
        writeFile(dir.filePath(u"data.ini"_s),
                  "[set]\r\nxianshi_bianji=0\r\nxianshi_shanchu=1\r\n"
                  "[t1]\r\nt1_now_1=1\r\nt1_name_1=a\r\nt1_now_4=1\r\nt1_name_4=b\r\nt1_now_6=2\r\n"
                  "[web2]\r\nweb2_now_3=1\r\nweb2_path_3=example.org\r\n");
        SettingsFile file(dir.filePath(u"data.ini"_s));
        AppSettings settings;
        loadData(file, settings, model);
        applyLoadedState(model, settings);
    }

    // The slots of one kind whose button of this sort shows, as "group.slot".
    QStringList visible(GroupKind kind, SlotButton button) const {
        QStringList out;
        for (int g = 1; g <= groupCount(kind); ++g)
            for (int n = 1; n <= kSlotsPerGroup; ++n) {
                const SlotDisplay& shown = model.group(kind, g).display[n - 1];
                if (button == SlotButton::Edit ? shown.editVisible : shown.deleteVisible)
                    out << u"%1.%2"_s.arg(g).arg(n);
            }
        return out;
    }

    QTemporaryDir dir;
    LaunchModel model;
};

TEST_F(SlotButtons, EditButtonsComeBackForOccupiedProgramSlotsOnly) {
    EXPECT_TRUE(visible(GroupKind::Program, SlotButton::Edit).isEmpty());
    switchSlotButtons(model, SlotButton::Edit, true);
    EXPECT_EQ(visible(GroupKind::Program, SlotButton::Edit), (QStringList{u"1.1"_s, u"1.4"_s}));
    EXPECT_TRUE(visible(GroupKind::Web, SlotButton::Edit).isEmpty());
    // The delete buttons are another toggle's.
    EXPECT_EQ(visible(GroupKind::Program, SlotButton::Delete), (QStringList{u"1.1"_s, u"1.4"_s, u"1.6"_s}));
}

TEST_F(SlotButtons, DeleteButtonsAllHideAndOnlyOccupiedOnesReturn) {
    switchSlotButtons(model, SlotButton::Delete, false);
    for (GroupKind kind : {GroupKind::Program, GroupKind::Web})
        EXPECT_TRUE(visible(kind, SlotButton::Delete).isEmpty());
    switchSlotButtons(model, SlotButton::Delete, true);
    EXPECT_EQ(visible(GroupKind::Program, SlotButton::Delete), (QStringList{u"1.1"_s, u"1.4"_s}));
    EXPECT_EQ(visible(GroupKind::Web, SlotButton::Delete), QStringList{u"2.3"_s});
}

TEST_F(SlotButtons, SwitchingOnLeavesOtherSlotsAsTheyAre) {
    // An empty slot showing its button (as a slot emptied by hand could) keeps it.
    model.group(GroupKind::Program, 2).display[0].editVisible = true;
    switchSlotButtons(model, SlotButton::Edit, true);
    EXPECT_EQ(visible(GroupKind::Program, SlotButton::Edit), (QStringList{u"1.1"_s, u"1.4"_s, u"2.1"_s}));
    switchSlotButtons(model, SlotButton::Edit, false);
    EXPECT_TRUE(visible(GroupKind::Program, SlotButton::Edit).isEmpty());
}
