// The "配置" page: the texts made from what the machine reports, and the refresh each entry
// to the page runs against a described machine.
#include "sysinfo/sysinfo_page.h"
#include "sysinfo/sysinfo_rules.h"
#include "support/fakes.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QLocale dot(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::German, QLocale::Germany);

QByteArray padded(const QByteArray& bytes, qsizetype size, char fill = '\0') {
    return bytes + QByteArray(size - bytes.size(), fill);
}

TEST(SysInfoRules, SignatureIsEaxEdxEcxInUpperCaseHexSplitAfterFourDigits) {
    const struct {
        CpuidRegisters registers;
        QString signature;
    } cases[] = {
        {{0x000306A9, 0x12345678, 0x7FBAE3BE, 0x1A2B3C4D}, u"0003-06A9-1A2B-3C4D-7FBA-E3BE"_s},
        {{0, 0, 0, 0}, u"0000-0000-0000-0000-0000-0000"_s},
        {{0xFFFFFFFF, 0, 0x00A00000, 0x0000000A}, u"FFFF-FFFF-0000-000A-00A0-0000"_s},
    };
    for (const auto& c : cases) EXPECT_EQ(CpuSignature(c.registers), c.signature);
}

TEST(SysInfoRules, BrandSplitsIntoTrimmedFirstPartAndSecondPartWithNineSpaces) {
    const QString nine(9, u' ');
    const struct {
        const char* name;
        QByteArray brand;
        QString first, second;
    } cases[] = {
        {"brand ending in NULs", padded("Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz", 48),
         u"Intel(R) Core(TM) i7-8650U C"_s, u"PU @ 1.90GHz"_s},
        {"first sixteen bytes blank", QByteArray(16, ' ') + "AMD Ryzen 7 " + padded("5800X", 20),
         u"AMD Ryzen 7 "_s, u"5800X"_s},
        {"blanks and control bytes around the first part",
         padded("\t \x01Genuine", 16, ' ') + " Proc essor " + padded("Z", 20), u"Genuine Proc essor "_s,
         u"Z"_s},
        {"47 bytes and a final NUL", padded(QByteArray(47, 'x'), 48), QString(28, u'x'),
         QString(19, u'x') + nine},
        {"48 bytes without a NUL", QByteArray(28, 'y') + QByteArray(20, 'z'), QString(28, u'y'),
         QString(20, u'z') + nine},
        {"no brand", {}, {}, nine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CpuBrandText text = CpuBrand(c.brand);
        EXPECT_EQ(text.first.value_or(QString()), c.first);
        EXPECT_EQ(text.first.has_value(), !c.brand.isEmpty());
        EXPECT_EQ(text.second, c.second);
    }
}

TEST(SysInfoRules, BrandBytesComeFromTheExtendedFunctionsWhenTheProcessorHasThem) {
    const QByteArray brand = padded("Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz", 48);
    FakeSystemProbe probe;
    EXPECT_TRUE(cpuBrandBytes(probe).isEmpty());  // highest extended function 0
    probe.setBrand(brand);
    EXPECT_EQ(cpuBrandBytes(probe), brand);
    probe.registers[0x80000000].eax = 0x80000000;
    EXPECT_TRUE(cpuBrandBytes(probe).isEmpty());
    probe.registers[0x80000000].eax = 0x80000004;
    probe.hasCpuid = false;
    EXPECT_TRUE(cpuBrandBytes(probe).isEmpty());
}

TEST(SysInfoRules, OsNameFollowsTheTableInAnyLocale) {
    const struct {
        quint32 platform, major, minor;
        QString name;
    } cases[] = {
        {0, 5, 1, u"Windows 32"_s},     {1, 4, 0, u"Windows 95"_s},      {1, 4, 10, u"Windows 98"_s},
        {1, 4, 1, u"Windows 98"_s},     {1, 4, 90, u"Windows Me"_s},     {1, 4, 3, u"Windows 9x"_s},
        {1, 4, 100, u"Windows 98"_s},   {2, 3, 51, u"Windows NT 3.51"_s}, {2, 3, 5, u"Windows"_s},
        {2, 4, 0, u"Windows NT 4.0"_s}, {2, 5, 0, u"Windows 2000"_s},    {2, 5, 1, u"Windows Xp"_s},
        {2, 5, 2, u"Windows 2003"_s},   {2, 6, 0, u"Windows vista"_s},   {2, 6, 1, u"Windows 7"_s},
        {2, 6, 10, u"Windows 7"_s},     {2, 6, 2, u"Windows"_s},         {2, 10, 0, u"Windows"_s},
        {3, 5, 1, u"Windows ??"_s},
    };
    const QLocale before;
    for (const QLocale& locale : {dot, comma}) {
        QLocale::setDefault(locale);
        for (const auto& c : cases) {
            SCOPED_TRACE(u"%1 %2.%3 in %4"_s.arg(c.platform).arg(c.major).arg(c.minor).arg(locale.name()).toStdString());
            EXPECT_EQ(OsName(c.platform, c.major, c.minor), c.name);
        }
    }
    QLocale::setDefault(before);
}

TEST(SysInfoRules, SizesAreHundredthsOfGigabytesInTheShortestForm) {
    const struct {
        quint64 bytes;
        QLocale locale;
        QString text;
    } cases[] = {
        {107374182400ull, dot, u"100"_s},
        {13207024435ull, dot, u"12.3"_s},
        {13207024435ull, comma, u"12,3"_s},
        {1000202043392ull, dot, u"931.51"_s},
        {134217728ull, dot, u"0.12"_s},  // 12.5 hundredths: halves go to the even neighbour
        {402653184ull, dot, u"0.38"_s},  // 37.5 hundredths
        {0, dot, u"0"_s},
        {1234567ull << 30, dot, u"1234567"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(sizeText(c.bytes, c.locale), c.text);
    }
    const VolumeSizeTexts sizes = VolumeSizes({u"C"_s, 107374182400ull, 13207024435ull}, dot);
    EXPECT_EQ(DriveLine(u"C"_s, sizes), u"C盘 剩:12.3G 总:100G"_s);
    EXPECT_EQ(DriveLine(u"/home"_s, {u"0"_s, u"931.51"_s}), u"/home盘 剩:0G 总:931.51G"_s);
}

TEST(SysInfoRules, TotalSumsTheShownSizes) {
    const struct {
        QStringList totals;
        QLocale locale;
        QString text;
    } cases[] = {
        {{u"100"_s, u"931.51"_s}, dot, u"1031.51G  "_s},
        {{u"100"_s, u"931,51"_s}, comma, u"1031,51G  "_s},
        {{}, dot, u"0G  "_s},
        {{u"0.1"_s, u"0.2"_s}, dot, u"0.3G  "_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.totals.join(u' ').toStdString());
        EXPECT_EQ(driveTotalText(c.totals, c.locale), c.text);
    }
}

TEST(SysInfoRules, SerialIsExchangedInPairsAndTrimmedForShowing) {
    QByteArray identify(512, '\x7f');
    identify.replace(20, 20, "2143658709" + QByteArray(10, ' '));
    EXPECT_EQ(ataSerialField(identify), "1234567890" + QByteArray(10, ' '));
    EXPECT_EQ(DiskSerialText(ataSerialField(identify)), u"1234567890"_s);
    identify.replace(20, 20, QByteArray(10, ' ') + "2143658709");
    EXPECT_EQ(DiskSerialText(ataSerialField(identify)), u"1234567890"_s);

    const struct {
        QByteArray serial;
        QString shown;
    } cases[] = {
        {"  WD-WCC4 E123\n", u"WD-WCC4 E123"_s},
        {QByteArray("\0\0S3EW\0XY  ", 11), u"S3EW"_s},
        {"\x01\x1f", {}},
        {{}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(DiskSerialText(c.serial), c.shown);
}

class SysInfoPageTest : public ::testing::Test {
protected:
    SysInfoPageTest() {
        fake.probe.registers[1] = {0x000306A9, 0, 0x7FBAE3BE, 0x1A2B3C4D};
        fake.probe.setBrand(padded("Intel(R) Core(TM) i7-8650U CPU @ 1.90GHz", 48));
        fake.probe.processors = 8;
        fake.probe.serial = "  WD-WCC4E123   ";
        fake.probe.driveList = {{u"/"_s, 107374182400ull, 13207024435ull},
                                {u"/home"_s, 1000202043392ull, 0}};
    }
    QString text(const QString& name) {
        if (auto* edit = page.findChild<QLineEdit*>(name)) return edit->text();
        if (auto* label = page.findChild<QLabel*>(name)) return label->text();
        ADD_FAILURE() << "no control " << name.toStdString();
        return {};
    }
    QStringList drives() {
        QStringList lines;
        auto* list = page.findChild<QListWidget*>(u"ListBox1"_s);
        for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
        return lines;
    }

    FakePlatform fake;
    Platform platform = fake.bundle();
    SysInfoPage page{platform, nullptr};
};

TEST_F(SysInfoPageTest, EntryFillsEveryFieldFromTheMachine) {
    EXPECT_EQ(text(u"Label21"_s), u"1 CPU名称   "_s);
    page.entered();
    const std::pair<QString, QString> expected[] = {
        {u"Edit17"_s, u"0003-06A9-1A2B-3C4D-7FBA-E3BE"_s},
        {u"Label21"_s, u"Intel(R) Core(TM) i7-8650U C"_s},
        {u"Label28"_s, u"PU @ 1.90GHz"_s},
        {u"Edit18"_s, u"8"_s},
        {u"Label37"_s, u"内网IP 192.168.1.20      "_s},
        {u"Label27"_s, u"Debian GNU/Linux 12 (bookworm) 系统     "_s},
        {u"Edit19"_s, u"WD-WCC4E123"_s},
        {u"Edit20"_s, u"1031.51G  "_s},
        {u"Label36"_s, u"Intel Corporation UHD Graphics 620"_s},
    };
    for (const auto& [name, shown] : expected) EXPECT_EQ(text(name), shown) << name.toStdString();
    EXPECT_EQ(drives(), QStringList({u"/盘 剩:12.3G 总:100G"_s, u"/home盘 剩:0G 总:931.51G"_s}));
    EXPECT_TRUE(fake.dialogs.calls.isEmpty());
}

TEST_F(SysInfoPageTest, EveryEntryRebuildsTheDriveList) {
    page.entered();
    page.entered();
    EXPECT_EQ(drives().size(), 2);
    fake.probe.driveList.removeFirst();
    page.entered();
    EXPECT_EQ(drives(), QStringList({u"/home盘 剩:0G 总:931.51G"_s}));
    EXPECT_EQ(text(u"Edit20"_s), u"931.51G  "_s);
    fake.probe.driveList.clear();
    page.entered();
    EXPECT_TRUE(drives().isEmpty());
    EXPECT_EQ(text(u"Edit20"_s), u"0G  "_s);
}

TEST_F(SysInfoPageTest, AMachineWithoutBrandCpuidOrAdapterShowsTheFallbacks) {
    fake.probe.registers.remove(0x80000000);
    fake.probe.adapter.reset();
    page.entered();
    EXPECT_EQ(text(u"Label21"_s), u"1 CPU名称   "_s);
    EXPECT_EQ(text(u"Label28"_s), QString(9, u' '));
    EXPECT_EQ(text(u"Label36"_s), u"没有发现显卡设备信息"_s);

    fake.probe.hasCpuid = false;
    page.entered();
    EXPECT_EQ(text(u"Edit17"_s), QString());
    EXPECT_EQ(text(u"Label28"_s), QString(9, u' '));
}

TEST_F(SysInfoPageTest, AnUnresolvableAddressStopsTheRefreshThere) {
    page.entered();
    const QStringList later = {u"Label37"_s, u"Label27"_s, u"Edit19"_s, u"Edit20"_s, u"Label36"_s};
    QStringList before;
    for (const QString& name : later) before << text(name);

    fake.probe.registers[1] = {0x000906EA, 0, 0, 0};
    fake.probe.processors = 2;
    fake.probe.os = u"Other"_s;
    fake.probe.serial = "NEW";
    fake.probe.driveList = {{u"/data"_s, 1ull << 30, 0}};
    fake.probe.adapter = u"Other adapter"_s;
    fake.probe.addressError = u"Name or service not known"_s;
    page.entered();

    EXPECT_EQ(fake.dialogs.errors(), QStringList{u"Name or service not known"_s});
    EXPECT_EQ(text(u"Edit17"_s), u"0009-06EA-0000-0000-0000-0000"_s);
    EXPECT_EQ(text(u"Edit18"_s), u"2"_s);
    EXPECT_TRUE(drives().isEmpty());
    for (qsizetype i = 0; i < later.size(); ++i) EXPECT_EQ(text(later[i]), before[i]) << later[i].toStdString();
}

TEST_F(MainWindowTest, OnlyEnteringTheSystemPageReadsTheMachine) {
    start();
    auto* pages = find<QTabWidget>(u"PageControl2"_s);
    for (int index : {1, 2, 3, 0}) pages->setCurrentIndex(index);
    EXPECT_EQ(fake.probe.queries, 0);
    EXPECT_EQ(text(u"Label37"_s), u"3 内网IP   "_s);
    pages->setCurrentIndex(4);
    EXPECT_GT(fake.probe.queries, 0);
    EXPECT_EQ(text(u"Label37"_s), u"内网IP 192.168.1.20      "_s);
}

} // namespace
