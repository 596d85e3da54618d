#pragma once

#include "ToleranceLimits.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// What the user asked for on the command line.
struct CliRequest
{
    enum class Command { Status, Download, ArchiveList, ArchiveExport, Help, Version };
    enum class Format { Csv, Json };

    Command command = Command::Help;
    int nGroupNumber = 0;  // 1 to 10, as the window's combo box shows the groups
    QString outputFile;    // empty: standard output
    Format format = Format::Csv;
    bool bSimulate = false;
    bool bArchive = true;  // download: keep the group in the archive
    QString archiveUrl;    // empty: the configured archive
    qint64 nDownloadId = 0;  // archive export
    ToleranceLimits limits;   // download and archive export: judge the records
    bool bFailOnReject = false;  // a group with a record outside the limits exits with 3
};

// The command line of hardness-cli: a command (status or download) and its options.
class CliOptions
{
public:
    static constexpr int kFirstGroup = 1;
    static constexpr int kLastGroup = 10;

    CliOptions();

    // arguments[0] is the program name. Returns false with a one-line errorText() on bad input.
    bool parse(const QStringList& arguments);
    const CliRequest& request() const { return parsed; }
    QString errorText() const { return error; }
    QString helpText() const { return parser.helpText(); }

private:
    bool fail(const QString& text);
    bool readDownloadOptions();
    bool readArchiveCommand(const QStringList& positional);
    bool readFormat();
    bool readOutputFile();
    bool readLimits();
    bool onlyFor(const QString& command, const QList<QCommandLineOption>& options);

    QCommandLineParser parser;
    QCommandLineOption helpOption;
    QCommandLineOption versionOption;
    QCommandLineOption groupOption;
    QCommandLineOption outputOption;
    QCommandLineOption formatOption;
    QCommandLineOption simulateOption;
    QCommandLineOption archiveOption;
    QCommandLineOption noArchiveOption;
    QCommandLineOption limitsOption;
    QCommandLineOption failOnRejectOption;
    CliRequest parsed;
    QString error;
};
