// A handler that fails ends the program with a message and a non-zero status, never silently.
#include "application.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

class FailingHandler : public QObject {
public:
    using QObject::QObject;

protected:
    bool event(QEvent *event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Memoria insufficiente");
        return QObject::event(event);
    }
};

} // namespace

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
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));

    FailingHandler handler;
    QString reported;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            reported = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(10);
    QTimer::singleShot(0, &handler, [&handler] {
        QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
    });
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(99); }); // a hang fails the test
    const int status = app.exec();
    QCOMPARE(reported, QStringLiteral("Memoria insufficiente"));
    QCOMPARE(status, EXIT_FAILURE);
}

QTEST_APPLESS_MAIN(RunTimeErrorTest)
#include "runtime_error_test.moc"
