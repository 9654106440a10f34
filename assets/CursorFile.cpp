#include "CursorFile.h"

#include "CursorHeader.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <span>

namespace {

bool transparentAllOver(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 0)
                return false;
    }
    return true;
}

} // namespace

std::optional<QCursor> loadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > CursorFileMaxBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const auto header =
        readCursorHeader(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())));
    if (!header)
        return std::nullopt;
    const QImage picture = QImage::fromData(bytes, "CUR");
    if (picture.isNull())
        return std::nullopt;
    if (transparentAllOver(picture))
        return QCursor(Qt::BlankCursor);
    return QCursor(QPixmap::fromImage(picture), header->hotspotX, header->hotspotY);
}
