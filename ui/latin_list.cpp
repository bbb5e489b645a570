#include "latin_list.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace tempidex {

LatinList::LatinList(QWidget *parent)
    : QComboBox(parent) {
    setEditable(true);
    // A combo box takes the focus from the wheel too (Qt::WheelFocus), before the wheel turns
    // it: a list without the focus would then turn and move the focus on. Lists take the
    // focus from the keyboard and the mouse only, and the wheel turns just the focused one.
    setFocusPolicy(Qt::StrongFocus);
    // The texts are compared exactly, and the lists never change after loading: no
    // case-insensitive completion that rewrites what was typed, no Enter that appends it.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // When the edit field loses the focus, QComboBox selects the entry whose text was typed
    // and reports it as picked; typing is not picking, so the focus must not jump for it.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void LatinList::showPopup() {
    QComboBox::showPopup();
    // The drop-down opens on what the field shows, which may have been typed.
    const int typed = typedEntry();
    if (typed < 0) {
        view()->clearSelection();
        view()->setCurrentIndex({});
        return;
    }
    const QModelIndex entry = model()->index(typed, modelColumn(), rootModelIndex());
    view()->setCurrentIndex(entry);
    view()->scrollTo(entry);
}

void LatinList::focusInEvent(QFocusEvent *event) {
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason) // a click places the caret itself
        lineEdit()->selectAll();
}

void LatinList::keyPressEvent(QKeyEvent *event) {
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    const int key = event->key();
    const bool up = key == Qt::Key_Up || key == Qt::Key_PageUp;
    const bool down = key == Qt::Key_Down || key == Qt::Key_PageDown;
    if (plain && (up || down)) {
        event->accept();
        step(up ? -1 : +1);
        return;
    }
    QComboBox::keyPressEvent(event); // Alt+Down still opens the list
}

void LatinList::wheelEvent(QWheelEvent *event) {
    const int delta = event->angleDelta().y();
    if (!hasFocus() || delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    step(delta > 0 ? -1 : +1); // turning the wheel away from the user goes up the list
}

// The entry whose text is exactly what the field shows, or -1.
int LatinList::typedEntry() const {
    return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void LatinList::step(int direction) {
    const int typed = typedEntry();
    const int next = typed >= 0 ? typed + direction : direction > 0 ? 0 : count() - 1;
    if (next < 0 || next >= count())
        return;            // already at the end: nothing is picked
    setCurrentIndex(next); // puts the entry's text in the field, also over a typed one
    emit activated(next);
    emit textActivated(itemText(next));
}

} // namespace tempidex
