#pragma once

#include <QString>

namespace aisset {

// One field whose value in the unit differs from the value written.
struct FieldDifference {
    int slot;
    QString written; // in the unit's own form, as the write sentence carried it
    QString unit;    // in the same form, as the parameter line carries it

    bool operator==(const FieldDifference &) const = default;
};

} // namespace aisset
