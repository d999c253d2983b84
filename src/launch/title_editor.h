#pragma once

#include <QDialog>

// "编辑" (TForm3): changes a program slot's caption and its colour. Created hidden at
// start and kept for the whole run.
class TitleEditor : public QDialog {
    Q_OBJECT
public:
    TitleEditor();
};
