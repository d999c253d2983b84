#pragma once
// "编辑" (TForm3): changes the caption and caption colour of one program slot. It is not
// modal; created hidden at start and kept for the whole run. The close box hides it and
// changes nothing.

#include "core/color_text.h"
#include "launch/launch_model.h"

#include <QDialog>

class ColorGrid;
class QLabel;
class QLineEdit;

class TitleEditor : public QDialog {
    Q_OBJECT
public:
    TitleEditor();

    // Shows the editor for the slot with this key, starting from what its launch button
    // shows. Another slot's edit button takes the open editor over. Raises AppError
    // ("Cannot open file ...") when the icon file cannot be read; the editor still works.
    void edit(const QString& slotKey, const QString& caption, ColorValue colour, const QString& iconFile);

Q_SIGNALS:
    // "确定" on a key that names a program slot: its launch button takes these.
    void titleChosen(int group, int slot, const QString& caption, ColorValue colour);

private:
    void Button1Click();

    QLabel* image_;
    QLineEdit* edit_;
    ColorGrid* grid_;
    QString key_;   // the slot being edited, as SlotKey names it
};
