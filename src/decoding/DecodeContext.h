#pragma once

#include <QString>

namespace aisset {

class Form;
class Host;

// What one decoding of a parameter line works on: the form, the host (for
// processing pending events) and the two trace texts it collects for the list of
// sent commands — the fields as cut and the values put into the form.
class DecodeContext {
public:
    DecodeContext(Form &form, Host &host) : form_(form), host_(host) {}

    Form &form() { return form_; }

    const QString &cutList() const { return cutList_; }
    const QString &valueList() const { return valueList_; }
    // Each trace entry is followed by "," unless the field's rule says otherwise.
    void addCut(const QString &text, bool comma = true);
    void addValue(const QString &text, bool comma = true);

    // Shows a value in an edit field when it fits: a masked field takes a value of
    // exactly its mask's length that the mask accepts, a field without mask takes
    // any text. Anything else leaves the field as it is (blank), silently.
    void putEdit(int slot, const QString &value);

    // Selects the first entry from the top whose first `width` characters equal
    // `leading`. With yieldEachStep, pending events run before each comparison.
    void selectByLeading(int slot, int width, const QString &leading, bool yieldEachStep);
    // Selects by list position or by exact text; a position outside the list or an
    // unknown text leaves the field as it was.
    void selectPosition(int slot, qint64 position);
    void selectText(int slot, const QString &text);

    // Whether a choice field shows an entry: the test of a checked field.
    bool showsEntry(int slot) const;

private:
    Form &form_;
    Host &host_;
    QString cutList_;
    QString valueList_;
};

} // namespace aisset
