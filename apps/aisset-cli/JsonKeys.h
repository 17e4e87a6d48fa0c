#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace aisset::cli {

// A key that an object of a JSON text holds twice, with the keys of the objects
// around it ({"412345678", "mmsi"}). A JSON reader keeps only the last of them,
// so a form or a records file that says two things must be refused rather than
// read. The text must be valid JSON (checked by the reader before).
std::optional<QStringList> firstRepeatedKey(QByteArrayView json);

// The members of a valid JSON text's outer object in the order they are written,
// repeated keys included: each key and the bytes of its value.
struct JsonMember {
    QString key;
    QByteArrayView value;
};
QList<JsonMember> outerMembers(QByteArrayView json);

} // namespace aisset::cli
