#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace aisset::cli {

void writeStdout(const QByteArray &bytes);
void printJson(const QJsonObject &object);
// An error for the user on standard error, with a line end.
void printError(const QString &text);

} // namespace aisset::cli
