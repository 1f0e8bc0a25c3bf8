#include "app/child_frame.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>

#include "app/program_view.h"
#include "app/qt_text.h"

namespace kw::app {

CChildFrame::CChildFrame(std::unique_ptr<DocumentSession> session, ViewContext& context,
                         QWidget* parent)
    : QMdiSubWindow(parent),
      session_(std::move(session)),
      view_(new CProgramView(*session_, context, this)) {
    setWidget(view_);
    // The toolkit's close keys include Ctrl+W, which is the program's Write: a document
    // window closes with Ctrl+F4 alone.
    for (QAction* action : systemMenu()->actions()) {
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
    connect(view_, &CProgramView::edited, this, [this] { setModified(true); });
    updateTitle();
    setGeometry(0, 0, kWidth, kHeight);
    setWindowModified(session_->isModified());
}

CChildFrame::~CChildFrame() {
    // The view shows the session's grid and editors: it goes before them.
    delete view_;
}

void CChildFrame::setModified(bool modified) {
    session_->setModified(modified);
    setWindowModified(modified);
}

void CChildFrame::updateTitle() {
    setWindowTitle(toQString(session_->document().name()) + QStringLiteral("[*]"));
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    // The value still being typed is an edit of the document; a refused one stays in
    // its editor to be put right.
    if (!view_->commitOnLeaving().rejected()) {
        hide();
    }
}

}  // namespace kw::app
