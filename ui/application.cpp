#include "application.h"

#include "build_info.h"

#include <QIcon>
#include <QMessageBox>

#include <cstdlib>
#include <exception>

namespace tempidex {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv) {
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
