#pragma once
// "版本更新" (TForm4): tells whether a newer version exists. Each show from hidden, and
// "刷新", fetch the update server's page and compare the version it announces with ours;
// a differing one enables "下载最新版", which opens the product's web site. Created hidden
// at start and kept for the whole run; closing only hides it.

#include "core/ports.h"

#include <QDialog>

class QLabel;
class QPushButton;

class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    explicit UpdateDialog(Platform& platform);

    // Shows the dialog and runs the check when it was hidden; an open one is only
    // brought to the front.
    void present();

protected:
    // The close box also ends a check that is still waiting for the page.
    void closeEvent(QCloseEvent* event) override;

private:
    void VersionCheck();
    void Button1Click();

    Platform& platform_;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QPushButton* button1_ = nullptr;
};
