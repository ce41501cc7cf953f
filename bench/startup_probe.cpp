// Started by bench/startup.py: shows the real main window, an empty window
// built the same way, or that empty window with one line of text (the least
// any window with text pays), and reports the time from process start to the
// first painted frame and the peak memory at that moment. With "click" it
// then times Calculate clicks through the real widgets up to the repaint.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "application.h"
#include "font_warmup.h"
#include "velmora_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Peak resident memory so far, from the kernel, in KiB.
long PeakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Microseconds since the harness started this process (it passes its clock).
double MicrosecondsSinceSpawn() {
    const long long spawnedAt = qEnvironmentVariable("VELMORA_PROBE_SPAWN_NS").toLongLong();
    const long long now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count();
    return (now - spawnedAt) / 1000.0;
}

void Click(QWidget* button) {
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
}

// Calculate with a new value each time, then let the window repaint.
void TimeClicks(QWidget& window) {
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1_0"));
    auto* a = window.findChild<QLineEdit*>(QStringLiteral("Text2_0"));
    std::vector<double> micros;
    for (int i = 0; i < 300; ++i) {
        a->setText(QString::number(16 + i % 7));
        QApplication::processEvents();
        const auto start = Clock::now();
        Click(calculate);
        QApplication::processEvents();  // the update requests: paint and flush
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("click_to_repaint_us median=%.1f p95=%.1f\n", micros[micros.size() / 2],
                micros[micros.size() * 95 / 100]);
}

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(bool click) : click_(click) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            auto* window = static_cast<QWidget*>(watched);
            // Report once this paint has been flushed to the screen.
            QTimer::singleShot(0, window, [this, window] {
                std::printf("first_frame_us=%.0f peak_kib=%ld\n", MicrosecondsSinceSpawn(),
                            PeakMemoryKiB());
                if (click_) TimeClicks(*window);
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool click_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    const bool label = argc > 1 && std::strcmp(argv[1], "label") == 0;
    const bool empty = label || (argc > 1 && std::strcmp(argv[1], "empty") == 0);
    const bool click = argc > 1 && std::strcmp(argv[1], "click") == 0;
    // The real window starts as the program does; the empty one as plain Qt.
    std::optional<velmora::FontWarmUp> fonts;
    if (!empty) fonts.emplace();
    QApplication app(argc, argv);
    if (fonts) fonts->Wait();
    velmora::ConfigureApplication(app);
    QWidget emptyWindow;
    std::unique_ptr<velmora::VelmoraWindow> window;
    QWidget* shown = &emptyWindow;
    if (!empty) {
        window = std::make_unique<velmora::VelmoraWindow>();
        shown = window.get();
    } else {
        emptyWindow.resize(465, 430);
        if (label)
            new QLabel(QStringLiteral("Геометрия - трапец, вписана окръжност"), &emptyWindow);
    }
    FirstPaint firstPaint(click);
    shown->installEventFilter(&firstPaint);
    shown->show();
    return QApplication::exec();
}
