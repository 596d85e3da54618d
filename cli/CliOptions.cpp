#include "CliOptions.h"

#include <QRegularExpression>

CliOptions::CliOptions()
    : helpOption(parser.addHelpOption())
    , versionOption(parser.addVersionOption())
    , groupOption({QStringLiteral("g"), QStringLiteral("group")},
                  QStringLiteral("Group to download, 1 to 10."), QStringLiteral("N"))
    , outputOption({QStringLiteral("o"), QStringLiteral("output")},
                   QStringLiteral("Write to FILE instead of standard output ('-': standard output)."),
                   QStringLiteral("FILE"))
    , formatOption({QStringLiteral("f"), QStringLiteral("format")},
                   QStringLiteral("Output format: csv (the default) or json."), QStringLiteral("csv|json"),
                   QStringLiteral("csv"))
    , simulateOption(QStringLiteral("simulate"), QStringLiteral("Use the simulated instrument."))
    , archiveOption(QStringLiteral("archive"),
                    QStringLiteral("Use the archive at URL: a SQLite file (sqlite:///FILE) or "
                                   "postgresql://USER@HOST/DATABASE?OPTIONS."),
                    QStringLiteral("URL"))
    , noArchiveOption(QStringLiteral("no-archive"), QStringLiteral("Do not keep the download in the archive."))
    , limitsOption(QStringLiteral("limits"),
                   QStringLiteral("Judge each record's mean against LOW:HIGH (either side may be empty); "
                                  "SCALE=LOW:HIGH for one hardness scale, e.g. HRC=58:62. Repeatable."),
                   QStringLiteral("LIMITS"))
    , failOnRejectOption(QStringLiteral("fail-on-reject"),
                         QStringLiteral("Exit with 3 when a record is outside the limits, or no record is on "
                                        "a scale with limits (after writing)."))
{
    parser.setApplicationDescription(
        QStringLiteral("Reads the hardness tester's stored groups without the window.\n"
                       "With --format json each record carries sd, range and cv (in percent), and with "
                       "--limits its verdict and the single values outside.\n"
                       "Exit codes: 0 data written, 1 empty group, 2 no instrument or a failed transfer, "
                       "3 a record outside the limits or none judged (--fail-on-reject), 64 usage error, 73 output not "
                       "written, 74 archive trouble."));
    parser.addOptions({groupOption, outputOption, formatOption, simulateOption, archiveOption, noArchiveOption,
                       limitsOption, failOnRejectOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("status: is the instrument there?\n"
                                                "download: write one group as CSV or JSON and archive it.\n"
                                                "archive list: the archived downloads, newest first.\n"
                                                "archive export ID: write an archived download."),
                                 QStringLiteral("status|download|archive"));
}

bool CliOptions::fail(const QString& text)
{
    error = text;
    return false;
}

bool CliOptions::parse(const QStringList& arguments)
{
    parsed = CliRequest();
    error.clear();
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    // Help and version win over everything else, as with any command-line tool.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        parsed.command = CliRequest::Command::Help;
        return true;
    }
    if (parser.isSet(versionOption)) {
        parsed.command = CliRequest::Command::Version;
        return true;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return fail(QStringLiteral("Missing command: status, download or archive."));
    parsed.bSimulate = parser.isSet(simulateOption);
    parsed.bArchive = !parser.isSet(noArchiveOption);
    parsed.archiveUrl = parser.value(archiveOption);
    if (parser.isSet(archiveOption) && parsed.archiveUrl.isEmpty())
        return fail(QStringLiteral("Option '--archive' needs a URL."));

    const QString command = positional.first();
    if (command == QLatin1String("archive"))
        return readArchiveCommand(positional);
    if (positional.size() > 1)
        return fail(QStringLiteral("Unexpected argument '%1'.").arg(positional.at(1)));
    if (command == QLatin1String("download")) {
        parsed.command = CliRequest::Command::Download;
        return readDownloadOptions();
    }
    if (command != QLatin1String("status"))
        return fail(QStringLiteral("Unknown command '%1': use status, download or archive.").arg(command));
    parsed.command = CliRequest::Command::Status;
    return onlyFor(QStringLiteral("download"), {groupOption, noArchiveOption}) &&
           onlyFor(QStringLiteral("download and archive"),
                   {outputOption, formatOption, archiveOption, limitsOption, failOnRejectOption});
}

bool CliOptions::onlyFor(const QString& command, const QList<QCommandLineOption>& options)
{
    for (const QCommandLineOption& option : options) {
        if (parser.isSet(option))
            return fail(QStringLiteral("Option '--%1' belongs to %2.").arg(option.names().last(), command));
    }
    return true;
}

bool CliOptions::readFormat()
{
    const QString format = parser.value(formatOption);
    if (format == QLatin1String("json"))
        parsed.format = CliRequest::Format::Json;
    else if (format != QLatin1String("csv"))
        return fail(QStringLiteral("Unknown format '%1': use csv or json.").arg(format));
    return true;
}

bool CliOptions::readArchiveCommand(const QStringList& positional)
{
    const QString action = positional.value(1);
    if (!onlyFor(QStringLiteral("download"), {groupOption, noArchiveOption, simulateOption}) || !readFormat())
        return false;
    if (action == QLatin1String("list") && positional.size() == 2) {
        parsed.command = CliRequest::Command::ArchiveList;
        return onlyFor(QStringLiteral("download and archive export"), {outputOption, limitsOption, failOnRejectOption});
    }
    if (action != QLatin1String("export") || positional.size() != 3)
        return fail(QStringLiteral("Use 'archive list' or 'archive export ID'."));
    parsed.command = CliRequest::Command::ArchiveExport;
    bool bNumber = false;
    parsed.nDownloadId = positional.at(2).toLongLong(&bNumber);
    if (!bNumber || parsed.nDownloadId < 1)
        return fail(QStringLiteral("Invalid download ID '%1': use a number from 'archive list'.").arg(positional.at(2)));
    return readOutputFile() && readLimits();
}

bool CliOptions::readDownloadOptions()
{
    if (!parser.isSet(groupOption))
        return fail(QStringLiteral("Missing option '--group N' (1 to 10)."));
    const QString groupText = parser.value(groupOption);
    bool bNumber = false;
    parsed.nGroupNumber = groupText.toInt(&bNumber);
    if (!bNumber || parsed.nGroupNumber < kFirstGroup || parsed.nGroupNumber > kLastGroup)
        return fail(QStringLiteral("Invalid group '%1': use a number from 1 to 10.").arg(groupText));

    return readFormat() && readOutputFile() && readLimits();
}

bool CliOptions::readOutputFile()
{
    parsed.outputFile = parser.value(outputOption);
    if (parser.isSet(outputOption) && parsed.outputFile.isEmpty())
        return fail(QStringLiteral("Option '--output' needs a file name."));
    if (parsed.outputFile == QLatin1String("-"))
        parsed.outputFile.clear();
    return true;
}

bool CliOptions::readLimits()
{
    for (const QString& text : parser.values(limitsOption)) {
        if (text.trimmed().isEmpty())
            return fail(QStringLiteral("Option '--limits' needs limits, such as HRC=58:62."));
        // A comma separates limits: 58,5 would be two numbers.
        if (text.contains(QRegularExpression(QStringLiteral("\\d,\\d"))))
            return fail(QStringLiteral("Invalid limits '%1': write decimals with a point (58.5) and separate limits with blanks.").arg(text));
        QString limitsError;
        if (!ToleranceLimits::parse(text, parsed.limits, limitsError))
            return fail(limitsError);
    }
    parsed.bFailOnReject = parser.isSet(failOnRejectOption);
    if (parsed.bFailOnReject && parsed.limits.isEmpty())
        return fail(QStringLiteral("Option '--fail-on-reject' needs '--limits'."));
    return true;
}
