#include "gui_support.h"

#include <QDialog>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/settings_store.h"

namespace kw::test {

std::string programIni(const std::string& setup) {
    return "[Setup]\r\n" + setup +
           "[English]\r\nCompany=KW Radio\r\nTitle=KW-217 Programming Software\r\n"
           "About Title=About KW\r\nVersion=Version 1.0\r\nCopyrights=Copyright 2024\r\n"
           "Copyrights Owner=KW Radio Communications\r\n"
           "[Chinese]\r\nCompany=KW 通信\r\nTitle=KW-217 编程软件\r\nAbout Title=关于\r\n"
           "Version=版本 1.0\r\n";
}

ProgramDir::ProgramDir(const std::string& ini) {
    writeFile(dir_.file("Program.ini"), ini);
    const std::filesystem::path source = std::filesystem::path(KW_SOURCE_DIR) / "res";
    std::filesystem::copy(source / "help", dir_.file("help"),
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy(source / "title.ico", dir_.file("title.ico"));
    // Backups taken before a Write land here, never in the user's own folder.
    ::setenv("XDG_DATA_HOME", dir_.file("data").c_str(), 1);
}

std::string ProgramDir::settingsFile(const std::string& appName) const {
    return settingsFilePath(appName, configHome());
}

namespace {

app::StartupOptions optionsFor(const ProgramDir& dir, QStringList documents,
                               std::optional<std::string> port) {
    app::StartupOptions options;
    options.port = std::move(port);
    options.programDirectory = dir.directory();
    options.configHome = dir.configHome();
    options.documents = std::move(documents);
    options.splashAllowed = false;
    return options;
}

}  // namespace

RunningProgram::RunningProgram(const ProgramDir& dir, QStringList documents,
                               std::optional<std::string> port)
    : program(optionsFor(dir, std::move(documents), std::move(port)), messages, files) {}

int withModalDialog(const std::function<void()>& act, const std::function<void(QWidget*)>& inspect,
                    bool accept) {
    int opened = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++opened;
            inspect(dialog);
            if (dialog->isVisible()) {
                accept ? dialog->accept() : dialog->reject();
            }
        }
    });
    timer.start();
    act();
    timer.stop();
    return opened;
}

}  // namespace kw::test
