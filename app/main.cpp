// quorin-tarvelo: the desktop program.
#include "app/CCKestroTrelliqApp.h"
#include "platform/os/SingleInstance.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Taken before the application object starts, and held until the process ends.
    static const tarvelo::os::SingleInstance instance;
    QApplication application(argc, argv);
    tarvelo::app::CCKestroTrelliqApp app;
    if (!app.InitInstance(instance.State())) {
        return 0;
    }
    return QApplication::exec();
}
