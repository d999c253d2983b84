// SettingsFile (the INI data file) and the integer text it is read with.
#include "core/app_error.h"
#include "core/integer_text.h"
#include "store/settings_file.h"
#include "support/fixtures.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// ---- Integer text ----

TEST(IntegerText, ParsesDecimalAndDollarHexWithinThirtyTwoBits) {
    const std::pair<QString, std::optional<qint32>> cases[] = {
        {u"0"_s, 0},
        {u"42"_s, 42},
        {u"+5"_s, 5},
        {u"-5"_s, -5},
        {u"007"_s, 7},
        {u"2147483647"_s, 2147483647},
        {u"-2147483648"_s, -2147483647 - 1},
        {u"2147483648"_s, std::nullopt},
        {u"-2147483649"_s, std::nullopt},
        {u"99999999999999999999999"_s, std::nullopt},
        {u"$50"_s, 80},
        {u"$ff"_s, 255},
        {u"$7FFFFFFF"_s, 2147483647},
        {u"$80000000"_s, -2147483647 - 1},
        {u"$FFFFFFFF"_s, -1},
        {u"$100000000"_s, std::nullopt},
        {u""_s, std::nullopt},
        {u"-"_s, std::nullopt},
        {u"+"_s, std::nullopt},
        {u"$"_s, std::nullopt},
        {u"--5"_s, std::nullopt},
        {u"$-5"_s, std::nullopt},
        {u" 5"_s, std::nullopt},
        {u"5 "_s, std::nullopt},
        {u"1e3"_s, std::nullopt},
        {u"0x10"_s, std::nullopt},
        {u"$1G"_s, std::nullopt},
        {u"\u0661\u0662"_s, std::nullopt},  // digits of another script
        {u"\uFF15"_s, std::nullopt},        // full-width 5
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(parseInteger(text), value);
    }
}

TEST(IntegerText, ToIntegerRaisesTheConversionMessage) {
    EXPECT_EQ(toInteger(u"-17"_s), -17);
    for (const QString& text : {u"abc"_s, u""_s, u"3000000000"_s}) {
        SCOPED_TRACE(text.toStdString());
        try {
            toInteger(text);
            ADD_FAILURE() << "no error raised";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), u"'%1' is not a valid integer value"_s.arg(text));
        }
    }
}

// ---- Settings file ----

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"data.ini"_s);
};

QByteArray gbk(std::initializer_list<unsigned char> bytes) {
    QByteArray out;
    for (unsigned char b : bytes) out += char(b);
    return out;
}
const QByteArray kGbkWork = gbk({0xB9, 0xA4, 0xD7, 0xF7});   // 工作
const QByteArray kGbkSoft = gbk({0xC8, 0xED, 0xBC, 0xFE});   // 软件
const QByteArray kGbkYi = gbk({0x81, 0x5D});                 // 乚, its second byte is ']'

TEST_F(SettingsFileTest, ReadsValuesByTheProfileRules) {
    writeFile(path,
              "stray=1\r\n"
              "[set]\r\n"
              "toumingdu=abc\r\n"
              "hex=0x50\r\n"
              "upperhex=0X1f\r\n"
              "bare0x=0x\r\n"
              "dollar=$50\r\n"
              "negative=-12\r\n"
              "  spaced \t=  7  \r\n"
              "dup=first\r\n"
              "dup=second\r\n"
              "noequals\r\n"
              "  [ MAIN ]  \r\n"
              "NAME_1=\r\n"
              "name_2 =  padded title\t \r\n"
              "name_3=\"quoted\"\r\n"
              "name_4='single'\r\n"
              "name_5=\"mismatched'\r\n"
              "web_name1=\" inner blanks \"\r\n"
              "web_name2=a=b=c\r\n"
              "web_name3=\"\"\r\n"
              "once=\"\"x\"\"\r\n"
              "[main]\r\n"
              "late=1\r\n"
              "[Set]\r\n"
              "yincang=1\r\n");
    SettingsFile file(path);

    struct IntCase {
        const char16_t *section, *key;
        qint32 fallback, expected;
    };
    const IntCase integers[] = {
        {u"set", u"toumingdu", 255, 255},
        {u"set", u"hex", 0, 80},
        {u"set", u"upperhex", 0, 31},
        {u"set", u"bare0x", 9, 9},
        {u"set", u"dollar", 0, 80},
        {u"set", u"negative", 0, -12},
        {u"SET", u"SPACED", 0, 7},
        {u"set", u"yincang", 0, 0},   // only the first [set] counts
        {u"set", u"missing", 1, 1},
        {u"nosection", u"toumingdu", 3, 3},
        {u"", u"stray", 4, 4},        // lines before any section belong to none
    };
    for (const IntCase& c : integers) {
        SCOPED_TRACE(QStringView(c.key).toString().toStdString());
        EXPECT_EQ(file.readInteger(c.section, c.key, c.fallback), c.expected);
    }

    struct TextCase {
        const char16_t *section, *key, *expected;
    };
    const TextCase texts[] = {
        {u"main", u"name_1", u""},           // present but empty: not the default
        {u"main", u"name_9", u"0"},          // missing: the default
        {u"Main", u"Name_2", u"padded title"},
        {u"main", u"name_3", u"quoted"},
        {u"main", u"name_4", u"single"},
        {u"main", u"name_5", u"\"mismatched'"},
        {u"main", u"web_name1", u" inner blanks "},
        {u"main", u"web_name2", u"a=b=c"},
        {u"main", u"web_name3", u""},
        {u"main", u"once", u"\"x\""},
        {u"main", u"late", u"0"},
        {u"set", u"dup", u"first"},
        {u"set", u"noequals", u"0"},
    };
    for (const TextCase& c : texts) {
        SCOPED_TRACE(QStringView(c.key).toString().toStdString());
        EXPECT_EQ(file.readText(c.section, c.key, u"0"_s), QStringView(c.expected));
    }
}

TEST_F(SettingsFileTest, CutsLongValuesAt2047BytesWithoutSplittingACharacter) {
    const QByteArray utf8Work = "\xE5\xB7\xA5";  // 工 in UTF-8, three bytes
    struct Case {
        const char* name;
        QByteArray value;
        QString expected;
    };
    const Case cases[] = {
        {"3000 ASCII bytes", QByteArray(3000, 'p'), QString(2047, u'p')},
        {"UTF-8, fits exactly", QByteArray(2044, 'p') + utf8Work, QString(2044, u'p') + u"工"_s},
        {"UTF-8, straddles", QByteArray(2045, 'p') + utf8Work + "tail", QString(2045, u'p')},
        {"GB18030, fits exactly", QByteArray(2045, 'p') + kGbkWork.first(2), QString(2045, u'p') + u"工"_s},
        {"GB18030, straddles", QByteArray(2046, 'p') + kGbkWork, QString(2046, u'p')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, "[t1]\r\nt1_path_1=" + c.value + "\r\n");
        SettingsFile file(path);
        EXPECT_EQ(file.readText(u"t1", u"t1_path_1", QString()), c.expected);
    }
}

TEST_F(SettingsFileTest, GbkFileReadsAndRoundTripsInItsOwnEncoding) {
    // A line whose bytes look like "[?]" is text, not a section: 乚 ends in ']'.
    const QByteArray original = "; " + kGbkSoft + "\r\n"
                                "[main]\r\n"
                                "[" + kGbkYi + "\r\n"
                                "name_1=" + kGbkWork + "\r\n"
                                "name_2=old\r\n";
    writeFile(path, original);
    SettingsFile file(path);
    EXPECT_EQ(file.readText(u"main", u"name_1", u"0"_s), u"工作"_s);

    file.writeText(u"main", u"name_1", u"工作"_s);
    file.commit();
    EXPECT_EQ(readFile(path), original);

    file.writeText(u"main", u"name_2", u"软件"_s);
    file.commit();
    EXPECT_EQ(readFile(path), QByteArray(original).replace("name_2=old", "name_2=" + kGbkSoft));
}

TEST_F(SettingsFileTest, UnknownLinesSurviveWritingTheSameValuesByteForByte) {
    const QByteArray original = "\xEF\xBB\xBF[set]\r\n"
                                "toumingdu=200\r\n"
                                "unknown_key=keep me\r\n"
                                "; comment in set\r\n"
                                "\r\n"
                                "[other]\r\n"
                                "  foo = \"bar\" \r\n"
                                "no equals sign\r\n"
                                "[main]\r\n"
                                "name_1=\xE5\xB7\xA5\xE4\xBD\x9C\r\n"
                                "\r\n";
    writeFile(path, original);
    SettingsFile file(path);
    EXPECT_EQ(file.readInteger(u"set", u"toumingdu", 255), 200);
    file.writeInteger(u"set", u"toumingdu", 200);
    file.writeText(u"main", u"name_1", u"工作"_s);
    file.commit();
    EXPECT_EQ(readFile(path), original);
}

TEST_F(SettingsFileTest, AcceptsAnyLineEndAndWritesCrLf) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"[set]\nskin=2\n", "[set]\r\nskin=2\r\n"},
        {"[set]\rskin=2\r", "[set]\r\nskin=2\r\n"},
        {"[set]\r\nskin=2", "[set]\r\nskin=2\r\n"},
        {"[set]\n\r\nskin=2\r\r", "[set]\r\n\r\nskin=2\r\n\r\n"},
    };
    for (const auto& [input, output] : cases) {
        SCOPED_TRACE(input.toStdString());
        writeFile(path, input);
        SettingsFile file(path);
        EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 2);
        file.commit();
        EXPECT_EQ(readFile(path), output);
    }
}

TEST_F(SettingsFileTest, WritesReplaceInPlaceAndAddAtTheEndOfTheirSection) {
    writeFile(path,
              "[set]\r\n"
              "toumingdu=200\r\n"
              "\r\n"
              "[main]\r\n"
              "name_1=a\r\n"
              "; last line of main\r\n"
              "\r\n"
              "\r\n"
              "[t1]");
    SettingsFile file(path);
    file.writeInteger(u"SET", u"yincang", 1);
    file.writeText(u"main", u"NAME_1", u"b"_s);
    file.writeText(u"main", u"name_2", QString());
    file.writeText(u"main", u"name_3", u"c"_s);
    file.writeInteger(u"t1", u"t1_now_1", -5);
    file.writeInteger(u"web", u"web_now_1", 0);
    // A line break in a value would start a line of its own and could add a key.
    file.writeText(u"t1", u"t1_name_1", u"x\r\nt1_now_2=1\ry\nz"_s);
    file.writeText(u"set", u"toumingdu", u"\"quoted\" as is "_s);

    EXPECT_EQ(file.readText(u"main", u"name_1", QString()), u"b"_s);
    file.commit();
    EXPECT_EQ(readFile(path),
              "[set]\r\n"
              "toumingdu=\"quoted\" as is \r\n"
              "yincang=1\r\n"
              "\r\n"
              "[main]\r\n"
              "NAME_1=b\r\n"
              "; last line of main\r\n"
              "name_2=\r\n"
              "name_3=c\r\n"
              "\r\n"
              "\r\n"
              "[t1]\r\n"
              "t1_now_1=-5\r\n"
              "t1_name_1=x  t1_now_2=1 y z\r\n"
              "[web]\r\n"
              "web_now_1=0\r\n");

    SettingsFile reread(path);
    EXPECT_EQ(reread.readInteger(u"t1", u"t1_now_2", 0), 0);
    EXPECT_EQ(reread.readText(u"t1", u"t1_name_1", QString()), u"x  t1_now_2=1 y z"_s);
    EXPECT_EQ(reread.readText(u"main", u"name_2", u"0"_s), QString());
}

TEST_F(SettingsFileTest, FirstSaveCreatesAUtf8FileWithSectionsInWriteOrder) {
    SettingsFile file(path);
    file.writeInteger(u"set", u"toumingdu", 255);
    file.writeInteger(u"set", u"yincang", 0);
    file.writeText(u"main", u"name_1", u"工作"_s);
    file.writeInteger(u"set", u"skin", 3);
    EXPECT_FALSE(QFile::exists(path));
    file.commit();
    EXPECT_EQ(readFile(path),
              "[set]\r\ntoumingdu=255\r\nyincang=0\r\nskin=3\r\n"
              "[main]\r\nname_1=\xE5\xB7\xA5\xE4\xBD\x9C\r\n");
}

TEST_F(SettingsFileTest, ReadsComeFromOneLoadUntilReload) {
    writeFile(path, "[set]\r\nskin=2\r\n");
    SettingsFile file(path);
    EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 2);
    writeFile(path, "[set]\r\nskin=4\r\n");
    file.writeInteger(u"set", u"skin", 5);
    EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 5);
    file.reload();
    EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 4);
}

TEST_F(SettingsFileTest, UnreadableOrGarbageFilesReadAsDefaults) {
    QRandomGenerator random(12345);
    QByteArray junk(64 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(junk.data()), junk.size() / 4);
    QByteArray big(10 * 1024 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(big.data()), big.size() / 4);

    const std::pair<const char*, QByteArray> cases[] = {
        {"binary junk", junk},
        {"10 MB of junk", big},
        {"10 MB line", "[set]\r\ntoumingdu=" + QByteArray(10 * 1024 * 1024, '7')},
        {"NUL bytes", QByteArray("[set]\0\r\ntoumingdu=\0 80\r\n[main]\r\0\nname_1\0=x\r\n", 42)},
        {"lines without =", "[set]\r\ntoumingdu\r\n80\r\n[main\r\nname_1\r\n"},
        {"only line ends", QByteArray(100000, '\n')},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeFile(path, bytes);
        SettingsFile file(path);
        EXPECT_EQ(file.readInteger(u"set", u"toumingdu", 255), 255);
        EXPECT_EQ(file.readText(u"main", u"name_1", u"0"_s), u"0"_s);
        file.writeInteger(u"set", u"toumingdu", 90);
        EXPECT_EQ(file.readInteger(u"set", u"toumingdu", 255), 90);
    }

    for (const QString& unreadable : {dir.filePath(u"absent.ini"_s), dir.path()}) {
        SCOPED_TRACE(unreadable.toStdString());
        SettingsFile file(unreadable);
        EXPECT_EQ(file.readInteger(u"set", u"toumingdu", 255), 255);
        EXPECT_EQ(file.readText(u"main", u"name_1", u"0"_s), u"0"_s);
    }
}

// ---- Encoding ----

TEST_F(SettingsFileTest, ChoosesOneEncodingThatItsOwnSaveKeeps) {
    const QString cut(2, QChar(0xFFFD));  // what a character cut short reads as
    struct Case {
        const char* name;
        QByteArray file;
        bool utf8;
        QString name1;      // main/name_1 as read
        QString written;    // the value the save gives it; null: the value read
        QByteArray savedStart;
    };
    const Case cases[] = {
        {"GBK from Windows", "[main]\r\nname_1=" + kGbkWork + "\r\n", false, u"工作"_s, {}, "[main]\r\n"},
        {"byte-order mark, cut character, no final line end", "\357\273\277[main]\012name_1=\344\270", true, cut,
         {}, "\xEF\xBB\xBF[main]\r\nname_1=\xE4\xB8\r\n"},
        {"cut character, no final line end", "[main]\nname_1=\xE4\xB8", true, cut, {}, "[main]\r\nname_1=\xE4\xB8\r\n"},
        {"one stray byte in a UTF-8 file", "[main]\r\nname_1=\xe7\xbb\x84\x31\r\n[t1]\r\nt1_name_1=\xe5y\r\n", true,
         u"组1"_s, {}, "[main]\r\nname_1=\xe7\xbb\x84\x31\r\n"},
        {"GBK that starts like UTF-8", "[main]\r\nname_1=\xC8\xAB\xB2\xBF\r\n", false, u"全部"_s, {}, "[main]\r\n"},
        {"GB18030 byte-order mark", "\x84\x31\x95\x33[main]\r\nname_1=" + kGbkWork, false, u"工作"_s, {},
         "\x84\x31\x95\x33[main]\r\n"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[main]\r\nname_1=a\xE5\xB7\xA5\r\n", true, u"a工"_s, {},
         "\xEF\xBB\xBF[main]\r\n"},
        // Saves that would leave bytes from which the next start chose the other encoding.
        {"GBK renamed to a character that is also UTF-8", "[main]\r\nname_1=" + kGbkWork + "\r\n", false, u"工作"_s,
         u"全"_s, "\x84\x31\x95\x33[main]\r\nname_1=\xC8\xAB\r\n"},
        {"UTF-8 with stray bytes renamed to ASCII", "[main]\r\nname_1=\xE7\xBB\x84\r\nnote=\xE5\xE5\r\n", true,
         u"组"_s, u"abc"_s, "\xEF\xBB\xBF[main]\r\nname_1=abc\r\nnote=\xE5\xE5\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path, c.file);
        SettingsFile file(path);
        EXPECT_EQ(file.isUtf8(), c.utf8);
        const QString name1 = file.readText(u"main", u"name_1", u"0"_s);
        EXPECT_EQ(name1, c.name1);
        const QString written = c.written.isNull() ? name1 : c.written;
        file.writeText(u"main", u"name_1", written);
        file.writeInteger(u"set", u"skin", 3);
        file.commit();

        const QByteArray saved = readFile(path);
        EXPECT_TRUE(saved.startsWith(c.savedStart)) << saved.toStdString();
        SettingsFile next(path);
        EXPECT_EQ(next.isUtf8(), c.utf8);
        EXPECT_EQ(next.readText(u"main", u"name_1", u"0"_s), written);
        EXPECT_EQ(next.readInteger(u"set", u"skin", 1), 3);
    }
}

// ---- Files that are there but cannot be read whole ----

TEST_F(SettingsFileTest, AFileRefusedAtTheFirstReadIsNeverWritten) {
    const QByteArray huge = "[set]\r\nskin=2\r\n" + QByteArray(SettingsFile::kMaxFileBytes, ';');
    writeFile(path, huge);
    SettingsFile file(path);
    EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 1);
    EXPECT_EQ(file.loadProblem(),
              u"无法读取数据文件 %1：它大于 4 MiB。本次以默认设置运行，关闭时不会改写这个文件。"_s.arg(path));
    file.writeInteger(u"set", u"skin", 5);
    file.commit();
    EXPECT_EQ(readFile(path), huge);

    // Readable by the close, it still holds what this run never saw.
    writeFile(path, "[set]\r\nskin=2\r\n");
    file.reload();
    file.writeInteger(u"set", u"skin", 5);
    file.commit();
    EXPECT_EQ(readFile(path), "[set]\r\nskin=2\r\n");
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadAtTheCloseIsLeftAndItsContentRescued) {
    writeFile(path, "[set]\r\nskin=2\r\nmine=1\r\n");
    SettingsFile file(path);
    EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 2);
    EXPECT_EQ(file.loadProblem(), QString());
    QFile::remove(path);
    QDir(dir.path()).mkdir(u"data.ini"_s);

    file.reload();
    file.writeInteger(u"set", u"skin", 4);
    try {
        file.commit();
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), u"无法读取数据文件 %1：它不是普通文件。"_s.arg(path));
    }
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(readFile(file.rescue(dir.filePath(u"state"_s))), "[set]\r\nskin=4\r\n");
}

// ---- Rescue copies ----

TEST(SettingsFileRescue, GoesBesideTheFileOrElseToTheFallbackFolder) {
    struct Case {
        const char* name;
        bool protectAppDir, protectStateParent;
        const char* expectedFolder;  // "app", "state", or nullptr when refused
    };
    const Case cases[] = {
        {"folder of the file takes it", false, false, "app"},
        {"folder of the file refuses", true, false, "state"},
        {"both refuse", true, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir app, stateParent;
        const QString path = app.filePath(u"data.ini"_s);
        const QString state = stateParent.filePath(u"vantrel"_s);
        SettingsFile file(path);
        file.writeText(u"main", u"name_1", u"工作"_s);
        std::optional<WriteProtected> appLock, stateLock;
        if (c.protectAppDir) appLock.emplace(app.path());
        if (c.protectStateParent) stateLock.emplace(stateParent.path());
        if ((appLock && !appLock->effective()) || (stateLock && !stateLock->effective()))
            GTEST_SKIP() << "this file system cannot refuse the write";

        try {
            const QString rescued = file.rescue(state);
            ASSERT_TRUE(c.expectedFolder);
            EXPECT_EQ(QFileInfo(rescued).absolutePath(), std::string_view(c.expectedFolder) == "app" ? app.path() : state);
            EXPECT_TRUE(QFileInfo(rescued).fileName().startsWith(u"data.ini.rescue-"_s));
            EXPECT_EQ(readFile(rescued), "[main]\r\nname_1=\xE5\xB7\xA5\xE4\xBD\x9C\r\n");
        } catch (const AppError& error) {
            EXPECT_FALSE(c.expectedFolder) << error.message().toStdString();
        }
        EXPECT_FALSE(QFile::exists(path));
    }
}

// ---- Leftovers of a save killed midway ----

TEST_F(SettingsFileTest, FirstReadRemovesOnlyTheLeftoversOfItsOwnSave) {
    const QDir folder(dir.path());
    const auto make = [&](const QString& name) { writeFile(folder.filePath(name), "[set]\r\n"); };
    const QStringList leftovers{u"data.ini.saving-Ab12Cd"_s, u"data.ini.saving-zzzzzz"_s};
    const QStringList kept{u"data.ini.saving-abc12"_s,  u"data.ini.saving-Ab12Cd7"_s, u"data.ini.saving-Ab12Cd.bak"_s,
                           u"data.ini.backup"_s,        u"data.ini.ZRIUYy"_s,        u"other.ini.saving-Ab12Cd"_s,
                           u"data.ini.rescue-Ab12Cd"_s, u"data.ini.saving-Held00"_s, u"data.ini"_s};
    for (const QString& name : leftovers + kept) make(name);
    folder.mkdir(u"data.ini.saving-Dir000"_s);
    QFile::link(folder.filePath(u"data.ini.backup"_s), folder.filePath(u"data.ini.saving-Link00"_s));
    // A save of another running copy holds its file.
    QFile held(folder.filePath(u"data.ini.saving-Held00"_s));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(held.handle(), LOCK_EX), 0);

    SettingsFile file(path);
    EXPECT_EQ(file.readInteger(u"set", u"skin", 1), 1);
    QStringList expected = kept + QStringList{u"data.ini.saving-Dir000"_s, u"data.ini.saving-Link00"_s};
    expected.sort();
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name), expected);
}

TEST_F(SettingsFileTest, ASaveKilledMidwayLeavesTheOldFileWhole) {
    const QByteArray old = "[set]\r\nskin=2\r\n";
    writeFile(path, old);
    const pid_t child = ::fork();
    if (child == 0) {
        // The system kills a process that writes past its file size limit, here in the
        // middle of the save's temporary file.
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SettingsFile file(path);
        file.writeText(u"main", u"name_1", QString(4096, u'x'));
        file.commit();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(readFile(path), old);
    // Where the file system has unnamed temporary files, the killed write leaves nothing;
    // elsewhere the next start removes what it left.
    SettingsFile next(path);
    EXPECT_EQ(next.readInteger(u"set", u"skin", 1), 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"data.ini"_s});
}

// ---- Refused writes ----

struct RefusedWrite {
    const char* name;
    bool protect;  // write-protect what prepare() returns
    QString (*prepare)(const QString& dir, QString& path);
};

const RefusedWrite kRefusedWrites[] = {
    {"read-only file", true,
     [](const QString& dir, QString& path) {
         path = dir + u"/data.ini"_s;
         writeFile(path, "[set]\r\nskin=2\r\n");
         return path;
     }},
    {"read-only folder", true,
     [](const QString& dir, QString& path) {
         path = dir + u"/data.ini"_s;
         writeFile(path, "[set]\r\nskin=2\r\n");
         return dir;
     }},
    {"link into a missing folder", false,
     [](const QString& dir, QString& path) {
         path = dir + u"/data.ini"_s;
         QFile::link(dir + u"/gone/data.ini"_s, path);
         return QString();
     }},
    {"folder missing", false,
     [](const QString& dir, QString& path) {
         path = dir + u"/gone/data.ini"_s;
         return QString();
     }},
};

void PrintTo(const RefusedWrite& refused, std::ostream* out) { *out << refused.name; }

class SettingsFileRefusedWrite : public ::testing::TestWithParam<RefusedWrite> {};

TEST_P(SettingsFileRefusedWrite, RaisesTheWriteMessageAndLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    QString path;
    const QString protectedPath = GetParam().prepare(dir.path(), path);
    const QByteArray before = readFile(path);
    std::optional<WriteProtected> readOnly;
    if (GetParam().protect) {
        readOnly.emplace(protectedPath);
        if (!readOnly->effective()) GTEST_SKIP() << "this file system cannot refuse the write";
    }

    SettingsFile file(path);
    file.writeInteger(u"set", u"skin", 4);
    try {
        file.commit();
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), u"Unable to write to "_s + path);
    }
    EXPECT_EQ(readFile(path), before);
    readOnly.reset();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System),
              QFileInfo(path).exists() || QFileInfo(path).isSymLink() ? QStringList{u"data.ini"_s} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(, SettingsFileRefusedWrite, ::testing::ValuesIn(kRefusedWrites),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

} // namespace
