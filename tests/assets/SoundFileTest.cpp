#include "SoundFile.h"

#include "SoundStream.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A 16-bit PCM wave file of `frames` frames, every frame holding `channelValues`.
QByteArray waveFile(int rate, const std::vector<qint16>& channelValues, int frames) {
    const auto channels = static_cast<quint16>(channelValues.size());
    const quint32 dataBytes = static_cast<quint32>(frames) * channels * 2;
    QByteArray bytes("RIFF....WAVEfmt ");
    const auto put32 = [&](quint32 v) { bytes.append(reinterpret_cast<const char*>(&v), 4); };
    const auto put16 = [&](quint16 v) { bytes.append(reinterpret_cast<const char*>(&v), 2); };
    put32(16);
    put16(1);
    put16(channels);
    put32(static_cast<quint32>(rate));
    put32(static_cast<quint32>(rate) * channels * 2);
    put16(static_cast<quint16>(channels * 2));
    put16(16);
    bytes.append("data");
    put32(dataBytes);
    for (int f = 0; f < frames; ++f)
        for (qint16 v : channelValues)
            put16(static_cast<quint16>(v));
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size() - 8), bytes.data() + 4);
    return bytes;
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
