#include "EndSignals.h"
#include "GameFolders.h"
#include "MainWindow.h"
#include "StartEnvironment.h"
#include "Texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    StartEnvironment environment;
    QApplication app(argc, argv);
    environment.restore();
    // The application's own name, shown by the desktop beside the window. It is not a display
    // name, which Qt would append to every window's caption.
    QApplication::setApplicationName(QString::fromUtf8(Texts::Caption));
    QGuiApplication::setDesktopFileName(QLatin1String(Texts::DesktopId));

    MainWindow window(findFolders());
    QApplication::setWindowIcon(window.pictures().windowIcon());
    window.show();
    // TERM, HUP and INT end the game as a close would, without asking.
    const EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainWindow::endWithoutAsking);
    return QApplication::exec();
}
