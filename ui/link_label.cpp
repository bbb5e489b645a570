#include "link_label.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace tempidex {

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event) {
    QLabel::mouseDoubleClickEvent(event); // passes the event on as a press
    m_pressed = false;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    // A press that is dragged off the label and released elsewhere is no click.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor &colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double Contrast(const QColor &a, const QColor &b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor LinkColour(const QColor &background) {
    constexpr double Readable = 4.5;
    // Step away from pure blue, towards white and towards black at once, and take the first
    // blue that reads: a dark background gets a lighter blue, a middling one a darker blue.
    // White and black are the last steps, and one of them always reads.
    for (int step = 0; step < 255; ++step) {
        for (const QColor blue : {QColor(step, step, 255), QColor(0, 0, 255 - step)})
            if (Contrast(blue, background) >= Readable)
                return blue;
    }
    return Contrast(Qt::white, background) >= Contrast(Qt::black, background) ? Qt::white
                                                                              : Qt::black;
}

} // namespace tempidex
