#pragma once

#include <QString>

namespace aisset {

class DecodeContext;

// Decodes the four status characters into the fifteen packed settings: unpacks
// them (A6T8), writes the three trace lines of the runs, sets the light prompt and
// then the fourteen checked settings. Returns false as soon as a checked setting
// ends without an entry; the settings after it stay blank.
bool decodeStatusCharacters(DecodeContext &context, const QString &fourChars);

} // namespace aisset
