// Backup and restore on a temporary program folder and a temporary home: the questions,
// the messages, what lands on disk, and copies that fail.

#include "core/app_error.h"
#include "store/backup.h"
#include "support/fakes.h"
#include "support/fixtures.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

class Backup : public testing::Test {
protected:
    QString data() const { return paths.dataFile(); }
    QString bak() const { return paths.backupFile(); }
    // The boxes shown after the question, as "caption: text".
    QStringList messages() const {
        QStringList out;
        for (const FakeDialogs::Call& call : dialogs.calls)
            if (call.kind == u"message"_s) out << call.caption + u": "_s + call.text;
        return out;
    }
    void backup(bool yes) {
        dialogs.yesNoAnswers.push_back(yes);
        backupData(dialogs, nullptr, paths);
    }
    void restore(bool yes) {
        dialogs.yesNoAnswers.push_back(yes);
        restoreData(dialogs, nullptr, paths, restored);
    }

    FakePaths paths;
    FakeDialogs dialogs;
    bool restored = false;
};

TEST_F(Backup, AsksFirstAndOnlyYesCopies) {
    writeFile(data(), "[set]\r\nskin=3\r\n");
    backup(false);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].kind, u"yesNo"_s);
    EXPECT_EQ(dialogs.calls[0].caption, u"备份"_s);
    EXPECT_EQ(dialogs.calls[0].text, u"请重启程序后再备份数据以防丢失!"_s);
    EXPECT_FALSE(QFile::exists(bak()));

    backup(true);
    EXPECT_EQ(readFile(bak()), "[set]\r\nskin=3\r\n");
    EXPECT_EQ(messages(), QStringList{u"提示: 备份成功!(数据已备份到"_s + bak() + u")"_s});
}

TEST_F(Backup, TwoBackupsLeaveOnlyTheSecond) {
    writeFile(data(), "first, and longer than the second\r\n");
    backup(true);
    writeFile(data(), "second\r\n");
    backup(true);
    EXPECT_EQ(readFile(bak()), "second\r\n");
    EXPECT_EQ(QDir(paths.home.path()).entryList(QDir::Files), QStringList{u"data.bak"_s});
}

TEST_F(Backup, MissingFilesAreNamedAndNothingIsCopied) {
    // Before the first close there is no data file; a folder by the backup's name is no backup.
    backup(true);
    EXPECT_FALSE(QFile::exists(bak()));
    QDir().mkdir(bak());
    writeFile(data(), "kept\r\n");
    restore(true);
    EXPECT_EQ(readFile(data()), "kept\r\n");
    EXPECT_FALSE(restored);
    EXPECT_EQ(messages(), (QStringList{u"提示: 没有找到数据文件!"_s, u"提示: 没有找到备份文件!请先备份!"_s}));
}

TEST_F(Backup, RestoreCopiesTheBackupBackAndMarksTheRun) {
    writeFile(data(), "now\r\n");
    writeFile(bak(), "backed up\r\n");
    restore(false);
    EXPECT_EQ(dialogs.calls.last().caption, u"还原"_s);
    EXPECT_EQ(dialogs.calls.last().text, u"确定要还原数据吗?"_s);
    EXPECT_EQ(readFile(data()), "now\r\n");
    EXPECT_FALSE(restored);

    restore(true);
    EXPECT_EQ(readFile(data()), "backed up\r\n");
    EXPECT_TRUE(restored);
    EXPECT_EQ(messages(), QStringList{u"提示: 还原成功!请重启程序!"_s});
}

TEST_F(Backup, RefusedCopiesLeaveTheirTargetWholeAndSayWhy) {
    writeFile(data(), "data\r\n");
    writeFile(bak(), "old backup\r\n");
    struct Case {
        const char* what;
        QString protectedPath, target;
        bool isRestore;
    } cases[] = {
        {"backup into a home that refuses writes", paths.home.path(), bak(), false},
        {"restore into a program folder that refuses writes", paths.dir.path(), data(), true},
        {"restore over a read-only data file", data(), data(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray before = readFile(c.target);
        const WriteProtected guard(c.protectedPath);
        if (!guard.effective()) GTEST_SKIP() << "this file system cannot refuse the write";
        dialogs.calls.clear();
        try {
            c.isRestore ? restore(true) : backup(true);
            ADD_FAILURE() << "the copy did not fail";
        } catch (const AppError& error) {
            EXPECT_TRUE(error.message().startsWith(u"Unable to write to "_s + c.target + u" ("_s))
                << error.message().toStdString();
        }
        EXPECT_EQ(readFile(c.target), before);
        EXPECT_TRUE(messages().isEmpty());
        EXPECT_FALSE(restored);
    }
}

TEST(CopyFileReplacing, AnUnreadableSourceChangesNothing) {
    FakePaths paths;
    writeFile(paths.backupFile(), "old\r\n");
    try {
        copyFileReplacing(paths.dataFile(), paths.backupFile());
        ADD_FAILURE() << "a missing source was copied";
    } catch (const AppError& error) {
        EXPECT_TRUE(error.message().startsWith(u"Unable to read "_s + paths.dataFile()));
    }
    EXPECT_EQ(readFile(paths.backupFile()), "old\r\n");
}
