#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal dialog from inside the event loop that runs it, so that no
// message box or file dialog is ever left waiting in a test.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget*)>;

    explicit ModalAnswerer(Handler handler)
        : m_handler(std::move(handler))
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->property("answered").toBool())
                return;
            modal->setProperty("answered", true);
            ++m_answered;
            m_last = modal;
            // Answered from a queued call, so that a dialog the answer opens in turn (a question
            // before replacing a file) is seen by this timer from within its own event loop.
            QMetaObject::invokeMethod(this, [this, modal = QPointer<QWidget>(modal)] {
                if (!modal)
                    return;
                m_handler(modal);
                // A dialog that is kept and shown again is answered again.
                if (modal)
                    modal->setProperty("answered", false);
            }, Qt::QueuedConnection);
        });
        m_poll.start(20);
    }

    int answered() const { return m_answered; }
    QWidget* lastDialog() const { return m_last; }  // null once it is deleted

private:
    Handler m_handler;
    QTimer m_poll;
    int m_answered = 0;
    QPointer<QWidget> m_last;
};

inline void acceptDialog(QWidget* modal)
{
    static_cast<QDialog*>(modal)->accept();
}

inline void rejectDialog(QWidget* modal)
{
    static_cast<QDialog*>(modal)->reject();
}
