#pragma once

namespace aisset {

// What decoding a parameter line of the unit gave: every checked choice field
// (ship type, position-fixing device, the two distances, the packed settings)
// found its entry, or one ended without one and the later fields stayed blank.
// The numbers are the "result" the command line prints in its JSON.
enum class DecodeResult { Decoded = 0, Failed = 1 };

} // namespace aisset
