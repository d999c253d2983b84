#include "platform/linux_platform.h"

#include "platform/desktop_entry.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace {

int boxExec(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, owner);
    return box.exec();
}

} // namespace

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
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

std::optional<QString> QtDialogs::openFile(QWidget* owner) {
    const QString path = QFileDialog::getOpenFileName(owner);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

QImage DesktopIconSource::largeIcon(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    QIcon icon;
    if (info.suffix() == u"desktop"_s) {
        if (const auto entry = readDesktopEntry(path); entry && !entry->icon.isEmpty())
            icon = QFileInfo(entry->icon).isAbsolute() ? QIcon(entry->icon)
                                                       : QIcon::fromTheme(entry->icon);
    }
    if (icon.isNull()) icon = provider_.icon(info);
    if (icon.isNull()) return {};
    return icon.pixmap(QSize(32, 32), 1.0).toImage();
}
