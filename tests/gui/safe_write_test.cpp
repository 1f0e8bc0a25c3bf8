// The desktop program's Write around the write itself, against kwradio-sim: the
// preferences that choose the steps, the changes window that decides whether anything is
// written, and Compare, whose list leads back to the cells.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/child_frame.h"
#include "app/differences_dlg.h"
#include "app/main_frame.h"
#include "app/ms_flex_grid.h"
#include "app/preferences_dlg.h"
#include "app/process_dlg.h"
#include "app/program_view.h"
#include "app/transfer_windows.h"
#include "app/write_safety_commands.h"
#include "channel_entry.h"
#include "e2e/cli_process.h"
#include "gui_support.h"
#include "model/document_file.h"
#include "res/command_ids.h"

namespace kw::test {
namespace {

using app::CChildFrame;
using app::CDifferencesDlg;
using app::MessageBoxes;

class SafeWrite : public testing::Test {
  protected:
    void startProgram(std::vector<std::string> simArguments = {}) {
        simArguments.insert(simArguments.end(), {"--model", "KW-217V", "--save", radioFile_});
        sim_.emplace(startSim(simArguments));
        run_.emplace(dir_, QStringList{}, sim_->device());
        ASSERT_TRUE(run_->start());
    }
    app::CMainFrame& frame() { return run_->frame(); }

    // The rows of a differences window: "where|what|from|to".
    static QStringList rowsOf(const CDifferencesDlg& window) {
        QStringList rows;
        for (int i = 0; i < window.list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = window.list()->topLevelItem(i);
            rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(
                QLatin1Char('|'));
        }
        return rows;
    }

    // The radio's memory as it saved it after its last session.
    RadioImage radio() const {
        RadioImage image{};
        EXPECT_TRUE(loadDocumentFile(radioFile_, image));
        return image;
    }

    std::size_t backupCount() const {
        const std::filesystem::path folder(dir_.backupsFolder());
        if (!std::filesystem::exists(folder)) {
            return 0;
        }
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }

    TempDir files_;
    std::string radioFile_ = files_.file("radio.dat");
    ProgramDir dir_;
    std::optional<sim::SimProcess> sim_;
    std::optional<RunningProgram> run_;
};

TEST_F(SafeWrite, PreferencesStartOnAndAreKeptPerUser) {
    ProgramDir dir;
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    run.frame().newDocument();
    const std::array<int, 3> boxes{control::kBackupBeforeWrite, control::kShowChangesBeforeWrite,
                                   control::kVerifyAfterWrite};
    const auto checks = [&](const std::function<void(QCheckBox*, int)>& each, bool accept) {
        return withModalDialog([&] { run.frame().commands().trigger(command::kPreferences); },
                               [&](QWidget* widget) {
                                   auto* dialog = static_cast<app::TemplateDialog*>(widget);
                                   for (int i = 0; i < 3; ++i) {
                                       each(dialog->controlAs<QCheckBox>(boxes[i]), i);
                                   }
                               },
                               accept);
    };
    ASSERT_EQ(checks([](QCheckBox* box, int) { EXPECT_TRUE(box->isChecked()); }, true), 1);
    // Cancel keeps nothing; OK keeps what the boxes say.
    checks([](QCheckBox* box, int) { box->setChecked(false); }, false);
    checks([](QCheckBox* box, int i) { box->setChecked(i == 1); }, true);
    const app::WritePreferences stored =
        app::readWritePreferences(SettingsStore(dir.settingsFile()));
    EXPECT_FALSE(stored.backup);
    EXPECT_TRUE(stored.showChanges);
    EXPECT_FALSE(stored.verify);
    checks([](QCheckBox* box, int i) { EXPECT_EQ(box->isChecked(), i == 1) << i; }, false);
}

struct ChangesCase {
    const char* name;
    bool write;
};

class ChangesWindow : public SafeWrite, public testing::WithParamInterface<ChangesCase> {};

TEST_P(ChangesWindow, ListsTheChangesAndWritesOnlyOnWrite) {
    startProgram();
    CChildFrame* child = frame().activeChild();
    ASSERT_TRUE(enterChannels(*child, run_->program.product()));
    const bool write = GetParam().write;
    // The final message names the backup.
    run_->messages.setNextAnswer(MessageBoxes::Answer::Ok);

    QStringList changes;
    ASSERT_TRUE(frame().commands().trigger(command::kWrite));
    app::CProcessDlg* process = frame().transfers().windowOf(child);
    const int opened = withModalDialog(
        [&] {
            QTest::mouseClick(process->startButton(), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return process->commands().state() == ProcessWindowState::Absent; }, 60000));
        },
        [&](QWidget* widget) {
            auto* window = qobject_cast<CDifferencesDlg*>(widget);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(process->stepLine()->text(), "Backup");
            changes = rowsOf(*window);
            if (write) {
                QTest::mouseClick(window->acceptButton(), Qt::LeftButton);
            }
        });
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(changes.contains("CH 1|Rx Frequency|(empty)|145.50000"))
        << changes.join('\n').toStdString();
    EXPECT_TRUE(changes.contains("Fr|Chnnel Name|(empty)|FR")) << changes.join('\n').toStdString();
    EXPECT_EQ(backupCount(), 1u);

    const ChannelGrid onRadio = gridOf(radio());
    EXPECT_EQ(onRadio.text(1, kNameColumn), write ? "ALPHA" : "");
    if (write) {
        EXPECT_EQ(run_->messages.askedCount(), 1);
        EXPECT_TRUE(
            run_->messages.lastText().contains(QString::fromStdString(dir_.backupsFolder())))
            << run_->messages.lastText().toStdString();
    } else {
        EXPECT_EQ(run_->messages.askedCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangesWindow,
                         testing::Values(ChangesCase{"Cancel", false}, ChangesCase{"Write", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SafeWrite, CancelDuringTheBackupEndsTheWriteThere) {
    startProgram({"--baud", "2400"});  // slow, so the backup Read is still under way
    CChildFrame* child = frame().activeChild();
    ASSERT_TRUE(enterChannels(*child, run_->program.product()));
    ASSERT_TRUE(frame().commands().trigger(command::kWrite));
    app::CProcessDlg* process = frame().transfers().windowOf(child);
    QTest::mouseClick(process->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return process->progressBar()->value() >= 2; }, 30000));
    QTest::mouseClick(process->control(control::kCancel), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return process->commands().state() == ProcessWindowState::Absent; }, 10000));
    EXPECT_EQ(process->stepLine()->text(), "Backup");
    EXPECT_EQ(backupCount(), 0u);
    EXPECT_EQ(run_->messages.askedCount(), 0) << run_->messages.lastText().toStdString();
}

TEST_F(SafeWrite, AWriteTheRadioDropsFailsTheVerifyWithItsDifferences) {
    // The radio keeps its old bytes at the first channel's frame in the Write's session.
    startProgram({"--fault", "drop-write-at=0x0000", "--fault-session", "2"});
    ASSERT_TRUE(
        app::storeWritePreferences(SettingsStore(dir_.settingsFile()), {true, false, true}));
    CChildFrame* child = frame().activeChild();
    ASSERT_TRUE(enterChannels(*child, run_->program.product()));
    ASSERT_TRUE(frame().commands().trigger(command::kWrite));
    app::CProcessDlg* process = frame().transfers().windowOf(child);
    QStringList rows;
    QString summary;
    const int opened = withModalDialog(
        [&] {
            QTest::mouseClick(process->startButton(), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return process->commands().state() == ProcessWindowState::Absent; }, 60000));
        },
        [&](QWidget* widget) {
            auto* window = qobject_cast<CDifferencesDlg*>(widget);
            ASSERT_NE(window, nullptr);
            rows = rowsOf(*window);
            summary = window->summaryLine()->text();
        });
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(summary.startsWith("Verify failed: ")) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QString::fromStdString(dir_.backupsFolder())));
    EXPECT_TRUE(rows.contains("CH 1|Rx Frequency|145.50000|(empty)"))
        << rows.join('\n').toStdString();
}

TEST_F(SafeWrite, RestoreWritesTheBackupAsItIsAndLeavesTheDocumentAlone) {
    startProgram();
    CChildFrame* document = frame().activeChild();
    document->view()->gridCommit();
    const RadioImage before = document->document().image();
    CChildFrame* other = frame().newDocument();
    ASSERT_TRUE(enterChannels(*other, run_->program.product()));
    std::filesystem::create_directories(dir_.backupsFolder());
    const std::string backup = dir_.backupsFolder() + "/KW-217V-20261208-143501.dat";
    ASSERT_TRUE(storeDocumentFile(backup, other->document().image()));
    frame().mdiArea()->setActiveSubWindow(document);

    run_->files.setNextFileName(QString::fromStdString(backup));
    run_->messages.setNextAnswer(MessageBoxes::Answer::Ok);  // the message naming the backup
    ASSERT_TRUE(frame().commands().trigger(command::kRestoreBackup));
    EXPECT_EQ(run_->files.lastFolder().toStdString(), dir_.backupsFolder());
    app::CProcessDlg* process = frame().transfers().windowOf(document);
    EXPECT_EQ(process->windowTitle(), "Restore Backup");
    withModalDialog(
        [&] {
            QTest::mouseClick(process->startButton(), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return process->commands().state() == ProcessWindowState::Absent; }, 60000));
        },
        [&](QWidget* widget) {
            QTest::mouseClick(qobject_cast<CDifferencesDlg*>(widget)->acceptButton(),
                              Qt::LeftButton);
        });
    EXPECT_EQ(gridOf(radio()).text(1, kNameColumn), "ALPHA");
    EXPECT_EQ(backupCount(), 2u);  // the one restored and the radio's memory before
    EXPECT_EQ(document->document().image(), before);
    EXPECT_FALSE(document->isModified());
}

TEST_F(SafeWrite, CompareListsTheDifferencesAndADoubleClickGoesToTheCell) {
    startProgram();
    CChildFrame* first = frame().activeChild();
    CChildFrame* second = frame().newDocument();
    ASSERT_TRUE(enterChannels(*second, run_->program.product()));
    frame().mdiArea()->setActiveSubWindow(first);

    struct Source {
        int button;
        std::optional<QString> file;
    };
    const auto compareWith = [&](const Source& source) {
        if (source.file) {
            run_->files.setNextFileName(*source.file);
        }
        const int opened =
            withModalDialog([&] { frame().commands().trigger(command::kCompare); },
                            [&](QWidget* widget) {
                                auto* dialog = static_cast<app::TemplateDialog*>(widget);
                                dialog->controlAs<QRadioButton>(source.button)->setChecked(true);
                                QTest::mouseClick(dialog->control(control::kOk), Qt::LeftButton);
                            });
        EXPECT_EQ(opened, 1);
    };

    compareWith({control::kCompareDocument, {}});
    CDifferencesDlg* window = frame().writeSafety().comparison();
    ASSERT_NE(window, nullptr);
    QStringList rows = rowsOf(*window);
    EXPECT_TRUE(rows.contains("CH 3|Rx Frequency|(empty)|147.33750"))
        << rows.join('\n').toStdString();
    EXPECT_TRUE(rows.contains("Fr|Chnnel Name|(empty)|FR"));

    // Double-clicking the row of channel 3's name makes that cell current in the first
    // document's window.
    frame().mdiArea()->setActiveSubWindow(second);
    const int nameRow = static_cast<int>(rows.indexOf("CH 3|Chnnel Name|(empty)|RPT"));
    ASSERT_GE(nameRow, 0);
    emit window->list()->itemDoubleClicked(window->list()->topLevelItem(nameRow), 0);
    EXPECT_EQ(frame().activeChild(), first);
    EXPECT_EQ(first->view()->grid()->current(), (GridCell{3, kNameColumn}));
    const auto closeComparison = [&] {
        frame().writeSafety().comparison()->close();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return frame().writeSafety().comparison() == nullptr; }, 5000));
    };
    closeComparison();

    // The same from a file, and from the radio, which holds no channels as the first.
    const std::string saved = files_.file("second.dat");
    ASSERT_TRUE(storeDocumentFile(saved, second->document().image()));
    compareWith({control::kCompareFile, QString::fromStdString(saved)});
    EXPECT_EQ(rowsOf(*frame().writeSafety().comparison()), rows);
    closeComparison();

    // A question would fail the test rather than wait for an answer nobody gives.
    run_->messages.setNextAnswer(MessageBoxes::Answer::Cancel);
    compareWith({control::kCompareRadio, {}});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return frame().writeSafety().comparison() != nullptr; }, 30000));
    EXPECT_EQ(run_->messages.askedCount(), 0) << run_->messages.lastText().toStdString();
    const CDifferencesDlg& fromRadio = *frame().writeSafety().comparison();
    EXPECT_TRUE(fromRadio.summaryLine()->text().startsWith("KWTest -> the radio"));
    EXPECT_TRUE(rowsOf(fromRadio).filter(QRegularExpression("^(CH \\d+|Fr)\\|")).isEmpty())
        << rowsOf(fromRadio).join('\n').toStdString();
}

}  // namespace
}  // namespace kw::test
