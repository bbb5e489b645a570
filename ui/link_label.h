// A label that reports a click of the left mouse button, as the about window's link needs.
// The second press of a double click is no click: one double click, one action.
#pragma once

#include <QLabel>

namespace tempidex {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false; // a single press of the left button is under way
};

// The link's colour on `background`: pure blue where it reads well (a contrast of at least
// 4.5:1), else the blue nearest to it that does.
QColor LinkColour(const QColor &background);

} // namespace tempidex
