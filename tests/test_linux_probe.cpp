// The Linux system probe: against this machine's own files where their value is known, and
// against a mount table and a sysfs tree laid out in a temporary folder.
#include "platform/linux_system_probe.h"
#include "sysinfo/sysinfo_rules.h"
#include "support/fixtures.h"

#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// A folder standing in for the file system's root.
class FakeRoot {
public:
    void write(const QString& path, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(dir.path() + path).path());
        writeFile(dir.path() + path, bytes);
    }
    void mkdir(const QString& path) const { QDir().mkpath(dir.path() + path); }
    QString path() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

// The value of one key of a "key: value" or "KEY=value" text, as the file gives it.
QString field(const QString& file, const QString& key, QChar separator) {
    for (const QByteArray& line : readFile(file).split('\n')) {
        const QString text = QString::fromUtf8(line);
        if (text.section(separator, 0, 0).trimmed() == key) return text.section(separator, 1).trimmed();
    }
    return {};
}

TEST(LinuxSystemProbe, LocalAddressPrefersAResolvedAddressOfAnInterfaceThatIsUp) {
    const QHostAddress lan(u"192.168.1.20"_s), wifi(u"10.0.0.7"_s), loopback(u"127.0.1.1"_s);
    const struct {
        const char* name;
        QList<QHostAddress> resolved, interfaces;
        QHostAddress picked;
    } cases[] = {
        {"resolution order among the interfaces", {loopback, wifi, lan}, {lan, wifi}, wifi},
        {"host name resolves to loopback only", {loopback}, {lan, wifi}, lan},
        {"host name unresolvable", {}, {wifi, lan}, wifi},
        {"no interface up", {loopback, lan}, {}, loopback},
        {"neither", {}, {}, QHostAddress()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pickLocalAddress(c.resolved, c.interfaces), c.picked);
    }
}

TEST(LinuxSystemProbe, ProcessorsAndSystemNameAreThoseOfThisMachine) {
    LinuxSystemProbe probe;
    // "0-3,6": the online processors as ranges.
    const QString online = QString::fromLatin1(readFile(u"/sys/devices/system/cpu/online"_s)).trimmed();
    if (!online.isEmpty()) {
        int count = 0;
        for (const QString& range : online.split(u','))
            count += range.section(u'-', -1).toInt() - range.section(u'-', 0, 0).toInt() + 1;
        EXPECT_EQ(probe.processorCount(), count);
    }
    QString pretty = field(u"/etc/os-release"_s, u"PRETTY_NAME"_s, u'=');
    if (pretty.isEmpty()) GTEST_SKIP() << "no os-release here";
    if (pretty.startsWith(u'"')) pretty = pretty.mid(1).chopped(1);
    EXPECT_EQ(probe.osName(), pretty);
}

TEST(LinuxSystemProbe, CpuidGivesTheVendorAndBrandTheKernelReports) {
    LinuxSystemProbe probe;
    const auto function0 = probe.cpuid(0);
    const QString vendor = field(u"/proc/cpuinfo"_s, u"vendor_id"_s, u':');
    if (!function0 || vendor.isEmpty()) GTEST_SKIP() << "no CPUID here";
    QByteArray name;
    for (quint32 reg : {function0->ebx, function0->edx, function0->ecx})
        for (int shift = 0; shift < 32; shift += 8) name.append(char(reg >> shift));
    EXPECT_EQ(QString::fromLatin1(name), vendor);
    // The kernel's model name is the brand without its blanks around.
    const QString model = field(u"/proc/cpuinfo"_s, u"model name"_s, u':');
    const QByteArray brand = cpuBrandBytes(probe);
    if (!brand.isEmpty() && !model.isEmpty()) {
        EXPECT_EQ(QString::fromLatin1(brand.split('\0').front()).trimmed(), model);
    }
}

TEST(LinuxSystemProbe, DrivesAreTheBlockDeviceMountsOnceEachInMountPointOrder) {
    FakeRoot root;
    root.write(u"/proc/self/mounts"_s,
               "/dev/sda2 / ext4 rw,relatime 0 0\n"
               "proc /proc proc rw 0 0\n"
               "tmpfs /run tmpfs rw 0 0\n"
               "/dev/sda3 /home ext4 rw 0 0\n"
               "/dev/sdb1 /media/u/U\\040\xe7\x9b\x98 vfat rw 0 0\n"
               "server:/export /mnt/nfs nfs4 rw 0 0\n"
               "//server/share /mnt/smb cifs rw 0 0\n"
               "u@host:/ /mnt/ssh fuse.sshfs rw 0 0\n"
               "/dev/loop3 /snap/core/17 squashfs ro 0 0\n"
               "/dev/sr0 /media/u/CDROM iso9660 ro 0 0\n"
               "/dev/zram1 /var/tmp ext4 rw 0 0\n"
               "/dev/nbd0 /mnt/nbd ext4 rw 0 0\n"
               "/dev/sda2 /srv/www ext4 rw 0 0\n"
               "/dev/sdc1 /data ext4 rw 0 0\n"
               "tmpfs /data tmpfs rw 0 0\n"
               "/dev/mapper/vg-var /var xfs rw 0 0\n");
    for (const QString& mountPoint : {u"/"_s, u"/home"_s, u"/media/u/U 盘"_s}) root.mkdir(mountPoint);

    const QList<DriveSpace> drives = LinuxSystemProbe(root.path()).drives();
    QStringList names;
    for (const DriveSpace& drive : drives) names << drive.name;
    EXPECT_EQ(names, QStringList({u"/"_s, u"/home"_s, u"/media/u/U 盘"_s, u"/var"_s}));

    // Sizes are the volume's total and free blocks; a mount point that cannot be asked has none.
    const QStorageInfo volume(root.path());
    ASSERT_EQ(drives.size(), 4);
    EXPECT_EQ(drives[0].totalBytes, quint64(volume.bytesTotal()));
    EXPECT_GT(drives[0].freeBytes, 0u);
    EXPECT_LE(drives[0].freeBytes, drives[0].totalBytes);
    // Free counts the blocks kept for root too: where they are many, it lies near the
    // volume's free bytes, not near what an ordinary user may take.
    const qint64 reserved = volume.bytesFree() - volume.bytesAvailable();
    if (reserved > (qint64(64) << 20)) {
        EXPECT_LT(std::llabs(qint64(drives[0].freeBytes) - volume.bytesFree()), reserved / 2);
    }
    EXPECT_EQ(drives[3].totalBytes, 0u);
    EXPECT_EQ(drives[3].freeBytes, 0u);
}

TEST(LinuxSystemProbe, SerialIsTheFirstFixedWholeDisksFromSysfsOrUdev) {
    struct Disk {
        QString name;
        bool device = true;
        QByteArray removable = "0\n";
        QList<std::pair<QString, QByteArray>> files;  // below the disk's folder, or below the root
    };
    const QByteArray page80 = QByteArray("\x00\x80\x00\x0c", 4) + "  WD-ABC123  trailing";
    const struct {
        const char* name;
        QList<Disk> disks;
        QByteArray serial;
    } cases[] = {
        {"unit serial page, beyond its length ignored",
         {{u"loop0"_s, false, "0\n", {{u"/serial"_s, "loop"}}},
          {u"sda"_s, true, "0\n", {{u"/device/vpd_pg80"_s, page80}}}},
         "  WD-ABC123 "},
        {"name order, the device's own serial",
         {{u"sda"_s, true, "0\n", {{u"/device/vpd_pg80"_s, page80}}},
          {u"nvme0n1"_s, true, "0\n", {{u"/device/serial"_s, "S3EWNX0K  \n"}}}},
         "S3EWNX0K  \n"},
        {"virtio disk",
         {{u"vda"_s, true, "0\n", {{u"/serial"_s, "overlayblk"}}}},
         "overlayblk"},
        {"removable disk skipped, udev database",
         {{u"sda"_s, true, "1\n", {{u"/device/serial"_s, "CARD"}}},
          {u"sdb"_s, true, "0\n",
           {{u"/dev"_s, "8:16\n"},
            {u"/run/udev/data/b8:16"_s, "S:disk/by-id/x\nE:ID_SERIAL=Disk_XYZ\nE:ID_SERIAL_SHORT=XYZ\n"}}}},
         "XYZ"},
        {"nothing readable", {{u"sda"_s, true, "0\n", {{u"/dev"_s, "8:0\n"}}}}, {}},
        {"no disk", {{u"zram0"_s, false, "0\n", {}}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRoot root;
        for (const Disk& disk : c.disks) {
            const QString dir = u"/sys/block/"_s + disk.name;
            root.write(dir + u"/removable"_s, disk.removable);
            if (disk.device) root.mkdir(dir + u"/device"_s);
            for (const auto& [file, bytes] : disk.files)
                root.write(file.startsWith(u"/run"_s) ? file : dir + file, bytes);
        }
        EXPECT_EQ(LinuxSystemProbe(root.path()).diskSerial(), c.serial);
    }
}

TEST(LinuxSystemProbe, DisplayAdapterIsTheFirstDisplayDeviceByBusAddress) {
    struct Device {
        QString address;
        QByteArray vendor, device, deviceClass;
    };
    const Device bridge{u"0000:00:00.0"_s, "0x8086", "0x5914", "0x060000"};
    const Device intel{u"0000:00:02.0"_s, "0x8086", "0x5917", "0x030000"};
    const Device nvidia{u"0000:01:00.0"_s, "0x10de", "0x1c8d", "0x030200"};
    const struct {
        const char* name;
        QList<Device> devices;
        std::optional<QString> adapter;
    } cases[] = {
        {"lowest address wins", {nvidia, bridge, intel}, u"Intel Corporation UHD Graphics 620"_s},
        {"no display device", {bridge}, std::nullopt},
        {"a device the bus cannot describe", {{u"0000:00:03.0"_s, "0x8086", "0x5917", {}}}, std::nullopt},
        {"no bus", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRoot root;
        for (const Device& d : c.devices) {
            const QString dir = u"/sys/bus/pci/devices/"_s + d.address;
            root.write(dir + u"/vendor"_s, d.vendor + '\n');
            root.write(dir + u"/device"_s, d.device + '\n');
            if (!d.deviceClass.isEmpty()) root.write(dir + u"/class"_s, d.deviceClass + '\n');
        }
        EXPECT_EQ(LinuxSystemProbe(root.path()).displayAdapter(), c.adapter);
    }
}

} // namespace
