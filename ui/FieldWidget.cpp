#include "FieldWidget.h"

#include "LabelText.h"
#include "Layout.h"
#include "Pictures.h"
#include "Scene.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

QRect toQRect(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

QPoint toQPoint(Point p) {
    return {p.x, p.y};
}

Qt::Alignment toQt(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

FieldWidget::FieldWidget(const Pictures& pictures, QWidget* parent)
    : QWidget(parent), m_pictures(pictures) {
    setFixedSize(FieldSize.width, FieldSize.height);
    // Every pixel is painted by paintEvent, starting from the black field.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void FieldWidget::repaintRects(const std::vector<Rect>& rects) {
    // Painted at once, in the same turn of the event loop as the event that made the change: a
    // hit shows its explosion before the next event is taken, not one turn later.
    QRegion region;
    for (const Rect& r : rects)
        region += m_view.toWidget(r);
    if (!region.isEmpty())
        repaint(region);
}

void FieldWidget::setScale(qreal scale) {
    m_fillsWidget = false;
    setView(FieldView::atScale(scale));
    setFixedSize(m_view.widgetSize());
}

void FieldWidget::fillWidget() {
    m_fillsWidget = true;
    setMinimumSize(1, 1);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setView(FieldView::fitted(size()));
}

void FieldWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_fillsWidget)
        setView(FieldView::fitted(size()));
}

void FieldWidget::setView(const FieldView& view) {
    if (view.scale() != m_view.scale())
        m_stretched.clear();
    m_view = view;
    // A larger field is drawn from the double-size pictures, so that it stays crisp.
    if (m_view.scale() > 1 && !m_largePictures)
        m_largePictures.emplace(2.0);
    update();
}

bool FieldWidget::isCommand(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination().key() |
                               (event.modifiers() & ~Qt::KeypadModifier));
    return m_commandKeys.contains(pressed);
}

bool FieldWidget::reachesGame(const QKeyEvent& event) const {
    // Tab and Shift+Tab belong to focus navigation unless Ctrl or Alt is held.
    const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
    return !tab || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

void FieldWidget::take(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Control) {
        // A held Ctrl repeats on some desktops; it is still one press.
        if (!event.isAutoRepeat())
            m_heldCtrl = event.modifiers();
        return;
    }
    if (isCommand(event)) {
        m_heldCtrl.reset();
        return;
    }
    handHeldCtrl();
    if (reachesGame(event))
        emit keyPressed(event.key(), event.modifiers());
}

void FieldWidget::handHeldCtrl() {
    if (const std::optional<Qt::KeyboardModifiers> held = std::exchange(m_heldCtrl, std::nullopt))
        emit keyPressed(Qt::Key_Control, *held);
}

bool FieldWidget::event(QEvent* event) {
    // A key that is also a shortcut (Alt+T opens the Hammer menu) is taken by the shortcut and
    // never arrives as a key press. The shortcut check comes first for every key, so the game
    // hears the key there, and the event goes on unaccepted so the shortcut still works.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_keyTakenEarly = key->key();
        take(*key);
        event->ignore();
        return false;
    }
    // A modal dialog opening over the window, or the window losing activation, takes the
    // mouse from the field without a release ever reaching it.
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate)
        emit mouseLost();
    return QWidget::event(event);
}

void FieldWidget::keyPressEvent(QKeyEvent* event) {
    if (m_keyTakenEarly != 0 && m_keyTakenEarly == event->key())
        m_keyTakenEarly = 0;
    else
        take(*event);
    // The game never consumes a key: the window may still act on it.
    event->ignore();
}

void FieldWidget::keyReleaseEvent(QKeyEvent* event) {
    // Ctrl let go with nothing pressed meanwhile is a key press of its own for the game.
    if (event->key() == Qt::Key_Control && !event->isAutoRepeat())
        handHeldCtrl();
    event->ignore();
}

void FieldWidget::focusOutEvent(QFocusEvent* event) {
    // A held Ctrl released elsewhere is no key for the game.
    m_heldCtrl.reset();
    // A menu opened from the keyboard takes the mouse along with the keys.
    if (event->reason() == Qt::PopupFocusReason)
        emit mouseLost();
    QWidget::focusOutEvent(event);
}

void FieldWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    if (m_scene == nullptr)
        return;
    // The elements stand in field pixels; text is laid out at the scaled size, not stretched.
    painter.translate(m_view.origin());
    painter.scale(m_view.scale(), m_view.scale());
    const qreal scale = m_view.scale();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale != std::round(scale));
    for (const Element& element : m_scene->elements()) {
        if (element.visible && m_view.toWidget(element.rect).intersects(event->rect()))
            paintElement(painter, element);
    }
}

const Pictures& FieldWidget::pictures() const {
    return m_largePictures && m_view.scale() > 1 ? *m_largePictures : m_pictures;
}

const QPixmap& FieldWidget::pixmapOf(const Element& element) const {
    return element.stretched ? stretched(element.picture, toQRect(element.rect).size())
                             : pictures().pixmap(element.picture);
}

void FieldWidget::paintElement(QPainter& painter, const Element& element) const {
    const QRect rect = toQRect(element.rect);
    if (element.kind == ElementKind::Picture) {
        painter.drawPixmap(rect.topLeft(), pixmapOf(element));
        return;
    }

    // Labels draw no background; each line is aligned on its own and cut at the label's edge.
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(LabelText::font(element.font));
    painter.setPen(QColor(element.color.red, element.color.green, element.color.blue));
    const int lineHeight = QFontMetrics(painter.font()).height();
    int top = rect.top();
    for (const QString& line : LabelText::lines(element.text)) {
        if (top >= rect.bottom() + 1)
            break;
        const QRect lineRect(rect.left(), top, rect.width(), lineHeight);
        painter.drawText(lineRect, int(toQt(element.align) | Qt::AlignTop | Qt::TextSingleLine),
                         line);
        top += lineHeight;
    }
    painter.restore();
}

const QPixmap& FieldWidget::stretched(Picture picture, QSize size) const {
    QPixmap& scaled = m_stretched[picture];
    if (!scaled.isNull() && scaled.deviceIndependentSize().toSize() == size)
        return scaled;
    const QPixmap& original = pictures().pixmap(picture);
    // Scaled in device pixels, so a double-size drawing stays crisp on a high-density screen.
    const qreal ratio = original.devicePixelRatio();
    scaled = original.isNull() ? QPixmap() : original.scaled(size * ratio);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void FieldWidget::pressed(QMouseEvent& event) {
    // A Ctrl held back reaches the game before the press that followed it.
    handHeldCtrl();
    // A press on the black around a full-screen field hits nothing.
    if (m_view.onField(event.position()))
        emit mousePressed(toQPoint(m_view.toField(event.position())),
                          event.globalPosition().toPoint(), event.button());
}

void FieldWidget::mousePressEvent(QMouseEvent* event) {
    pressed(*event);
}

void FieldWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other.
    pressed(*event);
}

void FieldWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(toQPoint(m_view.toField(event->position())), event->globalPosition().toPoint(),
                    event->buttons().testFlag(Qt::LeftButton));
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button());
}
