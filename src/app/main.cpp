// kwprog: the desktop program.
//   kwprog [--port DEVICE] [FILE.dat]

#include <QApplication>
#include <cstdio>

#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/program_app.h"
#include "app/signal_closer.h"
#include "platform/program_directory.h"
#include "platform/program_restart.h"
#include "platform/settings_store.h"

namespace {

bool parseArguments(const QStringList& arguments, kw::app::StartupOptions& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--port")) {
            if (++i == arguments.size()) {
                std::fputs("kwprog: --port needs a device path.\n", stderr);
                return false;
            }
            options.port = arguments[i].toStdString();
        } else if (argument.compare(QLatin1String("-Embedding"), Qt::CaseInsensitive) == 0 ||
                   argument.compare(QLatin1String("-Automation"), Qt::CaseInsensitive) == 0) {
            // Started by another program, not by a user: no start-up picture.
            options.splashAllowed = false;
        } else {
            options.documents.push_back(argument);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kw::app::StartupOptions options;
    options.programDirectory = kw::programDirectory();
    options.configHome = kw::userConfigHome();
    if (!parseArguments(QApplication::arguments(), options)) {
        return 2;
    }
    kw::app::MessageBoxes messages;
    kw::app::FileDialogs files;
    kw::app::CProgramApp program(options, messages, files);
    if (!program.initInstance()) {
        return 1;
    }
    kw::app::SignalCloser closer(program.mainFrame());
    const int status = QApplication::exec();
    program.exitInstance();
    if (program.restartRequested()) {
        // Same executable, same port for the new run; the document starts anew.
        std::vector<std::string> arguments;
        if (options.port) {
            arguments = {"--port", *options.port};
        }
        if (!kw::startDetached(QApplication::applicationFilePath().toStdString(), arguments)) {
            std::fputs("kwprog: could not start the program again.\n", stderr);
        }
    }
    return status;
}
