#include "HardnessCli.h"

#include "CliOptions.h"
#include "CsvWriter.h"
#include "GroupDownload.h"
#include "JsonExport.h"
#include "MeasureArchive.h"
#include "ProgressReporter.h"
#include "Verdict.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

QString notFoundText()
{
    return QStringLiteral("No instrument found (USB vendor 0x%1, product 0x%2).")
        .arg(CHidDevice::kVendorId, 4, 16, QLatin1Char('0'))
        .arg(CHidDevice::kProductId, 4, 16, QLatin1Char('0'));
}

} // namespace

HardnessCli::HardnessCli(HidPlatform& instrument, HidPlatform& simulated, Streams streams)
    : instrument(instrument), simulated(simulated), streams(streams)
{
}

int HardnessCli::run(const QStringList& arguments)
{
    CliOptions options;
    if (!options.parse(arguments))
        return fail(kExitUsage, options.errorText());
    const CliRequest& request = options.request();
    switch (request.command) {
    case CliRequest::Command::Help:
        return writeOut(options.helpText().toUtf8(), kExitData);
    case CliRequest::Command::Version:
        return writeOut(QStringLiteral("%1 %2\n")
                            .arg(QLatin1String(kProgramName), QCoreApplication::applicationVersion())
                            .toUtf8(),
                        kExitData);
    case CliRequest::Command::Status:
        return status(request);
    case CliRequest::Command::ArchiveList:
        return archiveList(request);
    case CliRequest::Command::ArchiveExport:
        return archiveExport(request);
    case CliRequest::Command::Download:
        break;
    }
    return download(request);
}

HidPlatform& HardnessCli::platformFor(const CliRequest& request) const
{
    return request.bSimulate ? simulated : instrument;
}

int HardnessCli::fail(int nExitCode, const QString& text)
{
    streams.err.write(QStringLiteral("%1: %2\n").arg(QLatin1String(kProgramName), text).toUtf8());
    return nExitCode;
}

int HardnessCli::writeOut(const QByteArray& bytes, int nExitCode)
{
    if (streams.out.write(bytes) != bytes.size())
        return fail(kExitOutputFailed, QStringLiteral("Cannot write to standard output."));
    return nExitCode;
}

int HardnessCli::status(const CliRequest& request)
{
    GroupDownload link(platformFor(request));
    if (!link.findInstrument()) {
        const std::string denied = link.deniedPath();
        if (!denied.empty()) {
            return writeOut(QStringLiteral("Device found at %1, but no permission to open it: "
                                           "install the udev rule (see README)\n")
                                .arg(QString::fromStdString(denied))
                                .toUtf8(),
                            kExitDeviceFailed);
        }
        return writeOut("Device Disconnected\n", kExitDeviceFailed);
    }
    return writeOut(QStringLiteral("Device Connected: %1\n").arg(QString::fromUtf8(link.devicePath())).toUtf8(),
                    kExitData);
}

int HardnessCli::download(const CliRequest& request)
{
    // Checked before the instrument is asked, so that a long download is not wasted on a file
    // that cannot be written.
    if (!request.outputFile.isEmpty()) {
        const QString problem = ReplaceFileProblem(request.outputFile);
        if (!problem.isEmpty())
            return fail(kExitOutputFailed, QStringLiteral("Cannot write '%1': %2").arg(request.outputFile, problem));
    }

    // Opened first too: a download is not wasted on an archive that cannot take it.
    MeasureArchive archive;
    if (request.bArchive) {
        if (const int nFailed = openArchive(request, archive))
            return nFailed;
    }

    ProgressReporter progress(streams.err, streams.bErrIsTerminal, request.nGroupNumber);
    GroupDownload link(platformFor(request), [&progress](int n) { progress.report(n); });
    const DownloadedGroup group = link.download(request.nGroupNumber);
    progress.endLine();
    if (!group.found())
        return fail(kExitDeviceFailed, notFoundText());
    // An incomplete download is not written or archived, as in the window.
    const DownloadOutcome& outcome = group.outcome();
    switch (outcome.result) {
    case DownloadOutcome::FailedBeforeSize:
        return fail(kExitDeviceFailed, QStringLiteral("The transfer from the instrument failed; nothing was written."));
    case DownloadOutcome::FailedPartWay:
        return fail(kExitDeviceFailed, QStringLiteral("The instrument was lost after %1 of %2 records; nothing was written.")
                                           .arg(outcome.nReceived)
                                           .arg(outcome.nExpected));
    case DownloadOutcome::EmptyGroup:
        return fail(kExitNoRecords, QStringLiteral("Group %1 holds no records.").arg(request.nGroupNumber));
    case DownloadOutcome::Whole:
        break;
    }
    const int nWritten = writeGroup(request, group.records(), group.count(), request.nGroupNumber);
    if (nWritten != kExitData)
        return nWritten;
    if (request.bArchive) {
        if (const int nArchived = archiveGroup(archive, QString::fromUtf8(link.devicePath()), request.nGroupNumber, group))
            return nArchived;
    }
    return judgeGroup(request, group.records(), group.count());
}

int HardnessCli::judgeGroup(const CliRequest& request, const MeasureRecord* pRecords, int nCount)
{
    if (!request.bFailOnReject)
        return kExitData;
    // A group none of whose records is on a scale with limits (the instrument left on another
    // scale) has not passed them either.
    const GroupVerdict verdict = JudgeGroup(pRecords, nCount, request.limits);
    return verdict.rejected() || verdict.nJudged == 0 ? fail(kExitRejected, verdict.text() + QLatin1Char('.')) : kExitData;
}

int HardnessCli::writeGroup(const CliRequest& request, const MeasureRecord* pRecords, int nCount, int nGroupNumber)
{
    const bool bCsv = request.format == CliRequest::Format::Csv;
    if (request.outputFile.isEmpty()) {
        return writeOut(bCsv ? CsvDocument(pRecords, nCount) : JsonDocument(pRecords, nCount, nGroupNumber, request.limits),
                        kExitData);
    }

    const SaveResult result =
        bCsv ? SaveCsvFile(request.outputFile, pRecords, nCount)  // the window's own export
             : ReplaceFile(request.outputFile, JsonDocument(pRecords, nCount, nGroupNumber, request.limits), false);
    if (result == SaveResult::Saved)
        return kExitData;
    return fail(kExitOutputFailed, QStringLiteral("Cannot write '%1': %2").arg(request.outputFile, WriteFailedText()));
}
