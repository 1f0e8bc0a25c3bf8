#include "app/background_painter.h"

#include <QEvent>
#include <QMdiArea>
#include <QPixmap>

namespace kw::app {

BackgroundPainter::BackgroundPainter(QMdiArea* area, QString picturePath, QString fallbackPath)
    : QObject(area),
      area_(area),
      picturePath_(std::move(picturePath)),
      fallbackPath_(std::move(fallbackPath)) {
    area_->viewport()->installEventFilter(this);
    refresh();
}

void BackgroundPainter::refresh() {
    QPixmap picture(picturePath_);
    if (picture.isNull()) {
        picture = QPixmap(fallbackPath_);
    }
    // A texture brush tiles from the area's origin, so the top-left tile is always whole.
    area_->setBackground(picture.isNull() ? area_->palette().window() : QBrush(picture));
    area_->viewport()->update();
}

bool BackgroundPainter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        refresh();
    }
    return false;
}

}  // namespace kw::app
