#pragma once

#include <QDialog>

// "关于凡特睿(Vantrel)" (TForm2), created hidden at start and kept for the whole run.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog();
};
