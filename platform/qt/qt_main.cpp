// The program's entry point on the Qt host.
#include "platform/app.h"
#include "platform/host.h"
#include "platform/qt/qt_host.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The program ends when its main dialog's modal loop does, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    QtHost host;
    AfxSetHost(&host);
    const int exitCode = AfxWinMain(argc, argv);
    AfxSetHost(nullptr);
    return exitCode;
}
