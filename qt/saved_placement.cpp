#include "saved_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <optional>
#include <vector>

#include "window_placement.h"

namespace velmora {
namespace {

// The user's settings of the program, in its configuration folder.
class Settings : public QSettings {
  public:
    Settings() : QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")) {
        beginGroup(QStringLiteral("window"));
    }
};

// A whole number as saved, or nothing where it is missing or anything else.
std::optional<long long> WholeNumber(const QSettings& settings, const QString& key) {
    bool ok = false;
    const long long value = settings.value(key).toString().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

void RestorePlacement(QWidget& window) {
    const Settings settings;
    const placement::Saved saved{WholeNumber(settings, QStringLiteral("left")),
                                 WholeNumber(settings, QStringLiteral("top")),
                                 WholeNumber(settings, QStringLiteral("width")),
                                 WholeNumber(settings, QStringLiteral("height"))};
    std::vector<layout::PixelRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    // Qt's logical pixels are pixels at 96 DPI, scaled by Qt itself.
    const std::optional<layout::PixelRect> r =
        placement::Reopened(saved, layout::kDefaultDpi, screens);
    if (!r) return;
    window.setGeometry(r->left, r->top, r->width, r->height);
    if (settings.value(QStringLiteral("maximised")).toString() == QStringLiteral("true")) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void SavePlacement(const QWidget& window) {
    Settings settings;
    const QRect normal = window.isMaximized() ? window.normalGeometry() : window.geometry();
    settings.setValue(QStringLiteral("left"), normal.x());
    settings.setValue(QStringLiteral("top"), normal.y());
    settings.setValue(QStringLiteral("width"), layout::TwipsOfPixels(normal.width()));
    settings.setValue(QStringLiteral("height"), layout::TwipsOfPixels(normal.height()));
    settings.setValue(QStringLiteral("maximised"), window.isMaximized());
}

}  // namespace velmora
