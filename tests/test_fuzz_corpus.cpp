// Every file of the fuzz corpus folders, the crashes found once among them, replayed
// through the checks of its fuzz target.
#include "fuzz/checks.h"
#include "support/fixtures.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct Target {
    const char* folder;
    QString (*check)(QByteArrayView);
};

const Target kTargets[] = {
    {"settings_file", checkSettingsRoundTrip},
    {"texts", checkTexts},
    {"version_page", checkVersionPage},
};

TEST(FuzzCorpus, EveryFileReplaysWithoutAFault) {
    for (const Target& target : kTargets) {
        const QDir folder(QStringLiteral(FUZZ_CORPUS_DIR "/") + QLatin1StringView(target.folder));
        const QStringList files = folder.entryList(QDir::Files);
        EXPECT_FALSE(files.isEmpty()) << target.folder;
        for (const QString& name : files) {
            SCOPED_TRACE(folder.filePath(name).toStdString());
            EXPECT_EQ(target.check(readFile(folder.filePath(name))), QString());
        }
    }
}

} // namespace
