#pragma once

#include <QString>
#include <QStringList>

namespace aisset::cli {

// The tool's command line: a command, its positional words and the options.
struct CliArgs {
    QString command;
    QStringList words; // positional words after the command
    bool json = false;
    QString port;      // --port: a port number or a device path
    QString storeDir;  // --store: the profile store's folder
    double timeoutSeconds = 5;
    bool verify = false; // write: read the unit back and compare
};

// Parses argv; returns an error text when an option is malformed.
QString parseArgs(const QStringList &argv, CliArgs &out);

// Exit codes shared by every command.
enum Exit : int { Success = 0, Refused = 1, UsageError = 2, LinkError = 3, Differs = 4 };

} // namespace aisset::cli
