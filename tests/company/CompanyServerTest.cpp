// The company database's URL taken apart for the driver: what passes through,
// what is refused.
#include "history/CompanyServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace aisset {
namespace {

TEST(CompanyServer, UrlsAreTakenApartAndLibpqOptionsPassThrough)
{
    const struct {
        const char *url;
        const char *host;
        int port;
        const char *user;
        const char *database;
        const char *options;
    } cases[] = {
        {"postgresql://installer@db.example.org:6543/fleet?sslmode=verify-full", "db.example.org", 6543, "installer",
         "fleet", "sslmode='verify-full';connect_timeout=3"},
        {"postgres://db/fleet", "db", -1, "", "fleet", "connect_timeout=3"},
        {"postgresql://me@/fleet?host=/run/pg%20sock&connect_timeout=10", "/run/pg sock", -1, "me", "fleet",
         "connect_timeout='10'"},
        {"postgresql://%2Fvar%2Frun%2Fpostgresql/fleet?application_name=it's", "/var/run/postgresql", -1, "", "fleet",
         "application_name='it\\'s';connect_timeout=3"},
    };
    for (const auto &c : cases) {
        const CompanyServerParse parsed = parseCompanyServer(QString::fromUtf8(c.url));
        ASSERT_TRUE(parsed.server) << c.url;
        EXPECT_EQ(parsed.server->host, QString::fromUtf8(c.host)) << c.url;
        EXPECT_EQ(parsed.server->port, c.port) << c.url;
        EXPECT_EQ(parsed.server->user, QString::fromUtf8(c.user)) << c.url;
        EXPECT_EQ(parsed.server->database, QString::fromUtf8(c.database)) << c.url;
        EXPECT_EQ(parsed.server->connectOptions, QString::fromUtf8(c.options)) << c.url;
    }
}

TEST(CompanyServer, PasswordsAndOtherFaultsAreRefused)
{
    const struct {
        const char *url;
        CompanyUrlProblem problem;
    } cases[] = {
        {"postgresql://installer:secret@db/fleet", CompanyUrlProblem::HasPassword},
        {"postgresql://db/fleet?password=secret", CompanyUrlProblem::HasPassword},
        {"mysql://db/fleet", CompanyUrlProblem::NotPostgresql},
        {"postgresql://db:99999/fleet", CompanyUrlProblem::BadPort},
        {"postgresql://db:x/fleet", CompanyUrlProblem::BadPort},
        {"postgresql://db/fleet?sslmode", CompanyUrlProblem::BadOption},
        {"postgresql://db/fleet?a b=1", CompanyUrlProblem::BadOption},
    };
    for (const auto &c : cases) {
        const CompanyServerParse parsed = parseCompanyServer(QString::fromUtf8(c.url));
        EXPECT_FALSE(parsed.server) << c.url;
        EXPECT_EQ(parsed.problem, c.problem) << c.url;
    }
}

TEST(CompanyServer, TheCommandLineComesBeforeTheEnvironmentAndTheEnvironmentBeforeTheSetting)
{
    EXPECT_EQ(companyServerUrl({}), QString()); // nothing configured: no company database
    QDir().mkpath(QFileInfo(companySettingPath()).absolutePath());
    QFile setting(companySettingPath());
    ASSERT_TRUE(setting.open(QIODevice::WriteOnly));
    setting.write("  postgresql://from-setting/fleet \n# a second line is not read\n");
    setting.close();
    EXPECT_EQ(companyServerUrl({}), QStringLiteral("postgresql://from-setting/fleet"));
    qputenv("AISSET_HISTORY_DB", "postgresql://from-environment/fleet");
    EXPECT_EQ(companyServerUrl({}), QStringLiteral("postgresql://from-environment/fleet"));
    EXPECT_EQ(companyServerUrl(QStringLiteral("postgresql://given/fleet")), QStringLiteral("postgresql://given/fleet"));
    qunsetenv("AISSET_HISTORY_DB");
    setting.remove();
}

} // namespace
} // namespace aisset
