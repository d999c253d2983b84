// The real main window on fakes: what start-up makes of data.ini, the fade-in and status
// tick driven through their timers, and the save when the window closes.

#include "app/termination.h"
#include "support/window_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>

TEST_F(MainWindowTest, StartsWithDefaultsWithoutDataFile) {
    MainWindow& w = start();
    EXPECT_EQ(w.objectName(), u"TForm1"_s);
    EXPECT_EQ(w.windowTitle(), u"Vantrel"_s);
    EXPECT_EQ(w.width(), 224);
    EXPECT_EQ(w.height(), 513);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(find<QTabWidget>(u"PageControl2"_s)->currentIndex(), 0);
    EXPECT_EQ(find<QScrollBar>(u"ScrollBar1"_s)->value(), 255);
    EXPECT_EQ(text(u"StatusBar1.Panels0"_s), u"欢迎使用凡特睿!"_s);

    // No group of either kind: both no-group panels stand in for the tabs.
    EXPECT_TRUE(shown(u"FlatPanel5"_s));
    EXPECT_TRUE(shown(u"FlatPanel7"_s));
    EXPECT_FALSE(shown(u"PageControl1"_s));
    EXPECT_FALSE(shown(u"PageControl4"_s));
    EXPECT_EQ(text(u"Label18"_s), u"当前没有文件/程序分组        "_s);
    EXPECT_EQ(text(u"Label32"_s), u"当前没有网页分组       "_s);
    QTextDocument shownMemo;
    shownMemo.setHtml(text(u"Memo2"_s));
    const QStringList memo = shownMemo.toPlainText().split(QRegularExpression(u"[\n\u2028\u2029]"_s));
    ASSERT_EQ(memo.size(), 17);
    EXPECT_EQ(memo[1], u"版本 v1.3"_s);
    EXPECT_EQ(memo[16], u"六大皮肤任你选择"_s);
    EXPECT_EQ(text(u"Memo1"_s), text(u"Memo2"_s));
    for (const QString& launch : {u"Button1"_s, u"Button90"_s, u"Button101"_s, u"Button51"_s, u"Button80"_s})
        EXPECT_EQ(text(launch), u"+"_s) << launch.toStdString();
    for (const QString& button : {u"SpeedButton1"_s, u"SpeedButton11"_s, u"SpeedButton100"_s,
                                  u"SpeedButton113"_s, u"SpeedButton126"_s, u"SpeedButton166"_s})
        EXPECT_FALSE(shown(button)) << button.toStdString();

    EXPECT_FALSE(checked(u"N6"_s));
    EXPECT_TRUE(checked(u"N7"_s) && checked(u"N8"_s) && checked(u"N10"_s));
    EXPECT_TRUE(checked(u"N_1"_s));
    EXPECT_TRUE(find<QToolButton>(u"FlatSpeedButton107"_s)->isChecked());
    EXPECT_FALSE(shown(u"FlatPanel6"_s));
    EXPECT_TRUE(fake.icons.requested.isEmpty());
}

TEST_F(MainWindowTest, PutsGroupsSlotsColoursAndIconsOnTheWindow) {
    start("[set]\r\nxianshi_bianji=0\r\n"
          "[main]\r\nshow_2=1\r\nname_2=工作\r\nweb_show_3=1\r\nweb_name3=站点\r\n"
          "[t1]\r\nt1_now_1=1\r\nt1_name_1=隐藏组\r\nt1_path_1=/opt/a\r\nt1_color_1=clRed\r\n"
          "[t2]\r\nt2_now_4=1\r\nt2_name_4=计算器\r\nt2_path_4=/usr/bin/calc\r\nt2_color_4=clblack\r\n"
          "t2_name_5=stale\r\nt2_path_5=/stale\r\n"
          "[web3]\r\nweb3_now_10=1\r\nweb3_name_10=\r\nweb3_path_10=www.example.com\r\n");

    auto* programs = find<QTabWidget>(u"PageControl1"_s);
    EXPECT_TRUE(shown(u"PageControl1"_s));
    EXPECT_FALSE(shown(u"FlatPanel5"_s));
    for (int g = 0; g < 5; ++g) EXPECT_EQ(programs->isTabVisible(g), g == 1) << g;
    EXPECT_EQ(programs->tabText(1), u"工作"_s);
    EXPECT_EQ(programs->widget(1)->objectName(), u"TabSheet2"_s);
    EXPECT_EQ(programs->tabText(0), u"1"_s);
    auto* webs = find<QTabWidget>(u"PageControl4"_s);
    EXPECT_FALSE(shown(u"FlatPanel7"_s));
    EXPECT_TRUE(webs->isTabVisible(2) && !webs->isTabVisible(0) && !webs->isTabVisible(1));
    EXPECT_EQ(webs->tabText(2), u"站点"_s);
    EXPECT_EQ(webs->tabText(0), u"web1"_s);

    // Slot 2.4: its name in black, its delete button but no edit button (setting off).
    EXPECT_EQ(text(u"Button24"_s), u"计算器"_s);
    EXPECT_EQ(captionColour(u"Button24"_s), QColor(Qt::black));
    EXPECT_TRUE(shown(u"SpeedButton34"_s));
    EXPECT_FALSE(shown(u"SpeedButton24"_s));
    EXPECT_TRUE(shown(u"Image14"_s));
    // An empty slot shows "+" whatever the file still holds for it.
    EXPECT_EQ(text(u"Button25"_s), u"+"_s);
    EXPECT_FALSE(shown(u"Image15"_s));
    // A slot of a hidden group is loaded too, icon and all.
    EXPECT_EQ(text(u"Button1"_s), u"隐藏组"_s);
    EXPECT_EQ(captionColour(u"Button1"_s), QColor(Qt::red));
    // An occupied web slot with an empty name.
    EXPECT_EQ(text(u"Button80"_s), QString());
    EXPECT_TRUE(shown(u"SpeedButton166"_s));

    EXPECT_EQ(fake.icons.requested, (QStringList{u"/opt/a"_s, u"/usr/bin/calc"_s}));
    for (const QString& name : {u"1.1.bmp"_s, u"2.4.bmp"_s}) {
        SCOPED_TRACE(name.toStdString());
        QImage icon;
        ASSERT_TRUE(icon.load(iconPath(name), "BMP"));
        EXPECT_EQ(icon.size(), QSize(32, 32));
        EXPECT_EQ(icon.pixelColor(0, 0), QColor(Qt::white));   // the icon's transparent corner
        EXPECT_EQ(icon.pixelColor(20, 20), QColor(Qt::red));
    }
    EXPECT_FALSE(QFile::exists(iconPath(u"2.5.bmp"_s)));
    EXPECT_FALSE(find<QLabel>(u"Image14"_s)->pixmap().isNull());
}

TEST_F(MainWindowTest, MissingIconsFolderOrIconStillLoadsEverySlot) {
    QDir(fake.paths.appDir() + u"icons"_s).removeRecursively();
    fake.icons.none = true;
    start("[t1]\r\nt1_now_1=1\r\nt1_name_1=a\r\nt1_now_2=1\r\nt1_name_2=b\r\n");
    EXPECT_EQ(text(u"Button1"_s), u"a"_s);
    EXPECT_EQ(text(u"Button2"_s), u"b"_s);
    EXPECT_TRUE(find<QLabel>(u"Image1"_s)->pixmap().isNull());
    EXPECT_TRUE(fake.dialogs.calls.isEmpty());
}

TEST_F(MainWindowTest, ToolbarAutoHideAndSkinSettings) {
    start("[set]\r\nxianshi_gongjulan=0\r\nyincang=1\r\nskin=7\r\n");
    EXPECT_EQ(window->height(), 472);
    EXPECT_FALSE(shown(u"FlatPanel1"_s));
    EXPECT_FALSE(checked(u"N7"_s));
    EXPECT_EQ(find(u"FlatPanel6"_s)->geometry(), QRect(0, 453, 224, 19));
    EXPECT_TRUE(shown(u"FlatPanel6"_s));
    EXPECT_EQ(text(u"FlatPanel6"_s), u"凡特睿(Vantrel) v1.3"_s);
    EXPECT_TRUE(checked(u"N6"_s));
    EXPECT_EQ(opacity(), 180);
    for (int k = 0; k < 6; ++k) EXPECT_FALSE(checked(u"N_%1"_s.arg(k))) << k;
    for (const QString& square : {u"FlatSpeedButton106"_s, u"FlatSpeedButton107"_s, u"FlatSpeedButton153"_s})
        EXPECT_FALSE(find<QToolButton>(square)->isChecked());
}

TEST_F(MainWindowTest, FadesInToTheStoredOpacity) {
    struct Case {
        QByteArray ini;
        int target, lastTick;
    } cases[] = {{{}, 255, 85}, {"[set]\r\ntoumingdu=80\r\n", 80, 27},
                 {"[set]\r\ntoumingdu=30\r\n", 80, 27}, {"[set]\r\ntoumingdu=120\r\nyincang=1\r\n", 120, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini.toStdString());
        QFile::remove(dataPath());
        start(c.ini.isEmpty() ? QByteArray() : c.ini);
        auto* fade = find<QTimer>(u"kaitexiao"_s);
        EXPECT_TRUE(fade->isActive());
        EXPECT_EQ(find<QScrollBar>(u"ScrollBar1"_s)->value(), c.target);
        window->show();
        EXPECT_EQ(opacity(), 0);
        tick(u"kaitexiao"_s);
        EXPECT_EQ(opacity(), 3);
        tick(u"kaitexiao"_s, c.lastTick - 1);
        EXPECT_EQ(opacity(), c.target);
        EXPECT_TRUE(fade->isActive());
        tick(u"kaitexiao"_s);
        EXPECT_FALSE(fade->isActive());
        // Later shows keep the opacity.
        window->hide();
        window->show();
        EXPECT_EQ(opacity(), c.target);
        window->hide();
    }
}

TEST_F(MainWindowTest, StatusTickShowsMemoryClockAndRunningTime) {
    start();
    EXPECT_TRUE(find<QTimer>(u"Timer1"_s)->isActive());
    EXPECT_EQ(find<QTimer>(u"Timer1"_s)->interval(), 1000);
    tick(u"Timer1"_s, 4);
    EXPECT_EQ(fake.memory.trims, 0);
    tick(u"Timer1"_s);
    EXPECT_EQ(fake.memory.trims, 1);
    EXPECT_EQ(text(u"StatusBar1.Panels1"_s), u"Vantrel已运行0h 0m 5s   "_s);
    EXPECT_EQ(text(u"Label24"_s), u"物理513MB    "_s);
    EXPECT_EQ(text(u"Label30"_s), u"虚拟2049MB    "_s);
    EXPECT_EQ(find<QProgressBar>(u"FlatProgressBar2"_s)->value(), 12);
    EXPECT_EQ(text(u"time"_s), clockText(fake.clock.time, QLocale::system()));
}

TEST_F(MainWindowTest, ClosingSavesAndEnds) {
    start("[set]\r\ntoumingdu=100\r\n[t3]\r\nextra=kept\r\n");
    QSignalSpy closed(window, &MainWindow::closed);
    find<QScrollBar>(u"ScrollBar1"_s)->setValue(140);
    EXPECT_EQ(opacity(), 140);
    find<QAction>(u"N3"_s)->trigger();
    EXPECT_EQ(closed.size(), 1);
    const QByteArray saved = readFile(dataPath());
    EXPECT_TRUE(saved.startsWith("[set]\r\ntoumingdu=140\r\nyincang=0\r\n"));
    EXPECT_TRUE(saved.contains("[t3]\r\nextra=kept\r\nt3_now_1=0\r\n"));
    EXPECT_TRUE(saved.contains("t5_color_10=clWindowText\r\n"));
    // The 312 keys end with the last web slot; the summoning key's own section follows.
    EXPECT_TRUE(saved.endsWith("web3_path_10=\r\n[hotkey]\r\nsummon=Alt+Space\r\n"));
}

TEST_F(MainWindowTest, RefusedWriteShowsTheErrorAndKeepsTheWindowOpen) {
    const QByteArray before = "[set]\r\ntoumingdu=100\r\n";
    start(before);
    QSignalSpy closed(window, &MainWindow::closed);
    window->show();
    {
        const WriteProtected readOnly(dataPath());
        if (!readOnly.effective()) GTEST_SKIP() << "this file system cannot refuse the write";
        EXPECT_FALSE(window->close());
        EXPECT_EQ(closed.size(), 0);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(fake.dialogs.errors(), QStringList{u"Unable to write to "_s + dataPath()});
        EXPECT_EQ(readFile(dataPath()), before);
    }
    // Once the file can be written again, closing saves as usual.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(closed.size(), 1);
    EXPECT_TRUE(readFile(dataPath()).startsWith("[set]\r\ntoumingdu=100\r\nyincang=0\r\n"));
}

TEST_F(MainWindowTest, TerminationSignalsSaveLikeACloseAndEndTheProgram) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QFile::remove(dataPath());
        start();
        saveOnTermination(*window, fake.paths.stateDir());
        QTimer::singleShot(0, window, [signal] { std::raise(signal); });
        // Ends a run that the signal failed to end, so that the test fails instead of hanging.
        QTimer::singleShot(60000, window, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_TRUE(readFile(dataPath()).startsWith("[set]\r\ntoumingdu=255\r\n"));
        EXPECT_TRUE(fake.dialogs.calls.isEmpty());
    }
}

TEST_F(MainWindowTest, GarbageDataFileStartsWithDefaults) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) junk += char((i * 7919) & 0xFF);
    start(junk + QByteArray("\0[main]\r\nshow_1\r\n", 17));
    EXPECT_EQ(window->height(), 513);
    EXPECT_TRUE(shown(u"FlatPanel5"_s));
    EXPECT_EQ(text(u"Button1"_s), u"+"_s);
}

TEST_F(MainWindowTest, EnteringTheSearchPageResetsItOtherPagesLeaveItAlone) {
    start();
    auto* pages = find<QTabWidget>(u"PageControl2"_s);
    auto* searchText = find<QLineEdit>(u"Edit1"_s);
    searchText->setText(u"凡特睿"_s);
    for (int page : {1, 3, 4, 0}) {
        pages->setCurrentIndex(page);
        EXPECT_EQ(searchText->text(), u"凡特睿"_s) << page;
    }
    pages->setCurrentIndex(2);
    EXPECT_TRUE(searchText->text().isEmpty());
}
