// The main window: three lists for the parts of a Latin date, "Calcola" to convert them into
// the result field, "Chiudi" to end the program and "?" for the about window.
//
// Picking an entry in a list (mouse, or an arrow key on the closed list) carries the focus on
// to the next input, so a date can be entered list by list; typing into a list moves nothing.
// The conversion itself lives in the Qt-free core (roman_date.h).
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tempidex {

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

private slots:
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    QComboBox *createComboBox(const char *name, const QRect &geometry,
                              const QString &accessibleName);
    QPushButton *createButton(const char *name, const QString &text, const QRect &geometry);

    QLabel *Label1;
    QComboBox *Combo1;
    QComboBox *Combo2;
    QComboBox *Combo3;
    QPushButton *Command1;
    QPushButton *Command2;
    QLineEdit *Text1;
    QPushButton *Command3;
};

} // namespace tempidex
