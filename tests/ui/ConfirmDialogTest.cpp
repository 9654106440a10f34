#include "ConfirmDialog.h"

#include "WindowHarness.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Asks the question and lets `act` answer it while the dialog is up.
Answer askAndAnswer(DialogButtons buttons, std::function<void(ConfirmDialog&)> act) {
    ConfirmDialog dialog("ゲームを保存しますか？\r以前のデータは破棄されます。", buttons);
    whenDialogOpens([act = std::move(act)](QWidget& open) {
        auto* question = qobject_cast<ConfirmDialog*>(&open);
        ASSERT_NE(question, nullptr);
        // Mnemonics only work in the active window.
        EXPECT_TRUE(QTest::qWaitForWindowActive(question));
        act(*question);
    });
    // A key that went astray fails the test instead of leaving the dialog up for good.
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.ask();
}

} // namespace

TEST(ConfirmDialog, ShowsItsCaptionTextAndButtonLabels) {
    bool inspected = false;
    askAndAnswer(DialogButtons::YesNoCancel, [&](ConfirmDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("確認"));
        EXPECT_EQ(d.text(), QStringLiteral("ゲームを保存しますか？\n以前のデータは破棄されます。"));
        EXPECT_EQ(d.yesButton()->text(), QStringLiteral("はい(&Y)"));
        EXPECT_EQ(d.noButton()->text(), QStringLiteral("いいえ(&N)"));
        EXPECT_EQ(d.cancelButton()->text(), QStringLiteral("キャンセル"));
        inspected = true;
        d.yesButton()->click();
    });
    EXPECT_TRUE(inspected);
}

TEST(ConfirmDialog, ButtonsStandInOrderAllOneWidthWithYesAsTheDefault) {
    bool inspected = false;
    askAndAnswer(DialogButtons::YesNoCancel, [&](ConfirmDialog& d) {
        EXPECT_LT(d.yesButton()->x(), d.noButton()->x());
        EXPECT_LT(d.noButton()->x(), d.cancelButton()->x());
        EXPECT_EQ(d.yesButton()->width(), d.noButton()->width());
        EXPECT_EQ(d.noButton()->width(), d.cancelButton()->width());
        EXPECT_TRUE(d.yesButton()->isDefault());
        EXPECT_EQ(d.focusWidget(), d.yesButton());
        inspected = true;
        d.yesButton()->click();
    });
    EXPECT_TRUE(inspected);
}

TEST(ConfirmDialog, YesNoQuestionHasNoCancelButton) {
    const Answer answer = askAndAnswer(DialogButtons::YesNo, [](ConfirmDialog& d) {
        EXPECT_EQ(d.cancelButton(), nullptr);
        EXPECT_EQ(d.buttons().size(), 2);
        d.noButton()->click();
    });
    EXPECT_EQ(answer, Answer::No);
}

TEST(ConfirmDialog, EnterAndMnemonicsPressTheirButtons) {
    EXPECT_EQ(askAndAnswer(DialogButtons::YesNoCancel,
                           [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }),
              Answer::Yes);
    EXPECT_EQ(
        askAndAnswer(DialogButtons::YesNoCancel,
                     [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_N, Qt::AltModifier); }),
        Answer::No);
    EXPECT_EQ(
        askAndAnswer(DialogButtons::YesNo,
                     [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_Y, Qt::AltModifier); }),
        Answer::Yes);
}

TEST(ConfirmDialog, EscapeAnswersCancelWhenOfferedElseNo) {
    EXPECT_EQ(askAndAnswer(DialogButtons::YesNoCancel,
                           [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
              Answer::Cancel);
    EXPECT_EQ(askAndAnswer(DialogButtons::YesNo,
                           [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
              Answer::No);
}

TEST(ConfirmDialog, ClosingFromTheFrameAnswersCancelForEitherButtonSet) {
    EXPECT_EQ(askAndAnswer(DialogButtons::YesNoCancel, [](ConfirmDialog& d) { d.close(); }),
              Answer::Cancel);
    EXPECT_EQ(askAndAnswer(DialogButtons::YesNo, [](ConfirmDialog& d) { d.close(); }),
              Answer::Cancel);
}

// The dialog as it is drawn: a 32 × 32 question mark at the top left, the text to its right,
// the buttons in a row centred below, and the whole dialog in the middle of the screen.
TEST(ConfirmDialog, StandsInTheScreensMiddleWithItsButtonsCentredUnderTheText) {
    for (const DialogButtons buttons : {DialogButtons::YesNo, DialogButtons::YesNoCancel}) {
        askAndAnswer(buttons, [](ConfirmDialog& d) {
            QLabel* icon = nullptr;
            QLabel* text = nullptr;
            for (QLabel* label : d.findChildren<QLabel*>()) {
                if (!label->pixmap().isNull())
                    icon = label;
                else if (label->text() == d.text())
                    text = label;
            }
            ASSERT_NE(icon, nullptr);
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
            EXPECT_LT(icon->geometry().left(), text->geometry().left());
            EXPECT_LE(icon->geometry().top(), text->geometry().top() + 16);

            const QRect first = d.yesButton()->geometry().translated(
                d.yesButton()->parentWidget()->mapTo(&d, QPoint()));
            QPushButton* lastButton = d.cancelButton() != nullptr ? d.cancelButton() : d.noButton();
            const QRect last =
                lastButton->geometry().translated(lastButton->parentWidget()->mapTo(&d, QPoint()));
            EXPECT_GT(first.top(), text->geometry().bottom());
            EXPECT_EQ(first.top(), last.top()) << "one row";
            const int leftGap = first.left();
            const int rightGap = d.width() - 1 - last.right();
            EXPECT_LE(std::abs(leftGap - rightGap), 2) << leftGap << " vs " << rightGap;

            // The whole screen, not its area left free by panels.
            const QPoint centre = d.screen()->geometry().center();
            EXPECT_LE(std::abs(d.frameGeometry().center().x() - centre.x()), 1);
            EXPECT_LE(std::abs(d.frameGeometry().center().y() - centre.y()), 1);
            d.yesButton()->click();
        });
    }
}
