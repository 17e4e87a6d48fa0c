#include "RecordFile.h"

#include "JsonKeys.h"
#include "model/FieldTable.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

const QString kRecordColumn = QStringLiteral("record");

// Whether a spreadsheet would run the text as a formula: it starts with "=",
// "+", "-" or "@", after any apostrophes the export put or found before it.
bool looksLikeFormula(QStringView text)
{
    const qsizetype first = std::find_if(text.begin(), text.end(), [](QChar c) { return c != u'\''; }) - text.begin();
    return first < text.size() && QStringView(u"=+-@").contains(text[first]);
}

// A text that a spreadsheet would run as a formula gets one apostrophe before
// it, which spreadsheets show as "text, not a formula" and do not show; a text
// that already starts with apostrophes before such a sign gets one more, so
// that the import takes exactly one away and every text comes back as stored.
QString defused(const QString &text) { return looksLikeFormula(text) ? u'\'' + text : text; }
QString restored(const QString &cell) { return looksLikeFormula(cell) && cell.startsWith(u'\'') ? cell.mid(1) : cell; }

QString csvCell(const QString &stored)
{
    const QString text = defused(stored);
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

// The rows of a CSV text (RFC 4180: quoted cells may hold commas, quotes doubled
// and line ends; rows end with LF or CR LF). An error text for an unclosed quote.
std::optional<QString> csvRows(const QString &text, QList<QStringList> &rows)
{
    QStringList row;
    QString cell;
    bool quoted = false;
    bool rowStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        rowStarted = true;
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                cell += text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << cell;
            cell.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            rows << (row << cell);
            row.clear();
            cell.clear();
            rowStarted = false;
        } else {
            cell += c;
        }
    }
    if (quoted)
        return QStringLiteral("a quoted cell is not closed");
    if (rowStarted)
        rows << (row << cell);
    return std::nullopt;
}

ReadRecord shipFromNames(const QString &name, const QList<std::pair<QString, QString>> &byFieldName)
{
    ReadRecord out{{name, {}}, {}};
    for (const auto &[fieldName, value] : byFieldName) {
        const std::optional<int> slot = slotByName(fieldName);
        if (!slot) {
            out.refusal = QStringLiteral("unknown field \"%1\"").arg(fieldName);
            return out;
        }
        if (!value.isEmpty())
            out.ship.values.append({*slot, value});
    }
    std::sort(out.ship.values.begin(), out.ship.values.end());
    return out;
}

std::optional<QString> readJson(const QByteArray &bytes, QList<ReadRecord> &out)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("bad JSON at offset %1: %2").arg(error.offset).arg(error.errorString());
    if (!doc.isObject())
        return QStringLiteral("the file must hold one JSON object keyed by record name");
    // The ships in file order, each as often as the file names it: a JSON object
    // would keep only the last of a ship written twice, which the import refuses
    // as the CSV import does.
    for (const JsonMember &ship : outerMembers(bytes)) {
        if (!ship.value.startsWith('{')) {
            out.append({{ship.key, {}}, QStringLiteral("not an object of field names")});
            continue;
        }
        if (const std::optional<QStringList> repeated = firstRepeatedKey(ship.value))
            return QStringLiteral("record %1 has the field \"%2\" twice").arg(ship.key, repeated->join(u'.'));
        QList<std::pair<QString, QString>> values;
        QString refusal;
        const QJsonObject fields = QJsonDocument::fromJson(ship.value.toByteArray()).object();
        for (auto f = fields.begin(); f != fields.end(); ++f) {
            if (!f.value().isString())
                refusal = QStringLiteral("field \"%1\" must be a string").arg(f.key());
            values.append({f.key(), f.value().toString()});
        }
        out.append(refusal.isEmpty() ? shipFromNames(ship.key, values) : ReadRecord{{ship.key, {}}, refusal});
    }
    return std::nullopt;
}

std::optional<QString> readCsv(const QByteArray &bytes, QList<ReadRecord> &out)
{
    QList<QStringList> rows;
    if (std::optional<QString> error = csvRows(QString::fromUtf8(bytes), rows))
        return error;
    if (rows.isEmpty() || rows[0].value(0) != kRecordColumn)
        return QStringLiteral("the first row must name the columns, \"%1\" first").arg(kRecordColumn);
    const QStringList header = rows[0];
    for (qsizetype c = 1; c < header.size(); ++c) {
        if (!slotByName(header[c]))
            return QStringLiteral("unknown column \"%1\"").arg(header[c]);
        if (header.indexOf(header[c]) < c)
            return QStringLiteral("the column \"%1\" is there twice").arg(header[c]);
    }
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows[r];
        if (row.size() == 1 && row[0].isEmpty())
            continue; // a blank line
        if (row.size() != header.size()) {
            out.append(
                {{row.value(0), {}},
                 QStringLiteral("row %1 has %2 cells, the header %3").arg(r + 1).arg(row.size()).arg(header.size())});
            continue;
        }
        QList<std::pair<QString, QString>> values;
        for (qsizetype c = 1; c < row.size(); ++c)
            values.append({header[c], restored(row[c])});
        out.append(shipFromNames(restored(row[0]), values));
    }
    return std::nullopt;
}

} // namespace

QByteArray writeRecordFile(const QList<ShipRecord> &ships, RecordFormat format)
{
    if (format == RecordFormat::Json) {
        QJsonObject all;
        for (const ShipRecord &ship : ships) {
            QJsonObject fields;
            for (const auto &[slot, value] : ship.values)
                fields.insert(str(field(slot).name), value);
            all.insert(ship.name, fields);
        }
        // Qt's JSON reader, like QString::fromUtf8, drops a U+FEFF (byte order
        // mark) that starts a string, so a text that starts with one would come
        // back without it. Written as an escape it is read as a character; in
        // JSON these three bytes are that character and nothing else.
        return QJsonDocument(all).toJson(QJsonDocument::Indented).replace("\xEF\xBB\xBF", "\\ufeff");
    }
    QStringList header{kRecordColumn};
    for (const FieldInfo &f : fieldTable())
        header << str(f.name);
    QString text = header.join(u',') + u"\r\n"_s;
    for (const ShipRecord &ship : ships) {
        QStringList cells(kSlotCount + 1);
        cells[0] = csvCell(ship.name);
        for (const auto &[slot, value] : ship.values)
            cells[slot + 1] = csvCell(value);
        text += cells.join(u',') + u"\r\n"_s;
    }
    return text.toUtf8();
}

std::optional<QString> readRecordFile(const QByteArray &bytes, QList<ReadRecord> &out)
{
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3); // a byte order mark from a spreadsheet
    return text.trimmed().startsWith('{') ? readJson(text, out) : readCsv(text, out);
}

} // namespace aisset::cli
