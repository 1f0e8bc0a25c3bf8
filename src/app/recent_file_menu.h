#pragma once
// The recent-file entries of the File menus ("&1 path" ... "&4 path"), kept in the
// settings store. Choosing one asks for the file to be opened.

#include <QObject>
#include <QString>
#include <vector>

#include "platform/recent_files.h"

class QAction;
class QMenu;

namespace kw::app {

class RecentFileMenu : public QObject {
    Q_OBJECT
  public:
    RecentFileMenu(std::string settingsPath, QObject* parent);

    // The entries go into `menu` just before `before`, followed by a separator.
    void attach(QMenu* menu, QAction* before);

    const RecentFileList& list() const { return list_; }
    void add(const QString& path);
    void remove(const QString& path);

  signals:
    void openRequested(const QString& path);

  private:
    struct Place {
        QMenu* menu;
        QAction* before;
        std::vector<QAction*> entries;
    };
    void changed();
    void rebuild(Place& place);

    SettingsStore store_;
    RecentFileList list_;
    std::vector<Place> places_;
};

}  // namespace kw::app
