#pragma once

#include <QString>

namespace aisset {

// Whether a parameter line of the unit carries the checksum of its own text.
// The unit frames its reply as the tool frames a write: "!", the address, ",",
// the body, "*", two hexadecimal digits, CR LF; the checksum covers the text
// between the first character and that "*". The "*" is found by position, since
// the body may hold "*" itself: at position 115 after the whole body, else among
// the last three characters before the line end. What follows the checksum is
// not read, as the decoding reads nothing from position 115 on. A line that ends without "*" and two hexadecimal digits carries no
// checksum and does not match: every line the unit sends has one, so a line
// without it was cut or garbled on the way.
bool replyChecksumMatches(const QString &line);

} // namespace aisset
