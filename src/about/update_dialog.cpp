#include "about/update_dialog.h"

#include "about/product_addresses.h"
#include "about/version_page.h"
#include "core/version.h"
#include "ui/designed_child.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

UpdateDialog::UpdateDialog(Platform& platform)
    : QDialog(nullptr, kDialogFlags),
      platform_(platform) {
    setObjectName(u"TForm4"_s);
    setWindowTitle(u"版本更新"_s);
    setFixedSize(249, 193);

    auto* panel = designedChild<QFrame>(this, u"FlatPanel1"_s, {8, 8, 233, 137});
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* logo = designedChild<QLabel>(panel, u"FlatImage1"_s, {8, 8, 41, 41});
    logo->setPixmap(QPixmap(u":/vantrel.png"_s));
    logo->setScaledContents(true);

    const struct {
        QString name, text;
        QRect geometry;
        bool warning;
        QLabel** kept;
    } labels[] = {
        {u"Label1"_s, u"当前版本 "_s + kVersion + u"    "_s, {60, 12, 110, 16}, false, nullptr},
        {u"Label2"_s, u"最新版本"_s, {60, 32, 110, 16}, false, &label2_},
        {u"Label3"_s, QString(20, u' '), {8, 60, 217, 16}, false, &label3_},
        {u"Label4"_s, u"在下最新版前，请先备份数据，          "_s, {8, 82, 217, 16}, true, nullptr},
        {u"Label5"_s, u"新版本覆盖后，如果数据丢失，         "_s, {8, 100, 217, 16}, true, nullptr},
        {u"Label6"_s, u"可以还原数据!       "_s, {8, 118, 217, 16}, true, nullptr},
    };
    for (const auto& l : labels) {
        auto* label = designedChild<QLabel>(panel, l.name, l.geometry);
        label->setText(l.text);
        if (l.warning) label->setStyleSheet(u"color: red;"_s);
        if (l.kept) *l.kept = label;
    }

    auto* refresh = designedChild<QPushButton>(panel, u"Button3"_s, {174, 18, 49, 25});
    refresh->setText(u"刷新"_s);
    connect(refresh, &QPushButton::clicked, this, &UpdateDialog::VersionCheck);

    button1_ = designedChild<QPushButton>(this, u"Button1"_s, {40, 156, 89, 27});
    button1_->setText(u"下载最新版"_s);
    button1_->setEnabled(false);
    connect(button1_, &QPushButton::clicked, this, &UpdateDialog::Button1Click);
    auto* close = designedChild<QPushButton>(this, u"Button2"_s, {144, 156, 65, 27});
    close->setText(u"关闭"_s);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void UpdateDialog::present() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
    VersionCheck();
}

void UpdateDialog::closeEvent(QCloseEvent* event) {
    platform_.downloader.abort();
    QDialog::closeEvent(event);
}

void UpdateDialog::VersionCheck() {
    const QString file = platform_.paths.appDir() + u"version.txt"_s;
    const std::optional<QByteArray> page = platform_.downloader.DownloadToFile(kUpdatePage, file);
    if (!page) {
        // Closed during the wait: the user ended the check, the network did not fail it.
        if (!isVisible()) return;
        platform_.dialogs.message(this, u"网络异常，可能未连接!"_s, u"提示"_s);
        label3_->setText(u"网络异常，可能未连接!        "_s);
        label2_->setText(u"最新版本 未知!       "_s);
        button1_->setEnabled(false);
        return;
    }
    // The saved page goes at once; one the folder refused to hold was kept in memory only.
    QFile::remove(file);

    const std::optional<QString> latest = latestVersion(*page);
    if (!latest) return;
    label2_->setText(u"最新版本 "_s + *latest + u"       "_s);
    const bool differs = *latest != kVersion;
    label3_->setText(differs ? u"发现新版本"_s + *latest + u"，请下载最新版!        "_s
                             : u"已经是最新版本，无需更新!        "_s);
    button1_->setEnabled(differs);
}

void UpdateDialog::Button1Click() {
    platform_.shell.ShellLaunch(this, {}, kProductSite, {}, ShowMode::ShowNormal);
}
