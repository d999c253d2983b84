#include "launch/icon_cache.h"

#include <QPainter>

bool captureIcon(IconSource& icons, const QString& target, const QString& bmpPath) {
    const QImage icon = icons.largeIcon(target);
    QImage bitmap(icon.isNull() ? QSize(32, 32) : icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    if (!icon.isNull()) QPainter(&bitmap).drawImage(0, 0, icon);
    return bitmap.save(bmpPath, "BMP");
}

QList<SlotRef> captureProgramIcons(IconSource& icons, const LaunchModel& model, const QString& appDir) {
    QList<SlotRef> captured;
    for (int g = 1; g <= groupCount(GroupKind::Program); ++g)
        for (int n = 1; n <= kSlotsPerGroup; ++n) {
            const LaunchSlot& slot = model.group(GroupKind::Program, g).slots[n - 1];
            if (slot.now != 0 && captureIcon(icons, slot.path, IconPath(appDir, g, n)))
                captured.push_back({g, n});
        }
    return captured;
}
