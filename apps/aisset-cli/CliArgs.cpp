#include "CliArgs.h"

namespace aisset::cli {

QString parseArgs(const QStringList &argv, CliArgs &out)
{
    for (qsizetype i = 1; i < argv.size(); ++i) {
        const QString &a = argv[i];
        const auto value = [&](QString &target) {
            if (i + 1 >= argv.size())
                return false;
            target = argv[++i];
            return true;
        };
        if (a == u"--json") {
            out.json = true;
        } else if (a == u"--verify") {
            out.verify = true;
        } else if (a == u"--port") {
            if (!value(out.port))
                return QStringLiteral("--port needs a port number or device path");
        } else if (a == u"--store") {
            if (!value(out.storeDir))
                return QStringLiteral("--store needs a folder");
        } else if (a == u"--timeout") {
            QString t;
            bool ok = false;
            if (value(t))
                out.timeoutSeconds = t.toDouble(&ok);
            if (!ok || out.timeoutSeconds <= 0)
                return QStringLiteral("--timeout needs a positive number of seconds");
        } else if (a.startsWith(u"--")) {
            return QStringLiteral("unknown option %1").arg(a);
        } else if (out.command.isEmpty()) {
            out.command = a;
        } else {
            out.words.append(a);
        }
    }
    return {};
}

} // namespace aisset::cli
