#include "app/skins.h"

#include <QFile>

QString skinStyleSheet(int index) {
    QFile file(skins().at(index).sheet);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
