#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "accessibility.h"

namespace velmora {
namespace {

// The desktop entry's name, and the icon theme's name for the icon.
constexpr QLatin1StringView kApplicationId("org.example.Velmora");

// The desktop's icon theme draws the icon at every size it needs; the
// program's own 32-pixel image stands in where the theme has none.
QIcon ApplicationIcon() {
    return QIcon::fromTheme(kApplicationId, QIcon(QStringLiteral(":/velmora/window-icon.png")));
}

}  // namespace

void ConfigureApplication(QApplication& app) {
    // The name alone: a display name would be appended to the window's caption.
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(kApplicationId);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(ApplicationIcon());
    InstallAccessibility();
}

}  // namespace velmora
