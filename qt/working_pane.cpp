#include "working_pane.h"

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
#include "working_layout.h"
#include "working_text.h"

namespace velmora {

// The sheet under the lines and the figure: the system's window colour in a
// sunken edge, and the heading. The text box carries the heading as its name,
// so screen readers need not meet the sheet itself.
class WorkingSheet : public QWidget {
  public:
    explicit WorkingSheet(QWidget* parent) : QWidget(parent) {
        MarkAsDecoration(this);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QRect heading;  // in the sheet

  protected:
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
    }
};

WorkingPane::WorkingPane(QWidget* window)
    : window_(window), lines_(ToQString(solution::WorkingText(std::nullopt, u"\n"))) {}

void WorkingPane::Show(std::optional<solution::Solution> solution) {
    solution_ = std::move(solution);
    lines_ = ToQString(solution::WorkingText(solution_, u"\n"));
    if (!text_) return;  // written once there is room for it
    Fill();
    LayOut();  // the figure's height follows its proportions
}

void WorkingPane::LayOut() {
    const solution::ScaledFigure* figure =
        solution_ && solution_->figure ? &*solution_->figure : nullptr;
    const auto linesHeight = [this](int width) {
        const QFontMetrics metrics(window_->font());
        // One line more than they take, so that no scroll bar comes for the last.
        return metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, lines_)
                   .height() +
               metrics.lineSpacing();
    };
    const std::optional<design::WorkingPaneLayout> laid =
        design::WorkingPaneIn(window_->width(), window_->height(), layout::kDefaultDpi,
                              figure ? figure->height / figure->width : 0.0, linesHeight);
    if (!laid) {
        if (sheet_) {
            sheet_->hide();
            text_->hide();
            figure_->hide();
        }
        return;
    }
    if (!sheet_) Create();
    sheet_->setGeometry(ToQRectOfPixels(laid->sheet));
    sheet_->heading =
        ToQRectOfPixels(laid->heading).translated(-laid->sheet.left, -laid->sheet.top);
    text_->setGeometry(ToQRectOfPixels(laid->text));
    figure_->setGeometry(ToQRectOfPixels(laid->figure));
    sheet_->show();
    text_->show();
    figure_->setVisible(figure != nullptr);
}

void WorkingPane::Create() {
    sheet_ = new WorkingSheet(window_);
    text_ = new QPlainTextEdit(window_);
    text_->setObjectName(QStringLiteral("Working"));
    text_->setAccessibleName(ToQString(texts::solution::kHeading));
    text_->setReadOnly(true);
    // Arrows and Page Up/Down scroll, as in a document; the mouse selects to copy.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setFrameShape(QFrame::NoFrame);
    text_->document()->setDocumentMargin(0);  // the lines start under the heading
    text_->setTabChangesFocus(true);
    text_->setFocusPolicy(Qt::StrongFocus);
    figure_ = new ScaledFigureView(window_);
    Fill();
}

void WorkingPane::Fill() {
    text_->setPlainText(lines_);
    figure_->SetFigure(solution_ ? solution_->figure : std::nullopt);
}

}  // namespace velmora
