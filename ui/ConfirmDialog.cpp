#include "ConfirmDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

ConfirmDialog::ConfirmDialog(const std::string& message, DialogButtons buttons, QWidget* parent)
    : QMessageBox(parent) {
    setWindowTitle(QStringLiteral("確認"));
    setIcon(QMessageBox::Question);
    setTextFormat(Qt::PlainText);
    setText(QString::fromStdString(message).replace(QLatin1Char('\r'), QLatin1Char('\n')));

    // One role for every button keeps them in the order they are added on every desktop.
    m_yes = addButton(QStringLiteral("はい(&Y)"), QMessageBox::ActionRole);
    m_no = addButton(QStringLiteral("いいえ(&N)"), QMessageBox::ActionRole);
    if (buttons == DialogButtons::YesNoCancel)
        m_cancel = addButton(QStringLiteral("キャンセル"), QMessageBox::ActionRole);
    setDefaultButton(m_yes);
    setEscapeButton(m_cancel != nullptr ? m_cancel : m_no);

    int width = 0;
    for (QPushButton* button : {m_yes, m_no, m_cancel}) {
        if (button != nullptr)
            width = std::max(width, button->sizeHint().width());
    }
    for (QPushButton* button : {m_yes, m_no, m_cancel}) {
        if (button != nullptr)
            button->setFixedWidth(width);
    }
}

Answer ConfirmDialog::ask() {
    m_closedFromFrame = false;
    exec();
    const QAbstractButton* clicked = clickedButton();
    if (m_closedFromFrame || clicked == nullptr || clicked == m_cancel)
        return Answer::Cancel;
    return clicked == m_yes ? Answer::Yes : Answer::No;
}

void ConfirmDialog::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    m_yes->setFocus();
    // A message box centres itself on its parent; the game's question stands in the middle of
    // the screen.
    if (const QScreen* screen = this->screen()) {
        QRect box = frameGeometry();
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
}

void ConfirmDialog::closeEvent(QCloseEvent* event) {
    if (clickedButton() == nullptr)
        m_closedFromFrame = true;
    QMessageBox::closeEvent(event);
}
