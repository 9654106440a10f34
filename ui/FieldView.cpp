#include "FieldView.h"

#include "Layout.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

namespace {

const QSizeF Field(FieldSize.width, FieldSize.height);

} // namespace

FieldView FieldView::atScale(qreal scale) {
    return {scale, {}};
}

FieldView FieldView::fitted(QSize area) {
    const qreal scale = std::min(area.width() / Field.width(), area.height() / Field.height());
    if (scale <= 0)
        return {};
    const QPointF origin((area.width() - Field.width() * scale) / 2,
                         (area.height() - Field.height() * scale) / 2);
    return {scale, origin};
}

QSize FieldView::widgetSize() const {
    return (Field * m_scale).toSize();
}

QRect FieldView::toWidget(const Rect& rect) const {
    const QRectF r(m_origin.x() + rect.left * m_scale, m_origin.y() + rect.top * m_scale,
                   rect.width * m_scale, rect.height * m_scale);
    return r.toAlignedRect();
}

Rect FieldView::toField(const QRect& rect) const {
    const QRectF r((rect.left() - m_origin.x()) / m_scale, (rect.top() - m_origin.y()) / m_scale,
                   rect.width() / m_scale, rect.height() / m_scale);
    const QRect field = r.toAlignedRect();
    return {field.left(), field.top(), field.width(), field.height()};
}

Point FieldView::toField(QPointF point) const {
    return {static_cast<int>(std::floor((point.x() - m_origin.x()) / m_scale)),
            static_cast<int>(std::floor((point.y() - m_origin.y()) / m_scale))};
}

bool FieldView::onField(QPointF point) const {
    const Point p = toField(point);
    return p.x >= 0 && p.y >= 0 && p.x < FieldSize.width && p.y < FieldSize.height;
}
