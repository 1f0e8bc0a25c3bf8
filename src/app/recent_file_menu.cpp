#include "app/recent_file_menu.h"

#include <QMenu>

#include "app/qt_text.h"

namespace kw::app {

RecentFileMenu::RecentFileMenu(std::string settingsPath, QObject* parent)
    : QObject(parent), store_(std::move(settingsPath)), list_(loadRecentFiles(store_)) {}

void RecentFileMenu::attach(QMenu* menu, QAction* before) {
    places_.push_back({menu, before, {}});
    rebuild(places_.back());
}

void RecentFileMenu::add(const QString& path) {
    list_.add(toStdString(path));
    changed();
}

void RecentFileMenu::remove(const QString& path) {
    list_.remove(toStdString(path));
    changed();
}

void RecentFileMenu::changed() {
    // The list is a convenience: a store that cannot be written keeps it for this run.
    (void)storeRecentFiles(store_, list_);
    for (Place& place : places_) {
        rebuild(place);
    }
}

void RecentFileMenu::rebuild(Place& place) {
    for (QAction* action : place.entries) {
        place.menu->removeAction(action);
        delete action;
    }
    place.entries.clear();
    const std::vector<std::string>& entries = list_.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QString path = toQString(entries[i]);
        // An '&' in a path is text, not a mnemonic.
        const QString shown = QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), place.menu);
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
        place.menu->insertAction(place.before, action);
        place.entries.push_back(action);
    }
    if (!entries.empty()) {
        QAction* separator = new QAction(place.menu);
        separator->setSeparator(true);
        place.menu->insertAction(place.before, separator);
        place.entries.push_back(separator);
    }
}

}  // namespace kw::app
