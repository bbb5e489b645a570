// The main window, driven through its real widgets with the mouse and the keyboard.
#include "form1.h"
#include "modal.h"
#include "vocabulary.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>

using tempidex::Form1;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithTheFirstEntriesAndTheFocusOnTheDesignation();
    void listsHoldTheLatinVocabularyInOrder();
    void layoutKeepsEveryControlInsideAndApart();
    void windowHasNoMaximizeButtonAndAFixedSize();

    void pickingAnEntryMovesTheFocusOn_data();
    void pickingAnEntryMovesTheFocusOn();
    void pickingWithTheMouseMovesTheFocusOn();
    void typingMovesNoFocus();

    void calcolaConvertsWhatTheListsShow_data();
    void calcolaConvertsWhatTheListsShow();
    void typedTextIsConvertedExactly();
    void anErrorStandsUntilTheNextCalcola();
    void enterInAListAddsNoEntry();
    void keyboardAloneReachesEveryInput();
    void everyInputHasAnItalianAccessibleName();

    void typingStraightAwayReplacesTheShownText();
    void aListThatGainsTheFocusSelectsItsText();
    void arrowsStepFromTheTypedText();
    void dropDownOpensOnTheTypedText();
    void wheelTurnsOnlyTheFocusedList();
    void windowsOpenCentredByTheirFrame();

    void aboutWindowIsModalAndOpensAgain();
    void chiudiClosesTheProgram();

private:
    QComboBox *combo(const char *name) const { return m_form->findChild<QComboBox *>(name); }
    QPushButton *button(const char *name) const { return m_form->findChild<QPushButton *>(name); }
    QLineEdit *result() const { return m_form->findChild<QLineEdit *>("Text1"); }
    void type(const char *list, const QString &text);

    std::unique_ptr<Form1> m_form;
};

void Form1Test::init() {
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void Form1Test::cleanup() {
    m_form.reset();
}

void Form1Test::type(const char *list, const QString &text) {
    QComboBox *target = combo(list);
    target->setFocus();
    target->lineEdit()->selectAll();
    QTest::keyClick(target, Qt::Key_Backspace);
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    if (ascii) {
        QTest::keyClicks(target, text);
        return;
    }
    // What a keyboard cannot type arrives through the input method, as a committed string.
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(target->lineEdit(), &commit);
}

void Form1Test::startsWithTheFirstEntriesAndTheFocusOnTheDesignation() {
    QCOMPARE(m_form->windowTitle(), QStringLiteral(" Tempidex 02"));
    QCOMPARE(combo("Combo1")->currentText(), QStringLiteral(" --- "));
    QCOMPARE(combo("Combo2")->currentText(), QStringLiteral("Kal."));
    QCOMPARE(combo("Combo3")->currentText(), QStringLiteral("Ian."));
    QVERIFY(result()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), combo("Combo1"));
    QCOMPARE(m_form->findChild<QLabel *>("Label1")->text(),
             QStringLiteral("Convertitore di date del Calendario Romano"));
}

void Form1Test::listsHoldTheLatinVocabularyInOrder() {
    const auto check = [](QComboBox *list, const auto &vocabulary) {
        QCOMPARE(list->count(), static_cast<int>(vocabulary.size()));
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->itemText(i).toStdString(),
                     std::string(vocabulary[static_cast<std::size_t>(i)]));
    };
    check(combo("Combo1"), tempidex::Designations);
    check(combo("Combo2"), tempidex::ReferenceDays);
    check(combo("Combo3"), tempidex::MonthEntries);
}

void Form1Test::layoutKeepsEveryControlInsideAndApart() {
    QCOMPARE(m_form->size(), QSize(418, 145));
    const QList<QWidget *> controls = m_form->findChildren<QWidget *>(
        QRegularExpression("^(Label1|Combo[123]|Command[123]|Text1)$"), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 8);
    for (QWidget *control : controls) {
        QVERIFY2(m_form->rect().contains(control->geometry()), qPrintable(control->objectName()));
        QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(control->objectName()));
        for (QWidget *other : controls)
            QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                     qPrintable(control->objectName() + " / " + other->objectName()));
    }
    // The result field spans exactly the row of lists.
    QCOMPARE(result()->geometry().left(), combo("Combo1")->geometry().left());
    QCOMPARE(result()->geometry().right(), combo("Combo3")->geometry().right());
}

void Form1Test::windowHasNoMaximizeButtonAndAFixedSize() {
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
}

void Form1Test::pickingAnEntryMovesTheFocusOn_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("picked");
    QTest::newRow("designation to reference day") << "Combo1"
                                                  << "Combo2"
                                                  << "a. d. XIX";
    QTest::newRow("reference day to month") << "Combo2"
                                            << "Combo3"
                                            << "Non.";
    QTest::newRow("month to Calcola") << "Combo3"
                                      << "Command1"
                                      << "Feb.";
}

void Form1Test::pickingAnEntryMovesTheFocusOn() {
    QFETCH(QString, list);
    QFETCH(QString, next);
    QFETCH(QString, picked);
    QComboBox *source = combo(qPrintable(list));
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Down); // on the closed list: selects the next entry
    QCOMPARE(source->currentText(), picked);
    QCOMPARE(QApplication::focusWidget()->objectName(), next);
    QVERIFY2(result()->text().isEmpty(), "picking must not convert");
}

void Form1Test::pickingWithTheMouseMovesTheFocusOn() {
    QComboBox *months = combo("Combo3");
    months->showPopup();
    QAbstractItemView *view = months->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex december = view->model()->index(11, 0);
    view->scrollTo(december);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(december).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(months->currentText(), QStringLiteral("Dec."));
    QTRY_COMPARE(QApplication::focusWidget(), button("Command1"));
    QVERIFY(result()->text().isEmpty());
}

void Form1Test::typingMovesNoFocus() {
    type("Combo1", QStringLiteral("pridie")); // an entry's exact text, typed
    QCOMPARE(QApplication::focusWidget(), combo("Combo1"));
    // Leaving the field by a click on Calcola neither picks the entry nor moves the focus.
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(result()->text(), QStringLiteral("31 Dicembre"));
    QCOMPARE(QApplication::focusWidget(), button("Command1"));
}

void Form1Test::calcolaConvertsWhatTheListsShow_data() {
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Calends of January") << " --- "
                                        << "Kal."
                                        << "Ian."
                                        << "01 Gennaio"
                                        << "Command1";
    QTest::newRow("leap day") << "a. d. bis VI"
                              << "Kal."
                              << "Mar. (a. i.)"
                              << "25 Febbraio (anno bisestile)"
                              << "Command1";
    QTest::newRow("no such day") << "a. d. XVIII"
                                 << "Kal."
                                 << "Apr."
                                 << "ERRORE - Data Inesistente"
                                 << "Combo1";
    QTest::newRow("leap March has no Nones") << " --- "
                                             << "Non."
                                             << "Mar. (a. i.)"
                                             << "ERRORE - Data Inesistente"
                                             << "Combo2";
    QTest::newRow("unknown designation") << "a. d. II"
                                         << "Kal."
                                         << "Ian."
                                         << "ERRORE - Data non corretta"
                                         << "Combo1";
    QTest::newRow("unknown reference day") << "pridie"
                                           << "Kal"
                                           << "Ian."
                                           << "ERRORE - Data non corretta"
                                           << "Combo2";
    QTest::newRow("unknown month") << "pridie"
                                   << "Kal."
                                   << "Ianuarius"
                                   << "ERRORE - Data non correta"
                                   << "Combo3";
    QTest::newRow("non-ASCII look-alike")
        << "pridie"
        << "Kal." << QString::fromUtf8("I\u0430n.") << "ERRORE - Data non correta"
        << "Combo3";
}

void Form1Test::calcolaConvertsWhatTheListsShow() {
    QFETCH(QString, designation);
    QFETCH(QString, reference);
    QFETCH(QString, month);
    QFETCH(QString, expected);
    QFETCH(QString, focus);
    type("Combo1", designation);
    type("Combo2", reference);
    type("Combo3", month);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(result()->text(), expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // The lists keep what was typed, and their entries.
    QCOMPARE(combo("Combo1")->currentText(), designation);
    QCOMPARE(combo("Combo1")->count(), 20);
}

void Form1Test::typedTextIsConvertedExactly() {
    // No case-insensitive completion may turn the typed text into an entry.
    type("Combo1", QStringLiteral("a. d. xix"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(combo("Combo1")->currentText(), QStringLiteral("a. d. xix"));
    QCOMPARE(result()->text(), QStringLiteral("ERRORE - Data non corretta"));
}

void Form1Test::anErrorStandsUntilTheNextCalcola() {
    type("Combo3", QStringLiteral("Mar"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(result()->text(), QStringLiteral("ERRORE - Data non correta"));
    type("Combo3", QStringLiteral("Mar."));
    QTest::keyClick(combo("Combo2"), Qt::Key_Down); // other input changes nothing
    QCOMPARE(result()->text(), QStringLiteral("ERRORE - Data non correta"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(result()->text(), QStringLiteral("07 Marzo"));
}

void Form1Test::enterInAListAddsNoEntry() {
    type("Combo2", QStringLiteral("Idus"));
    QTest::keyClick(combo("Combo2"), Qt::Key_Return);
    QCOMPARE(combo("Combo2")->count(), 3);
    QCOMPARE(combo("Combo2")->currentText(), QStringLiteral("Idus"));
}

void Form1Test::keyboardAloneReachesEveryInput() {
    const QStringList order{"Combo2", "Combo3",   "Command1", "Command2",
                            "Text1",  "Command3", "Combo1"};
    for (const QString &expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
    // A date entered with the arrow keys alone, computed with Enter.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // a. d. XIX, on to Combo2
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // Non., on to Combo3
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);   // Ian. stays, Calcola next
    QCOMPARE(QApplication::focusWidget(), combo("Combo3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // Feb.
    QCOMPARE(QApplication::focusWidget(), button("Command1"));
    type("Combo1", QStringLiteral("a. d. IV"));
    button("Command1")->setFocus();
    QTest::keyClick(button("Command1"), Qt::Key_Return);
    QCOMPARE(result()->text(), QStringLiteral("02 Febbraio"));
}

void Form1Test::everyInputHasAnItalianAccessibleName() {
    for (const char *name : {"Combo1", "Combo2", "Combo3", "Text1", "Command3"})
        QVERIFY2(!m_form->findChild<QWidget *>(name)->accessibleName().isEmpty(), name);
    QVERIFY(!result()->accessibleDescription().isEmpty());
    QVERIFY(result()->isReadOnly());
}

void Form1Test::typingStraightAwayReplacesTheShownText() {
    // At start-up: no select-all first.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a. d. XIX"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(result()->text(), QStringLiteral("14 Dicembre"));
    // After an error, the list at fault takes what is typed in place of the wrong text.
    QTest::keyClicks(combo("Combo3"), QStringLiteral("x"));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), combo("Combo3"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Feb."));
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QCOMPARE(result()->text(), QStringLiteral("14 Genaio"));
}

void Form1Test::aListThatGainsTheFocusSelectsItsText() {
    const auto selected = [this](const char *list) {
        return combo(list)->lineEdit()->selectedText();
    };
    QCOMPARE(selected("Combo1"), QStringLiteral(" --- "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(selected("Combo2"), QStringLiteral("Kal."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(selected("Combo1"), QStringLiteral(" --- "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // a pick: on to Combo2
    QCOMPARE(selected("Combo2"), QStringLiteral("Kal."));
    // The window activated again, after another window had it.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    combo("Combo2")->lineEdit()->deselect();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(selected("Combo2"), QStringLiteral("Kal."));
}

void Form1Test::arrowsStepFromTheTypedText() {
    const auto typeThenPress = [this](const QString &text, Qt::Key key) {
        type("Combo3", text);
        QTest::keyClick(combo("Combo3"), key);
        return combo("Combo3")->currentText();
    };
    QCOMPARE(typeThenPress("Maius", Qt::Key_Down), QStringLiteral("Ian.")); // none: the first
    QCOMPARE(QApplication::focusWidget(), button("Command1"));              // and it is a pick
    QCOMPARE(typeThenPress("Mai.", Qt::Key_Down), QStringLiteral("Iun."));
    QCOMPARE(typeThenPress("Maius", Qt::Key_Up), QStringLiteral("Mar. (a. i.)"));
    QCOMPARE(typeThenPress("Ian.", Qt::Key_Up), QStringLiteral("Ian.")); // the ends: no pick
    QCOMPARE(typeThenPress("Mar. (a. i.)", Qt::Key_Down), QStringLiteral("Mar. (a. i.)"));
    QCOMPARE(QApplication::focusWidget(), combo("Combo3"));
}

void Form1Test::dropDownOpensOnTheTypedText() {
    type("Combo3", QStringLiteral("Oct."));
    combo("Combo3")->showPopup();
    QTRY_VERIFY(combo("Combo3")->view()->isVisible());
    QCOMPARE(combo("Combo3")->view()->currentIndex().data().toString(), QStringLiteral("Oct."));
    combo("Combo3")->hidePopup();
}

void Form1Test::wheelTurnsOnlyTheFocusedList() {
    const auto turn = [](QWidget *list) {
        const QPoint at = list->rect().center();
        QWheelEvent wheel(at, list->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
    };
    turn(combo("Combo2"));
    QCOMPARE(combo("Combo2")->currentText(), QStringLiteral("Kal."));
    QCOMPARE(QApplication::focusWidget(), combo("Combo1"));
    turn(combo("Combo1"));
    QCOMPARE(combo("Combo1")->currentText(), QStringLiteral("a. d. XIX"));
    QCOMPARE(QApplication::focusWidget(), combo("Combo2"));
}

void Form1Test::windowsOpenCentredByTheirFrame() {
    const QPoint centre = m_form->screen()->availableGeometry().center();
    QVERIFY((m_form->frameGeometry().center() - centre).manhattanLength() <= 1);
    test_support::WhenModalOpens([&](QWidget *about) {
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowHandle()->transientParent(), m_form->windowHandle());
        QVERIFY((about->frameGeometry().center() - centre).manhattanLength() <= 1);
        about->close();
    });
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
}

void Form1Test::aboutWindowIsModalAndOpensAgain() {
    for (int opening = 0; opening < 2; ++opening) {
        bool inspected = false;
        test_support::WhenModalOpens([&](QWidget *about) {
            inspected = true;
            QCOMPARE(about->objectName(), QStringLiteral("Form2"));
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QVERIFY(QTest::qWaitForWindowActive(about));
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
            QTest::keyClick(about, Qt::Key_Escape); // not a cancel key here
            QVERIFY(about->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // "Chiudi"
        });
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(inspected);
        QVERIFY(!QApplication::activeModalWidget());
    }
    QVERIFY(m_form->isVisible());
}

void Form1Test::chiudiClosesTheProgram() {
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    // With no window left on the screen, the event loop ends; the end-to-end test sees the
    // program's exit status.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(
        std::none_of(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
