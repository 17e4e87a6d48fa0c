#pragma once

#include <QHash>
#include <QString>

namespace aisset {

// The port-number mapping file ports.conf, one setting a line:
//   "<n> = <device>" or "Com<n> = <device>"  port n opens that device;
//   "by-id = <folder>", "by-path = <folder>"  where the stable device names are
//                                             kept (the system's folders when
//                                             not set; tests point them elsewhere).
// Lines starting with "#" are comments; anything else is ignored.
struct PortMapFile {
    QHash<int, QString> ports;
    QString byIdFolder;
    QString byPathFolder;
};

PortMapFile parsePortMap(const QString &text);

// The file's text with port n mapped to the device: its earlier lines for n go,
// the new line takes the place of the first of them (or is appended). Every
// other line stays as it was.
QString withPortPinned(const QString &text, int number, const QString &device);
// The file's text without port n's lines; false in removed when it had none.
QString withPortUnpinned(const QString &text, int number, bool *removed = nullptr);

// The file's text; empty when there is no file.
QString readPortMapText(const QString &path);
// Replaces the file whole (through a temporary file), making its folder when
// needed; the reason when it could not be written.
QString writePortMapText(const QString &path, const QString &text);

} // namespace aisset
