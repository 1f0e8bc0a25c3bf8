#pragma once
// CNavigationBar: the bar beside the document area that holds the navigation tree. It
// paints its own etched frame, caption and close button, and the user changes its width
// by dragging its right edge.

#include <QRect>
#include <QWidget>
#include <optional>

class QTreeWidget;

namespace kw::app {

class CNavigationBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kCaptionHeight = 22;
    static constexpr int kInitialWidth = 185;
    static constexpr int kMinimumMarkX = 80;
    static constexpr int kMinimumWidth = 11;

    // `dockingArea` is the frame's client area, whose half width bounds the bar's width.
    CNavigationBar(const QString& caption, QWidget* dockingArea, QWidget* parent);

    QTreeWidget* tree() const { return tree_; }
    int barWidth() const { return barWidth_; }

    // Read by tests and by the frame; all in bar client coordinates.
    QRect frameRect() const { return frameRect_; }
    QRect closeRect() const { return closeRect_; }
    QRect splitterStrip() const;
    bool isTracking() const { return tracking_; }
    std::optional<int> trackingMarkX() const { return markX_; }
    bool closeHot() const { return closeHot_; }
    bool closePressed() const { return closePressed_; }

  signals:
    void shownChanged(bool shown);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

  private:
    int halfDockingWidth() const;
    void layOutTree();
    void moveMark(std::optional<int> x);
    void updateCloseButton(QPoint position);
    void computeGeometry();

    QString caption_;
    QWidget* dockingArea_;
    QTreeWidget* tree_;
    QWidget* mark_;
    int barWidth_ = kInitialWidth;
    QRect frameRect_;
    QRect closeRect_;
    bool tracking_ = false;
    std::optional<int> markX_;
    bool buttonDown_ = false;
    bool closeHot_ = false;
    bool closePressed_ = false;
};

}  // namespace kw::app
