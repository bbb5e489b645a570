// Ends the event loop as soon as a window has painted its first frame, so a run of the
// program measures start-up and nothing else.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitAfterFirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // After this paint has reached the screen, not before.
            QTimer::singleShot(0, this, [] { QCoreApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};
