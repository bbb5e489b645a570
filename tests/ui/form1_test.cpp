// The main window, driven through its real widgets with the mouse and the keyboard.
#include "application.h"
#include "form1.h"
#include "modal.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <memory>

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_form.reset(); }

    void startsReadyForTypingTheDesignation();
    void listsHoldTheLatinEntriesInOrder();
    void layoutKeepsEveryControlInsideApartAndReadable();
    void pickingMovesTheFocusOnWithoutConverting_data();
    void pickingMovesTheFocusOnWithoutConverting();
    void typedTextStaysExactlyAsTyped();
    void calcolaWritesTheResultAndFocusesTheListAtFault_data();
    void calcolaWritesTheResultAndFocusesTheListAtFault();
    void aListThatGainsTheFocusSelectsItsText();
    void arrowsWheelAndDropDownStartFromTheTypedText();
    void keyboardAloneReachesEveryInput();
    void aboutWindowIsOwnedModalAndOpensAgain();
    void qtsOwnTextsAreItalian();

private:
    QComboBox *combo(const char *name) const { return m_form->findChild<QComboBox *>(name); }
    QPushButton *button(const char *name) const { return m_form->findChild<QPushButton *>(name); }
    QString result() const { return m_form->findChild<QLineEdit *>("Text1")->text(); }
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    void type(const char *list, const QString &text) {
        combo(list)->setFocus();
        combo(list)->lineEdit()->selectAll(); // also where the list had the focus already
        QTest::keyClicks(combo(list), text);
    }
    void calcola() { QTest::mouseClick(button("Command1"), Qt::LeftButton); }

    std::unique_ptr<tempidex::Form1> m_form;
};

void Form1Test::init() {
    m_form = std::make_unique<tempidex::Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void Form1Test::startsReadyForTypingTheDesignation() {
    QCOMPARE(m_form->windowTitle(), " Tempidex 02");
    const QLabel *title = m_form->findChild<QLabel *>("Label1");
    QCOMPARE(title->text(), "Convertitore di date del Calendario Romano");
    QVERIFY(title->font().bold());
    QCOMPARE(combo("Combo2")->currentText(), "Kal.");
    QCOMPARE(combo("Combo3")->currentText(), "Ian.");
    QVERIFY(result().isEmpty());
    QCOMPARE(focused(), "Combo1");
    QCOMPARE(combo("Combo1")->lineEdit()->selectedText(), " --- ");
    QTest::keyClicks(QApplication::focusWidget(), "a. d. XIX"); // no select-all first
    calcola();
    QCOMPARE(result(), "14 Dicembre");
}

void Form1Test::listsHoldTheLatinEntriesInOrder() {
    const auto entries = [this](const char *list) {
        QStringList texts;
        for (int i = 0; i < combo(list)->count(); ++i)
            texts << combo(list)->itemText(i);
        return texts.join('|');
    };
    QCOMPARE(entries("Combo1"), " --- |a. d. XIX|a. d. XVIII|a. d. XVII|a. d. XVI|a. d. XV|"
                                "a. d. XIV|a. d. XIII|a. d. XII|a. d. XI|a. d. X|a. d. IX|"
                                "a. d. VIII|a. d. VII|a. d. VI|a. d. V|a. d. IV|a. d. III|"
                                "pridie|a. d. bis VI");
    QCOMPARE(entries("Combo2"), "Kal.|Non.|Id.");
    QCOMPARE(entries("Combo3"),
             "Ian.|Feb.|Mar.|Apr.|Mai.|Iun.|Iul.|Aug.|Sep.|Oct.|Nov.|Dec.|Mar. (a. i.)");
}

void Form1Test::layoutKeepsEveryControlInsideApartAndReadable() {
    QCOMPARE(m_form->size(), QSize(418, 145));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    const QWidgetList controls = m_form->findChildren<QWidget *>(
        QRegularExpression("^(Label1|Combo[123]|Command[123]|Text1)$"), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 8);
    for (QWidget *control : controls) {
        QVERIFY2(m_form->rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget *other : controls)
            QVERIFY(control == other || !control->geometry().intersects(other->geometry()));
        // The faces that stand in for "MS Sans Serif" fit every text in its box.
        const auto *list = qobject_cast<QComboBox *>(control);
        for (int i = 0; list && i < list->count(); ++i)
            QVERIFY2(QFontMetrics(list->font()).horizontalAdvance(list->itemText(i)) <=
                         list->lineEdit()->width() - 4,
                     qPrintable(list->itemText(i)));
        if (const auto *label = qobject_cast<QLabel *>(control))
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    }
    // Three rows: the lists evenly spaced beside Calcola, the result as wide as they are.
    const auto box = [this](const char *name) {
        return m_form->findChild<QWidget *>(name)->geometry();
    };
    QCOMPARE(box("Combo2").left() - box("Combo1").right(),
             box("Combo3").left() - box("Combo2").right());
    QCOMPARE(box("Combo1").top(), box("Command1").top());
    QCOMPARE(box("Text1").top(), box("Command2").top());
    QCOMPARE(box("Text1").left(), box("Combo1").left());
    QCOMPARE(box("Text1").right(), box("Combo3").right());
    auto *field = m_form->findChild<QLineEdit *>("Text1");
    for (const QString text : {"28 Febbraio (anno bisestile)", "ERRORE - Data non corretta"})
        QVERIFY(QFontMetrics(field->font()).horizontalAdvance(text) <= field->width() - 8);
}

void Form1Test::pickingMovesTheFocusOnWithoutConverting_data() {
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

void Form1Test::pickingMovesTheFocusOnWithoutConverting() {
    QFETCH(QString, list);
    QFETCH(QString, next);
    QFETCH(QString, picked);
    QComboBox *source = combo(qPrintable(list));
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Down); // on the closed list: picks the next entry
    QCOMPARE(source->currentText(), picked);
    QCOMPARE(focused(), next);
    source->setFocus();
    source->showPopup();
    QAbstractItemView *view = source->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex first = view->model()->index(0, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
    QTRY_COMPARE(focused(), next);
    QCOMPARE(source->currentIndex(), 0);
    QVERIFY2(result().isEmpty(), "picking must not convert");
}

void Form1Test::typedTextStaysExactlyAsTyped() {
    // No case-insensitive completion, no jump when the field is left, no entry added by Enter.
    type("Combo1", "a. d. xi");
    QTest::keyClick(combo("Combo1"), Qt::Key_Return);
    QCOMPARE(focused(), "Combo1");
    type("Combo2", "Kal.");
    calcola();
    QCOMPARE(combo("Combo1")->currentText(), "a. d. xi");
    QCOMPARE(combo("Combo1")->count(), 20);
    QCOMPARE(combo("Combo2")->currentIndex(), 0);
    QCOMPARE(focused(), "Combo1");
    QCOMPARE(result(), "ERRORE - Data non corretta");
    // After the error, what is typed replaces the wrong text.
    QTest::keyClicks(combo("Combo1"), "pridie");
    calcola();
    QCOMPARE(result(), "31 Dicembre");
    QCOMPARE(focused(), "Command1");
}

void Form1Test::calcolaWritesTheResultAndFocusesTheListAtFault_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("why"); // part of the tooltip
    QTest::newRow("a date") << QStringList{"a. d. bis VI", "Kal.", "Mar. (a. i.)"}
                            << "25 Febbraio (anno bisestile)"
                            << "Command1"
                            << "contato due volte: 25 Febbraio";
    QTest::newRow("no such day") << QStringList{"a. d. XVIII", "Kal.", "Apr."}
                                 << "ERRORE - Data Inesistente"
                                 << "Combo1"
                                 << "cadrebbe il 15 Marzo, che sono le idi di Marzo";
    QTest::newRow("no Nones in a leap March")
        << QStringList{" --- ", "Non.", "Mar. (a. i.)"} << "ERRORE - Data Inesistente"
        << "Combo2"
        << "le none e le idi di Marzo sono quelle di ogni anno";
    QTest::newRow("unknown month")
        << QStringList{"pridie", "Kal.", "Ianuarius"} << "ERRORE - Data non correta"
        << "Combo3"
        << "«Ianuarius» non è uno dei mesi dell'elenco";
}

void Form1Test::calcolaWritesTheResultAndFocusesTheListAtFault() {
    QFETCH(QStringList, typed);
    QFETCH(QString, expected);
    QFETCH(QString, focus);
    QFETCH(QString, why);
    type("Combo1", typed[0]);
    type("Combo2", typed[1]);
    type("Combo3", typed[2]);
    calcola();
    QCOMPARE(result(), expected);
    QCOMPARE(focused(), focus);
    const QLineEdit *field = m_form->findChild<QLineEdit *>("Text1");
    QVERIFY2(field->toolTip().contains(why), qPrintable(field->toolTip()));
    QCOMPARE(field->accessibleDescription(), field->toolTip());
    QTest::keyClick(combo("Combo2"), Qt::Key_Down); // other input leaves the result standing
    QCOMPARE(result(), expected);
}

void Form1Test::aListThatGainsTheFocusSelectsItsText() {
    const auto selected = [this](const char *list) {
        return combo(list)->lineEdit()->selectedText();
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(selected("Combo2"), "Kal.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(selected("Combo1"), " --- ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // a pick: on to Combo2
    QCOMPARE(selected("Combo2"), "Kal.");
    // The window activated again, after another window had it.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    combo("Combo2")->lineEdit()->deselect();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(selected("Combo2"), "Kal.");
}

void Form1Test::arrowsWheelAndDropDownStartFromTheTypedText() {
    const auto typeThenPress = [this](const QString &text, Qt::Key key) {
        type("Combo3", text);
        QTest::keyClick(combo("Combo3"), key);
        return combo("Combo3")->currentText();
    };
    QCOMPARE(typeThenPress("Maius", Qt::Key_Down), "Ian."); // no entry: the first
    QCOMPARE(focused(), "Command1");                        // and it is a pick
    QCOMPARE(typeThenPress("Mai.", Qt::Key_Down), "Iun.");
    QCOMPARE(typeThenPress("Maius", Qt::Key_Up), "Mar. (a. i.)");
    QCOMPARE(typeThenPress("Ian.", Qt::Key_Up), "Ian."); // the ends: no pick
    QCOMPARE(typeThenPress("Mar. (a. i.)", Qt::Key_Down), "Mar. (a. i.)");
    QCOMPARE(focused(), "Combo3");
    // The wheel acts as the arrows, but only on the list that has the focus. (Whether a wheel
    // turned over another list moves the focus, only a real pointer shows: the e2e test.)
    const auto turn = [](QWidget *list) {
        const QPoint at = list->rect().center();
        QWheelEvent wheel(at, list->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
    };
    turn(combo("Combo1"));
    QCOMPARE(combo("Combo1")->currentText(), " --- ");
    type("Combo3", "Dec.");
    turn(combo("Combo3"));
    QCOMPARE(combo("Combo3")->currentText(), "Mar. (a. i.)");
    QCOMPARE(focused(), "Command1");
    type("Combo3", "Oct.");
    combo("Combo3")->showPopup();
    QTRY_VERIFY(combo("Combo3")->view()->isVisible());
    QCOMPARE(combo("Combo3")->view()->currentIndex().data().toString(), "Oct.");
    combo("Combo3")->hidePopup();
}

void Form1Test::keyboardAloneReachesEveryInput() {
    for (const char *next :
         {"Combo2", "Combo3", "Command1", "Command2", "Text1", "Command3", "Combo1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    // A date entered with the arrow keys alone, computed with Enter.
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(result(), "05 Febbraio");
    for (const char *name : {"Combo1", "Combo2", "Combo3", "Text1", "Command3"})
        QVERIFY2(!m_form->findChild<QWidget *>(name)->accessibleName().isEmpty(), name);
}

void Form1Test::aboutWindowIsOwnedModalAndOpensAgain() {
    // Both windows open centred, by their frame (which the e2e test sees under openbox).
    const QPoint centre = m_form->screen()->availableGeometry().center();
    QVERIFY((m_form->frameGeometry().center() - centre).manhattanLength() <= 1);
    for (int opening = 0; opening < 2; ++opening) {
        bool inspected = false;
        test_support::WhenModalOpens([&](QWidget *about) {
            inspected = true;
            QCOMPARE(about->objectName(), "Form2");
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QVERIFY(QTest::qWaitForWindowActive(about));
            QCOMPARE(about->windowHandle()->transientParent(), m_form->windowHandle());
            QCOMPARE(focused(), "Command1");
            QTest::keyClick(about, Qt::Key_Escape); // "Chiudi" is no cancel button
            QVERIFY(about->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // "Chiudi"
        });
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(inspected);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void Form1Test::qtsOwnTextsAreItalian() {
    // A right click on the result, as the pointer gives it, opens the field's own menu.
    const QWidget *field = m_form->findChild<QLineEdit *>("Text1");
    QTest::mouseClick(m_form->windowHandle(), Qt::RightButton, {}, field->geometry().center());
    QTRY_VERIFY(QApplication::activePopupWidget());
    QWidget *menu = QApplication::activePopupWidget();
    QString texts;
    for (const QAction *action : menu->actions())
        texts += action->text() + '|';
    menu->close();
    QVERIFY2(texts.contains("&Copia\t") && texts.contains("Seleziona tutto\t"), qPrintable(texts));
}

// The program's own application object, which gives Qt's texts in Italian.
int main(int argc, char *argv[]) {
    tempidex::Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}
#include "form1_test.moc"
