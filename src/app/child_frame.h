#pragma once
// CChildFrame: the window of one document. It owns the document's session and its view;
// closing it only hides it, and "Channel Information" shows it again with its edits.

#include <QMdiSubWindow>
#include <memory>

#include "session/document_session.h"

namespace kw::app {

class CProgramView;
struct ViewContext;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    static constexpr int kWidth = 1095;
    static constexpr int kHeight = 650;

    CChildFrame(std::unique_ptr<DocumentSession> session, ViewContext& context, QWidget* parent);
    ~CChildFrame() override;

    DocumentSession& session() { return *session_; }
    CProgramDoc& document() { return session_->document(); }
    CProgramView* view() const { return view_; }

    // Every edit of the document comes through here, so the title shows it.
    void setModified(bool modified);
    // The title follows the document's name: after a save under a new name, for one.
    void updateTitle();
    bool isModified() const { return session_->isModified(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<DocumentSession> session_;
    CProgramView* view_;
};

}  // namespace kw::app
