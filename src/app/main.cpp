// The program: the window, then the data module with the real ports, then the
// event loop. Nothing is read from the command line, the environment or files.

#include "ui/Main.h"

#include "link/KelvraDM.h"
#include "net/SystemClock.h"
#include "net/SystemHostNetwork.h"
#include "net/UdpEndpoint.h"
#include "ui/ApplicationTitle.h"
#include "ui/StartupTrace.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Qt wants argc and argv; the program reads nothing from them.
    QApplication application(argc, argv);
    kelvra::TraceStartup("application made");
    // The application name, not the display name: Qt appends a display name to
    // every window caption, and the window's caption must stay exactly its own.
    QApplication::setApplicationName(QString::fromUtf8(kelvra::kApplicationTitle));

    kelvra::TfrmMain frmMain;
    kelvra::TraceStartup("window built");
    kelvra::FirstPaintTrace firstPaint;
    frmMain.installEventFilter(&firstPaint);

    kelvra::net::UdpEndpoint endpoint;
    kelvra::net::SystemClock clock;
    kelvra::net::SystemHostNetwork systemHostNetwork;
    kelvra::TracedHostNetwork hostNetwork(systemHostNetwork);
    // The window paints and answers the desktop while the link waits on the device.
    kelvra::TFKelvraDM FKelvraDM(endpoint, clock, frmMain, hostNetwork, &frmMain);
    frmMain.attachDataModule(FKelvraDM);

    frmMain.show();
    return QApplication::exec();
}
