#pragma once

#include <QKeySequence>
#include <QList>

class QAbstractButton;
class QComboBox;
class QMainWindow;
class QTabWidget;

namespace aisset::ui {

// Every action of the window without a mouse. The captions keep their text (no
// mnemonics added); the key sequences are shown in the menus and in tooltips.
// All of them are in this one table (the README lists them).
enum class Shortcut {
    LoadShip,       // "调入船资料": the records dialog
    StandardWindow, // "标准窗口" (installer's edition)
    DebugWindow,    // "调试窗口" (installer's edition)
    WritePage,      // the write button of the page shown
    ReadUnit,       // "读取设备资料" (installer's edition)
    PortList,       // the focus to the port list "通讯口"
    NextPage,       // the next tab, after the last the first
    PreviousPage,   // the tab before
    MenuBar,        // opens the menu bar's first menu; the arrows go on from there
};

// The first sequence is the one a menu shows. Shift+Tab comes as Tab with Shift
// from some keyboards and as Backtab from others: both are listed.
QList<QKeySequence> keySequences(Shortcut shortcut);

// The sequences as a tooltip shows them ("Ctrl+S").
QString shortcutHint(Shortcut shortcut);

// Gives a button its key sequence and the tooltip that shows it.
void setButtonShortcut(QAbstractButton &button, Shortcut shortcut);

// The window's own shortcuts: the tabs, the port list, the menu bar.
void addWindowShortcuts(QMainWindow &window, QTabWidget &tabs, QComboBox &portList);

} // namespace aisset::ui
