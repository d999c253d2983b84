#include "sysinfo/sysinfo_rules.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QString hexPair(quint32 value) {
    const QString digits = QString::number(value, 16).toUpper().rightJustified(8, u'0');
    return digits.left(4) + u'-' + digits.mid(4);
}

bool isBlank(char byte) { return static_cast<unsigned char>(byte) <= 32; }

// Bytes of value 32 or less removed from both ends.
QByteArray trimmedBlanks(const QByteArray& bytes) {
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && isBlank(bytes[begin])) ++begin;
    while (end > begin && isBlank(bytes[end - 1])) --end;
    return bytes.mid(begin, end - begin);
}

// What a label shows of its bytes: everything up to the first NUL.
QString uptoNul(const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? bytes : bytes.left(nul));
}

QString shortest(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

} // namespace

QString CpuSignature(const CpuidRegisters& function1) {
    return hexPair(function1.eax) + u'-' + hexPair(function1.edx) + u'-' + hexPair(function1.ecx);
}

QByteArray cpuBrandBytes(SystemProbe& probe) {
    const auto highest = probe.cpuid(0x80000000);
    if (!highest || highest->eax <= 0x80000000) return {};
    QByteArray brand;
    for (quint32 function = 0x80000002; function <= 0x80000004; ++function) {
        const CpuidRegisters r = probe.cpuid(function).value_or(CpuidRegisters{});
        for (quint32 reg : {r.eax, r.ebx, r.ecx, r.edx})
            for (int shift = 0; shift < 32; shift += 8) brand.append(char(reg >> shift));
    }
    return brand;
}

CpuBrandText CpuBrand(const QByteArray& brand) {
    const QString nineSpaces(9, u' ');
    if (brand.isEmpty()) return {std::nullopt, nineSpaces};
    QByteArray second = brand.mid(28, 20);
    if (second.endsWith('\0')) second.chop(1);
    return {uptoNul(trimmedBlanks(brand.left(16)) + brand.mid(16, 12)),
            uptoNul(second + nineSpaces.toLatin1())};
}

QString OsName(quint32 platformId, quint32 major, quint32 minor) {
    // The version as its decimal text: minor 10 is x.1, minor 0 is x itself.
    QString fraction = QString::number(minor);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    const QString v = fraction.isEmpty() ? QString::number(major)
                                         : QString::number(major) + u'.' + fraction;
    struct Row {
        quint32 platform;
        QString version;  // empty: any version
        QString name;
    };
    static const Row table[] = {
        {0, {}, u"Windows 32"_s},
        {1, u"4"_s, u"Windows 95"_s},
        {1, u"4.1"_s, u"Windows 98"_s},
        {1, u"4.9"_s, u"Windows Me"_s},
        {1, {}, u"Windows 9x"_s},
        {2, u"3.51"_s, u"Windows NT 3.51"_s},
        {2, u"4"_s, u"Windows NT 4.0"_s},
        {2, u"5"_s, u"Windows 2000"_s},
        {2, u"5.1"_s, u"Windows Xp"_s},
        {2, u"5.2"_s, u"Windows 2003"_s},
        {2, u"6"_s, u"Windows vista"_s},
        {2, u"6.1"_s, u"Windows 7"_s},
        {2, {}, u"Windows"_s},
    };
    for (const Row& row : table)
        if (row.platform == platformId && (row.version.isEmpty() || row.version == v))
            return row.name;
    return u"Windows ??"_s;
}

QString sizeText(quint64 bytes, const QLocale& locale) {
    const double gigabytes = double(bytes) / 1024 / 1024 / 1024;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return shortest(std::nearbyint(gigabytes * 100) / 100, locale);
}

VolumeSizeTexts VolumeSizes(const DriveSpace& drive, const QLocale& locale) {
    return {sizeText(drive.freeBytes, locale), sizeText(drive.totalBytes, locale)};
}

QString DriveLine(const QString& drive, const VolumeSizeTexts& sizes) {
    return drive + u"盘 剩:"_s + sizes.free + u"G 总:"_s + sizes.total + u'G';
}

QString driveTotalText(const QStringList& totals, const QLocale& locale) {
    double sum = 0;
    for (const QString& total : totals) sum += locale.toDouble(total);
    return shortest(sum, locale) + u"G  "_s;
}

QByteArray ataSerialField(const QByteArray& identify) {
    QByteArray serial = identify.mid(20, 20);
    for (qsizetype i = 0; i + 1 < serial.size(); i += 2) std::swap(serial[i], serial[i + 1]);
    return serial;
}

QString DiskSerialText(const QByteArray& serial) { return uptoNul(trimmedBlanks(serial)); }
