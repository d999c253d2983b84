// Program and web slots, the title editor and group management, driven through the real
// main window on fakes, down to what lands in data.ini and icons/.

#include "launch/color_grid.h"
#include "launch/title_editor.h"
#include "support/window_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QWindow>

namespace {

class LaunchGroupsTest : public MainWindowTest {
protected:
    MainWindow& startWithEditor(const QByteArray& ini = {}) {
        MainWindow& w = start(ini);
        editor = &windows->editor;
        return w;
    }
    void closeWindow() { ASSERT_TRUE(window->close()); }
    QByteArray saved() const { return readFile(dataPath()); }
    void pickCell(int cell) {
        auto* grid = editor->findChild<ColorGrid*>(u"bsSkinColorGrid1"_s);
        const QPointF at = grid->cellRect(cell).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, grid->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &press);
    }
    QStringList prompts() const {
        QStringList out;
        for (const auto& call : fake.dialogs.calls) out << call.kind + u':' + call.text;
        return out;
    }
    // A drag entering the window over the button, then the drop, as the desktop delivers them.
    void drop(const QString& button, QMimeData* data) {
        window->show();
        QWidget* target = find(button);
        const QPointF at = target->mapTo(window, target->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window->windowHandle(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window->windowHandle(), &dropped);
        delete data;
    }

    TitleEditor* editor = nullptr;
};

const QByteArray kTwoGroups = "[main]\r\nshow_1=1\r\nshow_2=1\r\nname_2=工具\r\nweb_show_1=1\r\n";

} // namespace

TEST_F(LaunchGroupsTest, AddLaunchEditCloseRestart) {
    startWithEditor(kTwoGroups);
    const QString target = fake.paths.appDir() + u"my report.txt"_s;
    fake.dialogs.openFileAnswers = {target};
    fake.dialogs.inputAnswers = {QString()};
    click(u"Button23"_s);   // group 2, slot 3
    EXPECT_EQ(prompts(), (QStringList{u"openFile:"_s, u"input:文件名称   "_s}));
    EXPECT_EQ(fake.dialogs.calls[1].caption, u"提示"_s);
    EXPECT_EQ(text(u"Button23"_s), u"my report.txt"_s);
    EXPECT_TRUE(shown(u"SpeedButton23"_s) && shown(u"SpeedButton33"_s) && shown(u"Image13"_s));
    EXPECT_TRUE(QFile::exists(iconPath(u"2.3.bmp"_s)));
    EXPECT_FALSE(find<QLabel>(u"Image13"_s)->pixmap().isNull());

    click(u"Button23"_s);
    ASSERT_EQ(fake.shell.calls.size(), 1);
    EXPECT_EQ(fake.shell.calls[0].verb, u"open"_s);
    EXPECT_EQ(fake.shell.calls[0].target, target);
    EXPECT_EQ(fake.shell.calls[0].show, ShowMode::Show);
    EXPECT_EQ(fake.shell.calls[0].owner, window);

    click(u"SpeedButton23"_s);
    EXPECT_TRUE(editor->isVisible());
    auto* name = editor->findChild<QLineEdit*>(u"Edit1"_s);
    EXPECT_EQ(name->text(), u"my report.txt"_s);
    name->setText(u" 报告 "_s);
    pickCell(2);   // clMaroon
    editor->findChild<QPushButton*>(u"Button1"_s)->click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(text(u"Button23"_s), u" 报告 "_s);
    EXPECT_EQ(captionColour(u"Button23"_s), QColor(128, 0, 0));

    closeWindow();
    const QByteArray file = saved();
    EXPECT_TRUE(file.contains("t2_now_3=1\r\n"));
    EXPECT_TRUE(file.contains("t2_name_3= 报告 \r\n"));
    EXPECT_TRUE(file.contains("t2_path_3=" + target.toUtf8() + "\r\n"));
    EXPECT_TRUE(file.contains("t2_color_3=clMaroon\r\n"));

    QFile::remove(iconPath(u"2.3.bmp"_s));
    fake.icons.requested.clear();
    startWithEditor();
    // The saved name comes back trimmed, as the file's reading rules have it.
    EXPECT_EQ(text(u"Button23"_s), u"报告"_s);
    EXPECT_EQ(captionColour(u"Button23"_s), QColor(128, 0, 0));
    EXPECT_EQ(fake.icons.requested, QStringList{target});
    EXPECT_TRUE(QFile::exists(iconPath(u"2.3.bmp"_s)));
}

TEST_F(LaunchGroupsTest, PlusCaptionStartsTheAddAgain) {
    startWithEditor(kTwoGroups);
    fake.dialogs.openFileAnswers = {u"/bin/true"_s};
    fake.dialogs.inputAnswers = {u"+"_s};
    click(u"Button1"_s);
    EXPECT_EQ(text(u"Button1"_s), u"+"_s);
    EXPECT_TRUE(shown(u"SpeedButton11"_s));
    click(u"Button1"_s);   // cancelled file dialog: nothing changes, nothing launches
    EXPECT_TRUE(fake.shell.calls.isEmpty());
    EXPECT_EQ(prompts().count(u"openFile:"_s), 2);

    fake.dialogs.inputAnswers = {u"www.example.com"_s, u"+"_s};
    find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(1);
    click(u"Button101"_s);
    click(u"Button101"_s);   // starts the add again: a cancelled address changes nothing
    EXPECT_TRUE(fake.shell.calls.isEmpty());
    EXPECT_EQ(prompts().count(u"input:输入网址    "_s), 2);
}

TEST_F(LaunchGroupsTest, DeleteAsksThenEmptiesKeepsTheIconAndSavesBlack) {
    startWithEditor(kTwoGroups + "[t1]\r\nt1_now_4=1\r\nt1_name_4=x\r\nt1_path_4=/bin/x\r\nt1_color_4=clRed\r\n");
    click(u"SpeedButton14"_s);   // answered No
    EXPECT_EQ(text(u"Button4"_s), u"x"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"确定要删除吗?"_s);
    EXPECT_EQ(fake.dialogs.calls.back().caption, u"提示"_s);
    fake.dialogs.yesNoAnswers = {true};
    click(u"SpeedButton14"_s);
    EXPECT_EQ(text(u"Button4"_s), u"+"_s);
    EXPECT_EQ(captionColour(u"Button4"_s), QColor(Qt::black));
    EXPECT_FALSE(shown(u"SpeedButton4"_s) || shown(u"SpeedButton14"_s) || shown(u"Image4"_s));
    EXPECT_TRUE(QFile::exists(iconPath(u"1.4.bmp"_s)));
    closeWindow();
    EXPECT_TRUE(saved().contains("t1_now_4=0\r\n"));
    EXPECT_TRUE(saved().contains("t1_name_4=+\r\n"));
    EXPECT_TRUE(saved().contains("t1_path_4=\r\n"));
    EXPECT_TRUE(saved().contains("t1_color_4=clBlack\r\n"));
    EXPECT_TRUE(saved().contains("t1_color_5=clWindowText\r\n"));
}

TEST_F(LaunchGroupsTest, FilledSlotShowsButtonsWhateverTheSettings) {
    startWithEditor(kTwoGroups + "[set]\r\nxianshi_bianji=0\r\nxianshi_shanchu=0\r\n");
    fake.dialogs.openFileAnswers = {u"/usr/share/doc/readme"_s};
    fake.dialogs.inputAnswers = {u"   "_s};
    click(u"Button2"_s);
    EXPECT_EQ(text(u"Button2"_s), u"   "_s);   // blanks are a name
    EXPECT_TRUE(shown(u"SpeedButton2"_s) && shown(u"SpeedButton12"_s));
    fake.dialogs.inputAnswers = {u"http://a.example/"_s, QString()};
    click(u"Button102"_s);
    EXPECT_EQ(text(u"Button102"_s), u"http://a.example/"_s);   // no name: the address
    EXPECT_TRUE(shown(u"SpeedButton114"_s));
}

TEST_F(LaunchGroupsTest, IconThatCannotBeWrittenReportsButFillsTheSlot) {
    startWithEditor(kTwoGroups);
    QDir(fake.paths.appDir() + u"icons"_s).removeRecursively();
    fake.dialogs.openFileAnswers = {u"/bin/ls"_s};
    click(u"Button5"_s);
    EXPECT_EQ(fake.dialogs.errors(), QStringList{u"Cannot create file \"%1\""_s.arg(iconPath(u"1.5.bmp"_s))});
    EXPECT_EQ(text(u"Button5"_s), u"ls"_s);
    EXPECT_TRUE(shown(u"SpeedButton5"_s) && shown(u"SpeedButton15"_s));
    click(u"Button5"_s);
    EXPECT_EQ(fake.shell.calls.size(), 1);
}

TEST_F(LaunchGroupsTest, TitleEditorTakesTheLastSlotAndKeepsUnpickedColours) {
    startWithEditor(kTwoGroups + "[t1]\r\nt1_now_1=1\r\nt1_name_1=a\r\nt1_now_2=1\r\nt1_name_2=b\r\n"
                                 "t1_now_3=1\r\nt1_name_3=c\r\nt1_color_3=$00010203\r\n");
    auto* name = editor->findChild<QLineEdit*>(u"Edit1"_s);
    click(u"SpeedButton1"_s);
    name->setText(u"lost"_s);
    click(u"SpeedButton2"_s);
    EXPECT_EQ(name->text(), u"b"_s);
    name->clear();
    editor->findChild<QPushButton*>(u"Button1"_s)->click();
    EXPECT_EQ(text(u"Button1"_s), u"a"_s);
    EXPECT_EQ(text(u"Button2"_s), QString());
    click(u"Button2"_s);   // an empty caption still launches
    EXPECT_EQ(fake.shell.calls.size(), 1);

    // The close box changes nothing; a colour outside the grid passes through.
    click(u"SpeedButton3"_s);
    name->setText(u"changed"_s);
    editor->close();
    EXPECT_EQ(text(u"Button3"_s), u"c"_s);
    click(u"SpeedButton3"_s);
    editor->findChild<QPushButton*>(u"Button1"_s)->click();
    closeWindow();
    EXPECT_TRUE(saved().contains("t1_color_1=clWindowText\r\n"));
    EXPECT_TRUE(saved().contains("t1_name_2=\r\n"));
    EXPECT_TRUE(saved().contains("t1_color_2=clWindowText\r\n"));
    EXPECT_TRUE(saved().contains("t1_color_3=$00010203\r\n"));
    EXPECT_TRUE(fake.dialogs.errors().isEmpty());
}

TEST_F(LaunchGroupsTest, TitleEditorWithoutIconFileReportsAndStillWorks) {
    startWithEditor(kTwoGroups + "[t1]\r\nt1_now_1=1\r\nt1_name_1=a\r\n");
    QFile::remove(iconPath(u"1.1.bmp"_s));
    click(u"SpeedButton1"_s);
    EXPECT_EQ(fake.dialogs.errors().size(), 1);
    EXPECT_TRUE(editor->isVisible());
    editor->findChild<QLineEdit*>(u"Edit1"_s)->setText(u"z"_s);
    editor->findChild<QPushButton*>(u"Button1"_s)->click();
    EXPECT_EQ(text(u"Button1"_s), u"z"_s);
}

TEST_F(LaunchGroupsTest, WebSlotsAddOpenAndDelete) {
    startWithEditor("[main]\r\nweb_show_2=1\r\n");
    find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(1);
    click(u"Button51"_s);   // cancelled address: nothing
    EXPECT_EQ(text(u"Button51"_s), u"+"_s);
    fake.dialogs.inputAnswers = {u"www.example.com/a b?q=$(x)"_s, u"例子"_s};
    click(u"Button55"_s);
    EXPECT_EQ(prompts().mid(1), (QStringList{u"input:输入网址    "_s, u"input:网站名称    "_s}));
    EXPECT_EQ(text(u"Button55"_s), u"例子"_s);
    EXPECT_TRUE(shown(u"SpeedButton126"_s));
    click(u"Button55"_s);
    ASSERT_EQ(fake.shell.calls.size(), 1);
    EXPECT_EQ(fake.shell.calls[0].verb, QString());
    EXPECT_EQ(fake.shell.calls[0].target, u"www.example.com/a b?q=$(x)"_s);
    EXPECT_EQ(fake.shell.calls[0].show, ShowMode::ShowNormal);
    fake.dialogs.yesNoAnswers = {true};
    click(u"SpeedButton126"_s);
    EXPECT_EQ(text(u"Button55"_s), u"+"_s);
    EXPECT_FALSE(shown(u"SpeedButton126"_s));
    closeWindow();
    EXPECT_TRUE(saved().contains("web2_now_5=0\r\n"));
    EXPECT_TRUE(saved().contains("web2_name_5=\r\n"));
    EXPECT_TRUE(saved().contains("web2_path_5=\r\n"));
}

TEST_F(LaunchGroupsTest, DeletedGroupNumberIsReusedInItsPlace) {
    startWithEditor("[main]\r\nshow_1=1\r\nshow_2=1\r\nshow_3=1\r\nname_2=二\r\n"
                    "[t2]\r\nt2_now_1=1\r\nt2_name_1=a\r\nt2_path_1=/bin/a\r\n");
    auto* tabs = find<QTabWidget>(u"PageControl1"_s);
    tabs->setCurrentIndex(1);
    fake.dialogs.yesNoAnswers = {false, true};
    click(u"SpeedButton102"_s);
    EXPECT_TRUE(tabs->isTabVisible(1));
    click(u"SpeedButton102"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"确定删除此分组及组内全部信息吗？"_s);
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_EQ(tabs->tabText(1), u"2"_s);
    EXPECT_EQ(text(u"Button21"_s), u"+"_s);
    EXPECT_EQ(captionColour(u"Button21"_s), QColor(Qt::black));
    EXPECT_FALSE(shown(u"Image11"_s));

    fake.dialogs.inputAnswers = {u"新组"_s};
    click(u"SpeedButton101"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"输入新建分组名       "_s);
    EXPECT_TRUE(tabs->isTabVisible(1));
    EXPECT_EQ(tabs->tabText(1), u"新组"_s);
    EXPECT_EQ(text(u"Button21"_s), u"+"_s);

    // Renaming asks with an empty prompt; cancelling keeps the title.
    tabs->setCurrentIndex(2);
    click(u"SpeedButton103"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"修改标题       "_s);
    EXPECT_EQ(tabs->tabText(2), u"0"_s);   // shown without a stored title
    fake.dialogs.inputAnswers = {u" 新组 "_s};
    click(u"SpeedButton103"_s);
    EXPECT_EQ(tabs->tabText(2), u" 新组 "_s);

    closeWindow();
    EXPECT_TRUE(saved().contains("name_2=新组\r\n"));
    EXPECT_TRUE(saved().contains("t2_now_1=0\r\n"));
    EXPECT_TRUE(saved().contains("t2_path_1=\r\n"));
}

TEST_F(LaunchGroupsTest, GroupLimitsMessagesAndNoGroupPanels) {
    startWithEditor("[main]\r\nshow_1=1\r\nshow_2=1\r\nshow_3=1\r\nshow_4=1\r\nshow_5=1\r\nweb_show_3=1\r\n");
    click(u"SpeedButton101"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"目前版本只支持5个程序/文件分组！"_s);

    find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(1);
    fake.dialogs.yesNoAnswers = {true};
    click(u"SpeedButton102"_s);
    EXPECT_FALSE(shown(u"PageControl4"_s));
    EXPECT_TRUE(shown(u"FlatPanel7"_s));
    click(u"SpeedButton102"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"已经没有可删除的分组！"_s);
    click(u"SpeedButton103"_s);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"已经没有可修改的分组！"_s);
    click(u"SpeedButton101"_s);   // cancelled title: still no group
    EXPECT_TRUE(shown(u"FlatPanel7"_s));
    fake.dialogs.inputAnswers = {u"站"_s};
    click(u"SpeedButton101"_s);
    EXPECT_TRUE(shown(u"PageControl4"_s));
    EXPECT_FALSE(shown(u"FlatPanel7"_s));
    EXPECT_TRUE(find<QTabWidget>(u"PageControl4"_s)->isTabVisible(0));
    EXPECT_EQ(find<QTabWidget>(u"PageControl4"_s)->tabText(2), u"web3"_s);

    // The other pages leave the group buttons without effect.
    const auto callsBefore = fake.dialogs.calls.size();
    find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(2);
    for (const QString& button : {u"SpeedButton101"_s, u"SpeedButton102"_s, u"SpeedButton103"_s}) click(button);
    EXPECT_EQ(fake.dialogs.calls.size(), callsBefore);
}

TEST_F(LaunchGroupsTest, DropsFillOnlyEmptySlots) {
    startWithEditor(kTwoGroups + "[t1]\r\nt1_now_2=1\r\nt1_name_2=full\r\nt1_path_2=/bin/full\r\n");
    const QString file = fake.paths.appDir() + u"notes.txt"_s;
    auto files = [](const QString& path) {
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(path)});
        return data;
    };
    drop(u"Button2"_s, files(file));
    EXPECT_TRUE(fake.dialogs.calls.isEmpty());
    EXPECT_EQ(text(u"Button2"_s), u"full"_s);
    drop(u"Button1"_s, files(file));
    EXPECT_EQ(prompts(), QStringList{u"input:文件名称   "_s});
    EXPECT_EQ(text(u"Button1"_s), u"notes.txt"_s);
    EXPECT_TRUE(QFile::exists(iconPath(u"1.1.bmp"_s)));
    click(u"Button1"_s);
    EXPECT_EQ(fake.shell.calls.at(0).target, file);

    auto* link = new QMimeData;
    link->setUrls({QUrl(u"https://www.example.com/x"_s)});
    fake.dialogs.inputAnswers = {u"例子"_s};
    find<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(1);
    drop(u"Button101"_s, link);
    EXPECT_EQ(fake.dialogs.calls.back().text, u"网站名称    "_s);
    EXPECT_EQ(text(u"Button101"_s), u"例子"_s);
    click(u"Button101"_s);
    EXPECT_EQ(fake.shell.calls.at(1).target, u"https://www.example.com/x"_s);
}

TEST(ColorGrid, OffersTheSixteenColoursInOrder) {
    // Red, green, blue of each cell, and the colour text a caption in it is saved as.
    const struct {
        int r, g, b;
        QString text;
    } cells[] = {
        {0, 0, 0, u"clBlack"_s},        {64, 0, 0, u"$00000040"_s},   {128, 0, 0, u"clMaroon"_s},
        {128, 64, 64, u"$00404080"_s},  {255, 0, 0, u"clRed"_s},      {255, 128, 128, u"$008080FF"_s},
        {128, 128, 0, u"clOlive"_s},    {128, 64, 0, u"$00004080"_s}, {255, 128, 0, u"$000080FF"_s},
        {255, 128, 64, u"$004080FF"_s}, {255, 255, 0, u"clYellow"_s}, {255, 255, 128, u"$0080FFFF"_s},
        {128, 128, 64, u"$00408080"_s}, {0, 64, 0, u"$00004000"_s},   {0, 128, 0, u"clGreen"_s},
        {0, 255, 0, u"clLime"_s},
    };
    ASSERT_EQ(ColorGrid::kCells.size(), std::size(cells));
    for (size_t i = 0; i < std::size(cells); ++i) {
        SCOPED_TRACE(i + 1);
        const QColor shown = ColorText::displayColor(ColorGrid::kCells[i], QPalette());
        EXPECT_EQ(shown, QColor(cells[i].r, cells[i].g, cells[i].b));
        EXPECT_EQ(ColorText::fromColor(ColorGrid::kCells[i]), cells[i].text);
    }
}
