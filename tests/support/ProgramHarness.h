#pragma once

#include "PortableCopy.h"
#include "X11Session.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <string>

inline constexpr int FieldWidth = 617;
inline constexpr int FieldHeight = 460;
inline constexpr int Patience = 20000; // ms: generous for a loaded machine, never a measurement

inline bool isBlack(QRgb c) {
    return qRed(c) < 16 && qGreen(c) < 16 && qBlue(c) < 16;
}
inline bool isYellow(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80;
}
// The colour of the clock's digits.
inline bool isRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
// The colour of the game-over message.
inline bool isBlue(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60;
}

// The monsters' eyes.
inline bool isEyeBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 190;
}

// Pixels of the rectangle (field coordinates) for which `test` holds, on a field drawn at
// `scale`.
int countPixels(const QImage& screen, QPoint field, QRect area, bool (*test)(QRgb), int scale = 1);

// The eight words of a saved-game file, read by its byte path; all zero when it is missing.
std::array<qint32, 8> savedGameWords(const std::string& path, qint64* size = nullptr);

// The real program under its own X server. SetUp() copies a player's folder with the program,
// lets prepareFolder() lay files into it and starts the program from there, up to the settled
// title; a test that starts the program from elsewhere overrides SetUp() and calls start().
class ProgramHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { stop(); }
    // Runs before the program starts, to lay files into its folder.
    virtual void prepareFolder() {}

    // Starts the program and waits for its window and the settled title's caption, which is
    // the game's name in the language the program speaks.
    void start(const QString& program, const QStringList& arguments = {},
               const QString& caption = QStringLiteral("ズンバリオ"));
    // Finds the field on the screen again, after a window manager framed and moved the window.
    void findField();
    void stop();
    bool exitedCleanly();

    int count(const QImage& screen, QRect area, bool (*test)(QRgb)) const {
        return countPixels(screen, m_field, area, test, m_scale);
    }
    // Waits for the start message that the end of the title shows.
    bool waitForReadyPhase() const;
    // A key begins a level; true once its clock shows.
    bool startLevel() const;
    // Waits for the game's question and answers it with the keys (such as "alt+y").
    bool answerQuestion(const QString& keys, int timeoutMs = Patience) const;
    // The save command on the menu bar, answered Yes.
    bool saveFromTheMenu() const;
    // Takes the saved game offered at the end of the title and resumes its level.
    void resumeSavedGame();
    // Presses the normal hammer on the monsters on the field, one after another, until `count`
    // presses are made or the level ends; `pairAt` is the press made together with the next
    // one, 80 ms later. The presses that hit are counted by the game itself.
    void pressMonsters(int count, int pairAt = -1);
    // Waits for the level's end message in Label1, in the colour given.
    bool waitForLevelEnd(bool (*colour)(QRgb));

    QString dataFile(const QString& name) const {
        return m_folder.filePath(QStringLiteral("data/") + name);
    }
    bool savedGameExists() const;
    std::array<qint32, 8> savedGame() const;

    QTemporaryDir m_folder;
    QProcess m_program;
    std::uint32_t m_window = 0;
    // The field's top-left corner on the screen, and the scale it is drawn at.
    QPoint m_field;
    int m_scale = 1;
};
