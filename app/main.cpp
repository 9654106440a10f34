#include "EndSignals.h"
#include "GameFolders.h"
#include "MainWindow.h"
#include "Texts.h"

#include <QApplication>
#include <QByteArray>

namespace {

// Natively on Wayland the window cannot centre itself and the pointer is only known inside the
// window, while the hammers read it against the window on the screen; through XWayland both
// work. So X11 comes first, Wayland only where there is no X server. A player's own
// QT_QPA_PLATFORM always wins, and the choice is not passed on to programs the game opens.
class PreferX11 {
public:
    PreferX11() : m_chosen(!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        if (m_chosen)
            qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
    void done() {
        if (m_chosen)
            qunsetenv("QT_QPA_PLATFORM");
        m_chosen = false;
    }

private:
    bool m_chosen;
};

} // namespace

int main(int argc, char* argv[]) {
    PreferX11 platform;
    QApplication app(argc, argv);
    platform.done();
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
