#include "app/help_viewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "app/qt_text.h"
#include "platform/help_topics.h"
#include "res/messages.h"

namespace kw::app {

HelpViewer::HelpViewer(std::string programDirectory, std::string helpFileName, Language language)
    : programDirectory_(std::move(programDirectory)),
      helpFileName_(std::move(helpFileName)),
      language_(language) {}

HelpViewer::~HelpViewer() {
    delete window_;
}

bool HelpViewer::showContext(HelpContext context, QWidget* owner) {
    lastContext_ = context.number();
    return showPage(helpPageFor(context), helpAnchorFor(context), owner);
}

bool HelpViewer::showIndex(QWidget* owner) {
    return showPage(kHelpIndexPage, {}, owner);
}

bool HelpViewer::showPage(std::string_view page, std::string_view anchor, QWidget* owner) {
    const auto path = helpPagePath(programDirectory_, helpFileName_, page);
    if (!path || !QFileInfo::exists(toQString(*path))) {
        return false;
    }
    if (!window_) {
        createWindow(owner);
    }
    QUrl url = QUrl::fromLocalFile(toQString(*path));
    if (!anchor.empty()) {
        url.setFragment(toQString(anchor));
    }
    browser_->setSource(url);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

void HelpViewer::createWindow(QWidget* owner) {
    // A window of its own, owned by the main window so it stays above it.
    window_ = new QWidget(owner, Qt::Window);
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_->setWindowTitle(toQString(builtInText(BuiltInText::HelpTitle, language_)));
    window_->resize(640, 520);
    browser_ = new QTextBrowser(window_);
    browser_->setOpenLinks(true);

    auto* buttons = new QHBoxLayout;
    constexpr std::array kTexts{BuiltInText::HelpBack, BuiltInText::HelpForward,
                                BuiltInText::HelpHome, BuiltInText::HelpClose};
    for (std::size_t index = 0; index < kTexts.size(); ++index) {
        buttons_[index] =
            new QPushButton(toQString(builtInText(kTexts[index], language_)), window_);
        buttons_[index]->setAutoDefault(false);
        buttons->addWidget(buttons_[index]);
    }
    buttons->addStretch(1);
    QPushButton* back = button(Button::Back);
    QPushButton* forward = button(Button::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    QObject::connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    QObject::connect(button(Button::Home), &QPushButton::clicked, window_,
                     [this] { showIndex(window_->parentWidget()); });
    QObject::connect(button(Button::Close), &QPushButton::clicked, window_, &QWidget::close);

    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
}

QString HelpViewer::currentPage() const {
    return browser_ ? QFileInfo(browser_->source().toLocalFile()).fileName() : QString();
}

QString HelpViewer::currentAnchor() const {
    return browser_ ? browser_->source().fragment() : QString();
}

QWidget* HelpViewer::window() const {
    return window_;
}

QPushButton* HelpViewer::button(Button button) const {
    return buttons_[static_cast<std::size_t>(button)];
}

}  // namespace kw::app
