// What a new user meets first: every group and lookup tab in reach, slot names that fit
// their buttons, a status bar that holds its text, file icons by kind, the file dialog's
// folders, and a clear word when there is no display.

#include "platform/linux_platform.h"
#include "support/window_fixture.h"
#include "ui/row_tabs.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

class NewUserTest : public MainWindowTest {
protected:
    // Shows the window on the main page `page` and lets the page controls lay out.
    void showPage(int page) {
        find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(page);
        window->show();
        QCoreApplication::sendPostedEvents();
    }
    RowTabBar* rowBar(const QString& tabs) {
        auto* bar = dynamic_cast<RowTabBar*>(find<QTabWidget>(tabs)->tabBar());
        EXPECT_TRUE(bar) << tabs.toStdString();
        return bar;
    }
};

// Whether `inner` lies wholly inside `outer`.
bool inside(const QRect& inner, const QRect& outer) { return !inner.isEmpty() && outer.contains(inner); }

} // namespace

TEST_F(NewUserTest, EveryGroupTabIsInViewAndReachableByMouseAndKeyboard) {
    const QString longest = QString(u'长').repeated(40);
    const struct {
        int page;
        QString tabs, firstPage, lastLaunch;
        QStringList titles;
    } kinds[] = {
        {0, u"PageControl1"_s, u"TabSheet1"_s, u"Button10"_s,
         {u"常用软件和工具"_s, u"办公文档与表格"_s, u"开发工具和脚本"_s, u"游戏娱乐"_s, longest}},
        {1, u"PageControl4"_s, u"TabSheet15"_s, u"Button110"_s,
         {u"新闻资讯网站"_s, longest, u"购物和生活服务"_s}},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.tabs.toStdString());
        QByteArray ini = "[main]\r\n";
        for (int g = 1; g <= kind.titles.size(); ++g) {
            const QByteArray key = kind.page == 0 ? "show_" + QByteArray::number(g) : "web_show_" + QByteArray::number(g);
            const QByteArray name = kind.page == 0 ? "name_" + QByteArray::number(g) : "web_name" + QByteArray::number(g);
            ini += key + "=1\r\n" + name + "=" + kind.titles[g - 1].toUtf8() + "\r\n";
        }
        start(ini);
        showPage(kind.page);
        auto* tabs = find<QTabWidget>(kind.tabs);
        RowTabBar* bar = rowBar(kind.tabs);
        ASSERT_TRUE(bar);
        ASSERT_TRUE(inside(bar->geometry(), tabs->rect()));

        for (int i = 0; i < kind.titles.size(); ++i) {
            const QRect tab = bar->rowRect(i);
            ASSERT_TRUE(inside(tab, bar->rect())) << "tab " << i;
            QTest::mouseClick(bar, Qt::LeftButton, {}, tab.center());
            EXPECT_EQ(tabs->currentIndex(), i);
            // The selected tab lies in the row next to its page.
            EXPECT_EQ(bar->rowRect(i).bottom(), bar->rect().bottom());
        }
        // A title wider than a row is cut at its end; the others show whole.
        const int last = int(kind.titles.indexOf(longest));
        EXPECT_TRUE(bar->shownText(last).endsWith(u'…'));
        EXPECT_TRUE(longest.startsWith(bar->shownText(last).chopped(1)));
        EXPECT_EQ(bar->shownText(0), kind.titles[0]);

        // The arrow keys go through the tabs in order and stop at the ends.
        bar->setFocus();
        tabs->setCurrentIndex(0);
        for (int i = 1; i < kind.titles.size(); ++i) {
            QTest::keyClick(bar, Qt::Key_Right);
            EXPECT_EQ(tabs->currentIndex(), i);
        }
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_EQ(tabs->currentIndex(), kind.titles.size() - 1);

        // The ten slot rows still fit the page the tab rows leave.
        tabs->setCurrentIndex(0);
        QCoreApplication::sendPostedEvents();
        QWidget* launch = find(kind.lastLaunch);
        EXPECT_TRUE(inside(launch->geometry(), find(kind.firstPage)->rect()));
    }
}

TEST_F(NewUserTest, TabRowsFollowTheShownGroupsAndTheirTitles) {
    start("[main]\r\nshow_1=1\r\nshow_3=1\r\nshow_5=1\r\n");
    showPage(0);
    RowTabBar* bar = rowBar(u"PageControl1"_s);
    ASSERT_TRUE(bar);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bar->rowRect(i).isEmpty(), i % 2 == 1);
    }
    // Short titles share one row, left to right.
    EXPECT_EQ(bar->rowRect(0).top(), bar->rowRect(4).top());
    EXPECT_LT(bar->rowRect(2).left(), bar->rowRect(4).left());
    const int oneRow = bar->height();

    // A long new title takes a row of its own; the bar grows and the slots move closer.
    find<QTabWidget>(u"PageControl1"_s)->setCurrentIndex(2);
    fake.dialogs.inputAnswers = {QString(u'题').repeated(20)};
    click(u"SpeedButton103"_s);
    QCoreApplication::sendPostedEvents();
    EXPECT_GT(bar->height(), oneRow);
    EXPECT_NE(bar->rowRect(0).top(), bar->rowRect(2).top());
    EXPECT_TRUE(inside(find(u"Button50"_s)->geometry(), find(u"TabSheet3"_s)->rect()));
}

TEST_F(NewUserTest, AllLookupTabsShowAtStart) {
    start();
    showPage(2);
    auto* notebook = find<QTabWidget>(u"PageControl3"_s);
    RowTabBar* bar = rowBar(u"PageControl3"_s);
    ASSERT_TRUE(bar);
    ASSERT_TRUE(inside(bar->geometry(), notebook->rect()));
    ASSERT_EQ(notebook->count(), 5);
    EXPECT_EQ(notebook->tabText(notebook->currentIndex()), u"调色板取色"_s);
    for (int i = 0; i < notebook->count(); ++i) {
        SCOPED_TRACE(notebook->tabText(i).toStdString());
        EXPECT_TRUE(inside(bar->rowRect(i), bar->rect()));
        EXPECT_EQ(bar->shownText(i), notebook->tabText(i));
    }
    // The colour picker, down to its preview, fits below the tab rows.
    EXPECT_TRUE(inside(find(u"FlatPanel3"_s)->geometry(), find(u"TabSheet14"_s)->rect()));
    EXPECT_TRUE(inside(find(u"FlatGroupBox8"_s)->geometry().united(notebook->geometry()),
                       find(u"TabSheet9"_s)->rect()));
}

TEST_F(NewUserTest, StatusPanelsHoldTheirWholeTexts) {
    start();
    window->show();
    tick(u"Timer1"_s);
    auto* welcome = find<QLabel>(u"StatusBar1.Panels0"_s);
    auto* uptime = find<QLabel>(u"StatusBar1.Panels1"_s);
    EXPECT_EQ(uptime->text(), u"Vantrel已运行0h 0m 1s   "_s);
    const struct {
        QLabel* panel;
        QString text;
    } panels[] = {{welcome, welcome->text()}, {uptime, UptimeClock{999, 59, 59}.text().trimmed()}};
    for (const auto& p : panels) {
        SCOPED_TRACE(p.text.toStdString());
        const int room = p.panel->contentsRect().width() - p.panel->indent();
        EXPECT_LE(p.panel->fontMetrics().horizontalAdvance(p.text), room);
        EXPECT_TRUE(inside(p.panel->geometry(), find(u"StatusBar1"_s)->rect()));
        EXPECT_NE(p.panel->frameShape(), QFrame::NoFrame);
    }
    EXPECT_LE(welcome->geometry().right(), uptime->geometry().left());
    EXPECT_EQ(find(u"StatusBar1"_s)->width(), window->width());
}

TEST_F(NewUserTest, LongSlotNamesAreCutOnTheButtonOnlyAndShowWholeInTheTooltip) {
    const QString longName = u"一个很长很长很长的程序名称"_s;
    const struct {
        QString button, name, path, face;
    } slots[] = {
        {u"Button1"_s, u"hosts"_s, u"/etc/hosts"_s, u"hosts"_s},
        {u"Button2"_s, longName, u"/opt/tools/run.sh"_s, {}},
        {u"Button3"_s, u"A&B"_s, u"/opt/a b"_s, u"A&&B"_s},
    };
    QByteArray ini = "[main]\r\nshow_1=1\r\n[t1]\r\n";
    for (int n = 1; n <= 3; ++n) {
        const QByteArray k = QByteArray::number(n);
        ini += "t1_now_" + k + "=1\r\nt1_name_" + k + "=" + slots[n - 1].name.toUtf8() + "\r\nt1_path_" + k +
               "=" + slots[n - 1].path.toUtf8() + "\r\nt1_color_" + k + "=clBlack\r\n";
    }
    start(ini);
    for (const auto& s : slots) {
        SCOPED_TRACE(s.button.toStdString());
        auto* button = find<QPushButton>(s.button);
        if (s.face.isEmpty()) {
            EXPECT_TRUE(button->text().endsWith(u'…'));
            EXPECT_TRUE(s.name.startsWith(button->text().chopped(1)));
        } else {
            EXPECT_EQ(button->text(), s.face);
        }
        EXPECT_EQ(button->accessibleName(), s.name);
        EXPECT_TRUE(button->toolTip().contains(s.name.toHtmlEscaped()));
        EXPECT_TRUE(button->toolTip().contains(s.path));
    }
    EXPECT_TRUE(find<QPushButton>(u"Button4"_s)->toolTip().isEmpty());   // an empty slot

    // The icon stands beside its button, not under it.
    EXPECT_LE(find(u"Image1"_s)->geometry().right(), find(u"Button1"_s)->geometry().left());

    ASSERT_TRUE(window->close());
    const QByteArray saved = readFile(dataPath());
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(saved.contains("t1_name_" + QByteArray::number(n) + "=" + slots[n - 1].name.toUtf8() + "\r\n"));
}

TEST(FileIcons, EachKindOfFileHasItsOwnIcon) {
    QTemporaryDir dir;
    const QString script = dir.filePath(u"run.sh"_s), text = dir.filePath(u"notes.txt"_s),
                  folder = dir.filePath(u"folder"_s);
    writeFile(script, "#!/bin/sh\necho hi\n");
    writeFile(text, "plain words\n");
    QDir(dir.path()).mkdir(u"folder"_s);

    DesktopIconSource icons;
    const QString paths[] = {script, text, folder};
    QList<QImage> images;
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QImage image = icons.largeIcon(path);
        EXPECT_EQ(image.size(), QSize(32, 32));
        images << image.convertToFormat(QImage::Format_ARGB32);
    }
    for (int a = 0; a < images.size(); ++a)
        for (int b = a + 1; b < images.size(); ++b)
            EXPECT_NE(images[a], images[b]) << paths[a].toStdString() << " / " << paths[b].toStdString();
    EXPECT_TRUE(icons.largeIcon(dir.filePath(u"missing"_s)).isNull());
}

TEST(FileDialog, OpensInTheHomeFolderThenWhereTheLastFileWas) {
    QTemporaryDir home;
    QDir(home.path()).mkpath(u"docs"_s);
    const QString chosen = home.filePath(u"docs/a.txt"_s);
    writeFile(chosen, "a");
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    QtDialogs dialogs;
    qputenv("HOME", oldHome);

    QStringList openedIn;
    const std::optional<QString> answers[] = {chosen, std::nullopt};
    for (const auto& answer : answers) {
        QTimer::singleShot(0, qApp, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            openedIn << dialog->directory().absolutePath();
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            // A folder's type reads Chinese.
            auto* files = dialog->findChild<QFileSystemModel*>();
            ASSERT_TRUE(files);
            const QModelIndex docs = dialog->proxyModel()->mapFromSource(files->index(home.filePath(u"docs"_s)));
            ASSERT_TRUE(docs.isValid());
            EXPECT_EQ(docs.siblingAtColumn(2).data().toString(), u"文件夹"_s);
            if (!answer) return dialog->reject();
            dialog->selectFile(*answer);
            static_cast<QDialog*>(dialog)->accept();
        });
        EXPECT_EQ(dialogs.openFile(nullptr), answer);
    }
    EXPECT_EQ(openedIn, QStringList({home.path(), home.filePath(u"docs"_s)}));
}

TEST(NoDisplay, SaysWhichVariableIsMissingAndEndsWithStatusOne) {
    const struct {
        QStringList set;  // NAME=value
        QString missing;
    } cases[] = {
        {{}, u"DISPLAY"_s},
        {{u"WAYLAND_DISPLAY=wayland-0"_s}, u"DISPLAY"_s},   // runs through XWayland
        {{u"QT_QPA_PLATFORM=wayland"_s}, u"WAYLAND_DISPLAY"_s},
        {{u"QT_QPA_PLATFORM=xcb"_s, u"WAYLAND_DISPLAY=wayland-0"_s}, u"DISPLAY"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set.join(u' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        for (const QString& pair : c.set) environment.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(VANTREL_EXECUTABLE), {});
        ASSERT_TRUE(program.waitForFinished());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        const QStringList lines = QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2);
        const QString named = u' ' + c.missing + u' ';
        EXPECT_TRUE(lines[0].contains(u"图形桌面"_s) && lines[0].contains(named));
        EXPECT_TRUE(lines[1].contains(u"graphical desktop"_s) && lines[1].contains(named));
    }
}
