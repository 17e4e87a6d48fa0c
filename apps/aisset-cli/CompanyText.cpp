#include "CompanyText.h"

#include "Output.h"

namespace aisset::cli {

QString companyUrlProblemText(const QString &url, CompanyUrlProblem problem)
{
    switch (problem) {
    case CompanyUrlProblem::HasPassword:
        return QStringLiteral("the company database URL must not hold a password: put it in ~/.pgpass or "
                              "PGPASSWORD; the company database is not used");
    case CompanyUrlProblem::BadPort:
        return QStringLiteral("the company database URL %1 names no port 1-65535; the company database is not used")
            .arg(shownValue(url));
    case CompanyUrlProblem::BadOption:
        return QStringLiteral("the company database URL %1 has an option that is not key=value; the company "
                              "database is not used")
            .arg(shownValue(url));
    case CompanyUrlProblem::NotPostgresql: break;
    }
    return QStringLiteral("the company database URL %1 does not start with postgresql://; the company database is "
                          "not used")
        .arg(shownValue(url));
}

QString companyFailureText(const CompanyDatabase &company)
{
    const QString said = escapeControls(company.errorText());
    switch (company.failure()) {
    case CompanyFailure::NoDriver: return QStringLiteral("%1 (Debian package libqt6sql6-psql)").arg(said);
    case CompanyFailure::Unreachable: return QStringLiteral("the company database cannot be reached: %1").arg(said);
    case CompanyFailure::Refused: return QStringLiteral("the company database refused the user: %1").arg(said);
    case CompanyFailure::Failed:
    case CompanyFailure::None: break;
    }
    return QStringLiteral("the company database failed: %1").arg(said);
}

QString pushProblemText(const PushOutcome &outcome, const CompanyDatabase &company, const HistoryDatabase &local)
{
    if (outcome.localFailed)
        return QStringLiteral("the history %1 cannot be read for the company database: %2")
            .arg(local.path(), outcome.errorText);
    if (outcome.failure == CompanyFailure::None)
        return {};
    return companyFailureText(company) + QStringLiteral("; the entries stay in the local history and are sent later");
}

} // namespace aisset::cli
