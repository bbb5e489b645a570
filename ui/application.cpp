#include "application.h"

#include "build_info.h"
#include "translations.h"

#include <QIcon>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

namespace tempidex {
namespace {

// Qt's messages while the application connects to the display, held back until it has.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> HeldMessages;
QtMessageHandler PreviousHandler = nullptr;

void WhileStarting(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtFatalMsg) {
        // Qt can only abort without a display: say so in one line, and end as a failure.
        std::fputs("tempidex: nessuno schermo raggiungibile per aprire la finestra; per "
                   "convertire le date da terminale: tempidex --help\n",
                   stderr);
        std::_Exit(EXIT_FAILURE);
    }
    HeldMessages.push_back({type, context.category, text});
}

// Runs before QApplication's constructor, which connects to the display.
int &WatchStartUp(int &argc) {
    PreviousHandler = qInstallMessageHandler(WhileStarting);
    return argc;
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(WatchStartUp(argc), argv) {
    qInstallMessageHandler(PreviousHandler);
    for (const HeldMessage &held : HeldMessages)
        qt_message_output(held.type,
                          QMessageLogContext(nullptr, 0, nullptr, held.category.constData()),
                          held.text);
    HeldMessages.clear();

    InstallItalianTranslations();
    setApplicationName(QStringLiteral("Tempidex"));
    // No display name: Qt would append it to every window's caption.
    setApplicationVersion(QLatin1String(build_info::DisplayVersion));
    setOrganizationDomain(QLatin1String(build_info::MakerHost));
    setDesktopFileName(QLatin1String(build_info::ApplicationId));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tempidex-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/tempidex-32.png"), QSize(32, 32));
    setWindowIcon(icon);
}

bool Application::notify(QObject *receiver, QEvent *event) {
    // Exceptions must not unwind through Qt's event loop; this is the last place to stop them.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportRunTimeError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportRunTimeError(tr("Errore sconosciuto"));
    }
    return false;
}

void Application::reportRunTimeError(const QString &description) {
    if (m_failed) // one report is enough while the program winds down
        return;
    m_failed = true;
    QMessageBox box(QMessageBox::Critical, QLatin1String(build_info::ProductName), description,
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("RunTimeErrorBox"));
    box.exec();
    exit(EXIT_FAILURE);
}

} // namespace tempidex
