// The browser behind the about window's link, reduced to the one step the link takes: open an
// address in a new browser. It returns at once; a failure, at once or later (a launcher that
// gives up), arrives through failed() with a description for the user. The about window sees
// only this interface, so tests can put a browser of their own behind it and no test ever
// starts a real one.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QUrl;

namespace tempidex {

class WebBrowser : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void open(const QUrl &url) = 0;

signals:
    void failed(const QString &description);
};

// A new browser, or why there can be none.
struct NewBrowser {
    std::unique_ptr<WebBrowser> browser;
    QString error;
};

using BrowserFactory = std::function<NewBrowser()>;

// The user's own browser: on Windows the default one, through the shell; elsewhere the
// commands in $BROWSER, tried in turn, or xdg-open.
BrowserFactory SystemBrowserFactory();

} // namespace tempidex
