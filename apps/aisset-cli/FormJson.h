#pragma once

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

} // namespace aisset::cli
