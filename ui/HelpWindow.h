#pragma once

#include <QWidget>

class QTextBrowser;

// The game's help window: shows the HTML help file beside the program at a topic. It stays open
// beside the game, which goes on meanwhile.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the file at the topic and returns at once; a missing file is reported in the window,
    // named `shownPath` when the path Qt opens it by is not the one the player knows.
    void showHelp(const QString& path, int context, const QString& shownPath = {});

    // The anchor in the help file where a topic begins; empty for an unknown topic, which shows
    // the file from its top.
    static QString anchorFor(int context);

private:
    QTextBrowser* m_browser;
};
