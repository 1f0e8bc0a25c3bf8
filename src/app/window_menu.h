#pragma once
// The "Window" menu: cascade, tile, and every open document, hidden ones included, so a
// window closed with its close box can always be brought back.

#include <QMenu>

#include "res/language.h"

class QMdiArea;

namespace kw::app {

class WindowMenu : public QMenu {
    Q_OBJECT
  public:
    WindowMenu(QMdiArea* area, Language language, QWidget* parent);

    // The document entries, in the area's order.
    QList<QAction*> documentActions() const { return documents_; }

  private:
    void rebuild();

    QMdiArea* area_;
    QList<QAction*> documents_;
};

}  // namespace kw::app
