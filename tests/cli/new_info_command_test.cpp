#include <gtest/gtest.h>

#include "run_cli.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace kw {
namespace {

using test::runCli;

std::string bytesAt(const std::string& file, std::size_t offset, std::size_t count) {
    const std::string contents = test::readFile(file);
    return test::hex(
        std::span(reinterpret_cast<const std::uint8_t*>(contents.data()) + offset, count));
}

TEST(NewCommand, SavesTheRebuiltProductBlockForEachModel) {
    test::TempDir dir;
    struct Case {
        std::vector<std::string> extra;
        const char* block;
        const char* band;
        const char* info;
    };
    const Case cases[] = {
        {{},
         "00 01 00 00 88 00 AE 00 88 00 AE 00 00 00 00 00",
         "13 17 64 13 17 64",
         "model: KW-217V\nband: 136-174 MHz\nchannels: 0\npassword: none\n"},
        {{"--model", "KW-217U"},
         "00 02 00 00 90 01 08 02 90 01 08 02 00 00 00 00",
         "40 52 00 40 52 00",
         "model: KW-217U\nband: 400-520 MHz\nchannels: 0\npassword: none\n"},
    };
    for (const Case& c : cases) {
        const std::string file = dir.file("radio.dat");
        std::vector<std::string> words{"new", file, "--force"};
        words.insert(words.end(), c.extra.begin(), c.extra.end());
        const auto made = runCli(words);
        ASSERT_EQ(made.status, 0) << made.err;
        EXPECT_EQ(test::readFile(file).size(), 6144u);
        EXPECT_EQ(bytesAt(file, 0x17B8, 16), c.block);
        EXPECT_EQ(bytesAt(file, 0x17E8, 6), c.band);
        const auto info = runCli({"info", file});
        EXPECT_EQ(info.status, 0) << info.err;
        EXPECT_EQ(info.out, c.info);
    }
}

TEST(InfoCommand, CountsChannelsAndSeesThePassword) {
    test::TempDir dir;
    const std::string file = dir.file("radio.dat");
    ASSERT_EQ(runCli({"new", file}).status, 0);
    std::string contents = test::readFile(file);
    // Channel 1 with Rx and Tx present, channel 2 with Rx only (empty), "Fr" present.
    const std::string frequency("\x00\x25\x51\x14", 4);
    contents.replace(0, 4, frequency).replace(4, 4, frequency);
    contents.replace(24, 4, frequency);
    contents.replace(128 * 24, 4, frequency).replace(128 * 24 + 4, 4, frequency);
    contents.replace(0x17D2, 3, "123");
    test::writeFile(file, contents);
    const auto info = runCli({"info", file});
    EXPECT_EQ(info.out, "model: KW-217V\nband: 136-174 MHz\nchannels: 2\npassword: set\n");
}

TEST(Cli, ExitStatusesAndMessages) {
    test::TempDir dir;
    test::writeFile(dir.file("short.dat"), "too short");
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* errorPart;
    };
    const Case cases[] = {
        {{}, 2, "Usage"},
        {{"frobnicate"}, 2, "Unknown command"},
        {{"new"}, 2, "Wrong number of arguments"},
        {{"new", dir.file("a.dat"), "--model"}, 2, "needs a value"},
        {{"new", dir.file("a.dat"), "--colour", "red"}, 2, "Unknown option"},
        {{"new", dir.file("a.dat"), "--model", "KW-999"}, 1, "Unknown model"},
        {{"new", dir.file("no/such/folder/a.dat")}, 2, "Could not write"},
        {{"info", dir.file("short.dat")}, 2, "exactly 6144 bytes"},
        {{"info", dir.file("missing.dat")}, 2, "No such file"},
    };
    for (const Case& c : cases) {
        const auto run = runCli(c.words);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(runCli({"help"}).status, 0);
}

}  // namespace
}  // namespace kw
