#pragma once

#include "model/FieldTable.h"
#include "model/Message.h"

#include <QString>

namespace aisset {

// The application's default message-box title.
inline const QString kAppTitle = QStringLiteral(QT_TRANSLATE_NOOP("Window", "Ais设置"));

// What the procedures ask of the window. The Qt window implements it with
// message boxes, widget focus and the event loop; tests script it.
class Host {
public:
    virtual ~Host() = default;

    // A message box with an OK button; returns when it is closed.
    virtual void showMessage(const QString &text, const QString &title) = 0;
    // A message box with an OK button that warns (the window shows the warning
    // icon); returns when it is closed.
    virtual void showWarning(const QString &text, const QString &title) { showMessage(text, title); }
    // A Yes/No question; false only for No.
    virtual bool askYesNo(const QString &text, const QString &title) = 0;
    // Lets pending events run once ("process pending events").
    virtual void processEvents() = 0;
    // Moves the input focus to a field's edit widget or choice list.
    virtual void moveFocus(FieldKind kind, int slot) = 0;
    // The words of a message the core reports as a value: the presentation
    // side's catalogue (ui/text); a host that shows nothing may give none.
    virtual QString words(Message message) const = 0;

    void showMessage(const QString &text) { showMessage(text, kAppTitle); }
    void showWarning(const QString &text) { showWarning(text, kAppTitle); }
    bool askYesNo(const QString &text) { return askYesNo(text, kAppTitle); }
    void showMessage(Message message) { showMessage(words(message)); }
    void showWarning(Message message) { showWarning(words(message)); }
    bool askYesNo(Message message) { return askYesNo(words(message)); }
};

} // namespace aisset
