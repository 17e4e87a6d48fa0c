#pragma once

#include "model/DecodeResult.h"
#include "model/FieldTable.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace aisset {
class Form;
}

namespace aisset::cli {

// Fills a form (already in its start state) from a JSON object keyed by field
// names. Edit values are normalised texts, entered as typing would; choice values
// are entry texts or the code before "(". Returns an error text on failure.
std::optional<QString> fillForm(Form &form, const QJsonObject &values);

// Every field by name with the text it shows: the entered text with its mask for
// edit fields, the entry text or "" for choice fields.
QJsonObject formFields(const Form &form);

// Reads one JSON object from standard input; an error text on failure.
std::optional<QString> readJsonObject(QJsonObject &out);
// Makes out one JSON object (a key twice refused; empty input is "{}"); an error
// text on failure.
std::optional<QString> parseJsonObject(const QByteArray &data, QJsonObject &out);

// Puts a form into the window's start state, then fills it from the JSON object
// on standard input; an error text on failure.
std::optional<QString> formFromStdin(Form &form);

// The standards warnings about the form (only about the group's fields when one
// is named), as a JSON list of {"field", "code", "message"}.
QJsonArray warningsJson(const Form &form, std::optional<Group> group = std::nullopt);

// A decoded form as the tool prints it: the decoding's result, whether the
// line's checksum matched, every field, the transaction status, the ship size and
// the trace of sent commands.
QJsonObject decodedForm(const Form &form, DecodeResult result, bool checksumMatches);

// The exit code of a decoding: 1 when it failed, else 8 when the line's checksum
// did not match (the warning, naming what was decoded, on standard error), else 0.
int decodedExit(DecodeResult result, bool checksumMatches, const QString &what);

} // namespace aisset::cli
