#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace aisset::cli {

// One ship of a records file: its record name (the MMSI it is listed under) and
// its stored texts by field slot, in slot order; a slot without a stored text
// is left out.
struct ShipRecord {
    QString name;
    QList<std::pair<int, QString>> values;
};

// A ship read from a records file, or why it cannot be taken.
struct ReadRecord {
    ShipRecord ship;
    QString refusal; // empty when the ship was read
};

enum class RecordFormat { Json, Csv };

// JSON: one object keyed by record name, each ship's texts under the field names
// of the JSON form. CSV: a header row "record" and the field names, then one row
// per ship, fields quoted where they need it. Both UTF-8.
QByteArray writeRecordFile(const QList<ShipRecord> &ships, RecordFormat format);

// Reads either format, told apart by the first character ("{" is JSON). The ships
// in file order, or an error text when the file as a whole cannot be read.
std::optional<QString> readRecordFile(const QByteArray &bytes, QList<ReadRecord> &out);

} // namespace aisset::cli
