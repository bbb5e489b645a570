// The user's web browser, started as a program of its own. It is never started through a
// shell, never waited for, and it outlives the about window and the program. Where the
// desktop has no $BROWSER convention (Windows, macOS), the platform's own way of opening an
// address serves.
#include "browser_command.h"
#include "web_browser.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tempidex {
namespace {

#ifndef Q_OS_WIN
// A launcher that fails does so at once; an exit status after this long is the browser
// closing, which is none of the link's business.
constexpr qint64 FailureWindowMs = 10'000;

QString FindProgram(const QString &program) {
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

class SystemBrowser final : public WebBrowser {
public:
    SystemBrowser(QString program, QStringList arguments)
        : m_program(std::move(program))
        , m_arguments(std::move(arguments)) {}

    // The browser shows its own window as soon as it starts.
    bool setVisible(bool) override { return true; }

    // Returns at once: a browser that cannot start, or a launcher that gives up, is
    // reported later through failed().
    bool navigate(const QUrl &url) override {
        // Unparented and deleted only once the program has ended: destroying a running
        // QProcess would kill the browser along with the window that started it.
        auto *process = new QProcess;
        process->setProgram(m_program);
        process->setArguments(WithAddress(m_arguments, url.toString(QUrl::FullyEncoded)));
        process->setStandardInputFile(QProcess::nullDevice());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        const QPointer<SystemBrowser> self(this);
        const QString program = m_program;
        connect(process, &QProcess::errorOccurred, process,
                [self, process, program](QProcess::ProcessError error) {
                    if (error != QProcess::FailedToStart)
                        return;
                    if (self)
                        emit self->failed(
                            tr("Impossibile avviare %1: %2").arg(program, process->errorString()));
                    process->deleteLater();
                });
        QElapsedTimer running;
        running.start();
        connect(process, &QProcess::finished, process,
                [self, process, running, program](int exitCode, QProcess::ExitStatus status) {
                    const bool crashed = status != QProcess::NormalExit;
                    if (self && (crashed || exitCode != 0) && running.elapsed() < FailureWindowMs)
                        emit self->failed(
                            crashed ? tr("%1 si è interrotto").arg(program)
                                    : tr("%1 non ha potuto aprire il sito (codice di uscita %2)")
                                          .arg(program)
                                          .arg(exitCode));
                    process->deleteLater();
                });
        process->start();
        return true;
    }

private:
    QString m_program;
    QStringList m_arguments;
};

#endif // Q_OS_WIN

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
// Windows and macOS open an address through the shell, which reports failure at once.
class ShellBrowser final : public WebBrowser {
public:
    bool setVisible(bool) override { return true; }
    bool navigate(const QUrl &url) override {
        if (QDesktopServices::openUrl(url))
            return true;
        setErrorString(tr("Nessun browser può aprire %1").arg(url.toString()));
        return false;
    }
};
#endif

} // namespace

BrowserFactory SystemBrowserFactory() {
    return [] {
#ifdef Q_OS_WIN
        // $BROWSER is a Unix convention: Windows opens the address in the default browser.
        return NewBrowser{std::make_unique<ShellBrowser>(), {}};
#else
        const QString browser = qEnvironmentVariable("BROWSER");
#ifdef Q_OS_MACOS
        if (browser.isEmpty())
            return NewBrowser{std::make_unique<ShellBrowser>(), {}};
#endif
        std::optional<QStringList> command = BrowserCommand(browser);
        if (!command)
            return NewBrowser{nullptr, WebBrowser::tr("BROWSER non valido: %1").arg(browser)};
        const QString program = FindProgram(command->first());
        if (program.isEmpty())
            return NewBrowser{nullptr,
                              WebBrowser::tr("Browser non trovato: %1").arg(command->first())};
        command->removeFirst();
        return NewBrowser{std::make_unique<SystemBrowser>(program, *command), {}};
#endif
    };
}

} // namespace tempidex
