#pragma once

#include <QString>

namespace aisset {

// The file layout of the store: rootDir/<application>/<section>.ini, one small file
// per section, so that a save rewrites only the section it changes.
//
// Application, section and key names compare without regard to case, so they are
// case-folded before they become a file name or a key in a file. File names are
// the folded names percent-encoded except for ASCII letters, digits, "-" and "_":
// no name can leave the folder ("/", ".."), hide, or collide with another.
QString sectionFilePath(const QString &rootDir, const QString &application, const QString &section);

} // namespace aisset
