#include "FormJson.h"

#include "CliArgs.h"

#include "JsonKeys.h"
#include "Output.h"
#include "model/FieldInput.h"
#include "model/FieldTable.h"
#include "model/Form.h"
#include "model/Normalise.h"
#include "validation/FieldLimits.h"
#include "ui/text/Catalogue.h"
#include "validation/StandardsChecks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {
constexpr qint64 kMaxFormInput = 1 << 20; // bytes of JSON on standard input
} // namespace

std::optional<QString> fillForm(Form &form, const QJsonObject &values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        const std::optional<int> s = slotByName(it.key());
        if (!s)
            return QStringLiteral("unknown field \"%1\"").arg(shownValue(it.key()));
        if (!it.value().isString())
            return QStringLiteral("field \"%1\" must be a string").arg(it.key());
        const QString value = it.value().toString();
        // Checked before any field takes it, so that nothing is built, saved or sent.
        if (const std::optional<char32_t> c = firstCharacterFieldCannotHold(*s, value))
            return QStringLiteral("field \"%1\" cannot hold the character %2").arg(it.key(), describeCharacter(*c));
        const bool taken =
            field(*s).kind == FieldKind::Choice ? selectChoiceValue(form, *s, value) : enterValue(form, *s, value);
        if (!taken)
            return QStringLiteral("field \"%1\" does not take \"%2\"").arg(it.key(), shownValue(value));
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
    // fread waits for the whole input (up to the limit), also from a pipe.
    QByteArray data(kMaxFormInput + 1, Qt::Uninitialized);
    data.truncate(qsizetype(std::fread(data.data(), 1, std::size_t(data.size()), stdin)));
    if (std::ferror(stdin))
        return QStringLiteral("cannot read standard input");
    if (data.size() > kMaxFormInput)
        return QStringLiteral("the input is longer than %1 bytes").arg(kMaxFormInput);
    return parseJsonObject(data, out);
}

std::optional<QString> parseJsonObject(const QByteArray &data, QJsonObject &out)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data.trimmed().isEmpty() ? QByteArray("{}") : data, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("bad JSON at offset %1: %2").arg(error.offset).arg(error.errorString());
    if (!doc.isObject())
        return QStringLiteral("the input must be one JSON object");
    // A JSON object keeps the last of a key written twice: a form that says two
    // things ("mmsi" twice) is refused rather than guessed.
    if (const std::optional<QStringList> repeated = firstRepeatedKey(data))
        return QStringLiteral("the key \"%1\" is there twice").arg(shownValue(repeated->join(u'.')));
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

QJsonArray warningsJson(const Form &form, std::optional<Group> group)
{
    QJsonArray out;
    for (const StandardsWarning &w : standardsWarnings(form, group))
        out.append(QJsonObject{{u"field"_s, w.field}, {u"code"_s, w.code}, {u"message"_s, w.message}});
    return out;
}

QJsonObject decodedForm(const Form &form, DecodeResult result, bool checksumMatches)
{
    return QJsonObject{{u"result"_s, int(result)},
                       {u"checksumMatches"_s, checksumMatches},
                       {u"fields"_s, formFields(form)},
                       {u"status"_s, catalogue::text(form.transactionStatus())},
                       {u"shipSize"_s, catalogue::text(form.shipSize())},
                       {u"trace"_s, QJsonArray::fromStringList(form.sentCommands())}};
}

int decodedExit(DecodeResult result, bool checksumMatches, const QString &what)
{
    if (!checksumMatches)
        printError(
            QStringLiteral("warning: %1: %2 failed its checksum; the values are not confirmed")
                .arg(catalogue::checksumDiffers(), what));
    if (result != DecodeResult::Decoded)
        return Refused;
    return checksumMatches ? Success : ChecksumDiffers;
}

} // namespace aisset::cli
