#include "FormJson.h"

#include "FieldInput.h"
#include "FieldTable.h"
#include "Form.h"
#include "Normalise.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstdio>

namespace aisset::cli {

std::optional<QString> fillForm(Form &form, const QJsonObject &values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        const std::optional<int> s = slotByName(it.key());
        if (!s)
            return QStringLiteral("unknown field \"%1\"").arg(it.key());
        if (!it.value().isString())
            return QStringLiteral("field \"%1\" must be a string").arg(it.key());
        const QString value = it.value().toString();
        const bool taken = field(*s).kind == FieldKind::Choice ? selectChoiceValue(form, *s, value)
                                                               : enterValue(form, *s, value);
        if (!taken)
            return QStringLiteral("field \"%1\" does not take \"%2\"").arg(it.key(), value);
    }
    return std::nullopt;
}

QJsonObject formFields(const Form &form)
{
    QJsonObject out;
    for (const FieldInfo &f : fieldTable())
        out.insert(str(f.name), f.kind == FieldKind::Choice ? form.choiceText(f.slot) : form.editText(f.slot));
    return out;
}

std::optional<QString> readJsonObject(QJsonObject &out)
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return QStringLiteral("cannot read standard input");
    const QByteArray data = in.readAll();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data.trimmed().isEmpty() ? QByteArray("{}") : data, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("bad JSON at offset %1: %2").arg(error.offset).arg(error.errorString());
    if (!doc.isObject())
        return QStringLiteral("the input must be one JSON object");
    out = doc.object();
    return std::nullopt;
}

std::optional<QString> formFromStdin(Form &form)
{
    applyStartState(form);
    QJsonObject values;
    if (auto error = readJsonObject(values); error)
        return error;
    return fillForm(form, values);
}

QJsonObject decodedForm(const Form &form, int result)
{
    return QJsonObject{{u"result"_qs, result},
                       {u"fields"_qs, formFields(form)},
                       {u"status"_qs, form.transactionStatus()},
                       {u"shipSize"_qs, form.shipSizeText()},
                       {u"trace"_qs, QJsonArray::fromStringList(form.sentCommands())}};
}

} // namespace aisset::cli
