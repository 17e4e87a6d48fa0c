#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace aisset {

class Form;
enum class Group;

// A value the unit accepts but a ship should not carry. Warnings never refuse.
struct StandardsWarning {
    QString field;   // the field's name
    QString code;    // mid-unknown, not-ship-station, imo-check-digit, no-ship-size, draught-not-available
    QString message; // for the installer, in the display language

    bool operator==(const StandardsWarning &) const = default;
};

// The warnings about the form's fields; with a group, only about that group's fields.
std::vector<StandardsWarning> standardsWarnings(const Form &form, std::optional<Group> group = std::nullopt);

// The checks one by one, on normalised field texts. Each gives its warning, or
// nothing when the value is fine or not complete enough to judge.
std::optional<StandardsWarning> checkMmsi(const QString &mmsi);
std::optional<StandardsWarning> checkImoNumber(const QString &imoNumber);
// A+B (the length) or C+D (the beam) of zero: the unit sends no ship size.
std::optional<StandardsWarning> checkShipLength(const QString &antennaA, const QString &antennaB);
std::optional<StandardsWarning> checkShipBeam(const QString &antennaC, const QString &antennaD);
std::optional<StandardsWarning> checkDraught(const QString &draught);

} // namespace aisset
