#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

namespace aisset::test {

// A throwaway PostgreSQL server of the test's own: a cluster made by initdb in
// a temporary folder, listening only on a Unix socket in that folder, stopped
// and removed with the object. The server refuses to run as root: as root the
// cluster belongs to, and the server runs as, the user "postgres".
//
// Roles: the superuser "admin" logs in without a password; every other role
// must give its password (scram-sha-256), which the tests hand to libpq
// through PGPASSWORD as an installer's machine would.
class PostgresCluster {
public:
    static constexpr int kPort = 5433;

    PostgresCluster()
    {
        bin_ = binFolder();
        if (bin_.isEmpty() || !dir_.isValid())
            return;
        if (::geteuid() == 0)
            run(QStringLiteral("/bin/chown"), {QStringLiteral("postgres:postgres"), dir_.path()}, false);
        if (!server(QStringLiteral("initdb"),
                    {QStringLiteral("-D"), data(), QStringLiteral("-U"), QStringLiteral("admin"),
                     QStringLiteral("--auth=trust"), QStringLiteral("--no-sync"), QStringLiteral("-E"),
                     QStringLiteral("UTF8"), QStringLiteral("--locale=C")}))
            return;
        QFile hba(data() + QStringLiteral("/pg_hba.conf"));
        if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        hba.write("local all admin trust\nlocal all all scram-sha-256\n");
        hba.close();
        initialised_ = start();
    }
    ~PostgresCluster()
    {
        if (running_)
            stop();
    }
    PostgresCluster(const PostgresCluster &) = delete;
    PostgresCluster &operator=(const PostgresCluster &) = delete;

    // Empty when the server's programs are there; otherwise why the tests skip.
    QString missing() const
    {
        if (bin_.isEmpty())
            return QStringLiteral("PostgreSQL's server programs (Debian package postgresql) are not installed");
        return initialised_ ? QString() : QStringLiteral("the throwaway cluster did not start: ") + log_;
    }
    QString socketFolder() const { return dir_.path(); }
    QString url(const QString &user, const QString &database) const
    {
        return QStringLiteral("postgresql://%1@/%2?host=%3&port=%4").arg(user, database, socketFolder()).arg(kPort);
    }

    bool start()
    {
        running_ =
            server(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), data(), QStringLiteral("-l"), dir_.path() + QStringLiteral("/log"),
                    QStringLiteral("-o"),
                    QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c fsync=off").arg(dir_.path()).arg(kPort),
                    QStringLiteral("-w"), QStringLiteral("start")});
        return running_;
    }
    bool stop()
    {
        running_ =
            !server(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data(), QStringLiteral("-m"),
                                               QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")});
        return !running_;
    }
    // Runs SQL as the superuser in the database; its output, rows as "a|b" lines.
    QString sql(const QString &database, const QString &statements)
    {
        QProcess p;
        p.start(bin_ + QStringLiteral("/psql"),
                {QStringLiteral("-h"), socketFolder(), QStringLiteral("-p"), QString::number(kPort),
                 QStringLiteral("-U"), QStringLiteral("admin"), QStringLiteral("-d"), database, QStringLiteral("-XAtq"),
                 QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), statements});
        p.waitForFinished(30000);
        log_ = QString::fromLocal8Bit(p.readAllStandardError());
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    const QString &lastError() const { return log_; }

private:
    static QString binFolder()
    {
        const QStringList versions =
            QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (qsizetype i = versions.size() - 1; i >= 0; --i) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(versions[i]);
            if (QFile::exists(bin + QStringLiteral("/initdb")))
                return bin;
        }
        return {};
    }
    QString data() const { return dir_.path() + QStringLiteral("/data"); }

    // A server program, as "postgres" when the test runs as root.
    bool server(const QString &program, const QStringList &args) { return run(bin_ + u'/' + program, args, true); }
    bool run(const QString &program, const QStringList &args, bool asServer)
    {
        QProcess p;
        if (asServer && ::geteuid() == 0)
            p.start(QStringLiteral("/usr/sbin/runuser"),
                    QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} +
                        args);
        else
            p.start(program, args);
        // pg_ctl's server keeps the pipes open: its output goes to the log file.
        const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!ok)
            log_ = QString::fromLocal8Bit(p.readAllStandardError() + p.readAllStandardOutput());
        return ok;
    }

    QTemporaryDir dir_;
    QString bin_;
    QString log_;
    bool initialised_ = false;
    bool running_ = false;
};

} // namespace aisset::test
