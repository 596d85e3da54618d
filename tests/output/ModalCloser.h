#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

// Waits in the event loop for the next modal dialog, lets the test look at it, then accepts or
// rejects it, so that no dialog of a test is ever left waiting for a user.
class ModalCloser : public QObject
{
public:
    using Inspect = std::function<void(QDialog*)>;

    ModalCloser(bool bAccept, Inspect inspect = Inspect())
        : bAccept(bAccept)
        , inspect(std::move(inspect))
    {
        connect(&timer, &QTimer::timeout, this, &ModalCloser::poll);
        timer.start(10);
    }

    // The dialog that was closed, while it still exists.
    QPointer<QDialog> dialog;
    bool bSeen = false;

private:
    void poll()
    {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal)
            return;
        timer.stop();
        bSeen = true;
        dialog = modal;
        if (inspect)
            inspect(modal);
        if (bAccept)
            modal->accept();
        else
            modal->reject();
    }

    bool bAccept;
    Inspect inspect;
    QTimer timer;
};
