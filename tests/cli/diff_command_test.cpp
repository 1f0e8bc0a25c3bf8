#include <gtest/gtest.h>

#include <filesystem>

#include "cli_document.h"

namespace kw {
namespace {

using test::runCli;

// A holds channel 12 at 145.5 MHz; B moves it to 145.525, turns Beep off and sets a password.
struct TwoDocuments {
    TwoDocuments() {
        EXPECT_EQ(runCli({"set", a.file, "12:rx=145.5"}).status, 0);
        std::filesystem::copy_file(a.file, b);
        EXPECT_EQ(runCli({"set", b, "12:rx=145.525"}).status, 0);
        EXPECT_EQ(runCli({"features", b, "--set", "Beep=Off", "--set", "Password=1234"}).status, 0);
    }

    test::Document a;
    std::string b = a.dir.file("b.dat");
};

TEST(DiffCommand, LinesJsonAndExitStatuses) {
    TwoDocuments docs;
    const std::string bad = docs.a.dir.file("short.dat");
    std::filesystem::copy_file(docs.a.file, bad);
    std::filesystem::resize_file(bad, 100);
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{docs.a.file, docs.b},
         1,
         "CH 12 Rx Frequency: 145.50000 -> 145.52500\nBeep: On -> Off\nPassword: changed\n"},
        {{docs.a.file, docs.b, "--lang", "zh"},
         1,
         "信道 12 接收频率: 145.50000 -> 145.52500\n按键音: 开 -> 关\n密码: 已更改\n"},
        {{docs.b, docs.a.file, "--format", "json"},
         1,
         "[\n"
         "  {\"where\": \"CH 12\", \"what\": \"Rx Frequency\", \"from\": \"145.52500\", \"to\": "
         "\"145.50000\"},\n"
         "  {\"where\": \"\", \"what\": \"Beep\", \"from\": \"Off\", \"to\": \"On\"},\n"
         "  {\"where\": \"\", \"what\": \"Password\", \"from\": \"\", \"to\": \"changed\"}\n"
         "]\n"},
        {{docs.b, docs.b}, 0, ""},
        {{docs.b, docs.b, "--format", "json"}, 0, "[\n]\n"},
        {{docs.a.file, bad}, 2, ""},
        {{bad, docs.a.file}, 2, ""},
        {{docs.a.file, docs.b, "--format", "csv"}, 2, ""},
        {{docs.a.file, docs.b, "--lang", "fr"}, 2, ""},
        {{docs.a.file}, 2, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"diff"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        const auto run = runCli(words);
        EXPECT_EQ(run.status, c.status) << words.back() << run.err;
        EXPECT_EQ(run.out, c.out) << words.back();
        EXPECT_EQ(run.err.empty(), c.status != 2) << words.back() << run.err;
    }
}

}  // namespace
}  // namespace kw
