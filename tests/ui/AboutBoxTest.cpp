#include "AboutBox.h"

#include "Pictures.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor Green(0, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor Purple(128, 0, 128);
const QColor White(255, 255, 255);

// Stands in for the browser: remembers the addresses it was asked to open.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class AboutBoxOpen : public ::testing::Test {
protected:
    void SetUp() override {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
        m_box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_box));
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QLabel* element(const char* name) { return m_box.findChild<QLabel*>(QLatin1String(name)); }
    QColor textColour(const char* name) {
        return element(name)->palette().color(QPalette::WindowText);
    }
    QColor linkColour() { return textColour("Label2"); }
    void pointTo(QPoint at) { QTest::mouseMove(&m_box, at); }

    BrowserStandIn m_browser;
    Pictures m_pictures{1.0};
    AboutBox m_box{m_pictures};
};

bool containsColour(const QImage& image, QRect area, QColor colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST_F(AboutBoxOpen, IsAFixedGreenDialogAtItsOwnPlace) {
    EXPECT_EQ(m_box.windowTitle(), QStringLiteral("ズンバリオのバージョン情報"));
    EXPECT_EQ(m_box.minimumSize(), m_box.maximumSize()) << "the player cannot resize it";
    const Qt::WindowFlags flags = m_box.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    const QImage shot = m_box.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), Green);
    EXPECT_EQ(shot.pixelColor(350, 146), Green);
}

TEST_F(AboutBoxOpen, ElementsLieBottomToTopWithTheirTextsAndStyles) {
    QStringList order;
    for (QObject* child : m_box.children())
        if (qobject_cast<QLabel*>(child))
            order << child->objectName();
    EXPECT_EQ(order, (QStringList{"ImageRogo", "Label1", "Label2", "Label3"}));

    QLabel* banner = element("ImageRogo");
    EXPECT_EQ(banner->geometry(), QRect(128, 82, 200, 43));
    EXPECT_EQ(banner->pixmap().cacheKey(), m_pictures.pixmap(Picture::Credit).cacheKey());

    struct Expected {
        const char* name;
        QString text;
        QRect rect;
        QColor colour;
        int pixelSize;
        bool boldItalic;
    };
    const std::vector<Expected> labels{
        {"Label1", QStringLiteral("ズンバリオ"), {8, 16, 321, 25}, Yellow, 21, true},
        {"Label3", QStringLiteral("Ver 1.00"), {232, 48, 89, 19}, Yellow, 19, true},
    };
    for (const Expected& e : labels) {
        SCOPED_TRACE(e.name);
        QLabel* label = element(e.name);
        EXPECT_EQ(label->text(), e.text);
        EXPECT_EQ(label->geometry(), e.rect);
        EXPECT_EQ(textColour(e.name), e.colour);
        EXPECT_EQ(label->font().pixelSize(), e.pixelSize);
        EXPECT_TRUE(label->font().bold() && label->font().italic());
        EXPECT_TRUE(label->autoFillBackground()) << "opaque";
        EXPECT_EQ(label->palette().color(QPalette::Window), Green);
    }

    QLabel* link = element("Label2");
    EXPECT_EQ(AboutBox::webPage().host().section('.', -2), QStringLiteral("example.jp"));
    EXPECT_EQ(link->pos(), QPoint(112, 124));
    EXPECT_EQ(link->size(), link->sizeHint()) << "sized to its text";
    EXPECT_LE(link->geometry().right(), 355) << "the whole address is readable";
    EXPECT_EQ(linkColour(), Purple);
    EXPECT_EQ(link->font().pixelSize(), 16);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

    const QImage shot = m_box.grab().toImage();
    EXPECT_TRUE(containsColour(shot, element("Label1")->geometry(), Yellow));
    EXPECT_TRUE(containsColour(shot, link->geometry(), Purple));
}

TEST_F(AboutBoxOpen, TheLinkTurnsWhiteUnderThePointerAndPurpleOnlyOverTheBareBackground) {
    const QPoint onLink = element("Label2")->geometry().center();
    pointTo(onLink);
    EXPECT_EQ(linkColour(), White);

    pointTo(QPoint(200, 100)); // the banner
    EXPECT_EQ(linkColour(), White);
    pointTo(element("Label1")->geometry().center());
    EXPECT_EQ(linkColour(), White);
    pointTo(element("Label3")->geometry().center());
    EXPECT_EQ(linkColour(), White);

    pointTo(QPoint(40, 100)); // bare green
    EXPECT_EQ(linkColour(), Purple);
    EXPECT_TRUE(containsColour(m_box.grab().toImage(), element("Label2")->geometry(), Purple));

    pointTo(onLink);
    EXPECT_EQ(linkColour(), White);
    EXPECT_TRUE(containsColour(m_box.grab().toImage(), element("Label2")->geometry(), White));
}

TEST_F(AboutBoxOpen, ClickingTheLinkOpensTheWebPageAndLeavesTheBoxOpen) {
    QLabel* link = element("Label2");
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(m_browser.opened.size(), 1);
    EXPECT_EQ(m_browser.opened.first(), AboutBox::webPage());
    EXPECT_TRUE(m_box.isVisible());

    QTest::mouseClick(link, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(element("Label1"), Qt::LeftButton);
    QTest::mouseClick(&m_box, Qt::LeftButton, {}, QPoint(40, 100));
    EXPECT_EQ(m_browser.opened.size(), 1) << "only a left click on the link opens it";
}

TEST_F(AboutBoxOpen, KeysDoNothingNotEvenEscape) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A})
        QTest::keyClick(&m_box, key);
    EXPECT_TRUE(m_box.isVisible());
    EXPECT_TRUE(m_browser.opened.isEmpty());
}

#include "AboutBoxTest.moc"
