#pragma once

#include "BuildResult.h"
#include "FieldTable.h"

#include <QString>

namespace aisset {

class Form;
class Host;

// Steps the three sentence builders share.

// Replaces an edit field's entered text and a choice field's text by the same
// text without outer blanks; a text the field refuses leaves it unchanged.
void trimSlot(Form &form, int slot);

// Refreshes a slot's normalised copy from its entered text and returns it.
QString refreshCopy(Form &form, int slot);

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
