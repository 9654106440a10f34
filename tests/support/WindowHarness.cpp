#include "WindowHarness.h"

#include "ConfirmDialog.h"
#include "FieldWidget.h"
#include "Game.h"
#include "GameMenus.h"
#include "GameTimer.h"
#include "Scene.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtMath>

QPoint bareSpot(const Scene& scene) {
    for (int y = 150; y < 400; y += 7) {
        for (int x = 150; x < 500; x += 7) {
            if (scene.elementAt({x, y}) == nullptr)
                return {x, y};
        }
    }
    return {};
}

void whenDialogOpens(std::function<void(QWidget& dialog)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(*dialog);
        else
            whenDialogOpens(act);
    });
}

QStringList captions(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void WindowHarness::SetUp() {
    ASSERT_TRUE(m_folder.isValid());
    QDir(m_folder.path()).mkdir(QStringLiteral("data"));
    prepareFolder();
    m_window = std::make_unique<MainWindow>(m_folder.path() + QLatin1Char('/'));
    m_realTicks.emplace(&m_window->timer());
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowHarness::TearDown() {
    m_realTicks.reset();
    m_window.reset();
}

void WindowHarness::runTitle() {
    while (game().state().TitlePhase)
        m_window->tick();
}

void WindowHarness::startLevel1(std::optional<HammerMode> mode) {
    runTitle();
    if (mode)
        chooseMode(*mode);
    pressKey(Qt::Key_Space);
}

void WindowHarness::chooseMode(HammerMode mode) {
    whenDialogOpens([](QWidget& dialog) {
        auto* question = qobject_cast<ConfirmDialog*>(&dialog);
        ASSERT_NE(question, nullptr);
        question->yesButton()->click();
    });
    m_window->menus().action(menuItemOf(mode))->trigger();
}

void WindowHarness::pressKey(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&m_window->field(), static_cast<Qt::Key>(key), modifiers);
}

void WindowHarness::pressAltAlone() {
    QTest::keyPress(&m_window->field(), Qt::Key_Alt);
    QTest::keyRelease(&m_window->field(), Qt::Key_Alt);
}

QPoint WindowHarness::inWindow(QPoint fieldPos) const {
    // The widget pixel under the middle of the field pixel, which maps back to it at every scale
    // the game uses (1, 1.5, and 2 or more); the middle of all the widget pixels it touches may
    // lie in the field pixel before, at 1.5 times for an odd coordinate.
    const FieldView& view = m_window->field().view();
    const QPointF middle = view.origin() + (QPointF(fieldPos) + QPointF(0.5, 0.5)) * view.scale();
    return m_window->field().mapTo(m_window.get(), QPoint(qFloor(middle.x()), qFloor(middle.y())));
}

void WindowHarness::clickField(Qt::MouseButton button, QPoint fieldPos) {
    QTest::mouseClick(m_window->windowHandle(), button, {}, inWindow(fieldPos));
}

void WindowHarness::doubleClickField(Qt::MouseButton button, QPoint fieldPos) {
    QTest::mouseDClick(m_window->windowHandle(), button, {}, inWindow(fieldPos));
}
