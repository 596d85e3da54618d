#include "SaveFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool isReplaceable(const QString& fileName)
{
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

bool CanReplaceFile(const QString& fileName)
{
    if (!isReplaceable(fileName))
        return false;
    QSaveFile probe(fileName);  // discarded unopened or uncommitted: leaves nothing behind
    return probe.open(QIODevice::WriteOnly);
}

QString WriteFailedText()
{
    return QCoreApplication::translate("SaveFile", "The file could not be written.");
}
