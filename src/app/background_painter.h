#pragma once
// Tiles the branding picture behind the document windows from the top-left corner. The
// picture is read again whenever the area changes size, so a dealer's new background.bmp
// shows without a restart.

#include <QObject>
#include <QString>

class QMdiArea;

namespace kw::app {

class BackgroundPainter : public QObject {
    Q_OBJECT
  public:
    // `fallbackPath` is the built-in picture used when `picturePath` does not load; with
    // neither, the area is filled with the window colour.
    BackgroundPainter(QMdiArea* area, QString picturePath, QString fallbackPath);

    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMdiArea* area_;
    QString picturePath_;
    QString fallbackPath_;
};

inline constexpr const char* kBuiltInBackground = ":/kwprog/background.bmp";

}  // namespace kw::app
