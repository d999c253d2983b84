// The about dialog and the version check on the real windows, with a fake downloader.
#include "about/product_addresses.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class AboutTest : public MainWindowTest {
protected:
    AboutTest() { start(); }

    AboutDialog& about() { return windows->about; }
    UpdateDialog& update() { return windows->update; }
    template <typename T = QWidget>
    T* in(QWidget& dialog, const QString& name) {
        T* found = dialog.findChild<T*>(name);
        if (!found) ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    QString label(QWidget& dialog, const QString& name) { return in<QLabel>(dialog, name)->text(); }
    QString versionFile() const { return fake.paths.appDir() + u"version.txt"_s; }
    qsizetype checks() const { return fake.downloader.calls.size(); }
};

const QByteArray kNewer = "<html><head><title>凡特睿 最新版本v1.4</title></head></html>";

TEST_F(AboutTest, ToolbarAndTrayShowTheOneAboutDialog) {
    EXPECT_FALSE(about().isVisible());
    click(u"SpeedButton105"_s);
    EXPECT_TRUE(about().isVisible());
    find<QAction>(u"N2"_s)->trigger();
    EXPECT_TRUE(about().isVisible());
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) dialogs += w->objectName() == u"TForm2"_s;
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(about().findChildren<QPlainTextEdit*>().size(), 1);

    in<QPushButton>(about(), u"Button1"_s)->click();
    EXPECT_FALSE(about().isVisible());
    EXPECT_EQ(checks(), 0);
}

TEST_F(AboutTest, AboutShowsVersionDescriptionAndContacts) {
    about().present();
    EXPECT_EQ(about().windowTitle(), u"关于凡特睿(Vantrel)"_s);
    const std::pair<QString, QString> labels[] = {
        {u"Label3"_s, u"版本:v1.3     "_s},
        {u"Label4"_s, u"版本号: v1.3 Build 2011.1.25     "_s},
        {u"Label6"_s, u"软件说明:     "_s},
        {u"Label9"_s, u"E-mail:"_s + kContactMail},
    };
    for (const auto& [name, text] : labels) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(label(about(), name), text);
    }
    EXPECT_EQ(label(about(), u"Label1"_s) + label(about(), u"Label2"_s), u"Vantrel"_s);

    auto* memo = in<QPlainTextEdit>(about(), u"FlatMemo1"_s);
    EXPECT_TRUE(memo->isReadOnly());
    const QStringList lines = memo->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 18);
    const std::pair<int, QString> expected[] = {
        {1, u"欢迎使用凡特睿(Vantrel)。"_s},
        {3, u"此软件完全免费，绿色无插件。"_s},
        {4, u""_s},
        {5, u"功能/特性："_s},
        {9, u"④28种系统工具，定时关机、闹钟提醒等辅助。"_s},
        {13, u"⑧六大皮肤任你选择。"_s},
        {14, u""_s},
        {16, u"有意见或建议，请到发布站留言，谢谢！"_s},
        {17, u""_s},
    };
    for (const auto& [row, text] : expected) {
        SCOPED_TRACE(row);
        EXPECT_EQ(lines[row - 1], text);
    }
    EXPECT_TRUE(lines[17].startsWith(u"感谢支持："_s));
}

TEST_F(AboutTest, ContactLinksOpenMailAndTheWebSite) {
    const struct {
        QString label, verb, target;
    } links[] = {
        {u"Label9"_s, u"Open"_s, u"mailto:"_s + kContactMail},
        {u"Label10"_s, u""_s, kProductSite},
    };
    about().present();
    for (const auto& link : links) {
        SCOPED_TRACE(link.label.toStdString());
        fake.shell.calls.clear();
        QTest::mouseClick(in(about(), link.label), Qt::LeftButton);
        ASSERT_EQ(fake.shell.calls.size(), 1);
        const FakeShell::Call& call = fake.shell.calls.front();
        EXPECT_EQ(call.owner, &about());
        EXPECT_EQ(call.verb, link.verb);
        EXPECT_EQ(call.target, link.target);
        EXPECT_EQ(call.params, u""_s);
        EXPECT_TRUE(call.show == ShowMode::ShowNormal);
    }
    fake.shell.calls.clear();
    QTest::mouseClick(in(about(), u"Label7"_s), Qt::LeftButton);
    EXPECT_TRUE(fake.shell.calls.isEmpty());
}

TEST_F(AboutTest, UpdateDialogStartsWithItsDesignedTexts) {
    EXPECT_EQ(update().windowTitle(), u"版本更新"_s);
    const std::pair<QString, QString> labels[] = {
        {u"Label1"_s, u"当前版本 v1.3    "_s},
        {u"Label2"_s, u"最新版本"_s},
        {u"Label3"_s, QString(20, u' ')},
        {u"Label4"_s, u"在下最新版前，请先备份数据，"_s + QString(10, u' ')},
        {u"Label5"_s, u"新版本覆盖后，如果数据丢失，"_s + QString(9, u' ')},
        {u"Label6"_s, u"可以还原数据!"_s + QString(7, u' ')},
    };
    for (const auto& [name, text] : labels) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(label(update(), name), text);
    }
    EXPECT_FALSE(in<QPushButton>(update(), u"Button1"_s)->isEnabled());
}

// One dialog checks again and again: shown from the toolbar first, then through "刷新".
TEST_F(AboutTest, EachCheckRewritesTheVerdictAndTheDownloadButton) {
    const QByteArray markerGbk = "\xd7\xee\xd0\xc2\xb0\xe6\xb1\xbe";  // 最新版本
    const QString pad7(7, u' '), pad8(8, u' ');
    const struct {
        const char* what;
        std::optional<QByteArray> page;
        QString latest, verdict;
        bool download;
    } steps[] = {
        {"the same version", "<title>最新版本v1.3</title>", u"最新版本 v1.3"_s + pad7,
         u"已经是最新版本，无需更新!"_s + pad8, false},
        {"a newer version", kNewer, u"最新版本 v1.4"_s + pad7, u"发现新版本v1.4，请下载最新版!"_s + pad8, true},
        {"no title line keeps what the last check showed", "<p>最新版本v1.5</p>",
         u"最新版本 v1.4"_s + pad7, u"发现新版本v1.4，请下载最新版!"_s + pad8, true},
        {"a failed download", std::nullopt, u"最新版本 未知!"_s + pad7, u"网络异常，可能未连接!"_s + pad8,
         false},
        {"a space after the marker differs", "<title>最新版本 v1.3</title>", u"最新版本  v1.3"_s + pad7,
         u"发现新版本 v1.3，请下载最新版!"_s + pad8, true},
        {"a GBK page of the same version", "<title>" + markerGbk + "v1.3</title>\r\n",
         u"最新版本 v1.3"_s + pad7, u"已经是最新版本，无需更新!"_s + pad8, false},
        {"a title without the marker", "<title>凡特睿</title>", u"最新版本 "_s + pad7,
         u"发现新版本，请下载最新版!"_s + pad8, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        fake.downloader.page = step.page;
        fake.dialogs.calls.clear();
        const qsizetype before = checks();
        if (update().isVisible())
            in<QPushButton>(update(), u"Button3"_s)->click();
        else
            click(u"SpeedButton104"_s);

        ASSERT_EQ(checks(), before + 1);
        EXPECT_EQ(fake.downloader.calls.back().url, kUpdatePage);
        EXPECT_EQ(fake.downloader.calls.back().path, versionFile());
        EXPECT_FALSE(QFile::exists(versionFile()));
        EXPECT_EQ(label(update(), u"Label2"_s), step.latest);
        EXPECT_EQ(label(update(), u"Label3"_s), step.verdict);
        EXPECT_EQ(in<QPushButton>(update(), u"Button1"_s)->isEnabled(), step.download);
        if (step.page) {
            EXPECT_TRUE(fake.dialogs.calls.isEmpty());
        } else {
            ASSERT_EQ(fake.dialogs.calls.size(), 1);
            EXPECT_EQ(fake.dialogs.calls[0].kind, u"message"_s);
            EXPECT_EQ(fake.dialogs.calls[0].owner, &update());
            EXPECT_EQ(fake.dialogs.calls[0].text, u"网络异常，可能未连接!"_s);
            EXPECT_EQ(fake.dialogs.calls[0].caption, u"提示"_s);
        }
    }
}

TEST_F(AboutTest, OnlyAHiddenUpdateDialogChecksWhenShown) {
    fake.downloader.page = kNewer;
    find<QAction>(u"N18"_s)->trigger();
    EXPECT_TRUE(update().isVisible());
    EXPECT_EQ(checks(), 1);

    click(u"SpeedButton104"_s);
    about().present();
    in<QPushButton>(about(), u"Button2"_s)->click();
    EXPECT_EQ(checks(), 1);

    in<QPushButton>(update(), u"Button3"_s)->click();
    EXPECT_EQ(checks(), 2);

    in<QPushButton>(update(), u"Button2"_s)->click();
    EXPECT_FALSE(update().isVisible());
    in<QPushButton>(about(), u"Button2"_s)->click();
    EXPECT_TRUE(update().isVisible());
    EXPECT_EQ(checks(), 3);
}

TEST_F(AboutTest, ClosingTheUpdateDialogEndsAWaitingCheckQuietly) {
    fake.downloader.page = kNewer;
    fake.downloader.whileWaiting = [this] { update().close(); };
    click(u"SpeedButton104"_s);

    EXPECT_EQ(checks(), 1);
    EXPECT_FALSE(update().isVisible());
    EXPECT_TRUE(fake.dialogs.calls.isEmpty());
    EXPECT_FALSE(QFile::exists(versionFile()));
    EXPECT_EQ(label(update(), u"Label2"_s), u"最新版本"_s);
    EXPECT_FALSE(in<QPushButton>(update(), u"Button1"_s)->isEnabled());
}

TEST_F(AboutTest, DownloadButtonOpensTheProductSite) {
    fake.downloader.page = kNewer;
    click(u"SpeedButton104"_s);
    in<QPushButton>(update(), u"Button1"_s)->click();
    ASSERT_EQ(fake.shell.calls.size(), 1);
    const FakeShell::Call& call = fake.shell.calls.front();
    EXPECT_EQ(call.owner, &update());
    EXPECT_EQ(call.verb, u""_s);
    EXPECT_EQ(call.target, kProductSite);
    EXPECT_EQ(call.params, u""_s);
    EXPECT_TRUE(call.show == ShowMode::ShowNormal);
}

} // namespace
