#include "CursorFile.h"

#include "CursorHeader.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray hammerCursor() {
    return readBytes(sourceFile("data/Zintok.cur"));
}

class CursorFileLoad : public ::testing::Test {
protected:
    QString damaged(const QByteArray& bytes) {
        const QString path = m_dir.filePath("damaged.cur");
        writeBytes(path, bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST(CursorHeader, ReadsTheHotspotFromBytesTenAndTwelve) {
    QByteArray bytes = hammerCursor();
    bytes[10] = 7;
    bytes[11] = 0;
    bytes[12] = 19;
    bytes[13] = 0;
    const auto header = readCursorHeader(asSpan(bytes));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->hotspotX, 7);
    EXPECT_EQ(header->hotspotY, 19);
    EXPECT_EQ(header->width, 32);
    EXPECT_EQ(header->height, 32);
}

TEST(CursorHeader, AHotspotBeyondThePictureIsMovedOntoItsEdge) {
    QByteArray bytes = hammerCursor();
    bytes[10] = static_cast<char>(0xe8); // 1000
    bytes[11] = 0x03;
    const auto header = readCursorHeader(asSpan(bytes));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->hotspotX, 31);
}

TEST(CursorHeader, RefusesWhatIsNotAWholeCursorFile) {
    const QByteArray good = hammerCursor();
    ASSERT_TRUE(readCursorHeader(asSpan(good)));

    EXPECT_FALSE(readCursorHeader(asSpan(good.left(21)))) << "shorter than its directory";
    EXPECT_FALSE(readCursorHeader(asSpan(good.left(good.size() - 1)))) << "picture cut short";
    EXPECT_FALSE(readCursorHeader(asSpan(QByteArray(4096, '\x5a')))) << "garbage";

    QByteArray icon = good;
    icon[2] = 1;
    EXPECT_FALSE(readCursorHeader(asSpan(icon))) << "an icon, not a cursor";

    QByteArray noPictures = good;
    noPictures[4] = 0;
    EXPECT_FALSE(readCursorHeader(asSpan(noPictures)));

    QByteArray farOffset = good;
    farOffset[21] = static_cast<char>(0xff); // offset near 4 GiB must not wrap around
    EXPECT_FALSE(readCursorHeader(asSpan(farOffset)));

    QByteArray insideDirectory = good;
    insideDirectory[18] = 4; // the picture would overlap the directory
    EXPECT_FALSE(readCursorHeader(asSpan(insideDirectory)));
}

TEST_F(CursorFileLoad, TheHammerCursorKeepsItsFilesHotspot) {
    const QByteArray bytes = hammerCursor();
    const auto cursor = loadCursorFile(sourceFile("data/Zintok.cur"));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor->hotSpot(),
              QPoint(static_cast<int>(le16(bytes, 10)), static_cast<int>(le16(bytes, 12))));
    EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
}

TEST_F(CursorFileLoad, TheTransparentCursorHidesThePointer) {
    const auto cursor = loadCursorFile(sourceFile("data/tomei.cur"));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->shape(), Qt::BlankCursor);
}

TEST_F(CursorFileLoad, MissingOrDamagedFilesGiveNoCursor) {
    EXPECT_FALSE(loadCursorFile(m_dir.filePath("absent.cur")));
    EXPECT_FALSE(loadCursorFile(m_dir.path())) << "a folder";
    const QByteArray good = hammerCursor();
    EXPECT_FALSE(loadCursorFile(damaged(good.left(good.size() / 2))));
    EXPECT_FALSE(loadCursorFile(damaged(QByteArray(3000, '\x07'))));
    EXPECT_FALSE(loadCursorFile(damaged(QByteArray())));

    // A well-formed directory in front of a picture whose bitmap header is scrambled.
    QByteArray scrambled = good;
    for (int i = 22; i < 62; ++i)
        scrambled[i] = static_cast<char>(0xee);
    EXPECT_FALSE(loadCursorFile(damaged(scrambled)));
}
