#include "Pictures.h"

#include "JpegDecoder.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtDebug>
#include <span>

namespace {

// The sizes the game lays its elements out with; the drawings are made for them.
struct Artwork {
    const char* name;
    QSize size;
};
constexpr Artwork Monster{"monster", {50, 60}};
constexpr Artwork Explosion{"explosion", {50, 45}};
constexpr Artwork Hammer{"hammer", {50, 40}};
constexpr Artwork Title1{"title1", {470, 73}};
constexpr Artwork Title2{"title2", {480, 61}};
constexpr Artwork Credit{"credit", {200, 43}};

QString resourcePath(const Artwork& art, int scale, const char* suffix) {
    return QStringLiteral(":/art/%1%2.%3")
        .arg(QLatin1String(art.name), scale == 2 ? QStringLiteral("@2x") : QString(),
             QLatin1String(suffix));
}

// A picture that could not be read still takes its place, empty, so the game goes on.
QPixmap missing(const Artwork& art, const QString& why) {
    qWarning("picture %s: %s", art.name, qPrintable(why));
    QPixmap blank(art.size);
    blank.fill(Qt::transparent);
    return blank;
}

QPixmap withScale(QImage image, const Artwork& art, int scale) {
    if (image.size() != art.size * scale)
        return missing(art, QStringLiteral("unexpected size"));
    image.setDevicePixelRatio(scale);
    return QPixmap::fromImage(std::move(image));
}

QPixmap loadPng(const Artwork& art, int scale) {
    QImage image(resourcePath(art, scale, "png"));
    if (image.isNull())
        return missing(art, QStringLiteral("cannot be read"));
    return withScale(std::move(image), art, scale);
}

// The hammer is a JPEG, decoded with libjpeg by the game itself.
QPixmap loadJpeg(const Artwork& art, int scale) {
    QFile file(resourcePath(art, scale, "jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return missing(art, QStringLiteral("cannot be read"));
    const QByteArray bytes = file.readAll();
    try {
        const JpegImage decoded =
            decodeJpeg(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
        const QImage view(decoded.rgb.data(), decoded.width, decoded.height, decoded.width * 3,
                          QImage::Format_RGB888);
        return withScale(view.copy(), art, scale);
    } catch (const JpegError& error) {
        return missing(art, QString::fromUtf8(error.what()));
    }
}

QPixmap load(Picture picture, int scale) {
    switch (picture) {
    case Picture::Monster:
        return loadPng(Monster, scale);
    case Picture::Explosion:
        return loadPng(Explosion, scale);
    case Picture::Hammer:
        return loadJpeg(Hammer, scale);
    case Picture::Title1:
        return loadPng(Title1, scale);
    case Picture::Title2:
        return loadPng(Title2, scale);
    case Picture::Credit:
        return loadPng(Credit, scale);
    case Picture::None:
        break;
    }
    return {};
}

int scaleFor(qreal devicePixelRatio) {
    return devicePixelRatio > 1.0 ? 2 : 1;
}

} // namespace

Pictures::Pictures() : Pictures(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) {}

Pictures::Pictures(qreal devicePixelRatio) : m_scale(scaleFor(devicePixelRatio)) {}

const QPixmap& Pictures::pixmap(Picture picture) const {
    std::optional<QPixmap>& slot = m_pixmaps.at(static_cast<std::size_t>(picture));
    if (!slot)
        slot = load(picture, m_scale);
    return *slot;
}

QSize Pictures::logicalSize(Picture picture) const {
    return pixmap(picture).deviceIndependentSize().toSize();
}

QIcon Pictures::windowIcon() const {
    // Each size is decoded once here; adding the files by name would read them again and again.
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/art/icon.png")));
    icon.addPixmap(QPixmap(QStringLiteral(":/art/icon@2x.png")));
    return icon;
}
