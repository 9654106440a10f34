#include "CoreTexts.h"
#include "EndSignals.h"
#include "FileLocator.h"
#include "Files.h"
#include "GameLanguage.h"
#include "MainWindow.h"
#include "StartEnvironment.h"
#include "Texts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    StartEnvironment environment;
    QApplication app(argc, argv);
    environment.restore();
    // The language is chosen from the player's own environment, before any text is shown.
    GameLanguage::install();
    // The application's own name, shown by the desktop beside the window. It is not a display
    // name, which Qt would append to every window's caption.
    QApplication::setApplicationName(CoreTexts::shown(Texts::Caption));
    QGuiApplication::setDesktopFileName(QLatin1String(Files::DesktopId));

    MainWindow window(locateFiles());
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    // TERM, HUP and INT end the game as a close would, without asking.
    const EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainWindow::endWithoutAsking);
    return QApplication::exec();
}
