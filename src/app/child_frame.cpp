#include "app/child_frame.h"

#include <QCloseEvent>
#include <QFileInfo>

#include "app/program_view.h"
#include "app/qt_text.h"

namespace kw::app {

CChildFrame::CChildFrame(std::unique_ptr<DocumentSession> session, ViewContext& context,
                         QWidget* parent)
    : QMdiSubWindow(parent),
      session_(std::move(session)),
      view_(new CProgramView(*session_, context, this)) {
    setWidget(view_);
    connect(view_, &CProgramView::edited, this, [this] { setModified(true); });
    // A new document is "Channel Information"; an opened one shows its file's name.
    const CProgramDoc& document = session_->document();
    const QString title = document.title().empty()
                              ? QFileInfo(toQString(document.path())).fileName()
                              : toQString(document.title());
    setWindowTitle(title + QStringLiteral("[*]"));
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

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace kw::app
