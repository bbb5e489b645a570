#include "screen_centring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace tempidex {
namespace {

QMargins FrameMargins(const QWidget *window) {
    const QWindow *handle = window ? window->windowHandle() : nullptr;
    return handle ? handle->frameMargins() : QMargins();
}

void PlaceFrame(QWidget *window, const QMargins &frame) {
    const QWidget *owner = window->parentWidget();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect outer =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size().grownBy(frame),
                            screen->availableGeometry());
    window->move(outer.topLeft()); // for a window, move() places its frame
}

// Waits for the first move that comes with the window manager's frame.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget *window, const QMargins &assumed)
        : QObject(window)
        , m_window(window)
        , m_assumed(assumed) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_window && event->type() == QEvent::Move) {
            const QMargins frame = FrameMargins(m_window);
            if (!frame.isNull()) {
                if (frame != m_assumed)
                    PlaceFrame(m_window, frame);
                deleteLater();
            }
        }
        return false;
    }

private:
    QWidget *m_window;
    QMargins m_assumed;
};

} // namespace

void CentreOnScreen(QWidget *window) {
    const QWidget *owner = window->parentWidget();
    const QMargins assumed = FrameMargins(owner ? owner->window() : nullptr);
    PlaceFrame(window, assumed);
    window->installEventFilter(new FrameWatch(window, assumed));
}

} // namespace tempidex
