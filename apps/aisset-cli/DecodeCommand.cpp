// aisset-cli decode [LINE]: decodes one parameter line of the unit into a form in
// the window's start state with the same decoding as the window, and prints the
// outcome as JSON.
#include "Commands.h"

#include "CliHost.h"
#include "Form.h"
#include "FormJson.h"
#include "Gbk.h"
#include "Normalise.h"
#include "Output.h"
#include "ReplyDecoding.h"

#include <QFile>
#include <QJsonArray>

namespace aisset::cli {

namespace {

// The first line of standard input, read as the unit sends it (GBK bytes). The
// receive path hands the decoding a line with its CR LF, so a CR LF stays; a bare
// LF is the shell's line end and is dropped.
std::optional<QString> readLineFromStdin()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    QString text = fromGbk(in.readAll());
    if (const qsizetype lf = text.indexOf(u'\n'); lf >= 0)
        text.truncate(lf + 1);
    if (text.endsWith(u'\n') && !text.endsWith(u"\r\n"))
        text.chop(1);
    return text;
}

} // namespace

int runDecode(const CliArgs &args, CliContext &)
{
    if (args.words.size() > 1)
        return usageError(args, QStringLiteral("takes at most one line"));
    std::optional<QString> line = args.words.isEmpty() ? readLineFromStdin() : args.words.first();
    if (!line) {
        printError(QStringLiteral("cannot read standard input"));
        return UsageError;
    }

    Form form;
    applyStartState(form);
    CliHost host;
    const int result = FP(form, host, *line);

    const QJsonObject out = decodedForm(form, result);
    printJson(out);
    return result == 0 ? Success : Refused;
}

} // namespace aisset::cli
