#include "app/navigation_bar.h"

#include <qdrawutil.h>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QTreeWidget>

#include "app/toolbar_icons.h"

namespace kw::app {
namespace {

constexpr int kSplitterWidth = 6;
constexpr int kMarkBottomGap = 43;
constexpr int kTreeLeft = 5;
constexpr int kTreeTopGap = 8;
constexpr int kTreeRightGap = 8;
constexpr int kTreeBottomGap = 51;

// The splitter mark, drawn in a dotted pattern as the tracking mark of a splitter is.
class TrackingMark : public QWidget {
  public:
    explicit TrackingMark(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QBrush(palette().color(QPalette::WindowText), Qt::Dense4Pattern));
    }
};

}  // namespace

CNavigationBar::CNavigationBar(const QString& caption, QWidget* dockingArea, QWidget* parent)
    : QWidget(parent),
      caption_(caption),
      dockingArea_(dockingArea),
      tree_(new QTreeWidget(this)),
      mark_(new TrackingMark(parent ? parent : this)) {
    setWindowTitle(QStringLiteral("IE Control Bar"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    setFont(font);
    setMouseTracking(true);
    setFixedWidth(barWidth_);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setFrameShape(QFrame::NoFrame);
    computeGeometry();
}

int CNavigationBar::halfDockingWidth() const {
    return (dockingArea_ ? dockingArea_->width() : width()) / 2;
}

QRect CNavigationBar::splitterStrip() const {
    if (frameRect_.isEmpty()) {
        return {};
    }
    return QRect(frameRect_.right() + 1, frameRect_.top(), kSplitterWidth, frameRect_.height());
}

void CNavigationBar::computeGeometry() {
    // The etched frame inside the bar, and the close button at the right of its caption.
    const QRect client = rect();
    const QRect outline = client.adjusted(3, 6, -6, -49);
    frameRect_ = outline.adjusted(1, 1, 0, 0);
    if (outline.width() <= 0 || outline.height() <= 0) {
        frameRect_ = {};
        closeRect_ = {};
        return;
    }
    const int right = frameRect_.right() + 1;
    const QRect button(QPoint(right - 5 - kCaptionHeight, frameRect_.top()),
                       QPoint(right - 5 - 1, frameRect_.top() + kCaptionHeight - 1));
    closeRect_ = button.adjusted(7, 4, 1, -3);
}

void CNavigationBar::layOutTree() {
    tree_->setGeometry(QRect(QPoint(kTreeLeft, kTreeTopGap + kCaptionHeight + 1),
                             QPoint(barWidth_ - kTreeRightGap - 1, height() - kTreeBottomGap - 1)));
}

void CNavigationBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    computeGeometry();
    layOutTree();
}

void CNavigationBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor grey = palette().color(QPalette::Dark);
    const QColor white = palette().color(QPalette::Light);
    const QRect r = rect().adjusted(3, 6, -6, -49);
    if (r.width() <= 0 || r.height() <= 0) {
        return;
    }
    // Etched frame: a grey outline with a white line inside its top-left and outside its
    // bottom-right.
    const int left = r.left();
    const int top = r.top();
    const int right = r.right() + 1;
    const int bottom = r.bottom() + 1;
    p.setPen(grey);
    p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    p.setPen(white);
    p.drawLine(left + 1, top + 1, left + 1, bottom - 2);
    p.drawLine(left + 1, top + 1, right - 2, top + 1);
    p.drawLine(right, top, right, bottom);
    p.drawLine(left, bottom, right + 1, bottom);

    const QRect frame = frameRect_;
    const int textWidth = fontMetrics().horizontalAdvance(caption_);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(frame.left() + 5, frame.top(), textWidth, kCaptionHeight),
               Qt::AlignCenter | Qt::TextSingleLine, caption_);
    p.setPen(grey);
    p.drawLine(frame.left() + 1, frame.top() + kCaptionHeight, frame.right() + 1,
               frame.top() + kCaptionHeight);

    if (closeHot_ || closePressed_) {
        qDrawShadePanel(&p, closeRect_, palette(), closePressed_, 1);
    }
    p.drawPixmap(closeRect_.topLeft(), closeMark(palette().color(QPalette::WindowText)));
}

bool CNavigationBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (closeRect_.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), QStringLiteral("Close"), this, closeRect_);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void CNavigationBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint position = event->position().toPoint();
    if (!closeRect_.isNull()) {
        buttonDown_ = true;
        closeHot_ = false;
        closePressed_ = closeRect_.contains(position);
        update(closeRect_);
    }
    if (splitterStrip().contains(position)) {
        tracking_ = true;
    }
}

void CNavigationBar::mouseDoubleClickEvent(QMouseEvent*) {}

void CNavigationBar::moveMark(std::optional<int> x) {
    markX_ = x;
    if (!x) {
        mark_->hide();
        return;
    }
    // The mark may run past the bar's own edge, so it lives in the bar's parent.
    QWidget* area = mark_->parentWidget();
    const QPoint top = mapTo(area, QPoint(*x, 0));
    mark_->setGeometry(top.x(), top.y(), 3, std::max(0, height() - kMarkBottomGap));
    mark_->show();
    mark_->raise();
}

void CNavigationBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (tracking_) {
        int x = position.x();
        if (x < kMinimumMarkX) {
            x = kMinimumMarkX;
        } else if (x > halfDockingWidth()) {
            x = halfDockingWidth();
        }
        moveMark(x);
    }
    setCursor(tracking_ || splitterStrip().contains(position) ? Qt::SplitHCursor : Qt::ArrowCursor);
    updateCloseButton(position);
}

void CNavigationBar::updateCloseButton(QPoint position) {
    if (closeRect_.isNull()) {
        return;
    }
    if (closeRect_.contains(position)) {
        if (!closeHot_) {
            closeHot_ = !buttonDown_;
            closePressed_ = buttonDown_;
            update(closeRect_);
        }
    } else if (closeHot_ || closePressed_) {
        closeHot_ = false;
        closePressed_ = false;
        update(closeRect_);
    }
}

void CNavigationBar::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!buttonDown_ && (closeHot_ || closePressed_)) {
        closeHot_ = false;
        closePressed_ = false;
        update(closeRect_);
    }
}

void CNavigationBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint position = event->position().toPoint();
    buttonDown_ = false;
    closeHot_ = false;
    closePressed_ = false;
    update(closeRect_);
    moveMark(std::nullopt);
    const bool overClose = !closeRect_.isNull() && closeRect_.contains(position);
    if (tracking_) {
        tracking_ = false;
        int width = position.x();
        if (width <= kMinimumWidth - 1) {
            width = kMinimumWidth;
        } else if (width > halfDockingWidth()) {
            width = halfDockingWidth();
        }
        barWidth_ = width;
        setFixedWidth(barWidth_);
        layOutTree();
    }
    if (overClose) {
        hide();
    }
}

void CNavigationBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit shownChanged(!isHidden());
}

void CNavigationBar::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    moveMark(std::nullopt);
    // A frame being minimised hides the bar too; only the bar's own hiding counts.
    emit shownChanged(!isHidden());
}

}  // namespace kw::app
