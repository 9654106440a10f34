#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

// A blank picture and a painter over it that draws in the picture's logical pixels, whatever the
// scale: scale 1 gives the ordinary picture, scale 2 the one for high-density screens.
class Canvas {
public:
    Canvas(QSize logicalSize, int scale, QColor background)
        : Canvas(QSizeF(logicalSize), logicalSize * scale, background) {}
    // The picture drawn at any size in pixels, the drawing's coordinates still the logical ones.
    Canvas(QSizeF logicalSize, QSize pixels, QColor background)
        : m_image(pixels, QImage::Format_ARGB32_Premultiplied) {
        m_image.fill(background);
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(pixels.width() / logicalSize.width(),
                        pixels.height() / logicalSize.height());
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return m_painter; }

    // Finishes the drawing and hands the picture over.
    QImage take() {
        m_painter.end();
        return std::move(m_image);
    }

private:
    QImage m_image;
    QPainter m_painter;
};
