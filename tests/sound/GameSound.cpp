#include "GameSound.h"

#include "PortableCopy.h"
#include "SoundFile.h"
#include "SoundStream.h"
#include "TestFiles.h"

#include <sstream>

namespace {

bool eyeBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 190;
}

// The monsters' blue eyes on the field, as screen points, one per monster.
std::vector<QPoint> monsterEyes(const QImage& screen, QPoint field) {
    // The level label is blue too: its letters are no eye.
    const QRect levelLabel(field + QPoint(512, 16), QSize(80, 24));
    std::vector<std::pair<QPoint, int>> eyes; // first pixel and count
    std::vector<QPoint> sums;
    for (int y = field.y(); y < field.y() + FieldHeight; ++y) {
        for (int x = field.x(); x < field.x() + FieldWidth; ++x) {
            if (!eyeBlue(screen.pixel(x, y)) || levelLabel.contains(x, y))
                continue;
            std::size_t i = 0;
            while (i < eyes.size() && (eyes[i].first - QPoint(x, y)).manhattanLength() > 40)
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
        if (eyes[i].second >= 15)
            points.push_back(sums[i] / eyes[i].second);
    return points;
}

QStringList pressAt(QPoint p) {
    return {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()),
            QString::number(p.y()),      QStringLiteral("click"),  QStringLiteral("1")};
}

} // namespace

void GameWithSound::SetUp() {
    if (m_withServer) {
        ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
        ASSERT_TRUE(m_recording.start()) << "parec could not record the null sink's monitor";
    }
    Program::SetUp();
}

void GameWithSound::prepareFolder() {
    writeRecordWords(m_folder.filePath(QStringLiteral("data/record2.dat")), m_saved);

    QProcessEnvironment environment = m_server.clientEnvironment();
    if (!m_withServer)
        environment.insert(QStringLiteral("PULSE_SERVER"),
                           QStringLiteral("unix:") + m_nowhere.filePath(QStringLiteral("native")));
    m_program.setProcessEnvironment(environment);
}

void GameWithSound::resumeSavedGame() {
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("確認"), Patience);
    ASSERT_TRUE(question.has_value());
    X11Session::typeKeys(*question, QStringLiteral("alt+y"));
    ASSERT_TRUE(waitForReadyPhase());
    X11Session::typeKeys(m_window, QStringLiteral("space"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !monsterEyes(X11Session::screenshot(), m_field).empty(); }, Patience));
}

void GameWithSound::pressMonsters(int count, int pairAt) {
    QElapsedTimer patience;
    patience.start();
    int pressed = 0;
    bool paired = false;
    while (pressed < count && patience.elapsed() < 4 * Patience) {
        const std::vector<QPoint> eyes = monsterEyes(X11Session::screenshot(), m_field);
        if (eyes.empty()) {
            QTest::qWait(50);
            continue;
        }
        if (pairAt >= 0 && pressed >= pairAt && !paired && eyes.size() >= 2) {
            paired = true;
            const QPoint second = eyes[1];
            X11Session::run(QStringLiteral("xdotool"),
                            {QStringLiteral("mousemove"), QString::number(eyes[0].x()),
                             QString::number(eyes[0].y()), QStringLiteral("mousedown"),
                             QStringLiteral("1"), QStringLiteral("mouseup"), QStringLiteral("1"),
                             QStringLiteral("sleep"), QStringLiteral("0.07"),
                             QStringLiteral("mousemove"), QString::number(second.x()),
                             QString::number(second.y()), QStringLiteral("mousedown"),
                             QStringLiteral("1"), QStringLiteral("mouseup"), QStringLiteral("1")});
            pressed += 2;
        } else {
            X11Session::run(QStringLiteral("xdotool"), pressAt(eyes[0]));
            ++pressed;
        }
        // Long enough for the hit sound to end before the next press, so each can be heard whole.
        QTest::qWait(260);
    }
}

bool GameWithSound::waitForLevelEnd(bool (*colour)(QRgb)) {
    return QTest::qWaitFor(
        [&] { return count(X11Session::screenshot(), QRect(64, 152, 513, 60), colour) > 50; },
        4 * Patience);
}

bool GameWithSound::waitForGameStream() const {
    return QTest::qWaitFor([&] { return sinkInputs().contains(QStringLiteral("ズンバリオ")); },
                           Patience);
}

QString GameWithSound::sinkInputs() const {
    return m_server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")});
}

std::optional<qint32> GameWithSound::writtenHighScore() const {
    QFile file(m_folder.filePath(QStringLiteral("data/record1.dat")));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 4)
        return std::nullopt;
    return static_cast<qint32>(le32(bytes, 0));
}

std::vector<Listening::Samples> GameWithSound::gameSounds() {
    std::vector<Listening::Samples> sounds;
    for (const char* name : {"sound2.wav", "ending1.wav", "fanfare4.wav", "fanfare5.wav"}) {
        const SoundSamples sound = readSoundFile(
            buildFolder() + QStringLiteral("/data/") + QLatin1String(name), SoundStream::Rate);
        sounds.push_back(sound ? *sound : Listening::Samples{});
    }
    return sounds;
}

std::string describe(const std::vector<Listening::Heard>& heard,
                     const std::vector<Listening::Samples>& sounds) {
    static constexpr const char* Names[] = {"hit", "game over", "level clear", "game clear"};
    std::ostringstream text;
    for (const Listening::Heard& h : heard)
        text << Names[h.sound] << " at " << h.at * 1000 / MonitorRecording::Rate
             << " ms: " << static_cast<int>(100 * Listening::share(h, sounds)) << " %"
             << (h.cutOff ? " (cut off)" : "") << "\n";
    return text.str();
}
