#pragma once

#include "history/CompanyDatabase.h"

#include <QString>

namespace aisset::cli {

// The command line's words for the company's database.
QString companyUrlProblemText(const QString &url, CompanyUrlProblem problem);
// What the server or the driver said, with what it means for the user.
QString companyFailureText(const CompanyDatabase &company);
// Empty when the push went through.
QString pushProblemText(const PushOutcome &outcome, const CompanyDatabase &company, const HistoryDatabase &local);

} // namespace aisset::cli
