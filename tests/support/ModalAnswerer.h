#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers every modal dialog from inside the event loop that runs it. Whatever the handler leaves
// open is closed, so no dialog of any kind is ever left waiting in a test.
class ModalAnswerer : public QObject
{
public:
    using Handler = std::function<void(QWidget*)>;

    explicit ModalAnswerer(Handler handler)
        : m_handler(std::move(handler))
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            const QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal || modal->property("answered").toBool())
                return;
            modal->setProperty("answered", true);
            // Answered from a queued call, so that a dialog the answer opens in turn (a question
            // before replacing a file) is seen by this timer from within its own event loop.
            QMetaObject::invokeMethod(this, [this, modal] {
                if (modal)
                    m_handler(modal);
                if (modal && modal->isVisible())
                    modal->close();
                if (modal)  // a dialog that is kept and shown again is answered again
                    modal->setProperty("answered", false);
            }, Qt::QueuedConnection);
        });
        m_poll.start(20);
    }

private:
    Handler m_handler;
    QTimer m_poll;
};

inline void acceptDialog(QWidget* modal) { static_cast<QDialog*>(modal)->accept(); }
inline void rejectDialog(QWidget* modal) { static_cast<QDialog*>(modal)->reject(); }
