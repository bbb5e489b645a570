// The about window and its link. Browsers here are fakes, or stub programs that record what
// they were asked to open: no test starts a real browser or touches the network.
#include "browser_command.h"
#include "form2.h"
#include "link_label.h"
#include "modal.h"
#include "web_browser.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <memory>

using tempidex::Form2;
using tempidex::NewBrowser;
using tempidex::WebBrowser;

namespace {

// What the fake browsers were asked to do, and where each should fail.
struct BrowserLog {
    int created = 0;
    QList<QUrl> navigated;
    QString failCreate, failVisible, failNavigate, failLater;
};

class FakeBrowser : public WebBrowser {
public:
    explicit FakeBrowser(BrowserLog &log)
        : m_log(log) {}
    bool setVisible(bool visible) override {
        if (!m_log.failVisible.isEmpty()) {
            setErrorString(m_log.failVisible);
            return false;
        }
        return visible;
    }
    bool navigate(const QUrl &url) override {
        if (!m_log.failNavigate.isEmpty()) {
            setErrorString(m_log.failNavigate);
            return false;
        }
        m_log.navigated << url;
        if (!m_log.failLater.isEmpty())
            emit failed(m_log.failLater);
        return true;
    }

private:
    BrowserLog &m_log;
};

tempidex::BrowserFactory FakeBrowsers(BrowserLog &log) {
    return [&log]() -> NewBrowser {
        if (!log.failCreate.isEmpty())
            return {nullptr, log.failCreate};
        ++log.created;
        return {std::make_unique<FakeBrowser>(log), {}};
    };
}

struct ErrorBox {
    bool shown = false;
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Critical;
};

// Reads and dismisses the next message box.
void ExpectErrorBox(ErrorBox &box) {
    test_support::WhenModalOpens([&box](QWidget *modal) {
        auto *message = qobject_cast<QMessageBox *>(modal);
        if (!message) {
            modal->close();
            return;
        }
        box = {true, message->windowTitle(), message->text(),
               static_cast<int>(message->buttons().size()), message->icon()};
        message->button(QMessageBox::Ok)->click();
    });
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTitleNoticesAndLink();
    void linkLooksLikeALinkButIsNotUnderlined();
    void focusStartsOnChiudiAndEscDoesNotClose();
    void chiudiClosesFromTheKeyboard();
    void otherLabelsDoNothing();

    void linkStartsABrowserOnTheMakersSite();
    void everyClickStartsAnotherBrowser();
    void linkFailuresShowTheFailureAsTitle_data();
    void linkFailuresShowTheFailureAsTitle();

    void doubleClickStartsOneBrowser();
    void linkStaysReadableOnADarkPalette();
    void failureBoxShowsItsWholeTitle();
    void browserCommandIsReadAsAShellReadsIt_data();
    void browserCommandIsReadAsAShellReadsIt();
    void systemBrowserGetsItsWordsUnmangledAndNoInput();
    void systemBrowserThatCannotStartIsReportedWithoutWaiting();

    void systemBrowserRunsTheBrowserVariable();
    void systemBrowserFallsBackToXdgOpen();
    void systemBrowserReportsWhatCannotStart();
    void systemBrowserReportsALauncherThatGivesUp();

private:
    void clickLink() { QTest::mouseClick(m_form->findChild<QLabel *>("Label6"), Qt::LeftButton); }
    QString writeStub(const QString &name, const QString &body);
    static QString readFile(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    BrowserLog m_log;
    std::unique_ptr<Form2> m_form;
    QTemporaryDir m_stubs;
    QByteArray m_path;
};

void Form2Test::init() {
    m_log = {};
    m_form = std::make_unique<Form2>(nullptr, FakeBrowsers(m_log));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_path = qgetenv("PATH");
}

void Form2Test::cleanup() {
    m_form.reset();
    qputenv("PATH", m_path);
    qunsetenv("BROWSER");
}

QString Form2Test::writeStub(const QString &name, const QString &body) {
    const QString path = m_stubs.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

void Form2Test::showsTitleNoticesAndLink() {
    QCOMPARE(m_form->windowTitle(), QStringLiteral(" Tempidex 02 - About"));
    QCOMPARE(m_form->size(), QSize(278, 129));
    const auto text = [this](const char *name) {
        return m_form->findChild<QLabel *>(name)->text();
    };
    QCOMPARE(text("Label1"), QStringLiteral("Tempidex 02"));
    QCOMPARE(text("Label2"), QStringLiteral("Convertitore di date del Calendario Romano"));
    QCOMPARE(text("Label4"), QStringLiteral("This software il FREE"));
    QCOMPARE(text("Label5"), QStringLiteral("For information:"));
    QCOMPARE(text("Label6"), QStringLiteral("tempidex.example"));
    QVERIFY(!text("Label3").isEmpty());
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
}

void Form2Test::linkLooksLikeALinkButIsNotUnderlined() {
    auto *link = m_form->findChild<QLabel *>("Label6");
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().bold());
    QVERIFY(!link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
    QCOMPARE(m_form->cursor().shape(), Qt::ArrowCursor);
}

void Form2Test::focusStartsOnChiudiAndEscDoesNotClose() {
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QTest::keyClick(m_form.get(), Qt::Key_Escape);
    QVERIFY(m_form->isVisible());
}

void Form2Test::chiudiClosesFromTheKeyboard() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!m_form->isVisible());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!m_form->isVisible());
}

void Form2Test::otherLabelsDoNothing() {
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        QTest::mouseClick(m_form->findChild<QLabel *>(name), Qt::LeftButton);
    QTest::mouseClick(m_form.get(), Qt::LeftButton, {}, QPoint(270, 5));
    QCOMPARE(m_log.created, 0);
    QVERIFY(m_form->isVisible());
}

void Form2Test::linkStartsABrowserOnTheMakersSite() {
    clickLink();
    QCOMPARE(m_log.created, 1);
    QCOMPARE(m_log.navigated, QList<QUrl>{QUrl("http://tempidex.example/")});
    QVERIFY(m_form->Explorer);
    QVERIFY(m_form->isVisible());
}

void Form2Test::everyClickStartsAnotherBrowser() {
    clickLink();
    const WebBrowser *first = m_form->Explorer.get();
    QPointer<const WebBrowser> firstAlive(first);
    clickLink();
    QCOMPARE(m_log.created, 2);
    QCOMPARE(m_log.navigated.size(), 2);
    QVERIFY(m_form->Explorer);
    QVERIFY(firstAlive.isNull()); // the window holds the newest browser only
}

void Form2Test::linkFailuresShowTheFailureAsTitle_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("holdsNewBrowser");
    QTest::newRow("no browser to start") << "create" << false;
    QTest::newRow("browser stays hidden") << "visible" << true;
    QTest::newRow("address refused") << "navigate" << true;
    QTest::newRow("launcher gives up afterwards") << "later" << true;
}

void Form2Test::linkFailuresShowTheFailureAsTitle() {
    QFETCH(QString, step);
    QFETCH(bool, holdsNewBrowser);
    const QString description = "Failure in step " + step;
    (step == "create"     ? m_log.failCreate
     : step == "visible"  ? m_log.failVisible
     : step == "navigate" ? m_log.failNavigate
                          : m_log.failLater) = description;
    ErrorBox box;
    ExpectErrorBox(box);
    clickLink();
    QVERIFY(box.shown);
    QCOMPARE(box.title, description);
    QCOMPARE(box.text, QStringLiteral("Error displaying file"));
    QCOMPARE(box.buttons, 1);
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(bool(m_form->Explorer), holdsNewBrowser);
    QVERIFY(m_form->isVisible());

    // The window stays usable: the link works again once the fault is gone.
    m_log = {};
    clickLink();
    QCOMPARE(m_log.navigated.size(), 1);
}

void Form2Test::doubleClickStartsOneBrowser() {
    QLabel *link = m_form->findChild<QLabel *>("Label6");
    const QPointF at = link->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, link->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &event);
    }
    QCOMPARE(m_log.created, 1);
    clickLink();
    QCOMPARE(m_log.created, 2);
}

void Form2Test::linkStaysReadableOnADarkPalette() {
    // WCAG 2 contrast ratio.
    const auto luminance = [](QColor c) {
        double sum = 0;
        for (const auto &[value, weight] :
             {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
            sum += weight *
                   (value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
        return sum;
    };
    const auto contrast = [&](QColor a, QColor b) {
        const auto [dark, light] = std::minmax(luminance(a), luminance(b));
        return (light + 0.05) / (dark + 0.05);
    };
    const auto linkColour = [](const Form2 &form) {
        return form.findChild<QLabel *>("Label6")->palette().color(QPalette::WindowText);
    };
    QCOMPARE(linkColour(*m_form), QColor(0, 0, 255));
    for (const QColor background : {QColor(0x30, 0x30, 0x30), QColor(0x60, 0x60, 0x60)}) {
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::Window, background);
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(dark);
        const Form2 form(nullptr, FakeBrowsers(m_log));
        QApplication::setPalette(saved);
        const QColor link = linkColour(form);
        QVERIFY2(contrast(link, background) >= 4.5, qPrintable(link.name()));
        QVERIFY2(qAbs(link.hue() - 240) <= 20, qPrintable(link.name())); // still a blue
    }
}

void Form2Test::failureBoxShowsItsWholeTitle() {
    int width = 0, needed = 0;
    test_support::WhenModalOpens([&](QWidget *box) {
        QFont bold = box->font();
        bold.setBold(true);
        needed = QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 3 * 24; // buttons
        width = box->width();
        box->close();
    });
    m_log.failCreate = "Impossibile avviare /opt/browser/bin/browser: No such file or directory";
    clickLink();
    QVERIFY2(width >= needed, qPrintable(QString("%1 < %2").arg(width).arg(needed)));
    // Up to the screen's width.
    test_support::WhenModalOpens([&](QWidget *box) {
        width = box->width();
        box->close();
    });
    m_log.failCreate = QString(500, 'x');
    clickLink();
    QCOMPARE(width, m_form->screen()->availableGeometry().width());
}

void Form2Test::browserCommandIsReadAsAShellReadsIt_data() {
    QTest::addColumn<QString>("browser");
    QTest::addColumn<QStringList>("command");
    const QString a = "http://site/";
    QTest::newRow("unset") << "" << QStringList{"xdg-open", a};
    QTest::newRow("plain") << "firefox" << QStringList{"firefox", a};
    QTest::newRow("first of a list")
        << "firefox -new-tab %s:chromium" << QStringList{"firefox", "-new-tab", a};
    QTest::newRow("empty first") << ":lynx" << QStringList{"lynx", a};
    QTest::newRow("single quotes") << R"('/opt/my browser/run' '$HOME \"x' %s)"
                                   << QStringList{"/opt/my browser/run", R"($HOME \"x)", a};
    QTest::newRow("double quotes") << R"("/opt/my browser" "a\"b\\c\d $x")"
                                   << QStringList{"/opt/my browser", R"(a"b\c\d $x)", a};
    QTest::newRow("backslashes") << "my\\ browser \\'q\\' a\\\nb"
                                 << QStringList{"my browser", "'q'", "ab", a};
    QTest::newRow("empty words") << R"(b '' "")" << QStringList{"b", "", "", a};
    QTest::newRow("quoted colon") << "'a:b' --x:c" << QStringList{"a:b", "--x", a};
    QTest::newRow("shell") << R"(sh -c 'exec w3m "$1"' sh %s)"
                           << QStringList{"sh", "-c", R"(exec w3m "$1")", "sh", a};
    QTest::newRow("placeholders") << "b --url=%s %%s %c"
                                  << QStringList{"b", "--url=" + a, "%s", ":"};
}

void Form2Test::browserCommandIsReadAsAShellReadsIt() {
    QFETCH(QString, browser);
    QFETCH(QStringList, command);
    const std::optional<QStringList> words = tempidex::BrowserCommand(browser);
    QVERIFY(words);
    QCOMPARE(tempidex::WithAddress(*words, "http://site/"), command);
    QVERIFY(!tempidex::BrowserCommand("b 'open"));
    QVERIFY(!tempidex::BrowserCommand(R"(b "open)"));
}

void Form2Test::systemBrowserGetsItsWordsUnmangledAndNoInput() {
    const QString record = m_stubs.filePath("words");
    QVERIFY(QDir(m_stubs.path()).mkdir("my browser"));
    const QString stub =
        writeStub("my browser/run", "for a; do echo \"$a\"; done > '" + record +
                                        "'; readlink /proc/$$/fd/0 >> '" + record + "'");
    qputenv("BROWSER", ("'" + stub + "' '$HOME;*' \"a  b\" '`x`'").toUtf8());
    m_form = std::make_unique<Form2>();
    m_form->show();
    clickLink();
    QTRY_COMPARE(readFile(record), "$HOME;*\na  b\n`x`\nhttp://tempidex.example/\n/dev/null\n");
}

void Form2Test::systemBrowserThatCannotStartIsReportedWithoutWaiting() {
    qputenv("BROWSER", writeStub("browser", "").toUtf8());
    QFile(m_stubs.filePath("browser")).resize(0); // executable, but no program: exec fails
    m_form = std::make_unique<Form2>();
    m_form->show();
    ErrorBox box;
    ExpectErrorBox(box);
    clickLink();
    QVERIFY(!box.shown); // the link has returned before the outcome is known
    QTRY_VERIFY(box.shown);
    QVERIFY2(box.title.contains("browser"), qPrintable(box.title));
}

void Form2Test::systemBrowserRunsTheBrowserVariable() {
    const QString record = m_stubs.filePath("opened");
    const QString stub = writeStub("browser", "echo \"$*\" >> '" + record + "'");
    // The first of the listed commands, its "%s" replaced by the address.
    qputenv("BROWSER", (stub + " --new-window %s:other-browser").toUtf8());
    m_form = std::make_unique<Form2>(); // the real browser layer
    m_form->show();
    clickLink();
    clickLink(); // a second browser; the first is left running
    const QByteArray line("--new-window http://tempidex.example/\n");
    QTRY_COMPARE(QFile(record).size(), qint64(2 * line.size()));
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), line + line);
}

void Form2Test::systemBrowserFallsBackToXdgOpen() {
    const QString record = m_stubs.filePath("xdg-opened");
    writeStub("xdg-open", "echo \"$*\" > '" + record + "'");
    qunsetenv("BROWSER");
    qputenv("PATH", QFile::encodeName(m_stubs.path()) + ":/usr/bin:/bin");
    m_form = std::make_unique<Form2>();
    m_form->show();
    clickLink();
    QTRY_COMPARE(QFile(record).size(), qint64(QByteArray("http://tempidex.example/\n").size()));
}

void Form2Test::systemBrowserReportsWhatCannotStart() {
    qputenv("BROWSER", "/nonexistent/browser");
    m_form = std::make_unique<Form2>();
    m_form->show();
    ErrorBox box;
    ExpectErrorBox(box);
    clickLink();
    QVERIFY(box.shown);
    QVERIFY2(box.title.contains("/nonexistent/browser"), qPrintable(box.title));
    QVERIFY(!m_form->Explorer);
    QVERIFY(m_form->isVisible());
}

void Form2Test::systemBrowserReportsALauncherThatGivesUp() {
    qputenv("BROWSER", writeStub("xdg-open", "exit 4").toUtf8());
    m_form = std::make_unique<Form2>();
    m_form->show();
    ErrorBox box;
    ExpectErrorBox(box);
    clickLink();
    QTRY_VERIFY(box.shown);
    QVERIFY2(box.title.contains("4"), qPrintable(box.title));
    QCOMPARE(box.text, QStringLiteral("Error displaying file"));
    QVERIFY(m_form->isVisible());
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
