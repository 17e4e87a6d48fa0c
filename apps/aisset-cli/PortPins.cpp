// aisset-cli ports --pin N DEVICE | --unpin N: port N means that adapter by its
// stable name from now on, in the mapping file the window reads too.
#include "Commands.h"

#include "Output.h"
#include "link/PortMapFile.h"
#include "link/PortNames.h"

using namespace Qt::StringLiterals;

namespace aisset::cli {

namespace {

constexpr int kPortCount = 16;

// The port number of --pin or --unpin; 0 when it is none.
int portNumberOf(const QString &text)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber && number >= 1 && number <= kPortCount ? number : 0;
}

int saved(const QString &path, const QString &text, const QString &said)
{
    if (const QString error = writePortMapText(path, text); !error.isEmpty()) {
        printError(QStringLiteral("the port mapping was not written: ") + escapeControls(error));
        return UsageError;
    }
    writeStdout((said + u'\n').toUtf8());
    return Success;
}

// The environment names a port before the file does.
void warnIfOverridden(int number)
{
    const QByteArray variable = "AISSET_PORT_" + QByteArray::number(number);
    if (qEnvironmentVariableIsSet(variable.constData()))
        printError(QStringLiteral("warning: %1 is set and names port %2 before the file does")
                       .arg(QString::fromLatin1(variable))
                       .arg(number));
}

int pin(const CliArgs &args, int number)
{
    if (args.words.size() != 1)
        return usageError(args, QStringLiteral("--pin N takes the device: ports --pin N DEVICE"));
    const QString device = args.words[0];
    if (!isSerialDevice(device))
        return usageError(args, QStringLiteral("%1 is not a serial device").arg(escapeControls(device)));
    QString name = stableNamesOf(device, stableNameFolders()).preferred();
    if (name.isEmpty()) {
        name = device;
        printError(QStringLiteral("warning: %1 has no stable name (no link in the by-id or by-path folder); "
                                  "pinned by this name, which may change at the next plug-in")
                       .arg(escapeControls(device)));
    }
    const QString path = portMapFilePath();
    warnIfOverridden(number);
    return saved(path, withPortPinned(readPortMapText(path), number, name),
                 QStringLiteral("Com%1 = %2").arg(number).arg(escapeControls(name)));
}

int unpin(const CliArgs &args, int number)
{
    if (!args.words.isEmpty())
        return usageError(args, QStringLiteral("--unpin N takes no device"));
    const QString path = portMapFilePath();
    bool removed = false;
    const QString text = withPortUnpinned(readPortMapText(path), number, &removed);
    if (!removed) {
        writeStdout(QStringLiteral("Com%1 was not pinned\n").arg(number).toUtf8());
        return Success;
    }
    warnIfOverridden(number);
    return saved(path, text, QStringLiteral("Com%1 unpinned").arg(number));
}

} // namespace

int runPortPin(const CliArgs &args)
{
    const bool pinning = args.isSet(u"pin"_s);
    if (pinning == args.isSet(u"unpin"_s) || args.isSet(u"find"_s))
        return usageError(args, QStringLiteral("takes either --pin N DEVICE or --unpin N, without --find"));
    const QString option = pinning ? u"pin"_s : u"unpin"_s;
    const int number = portNumberOf(args.value(option));
    if (number == 0)
        return usageError(args, QStringLiteral("--%1 takes a port number from 1 to %2").arg(option).arg(kPortCount));
    return pinning ? pin(args, number) : unpin(args, number);
}

} // namespace aisset::cli
