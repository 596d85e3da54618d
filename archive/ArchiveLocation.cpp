#include "ArchiveLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace {

// The window and hardness-cli carry different application names; the archive and its setting
// are shared, so both are named after the program here.
const QString kProgramFolder = QStringLiteral("hardness-tester");

// The folder that holds a user's program data: ~/.local/share on Linux; on Windows %APPDATA%,
// which roams with the user's profile (Qt's GenericDataLocation there is the local one).
QString userDataFolder()
{
#ifdef Q_OS_WIN
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty())
        return QDir::fromNativeSeparators(roaming);
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

// libpq's connection options; host, port, dbname, user and password have fields of their own.
const QSet<QString> kLibpqOptions{
    "hostaddr", "passfile", "channel_binding", "connect_timeout", "client_encoding", "options",
    "application_name", "fallback_application_name", "keepalives", "keepalives_idle",
    "keepalives_interval", "keepalives_count", "tcp_user_timeout", "gssencmode", "sslmode", "requiressl",
    "sslcompression", "sslcert", "sslkey", "sslpassword", "sslcertmode", "sslrootcert", "sslcrl", "sslcrldir",
    "sslsni", "requirepeer", "require_auth", "ssl_min_protocol_version", "ssl_max_protocol_version",
    "krbsrvname", "gsslib", "gssdelegation", "service", "target_session_attrs", "load_balance_hosts"};

// The text with any password replaced, so that it can be shown.
QString withoutPassword(QString text)
{
    static const QRegularExpression userInfo(QStringLiteral("^([^:/?#]+://[^/?#@:]*):[^/?#@]*@"));
    static const QRegularExpression queryItem(QStringLiteral("([?&]password=)[^&#]*"));
    return text.replace(userInfo, QStringLiteral("\\1:***@")).replace(queryItem, QStringLiteral("\\1***"));
}

// The port of a URL's authority ("host:port", "[::1]:port"); empty when there is none.
QString portText(const QString& url, int nSchemeEnd)
{
    const QString rest = url.mid(nSchemeEnd + 3);
    QString hostPort = rest.left(rest.indexOf(QRegularExpression(QStringLiteral("[/?#]"))));
    hostPort = hostPort.mid(hostPort.lastIndexOf(QLatin1Char('@')) + 1);
    const int nColon = hostPort.lastIndexOf(QLatin1Char(':'));
    if (nColon < 0 || nColon < hostPort.lastIndexOf(QLatin1Char(']')))
        return QString();
    return hostPort.mid(nColon + 1);
}

bool validPort(const QString& text, int& nPort)
{
    bool bNumber = false;
    nPort = text.toInt(&bNumber);
    return bNumber && !text.startsWith(QLatin1Char('+')) && nPort >= 1 && nPort <= 65535;
}

// A libpq option value in the driver's quoting; the driver turns ';' into a space, so such a
// value cannot be passed.
QString quotedOption(const QString& key, QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QStringLiteral("%1='%2'").arg(key, value);
}

} // namespace

bool ArchiveLocation::fromUrl(const QString& url, ArchiveLocation& location, QString& errorText,
                              const QString& relativeTo)
{
    location = ArchiveLocation();
    const QString text = url.trimmed();
    auto refuse = [&](const QString& why) {
        errorText = QStringLiteral("The archive location '%1' %2").arg(withoutPassword(text), why);
        return false;
    };
    if (text.isEmpty()) {
        location.filePath = defaultFile();
        return true;
    }
    if (QUrl::fromPercentEncoding(text.toUtf8()).contains(QChar(0)) || text.contains(QChar(0)))
        return refuse(QStringLiteral("contains a NUL character."));

    // A scheme has two letters at least, so that C:\folder stays a path.
    static const QRegularExpression schemePattern(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch scheme = schemePattern.match(text);
    if (!scheme.hasMatch()) {
        QString path = text;
        if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
            path.replace(0, 1, QDir::homePath());
        const QDir base(relativeTo.isEmpty() ? QDir::currentPath() : relativeTo);
        location.filePath = QDir::cleanPath(base.absoluteFilePath(path));
        return true;
    }

    const QString name = scheme.captured(1).toLower();
    const bool bPostgres = name == QLatin1String("postgresql") || name == QLatin1String("postgres");
    if (!bPostgres && name != QLatin1String("sqlite") && name != QLatin1String("file"))
        return refuse(QStringLiteral("has the unknown scheme '%1': use a file name, sqlite:///FILE or "
                                     "postgresql://USER@HOST/DATABASE.").arg(scheme.captured(1)));
    const int nSchemeEnd = text.indexOf(QLatin1String("://"));
    const QString port = nSchemeEnd == scheme.capturedLength(1) ? portText(text, nSchemeEnd) : QString();
    if (!port.isEmpty() && !validPort(port, location.nPort))
        return refuse(QStringLiteral("has a bad port '%1': use a number from 1 to 65535.").arg(port));
    const QUrl parsed(text, QUrl::StrictMode);
    if (!parsed.isValid())
        return refuse(QStringLiteral("is not a valid URL."));

    if (!bPostgres) {
        if (!parsed.host().isEmpty() && parsed.host() != QLatin1String("localhost"))
            return refuse(QStringLiteral("names the host '%1': a SQLite URL takes an absolute path, "
                                         "sqlite:///folder/file.sqlite.").arg(parsed.host()));
        if (!parsed.path().startsWith(QLatin1Char('/')))
            return refuse(QStringLiteral("has a relative path: a URL takes an absolute path, "
                                         "sqlite:///folder/file.sqlite."));
        if (parsed.hasQuery() || parsed.hasFragment() || parsed.port() != -1)
            return refuse(QStringLiteral("has parts a SQLite archive does not take: use sqlite:///folder/file.sqlite."));
        QUrl file = parsed;
        file.setScheme(QStringLiteral("file"));
        location.filePath = QDir::cleanPath(file.toLocalFile());
        if (parsed.path().endsWith(QLatin1Char('/')))
            return refuse(QStringLiteral("names no file."));
        return true;
    }

    location.kind = Kind::Postgres;
    location.hostName = parsed.host(QUrl::FullyDecoded);
    location.databaseName = parsed.path(QUrl::FullyDecoded).mid(1);
    location.userName = parsed.userName(QUrl::FullyDecoded);
    location.password = parsed.password(QUrl::FullyDecoded);
    const auto items = QUrlQuery(parsed).queryItems(QUrl::FullyDecoded);
    for (const auto& item : items) {
        const QString& key = item.first;
        const QString& value = item.second;
        if (key == QLatin1String("host"))
            location.hostName = value;
        else if (key == QLatin1String("port") && !validPort(value, location.nPort))
            return refuse(QStringLiteral("has a bad port '%1': use a number from 1 to 65535.").arg(value));
        else if (key == QLatin1String("dbname"))
            location.databaseName = value;
        else if (key == QLatin1String("user"))
            location.userName = value;
        else if (key == QLatin1String("password"))
            location.password = value;
        else if (!kLibpqOptions.contains(key) && key != QLatin1String("port"))
            return refuse(QStringLiteral("has the option '%1', which is no PostgreSQL connection option.").arg(key));
        else if (value.contains(QLatin1Char(';')))
            return refuse(QStringLiteral("has a ';' in the option '%1', which cannot be passed to the server.").arg(key));
        else if (key != QLatin1String("port"))
            location.connectOptions << quotedOption(key, value);
    }
    if (location.databaseName.isEmpty() || location.databaseName.contains(QLatin1Char('/')))
        return refuse(QStringLiteral("names no database: use postgresql://USER@HOST/DATABASE."));
    return true;
}

bool ArchiveLocation::configured(ArchiveLocation& location, QString& errorText, const QString& url)
{
    // The window's own settings file, so that both programs and the user find one place.
    const QSettings settings(kProgramFolder, kProgramFolder);
    const bool bOk = url.isEmpty() ? fromUrl(settings.value(QStringLiteral("archive/url")).toString(), location,
                                             errorText, QFileInfo(settings.fileName()).absolutePath())
                                   : fromUrl(url, location, errorText);
    for (auto [key, pSeconds] : {std::make_pair("archive/connect_timeout", &location.nConnectTimeout),
                                 std::make_pair("archive/statement_timeout", &location.nStatementTimeout),
                                 std::make_pair("archive/lock_timeout", &location.nLockTimeout)}) {
        bool bNumber = false;
        const int nSeconds = settings.value(QLatin1String(key)).toInt(&bNumber);
        if (bNumber && nSeconds > 0)
            *pSeconds = nSeconds;
    }
    return bOk;
}

QString ArchiveLocation::defaultFile()
{
    return QDir(userDataFolder()).filePath(kProgramFolder + QStringLiteral("/archive.sqlite"));
}

QString ArchiveLocation::displayName() const
{
    if (kind == Kind::Sqlite)
        return QDir::toNativeSeparators(filePath);
    return QStringLiteral("%1 on %2").arg(databaseName, hostName.isEmpty() ? QStringLiteral("localhost") : hostName);
}
