#include "SoundFile.h"

#include "SoundStream.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A 16-bit PCM wave file of `frames` frames, every frame holding `channelValues`.
QByteArray waveFile(int rate, const std::vector<qint16>& channelValues, int frames) {
    const auto channels = static_cast<quint16>(channelValues.size());
    const quint32 dataBytes = static_cast<quint32>(frames) * channels * 2;
    std::vector<std::uint8_t> bytes{'R', 'I', 'F', 'F'};
    putLe32(bytes, 36 + dataBytes);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLe32(bytes, 16);
    putLe16(bytes, 1);
    putLe16(bytes, channels);
    putLe32(bytes, static_cast<quint32>(rate));
    putLe32(bytes, static_cast<quint32>(rate) * channels * 2);
    putLe16(bytes, static_cast<quint16>(channels * 2));
    putLe16(bytes, 16);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    putLe32(bytes, dataBytes);
    for (int f = 0; f < frames; ++f)
        for (qint16 v : channelValues)
            putLe16(bytes, static_cast<quint16>(v));
    return toQByteArray(bytes);
}

} // namespace

TEST(SoundFile, TheGameSoundsAreReadSampleForSampleAtTheStreamsRate) {
    const QByteArray wave = readBytes(sourceFile("data/sound2.wav"));
    const SoundSamples hit = readSoundFile(sourceFile("data/sound2.wav"), SoundStream::Rate);
    ASSERT_NE(hit, nullptr);
    // The data chunk of the game's own waves follows the 44-byte header.
    ASSERT_EQ(hit->size(), static_cast<std::size_t>(le32(wave, 40) / 2));
    for (std::size_t i = 0; i < hit->size(); i += 97) {
        const auto sample = static_cast<qint16>(le16(wave, 44 + 2 * static_cast<int>(i)));
        EXPECT_FLOAT_EQ((*hit)[i], sample / 32768.0F) << i;
    }
}

TEST(SoundFile, AStereoFileAtAnotherRateIsMixedDownAndConverted) {
    QTemporaryDir dir;
    const QString path = dir.filePath("stereo.wav");
    writeBytes(path, waveFile(44100, {16384, 8192}, 4410)); // 0.1 s of 0.5 left, 0.25 right
    const SoundSamples sound = readSoundFile(path, SoundStream::Rate);
    ASSERT_NE(sound, nullptr);
    EXPECT_NEAR(static_cast<double>(sound->size()), 2205, 8);
    EXPECT_NEAR((*sound)[sound->size() / 2], 0.375, 0.01);
}

TEST(SoundFile, WhatIsNoSoundReadsAsNothing) {
    QTemporaryDir dir;
    EXPECT_EQ(readSoundFile(dir.filePath("absent.wav"), SoundStream::Rate), nullptr);
    EXPECT_EQ(readSoundFile(dir.path(), SoundStream::Rate), nullptr);
    const QString garbage = dir.filePath("garbage.wav");
    writeBytes(garbage,
               QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunkjunk", 20) + QByteArray(500, '\x13'));
    EXPECT_EQ(readSoundFile(garbage, SoundStream::Rate), nullptr);
    writeBytes(garbage, waveFile(22050, {1000}, 0));
    EXPECT_EQ(readSoundFile(garbage, SoundStream::Rate), nullptr) << "a wave without samples";
}
