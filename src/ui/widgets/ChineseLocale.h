#pragma once

class QCoreApplication;

namespace aisset::ui {

// Chinese for everything the toolkit itself shows (message-box buttons such as
// "确定", "是", "否"): the Chinese locale and Qt's own Chinese translation, when
// it is installed.
void useChineseLocale(QCoreApplication &app);

} // namespace aisset::ui
