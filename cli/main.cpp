#include "HardnessCli.h"
#include "HidPlatform.h"
#include "ProgressReporter.h"
#include "SimulatedInstrument.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(HardnessCli::kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(HARDNESS_VERSION));

    // The device link's transport notes are for a debugger; here they would break the promise of
    // one error line. QT_LOGGING_RULES="default.debug=true" brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

#ifdef SIGPIPE
    // A reader that went away (| head) is a failed write with its one error line, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // Straight to the file descriptors: progress shows as it happens, and a failed write to
    // standard output (a full disk, a closed pipe) is seen at once instead of in a buffer at exit.
    QFile out;
    QFile err;
    out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);

    HardnessCli cli(DefaultHidPlatform(), SimulatedInstrument::demo(), {out, err, StandardErrorIsTerminal()});
    return cli.run(QCoreApplication::arguments());
}
