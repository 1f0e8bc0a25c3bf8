#pragma once
// The in-program help window: shows the HTML page for a help context from the help
// folder named by the help file name ("enHelp.chm" -> help/enHelp/), at the context's
// section, with Back, Forward, Home (the help's index) and Close buttons.

#include <QPointer>
#include <QString>
#include <array>
#include <string>

#include "platform/help_topics.h"
#include "res/language.h"

class QPushButton;
class QTextBrowser;
class QWidget;

namespace kw::app {

class HelpViewer {
  public:
    enum class Button { Back, Forward, Home, Close };

    HelpViewer(std::string programDirectory, std::string helpFileName, Language language);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // False, and nothing shown, when the page is missing: help then simply does nothing.
    bool showContext(HelpContext context, QWidget* owner);
    bool showIndex(QWidget* owner);

    // The context number of the last help request, 0 before any.
    int lastContext() const { return lastContext_; }
    // The page on show and its section, empty when the window was never opened.
    QString currentPage() const;
    QString currentAnchor() const;
    QWidget* window() const;
    QPushButton* button(Button button) const;

  private:
    bool showPage(std::string_view page, std::string_view anchor, QWidget* owner);
    void createWindow(QWidget* owner);

    std::string programDirectory_;
    std::string helpFileName_;
    Language language_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    int lastContext_ = 0;
};

}  // namespace kw::app
