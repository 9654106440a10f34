#include "Pictures.h"
#include "TestFiles.h"

#include <QImage>
#include <QImageReader>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct WaveFacts {
    QString name;
    double shortest; // seconds
    double longest;
};

// True when some pixel of the picture satisfies the test.
bool anyPixel(const QImage& image, const std::function<bool(QColor)>& test) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

QImage art(const QString& file) {
    return QImage(QStringLiteral(":/art/") + file);
}

} // namespace

TEST(GeneratedFiles, SoundsAreShortMonoPcmWavesWithConsistentHeaders) {
    const std::vector<WaveFacts> sounds{
        {"sound2.wav", 0.05, 0.3},
        {"ending1.wav", 1.0, 4.0},
        {"fanfare4.wav", 0.6, 3.0},
        {"fanfare5.wav", 1.5, 5.0},
    };
    for (const WaveFacts& s : sounds) {
        SCOPED_TRACE(s.name.toStdString());
        const QByteArray wav = readBytes(sourceFile("data/" + s.name));
        ASSERT_GE(wav.size(), 44);
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(le32(wav, 4), static_cast<std::uint32_t>(wav.size() - 8));
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(le32(wav, 16), 16u);
        EXPECT_EQ(le16(wav, 20), 1u) << "PCM";
        EXPECT_EQ(le16(wav, 22), 1u) << "mono";
        const std::uint32_t rate = le32(wav, 24);
        EXPECT_EQ(le32(wav, 28), rate * 2) << "bytes per second";
        EXPECT_EQ(le16(wav, 32), 2u);
        EXPECT_EQ(le16(wav, 34), 16u);
        EXPECT_EQ(wav.mid(36, 4), "data");
        const std::uint32_t dataBytes = le32(wav, 40);
        EXPECT_EQ(dataBytes, static_cast<std::uint32_t>(wav.size() - 44));
        const double seconds = dataBytes / 2.0 / rate;
        EXPECT_GE(seconds, s.shortest);
        EXPECT_LE(seconds, s.longest);

        // Not silence, and not clipped: the loudest sample stays below full scale.
        int loudest = 0;
        for (int i = 44; i + 1 < wav.size(); i += 2)
            loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(le16(wav, i))));
        EXPECT_GT(loudest, 8000);
        EXPECT_LT(loudest, 32767);
    }
}

TEST(GeneratedFiles, CursorFilesAreSingle32By32CursorPictures) {
    for (const char* name : {"data/Zintok.cur", "data/tomei.cur"}) {
        SCOPED_TRACE(name);
        const QByteArray cur = readBytes(sourceFile(name));
        ASSERT_GE(cur.size(), 22 + 40);
        EXPECT_EQ(le16(cur, 0), 0u);
        EXPECT_EQ(le16(cur, 2), 2u) << "a cursor";
        EXPECT_EQ(le16(cur, 4), 1u);
        EXPECT_EQ(static_cast<std::uint8_t>(cur[6]), 32);
        EXPECT_EQ(static_cast<std::uint8_t>(cur[7]), 32);
        EXPECT_EQ(le32(cur, 18), 22u);
        EXPECT_EQ(le32(cur, 14) + 22, static_cast<std::uint32_t>(cur.size()));
        EXPECT_EQ(QImage::fromData(cur, "CUR").size(), QSize(32, 32));
    }
}

TEST(GeneratedFiles, TheHammerCursorStrikesWithAPaintedPixelAndTomeiShowsNothing) {
    const QByteArray hammer = readBytes(sourceFile("data/Zintok.cur"));
    const QImage hammerPicture = QImage::fromData(hammer, "CUR");
    const QPoint hotspot(static_cast<int>(le16(hammer, 10)), static_cast<int>(le16(hammer, 12)));
    EXPECT_GT(hammerPicture.pixelColor(hotspot).alpha(), 0) << "the hotspot lies on the hammer";
    EXPECT_TRUE(anyPixel(hammerPicture, [](QColor c) {
        return c.alpha() == 255 && c.red() > 150 && c.green() < 80;
    })) << "a red head";

    const QImage clear = QImage::fromData(readBytes(sourceFile("data/tomei.cur")), "CUR");
    EXPECT_FALSE(anyPixel(clear, [](QColor c) { return c.alpha() != 0; }));
}

TEST(GeneratedFiles, PicturesHaveTheirLayoutSizesAtEveryDensity) {
    const std::vector<std::pair<Picture, QSize>> sizes{
        {Picture::Monster, {50, 60}}, {Picture::Explosion, {50, 45}}, {Picture::Hammer, {50, 40}},
        {Picture::Title1, {470, 73}}, {Picture::Title2, {480, 61}},   {Picture::Credit, {200, 43}},
    };
    const Pictures ordinary(1.0);
    const Pictures dense(2.0);
    for (const auto& [picture, size] : sizes) {
        SCOPED_TRACE(static_cast<int>(picture));
        EXPECT_EQ(ordinary.pixmap(picture).size(), size);
        EXPECT_EQ(ordinary.logicalSize(picture), size);
        EXPECT_EQ(dense.pixmap(picture).size(), size * 2) << "drawn at double size";
        EXPECT_EQ(dense.logicalSize(picture), size) << "laid out at the same size";
    }
    EXPECT_TRUE(ordinary.pixmap(Picture::None).isNull());
    EXPECT_TRUE(ordinary.windowIcon().availableSizes().contains(QSize(32, 32)));
}

namespace {

// The colour type of a PNG file, from its header: 2 for 24-bit colour, 3 for a palette.
int pngColourType(const QString& file) {
    const QByteArray png = readBytes(QStringLiteral(":/art/") + file);
    return png.size() > 25 && png.mid(12, 4) == "IHDR" ? png[25] : -1;
}

} // namespace

TEST(GeneratedFiles, PaletteAndTrueColourPicturesAreStoredAsSuch) {
    for (const char* file : {"explosion.png", "explosion@2x.png", "icon.png", "icon@2x.png"}) {
        EXPECT_EQ(pngColourType(file), 3) << file;
        EXPECT_EQ(art(file).format(), QImage::Format_Indexed8) << file;
    }
    EXPECT_EQ(art("icon.png").size(), QSize(32, 32));
    for (const char* file : {"monster.png", "title1.png", "title2.png", "credit.png"}) {
        EXPECT_EQ(pngColourType(file), 2) << file;
        EXPECT_EQ(readBytes(QStringLiteral(":/art/") + file)[24], 8)
            << file << ": 8 bits a channel";
    }
    QImageReader hammer(QStringLiteral(":/art/hammer.jpg"));
    EXPECT_EQ(hammer.format(), "jpeg");
}

TEST(GeneratedFiles, PicturesShowWhatTheyAreMeantTo) {
    const QImage monster = art("monster.png");
    EXPECT_EQ(monster.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_TRUE(anyPixel(monster, [](QColor c) { return c.blue() > 180 && c.red() < 80; }))
        << "a blue eye";
    EXPECT_TRUE(anyPixel(monster, [](QColor c) {
        return c.red() > 120 && c.green() > 70 && c.green() < c.red() && c.blue() < c.green();
    })) << "a brown body";

    const QImage explosion = art("explosion.png");
    EXPECT_EQ(explosion.pixelColor(0, 22), QColor(Qt::black));
    const QColor centre = explosion.pixelColor(25, 22);
    EXPECT_GT(centre.red(), 220);
    EXPECT_GT(centre.green(), 200);
    EXPECT_TRUE(anyPixel(explosion, [](QColor c) { return c.red() > 180 && c.green() < 60; }))
        << "a red rim";

    for (const char* title : {"title1.png", "title2.png"}) {
        const QImage lettering = art(title);
        EXPECT_TRUE(anyPixel(lettering, [](QColor c) { return c.green() > 180 && c.red() < 90; }))
            << title << " in green";
        EXPECT_TRUE(anyPixel(lettering,
                             [](QColor c) {
                                 return c.red() > 100 && std::abs(c.red() - c.green()) < 8 &&
                                        std::abs(c.red() - c.blue()) < 8;
                             }))
            << title << " with grey relief";
    }

    EXPECT_TRUE(anyPixel(art("credit.png"), [](QColor c) {
        return c.blue() > 150 && c.red() < 40 && c.green() < 60;
    })) << "blue lettering";
}
