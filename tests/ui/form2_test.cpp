// The about window and its link. Browsers here are fakes, or stub programs that record what
// they were given: no test starts a real browser or touches the network.
#include "browser_command.h"
#include "build_info.h"
#include "form2.h"
#include "modal.h"
#include "web_browser.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <cmath>
#include <memory>

using tempidex::Form2;

namespace {

const QString Site = QStringLiteral("http://%1/").arg(tempidex::build_info::MakerHost);

// What the fake browsers were asked to do, and whether and when they should fail.
struct BrowserLog {
    int created = 0;
    QList<QUrl> opened;
    QString failAt, failure; // failAt: "create", "open" (at once) or "later"
};

class FakeBrowser : public tempidex::WebBrowser {
public:
    explicit FakeBrowser(BrowserLog &log)
        : m_log(log) {}
    void open(const QUrl &url) override {
        m_log.opened << url;
        if (m_log.failAt == "open")
            emit failed(m_log.failure);
        else if (m_log.failAt == "later")
            QTimer::singleShot(0, this, [this] { emit failed(m_log.failure); });
    }

private:
    BrowserLog &m_log;
};

// Reads the next modal window's title, text and size, then closes it.
struct Box {
    QString title, text;
    int buttons = 0, width = 0;
};
QPointer<QTimer> WhenBoxOpens(Box &box) {
    return test_support::WhenModalOpens([&box](QWidget *modal) {
        const auto *message = qobject_cast<QMessageBox *>(modal);
        box = {modal->windowTitle(), message ? message->text() : QString(),
               message ? int(message->buttons().size()) : 0, modal->width()};
        QVERIFY(!message || message->icon() == QMessageBox::NoIcon);
        modal->close();
    });
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTitleNoticesAndLink();
    void everyClickStartsOneBrowserOnTheMakersSite();
    void theKeyboardReachesAndOpensTheLink();
    void linkFailuresAreReportedWithTheirDescriptionAsTitle_data();
    void linkFailuresAreReportedWithTheirDescriptionAsTitle();
    void linkStaysReadableOnADarkPalette();
    void browserCommandIsReadAsAShellReadsIt_data();
    void browserCommandIsReadAsAShellReadsIt();
    void systemBrowserGetsItsWordsUnmangledAndNoInput();
    void systemBrowserFailuresAreReportedWithoutWaiting_data();
    void systemBrowserFailuresAreReportedWithoutWaiting();

private:
    QLabel *label(const char *name) const { return m_form->findChild<QLabel *>(name); }
    void clickLink() { QTest::mouseClick(label("Label6"), Qt::LeftButton); }
    QString stub(const QString &name, const QString &body) {
        QFile file(m_stubs.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return file.fileName();
    }
    QString recorded() const {
        QFile file(m_stubs.filePath("opened"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    BrowserLog m_log;
    std::unique_ptr<Form2> m_form;
    QTemporaryDir m_stubs;
};

void Form2Test::init() {
    m_log = {};
    QFile::remove(m_stubs.filePath("opened"));
    m_form = std::make_unique<Form2>(nullptr, [this]() -> tempidex::NewBrowser {
        if (m_log.failAt == "create")
            return {nullptr, m_log.failure};
        ++m_log.created;
        return {std::make_unique<FakeBrowser>(m_log), {}};
    });
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void Form2Test::cleanup() {
    m_form.reset();
    qunsetenv("BROWSER");
}

void Form2Test::showsTitleNoticesAndLink() {
    QCOMPARE(m_form->windowTitle(), " Tempidex 02 - About");
    QCOMPARE(m_form->size(), QSize(278, 129));
    QVERIFY(
        !(m_form->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(label("Label1")->text(), "Tempidex 02");
    QCOMPARE(label("Label2")->text(), "Convertitore di date del Calendario Romano");
    QVERIFY(!label("Label3")->text().isEmpty());
    QCOMPARE(label("Label4")->text(), "This software il FREE");
    QCOMPARE(label("Label5")->text(), "For information:");
    QCOMPARE(label("Label6")->text(), tempidex::build_info::MakerHost);
    for (const QLabel *notice : m_form->findChildren<QLabel *>()) // each fits, within the window
        QVERIFY2(QFontMetrics(notice->font()).horizontalAdvance(notice->text()) <=
                     notice->geometry().intersected(m_form->rect()).width(),
                 qPrintable(notice->objectName()));
    const QLabel *link = label("Label6");
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().bold() && !link->font().underline());
    // The pointer points with the tip of its finger: the top row of the drawn hand.
    const QImage hand = link->cursor().pixmap().toImage();
    const QPoint tip = link->cursor().hotSpot();
    QCOMPARE(hand.size(), QSize(32, 32));
    QVERIFY(qAlpha(hand.pixel(tip)) == 255);
    for (int x = 0; x < hand.width(); ++x)
        QCOMPARE(qAlpha(hand.pixel(x, tip.y() - 1)), 0);
}

void Form2Test::everyClickStartsOneBrowserOnTheMakersSite() {
    clickLink();
    QCOMPARE(m_log.opened, QList<QUrl>{QUrl(Site)});
    const QPointer<tempidex::WebBrowser> first = m_form->Explorer.get();
    // A real double click: its second press is no click.
    QLabel *link = label("Label6");
    const QPointF at = link->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, link->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &event);
    }
    QCOMPARE(m_log.created, 2);
    QVERIFY(m_form->Explorer && first.isNull()); // the window holds the newest one only
    // A press dragged off the link and released elsewhere is no click either.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(m_log.created, 2);
}

void Form2Test::theKeyboardReachesAndOpensTheLink() {
    QWindow *window = m_form->windowHandle();
    QLabel *link = label("Label6");
    const QImage unfocused = link->grab().toImage();
    QTest::keyClick(window, Qt::Key_Tab); // from "Chiudi"
    QCOMPARE(QApplication::focusWidget(), link);
    QVERIFY(link->grab().toImage() != unfocused); // a focus frame shows where it is
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(m_log.opened, QList<QUrl>(2, QUrl(Site)));
    QVERIFY(m_form->isVisible());
    QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
    // A screen reader hears a link, and can press it.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(accessible->role(), QAccessible::Link);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_log.opened.size(), 3);
}

void Form2Test::linkFailuresAreReportedWithTheirDescriptionAsTitle_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("holdsNewBrowser");
    QTest::newRow("no browser to start") << "create" << false;
    QTest::newRow("address refused") << "open" << true;
    QTest::newRow("launcher gives up afterwards") << "later" << true;
}

void Form2Test::linkFailuresAreReportedWithTheirDescriptionAsTitle() {
    QFETCH(QString, step);
    QFETCH(bool, holdsNewBrowser);
    m_log.failAt = step;
    m_log.failure = "Impossibile avviare /opt/browser/bin/browser: " + step;
    Box box;
    WhenBoxOpens(box);
    clickLink();
    QTRY_COMPARE(box.title, m_log.failure);
    QCOMPARE(box.text, "Error displaying file");
    QCOMPARE(box.buttons, 1);
    QCOMPARE(bool(m_form->Explorer), holdsNewBrowser);
    // Wide enough for the whole title in bold beside an icon and three buttons of 24 px.
    QFont bold = m_form->font();
    bold.setBold(true);
    QVERIFY(box.width >= QFontMetrics(bold).horizontalAdvance(m_log.failure) + 4 * 24);
    // The window stays usable: the link works again once the fault is gone.
    m_log = {};
    clickLink();
    QCOMPARE(m_log.opened.size(), 1);
}

void Form2Test::linkStaysReadableOnADarkPalette() {
    const auto luminance = [](QColor c) { // WCAG 2, plus the flare both sides add
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
               0.0722 * linear(c.blueF()) + 0.05;
    };
    const QColor background(0x30, 0x30, 0x30);
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Window, background);
    QApplication::setPalette(dark);
    const Form2 form;
    QApplication::setPalette(saved);
    const QColor link = form.findChild<QLabel *>("Label6")->palette().color(QPalette::WindowText);
    QVERIFY2(luminance(link) / luminance(background) >= 4.5, qPrintable(link.name()));
    QVERIFY2(qAbs(link.hue() - 240) <= 20, qPrintable(link.name())); // still a blue
}

void Form2Test::browserCommandIsReadAsAShellReadsIt_data() {
    QTest::addColumn<QString>("browser");
    QTest::addColumn<QStringList>("command"); // ":" between the commands tried in turn
    const QString a = "http://site/";
    QTest::newRow("unset") << "" << QStringList{"xdg-open", a};
    QTest::newRow("a list") << "firefox -new-tab %s::chromium"
                            << QStringList{"firefox", "-new-tab", a, ":", "chromium", a};
    QTest::newRow("single quotes") << R"('/opt/my browser/run' '$HOME \"x' %s)"
                                   << QStringList{"/opt/my browser/run", R"($HOME \"x)", a};
    QTest::newRow("double quotes") << R"("/opt/my browser" "a\"b\\c\d $x")"
                                   << QStringList{"/opt/my browser", R"(a"b\c\d $x)", a};
    QTest::newRow("backslashes") << "my\\ browser \\'q\\' a\\\nb"
                                 << QStringList{"my browser", "'q'", "ab", a};
    QTest::newRow("empty words") << R"(b '' "")" << QStringList{"b", "", "", a};
    QTest::newRow("quoted colon") << "'a:b' --x:c" << QStringList{"a:b", "--x", a, ":", "c", a};
    QTest::newRow("placeholders") << "b --url=%s %%s %c"
                                  << QStringList{"b", "--url=" + a, "%s", ":"};
}

void Form2Test::browserCommandIsReadAsAShellReadsIt() {
    QFETCH(QString, browser);
    QFETCH(QStringList, command);
    const std::optional<QList<QStringList>> commands = tempidex::BrowserCommands(browser);
    QVERIFY(commands);
    QStringList words;
    for (const QStringList &each : *commands)
        words << (words.isEmpty() ? QStringList() : QStringList{":"})
              << tempidex::WithAddress(each, "http://site/");
    QCOMPARE(words, command);
    QVERIFY(!tempidex::BrowserCommands("b 'open") && !tempidex::BrowserCommands(R"(b "open)"));
}

void Form2Test::systemBrowserGetsItsWordsUnmangledAndNoInput() {
#ifdef Q_OS_WIN
    QSKIP("Windows opens the link through its shell, never through $BROWSER");
#endif
    // Words a shell would expand, split or run, a path with a space; a first command that is
    // not there, and one after it that is never tried.
    QVERIFY(QDir(m_stubs.path()).mkdir("my browser"));
    const QString record = m_stubs.filePath("opened");
    const QString browser =
        stub("my browser/run", "for a; do echo \"$a\"; done >> '" + record +
                                   "'; readlink /proc/$$/fd/0 >> '" + record + "'");
    qputenv("BROWSER",
            ("nosuchbrowser:'" + browser + "' '$HOME;*' \"a  b\" '`x`' %s:other").toUtf8());
    m_form = std::make_unique<Form2>(); // the real browser layer
    m_form->show();
    const QString once = "$HOME;*\na  b\n`x`\n" + Site + "\n/dev/null\n";
    for (const QString &expected : {once, once + once}) { // the first browser is left running
        // A browser that could not start says so in a box, which would block the test.
        Box box;
        const QPointer<QTimer> poll = WhenBoxOpens(box);
        clickLink();
        QTRY_VERIFY(recorded() == expected || !box.title.isEmpty());
        delete poll.get();
        QVERIFY2(box.title.isEmpty(),
                 qPrintable("the browser did not start; was it run through a shell, which splits "
                            "and expands its words? " +
                            box.text));
        QCOMPARE(recorded(), expected);
    }
}

void Form2Test::systemBrowserFailuresAreReportedWithoutWaiting_data() {
#ifdef Q_OS_WIN
    QSKIP("Windows opens the link through its shell, never through $BROWSER");
#endif
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("inTitle");
    QTest::newRow("none of the list is there") << QString() << "/nonexistent/browser";
    QTest::newRow("cannot start") << ""
                                  << "browser";
    QTest::newRow("launcher gives up") << "exit 4"
                                       << "4";
}

void Form2Test::systemBrowserFailuresAreReportedWithoutWaiting() {
    QFETCH(QString, script);
    QFETCH(QString, inTitle);
    QString browser = "/nonexistent/first:/nonexistent/browser";
    if (!script.isNull()) {
        browser = stub("browser", script);
        if (script.isEmpty())
            QFile(browser).resize(0); // executable, but no program: starting it fails
    }
    qputenv("BROWSER", browser.toUtf8());
    m_form = std::make_unique<Form2>(); // the real browser layer
    m_form->show();
    Box box;
    WhenBoxOpens(box);
    clickLink();
    QVERIFY(script.isNull() || box.title.isEmpty()); // the link returned before the outcome
    QTRY_VERIFY(!box.title.isEmpty());
    QVERIFY2(box.title.contains(inTitle), qPrintable(box.title));
    QCOMPARE(box.text, "Error displaying file");
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
