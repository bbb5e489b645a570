#include "link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace tempidex {
namespace {

// The pointing hand, with the hot spot its image carries.
QCursor LinkCursor() {
    const QImage hand(QStringLiteral(":/cursors/link.png"));
    return QCursor(QPixmap::fromImage(hand), hand.text(QStringLiteral("HotSpotX")).toInt(),
                   hand.text(QStringLiteral("HotSpotY")).toInt());
}

// What a screen reader is told: a link, which can be pressed.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && text.isEmpty()
                   ? static_cast<const QLabel *>(widget())->text()
                   : text;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction())
            emit static_cast<LinkLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *LinkAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object)
        return new LinkAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent) {
    static const bool accessible = (QAccessible::installFactory(LinkAccessibleFactory), true);
    Q_UNUSED(accessible);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, LinkColour(linkPalette.color(QPalette::Window)));
    setPalette(linkPalette);
    setCursor(LinkCursor());
    // Reached with Tab; a click opens the link and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A frame around the address, where the style draws one around a focused button's text.
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    const QRect textRect =
        QStyle::alignedRect(layoutDirection(), alignment(),
                            fontMetrics().size(Qt::TextSingleLine, text()), contentsRect());
    frame.rect = textRect.adjusted(-1, 0, 1, 0).intersected(rect());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

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
