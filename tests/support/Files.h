#pragma once

#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

inline QByteArray fileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What work returns when run while files of this process cannot grow beyond 16 bytes: writes
// fail after a good open, as on a full disk (the signal that would end the process is ignored).
template <typename Work>
auto onFullDisk(Work work)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tight);
    const auto result = work();
    setrlimit(RLIMIT_FSIZE, &saved);
    return result;
}

// The standard output of a tool run to its end; empty when it fails.
inline QByteArray toolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}
