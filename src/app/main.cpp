// kwprog: the desktop program.
//   kwprog [--port DEVICE] [FILE.dat]

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/program_app.h"
#include "app/signal_closer.h"
#include "base/standard_streams.h"
#include "platform/program_directory.h"
#include "platform/program_restart.h"
#include "platform/settings_store.h"
#include "platform/version_answer.h"
#include "startup/program_arguments.h"

namespace {

constexpr int kBadArguments = 2;

std::string currentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string("/") : folder.string();
}

}  // namespace

int main(int argc, char* argv[]) {
    // A port opened on a closed standard stream's number would get the program's messages.
    kw::keepStandardStreamsOpen();
    if (const auto version = kw::versionAnswer("kwprog", {argv + 1, argv + argc})) {
        std::fputs(version->c_str(), stdout);
        return 0;
    }
    // Before Qt takes its own options out: a restart passes on everything it was given.
    const std::vector<std::string> given(argv + 1, argv + argc);
    const std::string executable = kw::executablePath();
    std::optional<std::vector<std::string>> restart;
    int status = 0;
    {
        QApplication application(argc, argv);
        const std::vector<std::string> ours(argv + 1, argv + argc);
        const kw::ProgramArgumentsResult parsed = kw::parseProgramArguments(ours, currentFolder());
        if (!parsed) {
            std::fprintf(stderr, "%s\n%s", parsed.error.c_str(), kw::kProgramUsage.data());
            return kBadArguments;
        }
        if (parsed.arguments.helpAsked) {
            std::fputs(kw::kProgramHelp.data(), stdout);
            return 0;
        }
        kw::app::StartupOptions options;
        options.programDirectory = kw::programDirectory();
        options.configHome = kw::userConfigHome();
        options.port = parsed.arguments.port;
        options.splashAllowed = parsed.arguments.splashAllowed;
        if (parsed.arguments.document) {
            options.documents.push_back(QString::fromStdString(*parsed.arguments.document));
        }
        kw::app::MessageBoxes messages;
        kw::app::FileDialogs files;
        kw::app::CProgramApp program(options, messages, files);
        if (!program.initInstance()) {
            return 1;
        }
        kw::app::SignalCloser closer(program.mainFrame());
        status = QApplication::exec();
        program.exitInstance();
        if (program.restartRequested()) {
            restart = kw::restartArguments(given, program.port().commandLinePort().has_value());
        }
    }
    // Everything of this run is closed and written; the new run takes this process over.
    if (restart) {
        const std::string failure = kw::restartInPlace(executable, *restart);
        std::fprintf(stderr, "kwprog: %s\n", failure.c_str());
        return 1;
    }
    return status;
}
