#include "tools/system_programs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

// Terminal emulators, each with the option after which it takes a program to run and that
// program's arguments as they are.
const QList<ProgramCandidate>& terminals() {
    static const QList<ProgramCandidate> list = {
        {u"x-terminal-emulator"_s, {u"-e"_s}}, {u"gnome-terminal"_s, {u"--"_s}},
        {u"konsole"_s, {u"-e"_s}},             {u"xfce4-terminal"_s, {u"-x"_s}},
        {u"mate-terminal"_s, {u"-x"_s}},       {u"xterm"_s, {u"-e"_s}},
    };
    return list;
}

// A program run inside a terminal window.
ProgramCandidate inTerminal(const QString& program, const QStringList& arguments = {}) {
    return {program, arguments, true};
}

QList<ProgramCandidate> terminalsAlone() {
    QList<ProgramCandidate> alone;
    for (const ProgramCandidate& t : terminals()) alone.append({t.program, {}});
    return alone;
}

} // namespace

const std::array<SystemProgram, kSystemProgramCount>& systemPrograms() {
    static const std::array<SystemProgram, kSystemProgramCount> table = {{
        {u"SpeedButton110"_s, u"计算器"_s, u"calc"_s,
         {{u"gnome-calculator"_s}, {u"kcalc"_s}, {u"galculator"_s}, {u"mate-calc"_s},
          {u"qalculate-gtk"_s}, {u"xcalc"_s}}},
        // A terminal in the home folder, where every program here starts.
        {u"SpeedButton111"_s, u"cmd命令"_s, u"cmd.exe /k cd\\"_s, terminalsAlone()},
        {u"SpeedButton112"_s, u"注册表"_s, u"regedit.exe"_s, {{u"dconf-editor"_s}}},
        {u"SpeedButton127"_s, u"任务管理"_s, u"taskmgr.exe"_s,
         {{u"gnome-system-monitor"_s}, {u"plasma-systemmonitor"_s}, {u"ksysguard"_s},
          {u"xfce4-taskmanager"_s}, {u"mate-system-monitor"_s}, {u"lxtask"_s},
          inTerminal(u"htop"_s), inTerminal(u"top"_s)}},
        {u"SpeedButton128"_s, u"远程桌面"_s, u"mstsc.exe"_s,
         {{u"remmina"_s}, {u"krdc"_s}, {u"gnome-connections"_s}, {u"vinagre"_s}}},
        {u"SpeedButton129"_s, u"性能查看"_s, u"perfmon.exe"_s,
         {{u"gnome-system-monitor"_s, {u"--show-resources-tab"_s}}, {u"plasma-systemmonitor"_s},
          {u"ksysguard"_s}, {u"mate-system-monitor"_s}, {u"xfce4-taskmanager"_s},
          inTerminal(u"htop"_s), inTerminal(u"top"_s)}},
        // The keys and passwords the system keeps encrypted.
        {u"SpeedButton130"_s, u"系统加密"_s, u"syskey.exe"_s,
         {{u"seahorse"_s}, {u"kwalletmanager5"_s}, {u"kleopatra"_s}}},
        {u"SpeedButton131"_s, u"磁盘清理"_s, u"cleanmgr.exe"_s,
         {{u"bleachbit"_s}, {u"baobab"_s}, {u"filelight"_s}, {u"qdirstat"_s}}},
        {u"SpeedButton146"_s, u"写字板"_s, u"write.exe"_s,
         {{u"abiword"_s}, {u"lowriter"_s}, {u"calligrawords"_s}}},
        // The programs started with the session.
        {u"SpeedButton133"_s, u"启动项"_s, u"msconfig.exe"_s,
         {{u"gnome-session-properties"_s}, {u"gnome-tweaks"_s}, {u"xfce4-session-settings"_s},
          {u"mate-session-properties"_s}, {u"lxqt-config-session"_s},
          {u"kcmshell5"_s, {u"kcm_autostart"_s}}}},
        {u"SpeedButton134"_s, u"Telnet"_s, u"telnet.exe"_s, {inTerminal(u"telnet"_s), {u"putty"_s}}},
        {u"SpeedButton135"_s, u"画图工具"_s, u"mspaint.exe"_s,
         {{u"kolourpaint"_s}, {u"pinta"_s}, {u"drawing"_s}, {u"mtpaint"_s}, {u"gimp"_s}}},
        {u"SpeedButton151"_s, u"用户和组"_s, u"lusrmgr.msc"_s,
         {{u"gnome-control-center"_s, {u"user-accounts"_s}}, {u"kcmshell5"_s, {u"kcm_users"_s}},
          {u"lxqt-admin-user"_s}, {u"users-admin"_s}}},
        {u"SpeedButton137"_s, u"录音器"_s, u"sndrec32.exe"_s,
         {{u"gnome-sound-recorder"_s}, {u"audio-recorder"_s}, {u"audacity"_s}}},

        {u"SpeedButton138"_s, u"Media Player"_s, u"mplay32.exe"_s,
         {{u"vlc"_s}, {u"smplayer"_s}, {u"celluloid"_s}, {u"totem"_s}, {u"dragon"_s}, {u"parole"_s}}},
        {u"SpeedButton139"_s, u"屏幕键盘"_s, u"osk.exe"_s, {{u"onboard"_s}, {u"florence"_s}, {u"xvkbd"_s}}},
        {u"SpeedButton140"_s, u"音量调节"_s, u"sndvol32.exe"_s,
         {{u"pavucontrol"_s}, {u"pavucontrol-qt"_s}, {u"kmix"_s}, inTerminal(u"alsamixer"_s)}},
        {u"SpeedButton141"_s, u"讲述人"_s, u"narrator.exe"_s, {{u"orca"_s}}},
        // Letting another computer see and use this desktop.
        {u"SpeedButton142"_s, u"共享会话"_s, u"rtcshare.exe"_s,
         {{u"gnome-control-center"_s, {u"sharing"_s}}, {u"krfb"_s}, {u"vino-preferences"_s}}},
        // The desktop's own film and disc player.
        {u"SpeedButton143"_s, u"系统播放器"_s, u"dvdplay.exe"_s,
         {{u"totem"_s}, {u"dragon"_s}, {u"parole"_s}, {u"celluloid"_s}, {u"vlc"_s}}},
        {u"SpeedButton144"_s, u"放大镜"_s, u"magnify.exe"_s, {{u"kmag"_s}, {u"magnus"_s}, {u"xzoom"_s}}},
        {u"SpeedButton145"_s, u"系统时间"_s, u"rundll32.exe shell32.dll,Control_RunDLL timedate.cpl"_s,
         {{u"gnome-control-center"_s, {u"datetime"_s}}, {u"kcmshell5"_s, {u"clock"_s}},
          {u"time-admin"_s}}},
        // What the machine has for graphics and what drives it.
        {u"SpeedButton132"_s, u"DirectX诊断"_s, u"dxdiag.exe"_s,
         {{u"kinfocenter"_s}, {u"gnome-control-center"_s, {u"info-overview"_s}}, {u"hardinfo"_s},
          {u"i-nex"_s}}},
        // The desktop's settings centre.
        {u"SpeedButton147"_s, u"计算机管理"_s, u"compmgmt.msc"_s,
         {{u"gnome-control-center"_s}, {u"systemsettings"_s}, {u"xfce4-settings-manager"_s},
          {u"mate-control-center"_s}, {u"cinnamon-settings"_s}, {u"lxqt-config"_s}}},
        // Linux file systems need no defragmenting; their check and repair is the nearest care.
        {u"SpeedButton148"_s, u"碎片整理"_s, u"dfrg.msc"_s,
         {{u"gnome-disks"_s}, {u"gparted"_s}, {u"partitionmanager"_s}}},
        {u"SpeedButton149"_s, u"设备管理器"_s, u"devmgmt.msc"_s,
         {{u"hardinfo"_s}, {u"lshw-gtk"_s}, {u"kinfocenter"_s}, {u"i-nex"_s}}},
        {u"SpeedButton150"_s, u"磁盘管理"_s, u"diskmgmt.msc"_s,
         {{u"gnome-disks"_s}, {u"gparted"_s}, {u"partitionmanager"_s}}},
        {u"SpeedButton136"_s, u"局域网聊天"_s, u"winchat.exe"_s, {{u"iptux"_s}}},
    }};
    return table;
}

QStringList programSearchPath() {
    QStringList folders = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& system : {u"/usr/local/sbin"_s, u"/usr/sbin"_s, u"/sbin"_s})
        if (!folders.contains(system)) folders << system;
    return folders;
}

SystemProgramCommands findSystemPrograms(const QStringList& folders) {
    const auto locate = [&](const QString& name) { return QStandardPaths::findExecutable(name, folders); };
    std::optional<ProgramCommand> terminal;
    for (const ProgramCandidate& t : terminals())
        if (const QString path = locate(t.program); !path.isEmpty()) {
            terminal = ProgramCommand{path, t.arguments};
            break;
        }

    SystemProgramCommands commands;
    for (int i = 0; i < kSystemProgramCount; ++i)
        for (const ProgramCandidate& c : systemPrograms()[i].candidates) {
            const QString path = locate(c.program);
            if (path.isEmpty() || (c.inTerminal && !terminal)) continue;
            commands[i] = c.inTerminal
                              ? ProgramCommand{terminal->program, terminal->arguments + QStringList{path} + c.arguments}
                              : ProgramCommand{path, c.arguments};
            break;
        }
    return commands;
}

QString commandText(const ProgramCommand& command) {
    return (QStringList{QFileInfo(command.program).fileName()} + command.arguments).join(u' ');
}

QString missingProgramsHint(const SystemProgram& entry) {
    QStringList names;
    for (const ProgramCandidate& c : entry.candidates)
        names << (c.inTerminal ? c.program + u"（在终端中运行）"_s : c.program);
    names.removeDuplicates();
    return u"未找到可用的程序，请安装其中之一：\n"_s + names.join(u'\n');
}
