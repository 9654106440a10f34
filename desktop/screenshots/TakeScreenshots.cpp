// Takes the screenshots that the AppStream data shows, from the real program in English on an X
// server of its own: the Ready screen, play with the strange hammer, and the celebration of a game
// clear with a new record. A saved game near the end of level 4 leads through all three in one
// run of the game, in a copy of the player's folder so that no record of the build's own is read
// or written.
//   zunbario-screenshots PROGRAM BUILD_FOLDER OUTPUT_FOLDER

#include "FileError.h"
#include "Layout.h"
#include "PortableCopy.h"
#include "RecordFile.h"
#include "Records.h"
#include "Rules.h"
#include "X11Session.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QSaveFile>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>

namespace {

// A loaded machine may be slow to start the program and to paint: this is patience, not timing.
constexpr int Patience = 60000;
constexpr int Attempts = 3;
// One turn of the monsters' circle around the game-clear message.
constexpr int OrbitTurnMs = 360 / Rules::OrbitStep * Rules::CelebrationInterval;

// Level 4 of the strange-hammer mode eight seconds before its end, with its target passed: the
// level ends in a game clear, and the score beats a fresh installation's best.
SavedGameRecord nearTheEnd() {
    SavedGameRecord saved;
    saved.level = Rules::LastLevel;
    saved.hammerMode = static_cast<std::int32_t>(HammerMode::StrangeOnly);
    saved.levelStartScore = Rules::target(Rules::LastLevel, HammerMode::StrangeOnly);
    saved.score = saved.levelStartScore + 10;
    saved.ticks = Rules::TicksPerLevel - 16;
    return saved;
}

bool fail(const QString& message) {
    std::fprintf(stderr, "zunbario-screenshots: %s\n", qPrintable(message));
    return false;
}

bool near(QRgb c, Color color) {
    return std::abs(qRed(c) - color.red) < 60 && std::abs(qGreen(c) - color.green) < 60 &&
           std::abs(qBlue(c) - color.blue) < 60;
}

// The pixels of an element's rectangle, in a picture of the window, that are near the colour.
int pixelsOf(const QImage& window, ElementId id, Color color, int top = -1) {
    Rect r = initialLayout()[static_cast<std::size_t>(id)].rect;
    if (top >= 0)
        r.top = top;
    // The field fills the window below the menu bar.
    const int fieldTop = window.height() - FieldSize.height;
    int count = 0;
    for (int y = r.top; y < r.bottom() && fieldTop + y < window.height(); ++y) {
        for (int x = r.left; x < r.right() && x < window.width(); ++x) {
            if (near(window.pixel(x, fieldTop + y), color))
                ++count;
        }
    }
    return count;
}

// Clearly more than anti-aliasing or a stray pixel of another element.
constexpr int Shown = 50;

bool readyMessageShows(const QImage& w) {
    return pixelsOf(w, ElementId::Label1, Colors::Yellow, StartMessageTop) > Shown;
}

bool clockRuns(const QImage& w) {
    return pixelsOf(w, ElementId::LabelTime, Colors::Red) > 20 && !readyMessageShows(w) &&
           pixelsOf(w, ElementId::Label1, Colors::Magenta) < Shown;
}

// What else than the message stands within the message's letters, such as a monster behind them.
int clutter(const QImage& w) {
    const int fieldTop = w.height() - FieldSize.height;
    const Rect r = initialLayout()[static_cast<std::size_t>(ElementId::Label1)].rect;
    QRect letters;
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            if (near(w.pixel(x, fieldTop + y), Colors::Magenta))
                letters |= QRect(x, y, 1, 1);
        }
    }
    int count = 0;
    for (int y = letters.top(); y <= letters.bottom(); ++y) {
        for (int x = letters.left(); x <= letters.right(); ++x) {
            const QRgb c = w.pixel(x, fieldTop + y);
            if (!near(c, Colors::Magenta) && !near(c, Color{0, 0, 0}))
                ++count;
        }
    }
    return count;
}

bool celebrates(const QImage& w) {
    return pixelsOf(w, ElementId::Label1, Colors::Magenta) > Shown &&
           pixelsOf(w, ElementId::LabelNR, Colors::Yellow) > Shown;
}

QImage grab(std::uint32_t window) {
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// Pictures of the window until one shows what is wanted; that one, or nothing once the patience
// is spent.
std::optional<QImage> waitForPicture(std::uint32_t window,
                                     const std::function<bool(const QImage&)>& wanted) {
    const QDeadlineTimer deadline(Patience);
    while (!deadline.hasExpired()) {
        const QImage picture = grab(window);
        if (!picture.isNull() && picture.height() > FieldSize.height && wanted(picture))
            return picture;
        QTest::qWait(20);
    }
    return std::nullopt;
}

// The player's environment in English, kept away from the desktop the build may run in: no sound
// server, session manager or message bus of the builder's, and folders of its own.
QProcessEnvironment englishPlayer(const QDir& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys()) {
        if (name.startsWith(QLatin1String("LC_")))
            env.remove(name);
    }
    for (const char* name : {"LANGUAGE", "WAYLAND_DISPLAY", "SESSION_MANAGER"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("PULSE_SERVER"),
               QStringLiteral("unix:") + folder.filePath(QStringLiteral("runtime/no-sound")));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + folder.filePath(QStringLiteral("runtime/no-bus")));
    return env;
}

// One run of the game from a fresh copy of the player's folder; the three pictures, or false
// with the reason on standard error.
bool takePictures(const QString& program, const QString& buildFolder,
                  std::map<QString, QImage>& pictures) {
    const QTemporaryDir folder;
    const QDir dir(folder.path());
    if (!folder.isValid() || !copyPortableGame(folder.path(), {program}, buildFolder))
        return fail(QStringLiteral("the player's folder could not be copied from ") + buildFolder);
    if (!dir.mkpath(QStringLiteral("home")) || !dir.mkpath(QStringLiteral("runtime")) ||
        !QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return fail(QStringLiteral("no private folders in ") + folder.path());
    const auto saved = nearTheEnd().toBytes();
    try {
        writeRecordFile(
            QFile::encodeName(dir.filePath(QStringLiteral("data/record2.dat"))).toStdString(),
            saved.data(), saved.size());
    } catch (const FileError& error) {
        return fail(QString::fromStdString(error.what()));
    }

    QProcess game;
    game.setProcessEnvironment(englishPlayer(dir));
    game.setWorkingDirectory(folder.path());
    game.start(dir.filePath(QStringLiteral("zunbario")), {});
    if (!game.waitForStarted(Patience))
        return fail(QStringLiteral("the game did not start"));
    const auto stop = qScopeGuard([&game] {
        game.kill();
        game.waitForFinished(Patience);
    });
    const auto why = [&game](const char* what) {
        return fail(QLatin1String(what) + QStringLiteral("; the game said:\n") +
                    QString::fromLocal8Bit(game.readAllStandardError()));
    };

    const auto window = X11Session::waitForWindow(game.processId(), Patience);
    if (!window)
        return why("the game's window did not appear");
    // The saved game is offered in English at the end of the title.
    const auto question = X11Session::waitForWindowNamed(QStringLiteral("Confirm"), Patience);
    if (!question)
        return why("the game did not offer its saved game in English");
    if (X11Session::windowName(*window) != QStringLiteral("Zunbario"))
        return why("the window's caption is not English");
    X11Session::typeKeys(*question, QStringLiteral("alt+y"));
    // The question goes before a picture of the main window, which would show what covers it.
    const QDeadlineTimer deadline(Patience);
    while (!X11Session::run(QStringLiteral("xdotool"),
                            {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--name"), QStringLiteral("^Confirm$")})
                .isEmpty()) {
        if (deadline.hasExpired())
            return why("the question did not go away");
        QTest::qWait(20);
    }

    const auto ready = waitForPicture(*window, readyMessageShows);
    if (!ready)
        return why("the Ready message did not show");
    X11Session::typeKeys(*window, QStringLiteral("space"));
    const auto started = waitForPicture(*window, clockRuns);
    if (!started)
        return why("the level did not resume");
    // A second and a half in, the monsters have jumped and the clock has gone on.
    QTest::qWait(1500);
    const auto play = waitForPicture(*window, clockRuns);
    if (!play)
        return why("the level ended before its picture was taken");
    // The new record blinks and the monsters circle behind the message: of the pictures of one
    // turn of the circle, the one where the record shows and the monsters stand clear of the text.
    auto clear = waitForPicture(*window, celebrates);
    if (!clear)
        return why("the level did not end in a game clear with a new record");
    const QDeadlineTimer turn(OrbitTurnMs);
    while (!turn.hasExpired()) {
        const QImage picture = grab(*window);
        if (celebrates(picture) && clutter(picture) < clutter(*clear))
            clear = picture;
        QTest::qWait(20);
    }

    pictures = {{QStringLiteral("ready"), *ready},
                {QStringLiteral("play"), *play},
                {QStringLiteral("game-clear"), *clear}};
    return true;
}

bool save(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: zunbario-screenshots PROGRAM BUILD_FOLDER OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    // This program reads no text: a locale that always exists keeps Qt quiet about the C locale.
    for (const char* name : {"WAYLAND_DISPLAY", "SESSION_MANAGER"})
        qunsetenv(name);
    qputenv("LC_ALL", "C.UTF-8");
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("QT_QPA_PLATFORM", "xcb");

    QProcess server;
    if (!X11Session::start(server)) {
        std::fputs("zunbario-screenshots: Xvfb could not be started\n", stderr);
        return 1;
    }
    const auto stopServer = qScopeGuard([&server] {
        server.terminate();
        server.waitForFinished(5000);
    });
    QGuiApplication app(argc, argv);
    const QString program = QString::fromLocal8Bit(argv[1]);
    const QString buildFolder = QString::fromLocal8Bit(argv[2]);
    const QDir output(QString::fromLocal8Bit(argv[3]));

    // A run may miss a moment on a machine too busy to paint in time; another run is a fresh start.
    std::map<QString, QImage> pictures;
    for (int attempt = 1; attempt <= Attempts; ++attempt) {
        if (takePictures(program, buildFolder, pictures))
            break;
        std::fprintf(stderr, "zunbario-screenshots: run %d of %d failed\n", attempt, Attempts);
    }
    if (pictures.empty())
        return 1;
    if (!output.mkpath(QStringLiteral(".")))
        return 1;
    for (const auto& [name, picture] : pictures) {
        if (!save(picture, output.filePath(name + QStringLiteral(".png")))) {
            std::fprintf(stderr, "zunbario-screenshots: cannot write %s\n",
                         qPrintable(output.filePath(name + QStringLiteral(".png"))));
            return 1;
        }
    }
    return 0;
}
