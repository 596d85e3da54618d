#pragma once

#include <QApplication>
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
            m_handler(modal);
        });
        m_poll.start(20);
    }

    int answered() const { return m_answered; }

private:
    Handler m_handler;
    QTimer m_poll;
    int m_answered = 0;
};
