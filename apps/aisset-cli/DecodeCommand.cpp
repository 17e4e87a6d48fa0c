// aisset-cli decode [LINE]: decodes one parameter line of the unit into a form in
// the window's start state with the same decoding as the window, and prints the
// outcome as JSON.
#include "Commands.h"

#include "CliHost.h"
#include "FormJson.h"
#include "Output.h"
#include "decoding/ReplyDecoding.h"
#include "encoding/Gbk.h"
#include "encoding/ReplyChecksum.h"
#include "model/Form.h"
#include "model/Normalise.h"

#include <QJsonArray>

#include <cstdio>

namespace aisset::cli {

namespace {

constexpr qsizetype kMaxLine = 64 * 1024; // bytes; a parameter line has 117 characters

// The first line of standard input, read as the unit sends it (GBK bytes) and no
// further than its line end, so that an input that never ends or stays open still
// gets an answer. An error text when it cannot be read or is longer than kMaxLine.
// The receive path hands the decoding a line with its CR LF, so a CR LF stays; a
// bare LF is the shell's line end and is dropped.
std::optional<QString> firstLineOfStdin(QString &line)
{
    QByteArray bytes;
    for (int c = std::getc(stdin); c != EOF; c = std::getc(stdin)) {
        bytes.append(char(c));
        if (c == '\n')
            break;
        if (bytes.size() > kMaxLine)
            return QStringLiteral("the first line of standard input is longer than %1 bytes").arg(kMaxLine);
    }
    if (std::ferror(stdin))
        return QStringLiteral("cannot read standard input");
    if (bytes.endsWith('\n') && !bytes.endsWith("\r\n"))
        bytes.chop(1);
    line = fromGbk(bytes);
    return std::nullopt;
}

} // namespace

int runDecode(const CliArgs &args, CliContext &)
{
    if (args.words.size() > 1)
        return usageError(args, QStringLiteral("takes at most one line"));
    QString line;
    if (!args.words.isEmpty()) {
        line = args.words.first();
    } else if (const std::optional<QString> error = firstLineOfStdin(line)) {
        printError(*error);
        return UsageError;
    }

    Form form;
    applyStartState(form);
    CliHost host;
    const DecodeResult result = FP(form, host, line);
    const bool confirmed = replyChecksumMatches(line);

    const QJsonObject out = decodedForm(form, result, confirmed);
    printJson(out);
    return decodedExit(result, confirmed, QStringLiteral("the line"));
}

} // namespace aisset::cli
