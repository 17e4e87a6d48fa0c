#pragma once

#include <QString>

#include <optional>

namespace aisset {

// Where the company's shared history lives: a PostgreSQL connection URL,
// postgresql://[user@][host][:port][/database][?key=value&...], taken apart for
// Qt's PostgreSQL driver. The keys of the query part are libpq's own
// (sslmode, connect_timeout, host for a socket folder, ...) and pass through
// unchanged. A password never comes from here: libpq reads it from the
// user's password file (~/.pgpass) or PGPASSWORD.
struct CompanyServer {
    QString host; // a name, an address, or a folder holding the server's Unix socket
    int port = -1;
    QString user;
    QString database;
    QString connectOptions; // "key='value';..." for QSqlDatabase::setConnectOptions
    QString url;            // as given, for messages
};

// Seconds a connection attempt may take when the URL does not say.
inline constexpr int kCompanyConnectTimeoutSeconds = 3;

// Why a URL was not taken.
enum class CompanyUrlProblem { NotPostgresql, HasPassword, BadPort, BadOption };

struct CompanyServerParse {
    std::optional<CompanyServer> server;
    CompanyUrlProblem problem = CompanyUrlProblem::NotPostgresql;
};

CompanyServerParse parseCompanyServer(const QString &url);

// Which URL this program uses, first found: the command line's --history-db,
// the environment's AISSET_HISTORY_DB, the first line of the file
// kCompanySettingFile in the user's data folder. Empty when none is set: no
// company database, nothing changes.
QString companyServerUrl(const QString &commandLine);
// The company database this program is configured for (the window: the
// environment or the setting; --history-db sets the environment); nothing when
// none is set or the URL cannot be used.
std::optional<CompanyServer> configuredCompanyServer();
// The setting file: ~/.local/share/aisset/history-db on Linux.
QString companySettingPath();
inline constexpr QStringView kCompanySettingFile = u"history-db";
inline constexpr QStringView kCompanyUrlVariable = u"AISSET_HISTORY_DB";

} // namespace aisset
