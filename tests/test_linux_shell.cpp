// The Linux shell backend against real processes: recording stand-ins for xdg-open, the
// terminal and a program sit first on PATH, so nothing real is ever opened.
#include "platform/desktop_entry.h"
#include "platform/linux_shell.h"
#include "support/fixtures.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// ---- desktopExecArguments -------------------------------------------------------------

TEST(DesktopExecArguments, SplitsQuotesAndExpandsFieldCodes) {
    const struct {
        QString exec;
        QStringList args;
    } cases[] = {
        {u"prog"_s, {u"prog"_s}},
        {u"prog  a   b "_s, {u"prog"_s, u"a"_s, u"b"_s}},
        {uR"("/opt/my app/run" --x)"_s, {u"/opt/my app/run"_s, u"--x"_s}},
        {uR"(prog "a \"b\" \`c\` \$d \\e" "")"_s, {u"prog"_s, uR"(a "b" `c` $d \e)"_s, {}}},
        {u"prog %f %F %u %U %i %c %k %d %D %n %N %v %m"_s, {u"prog"_s}},
        {u"prog --open=%u 100%% \"%%\""_s, {u"prog"_s, u"--open="_s, u"100%"_s, u"%"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exec.toStdString());
        EXPECT_EQ(desktopExecArguments(c.exec), c.args);
    }
}

TEST(DesktopExecArguments, MalformedOrProgramlessValuesCannotLaunch) {
    const QString cases[] = {
        {},
        u"%U"_s,
        u"\"\" arg"_s,
        u"prog \"unclosed"_s,
        u"prog \"bad \\q escape\""_s,
        u"prog a;b"_s,
        u"prog $HOME"_s,
        u"prog 'single'"_s,
        u"prog a|b"_s,
        u"prog ~/file"_s,
        u"prog %z"_s,
        u"prog 50%"_s,
    };
    for (const QString& exec : cases) {
        SCOPED_TRACE(exec.toStdString());
        EXPECT_TRUE(desktopExecArguments(exec).isEmpty());
    }
}

// ---- readDesktopEntry ------------------------------------------------------------------

class DesktopEntryFile : public ::testing::Test {
protected:
    QString write(const QByteArray& text) {
        const QString path = dir.filePath(u"entry.desktop"_s);
        writeFile(path, text);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(DesktopEntryFile, ReadsTheMainGroupWithEscapes) {
    const auto entry = readDesktopEntry(write(
        "# a comment\n"
        "[Desktop Entry]\r\n"
        "Type=Application\n"
        "Name=My\\sApp\\t\\\\1\n"
        "Name[de]=Meine\n"
        "Icon = /icons/my app.png\n"
        "Exec=prog \"back\\\\\\\\slash\" \"say \\\"hi\\\"\"\n"
        "Terminal=true\n"
        "[Desktop Action New]\n"
        "Name=Other\n"
        "Exec=other\n"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, u"My App\t\\1"_s);
    EXPECT_EQ(entry->icon, u"/icons/my app.png"_s);
    EXPECT_EQ(entry->exec, uR"(prog "back\\slash" "say \"hi\"")"_s);
    EXPECT_TRUE(entry->terminal);
    EXPECT_EQ(desktopExecArguments(entry->exec),
              (QStringList{u"prog"_s, uR"(back\slash)"_s, uR"(say "hi")"_s}));
}

TEST_F(DesktopEntryFile, RefusesWhatIsNoLaunchableApplication) {
    const QByteArray cases[] = {
        "[Desktop Entry]\nType=Link\nURL=https://example.com\nExec=prog\n",
        "[Desktop Entry]\nType=Application\nName=No command\n",
        "[Desktop Entry]\nType=Application\n[Desktop Action X]\nExec=prog\n",
        "[Other]\nType=Application\nExec=prog\n",
    };
    for (const QByteArray& text : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(readDesktopEntry(write(text)));
    }
    EXPECT_FALSE(readDesktopEntry(dir.filePath(u"missing.desktop"_s)));
}

// ---- LinuxShell ------------------------------------------------------------------------

// Writes its arguments, each ended by a NUL, to records/<its own name>.
QByteArray recorderScript(const QString& records) {
    return "#!/bin/sh\n"
           "out='" + QFile::encodeName(records) + "'/\"${0##*/}\"\n"
           "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.part\" && "
           "mv \"$out.part\" \"$out\"\n";
}

class ShellLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath(u"bin"_s);
        QDir(dir.path()).mkpath(u"records"_s);
        QDir(dir.path()).mkpath(u"folder"_s);
        for (const QString& name : {u"xdg-open"_s, u"recorder"_s, u"x-terminal-emulator"_s})
            installRecorder(path(u"bin/"_s + name));
        savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(path(u"bin"_s)) + ':' + savedPath);
        ASSERT_EQ(QStandardPaths::findExecutable(u"xdg-open"_s), path(u"bin/xdg-open"_s));
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    QString path(const QString& name) const { return dir.path() + u'/' + name; }

    void installRecorder(const QString& file) {
        writeFile(file, recorderScript(path(u"records"_s)));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The arguments the stand-in called `program` received, once it has run.
    std::optional<QStringList> waitForRecord(const QString& program) {
        const QString file = path(u"records/"_s + program);
        const QDeadlineTimer deadline(5000);
        while (!QFile::exists(file) && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        if (!QFile::exists(file)) return std::nullopt;
        QList<QByteArray> parts = readFile(file).split('\0');
        parts.removeLast();
        QStringList args;
        for (const QByteArray& part : parts) args << QFile::decodeName(part);
        return args;
    }

    QStringList recorders() const {
        return QDir(path(u"records"_s)).entryList(QDir::Files);
    }

    QTemporaryDir dir;
    QByteArray savedPath;
    LinuxShell shell;
};

TEST_F(ShellLaunchTest, EachKindOfTargetGoesToItsHandler) {
    writeFile(path(u"notes.txt"_s), "text");
    installRecorder(path(u"tool.sh"_s));
    writeFile(path(u"picture.png"_s), "\x89PNG not a program");
    QFile::setPermissions(path(u"picture.png"_s), QFile::ReadOwner | QFile::ExeOwner);
    writeFile(path(u"app.desktop"_s),
              "[Desktop Entry]\nType=Application\nName=App\n"
              "Exec=recorder \"two words\" \"say \\\"hi\\\"\" %U --level=100%% %i\n");
    writeFile(path(u"term.desktop"_s),
              "[Desktop Entry]\nType=Application\nExec=recorder %f -v\nTerminal=true\n");
    writeFile(path(u"broken.desktop"_s), "[Desktop Entry]\nType=Application\nExec=prog a;b\n");

    // "<dir>" stands for the temporary folder.
    const struct {
        const char* kind;
        QString target;
        QString params;
        QString handler;
        QStringList args;
    } cases[] = {
        {"web address", u"https://example.com/a?b=c#d"_s, {}, u"xdg-open"_s,
         {u"https://example.com/a?b=c#d"_s}},
        {"mail address", u"mailto:someone@example.com"_s, {}, u"xdg-open"_s,
         {u"mailto:someone@example.com"_s}},
        {"typed host", u"www.example.com"_s, {}, u"xdg-open"_s, {u"http://www.example.com"_s}},
        {"bare domain", u"baidu.com"_s, {}, u"xdg-open"_s, {u"http://baidu.com"_s}},
        {"host with port and path", u"example.com:8080/p?q=1"_s, {}, u"xdg-open"_s,
         {u"http://example.com:8080/p?q=1"_s}},
        {"drive-letter path", u"c:/data.bak"_s, {}, u"xdg-open"_s, {u"c:/data.bak"_s}},
        {"document", u"<dir>/notes.txt"_s, u"ignored"_s, u"xdg-open"_s, {u"<dir>/notes.txt"_s}},
        {"folder", u"<dir>/folder"_s, {}, u"xdg-open"_s, {u"<dir>/folder"_s}},
        {"missing path", u"<dir>/missing/file.txt"_s, {}, u"xdg-open"_s, {u"<dir>/missing/file.txt"_s}},
        {"executable", u"<dir>/tool.sh"_s, u"--go \"two words\""_s, u"tool.sh"_s,
         {u"--go"_s, u"two words"_s}},
        {"executable bit on a document", u"<dir>/picture.png"_s, {}, u"xdg-open"_s,
         {u"<dir>/picture.png"_s}},
        {"desktop entry", u"<dir>/app.desktop"_s, {}, u"recorder"_s,
         {u"two words"_s, u"say \"hi\""_s, u"--level=100%"_s}},
        {"terminal desktop entry", u"<dir>/term.desktop"_s, {}, u"x-terminal-emulator"_s,
         {u"-e"_s, u"recorder"_s, u"-v"_s}},
        {"unlaunchable desktop entry", u"<dir>/broken.desktop"_s, {}, u"xdg-open"_s,
         {u"<dir>/broken.desktop"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        for (const QString& old : recorders()) QFile::remove(path(u"records/"_s + old));
        const QString target = QString(c.target).replace(u"<dir>"_s, dir.path());
        shell.ShellLaunch(nullptr, u"open"_s, target, c.params, ShowMode::Show);
        QStringList expected = c.args;
        expected.replaceInStrings(u"<dir>"_s, dir.path());
        EXPECT_EQ(waitForRecord(c.handler), expected);
        EXPECT_EQ(recorders(), QStringList{c.handler});
    }
}

TEST_F(ShellLaunchTest, HostileTextArrivesAsOneUnchangedArgument) {
    const QString pwned = path(u"pwned"_s);
    const QString hostileNames[] = {
        u"with space.txt"_s,  u"quote\"and'apostrophe.txt"_s, u"semi;colon & pipe|.txt"_s,
        u"$(id) `id`.txt"_s, u"new\nline.txt"_s,             u"-dash.txt"_s,
    };
    for (const QString& name : hostileNames) {
        SCOPED_TRACE(name.toStdString());
        QFile::remove(path(u"records/xdg-open"_s));
        writeFile(path(name), "text");
        shell.ShellLaunch(nullptr, {}, path(name), {}, ShowMode::ShowNormal);
        EXPECT_EQ(waitForRecord(u"xdg-open"_s), QStringList{path(name)});
    }

    QFile::remove(path(u"records/xdg-open"_s));
    const QString address = u"https://example.com/?q=a b;$(touch "_s + pwned + u")&x='\"\n`touch "_s +
                            pwned + u"`"_s;
    shell.ShellLaunch(nullptr, {}, address, {}, ShowMode::ShowNormal);
    EXPECT_EQ(waitForRecord(u"xdg-open"_s), QStringList{address});

    const QString tool = path(u"my tool;$(id).sh"_s);
    installRecorder(tool);
    shell.ShellLaunch(nullptr, u"open"_s, tool, u"\"a b\" 'c' ;d $(touch "_s + pwned + u")"_s,
                      ShowMode::Show);
    EXPECT_EQ(waitForRecord(u"my tool;$(id).sh"_s),
              (QStringList{u"a b"_s, u"'c'"_s, u";d"_s, u"$(touch"_s, pwned + u')'}));
    EXPECT_FALSE(QFile::exists(pwned));
}

TEST_F(ShellLaunchTest, StartsAProgramWithItsArgumentsInTheGivenFolder) {
    QDir(dir.path()).mkpath(u"凡特 睿"_s);
    const QString program = path(u"凡特 睿/tool"_s);
    // Records the folder it runs in, then its arguments.
    writeFile(program, "#!/bin/sh\nout='" + QFile::encodeName(path(u"records/tool"_s)) + "'\n"
                       "{ printf '%s\\0' \"$(pwd -P)\"; for a in \"$@\"; do printf '%s\\0' \"$a\"; done; }"
                       " > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QStringList args = {u"two words"_s, u"$(touch x);|"_s, u"-e"_s, {}};
    shell.startProgram(program, args, path(u"folder"_s));
    EXPECT_EQ(waitForRecord(u"tool"_s), QStringList{QDir(path(u"folder"_s)).canonicalPath()} + args);
    EXPECT_EQ(recorders(), QStringList{u"tool"_s});
}

} // namespace
