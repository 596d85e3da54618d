#pragma once

#include <QObject>

class MyWndControl;
class QMainWindow;

// The window's File and Help menus. The File entries stand for the control panel's buttons
// (same texts, same mnemonics) and press them, so that the standard shortcuts reach them, and
// "Save report as PDF..." asks the window for the report as a file; Help holds a short guide
// and the About box.
class MyWindowMenus : public QObject
{
    Q_OBJECT

public:
    // File goes first in the menu bar, Help last.
    MyWindowMenus(QMainWindow* window, MyWndControl* control);

    // "hardness-tester 1.0.0": the program's name and the version it was built as.
    static QString versionLine();

signals:
    void sigSaveReport();

public slots:
    void slotHelp();
    void slotAbout();

private:
    QMainWindow* pWindow;
};
