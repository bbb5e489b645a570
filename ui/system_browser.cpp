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

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
// The platform's shell opens the address in the default browser, and says at once whether it
// could.
class ShellBrowser final : public WebBrowser {
public:
    void open(const QUrl &url) override {
        if (!QDesktopServices::openUrl(url))
            emit failed(tr("Nessun browser può aprire %1").arg(url.toString()));
    }
};
#endif

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

// The commands of $BROWSER, tried in turn until one starts; only when none can start is the
// last one's failure reported.
class CommandBrowser final : public WebBrowser {
public:
    explicit CommandBrowser(QList<QStringList> commands)
        : m_commands(std::move(commands)) {}

    void open(const QUrl &url) override {
        m_address = url.toString(QUrl::FullyEncoded);
        m_next = 0;
        tryNext();
    }

private:
    void tryNext() {
        while (m_next < m_commands.size()) {
            const QStringList command = m_commands[m_next++];
            const QString program = FindProgram(command.first());
            if (program.isEmpty()) {
                m_lastError = tr("Browser non trovato: %1").arg(command.first());
                continue;
            }
            start(program, WithAddress(command.mid(1), m_address));
            return;
        }
        emit failed(m_lastError);
    }

    void start(const QString &program, const QStringList &arguments) {
        // Unparented and deleted only once the program has ended: destroying a running
        // QProcess would kill the browser along with the window that started it.
        auto *process = new QProcess;
        process->setProgram(program);
        process->setArguments(arguments);
        process->setStandardInputFile(QProcess::nullDevice());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        const QPointer<CommandBrowser> self(this);
        connect(process, &QProcess::errorOccurred, process,
                [self, process, program](QProcess::ProcessError error) {
                    if (error != QProcess::FailedToStart)
                        return;
                    if (self) {
                        self->m_lastError =
                            tr("Impossibile avviare %1: %2").arg(program, process->errorString());
                        self->tryNext();
                    }
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
    }

    QList<QStringList> m_commands;
    qsizetype m_next = 0;
    QString m_address;
    QString m_lastError;
};
#endif

} // namespace

BrowserFactory SystemBrowserFactory() {
    return []() -> NewBrowser {
#ifdef Q_OS_WIN
        // $BROWSER is a Unix convention: Windows opens the address in the default browser.
        return {std::make_unique<ShellBrowser>(), {}};
#else
        const QString browser = qEnvironmentVariable("BROWSER");
#ifdef Q_OS_MACOS
        if (browser.isEmpty())
            return {std::make_unique<ShellBrowser>(), {}};
#endif
        std::optional<QList<QStringList>> commands = BrowserCommands(browser);
        if (!commands)
            return {nullptr, WebBrowser::tr("BROWSER non valido: %1").arg(browser)};
        return {std::make_unique<CommandBrowser>(std::move(*commands)), {}};
#endif
    };
}

} // namespace tempidex
