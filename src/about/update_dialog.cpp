#include "about/update_dialog.h"

UpdateDialog::UpdateDialog() {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("版本更新"));
}
