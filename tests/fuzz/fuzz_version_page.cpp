// libFuzzer target: the version page parser (see checks.h).
#include "fuzz/checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size) {
    const QString failure = checkVersionPage(QByteArrayView(data, qsizetype(size)));
    if (failure.isEmpty()) return 0;
    std::fprintf(stderr, "%s\n", failure.toLocal8Bit().constData());
    std::abort();
}
