// The window around the pages on fakes: edge auto-hide driven by enter, leave and move
// with the cursor placed on the offscreen screen, the display toggles, the slider, the
// caption strip, minimising without a tray, the hand-over of a second start, and backup
// and restore from the toolbar and the menu.

#include "support/window_fixture.h"

#include <QCursor>
#include <climits>
#include <QEnterEvent>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

void settle() { QCoreApplication::processEvents(); }

} // namespace

class WindowBehaviour : public MainWindowTest {
protected:
    // Starts shown and faded in, at the designed place.
    MainWindow& startShown(const QByteArray& ini) {
        start(ini);
        window->show();
        settle();
        tick(u"kaitexiao"_s, 90);
        return *window;
    }
    void enter() {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), window->mapToGlobal(QPointF(5, 5)));
        QCoreApplication::sendEvent(window, &event);
        settle();
    }
    void leave(QPoint cursor) {
        QCursor::setPos(cursor);
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(window, &event);
        settle();
    }
    int top() const { return window->frameGeometry().top(); }
    bool stripShown() const { return find(u"FlatPanel6"_s)->isVisible(); }
    // Closes the window and returns the section "set" it saved.
    QByteArray savedSettings() {
        window->close();
        const QByteArray saved = readFile(dataPath());
        const qsizetype from = saved.indexOf("[set]\r\n");
        return saved.mid(from, saved.indexOf("\r\n[", from) + 2 - from);
    }
};

TEST_F(WindowBehaviour, AutoHideFollowsTheMouse) {
    startShown("[set]\r\ntoumingdu=200\r\nyincang=1\r\n");
    ASSERT_EQ(window->frameGeometry().topLeft(), QPoint(101, 90));
    const int left = window->geometry().left();
    constexpr int kHidden = INT_MIN;   // only the window's bottom 20 pixels on the screen
    struct Step {
        const char* what;
        std::function<void()> act;
        int top;                       // of the frame while shown
        int left;                      // of the window's own area
        bool strip;
        int opacity;
    } steps[] = {
        {"in, and between controls", [&] { leave({150, 300}); }, 90, left, false, 200},
        {"leave the window", [&] { leave({700, 700}); }, kHidden, left, true, 180},
        {"enter the strip", [&] { enter(); }, 0, left, false, 200},
        {"enter again at the top", [&] { enter(); }, 0, left, false, 200},
        {"moved with the cursor outside", [&] { window->move(300, 200); settle(); }, kHidden, left + 199, false, 200},
        {"enter again", [&] { enter(); }, 0, left + 199, false, 200},
        {"leave again", [&] { leave({700, 700}); }, kHidden, left + 199, true, 180},
        {"put elsewhere by the window system", [&] { window->move(50, 90); settle(); }, kHidden, left + 199, true, 180},
        {"switched off while hidden", [&] { find<QAction>(u"N6"_s)->trigger(); }, kHidden, left + 199, true, 180},
        {"entering no longer brings it down", [&] { enter(); }, kHidden, left + 199, true, 180},
        {"switched on again", [&] { find<QAction>(u"N6"_s)->trigger(); }, kHidden, left + 199, true, 180},
        {"entering brings it down", [&] { enter(); }, 0, left + 199, false, 200},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        if (step.top == kHidden)
            EXPECT_EQ(window->geometry().bottom() + 1, 20);
        else
            EXPECT_EQ(top(), step.top);
        EXPECT_EQ(window->geometry().left(), step.left);
        EXPECT_EQ(stripShown(), step.strip);
        EXPECT_EQ(opacity(), step.opacity);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(savedSettings().contains("yincang=1\r\n"));
}

TEST_F(WindowBehaviour, PlacingWhileFadingInIsNoMoveOfTheUser) {
    start("[set]\r\nyincang=1\r\n");
    window->show();
    settle();
    QCursor::setPos(700, 700);
    window->move(150, 120);
    settle();
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(150, 120));
    tick(u"kaitexiao"_s, 90);
    window->move(160, 120);
    settle();
    EXPECT_EQ(window->geometry().bottom() + 1, 20);
}

TEST_F(WindowBehaviour, WithoutAutoHideTheWindowStaysPut) {
    startShown("[set]\r\ntoumingdu=150\r\n");
    leave({700, 700});
    window->move(120, 100);
    settle();
    enter();
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(120, 100));
    EXPECT_FALSE(stripShown());
    EXPECT_EQ(opacity(), 150);
    // Switching it on does nothing by itself; the next leave hides.
    find<QAction>(u"N6"_s)->trigger();
    EXPECT_EQ(top(), 100);
    leave({700, 700});
    EXPECT_EQ(window->geometry().bottom() + 1, 20);
    EXPECT_TRUE(savedSettings().contains("yincang=1\r\n"));
}

TEST_F(WindowBehaviour, DisplayTogglesSwitchButtonsAndToolbar) {
    start("[main]\r\nshow_1=1\r\nweb_show_1=1\r\n"
          "[t1]\r\nt1_now_1=1\r\nt1_name_1=a\r\nt1_now_4=1\r\nt1_name_4=b\r\n"
          "[web]\r\nweb_now_2=1\r\nweb_path_2=example.org\r\n");
    const auto shownOf = [&](int from, int to) {
        QList<int> out;
        for (int n = from; n <= to; ++n)
            if (shown(u"SpeedButton%1"_s.arg(n))) out << n;
        return out;
    };
    find<QAction>(u"N8"_s)->trigger();
    EXPECT_FALSE(checked(u"N8"_s));
    EXPECT_TRUE(shownOf(1, 10).isEmpty());
    find<QAction>(u"N8"_s)->trigger();
    EXPECT_EQ(shownOf(1, 10), (QList<int>{1, 4}));

    find<QAction>(u"N10"_s)->trigger();
    EXPECT_TRUE(shownOf(11, 20).isEmpty());
    EXPECT_TRUE(shownOf(113, 122).isEmpty());
    find<QAction>(u"N10"_s)->trigger();
    EXPECT_EQ(shownOf(11, 20), (QList<int>{11, 14}));
    EXPECT_EQ(shownOf(113, 122), QList<int>{114});

    find<QAction>(u"N7"_s)->trigger();
    EXPECT_EQ(window->height(), 472);
    EXPECT_FALSE(shown(u"FlatPanel1"_s));
    EXPECT_EQ(find(u"FlatPanel6"_s)->geometry(), QRect(0, 453, 224, 19));
    find<QAction>(u"N8"_s)->trigger();
    EXPECT_EQ(savedSettings(), "[set]\r\ntoumingdu=255\r\nyincang=0\r\nxianshi_gongjulan=0\r\n"
                               "xianshi_bianji=0\r\nxianshi_shanchu=1\r\nskin=1\r\n");
}

TEST_F(WindowBehaviour, SliderKeepsTheOpacityBetween80And255) {
    const struct {
        int asked, position;
    } cases[] = {{30, 80}, {81, 81}, {254, 254}, {300, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        start("[set]\r\ntoumingdu=200\r\n");
        find<QScrollBar>(u"ScrollBar1"_s)->setValue(c.asked);
        EXPECT_EQ(opacity(), c.position);
        EXPECT_TRUE(savedSettings().startsWith("[set]\r\ntoumingdu=" + QByteArray::number(c.position)));
    }
}

TEST_F(WindowBehaviour, CaptionStripIsWholeAndOpaqueOverTheStatusBar) {
    for (const QByteArray toolbar : {"1", "0"}) {
        SCOPED_TRACE(toolbar.toStdString());
        startShown("[set]\r\nyincang=1\r\nxianshi_gongjulan=" + toolbar + "\r\n");
        QWidget* strip = find(u"FlatPanel6"_s);
        EXPECT_TRUE(window->rect().contains(strip->geometry()));
        EXPECT_EQ(strip->geometry().bottom(), window->height() - 1);
        // The status bar's welcome text lies under the strip's empty left end: none of it
        // may show through.
        const QImage left = window->grab(QRect(strip->x(), strip->y(), 30, strip->height())).toImage();
        const QColor background = left.pixelColor(0, left.height() / 2);
        for (int x = 0; x < left.width(); ++x)
            for (int y = 2; y < left.height(); ++y)
                ASSERT_EQ(left.pixelColor(x, y), background) << x << "," << y;
    }
}

TEST_F(WindowBehaviour, MinimisingWithoutATrayKeepsTheWindowReachable) {
    startShown({});
    window->setWindowState(Qt::WindowMinimized);
    settle();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowBehaviour, ASecondStartBringsTheWindowBack) {
    startShown("[set]\r\ntoumingdu=170\r\nyincang=1\r\n");
    leave({700, 700});
    ASSERT_LT(top(), 0);
    window->hide();  // and to the tray
    window->bringBack();
    settle();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(top(), 0);
    EXPECT_FALSE(stripShown());
    EXPECT_EQ(opacity(), 170);
}

// Backup and restore as the user reaches them, through the windows as the program wires them.
class BackupFromTheWindow : public MainWindowTest {
protected:
    void use(const QString& trigger) {
        if (auto* item = window->findChild<QAction*>(trigger))
            item->trigger();
        else
            click(trigger);
    }
};

TEST_F(BackupFromTheWindow, ToolbarAndMenuBackUp) {
    for (const QString& trigger : {u"SpeedButton123"_s, u"N4"_s}) {
        SCOPED_TRACE(trigger.toStdString());
        QFile::remove(fake.paths.backupFile());
        start("[set]\r\nskin=2\r\n");
        fake.dialogs.yesNoAnswers = {true};
        use(trigger);
        EXPECT_EQ(readFile(fake.paths.backupFile()), "[set]\r\nskin=2\r\n");
    }
}

TEST_F(BackupFromTheWindow, AfterARestoreTheCloseWritesNothing) {
    for (const QString& trigger : {u"SpeedButton124"_s, u"N5"_s}) {
        SCOPED_TRACE(trigger.toStdString());
        writeFile(fake.paths.backupFile(), "[set]\r\ntoumingdu=90\r\n");
        start("[set]\r\ntoumingdu=100\r\n");
        fake.dialogs.yesNoAnswers = {true};
        use(trigger);
        find<QScrollBar>(u"ScrollBar1"_s)->setValue(140);
        EXPECT_TRUE(window->close());
        EXPECT_EQ(readFile(dataPath()), "[set]\r\ntoumingdu=90\r\n");
    }
}

TEST_F(BackupFromTheWindow, ARestoreAnsweredNoOrFailedLetsTheCloseSave) {
    const struct {
        const char* what;
        bool backupExists, yes;
    } cases[] = {{"answered No", true, false}, {"no backup", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(fake.paths.backupFile());
        if (c.backupExists) writeFile(fake.paths.backupFile(), "[set]\r\ntoumingdu=90\r\n");
        start("[set]\r\ntoumingdu=100\r\n");
        fake.dialogs.yesNoAnswers = {c.yes};
        use(u"N5"_s);
        find<QScrollBar>(u"ScrollBar1"_s)->setValue(140);
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(readFile(dataPath()).startsWith("[set]\r\ntoumingdu=140\r\n"));
    }
}
