// data.ini as the user's disk may hold it: what the real main window shows at start and
// what its close leaves on disk; and the program as its own process, told to end while
// data.ini refuses the save.

#include "store/settings_file.h"
#include "support/window_fixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QProcess>
#include <QScrollBar>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kGbkWork("\xB9\xA4\xD7\xF7");  // 工作 in GBK

// What lies at a path, precisely enough to tell any change: its kind and permissions, a
// link's target, a file's size and content.
QString fingerprint(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return u"missing"_s;
    QString print = QString::number(info.st_mode, 8);
    if (S_ISLNK(info.st_mode)) print += u" -> "_s + QFileInfo(path).symLinkTarget();
    if (S_ISREG(info.st_mode)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            QCryptographicHash hash(QCryptographicHash::Sha256);
            hash.addData(&file);
            print += u" %1 bytes %2"_s.arg(info.st_size).arg(QString::fromLatin1(hash.result().toHex()));
        }
    }
    return print;
}

// While it lives, the file system treats this thread as the user "nobody", owner of the
// folder and what is in it, so that permissions stop the program as they stop any user
// who is not root. A user who is not root needs nothing of this.
class ActingAsNobody {
public:
    explicit ActingAsNobody(const QString& folder) {
        if (::geteuid() != 0) return;
        constexpr uid_t kNobody = 65534;
        for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotDot))
            [[maybe_unused]] const int owned = ::lchown(QFile::encodeName(QDir(folder).filePath(name)).constData(),
                                                        kNobody, kNobody);
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
        active_ = true;
    }
    ~ActingAsNobody() {
        if (!active_) return;
        ::setfsuid(0);
        ::setfsgid(0);
    }
    ActingAsNobody(const ActingAsNobody&) = delete;
    ActingAsNobody& operator=(const ActingAsNobody&) = delete;

private:
    bool active_ = false;
};

struct Hostile {
    const char* name;
    void (*prepare)(const QString& path);
    bool writeOnly;         // read by a user who may only write it
    const char16_t* reason; // what the start says of it; nullptr: the file is read
    bool utf8;              // of a file that is read: the encoding the next start chooses
    const char16_t* title;  // of a file that is read: program group 1's title, read again after the close
};

void PrintTo(const Hostile& hostile, std::ostream* out) { *out << hostile.name; }

const Hostile kHostileFiles[] = {
    {"link to /dev/zero", [](const QString& path) { QFile::link(u"/dev/zero"_s, path); }, false,
     u"它不是普通文件", false, nullptr},
    {"named pipe", [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }, false,
     u"它不是普通文件", false, nullptr},
    {"folder", [](const QString& path) { QDir().mkdir(path); }, false, u"它不是普通文件", false, nullptr},
    {"larger than any data file",
     [](const QString& path) {
         writeFile(path, "[set]\r\ntoumingdu=100\r\n" + QByteArray(SettingsFile::kMaxFileBytes, '\n'));
     },
     false, u"它大于 4 MiB", false, nullptr},
    {"write-only file",
     [](const QString& path) {
         writeFile(path, "[set]\r\ntoumingdu=100\r\n[main]\r\nshow_1=1\r\n");
         QFile::setPermissions(path, QFile::WriteOwner);
     },
     true, u"没有读取它的权限", false, nullptr},
    {"UTF-16 text", [](const QString& path) { writeFile(path, QByteArray("\xFF\xFE[\0s\0e\0t\0]\0", 12)); }, false,
     u"它是 UTF-16 或 UTF-32 文本", false, nullptr},
    {"GBK from Windows",
     [](const QString& path) { writeFile(path, "[main]\r\nshow_1=1\r\nname_1=" + kGbkWork + "\r\n"); }, false,
     nullptr, false, u"工作"},
    {"byte-order mark, cut character, no final line end",
     [](const QString& path) { writeFile(path, "\357\273\277[main]\012show_1=1\012name_1=\344\270"); }, false,
     nullptr, true, u"\uFFFD\uFFFD"},
    {"one stray byte in a UTF-8 file",
     [](const QString& path) {
         writeFile(path, "[main]\r\nshow_1=1\r\nname_1=\xe7\xbb\x84\x31\r\n[t1]\r\nt1_name_1=\xe5y\r\n");
     },
     false, nullptr, true, u"组1"},
};

class HostileDataFile : public MainWindowTest, public testing::WithParamInterface<Hostile> {};

TEST_P(HostileDataFile, StartSaysOnceWhatItCannotReadAndTheCloseKeepsEveryByte) {
    const Hostile& c = GetParam();
    c.prepare(dataPath());
    const QString before = fingerprint(dataPath());
    {
        std::optional<ActingAsNobody> nobody;
        if (c.writeOnly) nobody.emplace(fake.paths.appDir());
        start();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (c.reason) {
            ASSERT_EQ(fake.dialogs.calls.size(), 1);
            const FakeDialogs::Call& call = fake.dialogs.calls.front();
            EXPECT_EQ(call.kind, u"message"_s);
            EXPECT_EQ(call.caption, u"提示"_s);
            EXPECT_EQ(call.text, u"无法读取数据文件 %1：%2。本次以默认设置运行，关闭时不会改写这个文件。"_s.arg(
                                      dataPath(), QStringView(c.reason)));
            EXPECT_EQ(find<QScrollBar>(u"ScrollBar1"_s)->value(), 255);
            EXPECT_FALSE(shown(u"PageControl1"_s));
        } else {
            EXPECT_TRUE(fake.dialogs.calls.isEmpty());
            EXPECT_EQ(find<QTabWidget>(u"PageControl1"_s)->tabText(0), QStringView(c.title));
        }
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(fake.dialogs.errors().isEmpty());
    }

    const QStringList rest = QDir(fake.paths.appDir()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    EXPECT_EQ(rest, (QStringList{u"data.ini"_s, u"icons"_s}));
    if (c.reason) {
        EXPECT_EQ(fingerprint(dataPath()), before);
        return;
    }
    SettingsFile next(dataPath());
    EXPECT_EQ(next.isUtf8(), c.utf8);
    EXPECT_EQ(next.readText(u"main", u"name_1", u"0"_s), QStringView(c.title));
    EXPECT_EQ(next.readInteger(u"set", u"toumingdu", 0), 255);
}

INSTANTIATE_TEST_SUITE_P(, HostileDataFile, testing::ValuesIn(kHostileFiles), [](const auto& info) {
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

// ---- The program told to end ----

// Whether the process catches the signal yet: /proc shows its handlers.
bool catches(qint64 pid, int signal) {
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:")) return line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1) & 1;
    return false;
}

struct Ending {
    const char* name;
    int signal;
    enum class Refusing { Nothing, DataFile, Folder } refusing;
    int status;
    const char* dataWentTo;  // "data.ini", "beside", "state"
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

const Ending kEndings[] = {
    {"SIGTERM, saved", SIGTERM, Ending::Refusing::Nothing, 0, "data.ini"},
    {"SIGTERM, data.ini refuses", SIGTERM, Ending::Refusing::DataFile, 1, "beside"},
    {"SIGHUP, its folder refuses", SIGHUP, Ending::Refusing::Folder, 1, "state"},
};

class ProgramToldToEnd : public testing::TestWithParam<Ending> {};

TEST_P(ProgramToldToEnd, SavesOrRescuesWithoutWaitingForAnyone) {
    const Ending& c = GetParam();
    QTemporaryDir app, home;
    const QString program = app.filePath(u"vantrel"_s);
    const QString data = app.filePath(u"data.ini"_s);
    const QString state = home.filePath(u"state/vantrel"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTREL_EXECUTABLE), program));
    QDir(app.path()).mkdir(u"icons"_s);
    const QByteArray original = "[set]\r\ntoumingdu=200\r\nmine=kept\r\n";
    writeFile(data, original);
    QDir(home.path()).mkdir(u"run"_s);
    QFile::setPermissions(home.filePath(u"run"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    std::optional<WriteProtected> refusing;
    if (c.refusing != Ending::Refusing::Nothing) {
        refusing.emplace(c.refusing == Ending::Refusing::DataFile ? data : app.path());
        if (!refusing->effective()) GTEST_SKIP() << "this file system cannot refuse the write";
    }

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"XDG_STATE_HOME"_s, home.filePath(u"state"_s));
    environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, home.filePath(u"run"_s));
    child.setProcessEnvironment(environment);
    child.start(program, {});
    ASSERT_TRUE(child.waitForStarted());
    for (int i = 0; i < 3000 && !catches(child.processId(), c.signal) && child.state() == QProcess::Running; ++i)
        QThread::msleep(10);
    ASSERT_TRUE(catches(child.processId(), c.signal)) << child.readAllStandardError().toStdString();

    ::kill(pid_t(child.processId()), c.signal);
    const bool ended = child.waitForFinished(60000);
    if (!ended) child.kill();
    ASSERT_TRUE(ended) << "the program did not end";
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), c.status);
    refusing.reset();

    const QString told = QString::fromLocal8Bit(child.readAllStandardError());
    const std::string_view wentTo = c.dataWentTo;
    if (wentTo == "data.ini") {
        const QByteArray saved = readFile(data);
        EXPECT_TRUE(saved.startsWith(original)) << saved.toStdString();
        EXPECT_TRUE(saved.contains("[web3]\r\nweb3_now_1=0\r\n"));
        return;
    }
    EXPECT_EQ(readFile(data), original);
    const QDir folder(wentTo == "beside" ? app.path() : state);
    const QStringList rescues = folder.entryList({u"data.ini.rescue-*"_s}, QDir::Files);
    ASSERT_EQ(rescues.size(), 1) << told.toStdString();
    const QString rescue = folder.filePath(rescues.front());
    EXPECT_TRUE(told.contains(u"Unable to write to "_s + data)) << told.toStdString();
    EXPECT_TRUE(told.contains(rescue)) << told.toStdString();
    const QByteArray rescued = readFile(rescue);
    EXPECT_TRUE(rescued.startsWith(original)) << rescued.toStdString();
    EXPECT_TRUE(rescued.contains("[web3]\r\nweb3_now_1=0\r\n"));
}

INSTANTIATE_TEST_SUITE_P(, ProgramToldToEnd, testing::ValuesIn(kEndings), [](const auto& info) {
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
});

} // namespace
