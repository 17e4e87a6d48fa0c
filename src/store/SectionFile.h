#pragma once

#include <QByteArrayView>
#include <QMap>
#include <QString>

#include <optional>

namespace aisset {

using SectionValues = QMap<QString, QString>;

// One section of the store as a file: UTF-8 lines "key=value", with "\", "=", CR
// and LF escaped by a backslash.

// The keys of the file; empty when there is no file. Lines that cannot be made out
// are skipped, so a damaged file yields the keys that survive. None when the file
// exists but cannot be read.
std::optional<SectionValues> readSectionFile(const QString &path);
// The keys of a section file's content, made out as readSectionFile does.
SectionValues parseSectionText(QByteArrayView content);

// Replaces the file as a whole, creating its folder as needed: the new content is
// written to a temporary file, flushed to disk and renamed over the old one, so a
// write cut short (a killed program, a full disk) leaves the old file.
bool writeSectionFile(const QString &path, const SectionValues &values);

} // namespace aisset
