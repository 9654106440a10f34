#pragma once

#include "GameRun.h"
#include "PortableCopy.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The program started from a copied player's folder, with its window up and the title settled.
class Program : public ::testing::Test {
protected:
    // Runs before the program starts, to lay files into its folder.
    virtual void prepareFolder() {}

    void SetUp() override {
        ASSERT_TRUE(copyPortableGame(m_folder.path(), {QStringLiteral(ZUNBARIO_PROGRAM)}));
        prepareFolder();
        ASSERT_NO_FATAL_FAILURE(m_run.start(m_folder.filePath(QStringLiteral("zunbario"))));
        m_window = m_run.window();
        m_field = m_run.field();
        EXPECT_EQ(X11Session::windowGeometry(m_window).width(), FieldWidth);
    }

    void TearDown() override { m_run.stop(); }

    int count(const QImage& screen, QRect area, bool (*test)(QRgb)) const {
        return countPixels(screen, m_field, area, test);
    }

    // Waits for the start message that the end of the title shows.
    bool waitForReadyPhase() const { return m_run.waitForReadyPhase(); }
    bool exitedCleanly() const { return m_run.exitedCleanly(); }

    bool savedGameExists() const {
        return QFileInfo::exists(m_folder.filePath(QStringLiteral("data/record2.dat")));
    }

    QTemporaryDir m_folder;
    QProcess m_program;
    GameRun m_run{m_program};
    std::uint32_t m_window = 0;
    QPoint m_field;
};
