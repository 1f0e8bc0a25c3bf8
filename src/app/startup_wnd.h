#pragma once
// CStartupWnd: the start-up picture, shown while the program starts and hidden by its
// timer or by the first key or mouse press, which it swallows.

#include <QBasicTimer>
#include <QPixmap>
#include <QWidget>

namespace kw::app {

class CStartupWnd : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kShowMilliseconds = 1000;

    // Shows the picture in `picturePath`; nothing when it does not load (then `nullptr`).
    // The window deletes itself when it hides.
    [[nodiscard]] static CStartupWnd* showSplash(const QString& picturePath);

  signals:
    void hidden();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit CStartupWnd(const QPixmap& picture);
    void hideSplash();

    QPixmap picture_;
    QBasicTimer timer_;
};

}  // namespace kw::app
