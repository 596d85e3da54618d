#include "ArchiveLocation.h"

#include <QDir>
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

} // namespace

bool ArchiveLocation::fromUrl(const QString& url, ArchiveLocation& location, QString& errorText)
{
    location = ArchiveLocation();
    const QString text = url.trimmed();
    if (text.isEmpty()) {
        location.filePath = defaultFile();
        return true;
    }
    const QUrl parsed(text, QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (scheme == QLatin1String("postgresql") || scheme == QLatin1String("postgres")) {
        const QUrlQuery query(parsed);
        location.kind = Kind::Postgres;
        location.hostName = query.hasQueryItem(QStringLiteral("host"))
                                ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded)
                                : parsed.host();
        location.nPort = parsed.port();
        location.databaseName = parsed.path().mid(1);
        location.userName = query.hasQueryItem(QStringLiteral("user"))
                                ? query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded)
                                : parsed.userName();
        location.password = parsed.password();
        if (location.databaseName.isEmpty()) {
            errorText = QStringLiteral("The archive URL '%1' names no database.").arg(text);
            return false;
        }
        return true;
    }
    if (scheme == QLatin1String("sqlite") || scheme == QLatin1String("file")) {
        location.filePath = parsed.path();
    } else if (!text.contains(QLatin1String("://"))) {
        location.filePath = text;
    } else {
        errorText = QStringLiteral("Unknown archive URL '%1': use a file name, sqlite:///FILE or "
                                   "postgresql://USER@HOST/DATABASE.").arg(text);
        return false;
    }
    if (location.filePath.isEmpty()) {
        errorText = QStringLiteral("The archive URL '%1' names no file.").arg(text);
        return false;
    }
    return true;
}

QString ArchiveLocation::configuredUrl()
{
    // The window's own settings file, so that both programs and the user find one place.
    const QSettings settings(kProgramFolder, kProgramFolder);
    return settings.value(QStringLiteral("archive/url")).toString();
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
