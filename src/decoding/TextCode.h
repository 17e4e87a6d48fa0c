#pragma once

#include <QString>

namespace aisset {

// Decodes a text field of the parameter line (B8TO6): a character whose code is
// 95 or more stands for the character with a code 64 lower ("p" for "0", the
// grave accent for the blank); every character below 95 stands for itself.
// For a double-byte character the code is its 16-bit GBK code.
QString B8TO6(const QString &text);

} // namespace aisset
