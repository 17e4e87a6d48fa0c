#pragma once

#include "ui/widgets/Twips.h"

#include <QObject>

#include <array>

class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace aisset {
class MainCore;
}

namespace aisset::ui {

// The console of the debug window mode: the frame "发出的指令集" with the list of
// sent commands (List3), and the frame "收到的数据" with the command text (Text2),
// the raw receive log (Text6) and the four buttons (Command1). The widgets show
// the core's form; the user's edits and clicks go to the core's console.
class ConsoleWidgets {
public:
    ConsoleWidgets(MainCore &core, QWidget *area, const Twips &twips);

    // Puts a frame where the layout says.
    void place(int frame);

private:
    void createSentCommands(QWidget *area);
    void createReceivedData(QWidget *area);
    void bindForm();
    void showSentCommands();
    void showLogs();

    MainCore &core_;
    const Twips &twips_;
    std::array<QGroupBox *, 2> frames_{};
    QListWidget *sentCommands_ = nullptr;
    QPlainTextEdit *commandText_ = nullptr;
    QPlainTextEdit *receiveLog_ = nullptr;
    bool followingCore_ = false; // a widget is being set from the core
    QObject lifetime_;           // ends the connections that call back into this object
};

} // namespace aisset::ui
