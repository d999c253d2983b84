// The 312 keys of data.ini: what a first save writes, what loading makes of a file, and
// that a refused save leaves the file as it was.

#include "core/app_error.h"
#include "store/data_file.h"
#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class DataFile : public testing::Test {
protected:
    QString path() const { return dir.filePath(u"data.ini"_s); }

    void load(const QByteArray& content) {
        writeFile(path(), content);
        SettingsFile file(path());
        loadData(file, settings, model);
    }

    QTemporaryDir dir;
    AppSettings settings;
    LaunchModel model;
};

// The whole file a first save of untouched defaults creates.
QByteArray firstSaveContent() {
    QByteArray out = "[set]\r\ntoumingdu=255\r\nyincang=0\r\nxianshi_gongjulan=1\r\n"
                     "xianshi_bianji=1\r\nxianshi_shanchu=1\r\nskin=1\r\n"
                     "[main]\r\nshow_1=0\r\nshow_2=0\r\nshow_3=0\r\nshow_4=0\r\nshow_5=0\r\n"
                     "web_show_1=0\r\nweb_show_2=0\r\nweb_show_3=0\r\n"
                     "name_1=0\r\nname_2=0\r\nname_3=0\r\nname_4=0\r\nname_5=0\r\n"
                     "web_name1=0\r\nweb_name2=0\r\nweb_name3=0\r\n";
    auto section = [&](const QByteArray& name, const QList<std::pair<QByteArray, QByteArray>>& fields) {
        out += "[" + name + "]\r\n";
        for (const auto& [field, value] : fields)
            for (int n = 1; n <= 10; ++n) out += name + "_" + field + "_" + QByteArray::number(n) + "=" + value + "\r\n";
    };
    for (const QByteArray t : {"t1", "t2", "t3", "t4", "t5"})
        section(t, {{"now", "0"}, {"name", "+"}, {"path", ""}, {"color", "clWindowText"}});
    for (const QByteArray web : {"web", "web2", "web3"})
        section(web, {{"now", "0"}, {"name", ""}, {"path", ""}});
    return out;
}

} // namespace

TEST_F(DataFile, FirstSaveWritesEveryKeyInOrder) {
    SettingsFile file(path());
    loadData(file, settings, model);
    applyLoadedState(model, settings);
    saveData(file, settings, model);
    const QByteArray written = readFile(path());
    EXPECT_EQ(written, firstSaveContent());
    EXPECT_EQ(written.count('\n') - written.count('['), 312);
}

TEST_F(DataFile, LoadsEveryKindOfKeyIntoItsField) {
    load("[SET]\r\nToumingdu=120\r\nyincang=1\r\nxianshi_gongjulan=0\r\nskin=7\r\n"
         "[main]\r\nshow_2=1\r\nname_2=工作\r\nweb_show_3=1\r\nweb_name3=站点\r\nname_1=\r\n"
         "[t2]\r\nt2_now_4=1\r\nt2_name_4=计算器\r\nt2_path_4=/usr/bin/gnome-calculator\r\nt2_color_4=clblack\r\n"
         "[web3]\r\nweb3_now_10=1\r\nweb3_name_10=\r\nweb3_path_10=www.example.com\r\n");
    EXPECT_EQ(settings.toumingdu, 120);
    EXPECT_EQ(settings.yincang, 1);
    EXPECT_EQ(settings.xianshi_gongjulan, 0);
    EXPECT_EQ(settings.xianshi_bianji, 1);
    EXPECT_EQ(settings.skin, 7);
    const LaunchGroup& t2 = model.group(GroupKind::Program, 2);
    EXPECT_EQ(t2.show, 1);
    EXPECT_EQ(t2.name, u"工作"_s);
    EXPECT_EQ(model.group(GroupKind::Program, 1).name, QString());   // present but empty
    EXPECT_EQ(model.group(GroupKind::Program, 3).name, u"0"_s);      // missing
    EXPECT_EQ(t2.slots[3].now, 1);
    EXPECT_EQ(t2.slots[3].name, u"计算器"_s);
    EXPECT_EQ(t2.slots[3].path, u"/usr/bin/gnome-calculator"_s);
    EXPECT_EQ(t2.slots[3].color, u"clblack"_s);
    const LaunchGroup& web3 = model.group(GroupKind::Web, 3);
    EXPECT_EQ(web3.show, 1);
    EXPECT_EQ(web3.name, u"站点"_s);
    EXPECT_EQ(web3.slots[9].now, 1);
    EXPECT_EQ(web3.slots[9].path, u"www.example.com"_s);
}

TEST_F(DataFile, SaveTakesProgramNamesAndColoursFromTheDisplayAndKeepsUnknownKeys) {
    load("[t1]\r\nt1_now_1=1\r\nt1_name_1=old\r\nt1_path_1=/bin/a\r\nt1_color_1=clRed\r\n"
         "my_own_key=kept\r\nt1_color_2=clLime\r\n"
         "[web]\r\nweb_now_1=1\r\nweb_name_1=站\r\nweb_path_1=http://a.example/\r\n");
    applyLoadedState(model, settings);
    LaunchGroup& t1 = model.group(GroupKind::Program, 1);
    t1.display[0].caption = u"新名字"_s;             // as the title editor leaves it
    t1.display[0].captionColor = 0x563412;
    t1.display[2].captionColor = ColorText::clBlack;  // emptied during the run
    SettingsFile file(path());
    saveData(file, settings, model);

    AppSettings againSettings;
    LaunchModel again;
    SettingsFile reread(path());
    loadData(reread, againSettings, again);
    const LaunchGroup& t1Again = again.group(GroupKind::Program, 1);
    EXPECT_EQ(t1Again.slots[0].name, u"新名字"_s);
    EXPECT_EQ(t1Again.slots[0].color, u"$00563412"_s);
    EXPECT_EQ(t1Again.slots[0].path, u"/bin/a"_s);
    EXPECT_EQ(t1Again.slots[1].name, u"+"_s);
    EXPECT_EQ(t1Again.slots[1].color, u"clWindowText"_s);  // a stale colour of an empty slot
    EXPECT_EQ(t1Again.slots[2].color, u"clBlack"_s);
    EXPECT_EQ(again.group(GroupKind::Web, 1).slots[0].name, u"站"_s);
    EXPECT_EQ(reread.readText(u"t1", u"my_own_key", {}), u"kept"_s);
}

TEST_F(DataFile, RefusedSaveRaisesAndLeavesTheFileWhole) {
    const QByteArray before = "[set]\r\ntoumingdu=99\r\n";
    writeFile(path(), before);
    const WriteProtected readOnly(path());
    if (!readOnly.effective()) GTEST_SKIP() << "this file system cannot refuse the write";

    SettingsFile file(path());
    loadData(file, settings, model);
    settings.toumingdu = 200;
    try {
        saveData(file, settings, model);
        ADD_FAILURE() << "the save did not fail";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), u"Unable to write to "_s + path());
    }
    EXPECT_EQ(readFile(path()), before);
}

TEST_F(DataFile, GarbageLoadsDefaults) {
    QByteArray junk(64 * 1024, '\0');
    for (char& c : junk) c = char(QRandomGenerator::global()->bounded(256));
    const QByteArray big = QByteArray(10 * 1024 * 1024, 'x') + "\r\n[set]\r\n";
    const QByteArray cases[] = {
        junk,
        QByteArray("[set]\0toumingdu=90\r\n[main]\r\nshow_1\0=1\r\n", 40),
        big,
        "no equals here\r\n[set\r\ntoumingdu\r\n=5\r\n[main]\r\nshow_1 1\r\n",
    };
    for (const QByteArray& content : cases) {
        SCOPED_TRACE(content.size());
        settings = {};
        model = {};
        load(content);
        EXPECT_EQ(settings.toumingdu, 255);
        EXPECT_EQ(settings.skin, 1);
        EXPECT_EQ(model.ShownCount(GroupKind::Program), 0);
        EXPECT_EQ(model.group(GroupKind::Web, 1).name, u"0"_s);
    }
}
