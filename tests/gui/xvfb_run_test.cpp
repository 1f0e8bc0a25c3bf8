// The real kwprog in a real X window: started under Xvfb from a program directory of its
// own, looked at (window list and screenshot), ended with SIGTERM, and its settings read.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace kw::test {
namespace {

namespace fs = std::filesystem;

const char* const kTitle = "KW-217 Programming Software";

// A row of the screenshot with a long run of one strongly coloured pixel: the title bar
// of a document window (menus, toolbar, tree and the background tiles are grey or pale).
bool hasDocumentTitleBar(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        QRgb last = 0;
        for (int x = 0; x < shot.width(); ++x) {
            const QColor color = QColor::fromRgb(shot.pixel(x, y));
            const bool strong = color.hsvSaturation() > 100 && color.value() > 80;
            run = strong && shot.pixel(x, y) == last ? run + 1 : 0;
            last = shot.pixel(x, y);
            if (run > 300) {
                return true;
            }
        }
    }
    return false;
}

TEST(KwprogUnderXvfb, ShowsItsWindowsAndWritesTheSettingsAtSigterm) {
    const std::string bin = KW_PROGRAM_DIR;
    TempDir dir;
    const fs::path program = dir.path();
    for (const char* file :
         {"kwprog", "Program.ini", "startup.bmp", "background.bmp", "title.ico"}) {
        fs::copy(fs::path(bin) / file, program / file);
    }
    writeFile(dir.file("Program.ini"),
              "[Setup]\r\nLanguage=English\r\nAppName=KWXvfb\r\nShowLang=1\r\n"
              "[English]\r\nCompany=KW Radio\r\nTitle=" +
                  std::string(kTitle) + "\r\n");
    const std::string shot = dir.file("shot.png");
    const std::string script = dir.file("run.sh");
    writeFile(script,
              "set -u\n"
              "\"$1/kwprog\" & pid=$!\n"
              "for i in $(seq 100); do\n"
              "  xwininfo -root -tree | grep -q '\"" +
                  std::string(kTitle) +
                  "\"' && break\n"
                  "  sleep 0.1\n"
                  "done\n"
                  "sleep 2.5\n"  // the splash's second and the first paint
                  "xwininfo -root -tree > \"$1/windows.txt\"\n"
                  "import -window root \"$1/shot.png\"\n"
                  "kill -TERM $pid\n"
                  "wait $pid\n"
                  "echo $? > \"$1/status\"\n");
    const std::string command = "XDG_CONFIG_HOME='" + dir.file("config") +
                                "' xvfb-run -a -s '-screen 0 1280x800x24' sh '" + script + "' '" +
                                dir.path() + "' > '" + dir.file("log") + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFile(dir.file("log"));

    EXPECT_NE(readFile(dir.file("windows.txt")).find('"' + std::string(kTitle) + '"'),
              std::string::npos);
    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(hasDocumentTitleBar(image));
    fs::copy_file(shot, fs::path(KW_SHOT_DIR) / "kwprog-xvfb.png",
                  fs::copy_options::overwrite_existing);
    EXPECT_EQ(readFile(dir.file("status")), "0\n");
    const std::string settings = readFile(dir.file("config/KWXvfb/settings.ini"));
    EXPECT_NE(settings.find("Field=hex:13,17,64,13,17,64"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Type=dword:00000001"), std::string::npos) << settings;
}

// Runs the GUI tests that `filter` names in real X windows; their output goes to `log`.
int runGuiTestsUnderXvfb(const std::string& filter, const std::string& log) {
    const std::string command =
        "KW_SHOT_DIR='" + std::string(KW_SHOT_DIR) +
        "' QT_QPA_PLATFORM=xcb timeout 300 xvfb-run -a -s '-screen 0 1280x800x24' '" +
        std::string(KW_TEST_GUI) + "' --gtest_filter='" + filter + "' > '" + log + "' 2>&1";
    return std::system(command.c_str());
}

TEST(KwprogUnderXvfb, CtrlWInACellOpensTheWriteWindow) {
    TempDir dir;
    ASSERT_EQ(runGuiTestsUnderXvfb("ChannelView.CtrlWInACell*", dir.file("log")), 0)
        << readFile(dir.file("log"));
    EXPECT_NE(readFile(dir.file("log")).find("[  PASSED  ] 1 test"), std::string::npos)
        << readFile(dir.file("log"));
}

TEST(KwprogUnderXvfb, TakesTheUserGuidePicturesInBothLanguages) {
    TempDir dir;
    const std::string shots = KW_SHOT_DIR;
    ASSERT_EQ(runGuiTestsUnderXvfb("Languages/Screenshots.*", dir.file("log")), 0)
        << readFile(dir.file("log"));
    for (const char* language : {"en", "zh"}) {
        for (const char* picture :
             {"channel-view.png", "channel-view-maximised.png", "process-read.png",
              "optional-features.png", "rows-selected.png", "edit-menu.png",
              "set-for-selected-rows.png", "fleet-write.png"}) {
            const std::string path = shots + "/" + language + "-" + picture;
            const QImage image(QString::fromStdString(path));
            EXPECT_FALSE(image.isNull()) << path;
            EXPECT_GT(image.width(), 100) << path;
        }
    }
}

TEST(KwprogUnderXvfb, AReadGoesOnWhileAQuestionIsHeldOpenInARealWindow) {
    TempDir dir;
    const std::string command =
        "QT_QPA_PLATFORM=xcb timeout 120 xvfb-run -a -s '-screen 0 1280x800x24' '" +
        std::string(KW_TEST_GUI) +
        "' --gtest_filter='TransferEndToEnd.AReadGoesOnWhileAQuestionIsOpenAndTheProgramAnswers' "
        "> '" +
        dir.file("log") + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFile(dir.file("log"));
    EXPECT_NE(readFile(dir.file("log")).find("[  PASSED  ] 1 test."), std::string::npos)
        << readFile(dir.file("log"));
}

struct BadCommandLine {
    std::vector<std::string> arguments;
    std::string_view message;
};

class KwprogCommandLine : public testing::TestWithParam<BadCommandLine> {};

TEST_P(KwprogCommandLine, IsRefusedWithStatus2AndAMessage) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const ProgramResult result =
        runProgram(std::string(KW_PROGRAM_DIR) + "/kwprog", GetParam().arguments);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("usage: kwprog"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, KwprogCommandLine,
    testing::Values(BadCommandLine{{"a.dat", "b.dat"}, "one document at a time"},
                    BadCommandLine{{"--port"}, "--port needs a device path"},
                    BadCommandLine{{"--port=COM99"}, "not \"COM99\""},
                    BadCommandLine{{"--colour"}, "unknown option \"--colour\""}));

}  // namespace
}  // namespace kw::test
