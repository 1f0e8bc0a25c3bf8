#include "app/write_safety_commands.h"

#include <QFileInfo>
#include <QMdiArea>

#include "app/child_frame.h"
#include "app/compare_with_dlg.h"
#include "app/differences_dlg.h"
#include "app/file_dialogs.h"
#include "app/help_viewer.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/ms_flex_grid.h"
#include "app/preferences_dlg.h"
#include "app/process_dlg.h"
#include "app/qt_text.h"
#include "app/radio_scratch_read.h"
#include "app/transfer_windows.h"
#include "model/document_file.h"
#include "session/image_differences.h"
#include "session/radio_backups.h"

namespace kw::app {

using namespace command;

namespace {

// A document as a comparison names it: its file, or its window's title while it has none.
QString documentName(CChildFrame* child) {
    const std::string& path = child->document().path();
    return path.empty() ? child->windowTitle().remove(QStringLiteral("[*]"))
                        : QFileInfo(toQString(path)).fileName();
}

}  // namespace

WriteSafetyCommands::WriteSafetyCommands(CMainFrame& frame, FrameContext& context)
    : QObject(&frame), frame_(frame), context_(context) {
    CommandRouter& commands = frame_.commands();
    commands.setHandler(kPreferences, [this] { showPreferences(); });
    commands.setHandler(kOpenBackup, [this] { openBackup(); });
    commands.setHandler(kRestoreBackup, [this] { restoreBackup(); });
    commands.setHandler(kCompare, [this] { compare(); });
}

CDifferencesDlg* WriteSafetyCommands::comparison() const {
    return comparison_.data();
}

QString WriteSafetyCommands::text(BuiltInText id) const {
    return toQString(builtInText(id, context_.language));
}

QString WriteSafetyCommands::backupsFolder() const {
    return toQString(userBackupPlace(SettingsStore(context_.settingsPath)).folder);
}

void WriteSafetyCommands::showPreferences() {
    const SettingsStore store(context_.settingsPath);
    CPreferencesDlg dialog(context_.resources, readWritePreferences(store), &frame_);
    dialog.setHelpHandler([this](HelpContext help) { context_.help.showContext(help, &frame_); });
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const FileWriteResult written = storeWritePreferences(store, dialog.chosen()); !written) {
        context_.messages.show(&frame_, toQString(written.error));
    }
}

void WriteSafetyCommands::openBackup() {
    const QString path = context_.files.openFileName(&frame_, kDocumentFilter, backupsFolder(),
                                                     text(BuiltInText::OpenBackupTitle));
    if (!path.isEmpty()) {
        frame_.openDocument(path);
    }
}

bool WriteSafetyCommands::chooseBackup(RadioImage& backup, QString& path) {
    path = context_.files.openFileName(&frame_, kDocumentFilter, backupsFolder(),
                                       text(BuiltInText::OpenBackupTitle));
    if (path.isEmpty()) {
        return false;
    }
    const DocumentLoadResult loaded =
        loadDocumentFile(toStdString(path), backup, context_.language);
    if (!loaded) {
        context_.messages.show(&frame_, toQString(loaded.error));
    }
    return static_cast<bool>(loaded);
}

void WriteSafetyCommands::restoreBackup() {
    CChildFrame* child = frame_.activeChild();
    RadioImage backup{};
    QString path;
    if (child && chooseBackup(backup, path)) {
        frame_.transfers().windowOf(child)->onRestore(backup, toStdString(path));
    }
}

void WriteSafetyCommands::compare() {
    CChildFrame* child = frame_.activeChild();
    if (!child) {
        return;
    }
    std::vector<CChildFrame*> others;
    QStringList names;
    for (CChildFrame* other : frame_.children()) {
        if (other != child) {
            others.push_back(other);
            // Numbered as the Window menu numbers them, since two may share a name.
            names << QStringLiteral("%1 %2").arg(names.size() + 1).arg(documentName(other));
        }
    }
    CCompareWithDlg dialog(context_.resources, names, &frame_);
    dialog.setHelpHandler([this](HelpContext help) { context_.help.showContext(help, &frame_); });
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // What is compared is what a Save or a Write would take: the grid as it is now.
    child->view()->cellCommit();
    child->view()->gridCommit();
    switch (dialog.source()) {
        case CCompareWithDlg::Source::Document: {
            CChildFrame* other = others.at(static_cast<std::size_t>(dialog.documentIndex()));
            other->view()->cellCommit();
            other->view()->gridCommit();
            showComparison(child, other->document().image(), documentName(other));
            break;
        }
        case CCompareWithDlg::Source::File: {
            const QString path = context_.files.openFileName(&frame_, kDocumentFilter);
            RadioImage file{};
            if (path.isEmpty()) {
                return;
            }
            if (const DocumentLoadResult loaded =
                    loadDocumentFile(toStdString(path), file, context_.language);
                !loaded) {
                context_.messages.show(&frame_, toQString(loaded.error));
                return;
            }
            showComparison(child, file, QFileInfo(path).fileName());
            break;
        }
        case CCompareWithDlg::Source::Radio: {
            // The Read starts from the document, so it checks the document's password and
            // the bytes a Read does not bring agree.
            QPointer<CChildFrame> target(child);
            RadioScratchRead::start(
                {context_.language, context_.messages, context_.title, frame_.trace()},
                child->document().image(), context_.port.name(), &frame_,
                [this, target](const RadioImage& radio) {
                    if (target) {
                        showComparison(target, radio, text(BuiltInText::RadioName));
                    }
                });
            break;
        }
    }
}

void WriteSafetyCommands::showComparison(CChildFrame* child, const RadioImage& other,
                                         const QString& otherName) {
    const std::vector<ImageDifference> differences =
        imageDifferences(child->document().image(), other, context_.language);
    QString summary = documentName(child) + QStringLiteral(" -> ") + otherName;
    if (differences.empty()) {
        summary += QStringLiteral("\n") + text(BuiltInText::NoDifferences);
    }
    auto* window = new CDifferencesDlg(context_.language, text(BuiltInText::CompareTitle), summary,
                                       differences, CDifferencesDlg::Buttons::Close, &frame_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<CChildFrame> target(child);
    connect(window, &CDifferencesDlg::cellChosen, this, [this, target](GridCell cell) {
        if (!target) {
            return;
        }
        target->showNormal();
        frame_.mdiArea()->setActiveSubWindow(target);
        target->view()->grid()->moveCurrentCell(cell);
        target->view()->grid()->setFocus();
    });
    comparison_ = window;
    window->show();
}

}  // namespace kw::app
