#include "launch/title_editor.h"

TitleEditor::TitleEditor() {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("编辑"));
}
