#pragma once

#include <QSettings>

namespace aisset {

// The QSettings format of one section file: UTF-8 lines "key=value", with "\" ,
// "=", CR and LF escaped by a backslash. Reading skips lines it cannot make out, so
// a damaged file yields the keys that survive. Writing reports a short write, which
// keeps QSettings from putting a truncated file in place of the old one.
QSettings::Format profileFileFormat();

} // namespace aisset
