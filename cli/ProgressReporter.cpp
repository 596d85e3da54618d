#include "ProgressReporter.h"

#include "DeviceProtocol.h"

#include <QIODevice>
#include <QtGlobal>

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

ProgressReporter::ProgressReporter(QIODevice& device, bool bTerminal, int nGroupNumber)
    : device(device), bTerminal(bTerminal), nGroupNumber(nGroupNumber)
{
}

void ProgressReporter::report(int nProgress)
{
    const bool bMaximum = (nProgress & kProgressMaximumFlag) != 0;
    if (bMaximum) {
        nMaximum = nProgress & kProgressValueMask;
        nDone = 0;
    } else {
        nDone = nProgress;
    }

    if (bTerminal)
        show(barLine());
    else if (bMaximum)
        show(QStringLiteral("Group %1: %2 %3\n")
                 .arg(nGroupNumber)
                 .arg(nMaximum)
                 .arg(nMaximum == 1 ? QStringLiteral("record") : QStringLiteral("records")));
    else
        show(QStringLiteral("Record %1 of %2\n").arg(nDone).arg(nMaximum));
}

void ProgressReporter::endLine()
{
    if (bLineOpen)
        show(QStringLiteral("\n"));
}

void ProgressReporter::show(const QString& text)
{
    device.write(text.toUtf8());
    bLineOpen = !text.endsWith(QLatin1Char('\n'));
}

// "\r" returns to the start of the line for the next redraw; the line ends once all is done.
QString ProgressReporter::barLine() const
{
    const int nFilled = nMaximum > 0 ? qBound(0, kBarWidth * nDone / nMaximum, kBarWidth) : kBarWidth;
    const QString bar = QString(nFilled, QLatin1Char('#')) + QString(kBarWidth - nFilled, QLatin1Char('-'));
    const bool bFinished = nDone >= nMaximum;
    return QStringLiteral("\rGroup %1 [%2] %3/%4%5")
        .arg(nGroupNumber)
        .arg(bar)
        .arg(nDone)
        .arg(nMaximum)
        .arg(bFinished ? QStringLiteral("\n") : QString());
}

bool StandardErrorIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) != 0;
#endif
}
