#pragma once

#include <QString>

#include <array>

namespace aisset {

// The skin files the skin menu offers, in menu order; the caption of an entry is
// the file's name in the skin folder. Only "green.skn" is deployed.
const std::array<const char16_t *, 13> &skinFileNames();

// The skin the window starts with: the folder (SysDir, ending in its separator)
// followed by "\green.skn".
QString startSkinPath(const QString &skinDir);

// A skin path as the file system of this platform reads it. The skin paths are
// built with "\" and may hold the separator twice ("<SysDir>\green.skn"); where
// "\" is no separator it becomes "/", and doubled separators collapse.
QString localSkinPath(const QString &path);

// The skin file a path names, as a local path, found whatever the case of its
// name (the menu says "Green.skn" where the deployed file is "green.skn");
// empty when there is no such file.
QString findSkinFile(const QString &path);

} // namespace aisset
