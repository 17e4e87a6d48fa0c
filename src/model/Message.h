#pragma once

namespace aisset {

// A message box or question the core asks the window for, as a value: the
// presentation side's catalogue (ui/text) gives its words.
enum class Message {
    StartWrite,     // the question before a write
    RetryWrite,     // the question after a write nobody acknowledged
    PortNotOpen,    // a write while the port is closed: the page is saved, nothing sent
    OwnShipWritten, // the acknowledgement of each write
    SystemWritten,
    FactoryWritten,
    DataRefused,             // a write refused by the checks of a field
    SixBitOnly,              // a field left with characters outside the unit's six-bit set
    ControlCharacterRefused, // the console's command text holds a control character
    NoShipSelected,          // the records dialog's load without a selection
};

} // namespace aisset
