#include <QApplication>

#include "velmora_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ConfigureApplication(app);
    velmora::VelmoraWindow window;  // runs its Load handling
    window.show();
    window.activateWindow();      // keyboard focus on the explanation box from the start
    return QApplication::exec();  // until the window is closed
}
