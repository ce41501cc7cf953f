#include "working_pane.h"

#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "accessibility.h"
#include "design.h"
#include "qt_design.h"
#include "qt_text.h"
#include "scaled_figure_view.h"
#include "texts.h"

namespace velmora {

// The sheet under the lines and the figure: the system's window colour in a
// sunken edge, the heading, and a frame round the lines while they have the
// keyboard focus. The text box carries the heading as its name, so screen
// readers need not meet the sheet itself.
class WorkingSheet : public QWidget {
  public:
    WorkingSheet(QWidget* parent, QWidget* lines) : QWidget(parent), lines_(lines) {
        MarkAsDecoration(this);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        lines_->installEventFilter(this);  // to hear of its focus
    }
    // In the sheet.
    QRect heading;
    QRect focus;
    int focusWidth = 1;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
        return QWidget::eventFilter(watched, event);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = design::kWorkingPane.border;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                         ToQString(texts::solution::kHeading));
        if (lines_->hasFocus()) {
            const QColor highlight = palette().color(QPalette::Highlight);
            const QRect& r = focus;
            painter.fillRect(r.x(), r.y(), r.width(), focusWidth, highlight);
            painter.fillRect(r.x(), r.y() + r.height() - focusWidth, r.width(), focusWidth,
                             highlight);
            painter.fillRect(r.x(), r.y(), focusWidth, r.height(), highlight);
            painter.fillRect(r.x() + r.width() - focusWidth, r.y(), focusWidth, r.height(),
                             highlight);
        }
    }

  private:
    QWidget* lines_;
};

void WorkingPane::LayOut() {
    // Qt's logical pixels are pixels at 96 DPI, scaled by Qt itself.
    model_.LayOut(window_->width(), window_->height(), layout::kDefaultDpi);
}

void WorkingPane::Create() {
    text_ = new QPlainTextEdit(window_);
    text_->hide();
    text_->setObjectName(QStringLiteral("Working"));
    text_->setAccessibleName(ToQString(texts::solution::kHeading));
    text_->setReadOnly(true);
    // A caret that the arrows move, for screen readers to read its line; the
    // mouse and Shift with the arrows select, to copy.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setFrameShape(QFrame::NoFrame);
    text_->document()->setDocumentMargin(0);  // the lines start under the heading
    text_->setTabChangesFocus(true);
    text_->setFocusPolicy(Qt::StrongFocus);
    sheet_ = new WorkingSheet(window_, text_);
    sheet_->hide();
    sheet_->lower();  // under the lines and the figure
    figure_ = new ScaledFigureView(window_, model_, drag_);
    figure_->hide();
}

int WorkingPane::LinesHeight(const std::u16string& lines, int width) const {
    return QFontMetrics(window_->font())
        .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, ToQString(lines))
        .height();
}

int WorkingPane::LineHeight() const {
    return QFontMetrics(window_->font()).lineSpacing();
}

void WorkingPane::Fill(const std::u16string& lines, const solution::ScaledFigure*) {
    text_->setPlainText(ToQString(lines));
    figure_->Filled();
}

void WorkingPane::Place(const design::WorkingPaneLayout& laid, bool withFigure) {
    const QPoint corner(laid.sheet.left, laid.sheet.top);
    sheet_->setGeometry(ToQRectOfPixels(laid.sheet));
    sheet_->heading = ToQRectOfPixels(laid.heading).translated(-corner);
    sheet_->focus = ToQRectOfPixels(laid.focus).translated(-corner);
    sheet_->focusWidth = laid.focusWidth;
    sheet_->update();
    text_->setGeometry(ToQRectOfPixels(laid.text));
    figure_->setGeometry(ToQRectOfPixels(laid.figure));
    sheet_->show();
    text_->show();
    figure_->setVisible(withFigure);
}

void WorkingPane::Hide() {
    sheet_->hide();
    text_->hide();
    figure_->hide();
}

bool WorkingPane::HasFocus() const {
    return window_->focusWidget() == text_;
}

bool WorkingPane::FigureHasFocus() const {
    return window_->focusWidget() == figure_;
}

void WorkingPane::FocusLines() {
    text_->setFocus(Qt::OtherFocusReason);
}

// Qt does it itself as the text box is hidden: the focus goes on to the
// next control in the tab order, never to the window.
void WorkingPane::FocusNextOutside() {}

}  // namespace velmora
