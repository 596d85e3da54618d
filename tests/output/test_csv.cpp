#include "CsvWriter.h"
#include "Files.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QTemporaryDir>
#include <QTranslator>

#include <sys/stat.h>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// Translates one material and one heading into texts that would break a bare CSV line.
class AwkwardTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QByteArray s(source);
        return s == "Alloy Tool Steel" ? QStringLiteral("Steel, \"alloyed\"")
             : s == "Values"           ? QStringLiteral("Values\r\nlist") : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void documentBytes()
    {
        const QByteArray header("NO,Material,Angle,Unit,Probe,Times,Values,Min,Max,Avg,DateTime\n");
        QCOMPARE(CsvDocument(nullptr, 0), kBom + header);
        // A full record in tenths, a failed (all-zero) one, one without values and with codes outside the tables.
        sample::InstalledGroup group(3);
        sample::fillRecord(group[0], {1, 3, 2, 1}, {5200, 5185, 5220});
        sample::fillRecord(group[2], {10, 7, 5, 8, 23, 12, 31}, {});
        QCOMPARE(CsvDocument(CurrentGroup.pRecords, 3),
                 kBom + header + "No.1,Alloy Tool Steel,\xE2\x86\x92,HRC,DC,3,520;518.5;522,518.5,522,520.167,2022/09/08\n"
                     + "No.2,Steel and Cast Steel,\xE2\x86\x93,HL,D,0,,0,0,0,1970/01/01\n"
                     + "No.3,,5,,8,0,,0,0,0,2023/12/31\n");

        AwkwardTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QByteArray quoted = CsvDocument(CurrentGroup.pRecords, 1);
        QCoreApplication::removeTranslator(&translator);
        // The header stays in English for the scripts that read it, whatever the translation.
        QCOMPARE(quoted, kBom + header + "No.1,\"Steel, \"\"alloyed\"\"\",\xE2\x86\x92,HRC,DC,3,520;518.5;522,518.5,522,520.167,2022/09/08\n");
    }

    void saveReplacesTheFileOrLeavesItIntact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("group.csv"));
        QVERIFY(writeFile(path, QByteArray(4000, 'x')));
        // A group saved onto an older, longer file replaces it: nothing of the old file remains.
        sample::InstalledGroup one(1);
        sample::fillRecord(one[0], {}, {300});
        QCOMPARE(SaveCsvFile(path, CurrentGroup.pRecords, 1), SaveResult::Saved);
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, CsvDocument(CurrentGroup.pRecords, 1));

        // A folder, a file in a folder that does not exist and a pipe are not opened, nor replaced.
        const QString subdir = dir.filePath(QStringLiteral("sub.csv")), pipe = dir.filePath(QStringLiteral("pipe.csv"));
        QVERIFY(QDir().mkdir(subdir) && ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        for (const QString& target : {subdir, dir.filePath(QStringLiteral("no/such/dir.csv")), pipe})
            QCOMPARE(SaveCsvFile(target, CurrentGroup.pRecords, 1), SaveResult::OpenFailed);
        QVERIFY(QFileInfo(subdir).isDir() && !QFileInfo(pipe).isFile());

        SaveResult result;
        {
            FileSizeLimit full;
            QVERIFY(full.bActive);
            result = SaveCsvFile(path, CurrentGroup.pRecords, 1);
        }
        QCOMPARE(result, SaveResult::WriteFailed);
        // The old file is intact and no half-written temporary file is left beside it.
        QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("group.csv")});
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
