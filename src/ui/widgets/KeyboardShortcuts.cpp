#include "ui/widgets/KeyboardShortcuts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>

namespace aisset::ui {

QList<QKeySequence> keySequences(Shortcut shortcut)
{
    switch (shortcut) {
    case Shortcut::LoadShip: return {QKeySequence(Qt::CTRL | Qt::Key_O)};
    case Shortcut::StandardWindow: return {QKeySequence(Qt::CTRL | Qt::Key_1)};
    case Shortcut::DebugWindow: return {QKeySequence(Qt::CTRL | Qt::Key_2)};
    case Shortcut::WritePage: return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case Shortcut::ReadUnit: return {QKeySequence(Qt::CTRL | Qt::Key_R)};
    case Shortcut::PortList: return {QKeySequence(Qt::CTRL | Qt::Key_P)};
    case Shortcut::NextPage: return {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
    case Shortcut::PreviousPage:
        return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)};
    case Shortcut::MenuBar: return {QKeySequence(Qt::Key_F10)};
    }
    return {};
}

QString shortcutHint(Shortcut shortcut)
{
    QStringList shown;
    for (const QKeySequence &keys : keySequences(shortcut))
        if (keys[0].key() != Qt::Key_Backtab) // the same keys as Shift+Tab, said once
            shown.append(keys.toString(QKeySequence::NativeText));
    return shown.join(QStringLiteral(", "));
}

void setButtonShortcut(QAbstractButton &button, Shortcut shortcut)
{
    button.setShortcut(keySequences(shortcut).constFirst());
    button.setToolTip(shortcutHint(shortcut));
}

namespace {

template <typename Action>
void addShortcuts(QWidget &window, Shortcut shortcut, Action action)
{
    for (const QKeySequence &keys : keySequences(shortcut))
        QObject::connect(new QShortcut(keys, &window), &QShortcut::activated, &window, action);
}

// The tab `step` places on, round the strip; the tab widget tells the core.
void stepTab(QTabWidget &tabs, int step)
{
    const int count = tabs.count();
    if (count > 0)
        tabs.setCurrentIndex((tabs.currentIndex() + step + count) % count);
}

} // namespace

void addWindowShortcuts(QMainWindow &window, QTabWidget &tabs, QComboBox &portList)
{
    addShortcuts(window, Shortcut::NextPage, [&tabs] { stepTab(tabs, 1); });
    addShortcuts(window, Shortcut::PreviousPage, [&tabs] { stepTab(tabs, -1); });
    addShortcuts(window, Shortcut::PortList, [&portList] { portList.setFocus(Qt::ShortcutFocusReason); });
    addShortcuts(window, Shortcut::MenuBar, [&window] {
        for (QAction *menu : window.menuBar()->actions()) {
            if (menu->isVisible()) {
                window.menuBar()->setActiveAction(menu);
                return;
            }
        }
    });
    for (int page = 0; page < tabs.count(); ++page)
        tabs.setTabToolTip(page, shortcutHint(Shortcut::NextPage) + QStringLiteral("; ") +
                                     shortcutHint(Shortcut::PreviousPage));
    portList.setToolTip(shortcutHint(Shortcut::PortList));
}

} // namespace aisset::ui
