#include "saved_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "window_placement.h"

namespace velmora {
namespace {

// How long the window must keep still before its place is saved: the end of
// a drag or a resize, not each step of it. (Maximising resizes it too.)
constexpr int kSettledMilliseconds = 500;

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

layout::PixelRect Pixels(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// Saves the window's place once it has settled, and when the session asks.
class PlacementKeeper final : public QObject {
  public:
    explicit PlacementKeeper(QWidget& window) : QObject(&window), window_(window) {
        settled_.setSingleShot(true);
        settled_.setInterval(kSettledMilliseconds);
        connect(&settled_, &QTimer::timeout, this, [this] { Save(); });
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { Save(); });
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize) settled_.start();
        return QObject::eventFilter(watched, event);
    }

  private:
    void Save() const {
        if (window_.isVisible()) SavePlacement(window_);
    }

    QWidget& window_;
    QTimer settled_;
};

}  // namespace

void RestorePlacement(QWidget& window) {
    const Settings settings;
    const placement::Saved saved{
        WholeNumber(settings, QStringLiteral("left")),
        WholeNumber(settings, QStringLiteral("top")),
        WholeNumber(settings, QStringLiteral("width")),
        WholeNumber(settings, QStringLiteral("height")),
        settings.value(QStringLiteral("maximised")).toString() == QStringLiteral("true"),
    };
    // Qt's logical pixels are pixels at 96 DPI on every screen, scaled by Qt itself.
    std::vector<placement::Screen> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back({Pixels(screen->availableGeometry()), layout::kDefaultDpi});
    }
    // The window manager frames the window only once it is shown: until then,
    // a title bar as high as the style draws one.
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const std::optional<placement::Reopening> r =
        placement::Reopened(saved, screens, [titleBar](int) {
            return placement::Frame{0, -titleBar, 0, 0};
        });
    if (!r) return;
    window.setGeometry(r->client.left, r->client.top, r->client.width, r->client.height);
    if (r->maximised) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SavePlacement(const QWidget& window) {
    const QRect client = window.geometry();
    const QRect framed = window.frameGeometry();
    const placement::Frame frame{framed.left() - client.left(), framed.top() - client.top(),
                                 framed.right() - client.right(),
                                 framed.bottom() - client.bottom()};
    const QRect normal = window.isMaximized() ? window.normalGeometry() : client;
    placement::Showing showing = placement::Showing::kNormal;
    if (window.isMinimized()) {
        showing = window.isMaximized() ? placement::Showing::kMinimisedFromMaximised
                                       : placement::Showing::kMinimised;
    } else if (window.isMaximized()) {
        showing = placement::Showing::kMaximised;
    }
    const placement::Saved saved = placement::ToSave({
        .showing = showing,
        .normal = Pixels(normal.adjusted(frame.left, frame.top, frame.right, frame.bottom)),
        .window = Pixels(framed),
        .clientWidth = client.width(),
        .clientHeight = client.height(),
        .frame = frame,
        .dpi = layout::kDefaultDpi,
        .keptWidthTwips = 0,
        .keptHeightTwips = 0,
    });
    Settings settings;
    settings.setValue(QStringLiteral("left"), *saved.left);
    settings.setValue(QStringLiteral("top"), *saved.top);
    settings.setValue(QStringLiteral("width"), *saved.widthTwips);
    settings.setValue(QStringLiteral("height"), *saved.heightTwips);
    settings.setValue(QStringLiteral("maximised"), saved.maximised);
}

void KeepPlacement(QWidget& window) {
    new PlacementKeeper(window);  // the window's child, and gone with it
}

}  // namespace velmora
