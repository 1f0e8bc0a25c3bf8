// Pictures for the user guide, in both languages: the channel view with data, also in a
// maximised window, the Process window during a Read, the Optional Features dialog, the
// Preferences, the changes window of a Write, Compare and Fleet Write; selected rows, the
// Edit menu and "Set for selected rows…".
// Taken only when KW_SHOT_DIR names a folder for them, as the Xvfb run does.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/differences_dlg.h"
#include "app/fleet_write_dlg.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/ms_flex_grid.h"
#include "app/process_dlg.h"
#include "app/program_view.h"
#include "app/transfer_windows.h"
#include "app/write_safety_commands.h"
#include "channel_entry.h"
#include "e2e/cli_process.h"
#include "gui_support.h"
#include "model/model_table.h"
#include "res/command_ids.h"
#include "session/new_document.h"

namespace kw::test {
namespace {

class Screenshots : public testing::TestWithParam<Language> {
  protected:
    void SetUp() override {
        const char* folder = std::getenv("KW_SHOT_DIR");
        if (!folder || !*folder) {
            GTEST_SKIP() << "KW_SHOT_DIR names no folder for the pictures";
        }
        prefix_ = QString::fromUtf8(folder) +
                  (chinese() ? QStringLiteral("/zh-") : QStringLiteral("/en-"));
    }
    bool chinese() const { return GetParam() == Language::Chinese; }
    void save(QWidget* widget, const char* name) const {
        EXPECT_TRUE(widget->grab().save(prefix_ + QString::fromLatin1(name))) << name;
    }

  private:
    QString prefix_;
};

TEST_P(Screenshots, ChannelViewProcessWindowAndOptionalFeatures) {
    // A slow radio, so the Read is still under way when its window is taken.
    auto sim = startSim({"--model", "KW-217V", "--baud", "2400"});
    ProgramDir dir(
        programIni(chinese() ? "Language=Chinese\r\nAppName=KWTest\r\n" : kEnglishSetup));
    RunningProgram run(dir, {}, sim.device());
    ASSERT_TRUE(run.start());
    // A question would fail the test rather than wait for an answer nobody gives.
    run.messages.setNextAnswer(app::MessageBoxes::Answer::Cancel);
    app::CMainFrame& frame = run.frame();
    frame.showNormal();
    frame.setGeometry(0, 0, 1280, 800);
    app::CChildFrame* child = frame.activeChild();
    ASSERT_TRUE(enterChannels(*child, run.program.product()));
    QTest::qWait(200);
    save(&frame, "channel-view.png");
    // The grid fills a maximised document window.
    child->showMaximized();
    QTest::qWait(200);
    save(&frame, "channel-view-maximised.png");
    child->showNormal();

    withModalDialog([&] { frame.commands().trigger(command::kOptionalFeatures); },
                    [&](QWidget* dialog) { save(dialog, "optional-features.png"); });

    app::CProcessDlg* window = frame.transfers().windowOf(child);
    frame.commands().trigger(command::kRead);
    bool taken = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!taken && window->progressBar()->value() >= 3) {
            taken = true;
            save(window, "process-read.png");
            window->reject();
        }
    });
    watcher.start(20);
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->commands().state() == ProcessWindowState::Absent; }, 60000));
    EXPECT_TRUE(taken);
    EXPECT_EQ(run.messages.askedCount(), 0) << run.messages.lastText().toStdString();
}

TEST_P(Screenshots, PreferencesChangesAndCompare) {
    auto sim = startSim({"--model", "KW-217V"});
    ProgramDir dir(
        programIni(chinese() ? "Language=Chinese\r\nAppName=KWTest\r\n" : kEnglishSetup));
    RunningProgram run(dir, {}, sim.device());
    ASSERT_TRUE(run.start());
    app::CMainFrame& frame = run.frame();
    frame.showNormal();
    app::CChildFrame* child = frame.activeChild();
    ASSERT_TRUE(enterChannels(*child, run.program.product()));

    withModalDialog([&] { frame.commands().trigger(command::kPreferences); },
                    [&](QWidget* dialog) { save(dialog, "preferences.png"); });

    // The changes window of a Write, answered Cancel.
    app::CProcessDlg* window = frame.transfers().windowOf(child);
    frame.commands().trigger(command::kWrite);
    withModalDialog(
        [&] {
            QTest::mouseClick(window->startButton(), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return window->commands().state() == ProcessWindowState::Absent; }, 60000));
        },
        [&](QWidget* dialog) {
            QTest::qWait(100);
            save(dialog, "changes.png");
        });

    // Compare with a new document: every channel entered above differs.
    frame.newDocument();
    frame.mdiArea()->setActiveSubWindow(child);
    withModalDialog([&] { frame.commands().trigger(command::kCompare); },
                    [&](QWidget* dialog) {
                        save(dialog, "compare-with.png");
                        QTest::mouseClick(static_cast<app::TemplateDialog*>(dialog)->control(1),
                                          Qt::LeftButton);
                    });
    app::CDifferencesDlg* comparison = frame.writeSafety().comparison();
    ASSERT_NE(comparison, nullptr);
    QTest::qWait(100);
    save(comparison, "compare.png");
    EXPECT_EQ(run.messages.askedCount(), 0) << run.messages.lastText().toStdString();
}

TEST_P(Screenshots, ChannelEditing) {
    ProgramDir dir(
        programIni(chinese() ? "Language=Chinese\r\nAppName=KWTest\r\n" : kEnglishSetup));
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    app::CMainFrame& frame = run.frame();
    frame.showNormal();
    frame.setGeometry(0, 0, 1280, 800);
    app::CChildFrame* child = frame.activeChild();
    ASSERT_TRUE(enterChannels(*child, run.program.product()));
    child->view()->grid()->selectRows({1, 2, 3});
    QTest::qWait(200);
    save(&frame, "rows-selected.png");

    QMenu* edit = frame.popup(resource::kDocumentMenu, 1);
    edit->popup(frame.mapToGlobal(QPoint(60, 40)));
    QTest::qWait(200);
    save(edit, "edit-menu.png");
    edit->hide();

    withModalDialog([&] { frame.commands().trigger(command::kSetForSelectedRows); },
                    [&](QWidget* dialog) { save(dialog, "set-for-selected-rows.png"); });
}

// Two radios written, one on each of two cables; the first port offered is left out.
TEST_P(Screenshots, FleetWrite) {
    TempDir dir;
    const std::string cables[] = {dir.file("cable-1"), dir.file("cable-2")};
    auto first = startSim({"--model", "KW-217V", "--fleet", "1", "--link", cables[0]});
    auto second = startSim({"--model", "KW-217V", "--fleet", "1", "--link", cables[1]});
    RadioImage image{};
    ProductState product;
    product.storedModelType = kRadioModels[0].type;
    fillNewDocumentImage(image, product);
    app::CFleetWriteDlg window(GetParam(), image, {"/dev/ttyUSB0", cables[0], cables[1]},
                               BackupPlace{dir.file("backups")}, nullptr, nullptr);
    window.show();
    window.portBoxes()[1]->setChecked(true);
    window.portBoxes()[2]->setChecked(true);
    window.countBox()->setValue(2);
    QTest::mouseClick(window.startButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.running(); }, 60000));
    QTest::qWait(100);
    save(&window, "fleet-write.png");
    EXPECT_EQ(first.wait(), 0);
    EXPECT_EQ(second.wait(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshots,
                         testing::Values(Language::English, Language::Chinese),
                         [](const testing::TestParamInfo<Language>& info) {
                             return info.param == Language::Chinese ? "Chinese" : "English";
                         });

}  // namespace
}  // namespace kw::test
