#include "AboutBox.h"

#include "CoreTexts.h"
#include "LabelText.h"
#include "Pictures.h"
#include "Texts.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QColor DialogGreen(0, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor LinkPurple(128, 0, 128);
const QColor LinkHover(255, 255, 255);
constexpr QSize ClientSize(356, 152);
constexpr QPoint InitialPosition(251, 119);

QFont gothic(int pixelSize, bool bold, bool italic, bool underline) {
    QFont font = LabelText::font(Font{pixelSize, bold});
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

// The banner and the plain labels swallow pointer movements, so that only the bare dialog
// background turns the link purple again.
void keepPointerMoves(QWidget* widget) {
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

AboutBox::AboutBox(const Pictures& pictures, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("ズンバリオのバージョン情報"));
    setFixedSize(ClientSize);
    move(InitialPosition);
    setFont(gothic(12, false, false, false));
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, DialogGreen);
    setPalette(green);
    setAutoFillBackground(true);

    // Children are created bottom to top: a later one lies over an earlier one.
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("ImageRogo"));
    banner->setPixmap(pictures.pixmap(Picture::Credit));
    banner->setGeometry(QRect(QPoint(128, 82), pictures.logicalSize(Picture::Credit)));
    keepPointerMoves(banner);

    keepPointerMoves(addLabel("Label1", CoreTexts::shown(Texts::Caption), QRect(8, 16, 321, 25),
                              Yellow, gothic(21, true, true, false)));
    m_link = addLabel("Label2", webPage().toString(), QRect(112, 124, 0, 0), LinkPurple,
                      gothic(16, false, false, true));
    m_link->adjustSize();
    m_link->setMouseTracking(true);
    m_link->installEventFilter(this);
    keepPointerMoves(addLabel("Label3", QStringLiteral("Ver 1.00"), QRect(232, 48, 89, 19), Yellow,
                              gothic(19, true, true, false)));
}

QUrl AboutBox::webPage() {
    return QUrl(QStringLiteral("https://zunbario.example.jp/"));
}

QLabel* AboutBox::addLabel(const char* name, const QString& text, QRect rect, QColor colour,
                           QFont font) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, DialogGreen);
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    label->setGeometry(rect);
    return label;
}

void AboutBox::setLinkColour(QColor colour) {
    QPalette colours = m_link->palette();
    if (colours.color(QPalette::WindowText) == colour)
        return;
    colours.setColor(QPalette::WindowText, colour);
    m_link->setPalette(colours);
}

void AboutBox::mouseMoveEvent(QMouseEvent* event) {
    setLinkColour(LinkPurple);
    event->accept();
}

// The about box has no key handling: keys do nothing, Escape does not close it either.
void AboutBox::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_link)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        setLinkColour(LinkHover);
        return true;
    case QEvent::MouseButtonPress:
        m_linkPressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        // A click is a press and a release on the link; the box stays open behind the browser.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_linkPressed && mouse->button() == Qt::LeftButton &&
            m_link->rect().contains(mouse->position().toPoint()))
            QDesktopServices::openUrl(webPage());
        m_linkPressed = false;
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}
