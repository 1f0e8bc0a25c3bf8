#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPointer>

#include "app/background_painter.h"
#include "app/startup_wnd.h"
#include "support/temp_dir.h"

namespace kw::test {
namespace {

// A picture in which every pixel tells where it is, so a wrong tile origin shows.
QImage positionPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
        }
    }
    return image;
}

class KeyCounter : public QWidget {
  public:
    int presses = 0;

  protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

TEST(Splash, AKeyPressHidesItAndIsSwallowed) {
    TempDir dir;
    ASSERT_TRUE(positionPicture(120, 80).save(QString::fromStdString(dir.file("s.bmp"))));
    QPointer<app::CStartupWnd> splash =
        app::CStartupWnd::showSplash(QString::fromStdString(dir.file("s.bmp")));
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(splash->size(), QSize(120, 80));
    bool hidden = false;
    QObject::connect(splash, &app::CStartupWnd::hidden, [&] { hidden = true; });

    KeyCounter other;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&other, &key);
    EXPECT_TRUE(hidden);
    EXPECT_EQ(other.presses, 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    // Once hidden, keys go where they belong.
    QApplication::sendEvent(&other, &key);
    EXPECT_EQ(other.presses, 1);
}

TEST(Splash, AMissingPictureShowsNothing) {
    EXPECT_EQ(app::CStartupWnd::showSplash(QStringLiteral("/nonexistent/startup.bmp")), nullptr);
}

struct TileCase {
    QSize area;
};

class Background : public testing::TestWithParam<TileCase> {};

TEST_P(Background, TilesThePictureFromTheTopLeft) {
    TempDir dir;
    const QImage picture = positionPicture(50, 30);
    const QString path = QString::fromStdString(dir.file("background.bmp"));
    ASSERT_TRUE(picture.save(path));
    QMdiArea area;
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setFrameShape(QFrame::NoFrame);
    new app::BackgroundPainter(&area, path, QString());
    area.resize(GetParam().area);
    area.show();
    QApplication::processEvents();
    const QImage shown = area.viewport()->grab().toImage();
    ASSERT_EQ(shown.size(), GetParam().area);
    for (int y = 0; y < shown.height(); y += 7) {
        for (int x = 0; x < shown.width(); x += 11) {
            ASSERT_EQ(shown.pixel(x, y), picture.pixel(x % 50, y % 30)) << x << "," << y;
        }
    }
    // The last column and row are cut by the edge.
    const int last = shown.width() - 1;
    EXPECT_EQ(shown.pixel(last, 0), picture.pixel(last % 50, 0));
}

INSTANTIATE_TEST_SUITE_P(Areas, Background,
                         testing::Values(TileCase{{40, 20}}, TileCase{{50, 30}},
                                         TileCase{{163, 97}}));

TEST(BackgroundFallback, TakesTheBuiltInPictureThenThePlainWindowColour) {
    QMdiArea area;
    app::BackgroundPainter painter(&area, QStringLiteral("/nonexistent.bmp"),
                                   QString::fromLatin1(app::kBuiltInBackground));
    EXPECT_EQ(area.background().textureImage().size(), QSize(238, 157));
    app::BackgroundPainter none(&area, QStringLiteral("/nonexistent.bmp"),
                                QStringLiteral("/nonexistent-too.bmp"));
    EXPECT_TRUE(area.background().textureImage().isNull());
    area.resize(300, 200);
    area.show();
    EXPECT_FALSE(area.viewport()->grab().isNull());
}

}  // namespace
}  // namespace kw::test
