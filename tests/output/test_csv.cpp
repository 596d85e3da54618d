#include "CsvWriter.h"
#include "SampleGroup.h"

#include <QtTest>

#include <sys/stat.h>
#include <QTemporaryDir>
#include <QTranslator>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kHeader("NO,Material,Angle,Unit,Probe,Times,Values,Min,Max,Avg,DateTime\n");

// Three records: a full one in tenths, a failed (all-zero) one, one without values and
// with codes outside the tables.
void fillThree(sample::InstalledGroup& group)
{
    sample::Header full;
    full.nMaterial = 1;
    full.nUnit = 3;
    full.nAngle = 2;
    full.nProbe = 1;
    sample::fillRecord(group[0], full, {5200, 5185, 5220});

    sample::Header odd;
    odd.nMaterial = 10;
    odd.nUnit = 7;
    odd.nAngle = 5;
    odd.nProbe = 8;
    odd.nYear = 23;
    odd.nMonth = 12;
    odd.nDay = 31;
    sample::fillRecord(group[2], odd, {});
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Translates one material and one heading into texts that would break a bare CSV line.
class AwkwardTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context) != "MyTranslate")
            return QString();
        if (QByteArray(source) == "Alloy Tool Steel")
            return QStringLiteral("Steel, \"alloyed\"");
        if (QByteArray(source) == "Values")
            return QStringLiteral("Values\r\nlist");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void documentBytes();
    void quotesFieldsThatWouldBreakTheLine();
    void saveReplacesTheFile();
    void failedSavesLeaveTheOldFile();
};

void TestCsv::documentBytes()
{
    {
        sample::InstalledGroup group(3);
        fillThree(group);

        const QByteArray expected = kBom + kHeader
            + QByteArray("No.1,Alloy Tool Steel,\xE2\x86\x92,HRC,DC,3,520;518.5;522,518.5,522,520.167,2022/09/08\n")
            + QByteArray("No.2,Steel and Cast Steel,\xE2\x86\x93,HL,D,0,,0,0,0,1970/01/01\n")
            + QByteArray("No.3,,5,,8,0,,0,0,0,2023/12/31\n");
        QCOMPARE(CsvDocument(CurrentGroup.pRecords, CurrentGroup.nCount), expected);
    }

    // Eleven header fields, and nothing but the header for an empty group.
    QCOMPARE(kHeader.split(',').size(), 11);
    QCOMPARE(CsvDocument(nullptr, 0), kBom + kHeader);

    // Large values switch to exponent notation with six significant digits, as in the table.
    sample::InstalledGroup large(1);
    sample::fillRecord(large[0], sample::Header{}, {65535});
    large[0].pValues[0] = 1234567.0f;
    QVERIFY(CsvDocument(CurrentGroup.pRecords, 1).contains(",1,1.23457e+06,"));
}

void TestCsv::quotesFieldsThatWouldBreakTheLine()
{
    AwkwardTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    sample::InstalledGroup group(1);
    sample::Header h;
    h.nMaterial = 1;
    sample::fillRecord(group[0], h, {500, 510});
    const QByteArray document = CsvDocument(CurrentGroup.pRecords, CurrentGroup.nCount);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(document,
             kBom + QByteArray("NO,Material,Angle,Unit,Probe,Times,\"Values\r\nlist\",Min,Max,Avg,DateTime\n")
                 + QByteArray("No.1,\"Steel, \"\"alloyed\"\"\",\xE2\x86\x93,HL,D,2,500;510,500,510,505,2022/09/08\n"));
}

void TestCsv::saveReplacesTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("group.csv"));

    {
        sample::InstalledGroup three(3);
        fillThree(three);
        QCOMPARE(SaveCsvFile(path, CurrentGroup.pRecords, 3), SaveResult::Saved);
        QCOMPARE(readAll(path), CsvDocument(CurrentGroup.pRecords, 3));
    }

    // Saving a smaller group onto the same name leaves that group alone: one byte-order mark,
    // one header, nothing of the first save behind it.
    sample::InstalledGroup one(1);
    sample::fillRecord(one[0], sample::Header{}, {300});
    QCOMPARE(SaveCsvFile(path, CurrentGroup.pRecords, 1), SaveResult::Saved);
    const QByteArray second = readAll(path);
    QCOMPARE(second, CsvDocument(CurrentGroup.pRecords, 1));
    QCOMPARE(second.count(kBom), 1);
    QCOMPARE(second.count("NO,Material"), 1);
}

void TestCsv::failedSavesLeaveTheOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    sample::InstalledGroup group(3);
    fillThree(group);

    // A directory, and a file in a directory that does not exist, cannot be opened.
    const QString subdir = dir.filePath(QStringLiteral("sub.csv"));
    QVERIFY(QDir().mkdir(subdir));
    QCOMPARE(SaveCsvFile(subdir, CurrentGroup.pRecords, 3), SaveResult::OpenFailed);
    QVERIFY(QFileInfo(subdir).isDir());
    const QString missing = dir.filePath(QStringLiteral("no/such/dir/group.csv"));
    QCOMPARE(SaveCsvFile(missing, CurrentGroup.pRecords, 3), SaveResult::OpenFailed);
    // A pipe or a device is refused, not swapped for a plain file.
    const QString pipe = dir.filePath("pipe.csv");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QCOMPARE(SaveCsvFile(pipe, CurrentGroup.pRecords, 3), SaveResult::OpenFailed);
    QVERIFY(!QFileInfo(pipe).isFile());
    QVERIFY(!QFile::exists(missing));

    // A file-size limit makes the writes fail after a good open, like a full disk.
    const QString path = dir.filePath(QStringLiteral("old.csv"));
    const QByteArray oldContent("old content that must survive a failed save\n");
    writeFile(path, oldContent);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const SaveResult result = SaveCsvFile(path, CurrentGroup.pRecords, 3);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(int(result), int(SaveResult::WriteFailed));
    QCOMPARE(readAll(path), oldContent);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.csv")});
}

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
