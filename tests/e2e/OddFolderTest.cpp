// The game unpacked from a zip made on a Japanese system, its folder's name left in Shift_JIS:
// the name is not valid UTF-8, and the game must still find every one of its files there.

#include "OpenedFiles.h"
#include "ProgramHarness.h"

#include <QFileInfo>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// "ズンバリオ" in Shift_JIS.
const std::string ShiftJisName = "\x83\x59\x83\x93\x83\x6f\x83\x8a\x83\x49";

// The path as printf(1) writes it back: every byte outside ASCII as an octal escape, so that
// the path passes through Qt, which only knows UTF-8 names, unharmed.
QString printfEscaped(const std::string& path) {
    QString escaped;
    for (const unsigned char c : path)
        escaped += c < 0x80 && c != '\\' && c != '%'
                       ? QString(QLatin1Char(static_cast<char>(c)))
                       : QStringLiteral("\\%1").arg(static_cast<int>(c), 3, 8, QLatin1Char('0'));
    return escaped;
}

class ProgramInShiftJisFolder : public ProgramHarness {
protected:
    void SetUp() override {
        m_place = QFile::encodeName(m_folder.path()).toStdString() + "/" + ShiftJisName + "/";
        const fs::path from(QFile::encodeName(buildFolder()).toStdString());
        fs::create_directories(fs::path(m_place) / "data");
        fs::copy_file(ZUNBARIO_PROGRAM, m_place + "zunbario");
        fs::copy_file(from / "Zintok.html", m_place + "Zintok.html");
        for (const auto& entry : fs::directory_iterator(from / "data")) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".cur" || ext == ".wav")
                fs::copy_file(entry.path(), m_place + "data/" + entry.path().filename().string());
        }
        // Qt cannot name this folder: what it makes of the name is some other path.
        ASSERT_FALSE(QFileInfo::exists(QFile::decodeName(m_place.c_str()) + "zunbario"));
    }

    // Started as a file manager starts it, by its real path.
    void startByRealPath() {
        start(QStringLiteral("/bin/sh"),
              {QStringLiteral("-c"), QStringLiteral("exec \"$(printf \"$0\")\""),
               printfEscaped(m_place + "zunbario")});
    }

    // The folder by its bytes, ending in a slash.
    std::string m_place;
};

} // namespace

TEST_F(ProgramInShiftJisFolder, FindsItsCursorsSoundsAndRecordsThereAndOffersTheSavedGame) {
    const std::string data = m_place + "data/";
    OpenedFiles opened({data});
    ASSERT_TRUE(opened.watching());
    ASSERT_NO_FATAL_FAILURE(startByRealPath());
    ASSERT_TRUE(waitForReadyPhase());
    EXPECT_TRUE(opened.waitFor({data + "Zintok.cur", data + "tomei.cur", data + "sound2.wav",
                                data + "ending1.wav", data + "fanfare4.wav", data + "fanfare5.wav"},
                               Patience));

    ASSERT_TRUE(startLevel());
    ASSERT_TRUE(saveFromTheMenu());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(data + "record2.dat"); }, Patience));
    qint64 size = 0;
    const auto words = savedGameWords(data + "record2.dat", &size);
    EXPECT_EQ(size, 32);
    EXPECT_EQ(words[2], 1) << "level";
    EXPECT_EQ(words[5], 1) << "hammer mode";
    X11Session::requestClose(m_window);
    ASSERT_TRUE(exitedCleanly());

    ASSERT_NO_FATAL_FAILURE(startByRealPath());
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+n"))) << "the saved game is offered";
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::requestClose(m_window);
    EXPECT_TRUE(exitedCleanly());
}
