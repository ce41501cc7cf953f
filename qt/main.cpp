#include <QApplication>

#include "application.h"
#include "font_warmup.h"
#include "velmora_window.h"

int main(int argc, char* argv[]) {
    velmora::FontWarmUp fonts;  // overlaps font loading with Qt's start
    QApplication app(argc, argv);
    velmora::ConfigureApplication(app);
    fonts.Wait();
    velmora::VelmoraWindow window;  // runs its Load handling
    window.show();
    window.activateWindow();      // keyboard focus on the explanation box from the start
    return QApplication::exec();  // until the window is closed
}
