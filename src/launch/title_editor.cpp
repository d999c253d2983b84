#include "launch/title_editor.h"

#include "core/app_error.h"
#include "launch/color_grid.h"
#include "ui/designed_child.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

TitleEditor::TitleEditor()
    : QDialog(nullptr, kDialogFlags) {
    setObjectName(u"TForm3"_s);
    setWindowTitle(u"编辑"_s);
    setFixedSize(305, 138);
    move(445, 297);

    image_ = new QLabel(this);
    image_->setObjectName(u"Image1"_s);
    image_->setGeometry(24, 8, 33, 33);
    auto* prompt = new QLabel(u"修改标题:     "_s, this);
    prompt->setObjectName(u"Label2"_s);
    prompt->move(72, 19);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(u"Edit1"_s);
    edit_->setGeometry(136, 16, 129, 21);
    grid_ = new ColorGrid(u"标题颜色"_s, this);
    grid_->setObjectName(u"bsSkinColorGrid1"_s);
    grid_->setGeometry(8, 48, 289, 49);
    auto* ok = new QPushButton(u"确定"_s, this);
    ok->setObjectName(u"Button1"_s);
    ok->setGeometry(216, 104, 81, 25);
    connect(ok, &QPushButton::clicked, this, &TitleEditor::Button1Click);
}

void TitleEditor::edit(const QString& slotKey, const QString& caption, ColorValue colour,
                       const QString& iconFile) {
    show();
    raise();
    key_ = slotKey;
    edit_->setText(caption);
    grid_->setValue(colour);
    const QPixmap icon(iconFile);
    image_->setPixmap(icon);
    if (icon.isNull()) throw AppError(u"Cannot open file \"%1\""_s.arg(iconFile));
}

void TitleEditor::Button1Click() {
    if (const auto slot = findSlotKey(key_))
        Q_EMIT titleChosen(slot->group, slot->slot, edit_->text(), grid_->value());
    hide();
}
