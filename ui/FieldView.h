#pragma once

#include "Geometry.h"

#include <QPointF>
#include <QRect>
#include <QSize>

// Where the game's field stands in the field widget, and how large. The game sees only the
// field's own pixels; in a window the widget is the field at the player's scale, and on a full
// screen the field is as large as fits, centred, with black around it.
class FieldView {
public:
    FieldView() = default;
    // The field at `scale`, filling a widget of widgetSize().
    static FieldView atScale(qreal scale);
    // The field as large as fits in `area`, centred in it; fractional scales too.
    static FieldView fitted(QSize area);

    qreal scale() const { return m_scale; }
    // The field's top left corner in the widget.
    QPointF origin() const { return m_origin; }
    // The widget that holds the field at this scale and nothing more.
    QSize widgetSize() const;

    // A rectangle of the field in widget pixels, grown to whole pixels.
    QRect toWidget(const Rect& rect) const;
    // A rectangle of the widget in field pixels, grown to whole pixels.
    Rect toField(const QRect& rect) const;
    // The field pixel under a point of the widget; outside the field when the point is.
    Point toField(QPointF point) const;
    bool onField(QPointF point) const;

private:
    FieldView(qreal scale, QPointF origin) : m_scale(scale), m_origin(origin) {}

    qreal m_scale = 1.0;
    QPointF m_origin;
};
