#include "about/about_dialog.h"

AboutDialog::AboutDialog() {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("关于凡特睿(Vantrel)"));
}
