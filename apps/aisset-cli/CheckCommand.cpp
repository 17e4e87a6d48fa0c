// aisset-cli check: the standards warnings about a JSON form on standard input,
// values the unit accepts but a ship should not carry. Warnings never refuse.
#include "Commands.h"

#include "FormJson.h"
#include "Output.h"
#include "model/Form.h"

using namespace Qt::StringLiterals;

namespace aisset::cli {

int runCheck(const CliArgs &args, CliContext &)
{
    if (!args.words.isEmpty())
        return usageError(args, QStringLiteral("takes no words; the form comes on standard input"));
    Form form;
    if (const std::optional<QString> error = formFromStdin(form)) {
        printError(*error);
        return UsageError;
    }
    const QJsonArray warnings = warningsJson(form);
    if (args.json) {
        printJson(QJsonObject{{u"warnings"_s, warnings}});
        return Success;
    }
    QString text;
    for (const QJsonValue &w : warnings)
        text += w[u"field"_s].toString() + u": "_s + w[u"code"_s].toString() + u": "_s +
                w[u"message"_s].toString() + u'\n';
    writeStdout(text.toUtf8());
    return Success;
}

} // namespace aisset::cli
