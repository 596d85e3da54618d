// Runs a command on an emulated Linux HID bus that carries the instrument with the demo groups,
// for a program in another process: the Windows check under Wine, whose HID bus reads hidraw
// devices through udev. Run under umockdev-wrapper:
//
//   instrument-bed [--unplug-after N | --silent-after N] -- COMMAND [ARGUMENT...]
//
// The command's standard output passes through line by line. With --unplug-after the instrument
// is pulled out when the Nth request reaches it (its node hangs up); with --silent-after it hears
// the Nth request and those after it but answers none. Once the command prints "transfer failed,
// instrument dropped" the instrument's entries go, and once it then prints "absent" the
// instrument is plugged in again (as the next hidraw device). Exit code: the command's, 70 if the
// bed fails.
#include "HidrawTestbed.h"
#include "SimulatedInstrument.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kBedFailed = 70;

// Starts the command with its standard output on a pipe; the read end, or null.
FILE* startCommand(char* argv[], pid_t& pid)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return nullptr;
    pid = ::fork();
    if (pid == 0) {
        // The nodes are terminals here, and a process that opens one may make it its controlling
        // terminal: the hang-up of an unplug would then kill it, which no real hidraw node does.
        std::signal(SIGHUP, SIG_IGN);
        ::dup2(ends[1], STDOUT_FILENO);
        ::close(ends[0]);
        ::close(ends[1]);
        ::execvp(argv[0], argv);
        std::perror(argv[0]);
        std::_Exit(127);
    }
    ::close(ends[1]);
    return pid > 0 ? ::fdopen(ends[0], "r") : nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    int nArg = 1;
    const bool bUnplug = nArg + 1 < argc && std::strcmp(argv[nArg], "--unplug-after") == 0;
    const bool bSilent = nArg + 1 < argc && std::strcmp(argv[nArg], "--silent-after") == 0;
    const int nRequests = bUnplug || bSilent ? std::atoi(argv[nArg + 1]) : 0;
    if (bUnplug || bSilent)
        nArg += 2;
    if (nArg + 1 >= argc || std::strcmp(argv[nArg], "--") != 0 || !HidrawTestbed::preloaded()) {
        std::fprintf(stderr, "usage: umockdev-wrapper instrument-bed [--unplug-after N | --silent-after N] -- COMMAND...\n");
        return 64;
    }
    try {
        HidrawTestbed bed;
        for (int nGroup = 1; nGroup <= 10; ++nGroup)
            bed.setGroup(nGroup, SimulatedInstrument::demoGroup(nGroup));
        bed.plugIn(0, HidrawTestbed::Kind::Instrument);
        if (bUnplug)
            bed.cutOffAfterRequests(nRequests);
        if (bSilent)
            bed.silenceAfterRequests(nRequests);

        pid_t pid = -1;
        FILE* output = startCommand(argv + nArg + 1, pid);
        if (!output)
            return kBedFailed;
        bool bDropped = false;
        bool bPluggedInAgain = false;
        char szLine[4096];
        while (std::fgets(szLine, sizeof szLine, output)) {
            std::fputs(szLine, stdout);
            std::fflush(stdout);
            szLine[std::strcspn(szLine, "\r\n")] = '\0';  // a Windows console ends lines with CR LF
            if (!bDropped && std::strcmp(szLine, "transfer failed, instrument dropped") == 0) {
                bDropped = true;
                bed.unplug(0);
                bed.silenceAfterRequests(0);
            } else if (bDropped && !bPluggedInAgain && std::strcmp(szLine, "absent") == 0) {
                // As a person would, after a moment: Wine removes the old device a little after
                // its interface is gone, and loses a device of the same id announced meanwhile.
                std::this_thread::sleep_for(std::chrono::seconds(1));
                bed.plugIn(1, HidrawTestbed::Kind::Instrument);
                bPluggedInAgain = true;
            }
        }
        std::fclose(output);
        int nStatus = 0;
        if (::waitpid(pid, &nStatus, 0) != pid)
            return kBedFailed;
        return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : kBedFailed;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "instrument-bed: %s\n", error.what());
        return kBedFailed;
    }
}
