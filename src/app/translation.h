#pragma once

class QTranslator;

// Installs Qt's own Chinese translation, so that the standard buttons of boxes and
// dialogs read 确定, 取消, 是 and 否 whatever the system's language. False when the
// translation is not installed on this system.
bool installChineseTranslation(QTranslator& translator);
