#include "app/startup_wnd.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

namespace kw::app {

CStartupWnd* CStartupWnd::showSplash(const QString& picturePath) {
    const QPixmap picture(picturePath);
    if (picture.isNull()) {
        return nullptr;
    }
    auto* splash = new CStartupWnd(picture);
    splash->show();
    splash->repaint();
    return splash;
}

CStartupWnd::CStartupWnd(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture_.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    timer_.start(kShowMilliseconds, this);
    // Every key and mouse press of the program passes here first while the picture shows.
    qApp->installEventFilter(this);
}

void CStartupWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void CStartupWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId()) {
        hideSplash();
    }
}

bool CStartupWnd::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Taken as a key for the focused widget, so no shortcut fires; the key press
            // that follows hides the picture.
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            hideSplash();
            return true;
        default:
            return false;
    }
}

void CStartupWnd::hideSplash() {
    timer_.stop();
    qApp->removeEventFilter(this);
    emit hidden();
    close();
}

}  // namespace kw::app
