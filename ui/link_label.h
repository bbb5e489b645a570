// The about window's link: the maker's address in a readable blue, a pointing-hand pointer,
// reached with Tab and shown with a focus frame. A click of the left mouse button, Enter or
// Space activates it, and screen readers announce it as a link that can be pressed. The
// second press of a double click is no click: one double click, one action.
#pragma once

#include <QLabel>

namespace tempidex {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false; // a single press of the left button is under way
};

// The link's colour on `background`: pure blue where it reads well (a contrast of at least
// 4.5:1), else the blue nearest to it that does.
QColor LinkColour(const QColor &background);

} // namespace tempidex
