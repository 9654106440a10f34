#include "HelpWindow.h"

#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class HelpWindowOpen : public ::testing::Test {
protected:
    QTextBrowser* browser() { return m_window.findChild<QTextBrowser*>(); }
    HelpWindow m_window;
};

} // namespace

TEST_F(HelpWindowOpen, OpensTheHelpFileAtItsFirstTopicWithoutWaiting) {
    const QString path = sourceFile("assets/help/Zintok.html");
    m_window.showHelp(path, 1);
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_FALSE(m_window.isModal());
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->source().toLocalFile(), path);
    EXPECT_EQ(browser()->source().fragment(), HelpWindow::anchorFor(1));
    EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("遊び方")));

    // The topic's anchor really is in the file, or the help would open somewhere else.
    const QString html = QString::fromUtf8(readBytes(path));
    EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(HelpWindow::anchorFor(1))));
}

TEST_F(HelpWindowOpen, AnUnknownTopicShowsTheFileFromItsTop) {
    EXPECT_TRUE(HelpWindow::anchorFor(99).isEmpty());
    m_window.showHelp(sourceFile("assets/help/Zintok.html"), 99);
    EXPECT_TRUE(browser()->source().fragment().isEmpty());
    EXPECT_TRUE(browser()->toPlainText().startsWith(QStringLiteral("ズンバリオ ヘルプ")));
}

TEST_F(HelpWindowOpen, AMissingHelpFileIsReportedInsideTheWindow) {
    QTemporaryDir dir;
    const QString absent = dir.filePath("Zintok.html");
    m_window.showHelp(absent, 1);
    EXPECT_TRUE(m_window.isVisible());
    const QString text = browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("見つかりません")));
    EXPECT_TRUE(text.contains(absent));

    // Once the file is there, the next request shows it.
    writeBytes(absent, readBytes(sourceFile("assets/help/Zintok.html")));
    m_window.showHelp(absent, 1);
    EXPECT_FALSE(browser()->toPlainText().contains(QStringLiteral("見つかりません")));
}
