// The tool launchers of the "辅助" page, the tray menu and the clock, and the system
// programs found on a stand-in PATH, all on the fake shell.
#include "support/window_fixture.h"
#include "tools/system_programs.h"
#include "tools/system_programs_sheet.h"

#include <QTest>
#include <map>

namespace {

TEST_F(MainWindowTest, EveryEntryPointOpensItsToolBesideTheExecutable) {
    const QString folder = u"/opt/凡特睿 绿色版 (1)/"_s;
    fake.paths.folder = folder;
    start();
    const QString notepad = u"tools/jishiben/记事本"_s, cleanUp = u"tools/clear/clear"_s,
                  calendar = u"tools/date/万年历"_s, lock = u"tools/screensavers lock/screensavers lock"_s;
    const struct {
        QString control, tool;
        ShowMode show;
    } cases[] = {
        {u"SpeedButton167"_s, notepad, ShowMode::Show},    {u"N12"_s, notepad, ShowMode::Show},
        {u"SpeedButton168"_s, cleanUp, ShowMode::ShowNormal}, {u"N13"_s, cleanUp, ShowMode::ShowNormal},
        {u"SpeedButton169"_s, calendar, ShowMode::Show},   {u"N14"_s, calendar, ShowMode::Show},
        {u"time"_s, calendar, ShowMode::Show},             {u"SpeedButton170"_s, lock, ShowMode::Show},
        {u"N19"_s, lock, ShowMode::Show},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control.toStdString());
        fake.shell.calls.clear();
        if (auto* item = window->findChild<QAction*>(c.control))
            item->trigger();
        else if (auto* button = window->findChild<QAbstractButton*>(c.control))
            button->click();
        else
            QTest::mouseClick(find(c.control), Qt::LeftButton);
        ASSERT_EQ(fake.shell.calls.size(), 1);
        const auto& call = fake.shell.calls.front();
        EXPECT_EQ(call.owner, window);
        EXPECT_EQ(call.verb, u"open"_s);
        EXPECT_EQ(call.target, folder + c.tool);
        EXPECT_EQ(call.params, QString());
        EXPECT_EQ(call.show, c.show);
    }
}

TEST_F(MainWindowTest, ToolButtonsSitTwoInARow) {
    start();
    const std::pair<QString, QRect> places[] = {{u"SpeedButton167"_s, {4, 20, 81, 25}},
                                                {u"SpeedButton169"_s, {85, 20, 81, 25}},
                                                {u"SpeedButton170"_s, {4, 50, 81, 25}},
                                                {u"SpeedButton168"_s, {85, 50, 81, 25}}};
    for (const auto& [name, place] : places) {
        auto* button = find<QToolButton>(name);
        EXPECT_EQ(button->geometry(), place) << name.toStdString();
        EXPECT_FALSE(button->icon().isNull()) << name.toStdString();
        EXPECT_EQ(button->parentWidget()->objectName(), u"FlatGroupBox7"_s);
    }
}

// A folder standing in for PATH, holding empty programs of the names asked for.
class ProgramFolder : public testing::Test {
protected:
    void install(const QStringList& names) {
        for (const QString& name : names) {
            writeFile(path(name), "#!/bin/sh\n");
            QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    static int indexOf(const QString& name) {
        for (int i = 0; i < kSystemProgramCount; ++i)
            if (systemPrograms()[i].name == name) return i;
        ADD_FAILURE() << "no system program " << name.toStdString();
        return 0;
    }
    QTemporaryDir dir;
};

TEST_F(ProgramFolder, EachButtonTakesTheFirstInstalledCandidate) {
    const struct {
        const char* what;
        QStringList installed;
        QString button;
        QStringList command;  // program then arguments, "<dir>" standing for the folder
    } cases[] = {
        {"nothing installed", {}, u"SpeedButton110"_s, {}},
        {"preferred of two", {u"kcalc"_s, u"gnome-calculator"_s}, u"SpeedButton110"_s, {u"<dir>/gnome-calculator"_s}},
        {"only a later one", {u"xcalc"_s}, u"SpeedButton110"_s, {u"<dir>/xcalc"_s}},
        {"with its arguments", {u"gnome-system-monitor"_s}, u"SpeedButton129"_s,
         {u"<dir>/gnome-system-monitor"_s, u"--show-resources-tab"_s}},
        {"terminal program in a terminal", {u"top"_s, u"xterm"_s}, u"SpeedButton127"_s,
         {u"<dir>/xterm"_s, u"-e"_s, u"<dir>/top"_s}},
        {"terminal program without a terminal", {u"top"_s}, u"SpeedButton127"_s, {}},
        {"first terminal of the list", {u"top"_s, u"xterm"_s, u"gnome-terminal"_s}, u"SpeedButton127"_s,
         {u"<dir>/gnome-terminal"_s, u"--"_s, u"<dir>/top"_s}},
        {"graphical before terminal", {u"alsamixer"_s, u"xterm"_s, u"pavucontrol"_s}, u"SpeedButton140"_s,
         {u"<dir>/pavucontrol"_s}},
        {"a terminal alone", {u"konsole"_s, u"xterm"_s}, u"SpeedButton111"_s, {u"<dir>/konsole"_s}},
        {"settings panel", {u"gnome-control-center"_s}, u"SpeedButton145"_s,
         {u"<dir>/gnome-control-center"_s, u"datetime"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& old : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(path(old));
        install(c.installed);
        const auto found = findSystemPrograms({dir.path()})[indexOf(c.button)];
        QStringList command = found ? QStringList{found->program} + found->arguments : QStringList{};
        EXPECT_EQ(command, QStringList(c.command).replaceInStrings(u"<dir>"_s, dir.path()));
    }
}

TEST_F(ProgramFolder, SheetLooksUpOnceAndDisablesWhatNothingServes) {
    install({u"gnome-calculator"_s, u"xterm"_s});
    FakeShell shell;
    SystemProgramsSheet sheet(shell, {dir.path()});
    sheet.show();
    auto* calculator = sheet.findChild<QToolButton*>(u"SpeedButton110"_s);
    auto* registry = sheet.findChild<QToolButton*>(u"SpeedButton112"_s);
    auto* terminal = sheet.findChild<QToolButton*>(u"SpeedButton111"_s);
    ASSERT_TRUE(calculator && registry && terminal);
    EXPECT_TRUE(calculator->isEnabled());
    EXPECT_EQ(calculator->toolTip(), u"gnome-calculator"_s);
    EXPECT_FALSE(registry->isEnabled());
    EXPECT_TRUE(registry->isVisible());
    EXPECT_EQ(registry->toolTip(), u"未找到可用的程序，请安装其中之一：\ndconf-editor"_s);
    auto* telnet = sheet.findChild<QToolButton*>(u"SpeedButton134"_s);
    EXPECT_FALSE(telnet->isEnabled());
    EXPECT_EQ(telnet->toolTip(), u"未找到可用的程序，请安装其中之一：\ntelnet（在终端中运行）\nputty"_s);

    // What is installed later, or removed, changes nothing until the next start.
    QFile::remove(path(u"gnome-calculator"_s));
    install({u"dconf-editor"_s});
    sheet.hide();
    sheet.show();
    EXPECT_FALSE(registry->isEnabled());
    calculator->click();
    terminal->click();
    registry->click();
    ASSERT_EQ(shell.started.size(), 2);
    EXPECT_EQ(shell.started[0].program, path(u"gnome-calculator"_s));
    EXPECT_EQ(shell.started[0].arguments, QStringList());
    EXPECT_EQ(shell.started[0].folder, QDir::homePath());
    EXPECT_EQ(shell.started[1].program, path(u"xterm"_s));
    EXPECT_EQ(shell.started[1].arguments, QStringList());
    EXPECT_TRUE(shell.calls.isEmpty());
}

TEST_F(ProgramFolder, SheetHasTwoColumnsOfFourteen) {
    FakeShell shell;
    SystemProgramsSheet sheet(shell, {dir.path()});
    std::map<int, int> perColumn;
    for (const SystemProgram& entry : systemPrograms()) {
        auto* button = sheet.findChild<QToolButton*>(entry.name);
        ASSERT_TRUE(button) << entry.name.toStdString();
        EXPECT_EQ(button->text(), entry.caption);
        EXPECT_FALSE(entry.candidates.isEmpty()) << entry.name.toStdString();
        ++perColumn[button->x()];
    }
    EXPECT_EQ(perColumn, (std::map<int, int>{{2, 14}, {85, 14}}));
    const std::pair<QString, QRect> corners[] = {{u"SpeedButton110"_s, {2, 4, 81, 22}},
                                                 {u"SpeedButton137"_s, {2, 316, 81, 22}},
                                                 {u"SpeedButton138"_s, {85, 4, 89, 22}},
                                                 {u"SpeedButton136"_s, {85, 316, 89, 22}}};
    for (const auto& [name, place] : corners)
        EXPECT_EQ(sheet.findChild<QToolButton*>(name)->geometry(), place) << name.toStdString();
}

} // namespace
