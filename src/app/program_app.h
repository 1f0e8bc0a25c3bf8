#pragma once
// CProgramApp: start-up and end of the desktop program. Reads Program.ini, fixes the
// language for the run, restores the stored model and band, creates the main frame and
// the first document, and writes the model and band back at the end.

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string>

#include "link/program_port.h"
#include "model/product_state.h"
#include "platform/program_files.h"
#include "profile/profile_file.h"
#include "res/language.h"
#include "res/resource_set.h"

namespace kw::app {

class CMainFrame;
class FileDialogs;
class HelpViewer;
class MessageBoxes;
struct FrameContext;

struct StartupOptions {
    std::string programDirectory;     // ends in '/'; see ProgramFiles for what lies where
    std::string configHome;           // the per-user settings live in a folder below it
    QStringList documents;            // files named on the command line; none: File New
    std::optional<std::string> port;  // --port: the serial device for this run
    bool splashAllowed = true;
    int splashWaitMilliseconds = 1000;
};

class CProgramApp {
  public:
    static constexpr std::string_view kProfileName = "Program.ini";
    // The settings folder when AppName is refused.
    static constexpr std::string_view kDefaultAppName = "KWProgram";

    CProgramApp(StartupOptions options, MessageBoxes& messages, FileDialogs& files);
    ~CProgramApp();
    CProgramApp(const CProgramApp&) = delete;
    CProgramApp& operator=(const CProgramApp&) = delete;

    // False ends the program: the language set is missing, or the command line's
    // document did not open.
    [[nodiscard]] bool initInstance();
    // The end-of-run writes of the stored band and model type.
    void exitInstance();

    // File New (57600) and About (57664) belong to the application.
    void fileNew();
    void showAbout();

    // Set when the language switch closed the frame: the caller starts the program
    // again once this run has ended.
    bool restartRequested() const { return restartRequested_; }

    Language language() const { return language_; }
    const std::string& languageName() const { return languageName_; }
    const std::string& helpFileName() const { return helpFileName_; }
    const std::string& appName() const { return appName_; }
    ProgramPort& port() { return port_; }
    ProductState& product() { return product_; }
    CProfileFile& profile() { return profile_; }
    CMainFrame* mainFrame() const { return frame_.get(); }
    HelpViewer* helpViewer() const { return help_.get(); }
    bool splashShown() const { return splashShown_; }
    std::string settingsPath() const;

  private:
    QString profileText(std::string_view section, std::string_view key) const;
    QString picturePath(std::string_view name) const;
    void restoreProduct();
    void showSplash();
    void applyMenuDeletions();
    void switchLanguage(Language language);

    StartupOptions options_;
    MessageBoxes& messages_;
    FileDialogs& files_;
    ProgramFiles programFiles_;
    CProfileFile profile_{4};
    ProductState product_;
    Language language_ = Language::English;
    std::string languageName_;
    std::string helpFileName_;
    std::string appName_;
    ProgramPort port_;
    const ResourceSet* resources_ = nullptr;
    std::unique_ptr<QTranslator> qtTranslations_;
    std::unique_ptr<HelpViewer> help_;
    std::unique_ptr<FrameContext> frameContext_;
    std::unique_ptr<CMainFrame> frame_;
    bool splashShown_ = false;
    bool restartRequested_ = false;
};

}  // namespace kw::app
