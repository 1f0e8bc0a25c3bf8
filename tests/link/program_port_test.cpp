#include "link/program_port.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kw {
namespace {

TEST(ProgramPort, FollowsTheStoredPortAtEveryNewView) {
    ProgramPort port;
    EXPECT_EQ(port.name(), "COM1");
    port.onViewCreated(StoredPort{10u});
    EXPECT_EQ(port.name(), "COM10");
    port.onViewCreated(StoredPort{std::string("/dev/pts/3")});
    EXPECT_EQ(port.name(), "/dev/pts/3");
    port.onViewCreated(std::nullopt);
    EXPECT_EQ(port.name(), "COM1");
}

TEST(ProgramPort, ACommandLinePortHoldsUntilTheUserChoosesAnother) {
    ProgramPort port(std::string("/dev/pts/9"));
    port.onViewCreated(StoredPort{4u});
    EXPECT_EQ(port.name(), "/dev/pts/9");
    EXPECT_EQ(port.commandLinePort(), "/dev/pts/9");
    port.choose({"COM4", StoredPort{4u}});
    EXPECT_EQ(port.name(), "COM4");
    EXPECT_EQ(port.commandLinePort(), std::nullopt);
    port.onViewCreated(StoredPort{std::string("/dev/ttyUSB9")});
    EXPECT_EQ(port.name(), "/dev/ttyUSB9");
}

TEST(StoredPort, ANumberAndAPathReplaceEachOther) {
    test::TempDir dir;
    const SettingsStore settings(dir.file("KW/settings.ini"));
    EXPECT_EQ(readStoredPort(settings), std::nullopt);
    ASSERT_TRUE(storePort(settings, StoredPort{std::string("/dev/pts/3")}));
    EXPECT_EQ(readStoredPort(settings), StoredPort{std::string("/dev/pts/3")});
    ASSERT_TRUE(storePort(settings, StoredPort{16u}));
    EXPECT_EQ(readStoredPort(settings), StoredPort{16u});
    EXPECT_NE(test::readFile(dir.file("KW/settings.ini")).find("com=dword:00000010"),
              std::string::npos);
}

}  // namespace
}  // namespace kw
