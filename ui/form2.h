// The about window: the program's title and description, the maker's notices and a link
// that starts a web browser on the maker's site. The main window shows it modally; "Chiudi"
// or the title bar closes it, Esc does not.
#pragma once

#include "web_browser.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace tempidex {

class LinkLabel;

class Form2 : public QDialog {
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr, BrowserFactory browsers = SystemBrowserFactory());
    ~Form2() override;

    // The browser the link started last; an earlier one is neither reused nor closed.
    std::unique_ptr<WebBrowser> Explorer;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void Command1_Click();
    void Label6_Click();

private:
    QLabel *createLabel(const char *name, const QString &text, const QRect &geometry);
    void showLinkError(const QString &description);

    BrowserFactory m_browsers;
    QPushButton *Command1;
    LinkLabel *Label6;
    QLabel *Label5;
    QLabel *Label4;
    QLabel *Label3;
    QLabel *Label2;
    QLabel *Label1;
};

} // namespace tempidex
