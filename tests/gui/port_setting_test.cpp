#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <map>

#include "app/main_frame.h"
#include "app/port_setting_dlg.h"
#include "gui_support.h"
#include "link/posix_serial_port.h"
#include "link/program_port.h"
#include "pseudo_terminal.h"
#include "res/command_ids.h"

namespace kw::test {
namespace {

using app::CPortSettingDlg;
using app::MessageBoxes;

sim::PseudoTerminal openPty() {
    std::string error;
    auto pty = sim::PseudoTerminal::open(error);
    if (!pty) {
        throw std::runtime_error(error);
    }
    return std::move(*pty);
}

int buttonOf(int number) {
    return control::kFirstPortButton + number - 1;
}

// COM3 and COM7 stand for two pseudo-terminals and the other numbered ports for nothing,
// whatever this machine has; typed paths are probed as they are.
class PortSettingDialog : public testing::Test {
  protected:
    PortSettingRules::Prober prober() {
        return [this](const std::string& name) {
            if (!name.starts_with('/')) {
                const auto found = devices.find(name);
                return found != devices.end() && probePort(found->second) == PortStatus::Free;
            }
            return probePort(name) == PortStatus::Free;
        };
    }
    std::unique_ptr<CPortSettingDlg> dialog(const std::string& current) {
        return std::make_unique<CPortSettingDlg>(*findResourceSet("English"), current, prober(),
                                                 messages, nullptr);
    }
    QRadioButton* button(CPortSettingDlg& dlg, int number) {
        return dlg.controlAs<QRadioButton>(buttonOf(number));
    }
    QLineEdit* field(CPortSettingDlg& dlg) { return dlg.controlAs<QLineEdit>(control::kOtherPort); }
    void pressOk(CPortSettingDlg& dlg) {
        QTest::mouseClick(dlg.control(control::kOk), Qt::LeftButton);
    }

    sim::PseudoTerminal com3 = openPty();
    sim::PseudoTerminal com7 = openPty();
    std::map<std::string, std::string> devices{{"COM3", com3.devicePath()},
                                               {"COM7", com7.devicePath()}};
    MessageBoxes messages;
};

TEST_F(PortSettingDialog, OffersThePortsThatOpenAndSelectsTheCurrentOne) {
    PosixSerialPort transfer;  // COM7 is in use
    ASSERT_TRUE(transfer.open(com7.devicePath()));
    auto dlg = dialog("COM3");
    for (int number = 1; number <= kPortCount; ++number) {
        EXPECT_EQ(button(*dlg, number)->isEnabled(), number == 3) << number;
        EXPECT_EQ(button(*dlg, number)->isChecked(), number == 3) << number;
    }
    EXPECT_EQ(button(*dlg, 1)->toolTip(), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(button(*dlg, 12)->toolTip(), QStringLiteral("/dev/ttyACM3"));
    EXPECT_EQ(button(*dlg, 16)->toolTip(), QStringLiteral("/dev/ttyS3"));
    EXPECT_TRUE(field(*dlg)->text().isEmpty());
}

TEST_F(PortSettingDialog, ABusyCurrentPortIsNeitherOfferedNorSelectedAndOkKeepsIt) {
    PosixSerialPort transfer;
    ASSERT_TRUE(transfer.open(com3.devicePath()));
    auto dlg = dialog("COM3");
    EXPECT_FALSE(button(*dlg, 3)->isEnabled());
    EXPECT_TRUE(button(*dlg, 7)->isEnabled());
    for (int number = 1; number <= kPortCount; ++number) {
        EXPECT_FALSE(button(*dlg, number)->isChecked()) << number;
    }
    pressOk(*dlg);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->choice());
}

TEST_F(PortSettingDialog, AButtonAndATypedPathExcludeEachOther) {
    auto dlg = dialog("COM3");
    dlg->show();
    QTest::keyClicks(field(*dlg), com7.devicePath().c_str());
    EXPECT_FALSE(button(*dlg, 3)->isChecked());
    QTest::mouseClick(button(*dlg, 7), Qt::LeftButton);
    EXPECT_TRUE(field(*dlg)->text().isEmpty());
    pressOk(*dlg);
    ASSERT_TRUE(dlg->choice());
    EXPECT_EQ(dlg->choice()->portName, "COM7");
    EXPECT_EQ(dlg->choice()->storedValue, StoredPort{7u});
}

TEST_F(PortSettingDialog, F1OnAnyOfItsControlsOpensTheComSetupPage) {
    auto dlg = dialog("COM3");
    std::vector<HelpContext> contexts;
    dlg->setHelpHandler([&](HelpContext context) { contexts.push_back(context); });
    dlg->show();
    for (const int id : {buttonOf(3), control::kOtherPort}) {
        dlg->control(id)->setFocus();
        QTest::keyClick(dlg->control(id), Qt::Key_F1);
    }
    EXPECT_EQ(contexts, (std::vector<HelpContext>{command::kComSetup, command::kComSetup}));
}

TEST_F(PortSettingDialog, ShowsTheCurrentPathInTheField) {
    auto dlg = dialog(com7.devicePath());
    EXPECT_EQ(field(*dlg)->text().toStdString(), com7.devicePath());
}

struct FieldCase {
    std::string name;
    std::string path;  // "{pty}" stands for a free pseudo-terminal
    bool accepted;
};

class PortSettingField : public PortSettingDialog, public testing::WithParamInterface<FieldCase> {};

TEST_P(PortSettingField, OkTakesAnOpenablePathAndRefusesAnyOther) {
    sim::PseudoTerminal free = openPty();
    const std::string path = GetParam().path == "{pty}" ? free.devicePath() : GetParam().path;
    auto dlg = dialog("COM3");
    dlg->show();
    field(*dlg)->setText(QString::fromStdString(path));
    messages.setNextAnswer(MessageBoxes::Answer::Ok);
    pressOk(*dlg);
    if (GetParam().accepted) {
        EXPECT_EQ(messages.askedCount(), 0);
        ASSERT_TRUE(dlg->choice());
        EXPECT_EQ(dlg->choice()->portName, path);
        EXPECT_EQ(dlg->choice()->storedValue, StoredPort{path});
    } else {
        EXPECT_EQ(messages.lastText().toStdString(),
                  "Could not Open the Port, Please check whether the Port are occupied or the "
                  "device are ok");
        EXPECT_TRUE(dlg->isVisible());  // the user can type again
        EXPECT_FALSE(dlg->choice());
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, PortSettingField,
                         testing::Values(FieldCase{"FreePseudoTerminal", "{pty}", true},
                                         FieldCase{"Relative", "dev/pts/0", false},
                                         FieldCase{"Missing", "/dev/kw-no-such-device", false},
                                         FieldCase{"NotATerminal", "/dev/null", false}),
                         [](const auto& info) { return info.param.name; });

class ComSetup : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(run.start()); }

    // Com Setup with `path` typed into the field and OK.
    void chooseInDialog(const std::string& path) {
        withModalDialog([&] { run.frame().commands().trigger(command::kComSetup); },
                        [&](QWidget* dialog) {
                            auto* dlg = static_cast<CPortSettingDlg*>(dialog);
                            dlg->controlAs<QLineEdit>(control::kOtherPort)
                                ->setText(QString::fromStdString(path));
                            QTest::mouseClick(dlg->control(control::kOk), Qt::LeftButton);
                        });
    }
    std::optional<StoredPort> stored() const {
        return readStoredPort(SettingsStore(dir.settingsFile()));
    }

    sim::PseudoTerminal radio = openPty();
    sim::PseudoTerminal cable = openPty();
    ProgramDir dir;
    RunningProgram run{dir, {}, radio.devicePath()};
};

TEST_F(ComSetup, ACommandLinePortHoldsAndIsNotStoredUntilTheUserChooses) {
    ASSERT_TRUE(storePort(SettingsStore(dir.settingsFile()), StoredPort{5u}));
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    run.frame().commands().trigger(command::kFileNew);  // a new window reads the stored port
    EXPECT_EQ(run.program.port().name(), radio.devicePath());
    EXPECT_EQ(stored(), StoredPort{5u});

    chooseInDialog(cable.devicePath());
    EXPECT_EQ(run.program.port().name(), cable.devicePath());
    EXPECT_EQ(run.program.port().commandLinePort(), std::nullopt);
    EXPECT_EQ(stored(), StoredPort{cable.devicePath()});
}

TEST_F(ComSetup, ARefusedPathChangesNothing) {
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    chooseInDialog("/dev/kw-no-such-device");
    EXPECT_EQ(run.program.port().name(), radio.devicePath());
    EXPECT_EQ(stored(), std::nullopt);
}

TEST(ComSetupStored, EveryNewDocumentWindowStartsWithTheStoredPort) {
    ProgramDir dir;
    RunningProgram run{dir};
    ASSERT_TRUE(storePort(SettingsStore(dir.settingsFile()), StoredPort{10u}));
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.program.port().name(), "COM10");
    ASSERT_TRUE(
        storePort(SettingsStore(dir.settingsFile()), StoredPort{std::string("/dev/pts/9")}));
    run.messages.setNextAnswer(MessageBoxes::Answer::Ok);
    run.frame().commands().trigger(command::kFileNew);
    EXPECT_EQ(run.program.port().name(), "/dev/pts/9");
}

}  // namespace
}  // namespace kw::test
