#pragma once

#include "encoding/BuildResult.h"
#include "model/FieldTable.h"

#include <QString>

#include <functional>
#include <optional>

namespace aisset {

class Form;
class Host;

// Steps the three sentence builders share.

// Replaces an edit field's entered text and a choice field's text by the same
// text without outer blanks; a text the field refuses leaves it unchanged.
void trimSlot(Form &form, int slot);

// Sets the copy of every slot that has one: to the text of its choice list where
// fromChoice(slot) holds, to the entered text of its edit field elsewhere.
void fillMirrors(Form &form, const std::function<bool(int)> &fromChoice);

// Refreshes a slot's normalised copy from its entered text and returns it.
QString refreshCopy(Form &form, int slot);

// A character that would end or break a sentence on the wire (CR, LF, NUL and the
// other control characters).
bool isControlCharacter(char32_t character);

// The check of a free-text copy (call sign, ship name, vendor number): a non-empty
// copy is replaced by its upper-case form and may hold at most maxLength characters
// and no control character.
bool upperCaseCopyFits(Form &form, int slot, int maxLength);

// The fields that go onto the wire as a zero-filled number (counts, MMSI, IMO
// number, antenna distances, the factory date, machine number and power-on
// time): only digits make one.
bool isDigitField(int slot);

// The first character of a digit field's entered text that is no digit, nor a
// prompt or fixed sign of the field's mask ("_", "米"), nor one of the date's
// "年月日"; blanks around the text do not count. A sign or a decimal point would
// otherwise go out inside the zero-filled number ("0000000-1"), and other
// characters be dropped by the tidying ("1_2" as 12). Nothing for other fields.
std::optional<char32_t> firstNonDigit(int slot, const QString &entered);

// The check of a numeric copy: empty, or a number of at most maxValue written in
// at most maxLength characters.
bool numberFits(const QString &copy, double maxValue, int maxLength);

// The check of a field's copy by the field table's copy-check column (the
// free-text copies are upper-cased on the way). Choice fields are read through
// their selected entry.
bool copyFits(Form &form, const FieldInfo &field);

// A group's sentence body without the packed settings: every field of the group
// in wire order, each in its wire form and width.
QString encodeFields(const Form &form, Group group);

// Tracks which field failed: every check runs, and the one checked last wins.
class FieldChecks {
public:
    void fail(int slot) { failed_ = slot; }
    bool anyFailed() const { return failed_ >= 0; }
    int failedSlot() const { return failed_; }

private:
    int failed_ = -1;
};

// The refusal of a build: the window enabled again, one message, the focus on
// the failing field.
BuildResult refuseBuild(Form &form, Host &host, int failedSlot, FieldKind focusKind);

// The success of a build: the display line in the list of sent commands.
BuildResult acceptBuild(Form &form, const QString &sentence);

} // namespace aisset
