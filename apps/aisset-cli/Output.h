#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace aisset::cli {

// Writes and flushes standard output; a failure is kept for outputFailure().
void writeStdout(const QByteArray &bytes);
// Why standard output could not be written (the system's reason), or nothing
// when all of it reached its file or pipe.
std::optional<QString> outputFailure();
void printJson(const QJsonObject &object);
// An error for the user on standard error, with a line end.
void printError(const QString &text);

// The text with every control character written out ("\r", "\n", "\t", "\e" for
// ESC, "\x07", "\u009B"), so that a device path, a store's name, a record or a
// unit's reply cannot drive the terminal. The one rule of the command line:
// printError applies it to every message.
QString escapeControls(const QString &text);

// A value echoed in a message: its control characters escaped and, when long,
// cut to its first characters with the length that was left out.
QString shownValue(const QString &value);

} // namespace aisset::cli
