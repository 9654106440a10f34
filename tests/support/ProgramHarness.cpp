#include "ProgramHarness.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <utility>
#include <vector>

namespace {

// The monsters' blue eyes on the field drawn at `scale`, as screen points, one per monster.
std::vector<QPoint> monsterEyes(const QImage& screen, QPoint field, int scale) {
    // The level label is blue too: its letters are no eye.
    const QRect levelLabel(field + QPoint(512, 16) * scale, QSize(80, 24) * scale);
    std::vector<std::pair<QPoint, int>> eyes; // first pixel and count
    std::vector<QPoint> sums;
    for (int y = field.y(); y < field.y() + FieldHeight * scale; ++y) {
        for (int x = field.x(); x < field.x() + FieldWidth * scale; ++x) {
            if (!isEyeBlue(screen.pixel(x, y)) || levelLabel.contains(x, y))
                continue;
            std::size_t i = 0;
            while (i < eyes.size() && (eyes[i].first - QPoint(x, y)).manhattanLength() > 40 * scale)
                ++i;
            if (i == eyes.size()) {
                eyes.push_back({QPoint(x, y), 0});
                sums.emplace_back(0, 0);
            }
            ++eyes[i].second;
            sums[i] += QPoint(x, y);
        }
    }
    std::vector<QPoint> points;
    for (std::size_t i = 0; i < eyes.size(); ++i)
        if (eyes[i].second >= 15 * scale * scale)
            points.push_back(sums[i] / eyes[i].second);
    return points;
}

// xdotool's words for a move to the point and a click there.
QStringList clickAt(QPoint p) {
    return {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()),
            QString::number(p.y()),      QStringLiteral("click"),  QStringLiteral("1")};
}

// The same without waiting for the pointer to arrive first.
QStringList quickPressAt(QPoint p) {
    return {QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
            QStringLiteral("mousedown"), QStringLiteral("1"),    QStringLiteral("mouseup"),
            QStringLiteral("1")};
}

} // namespace

int countPixels(const QImage& screen, QPoint field, QRect area, bool (*test)(QRgb), int scale) {
    area = QRect(area.topLeft() * scale, area.size() * scale);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(screen.pixel(field.x() + x, field.y() + y)))
                ++count;
        }
    }
    return count;
}

std::array<qint32, 8> savedGameWords(const std::string& path, qint64* size) {
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    if (size)
        *size = static_cast<qint64>(bytes.size());
    return wordsOf<8>(bytes);
}

void ProgramHarness::SetUp() {
    ASSERT_TRUE(copyPortableGame(m_folder.path(), {QStringLiteral(ZUNBARIO_PROGRAM)}));
    prepareFolder();
    ASSERT_NO_FATAL_FAILURE(start(m_folder.filePath(QStringLiteral("zunbario"))));
    EXPECT_EQ(X11Session::windowGeometry(m_window).width(), FieldWidth * m_scale);
}

void ProgramHarness::start(const QString& program, const QStringList& arguments,
                           const QString& caption) {
    m_program.setWorkingDirectory(QDir::tempPath());
    m_program.start(program, arguments);
    ASSERT_TRUE(m_program.waitForStarted(Patience));
    const auto window = X11Session::waitForWindow(m_program.processId(), Patience);
    ASSERT_TRUE(window.has_value()) << m_program.readAllStandardError().toStdString();
    m_window = *window;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return X11Session::windowName(m_window) == caption; }, Patience));
    findField();
}

void ProgramHarness::findField() {
    const QRect frame = X11Session::windowGeometry(m_window);
    m_field = QPoint(frame.left(), frame.bottom() + 1 - FieldHeight * m_scale);
}

void ProgramHarness::stop() {
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(Patience);
    }
}

bool ProgramHarness::exitedCleanly() {
    return m_program.waitForFinished(Patience) && m_program.exitStatus() == QProcess::NormalExit &&
           m_program.exitCode() == 0;
}

bool ProgramHarness::waitForReadyPhase() const {
    return QTest::qWaitFor(
        [&] { return count(X11Session::screenshot(), QRect(64, 400, 513, 40), isYellow) > 50; },
        Patience);
}

bool ProgramHarness::startLevel() const {
    X11Session::typeKeys(m_window, QStringLiteral("space"));
    return QTest::qWaitFor(
        [&] { return count(X11Session::screenshot(), QRect(40, 16, 33, 33), isRed) > 20; },
        Patience);
}

bool ProgramHarness::answerQuestion(const QString& keys, int timeoutMs) const {
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), timeoutMs);
    if (question)
        X11Session::typeKeys(*question, keys);
    return question.has_value();
}

bool ProgramHarness::saveFromTheMenu() const {
    X11Session::typeKeys(m_window, QStringLiteral("alt+k"));
    return answerQuestion(QStringLiteral("alt+y"));
}

void ProgramHarness::resumeSavedGame() {
    ASSERT_TRUE(answerQuestion(QStringLiteral("alt+y")));
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::typeKeys(m_window, QStringLiteral("space"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !monsterEyes(X11Session::screenshot(), m_field, m_scale).empty(); },
        Patience));
}

void ProgramHarness::pressMonsters(int count, int pairAt) {
    QElapsedTimer patience;
    patience.start();
    int pressed = 0;
    bool paired = false;
    while (pressed < count && patience.elapsed() < 4 * Patience) {
        const std::vector<QPoint> eyes = monsterEyes(X11Session::screenshot(), m_field, m_scale);
        if (eyes.empty()) {
            QTest::qWait(50);
            continue;
        }
        QStringList presses = clickAt(eyes[0]);
        if (pairAt >= 0 && pressed >= pairAt && !paired && eyes.size() >= 2) {
            // The pair goes without waiting for the pointer to arrive, which under load would
            // put the second press after the first hit's sound has ended.
            paired = true;
            presses = quickPressAt(eyes[0]);
            presses << QStringLiteral("sleep") << QStringLiteral("0.07") << quickPressAt(eyes[1]);
            ++pressed;
        }
        X11Session::run(QStringLiteral("xdotool"), presses);
        ++pressed;
        // Long enough for the hit sound to end before the next press, so each can be heard whole.
        QTest::qWait(260);
    }
}

bool ProgramHarness::waitForLevelEnd(bool (*colour)(QRgb)) {
    return QTest::qWaitFor(
        [&] { return count(X11Session::screenshot(), QRect(64, 152, 513, 60), colour) > 50; },
        4 * Patience);
}

bool ProgramHarness::savedGameExists() const {
    return QFileInfo::exists(dataFile(QStringLiteral("record2.dat")));
}

std::array<qint32, 8> ProgramHarness::savedGame() const {
    return recordWords<8>(dataFile(QStringLiteral("record2.dat")));
}
