#include "sysinfo/sysinfo_page.h"

#include "sysinfo/memory_readout.h"
#include "ui/designed_child.h"

#include <QGroupBox>
#include <QLabel>
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

} // namespace

SysInfoPage::SysInfoPage(Platform& platform, QWidget* parent) : Page(parent), platform_(platform) {
    setObjectName(u"TabSheet18"_s);
    box(this, u"FlatGroupBox1"_s, u"CPU"_s, {2, 0, 176, 84});
    QGroupBox* memory = box(this, u"FlatGroupBox2"_s, u"内存"_s, {2, 88, 176, 88});
    box(this, u"FlatGroupBox4"_s, u"显卡"_s, {2, 180, 176, 40});
    box(this, u"FlatGroupBox3"_s, u"硬盘"_s, {2, 224, 176, 96});

    physicalSize_ = designedChild<QLabel>(memory, u"Label24"_s, {8, 16, 160, 16});
    physicalBar_ = bar(memory, u"FlatProgressBar1"_s, 34);
    physicalUsed_ = designedChild<QLabel>(memory, u"Label31"_s, {122, 32, 52, 16});
    virtualSize_ = designedChild<QLabel>(memory, u"Label30"_s, {8, 50, 160, 16});
    virtualBar_ = bar(memory, u"FlatProgressBar2"_s, 68);
    virtualUsed_ = designedChild<QLabel>(memory, u"Label35"_s, {122, 66, 52, 16});
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
