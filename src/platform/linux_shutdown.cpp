#include "platform/linux_shutdown.h"

#include "core/app_error.h"

#include <QDBusConnection>
#include <QDBusMessage>

using namespace Qt::Literals::StringLiterals;

namespace {

QDBusMessage managerCall(const QString& method) {
    return QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                          u"org.freedesktop.login1.Manager"_s, method);
}

} // namespace

void LogindShutdown::schedule(PowerAction action, qint64 seconds) {
    QDBusMessage request = managerCall(u"ScheduleShutdown"_s);
    // logind takes the moment as microseconds of the realtime clock.
    const qint64 at = (clock_.now().toMSecsSinceEpoch() + seconds * 1000) * 1000;
    request << (action == PowerAction::Reboot ? u"reboot"_s : u"poweroff"_s) << qulonglong(at);
    const QDBusMessage reply = QDBusConnection::systemBus().call(request);
    if (reply.type() == QDBusMessage::ErrorMessage)
        throw AppError(reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage());
}

void LogindShutdown::cancel() { QDBusConnection::systemBus().call(managerCall(u"CancelScheduledShutdown"_s)); }
