#pragma once

#include "PlayerFolder.h"
#include "X11Session.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

inline constexpr int FieldWidth = 617;
inline constexpr int FieldHeight = 460;
inline constexpr int Patience = 20000; // ms: generous for a loaded machine, never a measurement

inline bool isBlack(QRgb c) {
    return qRed(c) < 16 && qGreen(c) < 16 && qBlue(c) < 16;
}

// Pixels of the rectangle (field coordinates) for which `test` holds.
inline int countPixels(const QImage& screen, QPoint field, QRect area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(screen.pixel(field.x() + x, field.y() + y)))
                ++count;
        }
    }
    return count;
}

inline bool isYellow(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80;
}

// The program started from a copied player's folder, with its window up and the title settled.
class Program : public ::testing::Test {
protected:
    // Runs before the program starts, to lay files into its folder.
    virtual void prepareFolder() {}

    void SetUp() override {
        ASSERT_TRUE(copyPlayerFolder(m_folder.path(), {QStringLiteral(ZUNBARIO_PROGRAM)}));
        prepareFolder();
        m_program.setWorkingDirectory(QDir::tempPath());
        m_program.start(m_folder.filePath(QStringLiteral("zunbario")), {});
        ASSERT_TRUE(m_program.waitForStarted(Patience));
        const auto window = X11Session::waitForWindow(m_program.processId(), Patience);
        ASSERT_TRUE(window.has_value());
        m_window = *window;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return X11Session::windowName(m_window) == QStringLiteral("ズンバリオ"); },
            Patience));
        const QRect frame = X11Session::windowGeometry(m_window);
        EXPECT_EQ(frame.width(), FieldWidth);
        m_field = QPoint(frame.left(), frame.bottom() + 1 - FieldHeight);
    }

    void TearDown() override {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(Patience);
        }
    }

    int count(const QImage& screen, QRect area, bool (*test)(QRgb)) const {
        return countPixels(screen, m_field, area, test);
    }

    // Waits for the start message that the end of the title shows.
    bool waitForReadyPhase() {
        return QTest::qWaitFor(
            [&] { return count(X11Session::screenshot(), QRect(64, 400, 513, 40), isYellow) > 50; },
            Patience);
    }

    bool exitedCleanly() {
        return m_program.waitForFinished(Patience) &&
               m_program.exitStatus() == QProcess::NormalExit && m_program.exitCode() == 0;
    }

    bool savedGameExists() const {
        return QFileInfo::exists(m_folder.filePath(QStringLiteral("data/record2.dat")));
    }

    QTemporaryDir m_folder;
    QProcess m_program;
    std::uint32_t m_window = 0;
    QPoint m_field;
};
