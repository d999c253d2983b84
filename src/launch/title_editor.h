#pragma once
// "编辑" (TForm3): changes the caption and caption colour of one program slot. It is not
// modal; created hidden at start and kept for the whole run. The close box hides it and
// changes nothing.

#include "platform/ports.h"
#include "store/color_text.h"

#include <QDialog>

class ColorGrid;
class QLabel;
class QLineEdit;

class TitleEditor : public QDialog {
    Q_OBJECT
public:
    explicit TitleEditor(Dialogs& dialogs);

    // Shows the editor for the slot with this key, starting from what its launch button
    // shows. Another slot's edit button takes the open editor over.
    void edit(const QString& slotKey, const QString& caption, ColorValue colour, const QString& iconFile);

Q_SIGNALS:
    // "确定" on a key that names a program slot: its launch button takes these.
    void titleChosen(int group, int slot, const QString& caption, ColorValue colour);

private:
    void Button1Click();

    Dialogs& dialogs_;
    QLabel* image_;
    QLineEdit* edit_;
    ColorGrid* grid_;
    QLabel* key_;
};
