#pragma once
// "关于凡特睿(Vantrel)" (TForm2): the product's name, version, description and features,
// and how to reach its team. Created hidden at start and kept for the whole run; closing
// only hides it. Its controls are made when it first shows, not at start.

#include "core/ports.h"

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(Platform& platform);

    // Shows the dialog, or brings it to the front when it is open already.
    void present();

Q_SIGNALS:
    // "版本更新": the version check dialog should show.
    void updateRequested();

private:
    void build();

    Platform& platform_;
    bool built_ = false;
};
