#include "SoundPlayer.h"

#include "TestFiles.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SoundPlayerTest : public ::testing::Test {
protected:
    QSoundEffect* effectOf(const QString& path) {
        for (QSoundEffect* effect : m_player.findChildren<QSoundEffect*>())
            if (effect->source().toLocalFile() == path)
                return effect;
        return nullptr;
    }

    const QString m_hit = sourceFile("data/sound2.wav");
    const QString m_fanfare = sourceFile("data/fanfare4.wav");
    QTemporaryDir m_dir;
    SoundPlayer m_player{QCoreApplication::applicationDirPath() + QLatin1Char('/')};
};

} // namespace

TEST_F(SoundPlayerTest, ANewSoundCutsOffTheOneStillPlaying) {
    m_player.preload(m_hit);
    m_player.preload(m_fanfare);
    m_player.play(m_fanfare);
    m_player.play(m_hit);
    EXPECT_EQ(m_player.current(), m_hit);
    ASSERT_NE(effectOf(m_fanfare), nullptr);
    EXPECT_FALSE(effectOf(m_fanfare)->isPlaying());

    // The same sound twice in quick succession starts again, the second cutting off the first.
    m_player.play(m_hit);
    EXPECT_EQ(m_player.current(), m_hit);
}

TEST_F(SoundPlayerTest, SoundsAreReadOnceAndKeptHoweverTheirPathIsSpelled) {
    const qsizetype before = m_player.findChildren<QSoundEffect*>().size();
    m_player.preload(m_hit);
    m_player.play(m_hit);
    m_player.play(sourceFile("data/../data/sound2.wav"));
    m_player.preload(m_hit);
    EXPECT_EQ(m_player.findChildren<QSoundEffect*>().size(), before + 1);
}

TEST_F(SoundPlayerTest, TheGameSoundsBesideTheProgramAreReadAtOnce) {
    // The build puts data/ beside the test program just as beside the game.
    const QString beside = QCoreApplication::applicationDirPath() + "/data/";
    for (const char* name : {"sound2.wav", "ending1.wav", "fanfare4.wav", "fanfare5.wav"})
        EXPECT_NE(effectOf(beside + name), nullptr) << name;
}

TEST_F(SoundPlayerTest, AMissingFilePlaysNothingAndStillSilencesThePlayingSound) {
    m_player.play(m_fanfare);
    const QString absent = m_dir.filePath("absent.wav");
    m_player.preload(absent);
    m_player.play(absent);
    EXPECT_TRUE(m_player.current().isEmpty());
    EXPECT_FALSE(effectOf(m_fanfare)->isPlaying());
    EXPECT_EQ(effectOf(absent), nullptr);
}

TEST_F(SoundPlayerTest, AFileThatAppearsLaterIsFound) {
    const QString late = m_dir.filePath("late.wav");
    m_player.play(late);
    EXPECT_TRUE(m_player.current().isEmpty());
    writeBytes(late, readBytes(m_hit));
    m_player.play(late);
    EXPECT_EQ(m_player.current(), late);
}

TEST_F(SoundPlayerTest, AnUnreadableWaveNeitherCrashesNorBlocks) {
    const QString garbage = m_dir.filePath("garbage.wav");
    writeBytes(garbage,
               QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunkjunk", 20) + QByteArray(500, '\x13'));
    m_player.preload(garbage);
    // Give the loader its chance to find the file unreadable.
    for (int i = 0; i < 20 && effectOf(garbage)->status() != QSoundEffect::Error; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    m_player.play(garbage);
    m_player.play(m_dir.path()); // a folder, not a file
    EXPECT_TRUE(m_player.current().isEmpty() || m_player.current() == garbage);
    m_player.play(m_hit);
    EXPECT_EQ(m_player.current(), m_hit);
}
