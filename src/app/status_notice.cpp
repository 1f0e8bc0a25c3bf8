#include "app/status_notice.h"

#include <QMainWindow>
#include <QStatusBar>

namespace kw::app {

void showStatusNotice(QWidget* widget, const QString& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(widget->window())) {
        frame->statusBar()->showMessage(text);
    }
}

}  // namespace kw::app
