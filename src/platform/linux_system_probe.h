#pragma once
// The machine as Linux reports it: CPUID, online processors, os-release, interfaces and
// the resolver, the PCI bus through libpci, the mount table with statvfs, and the disk
// serial from sysfs or the udev database.

#include "core/ports.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <chrono>

// The local address shown for this machine: among the IPv4 addresses of interfaces that are
// up and not loopback, the first the host name resolves to, else the first interface's;
// with no such interface the resolver's first answer. Empty when there is neither.
QHostAddress pickLocalAddress(const QList<QHostAddress>& resolved,
                              const QList<QHostAddress>& interfaces);

class LinuxSystemProbe : public SystemProbe {
public:
    // `root` is prepended to every file the probe reads (mount table, sysfs, the udev
    // database, mount points); empty for the running system.
    explicit LinuxSystemProbe(QString root = {});

    std::optional<CpuidRegisters> cpuid(quint32 function) override;
    int processorCount() override;
    QString osName() override;
    QString localAddress() override;
    std::optional<QString> displayAdapter() override;
    QList<DriveSpace> drives() override;
    QByteArray diskSerial() override;

    // How long the host name's resolution may hold the window.
    static constexpr std::chrono::milliseconds kResolveLimit{1000};

private:
    QString path(const QString& absolute) const { return root_ + absolute; }
    QString root_;
};
