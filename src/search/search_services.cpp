#include "search/search_services.h"

using namespace Qt::Literals::StringLiterals;

const QList<SearchCategory>& searchCategories() {
    static const QList<SearchCategory> categories{
        {u"网页   "_s,
         {{u"百度"_s, u"www.baidu.com"_s, u"/s?wd="_s},
          {u"Google"_s, u"www.google.com.hk"_s, u"/search?q="_s},
          {u"雅虎"_s, u"one.cn.yahoo.com"_s, u"/s?p="_s}}},
        {u"图片   "_s,
         {{u"百度"_s, u"image.baidu.com"_s,
           u"/i?ct=201326592&cl=2&lm=-1&tn=baiduimage&fm=index&pv=&z=0&word="_s},
          {u"Google"_s, u"images.google.com.hk"_s, u"/images?q="_s},
          {u"搜狗"_s, u"pic.sogou.com"_s, u"/pics?query="_s}}},
        {u"音乐   "_s,
         {{u"百度音乐"_s, u"mp3.baidu.com"_s, u"/m?f=ms&tn=baidump3&ct=134217728&lf=&rn=&word="_s},
          {u"搜狗音乐"_s, u"mp3.sogou.com"_s, u"/music.so?query="_s},
          {u"9 酷音乐"_s, u"www.9ku.com"_s, u"/so.asp?key="_s}}},
        {u"视频   "_s,
         {{u"百度视频"_s, u"video.baidu.com"_s, u"/v?word="_s},
          {u"土豆网"_s, u"so.tudou.com"_s, u"/isearch/"_s},
          {u"优酷网"_s, u"so.youku.com"_s, u"/search_video/q_"_s},
          {u"56网"_s, u"so.56.com"_s, u"/index?key="_s},
          {u"酷6"_s, u"so.ku6.com"_s, u"/v/q"_s}}},
        {u"新闻   "_s,
         {{u"百度"_s, u"news.baidu.com"_s, u"/ns?word="_s},
          {u"新浪新闻"_s, u"search.sina.com.cn"_s, u"/?q="_s, u"&c=news"_s},
          {u"腾讯搜搜"_s, u"news.soso.com"_s, u"/q?sc=qq&site=news&cid=w.q.news&w="_s}}},
        {u"小说   "_s,
         {{u"起点中文"_s, u"sosu.qidian.com"_s, u"/searchresult.aspx?searchkey="_s,
           u"&searchtype=%E4%B9%A6%E5%90%8D"_s},
          {u"飞库"_s, u"www.feiku.com"_s, u"/s?searchkey="_s, u"&c=1"_s}}},
        {u"软件   "_s,
         {{u"天空站"_s, u"search.skycn.com"_s, u"/search.php?ss_name="_s},
          {u"多特站"_s, u"www.duote.com"_s, u"/search.php?searchType=&so="_s},
          {u"华军站"_s, u"search.newhua.com"_s, u"/search_list.php?searchname="_s},
          {u"非凡站"_s, u"www.crsky.com"_s,
           u"/search.asp?action=s&sType=ResName&catalog=&keyword="_s},
          {u"绿色联盟"_s, u"www.xdowns.com"_s, u"/tag.asp?keyword="_s}}},
        {u"电影   "_s,
         {{u"迅雷看看"_s, u"search.xunlei.com"_s, u"/search.php?keyword="_s},
          {u"时光网"_s, u"www.mtime.com"_s, u"/search/movie/?"_s},
          {u"电影天堂"_s, u"www.dytt8.net"_s, u"/plus/search.php?kwtype=0&keyword="_s}}},
    };
    return categories;
}

QString SearchAddress(const QString& host, const QString& prefix, const QString& text,
                      const QString& suffix) {
    return u"http://"_s + host + prefix + text + suffix;
}

std::optional<QString> searchRefusal(const QString& text, int serviceIndex) {
    if (text.isEmpty()) return u"搜索内容不能为空!"_s;
    if (serviceIndex == -1) return u"搜索引擎不能为空!"_s;
    return std::nullopt;
}

namespace Lookups {
const OnlineLookup ip{u"www.ip138.com"_s, u"/ips.asp?ip="_s, u"IP地址不能为空!"_s};
const OnlineLookup mobile{u"www.ip138.com:8080"_s, u"/search.asp?action=mobile&mobile="_s,
                          u"手机号码不能为空!"_s};
const OnlineLookup idCard{u"qq.ip138.com"_s, u"/idsearch/index.asp?action=idcard&userid="_s,
                          u"身份证号不能为空!"_s};
const OnlineLookup dictionary{u"www.iciba.com"_s, u"/"_s, u"内容不能为空!"_s};
} // namespace Lookups
