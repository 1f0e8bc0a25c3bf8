#pragma once
// A program directory in a temporary folder, and the desktop program started in it.

#include <QApplication>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/file_dialogs.h"
#include "app/message_boxes.h"
#include "app/program_app.h"
#include "support/temp_dir.h"

namespace kw::test {

// Program.ini with the shipped English and Chinese sections; `setup` is the [Setup] body.
std::string programIni(const std::string& setup);
inline const std::string kEnglishSetup = "Language=English\r\nAppName=KWTest\r\nShowLang=1\r\n";

class ProgramDir {
  public:
    explicit ProgramDir(const std::string& ini = programIni(kEnglishSetup));

    std::string directory() const { return dir_.path() + "/"; }
    std::string configHome() const { return dir_.file("config"); }
    std::string file(const std::string& name) const { return dir_.file(name); }
    std::string settingsFile(const std::string& appName = "KWTest") const;
    // Where the program keeps its backups: under this folder's data home.
    std::string backupsFolder() const { return dir_.file("data/kwprog/backups"); }

  private:
    TempDir dir_;
};

// CProgramApp over a ProgramDir, with the questions answered by the test.
struct RunningProgram {
    // `port`: the serial port the transfers use, as --port gives it.
    explicit RunningProgram(const ProgramDir& dir, QStringList documents = {},
                            std::optional<std::string> port = std::nullopt);
    bool start() { return program.initInstance(); }
    app::CMainFrame& frame() { return *program.mainFrame(); }

    app::MessageBoxes messages;
    app::FileDialogs files;
    app::CProgramApp program;
};

// Runs `act`, which opens a modal dialog, and hands the dialog to `inspect` while it
// shows; the dialog is then closed with `accept` or reject. Returns how many dialogs
// opened.
int withModalDialog(const std::function<void()>& act,
                    const std::function<void(QWidget* dialog)>& inspect, bool accept = false);

}  // namespace kw::test
