// Reading the latest version from the update server's page.
#include "about/version_page.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(TextBetween, TakesWhatFollowsTheFirstStartMarkerUpToTheEndMarker) {
    const struct {
        QString line, start, end, expected;
    } cases[] = {
        {u"<title>最新版本v1.4</title>"_s, u"最新版本"_s, u"</title>"_s, u"v1.4"_s},
        {u"<title>最新版本 v1.3</title>"_s, u"最新版本"_s, u"</title>"_s, u" v1.3"_s},
        {u"<title>最新版本a</title>"_s, u"最新版本"_s, u"</title>"_s, u"a"_s},
        {u"最新版本A最新版本B</title>"_s, u"最新版本"_s, u"</title>"_s, u"A最新版本B"_s},
        {u"<title>凡特睿 v1.4</title>"_s, u"最新版本"_s, u"</title>"_s, u""_s},
        {u"<title>最新版本v1.4"_s, u"最新版本"_s, u"</title>"_s, u""_s},
        {u"</title>最新版本v1.4"_s, u"最新版本"_s, u"</title>"_s, u""_s},
        {u"<title>最新版本"_s, u"最新版本"_s, u"</title>"_s, u""_s},
        // The end marker is looked for from the second character after the start marker:
        // one that begins right after it does not count, a later one does.
        {u"<title>最新版本</title>"_s, u"最新版本"_s, u"</title>"_s, u""_s},
        {u"最新版本</title>x</title>"_s, u"最新版本"_s, u"</title>"_s, u"</title>x"_s},
        {u"[]]"_s, u"["_s, u"]"_s, u"]"_s},
        {u"[ab]"_s, u"["_s, u"]"_s, u"ab"_s},
        {u"[ab]"_s, u""_s, u"]"_s, u""_s},
        {u"[ab]"_s, u"["_s, u""_s, u""_s},
        {u""_s, u"["_s, u"]"_s, u""_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.line + u" | "_s + c.start + u" | "_s + c.end).toStdString());
        EXPECT_EQ(TextBetween(c.line, c.start, c.end), c.expected);
    }
}

// "最新版本" in GBK.
const QByteArray kMarkerGbk = "\xd7\xee\xd0\xc2\xb0\xe6\xb1\xbe";

TEST(LatestVersion, ComesFromTheFirstTitleLineOfThePage) {
    const struct {
        const char* what;
        QByteArray page;
        std::optional<QString> expected;
    } cases[] = {
        {"UTF-8 page", "<html>\n<head><title>凡特睿 最新版本v1.4</title></head>\n</html>\n", u"v1.4"_s},
        {"GBK page", "<html>\r\n<title>" + kMarkerGbk + "v1.3</title>\r\n", u"v1.3"_s},
        {"GBK page with Chinese in its version", "<title>" + kMarkerGbk + "v2.0\xd5\xfd\xca\xbd</title>",
         u"v2.0正式"_s},
        {"byte-order mark", "\xef\xbb\xbf<title>最新版本v1.5</title>", u"v1.5"_s},
        {"leading space kept", "<title>最新版本 v1.3</title>", u" v1.3"_s},
        {"only the first title line counts",
         "<title>最新版本v1.4</title>\n<title>最新版本v1.3</title>\n", u"v1.4"_s},
        {"lines end at a lone CR", "x\r<title>最新版本v1.6</title>\rmore</title>", u"v1.6"_s},
        {"title line without the marker", "<title>凡特睿</title>\n<title>最新版本v9</title>", u""_s},
        {"empty version", "<title>最新版本</title>", u""_s},
        {"title split over two lines", "<title>\n最新版本v1.4</title>\n", std::nullopt},
        {"markers match as written, letter case too", "<TITLE>最新版本v1.4</TITLE>", std::nullopt},
        {"no title line", "<html><body>最新版本v1.4</body></html>", std::nullopt},
        {"empty page", "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(latestVersion(c.page), c.expected);
    }
}

TEST(PageText, ValidUtf8IsUtf8AndAnythingElseGb18030) {
    EXPECT_EQ(pageText("\xe5\x87\xa1\xe7\x89\xb9\xe7\x9d\xbf"), u"凡特睿"_s);
    EXPECT_EQ(pageText("\xb7\xb2\xcc\xd8\xee\xa3"), u"凡特睿"_s);
}

} // namespace
