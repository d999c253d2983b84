#include "launch/icon_cache.h"

#include <QPainter>

bool captureIcon(IconSource& icons, const QString& target, const QString& bmpPath) {
    const QImage icon = icons.largeIcon(target);
    QImage bitmap(icon.isNull() ? QSize(32, 32) : icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    if (!icon.isNull()) QPainter(&bitmap).drawImage(0, 0, icon);
    return bitmap.save(bmpPath, "BMP");
}
