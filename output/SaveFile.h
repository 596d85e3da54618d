#pragma once

#include <QByteArray>
#include <QString>

enum class SaveResult { Saved, OpenFailed, WriteFailed };

// Replaces fileName with bytes, all or nothing: the new content appears only once it is
// complete, and on any failure the old file stays as it was. Only a regular file (or a new
// name) is replaced: a device, a pipe, a stream such as /dev/stdout or a folder is refused
// rather than swapped for a file.
// Text mode turns "\n" into the platform's line end (CRLF on Windows).
SaveResult ReplaceFile(const QString& fileName, const QByteArray& bytes, bool bTextMode);

// Why ReplaceFile would not get as far as writing ("not a regular file", the system's reason),
// checked without changing anything; empty when it would.
QString ReplaceFileProblem(const QString& fileName);

// Message for SaveResult::WriteFailed, in the language of the installed catalogue.
QString WriteFailedText();
