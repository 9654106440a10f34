// Draws the game's pictures, cursors and sounds and writes them into the repository:
// pictures to assets/art (carried in the program), cursors and sounds to data (beside it),
// the desktop icons to desktop/icons.
//
//   zunbario-artgen <repository folder> [--sheet <png>]
//
// --sheet also writes every picture, enlarged, onto one sheet for looking them over.

#include "Creatures.h"
#include "FileWriters.h"
#include "Hammers.h"
#include "Lettering.h"
#include "Sounds.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <functional>
#include <vector>

namespace {

const QString TitleFirstLine = QStringLiteral("ズンバリオ");
const QString TitleSecondLine = QStringLiteral("モンスターたたき！");
const QString Credit = QStringLiteral("© 2025 ずんば工房");

enum class Depth { TrueColour, Palette };

struct Artwork {
    QString name;
    std::function<QImage(int scale)> draw;
    Depth depth;
};

std::vector<Artwork> artworks() {
    return {
        {"monster", drawMonster, Depth::TrueColour},
        {"explosion", drawExplosion, Depth::Palette},
        {"title1",
         [](int s) {
             return drawTitleLine(TitleFirstLine, {470, 73}, s);
         },
         Depth::TrueColour},
        {"title2",
         [](int s) {
             return drawTitleLine(TitleSecondLine, {480, 61}, s);
         },
         Depth::TrueColour},
        {"credit", [](int s) { return drawCreditBanner(Credit, s); }, Depth::TrueColour},
        {"icon", drawIcon, Depth::Palette},
    };
}

QImage inDepth(const QImage& image, Depth depth) {
    if (depth == Depth::Palette)
        return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    return image.convertToFormat(QImage::Format_RGB888);
}

QString scaledName(const QString& name, int scale, const char* suffix) {
    return name + (scale == 2 ? QStringLiteral("@2x") : QString()) + QLatin1String(suffix);
}

// Every picture laid out in rows, the small ones enlarged so single pixels can be judged.
QImage contactSheet(const std::vector<QImage>& pictures) {
    constexpr int Width = 1400;
    constexpr int Gap = 8;
    std::vector<QRect> places;
    QPoint at(Gap, Gap);
    int rowHeight = 0;
    for (const QImage& p : pictures) {
        const int zoom = p.width() <= 100 ? 4 : (p.width() <= 200 ? 2 : 1);
        const QSize size = p.size() * zoom;
        if (at.x() + size.width() > Width) {
            at = QPoint(Gap, at.y() + rowHeight + Gap);
            rowHeight = 0;
        }
        places.emplace_back(at, size);
        at.rx() += size.width() + Gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(Width, at.y() + rowHeight + Gap, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 90));
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        painter.drawImage(places[i], pictures[i]);
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == "--sheet")) {
        err << "usage: zunbario-artgen <repository folder> [--sheet <png>]\n";
        return 2;
    }
    if (!QFontDatabase::families().contains(LetteringFamily)) {
        err << "the font " << LetteringFamily << " is not installed\n";
        return 1;
    }
    const QDir root(args[1]);
    const QString art = root.filePath("assets/art");
    const QString data = root.filePath("data");
    const QString icons = root.filePath("desktop/icons");
    if (!QDir().mkpath(art) || !QDir().mkpath(data) || !QDir().mkpath(icons)) {
        err << "cannot create " << art << ", " << data << " or " << icons << "\n";
        return 1;
    }

    bool ok = true;
    std::vector<QImage> sheet;
    for (const Artwork& a : artworks()) {
        for (const int scale : {1, 2}) {
            const QImage picture = inDepth(a.draw(scale), a.depth);
            const QString file = QDir(art).filePath(scaledName(a.name, scale, ".png"));
            ok &= a.depth == Depth::Palette ? picture.save(file, "PNG")
                                            : writeUnfilteredPng(file, picture);
            sheet.push_back(picture);
        }
    }
    for (const int scale : {1, 2}) {
        const QImage hammer = drawHammer(scale);
        ok &= writeJpegFile(QDir(art).filePath(scaledName("hammer", scale, ".jpg")), hammer, 92);
        sheet.push_back(hammer);
    }

    // The desktop's icon theme sizes, each drawn at its own size.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = drawDesktopIcon(size);
        ok &= icon.save(QDir(icons).filePath(QStringLiteral("%1.png").arg(size)), "PNG");
        sheet.push_back(icon);
    }

    const CursorPicture cursor = drawHammerCursor();
    ok &= writeCursorFile(QDir(data).filePath("Zintok.cur"), cursor.image, cursor.hotspot);
    QImage clear(32, 32, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ok &= writeCursorFile(QDir(data).filePath("tomei.cur"), clear, QPoint(0, 0));
    QImage cursorOnField(32, 32, QImage::Format_RGB32);
    cursorOnField.fill(Qt::black);
    QPainter(&cursorOnField).drawImage(0, 0, cursor.image);
    cursorOnField.setPixelColor(cursor.hotspot, Qt::magenta);
    sheet.push_back(cursorOnField);

    const std::vector<std::pair<const char*, std::vector<std::int16_t>>> sounds{
        {"sound2.wav", synthesizeHit()},
        {"ending1.wav", synthesizeGameOver()},
        {"fanfare4.wav", synthesizeLevelClear()},
        {"fanfare5.wav", synthesizeGameClear()},
    };
    for (const auto& [name, samples] : sounds)
        ok &= writeWaveFile(QDir(data).filePath(name), samples, SoundRate);

    if (args.size() == 4)
        ok &= contactSheet(sheet).save(args[3], "PNG");
    if (!ok) {
        err << "some files could not be written\n";
        return 1;
    }
    return 0;
}
