#include "tools/tools_page.h"

#include "tools/alarm_box.h"
#include "tools/shutdown_box.h"

#include <QGroupBox>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

ToolsPage::ToolsPage(Platform& platform, QWidget* parent) : Page(parent), platform_(platform) {
    setObjectName(u"TabSheet8"_s);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(u"PageControl5"_s);
    pages->setGeometry(2, 0, 180, 364);

    auto* tools = new QWidget;
    tools->setObjectName(u"TabSheet19"_s);
    (new ShutdownBox(platform, tools))->setGeometry(2, 2, 170, 130);
    (new AlarmBox(platform, tools))->setGeometry(2, 134, 170, 94);
    const struct {
        QString name, title;
        QRect geometry;
    } boxes[] = {{u"FlatGroupBox7"_s, u"辅助Tools"_s, {2, 230, 170, 100}}};
    for (const auto& b : boxes) {
        auto* box = new QGroupBox(b.title, tools);
        box->setObjectName(b.name);
        box->setGeometry(b.geometry);
    }
    pages->addTab(tools, u"辅助工具"_s);

    auto* system = new QWidget;
    system->setObjectName(u"TabSheet20"_s);
    pages->addTab(system, u"系统辅助"_s);
}
