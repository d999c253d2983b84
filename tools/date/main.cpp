// 万年历: the perpetual calendar that ships beside Vantrel.
#include "calendar_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CalendarWindow window(QDate::currentDate());
    window.show();
    return app.exec();
}
