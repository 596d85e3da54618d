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
        const QString options = QString("-k %1 -c listen_addresses=''").arg(socketDir());
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

    // The archive URL of a database on this server.
    QString url(const QString& database) const
    {
        return QString("postgresql:///%1?host=%2&user=postgres").arg(database, socketDir());
    }

    bool sql(const QString& database, const QString& statement)
    {
        return run("psql", {"-q", "-v", "ON_ERROR_STOP=1", "-h", socketDir(), "-U", "postgres",
                            "-d", database, "-c", statement});
    }

private:
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
};
