#include "GameMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

GameMenus::GameMenus(QMenuBar& bar) : QObject(&bar) {
    m_hammerMenu = bar.addMenu(tr("ハンマー(&T)"));
    m_actions[index(MenuItem::N1)] = m_hammerMenu->menuAction();
    addCommand(*m_hammerMenu, MenuItem::N2, tr("普通のハンマーのみ(&N)"), true);
    addCommand(*m_hammerMenu, MenuItem::N3, tr("変なハンマーのみ(&S)"), true);
    addCommand(*m_hammerMenu, MenuItem::N4, tr("ランダムに普通のハンマーと変なハンマー(&R)"), true);
    m_hammerMenu->addSeparator();
    m_highScores = m_hammerMenu->addAction(tr("記録(&V)…"));
    m_highScores->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_highScores->setEnabled(m_hammerMenu->menuAction()->isEnabled());

    // Saving is a command straight on the bar, with no menu of its own.
    QAction* save = bar.addAction(tr("ゲームの保存(&K)"));
    m_actions[index(MenuItem::N5)] = save;
    save->setEnabled(false);
    wire(MenuItem::N5);

    addSettings(bar);

    m_helpMenu = bar.addMenu(tr("ヘルプ(&H)"));
    m_actions[index(MenuItem::Help1)] = m_helpMenu->menuAction();
    addCommand(*m_helpMenu, MenuItem::Help2, tr("ヘルプ(&D)"), false);
    action(MenuItem::Help2)->setShortcut(QKeySequence(Qt::Key_F1));
    m_helpMenu->addSeparator();
    addCommand(*m_helpMenu, MenuItem::N7, tr("バージョン情報(&B)"), false);
}

void GameMenus::addSettings(QMenuBar& bar) {
    m_settingsMenu = bar.addMenu(tr("設定(&S)"));
    m_sound = m_settingsMenu->addAction(tr("効果音を鳴らす(&S)"));
    m_sound->setCheckable(true);
    m_settingsMenu->addSeparator();
    auto* sizes = new QActionGroup(this);
    const std::array<QString, WindowSizeCount> captions{tr("等倍(&1)"), tr("1.5 倍(&2)"),
                                                        tr("2 倍(&3)")};
    for (std::size_t i = 0; i < m_sizes.size(); ++i) {
        m_sizes[i] = m_settingsMenu->addAction(captions[i]);
        m_sizes[i]->setCheckable(true);
        sizes->addAction(m_sizes[i]);
    }
    m_settingsMenu->addSeparator();
    m_fullScreen = m_settingsMenu->addAction(tr("全画面表示(&F)"));
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    showSettings({});

    for (QAction* action : m_settingsMenu->actions())
        connect(action, &QAction::triggered, this,
                [this] { emit settingsChosen(chosenSettings()); });
}

void GameMenus::showSettings(const PlayerSettings& settings) {
    m_sound->setChecked(settings.soundOn);
    sizeAction(settings.size)->setChecked(true);
    m_fullScreen->setChecked(settings.fullScreen);
}

PlayerSettings GameMenus::chosenSettings() const {
    PlayerSettings settings;
    settings.soundOn = m_sound->isChecked();
    for (std::size_t i = 0; i < m_sizes.size(); ++i) {
        if (m_sizes[i]->isChecked())
            settings.size = static_cast<WindowSize>(i);
    }
    settings.fullScreen = m_fullScreen->isChecked();
    return settings;
}

void GameMenus::addCommand(QMenu& menu, MenuItem item, const QString& caption, bool checkable) {
    QAction* action = menu.addAction(caption);
    action->setCheckable(checkable);
    m_actions[index(item)] = action;
    wire(item);
}

void GameMenus::wire(MenuItem item) {
    QAction* action = m_actions[index(item)];
    connect(action, &QAction::triggered, this, [this, action, item] {
        // Qt has already flipped the mark; the handler decides what it shows.
        if (action->isCheckable())
            action->setChecked(m_checked[index(item)]);
        emit chosen(item);
    });
}

void GameMenus::setEnabled(MenuItem item, bool enabled) {
    m_actions[index(item)]->setEnabled(enabled);
    // The high scores open exactly when the Hammer menu could, so that their shortcut never
    // works while a level is in play.
    if (item == MenuItem::N1)
        m_highScores->setEnabled(enabled);
}

void GameMenus::setChecked(MenuItem item, bool checked) {
    m_checked[index(item)] = checked;
    m_actions[index(item)]->setChecked(checked);
}

bool GameMenus::isChecked(MenuItem item) const {
    return m_checked[index(item)];
}

QAction* GameMenus::action(MenuItem item) const {
    return m_actions[index(item)];
}
