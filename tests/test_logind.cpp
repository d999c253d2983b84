// The logind backend of the timed shutdown, against a stand-in login1 manager on a private
// bus that this test starts. The system-bus address points at that bus before anything
// connects, and every test first makes sure that the system bus really is the private one:
// nothing here may ever reach the machine's own logind.

#include "core/app_error.h"
#include "platform/linux_shutdown.h"
#include "support/fakes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kService = u"org.freedesktop.login1"_s;
const QString kPath = u"/org/freedesktop/login1"_s;
const QString kManager = u"org.freedesktop.login1.Manager"_s;

struct Call {
    QString member, signature;
    QVariantList arguments;
};

// login1's manager as far as the timed shutdown uses it: it records each call and answers
// it, or refuses it with a set message. It runs on a thread of its own, so that it answers
// while the code under test waits for the reply.
class FakeLogin1 : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != kManager) return false;
        QMutexLocker lock(&mutex_);
        calls_.push_back({message.member(), message.signature(), message.arguments()});
        if (!refusal_.isEmpty())
            connection.send(message.createErrorReply(u"org.freedesktop.DBus.Error.AccessDenied"_s, refusal_));
        else if (message.member() == u"CancelScheduledShutdown"_s)
            connection.send(message.createReply(true));
        else
            connection.send(message.createReply());
        return true;
    }
    QList<Call> takeCalls() {
        QMutexLocker lock(&mutex_);
        return std::exchange(calls_, {});
    }
    void refuse(const QString& message) {
        QMutexLocker lock(&mutex_);
        refusal_ = message;
    }

private:
    QMutex mutex_;
    QList<Call> calls_;
    QString refusal_;
};

// A bus of the test's own: no service activation, everything allowed to its one user.
const char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

QString busId(const QDBusConnection& bus) {
    const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
        u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s, u"org.freedesktop.DBus"_s, u"GetId"_s));
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString() : QString();
}

} // namespace

class LogindTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        const QString config = folder->filePath(u"bus.conf"_s);
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString::fromLatin1(kBusConfig).arg(folder->path()).toUtf8());
        file.close();

        daemon = new QProcess;
        daemon->start(u"dbus-daemon"_s, {u"--config-file="_s + config, u"--nofork"_s, u"--print-address"_s});
        ASSERT_TRUE(daemon->waitForReadyRead(10000)) << "dbus-daemon did not start";
        const QByteArray address = daemon->readLine().trimmed();
        // Before anything touches the system bus, which keeps its first address for good.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);

        bus = new QDBusConnection(QDBusConnection::connectToBus(QString::fromUtf8(address), u"fake-login1"_s));
        login1 = new FakeLogin1;
        thread = new QThread;
        login1->moveToThread(thread);
        thread->start();
        ASSERT_TRUE(bus->registerVirtualObject(kPath, login1));
        ASSERT_TRUE(bus->registerService(kService));
    }
    static void TearDownTestSuite() {
        QDBusConnection::disconnectFromBus(u"fake-login1"_s);
        if (thread) {
            thread->quit();
            thread->wait();
        }
        delete login1;
        delete thread;
        delete bus;
        if (daemon) {
            daemon->terminate();
            daemon->waitForFinished();
        }
        delete daemon;
        delete folder;
    }

    void SetUp() override {
        ASSERT_TRUE(bus && bus->isConnected());
        const QString privateBus = busId(*bus);
        ASSERT_FALSE(privateBus.isEmpty());
        ASSERT_EQ(busId(QDBusConnection::systemBus()), privateBus)
            << "the system bus is not the test's own; nothing is sent";
        login1->refuse({});
        login1->takeCalls();
    }

    // The moment the fake clock reads, in microseconds of the realtime clock.
    qulonglong nowMicroseconds() const { return qulonglong(clock.time.toMSecsSinceEpoch()) * 1000; }

    static inline QTemporaryDir* folder = nullptr;
    static inline QProcess* daemon = nullptr;
    static inline QDBusConnection* bus = nullptr;
    static inline FakeLogin1* login1 = nullptr;
    static inline QThread* thread = nullptr;

    FakeClock clock;
    LogindShutdown shutdown{clock};
};

TEST_F(LogindTest, SchedulesPowerOffOrRebootCountingFromNow) {
    const struct {
        PowerAction action;
        qint64 seconds;
        QString type;
    } cases[] = {{PowerAction::PowerOff, 5400, u"poweroff"_s},
                 {PowerAction::Reboot, 0, u"reboot"_s},
                 {PowerAction::PowerOff, 315360000, u"poweroff"_s}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        shutdown.schedule(c.action, c.seconds);
        const QList<Call> calls = login1->takeCalls();
        ASSERT_EQ(calls.size(), 1);
        EXPECT_EQ(calls[0].member, u"ScheduleShutdown"_s);
        EXPECT_EQ(calls[0].signature, u"st"_s);
        EXPECT_EQ(calls[0].arguments.value(0).toString(), c.type);
        EXPECT_EQ(calls[0].arguments.value(1).toULongLong(), nowMicroseconds() + qulonglong(c.seconds) * 1000000);
    }
}

TEST_F(LogindTest, CancelCallsOffTheScheduledShutdown) {
    shutdown.cancel();
    const QList<Call> calls = login1->takeCalls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].member, u"CancelScheduledShutdown"_s);
    EXPECT_TRUE(calls[0].arguments.isEmpty());
}

TEST_F(LogindTest, RefusalRaisesTheSystemsMessageButCancelStaysQuiet) {
    login1->refuse(u"Access denied"_s);
    try {
        shutdown.schedule(PowerAction::Reboot, 60);
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), u"Access denied"_s);
    }
    EXPECT_NO_THROW(shutdown.cancel());
    EXPECT_EQ(login1->takeCalls().size(), 2);
}

TEST_F(LogindTest, WithoutLogindTheRequestIsRefused) {
    ASSERT_TRUE(bus->unregisterService(kService));
    try {
        shutdown.schedule(PowerAction::PowerOff, 10);
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_FALSE(error.message().isEmpty());
    }
    EXPECT_NO_THROW(shutdown.cancel());
    EXPECT_TRUE(bus->registerService(kService));
    EXPECT_TRUE(login1->takeCalls().isEmpty());
}
