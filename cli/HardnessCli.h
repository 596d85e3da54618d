#pragma once

#include <QString>
#include <QStringList>

class DownloadedGroup;
class HidPlatform;
class MeasureArchive;
class QIODevice;
struct CliRequest;
struct MeasureRecord;

// Exit codes of hardness-cli (64 and 73 as in the BSD sysexits convention).
enum CliExitCode {
    kExitData = 0,            // status: the instrument is there; download: data written
    kExitNoRecords = 1,       // the group holds no records; nothing written
    kExitDeviceFailed = 2,    // the instrument is absent or a transfer failed; nothing written
    kExitRejected = 3,        // --fail-on-reject: data written, and a record is outside the limits
    kExitUsage = 64,          // bad command line
    kExitOutputFailed = 73,   // the output could not be written; an existing file is left as it was
    kExitArchiveFailed = 74,  // the archive could not be opened, read or written; it is left as it was
};

// The whole program behind main(), on the streams and platforms it is given.
class HardnessCli
{
public:
    struct Streams
    {
        QIODevice& out;        // the document and the status line
        QIODevice& err;        // progress and error lines
        bool bErrIsTerminal;   // a redrawn progress bar instead of plain lines
    };

    static constexpr const char* kProgramName = "hardness-cli";

    HardnessCli(HidPlatform& instrument, HidPlatform& simulated, Streams streams);

    int run(const QStringList& arguments);

private:
    int status(const CliRequest& request);
    int download(const CliRequest& request);
    int writeGroup(const CliRequest& request, const MeasureRecord* pRecords, int nCount, int nGroupNumber);
    // After the data is written: kExitRejected for a rejected group when the request asks for it.
    int judgeGroup(const CliRequest& request, const MeasureRecord* pRecords, int nCount);
    // The archive commands and the download's archiving (ArchiveCommands.cpp).
    int openArchive(const CliRequest& request, MeasureArchive& archive);
    int archiveGroup(MeasureArchive& archive, const QString& devicePath, int nGroupNumber,
                     const DownloadedGroup& group);
    int archiveList(const CliRequest& request);
    int archiveExport(const CliRequest& request);
    int fail(int nExitCode, const QString& text);
    // nExitCode once bytes are all on standard output, else the output failure.
    int writeOut(const QByteArray& bytes, int nExitCode);
    HidPlatform& platformFor(const CliRequest& request) const;

    HidPlatform& instrument;
    HidPlatform& simulated;
    Streams streams;
};
