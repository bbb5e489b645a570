// The browser behind the about window's link, reduced to the three steps the link takes:
// start a new browser, make it visible, send it to an address. Each step succeeds or fails
// with a description for the user. The about window sees only this interface, so tests can
// put a browser of their own behind it and no test ever starts a real one.
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

    // false: the step failed, and errorString() says why.
    virtual bool setVisible(bool visible) = 0;
    virtual bool navigate(const QUrl &url) = 0;

    QString errorString() const { return m_errorString; }

signals:
    // A failure that shows only after navigate() has returned: a launcher that started but
    // could not open the address (xdg-open exits 3 or 4 when nothing can).
    void failed(const QString &description);

protected:
    void setErrorString(const QString &description) { m_errorString = description; }

private:
    QString m_errorString;
};

// A newly started browser, or the reason there is none.
struct NewBrowser {
    std::unique_ptr<WebBrowser> browser;
    QString error;
};

using BrowserFactory = std::function<NewBrowser()>;

// The user's own browser: the command in $BROWSER when set, else xdg-open.
BrowserFactory SystemBrowserFactory();

} // namespace tempidex
