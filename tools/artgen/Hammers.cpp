#include "Hammers.h"

#include "Canvas.h"

#include <QLinearGradient>

namespace {

const QColor Outline(40, 16, 8);

// A hammer standing upright in its own frame: the head lies across the top, centred on the origin,
// and the handle hangs down from it. The head's left end is its striking face.
struct HammerShape {
    qreal headLength;
    qreal headHeight;
    qreal handleLength;
    qreal handleWidth;
};

void paintHammer(QPainter& p, const HammerShape& s, qreal outline) {
    const QRectF handle(-s.handleWidth / 2, s.headHeight / 2 - 1, s.handleWidth, s.handleLength);
    QLinearGradient wood(handle.topLeft(), handle.topRight());
    wood.setColorAt(0.0, QColor(120, 70, 30));
    wood.setColorAt(0.4, QColor(196, 132, 70));
    wood.setColorAt(1.0, QColor(100, 56, 22));
    p.setPen(QPen(Outline, outline));
    p.setBrush(wood);
    p.drawRoundedRect(handle, s.handleWidth / 3, s.handleWidth / 3);

    const QRectF head(-s.headLength / 2, -s.headHeight / 2, s.headLength, s.headHeight);
    QLinearGradient metal(head.topLeft(), head.bottomLeft());
    metal.setColorAt(0.0, QColor(255, 140, 130));
    metal.setColorAt(0.3, QColor(236, 36, 30));
    metal.setColorAt(1.0, QColor(130, 0, 0));
    p.setBrush(metal);
    p.drawRoundedRect(head, s.headHeight / 5, s.headHeight / 5);

    // Darker faces at both ends make the head read as a barrel.
    p.setBrush(QColor(150, 10, 10));
    const qreal face = s.headLength / 9;
    p.drawRoundedRect(QRectF(head.left(), head.top(), face, head.height()), 1, 1);
    p.drawRoundedRect(QRectF(head.right() - face, head.top(), face, head.height()), 1, 1);
    p.setPen(QPen(QColor(255, 230, 220, 200), outline, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(head.left() + face + 1.5, head.top() + s.headHeight * 0.25),
               QPointF(head.right() - face - 1.5, head.top() + s.headHeight * 0.25));
}

} // namespace

QImage drawHammer(int scale) {
    Canvas canvas(QSize(50, 40), scale, QColor(0, 150, 40));
    QPainter& p = canvas.painter();
    // Soft lighter grass in the middle keeps the picture lively when it is shrunk.
    QRadialGradient grass(QPointF(25, 20), 30);
    grass.setColorAt(0.0, QColor(60, 200, 80));
    grass.setColorAt(1.0, QColor(0, 120, 30));
    p.fillRect(QRectF(0, 0, 50, 40), grass);
    p.translate(23, 13);
    p.rotate(-18);
    paintHammer(p, {34, 15, 24, 6}, 1.0);
    return canvas.take();
}

CursorPicture drawHammerCursor() {
    constexpr int Size = 32;
    Canvas canvas(QSize(Size, Size), 1, Qt::transparent);
    QPainter& p = canvas.painter();
    const HammerShape shape{17, 9, 17, 4};

    QTransform place;
    place.translate(15, 11);
    place.rotate(35);
    p.setTransform(place, true);
    // A pale halo first, so the cursor stays visible on the black field.
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 170), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(
        QRectF(-shape.headLength / 2, -shape.headHeight / 2, shape.headLength, shape.headHeight), 2,
        2);
    p.drawRect(QRectF(-shape.handleWidth / 2, shape.headHeight / 2, shape.handleWidth,
                      shape.handleLength));
    p.restore();
    paintHammer(p, shape, 0.8);
    QImage image = canvas.take();

    const QPointF face = place.map(QPointF(-shape.headLength / 2, 0));
    const QPoint hotspot(qBound(0, qRound(face.x()), Size - 1),
                         qBound(0, qRound(face.y()), Size - 1));
    return {std::move(image), hotspot};
}
