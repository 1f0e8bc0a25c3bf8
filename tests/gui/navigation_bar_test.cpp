#include "app/navigation_bar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTreeWidget>

namespace kw::test {
namespace {

// A frame 800 pixels wide with the bar at its left edge.
class DockingBar : public testing::Test {
  protected:
    void SetUp() override {
        frame.resize(800, 600);
        auto* layout = new QHBoxLayout(&frame);
        layout->setContentsMargins(0, 0, 0, 0);
        bar = new app::CNavigationBar(QStringLiteral("KW Radio"), &frame, &frame);
        layout->addWidget(bar);
        layout->addStretch(1);
        frame.show();
        QApplication::processEvents();
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), QPointF(bar->mapToGlobal(at)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(bar, &event);
    }
    void press(QPoint at) { send(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void move(QPoint at) { send(QEvent::MouseMove, at, Qt::LeftButton); }
    void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
    QPoint onSplitter() const {
        return {bar->splitterStrip().center().x(), bar->splitterStrip().center().y()};
    }

    QWidget frame;
    app::CNavigationBar* bar = nullptr;
};

TEST_F(DockingBar, PaintedGeometryFollowsTheBar) {
    EXPECT_EQ(bar->width(), 185);
    EXPECT_EQ(bar->frameRect(), QRect(QPoint(4, 7), QPoint(178, 550)));
    EXPECT_EQ(bar->closeRect().size(), QSize(16, 15));
    EXPECT_EQ(bar->splitterStrip().left(), bar->frameRect().right() + 1);
    EXPECT_EQ(bar->tree()->geometry().topLeft(), QPoint(5, 31));
}

struct DragCase {
    int to;
    int markAt;
    int width;
};

class DockingBarDrag : public DockingBar, public testing::WithParamInterface<DragCase> {};

TEST_P(DockingBarDrag, MarkAndWidthFollowTheirRules) {
    press(onSplitter());
    ASSERT_TRUE(bar->isTracking());
    move({GetParam().to, 100});
    EXPECT_EQ(bar->trackingMarkX(), GetParam().markAt);
    release({GetParam().to, 100});
    EXPECT_FALSE(bar->isTracking());
    EXPECT_EQ(bar->trackingMarkX(), std::nullopt);
    EXPECT_EQ(bar->barWidth(), GetParam().width);
    QApplication::processEvents();
    EXPECT_EQ(bar->width(), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Widths, DockingBarDrag,
                         testing::Values(DragCase{250, 250, 250}, DragCase{50, 80, 50},
                                         DragCase{5, 80, 11}, DragCase{10, 80, 11},
                                         DragCase{11, 80, 11}, DragCase{600, 400, 400}));

TEST_F(DockingBar, PressOutsideTheSplitterDoesNotTrack) {
    press({40, 200});
    move({300, 200});
    EXPECT_FALSE(bar->trackingMarkX().has_value());
    release({300, 200});
    EXPECT_EQ(bar->barWidth(), 185);
}

TEST_F(DockingBar, CloseButtonIsHotThenPressedAndReleaseOverItHides) {
    const QPoint close = bar->closeRect().center();
    send(QEvent::MouseMove, close, Qt::NoButton);
    EXPECT_TRUE(bar->closeHot());
    press(close);
    EXPECT_TRUE(bar->closePressed());
    EXPECT_FALSE(bar->closeHot());
    move({40, 200});
    EXPECT_FALSE(bar->closePressed());
    release(close);
    EXPECT_TRUE(bar->isHidden());
}

TEST_F(DockingBar, ReleaseOverCloseHidesAlsoWhenThePressStartedElsewhere) {
    press({40, 200});
    release(bar->closeRect().center());
    EXPECT_TRUE(bar->isHidden());
}

TEST_F(DockingBar, DoubleClickDoesNothing) {
    send(QEvent::MouseButtonDblClick, onSplitter(), Qt::LeftButton);
    EXPECT_FALSE(bar->isTracking());
    EXPECT_FALSE(bar->isHidden());
}

TEST_F(DockingBar, AnEmptyCaptionStillHasFrameAndCloseButton) {
    app::CNavigationBar empty(QString(), &frame, &frame);
    empty.resize(185, 600);
    empty.show();
    QApplication::processEvents();
    EXPECT_FALSE(empty.closeRect().isNull());
    EXPECT_FALSE(empty.frameRect().isEmpty());
    EXPECT_FALSE(empty.grab().isNull());
}

}  // namespace
}  // namespace kw::test
