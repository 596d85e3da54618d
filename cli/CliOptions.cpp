#include "CliOptions.h"

CliOptions::CliOptions()
    : helpOption(parser.addHelpOption())
    , versionOption(parser.addVersionOption())
    , groupOption({QStringLiteral("g"), QStringLiteral("group")},
                  QStringLiteral("Group to download, 1 to 10."), QStringLiteral("N"))
    , outputOption({QStringLiteral("o"), QStringLiteral("output")},
                   QStringLiteral("Write to FILE instead of standard output."), QStringLiteral("FILE"))
    , formatOption({QStringLiteral("f"), QStringLiteral("format")},
                   QStringLiteral("Output format: csv (the default) or json."), QStringLiteral("csv|json"),
                   QStringLiteral("csv"))
    , simulateOption(QStringLiteral("simulate"), QStringLiteral("Use the simulated instrument."))
{
    parser.setApplicationDescription(
        QStringLiteral("Reads the hardness tester's stored groups without the window."));
    parser.addOptions({groupOption, outputOption, formatOption, simulateOption});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("status: is the instrument there?\n"
                                                "download: write one group as CSV or JSON."),
                                 QStringLiteral("status|download"));
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
        return fail(QStringLiteral("Missing command: status or download."));
    if (positional.size() > 1)
        return fail(QStringLiteral("Unexpected argument '%1'.").arg(positional.at(1)));
    parsed.bSimulate = parser.isSet(simulateOption);

    const QString command = positional.first();
    if (command == QLatin1String("download")) {
        parsed.command = CliRequest::Command::Download;
        return readDownloadOptions();
    }
    if (command != QLatin1String("status"))
        return fail(QStringLiteral("Unknown command '%1': use status or download.").arg(command));
    parsed.command = CliRequest::Command::Status;
    for (const QCommandLineOption& option : {groupOption, outputOption, formatOption}) {
        if (parser.isSet(option))
            return fail(QStringLiteral("Option '--%1' belongs to download.").arg(option.names().last()));
    }
    return true;
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

    const QString format = parser.value(formatOption);
    if (format == QLatin1String("json"))
        parsed.format = CliRequest::Format::Json;
    else if (format != QLatin1String("csv"))
        return fail(QStringLiteral("Unknown format '%1': use csv or json.").arg(format));

    parsed.outputFile = parser.value(outputOption);
    if (parser.isSet(outputOption) && parsed.outputFile.isEmpty())
        return fail(QStringLiteral("Option '--output' needs a file name."));
    return true;
}
