// Drives the demo window the way a user would (wait for the instrument, pick group 2,
// LoadData, click its first row of 32 impacts) and saves a screenshot of the window at the
// size it opens with, in the language of the system locale; with a second file name, also the
// group's report as a PDF. Run under Xvfb by scripts/make-screenshot.sh; not a test.
#include "CTableResult.h"
#include "MainWindow.h"
#include "MyPrint.h"
#include "MyWndControl.h"
#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [REPORT.pdf]\n", argv[0]);
        return 2;
    }
    SetUpApplication(app);
    MainWindow window;
    window.show();

    auto connected = [] { return pControl->pButtons[MyWndControl::LoadData]->isEnabled(); };
    if (!QTest::qWaitFor(connected, 10000)) {
        std::fputs("the simulated instrument never arrived\n", stderr);
        return 1;
    }
    pControl->findChild<QComboBox*>()->setCurrentIndex(1);
    QTest::mouseClick(pControl->pButtons[MyWndControl::LoadData], Qt::LeftButton);
    if (!QTest::qWaitFor([] { return pTable->rowCount() > 0 && pTable->item(0, 0); }, 10000)) {
        std::fputs("the group never arrived\n", stderr);
        return 1;
    }
    QTest::mouseClick(pTable->viewport(), Qt::LeftButton, {}, pTable->visualItemRect(pTable->item(0, 5)).center());
    QTest::qWait(1500);  // let the clock show and the chart repaint

    if (argc > 2 && !MyPrint().saveReportPdf(QString::fromLocal8Bit(argv[2])))
        return 1;
    const QRect area = window.geometry();  // where it opened inside the screen
    const QPixmap shot = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
