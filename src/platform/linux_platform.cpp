#include "platform/linux_platform.h"

#include "platform/desktop_entry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIcon>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLayout>
#include <QListView>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

int boxExec(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, owner);
    return box.exec();
}

// The file dialog's size, type and date columns as the default locale writes them, a
// folder's type in Chinese: Qt writes sizes and dates in the system's locale and names
// folders in English.
class FileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || index.column() == 0) return QIdentityProxyModel::data(index, role);
        const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex file = mapToSource(index);
        const bool folder = files->isDir(file);
        switch (index.column()) {
        case 1: return folder ? QString() : QLocale().formattedDataSize(files->size(file), 1, QLocale::DataSizeTraditionalFormat);
        case 2: return folder ? u"文件夹"_s : QIdentityProxyModel::data(index, role);
        case 3: return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        default: return QIdentityProxyModel::data(index, role);
        }
    }
};

} // namespace

FileIcons::FileIcons() {
    QStringList folders = QIcon::themeSearchPaths();
    for (const QString& folder : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, u"icons"_s,
                                                           QStandardPaths::LocateDirectory))
        if (!folders.contains(folder)) folders.append(folder);
    QIcon::setThemeSearchPaths(folders);
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(u"hicolor"_s);
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == u"hicolor"_s)
        QIcon::setFallbackThemeName(u"Adwaita"_s);
}

QIcon FileIcons::icon(const QFileInfo& info) const {
    if (info.suffix() == u"desktop"_s) {
        if (const auto entry = readDesktopEntry(info.filePath()); entry && !entry->icon.isEmpty()) {
            const QIcon own = QFileInfo(entry->icon).isAbsolute() ? QIcon(entry->icon) : QIcon::fromTheme(entry->icon);
            if (!own.isNull()) return own;
        }
    }
    const QMimeType type = mimeTypes_.mimeTypeForFile(info);
    for (const QString& name : {type.iconName(), type.genericIconName()})
        if (const QIcon themed = QIcon::fromTheme(name); !themed.isNull()) return themed;
    return QFileIconProvider::icon(info);
}

QtDialogs::QtDialogs() : folder_(QDir::homePath()) {
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

void QtDialogs::errorBox(QWidget* owner, const QString& message) {
    boxExec(owner, QMessageBox::Critical, QCoreApplication::applicationName(), message,
            QMessageBox::Ok);
}

void QtDialogs::message(QWidget* owner, const QString& text, const QString& caption) {
    boxExec(owner, QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
}

bool QtDialogs::yesNo(QWidget* owner, const QString& text, const QString& caption) {
    return boxExec(owner, QMessageBox::NoIcon, caption, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString QtDialogs::inputBox(QWidget* owner, const QString& caption, const QString& prompt,
                            const QString& defaultText) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // A prompt keeps its size: window managers then offer no maximise. The dialog makes its
    // layout when first asked for its size.
    dialog.sizeHint();
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : defaultText;
}

std::optional<QString> QtDialogs::openFile(QWidget* owner) {
    QFileDialog dialog(owner, QString(), folder_);
    // Qt's own dialog speaks the interface's Chinese also where the desktop's would not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setIconProvider(&icons_);
    dialog.setProxyModel(new FileColumns(&dialog));
    // Every column as wide as its texts, and the places beside them too: nothing is cut.
    if (auto* view = dialog.findChild<QTreeView*>(u"treeView"_s))
        view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (auto* places = dialog.findChild<QListView*>(u"sidebar"_s))
        places->setMinimumWidth(places->sizeHintForColumn(0) + 2 * places->frameWidth());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

QImage DesktopIconSource::largeIcon(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    const QIcon icon = icons_.icon(info);
    if (icon.isNull()) return {};
    const QSize size(32, 32);
    return icon.pixmap(size, 1.0).toImage().scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
