#include "form1.h"

#include "build_info.h"
#include "fonts.h"
#include "form2.h"
#include "latin_list.h"
#include "screen_centring.h"
#include "twips.h"
#include "window/roman_date.h"
#include "window/window_lists.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <span>
#include <string_view>

namespace tempidex {
namespace {

constexpr QSize ClientSize = TwipsSize(6270, 2175);
// Three rows: the title with "?" in its corner; the lists with "Calcola"; the result with
// "Chiudi". The result field is exactly as wide as the row of lists.
constexpr QRect Label1Geometry = TwipsRect(120, 240, 5415, 495);
constexpr QRect Combo1Geometry = TwipsRect(240, 840, 1335, 360);
constexpr QRect Combo2Geometry = TwipsRect(1800, 840, 1335, 360);
constexpr QRect Combo3Geometry = TwipsRect(3360, 840, 1335, 360);
constexpr QRect Command1Geometry = TwipsRect(4920, 840, 1095, 495);
constexpr QRect Command2Geometry = TwipsRect(4920, 1440, 1095, 495);
constexpr QRect Text1Geometry = TwipsRect(240, 1440, 4455, 495);
constexpr QRect Command3Geometry = TwipsRect(5640, 240, 375, 375);

constexpr qreal TitlePointSize = 12.0;
constexpr qreal ListPointSize = 9.75;
constexpr qreal ResultPointSize = 12.0;

void FillList(QComboBox *list, std::span<const std::string_view> entries) {
    for (std::string_view entry : entries)
        list->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    list->setMaxVisibleItems(list->count()); // the whole list drops down, no scrolling
}

std::string_view ViewOf(const QByteArray &text) {
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

// Focus moves on only to an input that is on the screen: the selections made while the
// window is still hidden move nothing.
void AdvanceFocus(QWidget *target) {
    if (target->isVisible())
        target->setFocus(Qt::OtherFocusReason);
}

} // namespace

// A window of fixed size: no maximize button, and on Windows a frame that cannot be dragged
// (without the last hint Windows gets a resizable frame, and Wine a maximize button with it),
// since the controls stand where they are placed and would not follow.
Form1::Form1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1Char(' ') + QLatin1String(build_info::ProductName));
    setFont(SansSerifFont(WindowFontPointSize));
    setFixedSize(ClientSize);

    Label1 = new QLabel(QLatin1String(build_info::Description), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Label1Geometry);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(SansSerifFont(TitlePointSize, QFont::Bold));

    Combo1 = createComboBox("Combo1", Combo1Geometry, tr("Giorno: designazione latina"));
    Combo2 = createComboBox("Combo2", Combo2Geometry, tr("Giorno di riferimento"));
    Combo3 = createComboBox("Combo3", Combo3Geometry, tr("Mese"));
    Command1 = createButton("Command1", QStringLiteral("Calcola"), Command1Geometry);
    Command2 = createButton("Command2", QStringLiteral("Chiudi"), Command2Geometry);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(Text1Geometry);
    Text1->setFont(SansSerifFont(ResultPointSize));
    Text1->setReadOnly(true); // the program writes it; the user may still select and copy
    Text1->setAccessibleName(tr("Risultato"));
    Text1->setAccessibleDescription(tr("La data moderna corrispondente, o un messaggio di errore"));
    // Set apart from the white lists in the shade of a scroll-bar trough: it is an answer,
    // not a place to type.
    QPalette resultPalette = Text1->palette();
    resultPalette.setColor(QPalette::Base, resultPalette.color(QPalette::Midlight));
    Text1->setPalette(resultPalette);

    Command3 = createButton("Command3", QStringLiteral("?"), Command3Geometry);
    Command3->setAccessibleName(tr("Informazioni su Tempidex"));
    Command3->setToolTip(tr("Informazioni su Tempidex"));

    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    setTabOrder(Combo3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    setTabOrder(Text1, Command3);

    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &Form1::Combo3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Form_Load();
    CentreOnScreen(this);
}

QComboBox *Form1::createComboBox(const char *name, const QRect &geometry,
                                 const QString &accessibleName) {
    auto *list = new LatinList(this);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setFont(SansSerifFont(ListPointSize));
    list->setAccessibleName(accessibleName);
    return list;
}

QPushButton *Form1::createButton(const char *name, const QString &text, const QRect &geometry) {
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(true); // Enter presses the focused button, as Space does
    return button;
}

void Form1::Form_Load() {
    FillList(Combo3, MonthEntries);
    Combo3->setCurrentIndex(0);
    FillList(Combo1, Designations);
    Combo1->setCurrentIndex(0);
    FillList(Combo2, ReferenceDays);
    Combo2->setCurrentIndex(0);
}

void Form1::Combo1_Click() {
    AdvanceFocus(Combo2);
}

void Form1::Combo2_Click() {
    AdvanceFocus(Combo3);
}

void Form1::Combo3_Click() {
    AdvanceFocus(Command1);
}

void Form1::Command1_Click() {
    const QByteArray designation = Combo1->currentText().toUtf8();
    const QByteArray reference = Combo2->currentText().toUtf8();
    const QByteArray month = Combo3->currentText().toUtf8();
    const ListReading date = ReadListTexts(ViewOf(designation), ViewOf(reference), ViewOf(month));
    const ConversionResult result = ConvertRomanDate(date);
    Text1->setText(QString::fromStdString(result.text));
    // How the day was counted, or why there is none, for whoever hovers over the result or
    // reads it with a screen reader.
    const QString why = QString::fromStdString(ExplainListReading(date));
    Text1->setToolTip(why);
    Text1->setAccessibleDescription(why);
    switch (result.focus) {
    case FocusTarget::Combo1:
        Combo1->setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::Combo2:
        Combo2->setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::Combo3:
        Combo3->setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::None:
        break;
    }
}

void Form1::Command2_Click() {
    close();
}

void Form1::Command3_Click() {
    // Owned by the main window, so the window manager keeps the two together: the about
    // window can be neither lost behind the main window nor minimised away from it.
    Form2 about(this);
    about.exec();
}

} // namespace tempidex
