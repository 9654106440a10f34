#include "QtPlatform.h"

#include "AboutBox.h"
#include "AccountName.h"
#include "ConfirmDialog.h"
#include "CoreTexts.h"
#include "CursorFile.h"
#include "ErrorBox.h"
#include "FieldWidget.h"
#include "GameLanguage.h"
#include "GameMenus.h"
#include "GameTimer.h"
#include "HelpWindow.h"
#include "LabelText.h"
#include "Layout.h"
#include "NativeCaption.h"
#include "QtReachableFolder.h"

#include <QDateTime>
#include <QFileInfo>
#include <QWidget>
#include <cstdio>

QtPlatform::QtPlatform(QWidget& window, FieldWidget& field, GameTimer& timer, GameMenus& menus,
                       const Pictures& pictures, const QtReachableFolder& gameFiles, bool soundOn)
    : m_window(window), m_field(field), m_timer(timer), m_menus(menus), m_gameFiles(gameFiles),
      m_sounds(gameFiles.forQt(), soundOn), m_pictures(pictures) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::setTimerInterval(int milliseconds) {
    m_timer.setInterval(milliseconds);
}

void QtPlatform::setTimerEnabled(bool enabled) {
    m_timer.setEnabled(enabled);
}

void QtPlatform::setCaption(const GameText& caption) {
    const QString title = CoreTexts::shown(caption);
    if (!title.isEmpty() && title == m_window.windowTitle())
        return;
    m_window.setWindowTitle(title);
    if (title.isEmpty())
        clearNativeCaption(m_window);
}

void QtPlatform::registerCursor(CursorIndex index, const std::string& path) {
    m_cursors[this->index(index)] = loadCursorFile(m_gameFiles.forQt(path));
}

void QtPlatform::setCursor(CursorIndex index) {
    // Only the field shows the game's cursor; the menu bar and the frame keep the usual ones.
    m_cursor = index;
    const std::optional<QCursor>& cursor = m_cursors[this->index(index)];
    if (!cursor) {
        m_field.setCursor(Qt::ArrowCursor);
        return;
    }
    // The game's cursor pictures grow with the field they point into.
    const qreal scale = m_field.view().scale();
    const QPixmap picture = cursor->pixmap();
    if (scale == 1 || picture.isNull()) {
        m_field.setCursor(*cursor);
        return;
    }
    const QPoint hotspot = cursor->hotSpot() * scale;
    m_field.setCursor(QCursor(
        picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
        hotspot.x(), hotspot.y()));
}

void QtPlatform::fieldScaled() {
    setCursor(m_cursor);
}

QPoint QtPlatform::fieldOrigin() const {
    return m_field.mapToGlobal(m_field.view().origin()).toPoint();
}

Point QtPlatform::onGameScreen(QPoint screenPos) const {
    const QPoint base = fieldOrigin();
    const Point inField = m_field.view().toField(m_field.mapFromGlobal(QPointF(screenPos)));
    return {base.x() + inField.x, base.y() + inField.y};
}

Point QtPlatform::pointerPosition() const {
    return onGameScreen(m_eventPointer ? *m_eventPointer : QCursor::pos());
}

Rect QtPlatform::windowRect() const {
    // The frame and the menu bar keep their own sizes around the field at its own size; on a
    // full screen the black around the field does not count.
    const QRect frame = m_window.frameGeometry();
    const QRect widget(m_field.mapToGlobal(QPoint(0, 0)), m_field.size());
    const QPoint base = fieldOrigin();
    const int left = widget.left() - frame.left();
    const int top = widget.top() - frame.top();
    const int right = frame.right() - widget.right();
    const int bottom = frame.bottom() - widget.bottom();
    return {base.x() - left, base.y() - top, left + FieldSize.width + right,
            top + FieldSize.height + bottom};
}

int QtPlatform::clientHeight() const {
    return FieldSize.height;
}

void QtPlatform::setMenuEnabled(MenuItem item, bool enabled) {
    m_menus.setEnabled(item, enabled);
}

void QtPlatform::setMenuChecked(MenuItem item, bool checked) {
    m_menus.setChecked(item, checked);
}

bool QtPlatform::isMenuChecked(MenuItem item) const {
    return m_menus.isChecked(item);
}

Answer QtPlatform::confirm(const GameText& message, DialogButtons buttons) {
    if (m_unattended)
        return buttons == DialogButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    ConfirmDialog dialog(message, buttons, &m_window);
    return dialog.ask();
}

void QtPlatform::reportError(const GameText& message) {
    if (m_unattended) {
        // In Japanese the path keeps its own bytes, whatever their encoding.
        if (GameLanguage::current().isEmpty())
            std::fprintf(stderr, "%s。\n", message.filled().c_str());
        else
            std::fprintf(stderr, "%s\n", errorSentence(message).toUtf8().constData());
        return;
    }
    showErrorBox(message, &m_window);
}

void QtPlatform::playSound(SoundId sound) {
    m_sounds.play(sound);
}

void QtPlatform::openHelp(const std::string& path, int context) {
    if (m_help.isNull())
        m_help = new HelpWindow(&m_window);
    // The help page in the player's language, where the game has one; the Japanese one else.
    std::string page = path;
    const std::string translated = GameLanguage::translatedFile(path);
    if (!translated.empty() && QFileInfo::exists(m_gameFiles.forQt(translated)))
        page = translated;
    m_help->showHelp(m_gameFiles.forQt(page), context, QtReachableFolder::shown(page));
}

void QtPlatform::showAbout() {
    if (m_unattended)
        return;
    if (m_about.isNull()) {
        m_about = new AboutBox(m_pictures, &m_window);
        // Modal, but without an event loop of its own: the about box is no question, and the
        // menu's handler ends at once, so that the game hears of the player leaving while the box
        // is open.
        m_about->setModal(true);
    }
    m_about->show();
}

Size QtPlatform::textSize(const GameText& text, Font font) const {
    const QSize size = LabelText::size(text, font);
    return {size.width(), size.height()};
}

std::int64_t QtPlatform::millisecondsOfDay() const {
    return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
}

std::int64_t QtPlatform::secondsSinceEpoch() const {
    return QDateTime::currentSecsSinceEpoch();
}

std::string QtPlatform::playerName() const {
    return accountName();
}
