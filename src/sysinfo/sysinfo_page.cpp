#include "sysinfo/sysinfo_page.h"

#include "core/guard.h"
#include "sysinfo/memory_readout.h"
#include "sysinfo/sysinfo_rules.h"
#include "ui/designed_child.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

using namespace Qt::Literals::StringLiterals;

namespace {

QGroupBox* box(QWidget* parent, const QString& name, const QString& title, const QRect& geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QProgressBar* bar(QWidget* parent, const QString& name, int top) {
    auto* b = designedChild<QProgressBar>(parent, name, {8, top, 110, 12});
    b->setRange(0, 100);
    b->setTextVisible(false);
    return b;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* l = designedChild<QLabel>(parent, name, geometry);
    l->setTextFormat(Qt::PlainText);  // names from the machine are never markup
    l->setText(text);
    return l;
}

QLineEdit* readOnlyEdit(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* edit = designedChild<QLineEdit>(parent, name, geometry);
    edit->setReadOnly(true);
    return edit;
}

// A text longer than its edit shows from its beginning.
void showFromStart(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}

} // namespace

SysInfoPage::SysInfoPage(Platform& platform, QWidget* parent) : Page(parent), platform_(platform) {
    setObjectName(u"TabSheet18"_s);
    QGroupBox* cpu = box(this, u"FlatGroupBox1"_s, u"CPU"_s, {2, 0, 176, 86});
    QGroupBox* memory = box(this, u"FlatGroupBox2"_s, u"内存"_s, {2, 88, 176, 88});
    QGroupBox* adapter = box(this, u"FlatGroupBox4"_s, u"显卡"_s, {2, 178, 176, 44});
    QGroupBox* disk = box(this, u"FlatGroupBox3"_s, u"硬盘"_s, {2, 270, 176, 94});

    label21_ = label(cpu, u"Label21"_s, u"1 CPU名称   "_s, {6, 16, 166, 14});
    label28_ = label(cpu, u"Label28"_s, u"8 CPU型号  "_s, {6, 30, 166, 14});
    label(cpu, u"Label22"_s, u"CPU序列号   "_s, {6, 46, 56, 18});
    edit17_ = readOnlyEdit(cpu, u"Edit17"_s, {62, 46, 110, 18});
    label(cpu, u"Label23"_s, u"核心数   "_s, {6, 66, 56, 18});
    edit18_ = readOnlyEdit(cpu, u"Edit18"_s, {62, 66, 40, 18});

    label(memory, u"Label25"_s, u"使用率   "_s, {122, 14, 52, 16});
    physicalSize_ = label(memory, u"Label24"_s, u"4 物理内存      "_s, {8, 16, 110, 16});
    physicalBar_ = bar(memory, u"FlatProgressBar1"_s, 34);
    physicalUsed_ = label(memory, u"Label31"_s, u"%"_s, {122, 32, 52, 16});
    virtualSize_ = label(memory, u"Label30"_s, u"2 虚拟内存    "_s, {8, 50, 110, 16});
    virtualBar_ = bar(memory, u"FlatProgressBar2"_s, 68);
    virtualUsed_ = label(memory, u"Label35"_s, u"%"_s, {122, 66, 52, 16});

    label36_ = label(adapter, u"Label36"_s, u"5 显卡名称    "_s, {6, 14, 166, 28});
    label36_->setWordWrap(true);

    label27_ = label(this, u"Label27"_s, u"7 操作系统   "_s, {4, 224, 174, 30});
    label27_->setWordWrap(true);
    label37_ = label(this, u"Label37"_s, u"3 内网IP   "_s, {4, 254, 174, 16});

    label(disk, u"Label26"_s, u"物理号   "_s, {6, 16, 56, 18});
    edit19_ = readOnlyEdit(disk, u"Edit19"_s, {62, 16, 110, 18});
    label(disk, u"Label29"_s, u"硬盘总容量   "_s, {6, 36, 70, 18});
    edit20_ = readOnlyEdit(disk, u"Edit20"_s, {76, 36, 96, 18});
    listBox1_ = designedChild<QListWidget>(disk, u"ListBox1"_s, {6, 56, 166, 34});
    QFont listFont(u"宋体"_s);
    listFont.setPixelSize(12);
    listBox1_->setFont(listFont);
    QPalette silver = listBox1_->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    listBox1_->setPalette(silver);
}

void SysInfoPage::entered() {
    guarded(platform_.dialogs, this, [this] { SystemInfoRefresh(); });
}

void SysInfoPage::SystemInfoRefresh() {
    SystemProbe& probe = platform_.probe;
    listBox1_->clear();
    const auto function1 = probe.cpuid(1);
    showFromStart(edit17_, function1 ? CpuSignature(*function1) : QString());
    const CpuBrandText brand = CpuBrand(cpuBrandBytes(probe));
    if (brand.first) label21_->setText(*brand.first);
    label28_->setText(brand.second);
    showFromStart(edit18_, QString::number(probe.processorCount()));
    const QString os = probe.osName();
    // A machine without an address ends the refresh here, with the rest as it was.
    label37_->setText(u"内网IP "_s + probe.localAddress() + u"      "_s);
    label27_->setText(os + u" 系统     "_s);
    showFromStart(edit19_, DiskSerialText(probe.diskSerial()));

    const QLocale locale = QLocale::system();
    QStringList totals;
    for (const DriveSpace& drive : probe.drives()) {
        const VolumeSizeTexts sizes = VolumeSizes(drive, locale);
        listBox1_->addItem(DriveLine(drive.name, sizes));
        totals << sizes.total;
    }
    showFromStart(edit20_, driveTotalText(totals, locale));
    label36_->setText(probe.displayAdapter().value_or(u"没有发现显卡设备信息"_s));
}

void SysInfoPage::showMemory(const MemoryStatus& status) {
    const MemoryReadout readout = memoryReadout(status, QLocale::system());
    physicalSize_->setText(readout.physicalSize);
    virtualSize_->setText(readout.virtualSize);
    physicalBar_->setValue(readout.physicalBar);
    virtualBar_->setValue(readout.virtualBar);
    physicalUsed_->setText(readout.physicalUsed);
    virtualUsed_->setText(readout.virtualUsed);
}
