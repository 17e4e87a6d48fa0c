#include "Output.h"

#include <QJsonDocument>

#include <cstdio>

namespace aisset::cli {

void writeStdout(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printJson(const QJsonObject &object) { writeStdout(QJsonDocument(object).toJson(QJsonDocument::Indented)); }

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

} // namespace aisset::cli
