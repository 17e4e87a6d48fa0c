#pragma once

#include <QString>

namespace aisset {

// Whether a parameter line of the unit carries the checksum of its own text.
// The unit frames its reply as the tool frames a write: "!", the address, ",",
// the body, "*", two hexadecimal digits, CR LF; the checksum covers the text
// between the first character and that "*". The "*" is found by position (the
// last three characters before the line end), since the body may hold "*"
// itself. A line that ends without "*" and two hexadecimal digits carries no
// checksum and does not match: every line the unit sends has one, so a line
// without it was cut or garbled on the way.
bool replyChecksumMatches(const QString &line);

} // namespace aisset
