// hardness-cli's side of the archive: keeping each download, listing and exporting.
#include "HardnessCli.h"

#include "CliOptions.h"
#include "GroupDownload.h"
#include "MeasureArchive.h"
#include "OwnedGroup.h"
#include "ValueTexts.h"

#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// One line per download, fields separated by tabs, for reading and for cut and awk.
QByteArray listText(const QVector<ArchivedDownload>& downloads)
{
    QString text = QStringLiteral("ID\tDownloaded\tGroup\tRecords\tScales\tAverages\tDevice\n");
    for (const ArchivedDownload& d : downloads) {
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6 - %7\t%8\n")
                    .arg(d.nId)
                    .arg(d.downloadedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
                    .arg(d.nGroupNumber)
                    .arg(d.nRecordCount)
                    .arg(d.scales, FormatValue(d.fAvgMin), FormatValue(d.fAvgMax), d.devicePath);
    }
    return text.toUtf8();
}

QByteArray listJson(const QVector<ArchivedDownload>& downloads)
{
    QJsonArray list;
    for (const ArchivedDownload& d : downloads) {
        list.append(QJsonObject{
            {QStringLiteral("id"), d.nId},
            {QStringLiteral("downloaded"), d.downloadedAt.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("group"), d.nGroupNumber},
            {QStringLiteral("records"), d.nRecordCount},
            {QStringLiteral("scales"), d.scales},
            {QStringLiteral("avgMin"), FormatValue(d.fAvgMin).toDouble()},  // as the table shows it
            {QStringLiteral("avgMax"), FormatValue(d.fAvgMax).toDouble()},
            {QStringLiteral("device"), d.devicePath},
        });
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("downloads"), list}}).toJson(QJsonDocument::Indented);
}

} // namespace

int HardnessCli::openArchive(const CliRequest& request, MeasureArchive& archive)
{
    ArchiveLocation location;
    QString error;
    if (!ArchiveLocation::configured(location, error, request.archiveUrl))
        return fail(kExitArchiveFailed, error);
    // Written over, the archive would be lost with every download in it.
    const QFileInfo output(request.outputFile), file(location.filePath);
    if (location.kind == ArchiveLocation::Kind::Sqlite && !request.outputFile.isEmpty() &&
        (output.absoluteFilePath() == file.absoluteFilePath() ||
         (output.exists() && output.canonicalFilePath() == file.canonicalFilePath())))
        return fail(kExitUsage, QStringLiteral("The output file '%1' is the archive.").arg(request.outputFile));
    // Listing and exporting only read: a mistyped name creates nothing.
    const bool bDownload = request.command == CliRequest::Command::Download;
    if (archive.open(location, bDownload ? MeasureArchive::Mode::ReadWrite : MeasureArchive::Mode::ReadOnly))
        return kExitData;
    const QString hint = bDownload ? QStringLiteral(" (--no-archive downloads without it)") : QString();
    return fail(kExitArchiveFailed, archive.errorText() + hint);
}

int HardnessCli::archiveGroup(MeasureArchive& archive, const QString& devicePath, int nGroupNumber,
                              const DownloadedGroup& group)
{
    qint64 nId = 0;
    switch (archive.store(QDateTime::currentDateTime(), devicePath, nGroupNumber, group.records(), group.count(), &nId)) {
    case MeasureArchive::StoreResult::Stored:
        return kExitData;
    case MeasureArchive::StoreResult::Duplicate:
        streams.err.write(QStringLiteral("%1: Group %2 is already in the archive as download %3; not stored again.\n")
                              .arg(QLatin1String(kProgramName))
                              .arg(nGroupNumber)
                              .arg(nId)
                              .toUtf8());
        return kExitData;
    case MeasureArchive::StoreResult::Failed:
        break;
    }
    const QString error = archive.errorText();
    return fail(kExitArchiveFailed, error + (error.endsWith(QLatin1Char('.')) ? "" : ".") + QStringLiteral(" The output was written."));
}

int HardnessCli::archiveList(const CliRequest& request)
{
    MeasureArchive archive;
    if (const int nFailed = openArchive(request, archive))
        return nFailed;
    QVector<ArchivedDownload> downloads;
    if (!archive.list(downloads))
        return fail(kExitArchiveFailed, archive.errorText());
    return writeOut(request.format == CliRequest::Format::Json ? listJson(downloads) : listText(downloads), kExitData);
}

int HardnessCli::archiveExport(const CliRequest& request)
{
    MeasureArchive archive;
    if (const int nFailed = openArchive(request, archive))
        return nFailed;
    OwnedGroup group;
    ArchivedDownload download;
    if (!archive.load(request.nDownloadId, group, &download))
        return fail(kExitArchiveFailed, archive.errorText());
    if (const int nWritten = writeGroup(request, group.records(), group.count(), download.nGroupNumber))
        return nWritten;
    return judgeGroup(request, group.records(), group.count());
}
