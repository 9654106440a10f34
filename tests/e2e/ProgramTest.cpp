#include "X11Session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int FieldWidth = 617;
constexpr int FieldHeight = 460;
constexpr int Patience = 20000; // ms: generous for a loaded machine, never a measurement

bool isBlack(QRgb c) {
    return qRed(c) < 16 && qGreen(c) < 16 && qBlue(c) < 16;
}

// Pixels of the rectangle (field coordinates) for which `test` holds.
int countPixels(const QImage& screen, QPoint field, QRect area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(screen.pixel(field.x() + x, field.y() + y)))
                ++count;
        }
    }
    return count;
}

// The player's folder, copied: the program runs from there, so the build's record files are
// never read or written.
bool copyPlayerFolder(const QString& to) {
    const QDir from(QStringLiteral(ZUNBARIO_PLAYER_FOLDER));
    QDir target(to);
    if (!QFile::copy(QStringLiteral(ZUNBARIO_PROGRAM), target.filePath(QStringLiteral("zunbario"))))
        return false;
    target.mkdir(QStringLiteral("data"));
    const QDir data(from.filePath(QStringLiteral("data")));
    for (const QString& name : data.entryList({QStringLiteral("*.cur"), QStringLiteral("*.wav")}))
        QFile::copy(data.filePath(name), target.filePath(QStringLiteral("data/") + name));
    QFile::copy(from.filePath(QStringLiteral("Zintok.html")),
                target.filePath(QStringLiteral("Zintok.html")));
    return true;
}

bool isYellow(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80;
}

// The program started from a copied player's folder, with its window up and the title settled.
class Program : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(copyPlayerFolder(m_folder.path()));
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

} // namespace

TEST_F(Program, ShowsTheTitleOnABlackFieldAndClosesInTheReadyPhaseWithoutAsking) {
    const QImage screen = X11Session::screenshot();
    screen.save(QStringLiteral(SCREENSHOT_FOLDER "/title.png"));

    // The settled title artwork: the first line at (60, 170), 440 × 66, in green lettering on the
    // black field; the field's corners stay black.
    const QRect title1(60, 170, 440, 60);
    const int lit = title1.width() * title1.height() - count(screen, title1, isBlack);
    EXPECT_GT(lit, title1.width() * title1.height() / 10);
    const auto greenish = [](QRgb c) {
        return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
    };
    EXPECT_GT(count(screen, title1, greenish), 100);
    EXPECT_EQ(count(screen, QRect(0, 0, 30, 10), isBlack), 300);
    EXPECT_EQ(count(screen, QRect(0, 440, 30, 20), isBlack), 600);

    // The start message appears when the title ends; closing then asks nothing.
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::requestClose(m_window);
    EXPECT_TRUE(exitedCleanly());
    EXPECT_FALSE(savedGameExists());
}

TEST_F(Program, AKeyStartsLevelOneAndClosingDuringPlayAsksFirst) {
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::typeKeys(m_window, QStringLiteral("space"));

    // The clock (red) and the score (lime) show.
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
    const auto lime = [](QRgb c) { return qGreen(c) > 200 && qRed(c) < 60 && qBlue(c) < 60; };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return count(X11Session::screenshot(), QRect(40, 16, 33, 33), red) > 20; },
        Patience));
    const QImage screen = X11Session::screenshot();
    screen.save(QStringLiteral(SCREENSHOT_FOLDER "/play.png"));
    EXPECT_GT(count(screen, QRect(520, 48, 90, 33), lime), 20);

    // Cancel keeps the game running; No closes it without saving.
    X11Session::requestClose(m_window);
    auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(question.has_value());
    X11Session::typeKeys(*question, QStringLiteral("Escape"));
    EXPECT_FALSE(m_program.waitForFinished(500));

    X11Session::requestClose(m_window);
    question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(question.has_value());
    X11Session::typeKeys(*question, QStringLiteral("alt+n"));
    EXPECT_TRUE(exitedCleanly());
    EXPECT_FALSE(savedGameExists());
}
