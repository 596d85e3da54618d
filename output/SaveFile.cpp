#include "SaveFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool isReplaceable(const QString& fileName)
{
    // The streams a shell opened (/dev/stdout leads through /proc to the file of "2>>" or ">>"):
    // swapping that file for a new one would drop what was written to it before.
    const QString path = QFileInfo(fileName).absoluteFilePath();
    for (const char* stream : {"/dev/stdin", "/dev/stdout", "/dev/stderr", "/dev/fd/", "/proc/"}) {
        if (path.startsWith(QLatin1String(stream)))
            return false;
    }
    const QFileInfo target(fileName);
    return !target.exists() || target.isFile();
}

} // namespace

SaveResult ReplaceFile(const QString& fileName, const QByteArray& bytes, bool bTextMode)
{
    if (!isReplaceable(fileName))
        return SaveResult::OpenFailed;
    QSaveFile file(fileName);
    if (!file.open(bTextMode ? QIODevice::WriteOnly | QIODevice::Text : QIODevice::WriteOnly))
        return SaveResult::OpenFailed;
    // commit() does not notice a failure of its own final flush, so flush first and look.
    // An uncommitted QSaveFile discards its temporary file, leaving the old file untouched.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return SaveResult::WriteFailed;
    return SaveResult::Saved;
}

QString ReplaceFileProblem(const QString& fileName)
{
    if (!isReplaceable(fileName))
        return QStringLiteral("not a regular file.");
    QSaveFile probe(fileName);  // discarded unopened or uncommitted: leaves nothing behind
    return probe.open(QIODevice::WriteOnly) ? QString() : probe.errorString() + QLatin1Char('.');
}

QString WriteFailedText()
{
    return QCoreApplication::translate("SaveFile", "The file could not be written.");
}
