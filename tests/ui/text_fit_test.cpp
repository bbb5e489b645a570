// Every text of both windows fits the box it was drawn for, with the fonts that stand in for
// "MS Sans Serif". CTest runs this at scale factors 1, 1.5 and 2.
#include "form1.h"
#include "form2.h"
#include "vocabulary.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <string_view>

namespace {

QString FitReport(const QWidget *widget, const QString &text, int needed, int available) {
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4 (scale %5)")
        .arg(widget->objectName(), text)
        .arg(needed)
        .arg(available)
        .arg(qgetenv("QT_SCALE_FACTOR"));
}

// The room a label's text has: its box, cut by the window's edge.
void CheckLabels(const QWidget *window) {
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        const QRect visible = label->geometry().intersected(window->rect());
        const int needed = metrics.horizontalAdvance(label->text());
        QVERIFY2(needed <= visible.width(),
                 qPrintable(FitReport(label, label->text(), needed, visible.width())));
        QVERIFY2(metrics.height() <= visible.height(),
                 qPrintable(FitReport(label, "height", metrics.height(), visible.height())));
    }
}

void CheckButtons(const QWidget *window) {
    constexpr int FramePadding = 8; // the button's frame and bevel, both sides together
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        const int needed = metrics.horizontalAdvance(button->text()) + FramePadding;
        QVERIFY2(needed <= button->width(),
                 qPrintable(FitReport(button, button->text(), needed, button->width())));
        QVERIFY2(metrics.height() + FramePadding <= button->height(),
                 qPrintable(FitReport(button, "height", metrics.height(), button->height())));
    }
}

int EditFieldWidth(const QComboBox *combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    option.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const QMargins margins = combo->lineEdit()->textMargins();
    constexpr int LineEditPadding = 4; // QLineEdit's own horizontal margin, both sides
    return field.width() - margins.left() - margins.right() - LineEditPadding;
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void substituteFaceHasArialMetrics();
    void mainWindowTextsFit();
    void listEntriesFitTheirEditFields();
    void everyResultFitsTheResultField();
    void aboutWindowTextsFit();
};

void TextFitTest::substituteFaceHasArialMetrics() {
    tempidex::Form1 form;
    const QString family = QFontInfo(form.findChild<QLabel *>("Label1")->font()).family();
    QVERIFY2(QStringList({"MS Sans Serif", "Liberation Sans", "Nimbus Sans", "Arial", "Helvetica"})
                 .contains(family),
             qPrintable(family));
}

void TextFitTest::mainWindowTextsFit() {
    tempidex::Form1 form;
    CheckLabels(&form);
    CheckButtons(&form);
}

void TextFitTest::listEntriesFitTheirEditFields() {
    tempidex::Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const QComboBox *combo : form.findChildren<QComboBox *>()) {
        const QFontMetrics metrics(combo->lineEdit()->font());
        const int available = EditFieldWidth(combo);
        for (int i = 0; i < combo->count(); ++i) {
            const int needed = metrics.horizontalAdvance(combo->itemText(i));
            QVERIFY2(needed <= available,
                     qPrintable(FitReport(combo, combo->itemText(i), needed, available)));
        }
    }
}

void TextFitTest::everyResultFitsTheResultField() {
    tempidex::Form1 form;
    const auto *field = form.findChild<QLineEdit *>("Text1");
    const QFontMetrics metrics(field->font());
    const int available = field->width() - 2 * 2 - 4; // frame and QLineEdit's margin
    QStringList texts{QString::fromUtf8(tempidex::ErrorDateNotCorrect.data()),
                      QString::fromUtf8(tempidex::ErrorMonthNotCorrect.data()),
                      QString::fromUtf8(tempidex::ErrorDateNonexistent.data())};
    for (const auto &row : tempidex::MonthTable)
        for (std::string_view name : {row.precedingName, row.currentName})
            texts << "28 " + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const QString &text : texts) {
        const int needed = metrics.horizontalAdvance(text);
        QVERIFY2(needed <= available, qPrintable(FitReport(field, text, needed, available)));
    }
}

void TextFitTest::aboutWindowTextsFit() {
    tempidex::Form2 form;
    CheckLabels(&form);
    CheckButtons(&form);
    // The description's box reaches past the window's edge; its text must not.
    const auto *description = form.findChild<QLabel *>("Label2");
    QVERIFY(description->geometry().right() > form.rect().right());
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
