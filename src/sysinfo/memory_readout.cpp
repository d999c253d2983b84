#include "sysinfo/memory_readout.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Free share in per cent; an unknown total counts as all free.
double freePercent(quint64 available, quint64 total) {
    return total == 0 ? 100.0 : double(available) / double(total) * 100.0;
}

QString megabytes(const QString& prefix, quint64 bytes) {
    return prefix + QString::number((bytes >> 20) + 1) + u"MB    "_s;
}

} // namespace

MemoryReadout memoryReadout(const MemoryStatus& status, const QLocale& locale) {
    const double p = freePercent(status.availablePhysical, status.totalPhysical);
    const double v = freePercent(status.availableVirtual, status.totalVirtual);
    // std::nearbyint rounds halves to even in the default rounding mode.
    return {megabytes(u"物理"_s, status.totalPhysical),
            megabytes(u"虚拟"_s, status.totalVirtual),
            100 - int(std::nearbyint(p)),
            100 - int(std::nearbyint(v)),
            locale.toString(100.0 - p, 'f', 2) + u"%"_s,
            locale.toString(100.0 - v, 'f', 2) + u"%"_s};
}
