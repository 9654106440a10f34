#include "Creatures.h"

#include "Canvas.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

namespace {

const QColor BodyLight(214, 150, 84);
const QColor BodyMid(150, 94, 44);
const QColor BodyDark(78, 44, 18);
const QColor Outline(44, 22, 6);

struct Segment {
    QPointF centre;
    qreal rx;
    qreal ry;
};

// One body ring: lit from the upper left so the worm looks round, with a darker rim that keeps
// the rings apart.
void drawSegment(QPainter& p, const Segment& s) {
    QRadialGradient shade(s.centre + QPointF(-s.rx * 0.35, -s.ry * 0.45), s.rx * 1.25);
    shade.setColorAt(0.0, BodyLight);
    shade.setColorAt(0.55, BodyMid);
    shade.setColorAt(1.0, BodyDark);
    p.setPen(QPen(Outline, 0.9));
    p.setBrush(shade);
    p.drawEllipse(s.centre, s.rx, s.ry);
    // A pale belly stripe across each ring.
    p.setPen(QPen(QColor(236, 196, 140, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(s.centre.x() - s.rx * 0.6, s.centre.y() - s.ry * 0.2, s.rx * 1.2, s.ry),
              200 * 16, 140 * 16);
}

void drawEye(QPainter& p, QPointF centre, qreal rx, qreal ry) {
    p.setPen(QPen(Outline, 1.0));
    QRadialGradient white(centre + QPointF(-rx * 0.3, -ry * 0.3), rx * 1.3);
    white.setColorAt(0.0, QColor(255, 255, 255));
    white.setColorAt(1.0, QColor(196, 206, 220));
    p.setBrush(white);
    p.drawEllipse(centre, rx, ry);

    const QPointF irisCentre = centre + QPointF(rx * 0.12, ry * 0.12);
    const qreal irisR = rx * 0.68;
    QRadialGradient iris(irisCentre, irisR);
    iris.setColorAt(0.0, QColor(120, 200, 255));
    iris.setColorAt(0.6, QColor(30, 100, 235));
    iris.setColorAt(1.0, QColor(10, 40, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(irisCentre, irisR, irisR);
    p.setBrush(QColor(8, 8, 24));
    p.drawEllipse(irisCentre, irisR * 0.45, irisR * 0.45);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(irisCentre + QPointF(-irisR * 0.4, -irisR * 0.42), irisR * 0.24, irisR * 0.24);
    p.drawEllipse(irisCentre + QPointF(irisR * 0.35, irisR * 0.38), irisR * 0.1, irisR * 0.1);
}

// The head with its feelers, eye, heavy brow and grin, centred on the given point.
void drawHead(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF root = c + QPointF(side * r * 0.35, -r * 0.8);
        const QPointF tip = c + QPointF(side * r * 0.72, -r * 1.3);
        QPainterPath stalk(root);
        stalk.quadTo(c + QPointF(side * r * 0.4, -r * 1.3), tip);
        p.setBrush(Qt::NoBrush);
        p.drawPath(stalk);
        QRadialGradient bulb(tip + QPointF(-0.6, -0.6), r * 0.2);
        bulb.setColorAt(0.0, QColor(255, 236, 150));
        bulb.setColorAt(1.0, QColor(226, 120, 40));
        p.setBrush(bulb);
        p.setPen(QPen(Outline, 0.8));
        p.drawEllipse(tip, r * 0.16, r * 0.16);
        p.setPen(QPen(Outline, 1.2, Qt::SolidLine, Qt::RoundCap));
    }

    drawSegment(p, {c, r, r * 0.92});
    drawEye(p, c + QPointF(0, -r * 0.12), r * 0.68, r * 0.62);

    // A cross brow over the eye gives the monster its cheeky look.
    QPainterPath brow;
    brow.moveTo(c + QPointF(-r * 0.78, -r * 0.78));
    brow.quadTo(c + QPointF(0, -r * 0.5), c + QPointF(r * 0.8, -r * 0.86));
    p.setPen(QPen(BodyDark, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brow);

    QPainterPath grin;
    grin.moveTo(c + QPointF(-r * 0.42, r * 0.58));
    grin.quadTo(c + QPointF(0, r * 0.92), c + QPointF(r * 0.46, r * 0.56));
    p.setPen(QPen(Outline, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(grin);
    p.setPen(QPen(Outline, 0.6));
    p.setBrush(QColor(255, 250, 235));
    p.drawRect(QRectF(c + QPointF(r * 0.06, r * 0.66), QSizeF(r * 0.18, r * 0.16)));
}

} // namespace

QImage drawMonster(int scale) {
    Canvas canvas(QSize(50, 60), scale, Qt::black);
    QPainter& p = canvas.painter();

    // The body winds down from the head in an S, each ring a little smaller than the last.
    constexpr std::array<Segment, 5> body{{
        {{13, 54}, 6.0, 4.5},
        {{20, 51}, 7.5, 5.5},
        {{29, 48}, 9.0, 6.5},
        {{34, 41}, 9.5, 7.0},
        {{30, 34}, 10.0, 7.0},
    }};
    for (const Segment& s : body)
        drawSegment(p, s);
    drawHead(p, QPointF(25, 21), 13.5);
    return canvas.take();
}

QImage drawExplosion(int scale) {
    Canvas canvas(QSize(50, 45), scale, Qt::black);
    QPainter& p = canvas.painter();
    const QPointF centre(25, 22.5);

    auto burst = [&](qreal outer, qreal inner, int spikes, qreal turn) {
        QPolygonF star;
        for (int i = 0; i < spikes * 2; ++i) {
            const qreal angle = turn + i * std::numbers::pi / spikes;
            // Alternate long and short spikes so the burst looks ragged, not like a cog.
            const qreal r = (i % 2 == 0) ? outer * ((i / 2) % 2 ? 0.86 : 1.0) : inner;
            star << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r * 0.9);
        }
        return star;
    };

    QRadialGradient fire(centre, 24);
    fire.setColorAt(0.0, QColor(255, 255, 230));
    fire.setColorAt(0.25, QColor(255, 240, 60));
    fire.setColorAt(0.55, QColor(255, 170, 10));
    fire.setColorAt(0.8, QColor(250, 90, 0));
    fire.setColorAt(1.0, QColor(200, 20, 0));
    p.setPen(QPen(QColor(210, 0, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fire);
    p.drawPolygon(burst(24, 15, 12, 0.1));

    QRadialGradient core(centre, 13);
    core.setColorAt(0.0, QColor(255, 255, 255));
    core.setColorAt(0.5, QColor(255, 250, 150));
    core.setColorAt(1.0, QColor(255, 210, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawPolygon(burst(14, 9, 9, 0.4));

    // A few sparks thrown clear of the burst.
    p.setBrush(QColor(255, 220, 60));
    for (const QPointF spark : {QPointF(4, 6), QPointF(46, 8), QPointF(3, 38), QPointF(47, 40)})
        p.drawEllipse(spark, 1.3, 1.3);
    return canvas.take();
}

namespace {

// The icon's drawing in its 32 × 32 logical pixels, at whatever size the painter draws.
void paintIcon(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 96, 0));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    drawSegment(p, {{16, 30}, 10, 5});
    drawHead(p, QPointF(15, 18), 10.5);

    // A little red hammer raised over the monster's head.
    p.save();
    p.translate(25, 9.5);
    p.rotate(-35);
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(QColor(170, 110, 50));
    p.drawRect(QRectF(-1, -1, 2, 10));
    p.setBrush(QColor(226, 30, 30));
    p.drawRoundedRect(QRectF(-4.5, -4, 9, 5), 1.5, 1.5);
    p.restore();
}

} // namespace

QImage drawIcon(int scale) {
    Canvas canvas(QSize(32, 32), scale, Qt::black);
    paintIcon(canvas.painter());
    return canvas.take();
}

QImage drawDesktopIcon(int pixels) {
    Canvas canvas(QSizeF(32, 32), QSize(pixels, pixels), Qt::transparent);
    paintIcon(canvas.painter());
    return canvas.take();
}
