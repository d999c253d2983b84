#include "tools/tools_page.h"

#include "tools/system_programs_sheet.h"
#include "tools/tools_box.h"

#include <QGroupBox>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

ToolsPage::ToolsPage(Platform& platform, QWidget* parent) : Page(parent), platform_(platform) {
    setObjectName(u"TabSheet8"_s);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(u"PageControl5"_s);
    pages->setGeometry(2, 0, 180, 364);

    auto* tools = new QWidget;
    tools->setObjectName(u"TabSheet19"_s);
    const struct {
        QString name, title;
        QRect geometry;
    } boxes[] = {{u"FlatGroupBox5"_s, u"定时关机/重启计算机"_s, {2, 2, 170, 110}},
                 {u"FlatGroupBox6"_s, u"闹钟提醒"_s, {2, 116, 170, 110}}};
    for (const auto& b : boxes) {
        auto* box = new QGroupBox(b.title, tools);
        box->setObjectName(b.name);
        box->setGeometry(b.geometry);
    }
    new ToolsBox(platform_, tools);
    pages->addTab(tools, u"辅助工具"_s);

    pages->addTab(new SystemProgramsSheet(platform_.shell, programSearchPath()), u"系统辅助"_s);

    // The watches of the timed shutdown and of the alarm, started when one is set.
    for (const QString& name : {u"shutdown"_s, u"tishi"_s}) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        timer->setInterval(1000);
    }
}
