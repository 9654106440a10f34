#pragma once

#include "Platform.h"

#include <QMessageBox>

class QPushButton;

// The game's yes/no(/cancel) question: caption "確認", a 32 × 32 question mark, the buttons in a
// centred row in the order はい, いいえ, キャンセル, all one width, centred on the screen. Escape
// answers Cancel when it is offered, else No; closing the dialog from its frame answers Cancel.
class ConfirmDialog : public QMessageBox {
    Q_OBJECT
public:
    ConfirmDialog(const GameText& message, DialogButtons buttons, QWidget* parent = nullptr);

    // Shows the dialog modally and returns the player's answer.
    Answer ask();

    QPushButton* yesButton() const { return m_yes; }
    QPushButton* noButton() const { return m_no; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_closedFromFrame = false;
};
