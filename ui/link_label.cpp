#include "link_label.h"

#include <QMouseEvent>

namespace tempidex {

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    // A press that is dragged off the label and released elsewhere is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace tempidex
