#include "captioned_frame.h"

#include <QChildEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFrame>

namespace velmora {
namespace {
constexpr int kCaptionLeft = 8;
constexpr int kCaptionGap = 2;  // free line on each side of the caption
}  // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    caption_ = new QLabel(caption, this);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption_->move(kCaptionLeft, 0);
    caption_->adjustSize();
}

void CaptionedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect gap = caption_->geometry().adjusted(-kCaptionGap, 0, kCaptionGap, 0);
    painter.setClipRegion(QRegion(rect()).subtracted(gap));
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect().adjusted(0, caption_->height() / 2, 0, 0);
    option.lineWidth = 1;
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &option, &painter, this);
}

void CaptionedFrame::childEvent(QChildEvent* event) {
    QGroupBox::childEvent(event);
    // Keep the caption above every control added later.
    if (event->added() && caption_ && event->child() != caption_) caption_->raise();
}

}  // namespace velmora
