#include "tools/tools_page.h"

#include "tools/alarm_box.h"
#include "tools/shutdown_box.h"
#include "tools/system_programs_sheet.h"
#include "tools/tools_box.h"

#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

ToolsPage::ToolsPage(Platform& platform, QWidget* parent) : Page(parent) {
    setObjectName(u"TabSheet8"_s);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(u"PageControl5"_s);
    pages->setGeometry(2, 0, 180, 364);

    auto* tools = new QWidget;
    tools->setObjectName(u"TabSheet19"_s);
    (new ShutdownBox(platform, tools))->setGeometry(2, 2, 170, 130);
    (new AlarmBox(platform, tools))->setGeometry(2, 134, 170, 94);
    new ToolsBox(platform, tools);
    pages->addTab(tools, u"辅助工具"_s);

    pages->addTab(new SystemProgramsSheet(platform.shell, programSearchPath()), u"系统辅助"_s);
}
