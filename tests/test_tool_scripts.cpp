// The shipped tool scripts, run for real: the clean-up on a temporary home, the notepad and
// the screen lock on a PATH of recording stand-ins only, so that no real editor, terminal
// or session manager is ever reached.
#include "support/fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kTools = QStringLiteral(VANTREL_TOOLS_DIR);

struct ScriptResult {
    int exitCode = -1;
    QString output;
};

ScriptResult runScript(const QString& script, const QStringList& args, const QProcessEnvironment& env,
              const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(script, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "script did not finish";
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// ---- the clean-up --------------------------------------------------------------------

// A home folder with caches, a legacy thumbnail folder, a trash and the user's documents;
// one cache entry is a link to the documents.
class CleanUp : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        populate();
    }

    // Puts every file in place again.
    void populate() {
        for (const QString& folder : {u".cache/thumbnails/normal"_s, u".cache/fontconfig"_s, u".thumbnails/large"_s,
                                      u".local/share/Trash/files"_s, u".local/share/Trash/info"_s, u"文档"_s})
            QDir().mkpath(at(folder));
        writeFile(at(u".cache/thumbnails/normal/a b.png"_s), QByteArray(40000, 'x'));
        writeFile(at(u".cache/fontconfig/cache-7"_s), "font");
        writeFile(at(u".thumbnails/large/old.png"_s), "png");
        writeFile(at(u".local/share/Trash/files/旧报告.txt"_s), "deleted");
        writeFile(at(u".local/share/Trash/info/旧报告.txt.trashinfo"_s), "[Trash Info]");
        writeFile(at(u"文档/重要.txt"_s), "keep");
        QFile::link(at(u"文档"_s), at(u".cache/documents link"_s));
    }

    QString at(const QString& relative) const { return home() + u'/' + relative; }
    QString home() const { return root.path() + u"/家 目录"_s; }

    QProcessEnvironment environment() const {
        QProcessEnvironment env;
        env.insert(u"HOME"_s, home());
        env.insert(u"PATH"_s, u"/usr/bin:/bin"_s);
        env.insert(u"LANG"_s, u"C.UTF-8"_s);
        return env;
    }

    ScriptResult clean(const QStringList& args, const QByteArray& input = {},
              const QProcessEnvironment& env = {}) const {
        return runScript(kTools + u"/clear/clear"_s, args, env.isEmpty() ? environment() : env, input);
    }

    QStringList everything() const {
        QStringList all;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) all << it.next();
        all.sort();
        return all;
    }

    QTemporaryDir root;
};

TEST_F(CleanUp, ListingNamesEachItemAndItsSizeAndRemovesNothing) {
    const QStringList before = everything();
    const ScriptResult run = clean({u"--list"_s});
    EXPECT_EQ(run.exitCode, 0);
    for (const QString& item : {u".cache/thumbnails"_s, u".cache/fontconfig"_s, u".cache/documents link"_s,
                                u".thumbnails/large"_s, u".local/share/Trash/files/旧报告.txt"_s}) {
        EXPECT_TRUE(run.output.contains(u'\t' + at(item) + u'\n')) << item.toStdString();
    }
    EXPECT_EQ(run.output.count(u"可释放: "_s), 3);
    EXPECT_FALSE(run.output.contains(u"(y/N)"_s));
    EXPECT_EQ(everything(), before);
}

TEST_F(CleanUp, RemovesOnlyWhatTheUserAgreesTo) {
    const struct {
        const char* what;
        QByteArray input;
        bool cachesGo, trashGoes;
    } cases[] = {
        {"no answer at all", {}, false, false},
        {"empty answers", "\n\n", false, false},
        {"no to both", "n\nn\n", false, false},
        {"anything but yes", "ok\nsure\n", false, false},
        {"caches only", "y\nn\n", true, false},
        {"trash only", "n\ny\n", false, true},
        {"both, in Chinese", "是\n是\n", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        populate();
        const ScriptResult run = clean({u"--here"_s}, c.input);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output.count(u"(y/N)"_s), 2);
        for (const QString& cached : {u".cache/thumbnails"_s, u".cache/fontconfig"_s, u".thumbnails/large"_s})
            EXPECT_EQ(QFileInfo::exists(at(cached)), !c.cachesGo) << cached.toStdString();
        EXPECT_EQ(QFileInfo(at(u".cache/documents link"_s)).isSymLink(), !c.cachesGo);
        EXPECT_TRUE(QFileInfo(at(u".cache"_s)).isDir());
        EXPECT_EQ(QFileInfo::exists(at(u".local/share/Trash/files/旧报告.txt"_s)), !c.trashGoes);
        EXPECT_EQ(QFileInfo::exists(at(u".local/share/Trash/info/旧报告.txt.trashinfo"_s)), !c.trashGoes);
        EXPECT_EQ(readFile(at(u"文档/重要.txt"_s)), "keep");
    }
}

// A cache setting that names the home folder, a folder holding it, a relative path or a
// link is never cleaned, whatever the answer.
TEST_F(CleanUp, CacheSettingsThatAreNoCacheOfTheirOwnAreLeftAlone) {
    QDir(at(u".thumbnails"_s)).removeRecursively();
    QFile::link(at(u"文档"_s), at(u"cache link"_s));
    const QString settings[] = {home(), root.path(), home() + u"/"_s, u"文档"_s, at(u"cache link"_s)};
    for (const QString& setting : settings) {
        SCOPED_TRACE(setting.toStdString());
        QProcessEnvironment env = environment();
        env.insert(u"XDG_CACHE_HOME"_s, setting);
        env.insert(u"XDG_DATA_HOME"_s, setting);
        const QStringList before = everything();
        const ScriptResult run = clean({u"--here"_s}, "y\ny\n", env);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(everything(), before);
        EXPECT_TRUE(run.output.contains(u"没有可清理的内容"_s)) << run.output.toStdString();
    }
    // The root folder is only ever listed here.
    QProcessEnvironment env = environment();
    env.insert(u"XDG_CACHE_HOME"_s, u"/"_s);
    EXPECT_FALSE(clean({u"--list"_s}, {}, env).output.contains(u"== /\n"_s));
}

// ---- the notepad and the screen lock -------------------------------------------------

// A PATH holding nothing but stand-ins, each of which logs its name and arguments.
class StandIns : public testing::Test {
protected:
    void install(const QString& name, int exitCode = 0) {
        const QString file = bin() + u'/' + name;
        writeFile(file, "#!/bin/sh\nprintf '%s|' \"${0##*/}\" \"$@\" >> \"$STAND_IN_LOG\"\n"
                        "printf '\\n' >> \"$STAND_IN_LOG\"\nexit " + QByteArray::number(exitCode) + "\n");
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void reset() {
        QDir(bin()).removeRecursively();
        QDir().mkpath(bin());
        QFile::remove(log());
    }
    QString bin() const { return dir.path() + u"/bin"_s; }
    QString log() const { return dir.path() + u"/log"_s; }
    QStringList logged() const {
        return QString::fromUtf8(readFile(log())).split(u'\n', Qt::SkipEmptyParts);
    }
    ScriptResult run(const QString& script, const QStringList& args, const QString& desktop = {}) const {
        QProcessEnvironment env;
        env.insert(u"PATH"_s, bin());
        env.insert(u"STAND_IN_LOG"_s, log());
        if (!desktop.isEmpty()) env.insert(u"XDG_CURRENT_DESKTOP"_s, desktop);
        return runScript(kTools + script, args, env);
    }
    QTemporaryDir dir;
};

TEST_F(StandIns, NotepadOpensTheDesktopsEditorElseATerminalEditor) {
    const struct {
        QStringList installed;
        QString desktop;
        int exitCode;
        QStringList log;
    } cases[] = {
        {{u"gedit"_s, u"mousepad"_s}, {}, 0, {u"gedit|a b.txt|"_s}},
        {{u"gedit"_s, u"mousepad"_s}, u"XFCE"_s, 0, {u"mousepad|a b.txt|"_s}},
        {{u"gedit"_s, u"kwrite"_s}, u"KDE"_s, 0, {u"kwrite|a b.txt|"_s}},
        {{u"kwrite"_s, u"gedit"_s}, u"GNOME"_s, 0, {u"gedit|a b.txt|"_s}},
        {{u"nano"_s, u"xterm"_s}, {}, 0, {u"xterm|-e|nano|a b.txt|"_s}},
        {{u"vi"_s, u"xterm"_s, u"x-terminal-emulator"_s}, {}, 0, {u"x-terminal-emulator|-e|vi|a b.txt|"_s}},
        {{u"nano"_s}, {}, 127, {}},
        {{}, {}, 127, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.installed.join(u',') + u" on "_s + c.desktop).toStdString());
        reset();
        for (const QString& name : c.installed) install(name);
        EXPECT_EQ(run(u"/jishiben/记事本"_s, {u"a b.txt"_s}, c.desktop).exitCode, c.exitCode);
        EXPECT_EQ(logged(), c.log);
    }
}

TEST_F(StandIns, ScreenLockTriesTheSessionThenEachLockerUntilOneWorks) {
    const struct {
        std::vector<std::pair<QString, int>> installed;  // name, exit code
        int exitCode;
        QStringList log;
    } cases[] = {
        {{{u"loginctl"_s, 0}, {u"xflock4"_s, 0}}, 0, {u"loginctl|lock-session|"_s}},
        {{{u"loginctl"_s, 1}, {u"xflock4"_s, 0}, {u"i3lock"_s, 0}}, 0,
         {u"loginctl|lock-session|"_s, u"xflock4|"_s}},
        {{{u"gnome-screensaver-command"_s, 1}, {u"slock"_s, 0}}, 0,
         {u"gnome-screensaver-command|--lock|"_s, u"slock|"_s}},
        {{{u"loginctl"_s, 1}}, 1, {u"loginctl|lock-session|"_s}},
        {{}, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.log.join(u' ').toStdString());
        reset();
        for (const auto& [name, code] : c.installed) install(name, code);
        EXPECT_EQ(run(u"/screensavers lock/screensavers lock"_s, {}).exitCode, c.exitCode);
        EXPECT_EQ(logged(), c.log);
    }
}

} // namespace
