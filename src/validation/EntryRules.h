#pragma once

#include "model/FieldTable.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace aisset {

class Form;
class Host;

// Key codes the field handlers react to.
constexpr int kKeyEnter = 13;
constexpr int kKeyDecimal = 110; // the decimal-point key of the numeric keypad

// What the entry rules read of the window's arrangement: the edition, the page
// on screen and its write button. The window core's layout provides it from its
// page table.
class EntryWindow {
public:
    virtual ~EntryWindow() = default;
    virtual bool isFullEdition() const = 0;
    // The parameter group of the selected page; none on a picture page.
    virtual std::optional<Group> selectedGroup() const = 0;
    // The write that Enter on a field starts: that of the page whose last field
    // it is, while the page's write button is shown; none on any other field.
    virtual std::optional<Group> writeOnEnter(FieldKind kind, int slot) const = 0;
};

// The entry rules of the main window's fields, run from the fields' focus and key
// events. They tidy what the user typed and walk the focus through a page; they
// never block anything (the sentence builders do the refusing). No handler
// consumes its key: the field treats the key as usual afterwards.
class EntryRules {
public:
    struct Hooks {
        // Starts the write transaction of a parameter group.
        std::function<void(Group group)> startWrite;
        // Refreshes the ship-size display from the antenna fields.
        std::function<void()> showShipSize;
    };

    EntryRules(Form &form, const EntryWindow &window, Host &host, Hooks hooks);

    void text1_GotFocus(int slot);
    void text1_KeyDown(int slot, int key);
    void text1_LostFocus(int slot);
    void Combo1_KeyDown(int slot, int key);

private:
    void decimalKeyInDraught();
    void filterSixBit(int slot);
    void rewrite(int slot, const QString &text);
    void limitWholeMetres(int slot, const QString &clean, double limit);
    void startWriteOnEnter(FieldKind kind, int slot);

    Form &form_;
    const EntryWindow &window_;
    Host &host_;
    Hooks hooks_;
};

} // namespace aisset
