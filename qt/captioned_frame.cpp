#include "captioned_frame.h"

#include <QChildEvent>
#include <QFontMetrics>
#include <QPainter>

#include "accessibility.h"

namespace velmora {
namespace {
constexpr int kCaptionLeft = 8;
constexpr int kCaptionGap = 2;  // free line on each side of the caption

// Draws the frame's title. Kept out of the accessible tree, so that screen
// readers hear the title once, as the name of the group.
class CaptionPainter : public QWidget {
  public:
    explicit CaptionPainter(QGroupBox* frame) : QWidget(frame), frame_(frame) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        MarkAsDecoration(this);
        const QFontMetrics metrics(font());
        resize(metrics.horizontalAdvance(frame->title()), metrics.height());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, frame_->title());
    }

  private:
    const QGroupBox* frame_;
};

}  // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    PresentAs(this, QAccessible::Grouping);  // before anything asks for its interface
    setAccessibleName(caption);
    caption_ = new CaptionPainter(this);
    caption_->move(kCaptionLeft, 0);
}

// An etched line around the contents, broken by the caption. Drawn here
// rather than by the style, which would load its frame image from a file
// (and every image-format plugin with it) at start-up.
void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect gap = caption_->geometry().adjusted(-kCaptionGap, 0, kCaptionGap, 0);
    painter.setClipRegion(QRegion(rect()).subtracted(gap));
    const QRect line = rect().adjusted(0, caption_->height() / 2, -2, -2);
    const QColor background = palette().color(backgroundRole());
    painter.setPen(background.darker(150));
    painter.drawRect(line);
    painter.setPen(background.lighter(125));
    painter.drawRect(line.translated(1, 1));
}

void CaptionedFrame::childEvent(QChildEvent* event) {
    QGroupBox::childEvent(event);
    // Keep the caption above every control added later.
    if (event->added() && caption_ && event->child() != caption_) caption_->raise();
}

}  // namespace velmora
