#include "app/child_frame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>

#include "app/program_view.h"
#include "app/qt_text.h"

namespace kw::app {

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> document, ViewContext& context,
                         QWidget* parent)
    : QMdiSubWindow(parent),
      document_(std::move(document)),
      view_(new CProgramView(*document_, context, this)) {
    setWidget(view_);
    // The toolkit's close keys include Ctrl+W, which is the program's Write: a document
    // window closes with Ctrl+F4 alone.
    for (QAction* action : systemMenu()->actions()) {
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
    connect(view_, &CProgramView::edited, this, [this] { setModified(true); });
    // A new document is "Channel Information"; an opened one shows its file's name.
    const QString title = document_->title().empty()
                              ? QFileInfo(toQString(document_->path())).fileName()
                              : toQString(document_->title());
    setWindowTitle(title + QStringLiteral("[*]"));
    setGeometry(0, 0, kWidth, kHeight);
    setWindowModified(document_->isModified());
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::setModified(bool modified) {
    document_->setModified(modified);
    setWindowModified(modified);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace kw::app
