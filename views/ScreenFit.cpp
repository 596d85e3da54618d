#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace {

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    return (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
}

// The frame around the window's client area: as the window system drew it once the window is
// shown, else a title bar's height.
QMargins frameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (window->isVisible() && frame != client)
        return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                        frame.bottom() - client.bottom());
    return QMargins(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), 0, 0);
}

// The window system frames a window after Qt has shown it and then moves it: the first move
// after showing carries the frame. Later moves are the user's.
class ScreenKeeper : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(object);
        if (event->type() == QEvent::Show) {
            bFramePending = true;
            QTimer::singleShot(0, window, [window] { MoveIntoScreen(window); });
        } else if (event->type() == QEvent::Move && bFramePending) {
            bFramePending = false;
            QTimer::singleShot(0, window, [window] { MoveIntoScreen(window); });
        }
        return false;
    }

private:
    bool bFramePending = false;
};

} // namespace

QSize SizeWithinScreen(const QWidget* window, QSize wanted)
{
    return wanted.boundedTo(availableArea(window).marginsRemoved(frameOf(window)).size());
}

void MoveIntoScreen(QWidget* window)
{
    const QRect room = availableArea(window).marginsRemoved(frameOf(window));
    QRect client = window->geometry();
    client.setSize(client.size().boundedTo(room.size()));
    client.moveLeft(qBound(room.left(), client.left(), room.right() + 1 - client.width()));
    client.moveTop(qBound(room.top(), client.top(), room.bottom() + 1 - client.height()));
    if (client != window->geometry())
        window->setGeometry(client);
}

void KeepInScreenWhenShown(QWidget* window)
{
    window->installEventFilter(new ScreenKeeper(window));
}
