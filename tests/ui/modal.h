// Helpers for windows that block in exec(): the test arranges beforehand what to do with the
// modal window once it is up, then triggers the call that opens it.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace test_support {

// Runs `handle` on the next modal window to come up (it must close it), checking every few
// milliseconds for up to five seconds.
inline void WhenModalOpens(std::function<void(QWidget *)> handle) {
    auto *poll = new QTimer(qApp);
    const QDeadlineTimer deadline(5000);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, handle] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (modal)
            handle(modal);
    });
    poll->start();
}

} // namespace test_support
