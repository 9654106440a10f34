#include "EndSignals.h"
#include "MainWindow.h"
#include "Texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application's own name, shown by the desktop beside the window. It is not a display
    // name, which Qt would append to every window's caption.
    QApplication::setApplicationName(QString::fromUtf8(Texts::Caption));

    MainWindow window(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    QApplication::setWindowIcon(window.pictures().windowIcon());
    window.createAboutBox();
    window.show();
    // TERM, HUP and INT end the game as a close would, without asking.
    const EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainWindow::endWithoutAsking);
    return QApplication::exec();
}
