#include "app/channel_file_commands.h"

#include <QDir>
#include <QFileInfo>

#include "app/channel_edit_commands.h"
#include "app/child_frame.h"
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "base/atomic_file.h"
#include "channels/channel_csv.h"
#include "channels/chirp_csv.h"
#include "session/chirp_import.h"
#include "session/history_step.h"
#include "session/save_name.h"

namespace kw::app {
namespace {

constexpr std::size_t kLargestCsv = 1u << 20;  // far above 128 channels of either form
constexpr std::size_t kListedLines = 20;

}  // namespace

ChannelFileCommands::ChannelFileCommands(CMainFrame& frame, ChannelEditCommands& edits,
                                         Language language, MessageBoxes& messages,
                                         FileDialogs& files)
    : QObject(&frame),
      frame_(frame),
      edits_(edits),
      language_(language),
      messages_(messages),
      files_(files) {
    frame_.commands().setHandler(command::kFileExport, [this] { exportChannels(); });
    frame_.commands().setHandler(command::kFileImport, [this] { importChannels(); });
}

QString ChannelFileCommands::filters() const {
    return toQString(builtInText(BuiltInText::OurCsvFilter, language_)) + QStringLiteral(";;") +
           toQString(builtInText(BuiltInText::ChirpCsvFilter, language_));
}

bool ChannelFileCommands::isChirp(const QString& chosenFilter) const {
    return chosenFilter == toQString(builtInText(BuiltInText::ChirpCsvFilter, language_));
}

void ChannelFileCommands::showError(CChildFrame* child, const std::string& text) {
    messages_.show(child->view(), toQString(text));
}

void ChannelFileCommands::exportChannels() {
    CChildFrame* child = frame_.activeChild();
    if (!child || child->view()->commitCurrentCell().rejected()) {
        return;
    }
    QString chosen;
    // Beside the document, under its name.
    const QFileInfo document(toQString(proposedSaveName(child->document())));
    const QString proposed =
        document.dir().filePath(document.completeBaseName() + QStringLiteral(".csv"));
    const QString path = files_.saveFileName(&frame_, proposed, filters(), &chosen);
    if (path.isEmpty()) {
        return;
    }
    const ChannelGrid& grid = child->session().grid();
    const std::string text = isChirp(chosen) ? chirpCsv(grid) : channelsCsv(grid);
    if (const FileWriteResult written = writeFileAtomically(toStdString(path), text); !written) {
        showError(child, written.error);
    }
}

void ChannelFileCommands::importChannels() {
    CChildFrame* child = frame_.activeChild();
    if (!child || child->view()->commitCurrentCell().rejected()) {
        return;
    }
    QString chosen;
    const QString path = files_.openFileName(&frame_, filters(), {}, {}, &chosen);
    if (path.isEmpty()) {
        return;
    }
    std::string text;
    if (const FileReadResult read = readWholeFile(toStdString(path), text, kLargestCsv); !read) {
        showError(child, read.error);
        return;
    }
    const bool imported = isChirp(chosen) ? importChirpCsv(child, text) : importOurCsv(child, text);
    if (!imported) {
        return;
    }
    child->session().recordStep(HistoryStep::Import);
    edits_.finish(child);
}

bool ChannelFileCommands::importOurCsv(CChildFrame* child, const std::string& text) {
    DocumentSession& session = child->session();
    const CsvImportResult imported =
        importChannelsCsv(text, session.grid(), session.editors(), session.product());
    if (imported) {
        return true;
    }
    std::string error = imported.error;
    if (imported.status == CsvImportStatus::Rejected && error.empty()) {
        error = rowTitle(imported.cell.row) + ':' + std::to_string(imported.cell.column) + " \"" +
                imported.value + "\": " + cellEditRefusal(imported.edit, language_);
    }
    if (imported.line > 0) {
        error = "Line " + std::to_string(imported.line) + ": " + error;
    }
    showError(child, error);
    return false;
}

bool ChannelFileCommands::importChirpCsv(CChildFrame* child, const std::string& text) {
    ChirpImport import = prepareChirpImport(child->session(), text, false);
    if (!import) {
        showError(child, import.error);
        return false;
    }
    if (!import.refused.empty()) {
        std::string list;
        for (std::size_t i = 0; i < import.refused.size() && i < kListedLines; ++i) {
            const ChirpRefusal& refusal = import.refused[i];
            list += "Line " + std::to_string(refusal.line) +
                    (refusal.column.empty() ? "" : ", column \"" + refusal.column + '"') + ": " +
                    refusal.reason + '\n';
        }
        if (import.refused.size() > kListedLines) {
            list += "...\n";
        }
        const std::string question =
            std::string(builtInText(BuiltInText::ImportRefusedLines, language_)) + "\n\n" + list +
            '\n' + std::string(builtInText(BuiltInText::ImportTheRest, language_));
        if (messages_.show(child->view(), toQString(question), MessageBoxes::Buttons::OkCancel) !=
            MessageBoxes::Answer::Ok) {
            return false;
        }
    }
    takeChirpImport(child->session(), std::move(import));
    return true;
}

}  // namespace kw::app
