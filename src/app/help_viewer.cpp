#include "app/help_viewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "app/qt_text.h"
#include "platform/help_topics.h"

namespace kw::app {

HelpViewer::HelpViewer(std::string programDirectory, std::string helpFileName, QString windowTitle)
    : programDirectory_(std::move(programDirectory)),
      helpFileName_(std::move(helpFileName)),
      windowTitle_(std::move(windowTitle)) {}

HelpViewer::~HelpViewer() {
    delete window_;
}

bool HelpViewer::showContext(int context, QWidget* owner, HelpWindow window) {
    lastContext_ = context;
    return showPage(helpPageFor(context, window), owner);
}

bool HelpViewer::showIndex(QWidget* owner) {
    return showPage(kHelpIndexPage, owner);
}

bool HelpViewer::showPage(std::string_view page, QWidget* owner) {
    const auto path = helpPagePath(programDirectory_, helpFileName_, page);
    if (!path || !QFileInfo::exists(toQString(*path))) {
        return false;
    }
    if (!window_) {
        // A window of its own, owned by the main window so it stays above it.
        window_ = new QWidget(owner, Qt::Window);
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        window_->setWindowTitle(windowTitle_);
        window_->resize(640, 520);
        browser_ = new QTextBrowser(window_);
        browser_->setOpenLinks(true);
        auto* layout = new QVBoxLayout(window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
    }
    browser_->setSource(QUrl::fromLocalFile(toQString(*path)));
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

QString HelpViewer::currentPage() const {
    return browser_ ? QFileInfo(browser_->source().toLocalFile()).fileName() : QString();
}

QWidget* HelpViewer::window() const {
    return window_;
}

}  // namespace kw::app
