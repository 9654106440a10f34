#pragma once

#include <QDialog>
#include <QUrl>

class Pictures;
class QLabel;

// The about box: the game's name, its version, the credit banner and a link to the web page.
// Made when the Help menu first asks for it, and shown modally. It has no buttons and ignores
// keys: it is closed with its close box or Alt+F4.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const Pictures& pictures, QWidget* parent = nullptr);

    // The game's web page, shown by the link and opened by clicking it.
    static QUrl webPage();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text, QRect rect, QColor colour, QFont font);
    void setLinkColour(QColor colour);

    QLabel* m_link = nullptr;
    bool m_linkPressed = false;
};
