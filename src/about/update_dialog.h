#pragma once

#include <QDialog>

// "版本更新" (TForm4), created hidden at start and kept for the whole run.
class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    UpdateDialog();
};
