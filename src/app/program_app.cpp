#include "app/program_app.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <charconv>

#include "app/about_box.h"
#include "app/child_frame.h"
#include "app/file_dialogs.h"
#include "app/help_viewer.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/qt_translations.h"
#include "app/startup_wnd.h"
#include "base/plain_name.h"
#include "platform/code_page_text.h"
#include "platform/settings_store.h"
#include "res/command_ids.h"
#include "res/messages.h"
#include "session/product_persistence.h"

namespace kw::app {
namespace {

constexpr std::string_view kSetup = "Setup";
constexpr std::string_view kChinese = "Chinese";

constexpr int kEditMenu = 1;
constexpr int kSetupMenu = 3;
constexpr int kEditSeparatorPosition = 4;

// The decimal number at the start of `text`, 0 when there is none.
int leadingInteger(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

CProgramApp::CProgramApp(StartupOptions options, MessageBoxes& messages, FileDialogs& files)
    : options_(std::move(options)),
      messages_(messages),
      files_(files),
      programFiles_(options_.programDirectory, options_.configHome),
      port_(options_.port) {}

CProgramApp::~CProgramApp() = default;

QString CProgramApp::picturePath(std::string_view name) const {
    return toQString(programFiles_.folderOf(name) + std::string(name));
}

QString CProgramApp::profileText(std::string_view section, std::string_view key) const {
    return toQString(profileTextToUtf8(profile_.get(section, key)));
}

std::string CProgramApp::settingsPath() const {
    const std::string& name = isPlainName(appName_) ? appName_ : std::string(kDefaultAppName);
    return settingsFilePath(name, options_.configHome);
}

bool CProgramApp::initInstance() {
    // An unreadable profile leaves every key at its default; start-up goes on.
    (void)profile_.open(programFiles_.placeProfile(kProfileName).path,
                        {.writeBack = true, .ignoreCase = true, .makeBackup = false});
    languageName_ = profile_.get(kSetup, "Language");
    language_ = languageName_ == kChinese ? Language::Chinese : Language::English;
    helpFileName_ = language_ == Language::Chinese ? "chHelp.chm" : "enHelp.chm";
    qtTranslations_ = installQtTranslations(language_);
    appName_ = profile_.get(kSetup, "AppName");
    restoreProduct();

    resources_ = findResourceSet(languageName_);
    if (!resources_) {
        messages_.show(nullptr, toQString(builtInText(BuiltInText::LoadLanguageFailed, language_)),
                       MessageBoxes::Buttons::Ok, QMessageBox::Critical);
        return false;
    }
    showSplash();

    // Every window without an icon of its own takes this one, the document windows
    // included; they take it when they are made, so it is set before any of them.
    const QIcon icon = QIcon::fromTheme(QStringLiteral("kwprog"), QIcon(picturePath("title.ico")));
    if (!icon.pixmap(QSize(32, 32)).isNull()) {
        QApplication::setWindowIcon(icon);
    }
    help_ = std::make_unique<HelpViewer>(programFiles_.folderOf("help"), helpFileName_, language_);
    const QString company = profileText(languageName_, "Company");
    frameContext_ = std::make_unique<FrameContext>(
        FrameContext{*resources_, language_, profileText(languageName_, "Title"), company,
                     isPlainName(appName_) ? appName_ : std::string(kDefaultAppName),
                     programFiles_.folderOf("background.bmp"), settingsPath(), product_, port_,
                     messages_, files_, *help_});
    frame_ = std::make_unique<CMainFrame>(*frameContext_);
    frame_->commands().setHandler(command::kFileNew, [this] { fileNew(); });
    frame_->commands().setHandler(command::kAppAbout, [this] { showAbout(); });
    QObject::connect(frame_.get(), &CMainFrame::languageChosen, frame_.get(),
                     [this](Language language) { switchLanguage(language); });

    if (options_.documents.isEmpty()) {
        fileNew();
    } else if (!frame_->openDocument(options_.documents.front())) {
        return false;
    }
    // Sized to the screen first, so it fills it also where no window manager maximises.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame_->setGeometry(screen->availableGeometry());
    }
    frame_->showMaximized();
    frame_->repaint();

    messages_.setCaption(company);
    applyMenuDeletions();
    return true;
}

void CProgramApp::restoreProduct() {
    product_ = restoreProductState(SettingsStore(settingsPath()));
}

void CProgramApp::showSplash() {
    if (!options_.splashAllowed) {
        return;
    }
    CStartupWnd* splash = CStartupWnd::showSplash(picturePath("startup.bmp"));
    splashShown_ = splash != nullptr;
    if (!splashShown_) {
        return;
    }
    // The picture stays a moment before the main window comes; start-up has not reached
    // the program's event loop yet, so this wait runs one of its own until the timer ends
    // it. A key or click meanwhile waits for the splash to take it.
    QEventLoop wait;
    QTimer::singleShot(options_.splashWaitMilliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void CProgramApp::applyMenuDeletions() {
    using namespace command;
    if (leadingInteger(profile_.get(kSetup, "ShowLang")) == 0) {
        frame_->removeMenuCommand(resource::kDocumentMenu, kSetupMenu, kLanguage);
    }
    frame_->removeMenuCommand(resource::kDocumentMenu, kEditMenu, kKeyAssignment);
    frame_->removeMenuCommand(resource::kDocumentMenu, kEditMenu, kDtmf);
    frame_->removeMenuItemAt(resource::kDocumentMenu, kEditMenu, kEditSeparatorPosition);
}

void CProgramApp::exitInstance() {
    appName_ = profile_.get(kSetup, "AppName");
    // The end of the run has no one left to tell; a failed write leaves the old values.
    (void)storeProductState(product_, SettingsStore(settingsPath()));
}

void CProgramApp::fileNew() {
    if (CChildFrame* active = frame_->activeChild()) {
        if (!frame_->settleDocument(active)) {
            return;
        }
        const auto answer = messages_.show(
            frame_.get(), toQString(resources_->string(MessageId::AllDataWillBeCleared)),
            MessageBoxes::Buttons::OkCancel);
        if (answer != MessageBoxes::Answer::Ok) {
            return;
        }
        frame_->destroyDocument(active);
    }
    frame_->newDocument();
}

void CProgramApp::showAbout() {
    const AboutTexts texts{
        profileText(languageName_, "About Title"), profileText(languageName_, "Version"),
        profileText(languageName_, "Copyrights"), profileText(languageName_, "Copyrights Owner")};
    CAboutDlg dialog(*resources_, texts, picturePath("title.ico"), frame_.get());
    dialog.exec();
}

void CProgramApp::switchLanguage(Language language) {
    // Closing first asks about unsaved documents; a cancel there leaves everything as it was.
    if (!frame_->close()) {
        return;
    }
    const std::string_view name = language == Language::Chinese ? kChinese : "English";
    const ProfileSetResult set = profile_.set(kSetup, "Language", name);
    // The next run reads the profile at its start: it must be on disk before the switch.
    const ProfileSaveResult saved = profile_.save(false);
    if (set == ProfileSetResult::Changed && saved.status == ProfileSaveStatus::Written) {
        restartRequested_ = true;
        return;
    }
    messages_.show(nullptr, toQString(saved.error.empty() ? profile_.errorCause() : saved.error));
}

}  // namespace kw::app
