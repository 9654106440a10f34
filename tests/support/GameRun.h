#pragma once

#include "LittleEndian.h"
#include "TempFolder.h"
#include "X11Session.h"

#include <QDir>
#include <QProcess>
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

// One run of the real program from wherever it lies, with its window found and the title
// settled.
class GameRun {
public:
    explicit GameRun(QProcess& process) : m_process(process) {}

    // Starts the program and waits for its window and the settled title's caption, which is
    // the game's name in the language the program speaks.
    void start(const QString& program, const QStringList& arguments = {},
               const QString& caption = QStringLiteral("ズンバリオ")) {
        m_process.setWorkingDirectory(QDir::tempPath());
        m_process.start(program, arguments);
        ASSERT_TRUE(m_process.waitForStarted(Patience));
        const auto window = X11Session::waitForWindow(m_process.processId(), Patience);
        ASSERT_TRUE(window.has_value()) << m_process.readAllStandardError().toStdString();
        m_window = *window;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return X11Session::windowName(m_window) == caption; }, Patience));
        findField();
    }

    // Finds the field on the screen again, after a window manager framed and moved the window.
    void findField() {
        const QRect frame = X11Session::windowGeometry(m_window);
        m_field = QPoint(frame.left(), frame.bottom() + 1 - FieldHeight);
    }

    std::uint32_t window() const { return m_window; }
    // The field's top-left corner on the screen.
    QPoint field() const { return m_field; }

    bool waitForReadyPhase() const {
        return QTest::qWaitFor(
            [&] {
                return countPixels(X11Session::screenshot(), m_field, QRect(64, 400, 513, 40),
                                   isYellow) > 50;
            },
            Patience);
    }

    // A key begins level 1; true once its red clock shows.
    bool startLevel() const {
        X11Session::typeKeys(m_window, QStringLiteral("space"));
        const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
        return QTest::qWaitFor(
            [&] {
                return countPixels(X11Session::screenshot(), m_field, QRect(40, 16, 33, 33), red) >
                       20;
            },
            Patience);
    }

    // The save command on the menu bar, answered Yes.
    bool saveFromTheMenu() const {
        X11Session::typeKeys(m_window, QStringLiteral("alt+k"));
        const auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
        if (!question)
            return false;
        X11Session::typeKeys(*question, QStringLiteral("alt+y"));
        return true;
    }

    bool exitedCleanly() const {
        return m_process.waitForFinished(Patience) &&
               m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

    void stop() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(Patience);
        }
    }

private:
    QProcess& m_process;
    std::uint32_t m_window = 0;
    QPoint m_field;
};

// The eight words of a saved-game file, read by its byte path; all zero when it is missing.
inline std::array<qint32, 8> savedGameWords(const std::string& path, qint64* size = nullptr) {
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    if (size)
        *size = static_cast<qint64>(bytes.size());
    return wordsOf<8>(bytes);
}
