#include "MyWindowMenus.h"

#include "ArchiveLocation.h"
#include "MyWndControl.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <qwt_global.h>

MyWindowMenus::MyWindowMenus(QMainWindow* window, MyWndControl* control)
    : QObject(window), pWindow(window)
{
    QMenuBar* bar = window->menuBar();
    auto* file = new QMenu(tr("&File"), bar);
    const std::pair<MyWndControl::Button, QKeySequence> entries[] = {
        {MyWndControl::LoadData, QKeySequence(Qt::CTRL + Qt::Key_L)},
        {MyWndControl::SaveCsv, QKeySequence::Save},
        {MyWndControl::SavePdf, QKeySequence()},
        {MyWndControl::PrintPreview, QKeySequence()},
        {MyWndControl::Print, QKeySequence::Print},
    };
    for (const auto& [nButton, keys] : entries) {
        QPushButton* button = control->pButtons[nButton];
        file->addAction(button->text(), button, &QPushButton::click, keys);
        if (nButton == MyWndControl::SaveCsv || nButton == MyWndControl::PrintPreview)
            file->addSeparator();
    }
    file->addAction(tr("Save &report as PDF..."), this, &MyWindowMenus::sigSaveReport);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), window, &QWidget::close);
    // Windows has no standard key for quitting; Ctrl+Q serves there as elsewhere.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    quit->setShortcuts(quitKeys.isEmpty() ? QList<QKeySequence>{Qt::CTRL + Qt::Key_Q} : quitKeys);
    bar->insertMenu(bar->actions().value(0), file);

    QMenu* help = bar->addMenu(tr("&Help"));
    help->addAction(tr("&Contents"), this, &MyWindowMenus::slotHelp, QKeySequence::HelpContents);
    help->addAction(tr("&About"), this, &MyWindowMenus::slotAbout)->setMenuRole(QAction::AboutRole);
}

QString MyWindowMenus::versionLine()
{
    return QStringLiteral("hardness-tester %1").arg(QStringLiteral(HARDNESS_VERSION));
}

void MyWindowMenus::slotHelp()
{
    QMessageBox::information(
        pWindow, tr("Help"),
        tr("<p><b>Downloading a group</b>: plug in the instrument and wait for \"Device Connected\" in "
           "the status bar, choose a group, then press <b>LoadData</b> (Ctrl+L).</p>"
           "<p><b>Looking at a measurement</b>: click a row of the table or move to it with the arrow "
           "keys; the chart shows its single impacts.</p>"
           "<p><b>Keeping the results</b>: Save as CSV (Ctrl+S), Save as PDF for the chart, Print "
           "preview, Print (Ctrl+P). Every download is also kept in the archive: Archive, History "
           "(Ctrl+H).</p>"
           "<p>Alt with the underlined letter presses a button or opens a menu.</p>"));
}

void MyWindowMenus::slotAbout()
{
    ArchiveLocation location;
    QString archive;
    if (!ArchiveLocation::configured(location, archive))
        archive = tr("none (%1)").arg(archive);
    else
        archive = location.displayName().toHtmlEscaped();
    QMessageBox::about(pWindow, tr("About"),
                       tr("<h3>Hardness Tester %1</h3>"
                          "<p>The desktop companion program of the portable hardness tester: download, "
                          "view, save, print and archive its measurements.</p>"
                          "<p>Built with Qt %2 (running on Qt %3) and Qwt %4.</p>"
                          "<p>Licence: GNU General Public License, version 3 or later. Qt is used under "
                          "the GNU LGPL 3, Qwt under the Qwt License 1.0.</p>"
                          "<p>Archive: %5</p>")
                           .arg(QStringLiteral(HARDNESS_VERSION), QStringLiteral(QT_VERSION_STR),
                                QString::fromLatin1(qVersion()), QStringLiteral(QWT_VERSION_STR), archive));
}
