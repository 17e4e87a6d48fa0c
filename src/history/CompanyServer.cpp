#include "history/CompanyServer.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace aisset {

using namespace Qt::StringLiterals;

namespace {

QString decoded(const QString &part) { return QUrl::fromPercentEncoding(part.toUtf8()); }

// A libpq option value in single quotes, its quotes and backslashes escaped.
QString quotedOption(const QString &value)
{
    QString escaped = value;
    escaped.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"\\'"_s);
    return u"'"_s + escaped + u"'"_s;
}

} // namespace

CompanyServerParse parseCompanyServer(const QString &url)
{
    CompanyServerParse out;
    QString rest = url.trimmed();
    bool schemeKnown = false;
    for (const QString &scheme : {u"postgresql://"_s, u"postgres://"_s})
        if (rest.startsWith(scheme)) {
            rest = rest.mid(scheme.size());
            schemeKnown = true;
        }
    if (!schemeKnown)
        return out;
    CompanyServer server;
    server.url = url.trimmed();
    QString query;
    if (const qsizetype mark = rest.indexOf(u'?'); mark >= 0) {
        query = rest.mid(mark + 1);
        rest.truncate(mark);
    }
    QString authority = rest;
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        authority = rest.left(slash);
        server.database = decoded(rest.mid(slash + 1));
    }
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QString user = authority.left(at);
        if (user.contains(u':')) {
            out.problem = CompanyUrlProblem::HasPassword;
            return out;
        }
        server.user = decoded(user);
        authority = authority.mid(at + 1);
    }
    QString portText;
    if (const qsizetype colon = authority.lastIndexOf(u':'); colon >= 0 && !authority.endsWith(u']')) {
        portText = authority.mid(colon + 1);
        authority.truncate(colon);
    }
    server.host = decoded(authority);
    QStringList options;
    static const QRegularExpression key(u"^[a-z_]+$"_s);
    for (const QString &pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        const QString name = decoded(pair.left(equals));
        const QString value = equals < 0 ? QString() : decoded(pair.mid(equals + 1));
        if (equals < 0 || !key.match(name).hasMatch() || name == u"password") {
            out.problem = name == u"password" ? CompanyUrlProblem::HasPassword : CompanyUrlProblem::BadOption;
            return out;
        }
        if (name == u"host")
            server.host = value;
        else if (name == u"port")
            portText = value;
        else if (name == u"user")
            server.user = value;
        else if (name == u"dbname")
            server.database = value;
        else
            options.append(name + u'=' + quotedOption(value));
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        server.port = portText.toInt(&ok);
        if (!ok || server.port < 1 || server.port > 65535) {
            out.problem = CompanyUrlProblem::BadPort;
            return out;
        }
    }
    // A server that does not answer must not hold a program for libpq's default
    // of waiting for ever.
    if (!query.contains(u"connect_timeout="_s))
        options.append(u"connect_timeout=%1"_s.arg(kCompanyConnectTimeoutSeconds));
    server.connectOptions = options.join(u';');
    out.server = server;
    return out;
}

std::optional<CompanyServer> configuredCompanyServer()
{
    const QString url = companyServerUrl({});
    return url.isEmpty() ? std::nullopt : parseCompanyServer(url).server;
}

QString companySettingPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/aisset/"_s +
           kCompanySettingFile.toString();
}

QString companyServerUrl(const QString &commandLine)
{
    if (!commandLine.isEmpty())
        return commandLine;
    if (const QString fromEnvironment = qEnvironmentVariable("AISSET_HISTORY_DB"); !fromEnvironment.isEmpty())
        return fromEnvironment;
    QFile setting(companySettingPath());
    if (!setting.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(setting.readLine()).trimmed();
}

} // namespace aisset
