#include "CsvWriter.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QTemporaryDir>
#include <QTranslator>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// A full record in tenths, a failed (all-zero) one, one without values and with codes outside the tables.
void fillThree(sample::InstalledGroup& group)
{
    sample::fillRecord(group[0], {1, 3, 2, 1}, {5200, 5185, 5220});
    sample::fillRecord(group[2], {10, 7, 5, 8, 23, 12, 31}, {});
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        sample::InstalledGroup group(3);
        fillThree(group);
        QCOMPARE(CsvDocument(CurrentGroup.pRecords, 3),
                 kBom + header + "No.1,Alloy Tool Steel,\xE2\x86\x92,HRC,DC,3,520;518.5;522,518.5,522,520.167,2022/09/08\n"
                     + "No.2,Steel and Cast Steel,\xE2\x86\x93,HL,D,0,,0,0,0,1970/01/01\n"
                     + "No.3,,5,,8,0,,0,0,0,2023/12/31\n");
    }

    void quotesFieldsThatWouldBreakTheLine()
    {
        AwkwardTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        sample::InstalledGroup group(1);
        sample::fillRecord(group[0], {1}, {500, 510});
        const QByteArray document = CsvDocument(CurrentGroup.pRecords, 1);
        QCoreApplication::removeTranslator(&translator);
        // The header stays in English for the scripts that read it.
        QCOMPARE(document, kBom + "NO,Material,Angle,Unit,Probe,Times,Values,Min,Max,Avg,DateTime\n"
                               "No.1,\"Steel, \"\"alloyed\"\"\",\xE2\x86\x93,HL,D,2,500;510,500,510,505,2022/09/08\n");
    }

    void saveReplacesTheFileOrLeavesItIntact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("group.csv"));
        {
            sample::InstalledGroup three(3);
            fillThree(three);
            QCOMPARE(SaveCsvFile(path, CurrentGroup.pRecords, 3), SaveResult::Saved);
        }
        // A smaller group saved onto the same name replaces the file: nothing of the first save remains.
        sample::InstalledGroup one(1);
        sample::fillRecord(one[0], {}, {300});
        QCOMPARE(SaveCsvFile(path, CurrentGroup.pRecords, 1), SaveResult::Saved);
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes, CsvDocument(CurrentGroup.pRecords, 1));

        // A directory, and a file in a directory that does not exist, cannot be opened.
        const QString subdir = dir.filePath(QStringLiteral("sub.csv"));
        QVERIFY(QDir().mkdir(subdir));
        for (const QString& target : {subdir, dir.filePath(QStringLiteral("no/such/dir.csv"))})
            QCOMPARE(SaveCsvFile(target, CurrentGroup.pRecords, 1), SaveResult::OpenFailed);
        QVERIFY(QFileInfo(subdir).isDir());

        // A file-size limit makes the writes fail after a good open, like a full disk.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tight = saved;
        tight.rlim_cur = 16;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        const SaveResult result = SaveCsvFile(path, CurrentGroup.pRecords, 1);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(result, SaveResult::WriteFailed);
        // The old file is intact and no half-written temporary file is left beside it.
        QCOMPARE(readAll(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("group.csv")});
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
