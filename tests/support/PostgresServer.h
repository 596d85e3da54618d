#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

// A throwaway PostgreSQL server in a temporary folder, reachable only through a Unix socket
// there; stopped when the object goes. PostgreSQL refuses to run as root, so as root the
// server programs run as the postgres user.
class PostgresServer
{
public:
    PostgresServer()
    {
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        for (const QString& version : versions) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(version);
            if (QFile::exists(bin + "pg_ctl") && QFile::exists(bin + "initdb"))
                binDir = bin;
        }
        if (binDir.isEmpty()) {
            problem = QStringLiteral("PostgreSQL server programs not found in /usr/lib/postgresql/*/bin "
                                     "(scripts/install-deps.sh installs them)");
            return;
        }
        QDir(dir.path()).mkdir(QStringLiteral("sock"));
        if (geteuid() == 0) {
            const passwd* user = getpwnam("postgres");
            if (!user || chown(qPrintable(dir.path()), user->pw_uid, user->pw_gid) != 0 ||
                chown(qPrintable(socketDir()), user->pw_uid, user->pw_gid) != 0) {
                problem = QStringLiteral("cannot hand the server folder to the postgres user");
                return;
            }
        }
        const QString data = dir.filePath(QStringLiteral("data"));
        bRunning = run(QStringLiteral("initdb"), {"-D", data, "-A", "trust", "-U", "postgres"}) &&
                   run(QStringLiteral("pg_ctl"), {"-D", data, "-l", dir.filePath("log"), "-w", "-o",
                                                  QStringLiteral("-k %1 -c listen_addresses=''").arg(socketDir()),
                                                  "start"});
    }

    ~PostgresServer()
    {
        if (bRunning)
            run(QStringLiteral("pg_ctl"), {"-D", dir.filePath(QStringLiteral("data")), "-m", "immediate", "stop"});
    }

    bool isRunning() const { return bRunning; }
    QString whyNotRunning() const { return problem; }
    QString socketDir() const { return dir.filePath(QStringLiteral("sock")); }

    // The archive URL of a database on this server.
    QString url(const QString& database) const
    {
        return QStringLiteral("postgresql:///%1?host=%2&user=postgres").arg(database, socketDir());
    }

    bool sql(const QString& database, const QString& statement)
    {
        const QString psql = binDir + QStringLiteral("psql");
        return run(QFile::exists(psql) ? psql : QStringLiteral("psql"),
                   {"-q", "-v", "ON_ERROR_STOP=1", "-h", socketDir(), "-U", "postgres", "-d", database, "-c",
                    statement});
    }

private:
    bool run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        const QString path = program.startsWith('/') ? program : binDir + program;
        if (geteuid() == 0)
            process.start(QStringLiteral("runuser"), QStringList{"-u", "postgres", "--", path} + arguments);
        else
            process.start(path, arguments);
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return true;
        problem = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }

    QTemporaryDir dir{QStringLiteral("/tmp/pgtest-XXXXXX")};  // short: a socket path has a length limit
    QString binDir;
    QString problem;
    bool bRunning = false;
};
