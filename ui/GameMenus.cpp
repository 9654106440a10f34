#include "GameMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

GameMenus::GameMenus(QMenuBar& bar) : QObject(&bar) {
    m_hammerMenu = bar.addMenu(tr("ハンマー(&T)"));
    m_actions[index(MenuItem::N1)] = m_hammerMenu->menuAction();
    addCommand(*m_hammerMenu, MenuItem::N2, tr("普通のハンマーのみ(&N)"), true);
    addCommand(*m_hammerMenu, MenuItem::N3, tr("変なハンマーのみ(&S)"), true);
    addCommand(*m_hammerMenu, MenuItem::N4, tr("ランダムに普通のハンマーと変なハンマー(&R)"), true);

    // Saving is a command straight on the bar, with no menu of its own.
    QAction* save = bar.addAction(tr("ゲームの保存(&K)"));
    m_actions[index(MenuItem::N5)] = save;
    save->setEnabled(false);
    wire(MenuItem::N5);

    m_helpMenu = bar.addMenu(tr("ヘルプ(&H)"));
    m_actions[index(MenuItem::Help1)] = m_helpMenu->menuAction();
    addCommand(*m_helpMenu, MenuItem::Help2, tr("ヘルプ(&D)"), false);
    m_helpMenu->addSeparator();
    addCommand(*m_helpMenu, MenuItem::N7, tr("バージョン情報(&B)"), false);
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
