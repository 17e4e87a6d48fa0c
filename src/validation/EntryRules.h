#pragma once

#include <QString>

#include <functional>
#include <utility>

namespace aisset {

class Form;
class Host;

// Key codes the field handlers react to.
constexpr int kKeyEnter = 13;
constexpr int kKeyDecimal = 110; // the decimal-point key of the numeric keypad

// What the entry rules read of the window's arrangement: the edition, the page
// on screen and which buttons are shown. The window core's layout provides it.
class EntryWindow {
public:
    virtual ~EntryWindow() = default;
    virtual bool isFullEdition() const = 0;
    virtual int selectedPage() const = 0;
    virtual bool isButtonShown(int index) const = 0;
};

// The entry rules of the main window's fields, run from the fields' focus and key
// events. They tidy what the user typed and walk the focus through a page; they
// never block anything (the sentence builders do the refusing). No handler
// consumes its key: the field treats the key as usual afterwards.
class EntryRules {
public:
    struct Hooks {
        // Starts the write transaction of a write button (0 own-ship, 1 system, 2 factory).
        std::function<void(int index)> startWrite;
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
    void startWriteIfShown(int button);

    Form &form_;
    const EntryWindow &window_;
    Host &host_;
    Hooks hooks_;
};

} // namespace aisset
