#pragma once
// The in-program help window: shows the HTML page for a help context from the help
// folder named by the help file name ("enHelp.chm" -> help/enHelp/).

#include <QPointer>
#include <QString>
#include <string>

#include "platform/help_topics.h"

class QTextBrowser;
class QWidget;

namespace kw::app {

class HelpViewer {
  public:
    HelpViewer(std::string programDirectory, std::string helpFileName, QString windowTitle);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // False, and nothing shown, when the page is missing: help then simply does nothing.
    bool showContext(int context, QWidget* owner, HelpWindow window = HelpWindow::Program);
    bool showIndex(QWidget* owner);

    // The context of the last help request, 0 before any.
    int lastContext() const { return lastContext_; }
    // The page on show, empty when the window was never opened.
    QString currentPage() const;
    QWidget* window() const;

  private:
    bool showPage(std::string_view page, QWidget* owner);

    std::string programDirectory_;
    std::string helpFileName_;
    QString windowTitle_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
    int lastContext_ = 0;
};

}  // namespace kw::app
