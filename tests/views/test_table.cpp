#include "CTableResult.h"
#include "ViewsTestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestTable : public QObject
{
    Q_OBJECT

private:
    QStringList rowTexts(const CTableResult& table, int row)
    {
        QStringList texts;
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem* item = table.item(row, column);
            texts << (item ? item->text() : QStringLiteral("<none>"));
        }
        return texts;
    }

    QPoint cellCentre(const CTableResult& table, int row, int column)
    {
        return table.visualItemRect(table.item(row, column)).center();
    }

private slots:
    void cleanup() { clearGroup(); }

    void showsRecordsAsText()
    {
        CTableResult table;
        QCOMPARE(table.columnCount(), 10);
        QCOMPARE(table.rowCount(), 0);
        QStringList headings;
        for (int column = 0; column < table.columnCount(); ++column)
            headings << table.horizontalHeaderItem(column)->text();
        QCOMPARE(headings, (QStringList{"Material", "Angle", "Unit", "Probe", "Times", "Values", "Min", "Max",
                                        "Avg", "DateTime"}));

        MeasureRecord failed{};  // a record whose header exchange failed stays all zero
        MeasureRecord hrc = makeRecord({52.3f, 51.9f, 53.0f}, 3, QDate(2023, 1, 31));
        hrc.nMaterial = 9; hrc.nAngle = 4; hrc.nProbe = 7;
        installGroup({makeRecord({498.0f, 512.5f, 505.25f}), failed, hrc});
        table.showGroup();

        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(rowTexts(table, 0), QStringList({"Alloy Tool Steel", "\u2192", "HL", "D", "3",
                                                  "498;512.5;505.25;", "498", "512.5", "505.25",
                                                  "2022/09/08"}));
        QCOMPARE(rowTexts(table, 1), QStringList({"Steel and Cast Steel", "\u2193", "HL", "D", "0", "",
                                                  "0", "0", "0", "1970/01/01"}));
        QCOMPARE(rowTexts(table, 2), QStringList({"Forged Steel", "\u2191", "HRC", "NO", "3",
                                                  "52.3;51.9;53;", "51.9", "53", "52.4", "2023/01/31"}));
    }

    void rowsOnlyGrow()
    {
        CTableResult table;
        installGroup({makeRecord({1}), makeRecord({2}), makeRecord({3}), makeRecord({4}), makeRecord({5})});
        table.showGroup();
        installGroup({makeRecord({7, 8}), makeRecord({9}), makeRecord({10})});
        table.showGroup();

        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(table.item(0, 5)->text(), QStringLiteral("7;8;"));
        QCOMPARE(table.item(2, 5)->text(), QStringLiteral("10;"));
        QStringList empty;
        for (int column = 0; column < 10; ++column)
            empty << QStringLiteral("<none>");
        QCOMPARE(rowTexts(table, 3), empty);
        QCOMPARE(rowTexts(table, 4), empty);
    }

    void onlyMouseClicksPickRows()
    {
        CTableResult table;
        table.resize(900, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        installGroup({makeRecord({1}), makeRecord({2}), makeRecord({3})});
        table.showGroup();
        QSignalSpy spy(&table, &CTableResult::sigRowSet);

        for (int column : {0, 5, 9}) {
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cellCentre(table, 2, column));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.takeFirst().at(0).toInt(), 2);
        }

        // A double click reaches the widget as press, release, double click, release.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cellCentre(table, 1, 3));
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cellCentre(table, 1, 3));
        QVERIFY(table.viewport()->findChildren<QLineEdit*>().isEmpty());
        QCOMPARE(table.item(1, 3)->text(), QStringLiteral("D"));
        spy.clear();

        table.setFocus();
        table.setCurrentCell(0, 0);
        QTest::keyClick(&table, Qt::Key_Down);
        QTest::keyClick(&table, Qt::Key_Down);
        QCOMPARE(table.currentRow(), 2);  // the keys did move the selection...
        QCOMPARE(spy.count(), 0);         // ...without picking a row
    }
};

QTEST_MAIN(TestTable)
#include "test_table.moc"
