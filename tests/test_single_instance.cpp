// One program per data file, with real processes of the built program, each started
// headless from a temporary portable folder holding a copy of it.

#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class SingleInstanceTest : public testing::Test {
protected:
    // A portable folder: the program and its icons folder.
    static QString portable(const QTemporaryDir& dir) {
        QDir(dir.path()).mkdir(u"icons"_s);
        QFile::copy(QStringLiteral(VANTREL_BINARY), dir.filePath(u"vantrel"_s));
        return dir.path();
    }
    std::unique_ptr<QProcess> launch(const QString& folder) {
        auto process = std::make_unique<QProcess>();
        process->setWorkingDirectory(folder);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(folder + u"/vantrel"_s, {});
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }
    // Whether the program of a folder runs with its window up: asked to show it, as a second
    // start asks, it says it did. It is given a few seconds to come up.
    static bool answers(const QString& folder) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            QLocalSocket socket;
            socket.connectToServer(instanceKey(folder + u"/data.ini"_s));
            if (socket.waitForConnected(100)) {
                socket.write("show\n");
                while (!socket.canReadLine() && socket.waitForReadyRead(5000)) {}
                return socket.readLine() == "shown\n";
            }
            QThread::msleep(100);
        }
        return false;
    }
    static void stop(QProcess& process) {
        process.terminate();
        if (!process.waitForFinished(10000)) process.kill();
        process.waitForFinished();
    }

    QTemporaryDir one, two;
};

TEST_F(SingleInstanceTest, ASecondStartHandsOverAndWritesNothingOtherFoldersRunBeside) {
    const QString folder = portable(one);
    auto first = launch(folder);
    ASSERT_TRUE(answers(folder));

    auto second = launch(folder);
    ASSERT_TRUE(second->waitForFinished(30000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{u"vantrel"_s});

    const QString other = portable(two);
    auto beside = launch(other);
    EXPECT_TRUE(answers(other));
    EXPECT_EQ(beside->state(), QProcess::Running);
    EXPECT_EQ(first->state(), QProcess::Running);

    stop(*first);
    stop(*beside);
    // Each saved its own data file when it ended.
    EXPECT_TRUE(QFile::exists(folder + u"/data.ini"_s));
    EXPECT_TRUE(QFile::exists(other + u"/data.ini"_s));
}

TEST_F(SingleInstanceTest, AProgramThatDiedDoesNotHoldItsFolder) {
    const QString folder = portable(one);
    auto crashed = launch(folder);
    ASSERT_TRUE(answers(folder));
    crashed->kill();
    crashed->waitForFinished();

    auto next = launch(folder);
    EXPECT_TRUE(answers(folder));
    EXPECT_EQ(next->state(), QProcess::Running);
    stop(*next);
}
