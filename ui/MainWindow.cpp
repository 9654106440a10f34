#include "MainWindow.h"

#include "FieldWidget.h"
#include "Game.h"
#include "GameMenus.h"
#include "GameTimer.h"
#include "HandlerRunner.h"
#include "HighScoresWindow.h"
#include "LabelText.h"
#include "NativeCaption.h"
#include "ProgramEnd.h"
#include "QtPlatform.h"
#include "QtReachableFolder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmapCache>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

MouseButton toGame(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

} // namespace

MainWindow::MainWindow(const QString& appDir, QWidget* parent)
    : MainWindow(FileLocations::portable(QFile::encodeName(appDir).toStdString()), parent) {}

MainWindow::MainWindow(const FileLocations& folders, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    build(folders);
    wire();
    start();
}

MainWindow::~MainWindow() = default;

void MainWindow::build(const FileLocations& folders) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setWindowIcon(m_pictures.windowIcon());
    // The window's own font, which its menus use too: the game's Japanese gothic at 12 px.
    setFont(LabelText::font(Font{12, false}));

    m_field = new FieldWidget(m_pictures, this);
    setCentralWidget(m_field);
    m_menus = new GameMenus(*menuBar());
    m_timer = new GameTimer(this);

    m_settingsFile =
        std::make_unique<SettingsFile>(QFile::decodeName(folders.settingsFile.c_str()));
    m_settings = m_settingsFile->read();
    m_menus->showSettings(m_settings);

    m_gameFiles = std::make_unique<QtReachableFolder>(folders.appDir);
    m_platform = std::make_unique<QtPlatform>(*this, *m_field, *m_timer, *m_menus, m_pictures,
                                              *m_gameFiles, m_settings.soundOn);
    m_game = std::make_unique<Game>(*m_platform, folders);
    m_field->setScene(m_game->scene());
    LabelText::fitTranslations(m_game->scene());
    m_runner = new HandlerRunner(*m_platform, m_game->scene(), *m_field, this);
    m_end = new ProgramEnd(*m_game, *m_platform, *m_runner, this);
}

void MainWindow::wire() {
    connect(m_timer, &GameTimer::ticked, this, &MainWindow::tick);
    connect(m_menus, &GameMenus::chosen, this, &MainWindow::onMenuChosen);
    connect(m_menus, &GameMenus::settingsChosen, this, &MainWindow::applySettings);
    for (QMenu* menu : m_menus->dropDowns())
        connect(menu, &QMenu::aboutToHide, this, &MainWindow::giveKeysBackToField);
    connect(m_menus->dropDowns()[1], &QMenu::aboutToShow, this, &MainWindow::offerFittingSizes);

    // Ctrl+Q closes the game as the close box does, question and all.
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(m_menus->highScoresAction(), &QAction::triggered, this, &MainWindow::showHighScores);
    m_field->setCommandKeys({quit->shortcut(), m_menus->action(MenuItem::Help2)->shortcut(),
                             m_menus->fullScreenAction()->shortcut(),
                             m_menus->highScoresAction()->shortcut()});

    connect(m_field, &FieldWidget::keyPressed, this, &MainWindow::onKeyPressed);
    connect(m_field, &FieldWidget::mousePressed, this,
            [this](QPoint p, QPoint screen, Qt::MouseButton b) {
                const QtPlatform::EventPointer pointer(*m_platform, screen);
                m_runner->run([&] { m_game->mousePressed({p.x(), p.y()}, toGame(b)); });
            });
    connect(m_field, &FieldWidget::mouseMoved, this, [this](QPoint p, QPoint screen, bool left) {
        const QtPlatform::EventPointer pointer(*m_platform, screen);
        m_runner->run([&] { m_game->mouseMoved({p.x(), p.y()}, left); });
    });
    connect(m_field, &FieldWidget::mouseReleased, this, [this](Qt::MouseButton b) {
        m_runner->run([&] { m_game->mouseReleased(toGame(b)); });
    });
    connect(m_field, &FieldWidget::mouseLost, this, [this] { m_game->mouseLost(); });
    // The game is left when none of its windows is active any more: another program's window
    // was activated, the game was minimised, the screen locked. Its own dialogs, menus, about box
    // and help window keep it active. A question under way stands still already, and the level
    // goes on as its answer says; the about box is no question and waits in no handler.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive && !m_runner->underWay())
                    m_runner->run([this] { m_game->playerLeft(); });
            });
}

void MainWindow::start() {
    m_runner->run([this] { m_game->FormCreate(); });
    m_field->setFocus();
    showAtChosenSize();
}

void MainWindow::applySettings(const PlayerSettings& chosen) {
    const PlayerSettings before = m_settings;
    m_settings = chosen;
    m_platform->setSoundOn(chosen.soundOn);
    if (chosen.size != before.size || chosen.fullScreen != before.fullScreen)
        showAtChosenSize();
    // A file that cannot be written leaves the settings in force for this run.
    m_settingsFile->write(m_settings);
}

void MainWindow::showAtChosenSize() {
    if (m_settings.fullScreen) {
        if (isVisible() && !windowState().testFlag(Qt::WindowFullScreen))
            m_windowPlace = geometry().topLeft();
        m_field->fillWidget();
        // The fixed size stays in the window's hints until it is lifted, and a window manager
        // would keep the window at that size on the full screen.
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        const bool wasFullScreen = windowState().testFlag(Qt::WindowFullScreen);
        const qreal scale = scaleOf(fittingSize(m_settings.size));
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        m_field->setScale(scale);
        // The window is exactly the menu bar over the field, and the player cannot resize it.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        // Leaving full screen, the window goes back where it stood, unless its size changed
        // meanwhile. The client area is placed: the frame is not known again yet.
        if (wasFullScreen && m_windowPlace && scale == m_windowScale) {
            adjustSize();
            setGeometry(QRect(*m_windowPlace, size()));
        } else {
            centreOnDesktop();
        }
        m_windowScale = scale;
        m_windowPlace.reset();
    }
    m_platform->fieldScaled();
}

bool MainWindow::fitsScreen(WindowSize size) const {
    const QScreen* screen = this->screen();
    if (screen == nullptr || size == WindowSize::Normal)
        return true;
    // The frame is known once the window is shown; until then it counts as none.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize around = frame + QSize(0, menuBar()->sizeHint().height());
    const QSize field = FieldView::atScale(scaleOf(size)).widgetSize();
    const QSize available = screen->availableGeometry().size();
    return field.width() + around.width() <= available.width() &&
           field.height() + around.height() <= available.height();
}

WindowSize MainWindow::fittingSize(WindowSize wanted) const {
    auto size = static_cast<int>(wanted);
    while (size > 0 && !fitsScreen(static_cast<WindowSize>(size)))
        --size;
    return static_cast<WindowSize>(size);
}

void MainWindow::offerFittingSizes() {
    for (int i = 0; i < WindowSizeCount; ++i) {
        const auto size = static_cast<WindowSize>(i);
        m_menus->sizeAction(size)->setEnabled(fitsScreen(size));
    }
}

void MainWindow::tick() {
    m_runner->run([this] { m_game->Timer1Timer(); });
}

void MainWindow::onMenuChosen(MenuItem item) {
    m_runner->run([this, item] { m_game->menuChosen(item); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Qt has just named the new native window after the application; the caption stays blank
    // until the title settles.
    if (windowTitle().isEmpty())
        clearNativeCaption(*this);
    // The native window has just been given copies of the icon, which Qt kept in its pixmap
    // cache as well; the cache's timer would then wake the game three times in its first minute
    // to empty it again, paused or not. The icon keeps its own pixmaps.
    QPixmapCache::clear();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The frame is known only once the window manager has put it around the shown window:
    // then the window is centred again, so that the outer rectangle stands in the middle.
    if (!m_centredWithFrame && isVisible() && frameGeometry() != geometry()) {
        m_centredWithFrame = true;
        centreOnDesktop();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_end->allowsClose(*event))
        event->accept();
    else
        event->ignore();
}

void MainWindow::endWithoutAsking() {
    m_end->endWithoutAsking();
}

void MainWindow::showHighScores() {
    // Offered only while the game is idle, so nothing needs to stand still while it is open. It
    // has no event loop of its own: the game's handlers keep running as they do without it.
    auto* scores = new HighScoresWindow(m_game->readScores(), modeIndex(m_game->state().HammerMode),
                                        m_game->latestScore(), this);
    scores->setAttribute(Qt::WA_DeleteOnClose);
    connect(scores, &QDialog::finished, this, &MainWindow::giveKeysBackToField);
    scores->open();
}

void MainWindow::onKeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    m_runner->run([this] { m_game->FormKeyDown(); });
    if (key == Qt::Key_F10 && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier)
        QTimer::singleShot(0, this, &MainWindow::selectMenuBar);
}

void MainWindow::selectMenuBar() {
    // F10 selects the menu bar as Alt alone does. Qt's menu bar only listens for the Alt key, so
    // it is told of an Alt press and release, with the modifiers the window system would report
    // (a key event shows its own modifier key flipped). The field does not hear them.
    if (!isActiveWindow() || QApplication::activePopupWidget() != nullptr)
        return;
    QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &altDown);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &altUp);
}

void MainWindow::giveKeysBackToField() {
    // Once a menu has closed, the menu bar would keep the keyboard and the game would hear no
    // key until the player clicked the field.
    QTimer::singleShot(0, this, [this] {
        if (QApplication::activePopupWidget() == nullptr)
            m_field->setFocus();
    });
}

void MainWindow::centreOnDesktop() {
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect desktop = screen->virtualGeometry();
    const QSize size = frameGeometry().size();
    const int left = desktop.left() + (desktop.width() - size.width()) / 2;
    const int top = desktop.top() + (desktop.height() - size.height()) / 2;
    move(std::max(left, std::max(desktop.left(), 0)), std::max(top, std::max(desktop.top(), 0)));
}
