#pragma once

#include <QString>

namespace aisset {

// The file layout of the store: rootDir/<application>/<section>.ini, one small file
// per section, so that a save rewrites only the section it changes.
//
// Application, section and key names compare without regard to case, so they are
// case-folded before they reach a file name or QSettings. File names are the folded
// names percent-encoded except for ASCII letters, digits, "-" and "_": no name can
// leave the folder ("/", ".."), hide or collide with another.
QString sectionFilePath(const QString &rootDir, const QString &application,
                        const QString &section);

// The key as kept in a section file: case-folded, and with "/" and "\" (which
// QSettings reads as group separators and folds together) escaped as "%2F" and
// "%5C", "%" itself as "%25", so that distinct keys stay distinct.
QString fileKeyName(const QString &key);

} // namespace aisset
