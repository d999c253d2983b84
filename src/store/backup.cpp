#include "store/backup.h"

#include "core/app_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kNotice = u"提示"_s;

} // namespace

void copyFileReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw AppError(u"Unable to read %1 (%2)"_s.arg(source, in.errorString()));
    QSaveFile out(target);
    const auto refused = [&] {
        return AppError(u"Unable to write to %1 (%2)"_s.arg(target, out.errorString()));
    };
    if (!out.open(QIODevice::WriteOnly)) throw refused();
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            throw AppError(u"Unable to read %1 (%2)"_s.arg(source, in.errorString()));
        if (out.write(chunk) != chunk.size()) throw refused();
    }
    if (!out.commit()) throw refused();
}

void backupData(Dialogs& dialogs, QWidget* owner, const Paths& paths) {
    if (!dialogs.yesNo(owner, u"请重启程序后再备份数据以防丢失!"_s, u"备份"_s)) return;
    if (!QFileInfo(paths.dataFile()).isFile()) {
        dialogs.message(owner, u"没有找到数据文件!"_s, kNotice);
        return;
    }
    copyFileReplacing(paths.dataFile(), paths.backupFile());
    dialogs.message(owner,
                    u"备份成功!(数据已备份到"_s + QDir::toNativeSeparators(paths.backupFile()) + u')',
                    kNotice);
}

void restoreData(Dialogs& dialogs, QWidget* owner, const Paths& paths, bool& dataRestored) {
    if (!dialogs.yesNo(owner, u"确定要还原数据吗?"_s, u"还原"_s)) return;
    if (!QFileInfo(paths.backupFile()).isFile()) {
        dialogs.message(owner, u"没有找到备份文件!请先备份!"_s, kNotice);
        return;
    }
    copyFileReplacing(paths.backupFile(), paths.dataFile());
    dataRestored = true;
    dialogs.message(owner, u"还原成功!请重启程序!"_s, kNotice);
}
