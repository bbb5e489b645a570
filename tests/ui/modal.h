// For windows that block in exec(): the test arranges beforehand what to do with the modal
// window once it is up (`handle` must close it), then triggers the call that opens it.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <functional>

namespace test_support {

// Polls every few milliseconds, for up to five seconds; a test that may end before then deletes
// the poll it is given, so that it never handles the next test's windows.
inline QTimer *WhenModalOpens(std::function<void(QWidget *)> handle) {
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline = QDeadlineTimer(5000), handle] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        poll->deleteLater();
        poll->stop();
        if (modal)
            handle(modal);
    });
    poll->start(10);
    return poll;
}

} // namespace test_support
