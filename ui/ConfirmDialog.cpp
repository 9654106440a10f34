#include "ConfirmDialog.h"

#include "CoreTexts.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

ConfirmDialog::ConfirmDialog(const GameText& message, DialogButtons buttons, QWidget* parent)
    : QMessageBox(parent) {
    setWindowTitle(tr("確認"));
    // The question mark at the window system's classic 32 × 32, not the style's larger size.
    setIconPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(32));
    setTextFormat(Qt::PlainText);
    setText(CoreTexts::shown(message).replace(QLatin1Char('\r'), QLatin1Char('\n')));

    // One role for every button keeps them in the order they are added on every desktop.
    m_yes = addButton(tr("はい(&Y)"), QMessageBox::ActionRole);
    m_no = addButton(tr("いいえ(&N)"), QMessageBox::ActionRole);
    if (buttons == DialogButtons::YesNoCancel)
        m_cancel = addButton(tr("キャンセル"), QMessageBox::ActionRole);
    // The buttons stand in a row centred under the text, whatever the style prefers.
    if (auto* row = findChild<QDialogButtonBox*>())
        row->setCenterButtons(true);
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
    // the whole screen, panels included.
    if (const QScreen* screen = this->screen()) {
        QRect box = frameGeometry();
        box.moveCenter(screen->geometry().center());
        move(box.topLeft());
    }
}

void ConfirmDialog::closeEvent(QCloseEvent* event) {
    if (clickedButton() == nullptr)
        m_closedFromFrame = true;
    QMessageBox::closeEvent(event);
}
