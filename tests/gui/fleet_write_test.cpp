// The Fleet Write window over two simulated radios, one on each of two ports.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <set>

#include "app/fleet_write_dlg.h"
#include "app/main_frame.h"
#include "e2e/cli_process.h"
#include "gui_support.h"
#include "model/model_table.h"
#include "platform/help_topics.h"
#include "res/command_ids.h"
#include "session/new_document.h"

namespace kw::test {
namespace {

TEST(FleetWriteWindow, WritesOneRadioOnEachChosenPortAndShowsEveryRow) {
    TempDir dir;
    auto first = startSim({"--model", "KW-217V", "--fleet", "1"});
    auto second = startSim({"--model", "KW-217V", "--fleet", "1"});
    RadioImage image{};
    ProductState product;
    product.storedModelType = kRadioModels[0].type;
    fillNewDocumentImage(image, product);
    app::CFleetWriteDlg window(Language::English, image,
                               {"/dev/no-such-port", first.device(), second.device()},
                               BackupPlace{dir.file("backups")}, nullptr, nullptr);
    window.show();
    window.portBoxes()[1]->setChecked(true);
    window.portBoxes()[2]->setChecked(true);
    window.countBox()->setValue(2);

    QTest::mouseClick(window.startButton(), Qt::LeftButton);

    EXPECT_FALSE(window.startButton()->isEnabled());
    EXPECT_TRUE(window.stopButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.running(); }, 60000));
    QTableWidget* table = window.table();
    ASSERT_EQ(table->rowCount(), 2);
    std::set<QString> radios;
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(table->item(row, 0)->text().toStdString(),
                  row == 0 ? first.device() : second.device());
        radios.insert(table->item(row, 1)->text());
        EXPECT_TRUE(table->item(row, 4)->text().startsWith("written and verified (backup KW-217V-"))
            << table->item(row, 4)->text().toStdString();
    }
    EXPECT_EQ(radios, (std::set<QString>{"1", "2"}));
    EXPECT_TRUE(window.startButton()->isEnabled());
    EXPECT_EQ(first.wait(), 0);  // each radio served its backup, write and verify
    EXPECT_EQ(second.wait(), 0);
}

TEST(FleetWriteWindow, ShowsTheProgramsLanguageAndOpensItsHelpPageOnF1) {
    TempDir dir;
    app::CFleetWriteDlg window(Language::Chinese, RadioImage{}, {"/dev/no-such-port"},
                               BackupPlace{dir.file("backups")}, nullptr, nullptr);
    std::string page;
    window.setHelpHandler([&](HelpContext context) { page = helpPageFor(context); });
    window.show();
    EXPECT_EQ(window.windowTitle().toStdString(), "批量写频");
    EXPECT_EQ(window.startButton()->text().toStdString(), "开始");
    EXPECT_EQ(window.table()->horizontalHeaderItem(4)->text().toStdString(), "结果");
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(page, "fleet_write.html");
}

TEST(FleetWriteWindow, OpensFromTheProgramMenuWithTheTransfersPort) {
    ProgramDir dir;
    RunningProgram run{dir, {}, "/dev/fleet-test-port"};
    ASSERT_TRUE(run.start());
    std::vector<std::string> offered;
    const int opened =
        withModalDialog([&] { run.frame().commands().trigger(command::kFleetWrite); },
                        [&](QWidget* widget) {
                            auto* window = static_cast<app::CFleetWriteDlg*>(widget);
                            for (QCheckBox* box : window->portBoxes()) {
                                offered.push_back(box->text().toStdString());
                            }
                            window->reject();
                        });
    EXPECT_EQ(opened, 1);
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(offered.back(), "/dev/fleet-test-port");
}

}  // namespace
}  // namespace kw::test
