#include "CTableResult.h"
#include "SampleGroup.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

QString rowText(const CTableResult& table, int row)
{
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts << (table.item(row, column) ? table.item(row, column)->text() : QStringLiteral("-"));
    return texts.join(QLatin1Char('|'));
}

void showRecords(CTableResult& table, int nCount)
{
    sample::InstalledGroup group(nCount);
    for (int i = 0; i < nCount; ++i)
        sample::fillRecord(group[i], {}, {uint16_t(i + 1)});
    table.showGroup();
}

} // namespace

class TestTable : public QObject
{
    Q_OBJECT

private slots:
    void showsRecordsAsText()
    {
        CTableResult table;
        // After five records, three leave no empty rows behind; each field in its own column.
        showRecords(table, 5);
        sample::InstalledGroup group(3);
        sample::fillRecord(group[0], {1, 3, 2, 4}, {498, 512, 505});
        table.showGroup();
        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(rowText(table, 0),
                 QStringLiteral("Alloy Tool Steel|\u2192|HRC|G|3|49.8;51.2;50.5;|49.8|51.2|50.5|2022/09/08"));
    }

    void onlyMouseClicksPickRows()
    {
        CTableResult table;
        table.resize(900, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        showRecords(table, 3);
        QSignalSpy spy(&table, &CTableResult::sigRowSet);
        const auto centre = [&](int row, int column) { return table.visualItemRect(table.item(row, column)).center(); };
        for (int column : {0, 5, 9})
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre(2, column));
        QCOMPARE(spy.count(), 3);
        QVERIFY(spy.at(0).at(0).toInt() == 2 && spy.at(2).at(0).toInt() == 2);
        // Neither a click on the selected row nor a double click opens an editor.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre(1, 3));
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, centre(1, 3));
        QVERIFY(table.viewport()->findChildren<QLineEdit*>().isEmpty());
        spy.clear();
        // The keys move the selection without picking a row.
        table.setFocus();
        table.setCurrentCell(0, 0);
        QTest::keyClick(&table, Qt::Key_Down);
        QTest::keyClick(&table, Qt::Key_Down);
        QVERIFY(table.currentRow() == 2 && spy.isEmpty());
    }
};

QTEST_MAIN(TestTable)
#include "test_table.moc"
