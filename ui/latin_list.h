// The main window's lists: a drop-down list with an editable text field that behaves like a
// native Windows combo box. Its text is read exactly as it stands, so
// nothing rewrites what the user typed; the list's entries never change after loading.
//
// - Gaining the focus selects the whole text, however the focus comes (start-up, a program
//   focus move, Tab, the window activated again), so typing replaces it; a click into the
//   field places the caret instead.
// - Up and Down step from the entry whose text is in the field, typed or picked; from a text
//   that is no entry, Down picks the first entry and Up the last. Each step is a pick.
// - The wheel turns only the list that has the focus, one step per turn, like the arrows; over
//   another list it changes nothing and moves no focus.
#pragma once

#include <QComboBox>

namespace tempidex {

class LatinList : public QComboBox {
    Q_OBJECT

public:
    explicit LatinList(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int typedEntry() const;
    void step(int direction);
};

} // namespace tempidex
