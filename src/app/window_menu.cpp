#include "app/window_menu.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/qt_text.h"

namespace kw::app {

WindowMenu::WindowMenu(QMdiArea* area, Language language, QWidget* parent)
    : QMenu(toQString(pick(language, "&Window", "窗口(&W)")), parent), area_(area) {
    addAction(toQString(pick(language, "&Cascade", "层叠(&C)")), area_,
              &QMdiArea::cascadeSubWindows);
    addAction(toQString(pick(language, "&Tile", "平铺(&T)")), area_, &QMdiArea::tileSubWindows);
    addSeparator();
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::rebuild);
}

void WindowMenu::rebuild() {
    qDeleteAll(documents_);
    documents_.clear();
    const QList<QMdiSubWindow*> windows = area_->subWindowList();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QString title = window->windowTitle();
        title.remove(QStringLiteral("[*]"));
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        action->setCheckable(true);
        action->setChecked(window == area_->activeSubWindow());
        connect(action, &QAction::triggered, window, [this, window] {
            window->showNormal();
            area_->setActiveSubWindow(window);
        });
        documents_.push_back(action);
    }
}

}  // namespace kw::app
