// The program's QApplication: its name, version and icon, and what happens when a handler
// fails. A failure in any handler but the about window's link (which reports its own) is
// shown in a message box, and the program then ends with a non-zero status. Where no display
// can be reached, it says so in one line and the program ends with status 1.
#pragma once

#include <QApplication>

namespace tempidex {

class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void reportRunTimeError(const QString &description);
    bool m_failed = false;
};

} // namespace tempidex
