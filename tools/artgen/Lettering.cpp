#include "Lettering.h"

#include "Canvas.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <random>

namespace {

// The text as an outline, stretched to fill the box: the title's letters are wide and tall like a
// sign, whatever the font's own proportions.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    return fit.map(path);
}

QFont letteringFont(int pixelSize, bool bold, bool italic) {
    QFont font(LetteringFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QImage drawTitleLine(const QString& text, QSize size, int scale) {
    Canvas canvas(size, scale, Qt::black);
    QPainter& p = canvas.painter();
    constexpr qreal Depth = 6;
    const QRectF box(3, 2, size.width() - Depth - 6, size.height() - Depth - 4);
    const QPainterPath letters = fittedText(text, letteringFont(64, true, false), box);

    // The relief: the letters extruded down and to the right in greys that darken with depth.
    p.setPen(Qt::NoPen);
    for (int step = static_cast<int>(Depth); step >= 1; --step) {
        const int grey = 70 + (static_cast<int>(Depth) - step) * 22;
        p.setBrush(QColor(grey, grey, grey));
        p.drawPath(letters.translated(step, step));
    }

    QLinearGradient green(box.topLeft(), box.bottomLeft());
    green.setColorAt(0.0, QColor(190, 255, 170));
    green.setColorAt(0.35, QColor(40, 230, 40));
    green.setColorAt(0.7, QColor(0, 160, 20));
    green.setColorAt(1.0, QColor(0, 100, 10));
    p.setPen(QPen(QColor(0, 60, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(green);
    p.drawPath(letters);

    // A thin shine along the upper edge of every stroke.
    p.setPen(QPen(QColor(240, 255, 230, 150), 0.9));
    p.setBrush(Qt::NoBrush);
    p.setClipPath(letters);
    p.drawPath(letters.translated(1.2, 1.2));
    return canvas.take();
}

QImage drawCreditBanner(const QString& text, int scale) {
    const QSize size(200, 43);
    Canvas canvas(size, scale, QColor(250, 240, 210));
    QPainter& p = canvas.painter();

    // Soft blotches of many colours, from a fixed seed so the banner is the same every time.
    std::mt19937 seed(20250405u);
    auto next = [&seed](int limit) {
        return static_cast<int>(seed() % static_cast<unsigned>(limit));
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const QPointF at(next(size.width()), next(size.height()));
        const qreal r = 4 + next(10);
        QColor colour = QColor::fromHsv(next(360), 70 + next(90), 215 + next(40));
        QRadialGradient blot(at, r);
        blot.setColorAt(0.0, colour);
        colour.setAlpha(0);
        blot.setColorAt(1.0, colour);
        p.setBrush(blot);
        p.drawEllipse(at, r, r);
    }
    p.setPen(QPen(QColor(30, 60, 180), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.75, 0.75, size.width() - 1.5, size.height() - 1.5));

    QFont font = letteringFont(20, true, true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate((size.width() - bounds.width()) / 2 - bounds.left(),
                   (size.height() - bounds.height()) / 2 - bounds.top());
    // A white halo keeps the blue letters legible over any blotch.
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 200));
    p.drawPath(path);
    return canvas.take();
}
