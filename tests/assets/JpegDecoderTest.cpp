#include "JpegDecoder.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

QByteArray hammerJpeg() {
    return readBytes(sourceFile("assets/art/hammer.jpg"));
}

// The frame header (SOF0) holds the height and width right after its marker, length and
// precision.
int frameHeaderOffset(const QByteArray& jpeg) {
    return jpeg.indexOf(QByteArray("\xff\xc0", 2));
}

} // namespace

TEST(JpegDecoder, DecodesTheHammerPictureToRgbRowsOfItsSize) {
    const JpegImage image = decodeJpeg(asSpan(hammerJpeg()));
    EXPECT_EQ(image.width, 50);
    EXPECT_EQ(image.height, 40);
    ASSERT_EQ(image.rgb.size(), std::size_t{50 * 40 * 3});
    // The top left corner is grass: green well above red and blue.
    EXPECT_GT(image.rgb[1], image.rgb[0] + 50);
    EXPECT_GT(image.rgb[1], image.rgb[2] + 50);
}

TEST(JpegDecoder, TruncatedDataIsAFailureNotAGreyPicture) {
    const QByteArray jpeg = hammerJpeg();
    for (const qsizetype keep : {jpeg.size() - 2, jpeg.size() / 2, qsizetype{200}, qsizetype{20}})
        EXPECT_THROW(decodeJpeg(asSpan(jpeg.left(keep))), JpegError) << "kept " << keep;
}

TEST(JpegDecoder, GarbageAndEmptyDataAreFailures) {
    EXPECT_THROW(decodeJpeg(asSpan(QByteArray(600, 'x'))), JpegError);
    EXPECT_THROW(decodeJpeg(asSpan(QByteArray())), JpegError);
    const QByteArray png = readBytes(sourceFile("assets/art/monster.png"));
    EXPECT_THROW(decodeJpeg(asSpan(png)), JpegError);
}

TEST(JpegDecoder, CorruptCompressedDataIsAFailure) {
    QByteArray jpeg = hammerJpeg();
    const int scan = jpeg.indexOf(QByteArray("\xff\xda", 2));
    ASSERT_GT(scan, 0);
    for (int i = scan + 20; i < jpeg.size() - 2; i += 3)
        jpeg[i] = static_cast<char>(0xff);
    EXPECT_THROW(decodeJpeg(asSpan(jpeg)), JpegError);
}

TEST(JpegDecoder, RefusesAHugePictureBeforeSettingMemoryAsideForIt) {
    QByteArray jpeg = hammerJpeg();
    const int frame = frameHeaderOffset(jpeg);
    ASSERT_GT(frame, 0);
    for (const int at : {5, 7}) { // height and width, 12288 each
        jpeg[frame + at] = 0x30;
        jpeg[frame + at + 1] = 0x00;
    }
    try {
        decodeJpeg(asSpan(jpeg));
        FAIL() << "a 12288 x 12288 picture was accepted";
    } catch (const JpegError& error) {
        EXPECT_NE(std::string(error.what()).find("too large"), std::string::npos) << error.what();
    }
}
