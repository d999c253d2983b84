#pragma once
// The window's own settings, section "set" of data.ini. A stored flag counts as on only
// when it is exactly 1.

#include <QtGlobal>

struct AppSettings {
    qint32 toumingdu = 255;
    qint32 yincang = 0;
    qint32 xianshi_gongjulan = 1;
    qint32 xianshi_bianji = 1;
    qint32 xianshi_shanchu = 1;
    qint32 skin = 1;
};
