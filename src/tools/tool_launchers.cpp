#include "tools/tool_launchers.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct ShippedTool {
    QString path;  // inside the executable's folder
    ShowMode show;
};

const ShippedTool& shippedTool(Tool tool) {
    // In the order of Tool.
    static const ShippedTool tools[] = {
        {u"tools/jishiben/记事本"_s, ShowMode::Show},
        {u"tools/clear/clear"_s, ShowMode::ShowNormal},
        {u"tools/date/万年历"_s, ShowMode::Show},
        {u"tools/screensavers lock/screensavers lock"_s, ShowMode::Show},
    };
    return tools[int(tool)];
}

} // namespace

QString toolPath(const QString& appDir, Tool tool) {
    return appDir + shippedTool(tool).path;
}

void launchTool(Platform& platform, QWidget* owner, Tool tool) {
    platform.shell.ShellLaunch(owner, u"open"_s, toolPath(platform.paths.appDir(), tool), {},
                               shippedTool(tool).show);
}
