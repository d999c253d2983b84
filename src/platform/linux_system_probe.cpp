#include "platform/linux_system_probe.h"

#include "core/app_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QMap>
#include <QNetworkInterface>
#include <QSet>
#include <QSysInfo>

#include <algorithm>
#include <condition_variable>
#include <csetjmp>
#include <memory>
#include <mutex>
#include <thread>
#include <tuple>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/statvfs.h>
#include <unistd.h>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

extern "C" {
#include <pci/pci.h>
}

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray readSmall(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1 << 16) : QByteArray();
}

// The host name's IPv4 addresses, or the resolver's error code.
struct Resolution {
    int code = EAI_AGAIN;
    QList<QHostAddress> addresses;
};

// Resolves on a helper thread and waits at most `limit`; a resolver that answers later
// finishes on its own and its answer is dropped.
Resolution resolveBounded(const QByteArray& host, std::chrono::milliseconds limit) {
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        Resolution result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, host] {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* list = nullptr;
        Resolution result;
        result.code = getaddrinfo(host.constData(), nullptr, &hints, &list);
        for (const addrinfo* entry = list; entry; entry = entry->ai_next)
            result.addresses << QHostAddress(entry->ai_addr);
        if (list) freeaddrinfo(list);
        const std::lock_guard lock(shared->mutex);
        shared->result = result;
        shared->finished = true;
        shared->done.notify_one();
    }).detach();
    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, limit, [&] { return shared->finished; })) return {};
    return shared->result;
}

QList<QHostAddress> interfaceAddresses() {
    QList<QHostAddress> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsUp) ||
            interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) addresses << entry.ip();
    }
    return addresses;
}

// libpci reports a failure through a handler that must not return: it jumps back to the
// caller, which then gives up on the bus.
thread_local std::jmp_buf* pciEscape = nullptr;
__attribute__((noreturn)) void pciFailed(char*, ...) { std::longjmp(*pciEscape, 1); }
void pciIgnored(char*, ...) {}

// The first display-class device by bus address, named from the ID database. Only C calls
// and trivial locals here, so that a failure may jump out of it.
bool firstDisplayName(pci_access* pci, char* name, int size) {
    pci_init(pci);
    pci_scan_bus(pci);
    pci_dev* first = nullptr;
    for (pci_dev* dev = pci->devices; dev; dev = dev->next) {
        pci_fill_info(dev, PCI_FILL_IDENT | PCI_FILL_CLASS);
        if ((dev->device_class >> 8) != PCI_BASE_CLASS_DISPLAY) continue;
        if (!first || std::tie(dev->domain, dev->bus, dev->dev, dev->func) <
                          std::tie(first->domain, first->bus, first->dev, first->func))
            first = dev;
    }
    return first && pci_lookup_name(pci, name, size, PCI_LOOKUP_VENDOR | PCI_LOOKUP_DEVICE,
                                     first->vendor_id, first->device_id);
}

// A field of the mount table, whose blanks and backslashes are written as octal escapes.
QByteArray unescaped(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool octal = false;
        if (field[i] == '\\' && i + 3 < field.size()) {
            const int value = field.mid(i + 1, 3).toInt(&octal, 8);
            if (octal) {
                out.append(char(value));
                i += 3;
            }
        }
        if (!octal) out.append(field[i]);
    }
    return out;
}

// A mounted file system a user thinks of as a drive: backed by a block device, which is not
// memory, an optical disc, a loop file or a network block device, and not a packed image.
// Network file systems have no device here, so none of them is ever asked for its sizes.
bool isDrive(const QByteArray& source, const QByteArray& type) {
    static const QByteArrayList imageTypes = {"squashfs", "iso9660", "udf"};
    static const QByteArrayList otherDevices = {"loop", "ram", "zram", "sr", "nbd", "rbd"};
    if (!source.startsWith("/dev/") || imageTypes.contains(type)) return false;
    const QByteArray device = source.mid(5);
    return std::none_of(otherDevices.cbegin(), otherDevices.cend(),
                        [&](const QByteArray& prefix) { return device.startsWith(prefix); });
}

} // namespace

QHostAddress pickLocalAddress(const QList<QHostAddress>& resolved,
                              const QList<QHostAddress>& interfaces) {
    for (const QHostAddress& address : resolved)
        if (interfaces.contains(address)) return address;
    if (!interfaces.isEmpty()) return interfaces.front();
    return resolved.isEmpty() ? QHostAddress() : resolved.front();
}

LinuxSystemProbe::LinuxSystemProbe(QString root) : root_(std::move(root)) {}

std::optional<CpuidRegisters> LinuxSystemProbe::cpuid(quint32 function) {
#if defined(__i386__) || defined(__x86_64__)
    if (__get_cpuid_max(0, nullptr) == 0) return std::nullopt;
    CpuidRegisters r;
    __cpuid(function, r.eax, r.ebx, r.ecx, r.edx);
    return r;
#else
    Q_UNUSED(function);
    return std::nullopt;
#endif
}

int LinuxSystemProbe::processorCount() { return int(sysconf(_SC_NPROCESSORS_ONLN)); }

QString LinuxSystemProbe::osName() { return QSysInfo::prettyProductName(); }

QString LinuxSystemProbe::localAddress() {
    const Resolution resolution =
        resolveBounded(QHostInfo::localHostName().toLocal8Bit(), kResolveLimit);
    const QHostAddress address = pickLocalAddress(resolution.addresses, interfaceAddresses());
    if (address.isNull()) throw AppError(QString::fromLocal8Bit(gai_strerror(resolution.code)));
    return address.toString();
}

std::optional<QString> LinuxSystemProbe::displayAdapter() {
    QByteArray sysfs = QFile::encodeName(path(u"/sys/bus/pci"_s));
    pci_access* pci = pci_alloc();
    pci->method = PCI_ACCESS_SYS_BUS_PCI;
    pci->error = pciFailed;
    pci->warning = pciIgnored;
    pci_set_param(pci, const_cast<char*>("sysfs.path"), sysfs.data());
    char name[256];
    volatile bool found = false;
    std::jmp_buf escape;
    pciEscape = &escape;
    if (setjmp(escape) == 0) found = firstDisplayName(pci, name, sizeof name);
    pciEscape = nullptr;
    pci_cleanup(pci);
    if (!found) return std::nullopt;
    return QString::fromUtf8(name);
}

QList<DriveSpace> LinuxSystemProbe::drives() {
    QFile table(path(u"/proc/self/mounts"_s));
    if (!table.open(QIODevice::ReadOnly)) return {};
    // What is mounted last on a mount point hides what was there before.
    struct Mounted {
        QByteArray source, type;
    };
    QMap<QString, Mounted> top;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() >= 3)
            top[QFile::decodeName(unescaped(fields[1]))] = {unescaped(fields[0]), fields[2]};
    }
    QList<DriveSpace> drives;
    QSet<QByteArray> listed;
    for (auto it = top.cbegin(); it != top.cend(); ++it) {
        if (!isDrive(it->source, it->type) || listed.contains(it->source)) continue;
        listed.insert(it->source);
        DriveSpace drive{it.key()};
        struct statvfs fs;
        if (statvfs(QFile::encodeName(path(it.key())).constData(), &fs) == 0) {
            drive.totalBytes = quint64(fs.f_blocks) * fs.f_frsize;
            drive.freeBytes = quint64(fs.f_bfree) * fs.f_frsize;
        }
        drives << drive;
    }
    return drives;
}

QByteArray LinuxSystemProbe::diskSerial() {
    const QString blocks = path(u"/sys/block"_s);
    const QStringList names =
        QDir(blocks).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    // The first disk: a whole disk on real hardware (not a loop, memory or mapped device,
    // which have no device link) that cannot be removed.
    const auto disk = std::find_if(names.cbegin(), names.cend(), [&](const QString& name) {
        const QString dir = blocks + u'/' + name;
        return QFileInfo::exists(dir + u"/device"_s) &&
               readSmall(dir + u"/removable"_s).trimmed() == "0";
    });
    if (disk == names.cend()) return {};
    const QString dir = blocks + u'/' + *disk;
    for (const QString& file : {u"/device/serial"_s, u"/serial"_s})
        if (const QByteArray serial = readSmall(dir + file); !serial.isEmpty()) return serial;
    // The unit serial number page: a four-byte header whose last two bytes give the length.
    if (const QByteArray page = readSmall(dir + u"/device/vpd_pg80"_s); page.size() > 4)
        return page.mid(4, (quint8(page[2]) << 8) | quint8(page[3]));
    const QByteArray device = readSmall(dir + u"/dev"_s).trimmed();
    const QByteArray key = "E:ID_SERIAL_SHORT=";
    for (const QByteArray& line :
         readSmall(path(u"/run/udev/data/b"_s) + QString::fromLatin1(device)).split('\n'))
        if (line.startsWith(key)) return line.mid(key.size());
    return {};
}
