#pragma once
// The texts of the "配置" page computed from what the machine reports: processor signature
// and brand, the system's name, drive sizes and lines, their total, and the disk serial.

#include "core/ports.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// CPUID function 1 as "EEEE-EEEE-DDDD-DDDD-CCCC-CCCC": EAX, EDX and ECX in upper-case hex,
// each split after its fourth digit.
QString CpuSignature(const CpuidRegisters& function1);

// The 48 bytes of the processor brand (functions 0x80000002..4, each register lowest byte
// first), or empty when the processor names no brand (or has no CPUID at all).
QByteArray cpuBrandBytes(SystemProbe& probe);

// The two brand labels. The first is absent when there is no brand (its label keeps its
// text); the second always ends in nine spaces unless a NUL inside the brand cuts it.
struct CpuBrandText {
    std::optional<QString> first;
    QString second;
};
CpuBrandText CpuBrand(const QByteArray& brand);

// The Windows system's name from its platform id and version, first match of the table;
// the version compares as the decimal number major.minor, whatever the user's locale.
QString OsName(quint32 platformId, quint32 major, quint32 minor);

// A byte count as GB (2^30 bytes) rounded to hundredths, halves to even, in the shortest
// form with the locale's decimal separator.
QString sizeText(quint64 bytes, const QLocale& locale);

struct VolumeSizeTexts {
    QString free;
    QString total;
};
VolumeSizeTexts VolumeSizes(const DriveSpace& drive, const QLocale& locale);

// "<drive>盘 剩:<free>G 总:<total>G"
QString DriveLine(const QString& drive, const VolumeSizeTexts& sizes);

// The sum of the total size texts read back as numbers, then "G  ".
QString driveTotalText(const QStringList& totals, const QLocale& locale);

// The serial-number field of the disk's 512-byte IDENTIFY data (bytes 20 to 39), with the
// two bytes of every word exchanged into reading order.
QByteArray ataSerialField(const QByteArray& identify);

// A disk serial as shown: blanks and control bytes cut from both ends, then up to a NUL.
QString DiskSerialText(const QByteArray& serial);
