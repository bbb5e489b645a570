// A handler that fails ends the program with a message and a non-zero status, never silently.
#include "application.h"
#include "modal.h"

#include <QMessageBox>
#include <QTest>

#include <stdexcept>

class RunTimeErrorTest : public QObject {
    Q_OBJECT

private slots:
    void failureIsReportedAndEndsTheProgram();
};

void RunTimeErrorTest::failureIsReportedAndEndsTheProgram() {
    int argc = 1;
    char name[] = "runtime_error_test";
    char *argv[] = {name, nullptr};
    tempidex::Application app(argc, argv);
    QCOMPARE(QCoreApplication::applicationVersion(), "1.00");
    QString reported;
    test_support::WhenModalOpens([&reported](QWidget *box) {
        reported = qobject_cast<QMessageBox *>(box)->text();
        box->close();
    });
    QTimer::singleShot(0, &app, [] { throw std::runtime_error("Memoria insufficiente"); });
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(99); }); // a hang fails the test
    QCOMPARE(app.exec(), EXIT_FAILURE);
    QCOMPARE(reported, "Memoria insufficiente");
}

QTEST_APPLESS_MAIN(RunTimeErrorTest)
#include "runtime_error_test.moc"
