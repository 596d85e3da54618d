#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

#include <pwd.h>
#include <unistd.h>

// A throwaway PostgreSQL server in a temporary folder, reachable through a Unix socket there and
// on 127.0.0.1 (without TLS); stopped when the object goes. PostgreSQL refuses to run as root, so as root the
// server programs run as the postgres user.
class PostgresServer
{
public:
    PostgresServer()
    {
        const QDir versions(QStringLiteral("/usr/lib/postgresql"));
        const QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        binDir = found.isEmpty() ? QString() : versions.filePath(found.last() + "/bin/");
        if (!QFile::exists(binDir + "pg_ctl")) {
            problem = "PostgreSQL server programs not found (scripts/install-deps.sh installs them)";
            return;
        }
        QDir(dir.path()).mkdir("sock");
        const passwd* user = geteuid() == 0 ? getpwnam("postgres") : nullptr;
        if (user && (chown(qPrintable(dir.path()), user->pw_uid, user->pw_gid) != 0 ||
                     chown(qPrintable(socketDir()), user->pw_uid, user->pw_gid) != 0)) {
            problem = "cannot hand the server folder to the postgres user";
            return;
        }
        nPort = 20000 + getpid() % 20000;  // one server per process, apart from other processes'
        const QString options = QString("-k %1 -c listen_addresses=127.0.0.1 -p %2").arg(socketDir()).arg(nPort);
        bRunning = run("initdb", {"-D", dataDir(), "-A", "trust", "-U", "postgres"}) &&
                   run("pg_ctl", {"-D", dataDir(), "-l", dir.filePath("log"), "-w", "-o", options, "start"});
    }

    ~PostgresServer()
    {
        if (bRunning)
            run("pg_ctl", {"-D", dataDir(), "-m", "immediate", "stop"});
    }

    bool isRunning() const { return bRunning; }
    QString whyNotRunning() const { return problem; }

    // The archive URL of a database on this server, through the socket or over TCP.
    QString url(const QString& database) const
    {
        return QString("postgresql:///%1?host=%2&port=%3&user=postgres").arg(database, socketDir()).arg(nPort);
    }
    QString tcpUrl(const QString& database) const
    {
        return QString("postgresql://postgres@127.0.0.1:%1/%2").arg(nPort).arg(database);
    }

    bool sql(const QString& database, const QString& statement)
    {
        return run("psql", psqlArguments(database, statement));
    }

    // The statement runs on while the process lives (a lock held, a long sleep).
    std::unique_ptr<QProcess> startSql(const QString& database, const QString& statement)
    {
        auto process = std::make_unique<QProcess>();
        process->start(binDir + "psql", psqlArguments(database, statement));
        return process;
    }

private:
    QStringList psqlArguments(const QString& database, const QString& statement) const
    {
        return {"-q", "-v", "ON_ERROR_STOP=1", "-h", socketDir(), "-p", QString::number(nPort), "-U", "postgres",
                "-d", database, "-c", statement};
    }
    QString socketDir() const { return dir.filePath("sock"); }
    QString dataDir() const { return dir.filePath("data"); }

    bool run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        if (geteuid() == 0)
            process.start("runuser", QStringList{"-u", "postgres", "--", binDir + program} + arguments);
        else
            process.start(binDir + program, arguments);
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return true;
        problem = program + " failed: " + QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }

    QTemporaryDir dir{"/tmp/pgtest-XXXXXX"};  // short: a socket path has a length limit
    QString binDir;
    QString problem;
    bool bRunning = false;
    int nPort = 0;
};
