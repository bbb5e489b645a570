// A label that reports a click of the left mouse button, as the about window's link needs.
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
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tempidex
