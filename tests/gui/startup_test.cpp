#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/navigation_bar.h"
#include "gui_support.h"
#include "res/command_ids.h"

namespace kw::test {
namespace {

struct LanguageCase {
    const char* language;  // the Language line of [Setup]
    bool chinese;
    const char* helpFile;
    const char* fileMenu;  // the first menu's text, from the resource set found
    const char* company;   // from the section the language names
    const char* yes;       // the toolkit's own button text
};

class StartUpLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(StartUpLanguage, FixesFlagHelpFileResourcesAndSection) {
    const LanguageCase& c = GetParam();
    ProgramDir dir(programIni(std::string("Language=") + c.language + "\r\nAppName=KWTest\r\n"));
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.program.language() == Language::Chinese, c.chinese);
    EXPECT_EQ(run.program.helpFileName(), c.helpFile);
    EXPECT_EQ(run.frame().menuBar()->actions().front()->text(), QString::fromUtf8(c.fileMenu));
    EXPECT_EQ(run.messages.caption(), QString::fromUtf8(c.company));
    EXPECT_EQ(run.frame().navigationTree()->topLevelItem(0)->text(0), QString::fromUtf8(c.company));
    EXPECT_EQ(
        withModalDialog(
            [&] { run.messages.show(&run.frame(), {}, app::MessageBoxes::Buttons::YesNoCancel); },
            [&](QWidget* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString::fromUtf8(c.yes));
            }),
        1);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, StartUpLanguage,
    testing::Values(LanguageCase{"English", false, "enHelp.chm", "&File", "KW Radio", "&Yes"},
                    LanguageCase{"Chinese", true, "chHelp.chm", "文件(&F)", "KW 通信", "是(&Y)"},
                    // The lower-case name finds the Chinese set and section, but only the
                    // exact word sets the flag.
                    LanguageCase{"chinese", false, "enHelp.chm", "文件(&F)", "KW 通信", "&Yes"}));

struct RefusedLanguage {
    const char* setup;
};

class StartUpRefusesLanguage : public testing::TestWithParam<RefusedLanguage> {};

TEST_P(StartUpRefusesLanguage, SaysLoadLanguageFailAndEnds) {
    ProgramDir dir(programIni(GetParam().setup));
    RunningProgram run(dir);
    run.messages.setNextAnswer(app::MessageBoxes::Answer::Ok);
    EXPECT_FALSE(run.start());
    EXPECT_EQ(run.messages.lastText(), QStringLiteral("Load language DLL fail"));
    EXPECT_EQ(run.program.mainFrame(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StartUpRefusesLanguage,
    testing::Values(RefusedLanguage{"AppName=KWTest\r\n"}, RefusedLanguage{"Language=\r\n"},
                    // The comment leaves a trailing blank, which names no set.
                    RefusedLanguage{"Language=Chinese // the dealer's choice\r\n"},
                    RefusedLanguage{"Language=../Chinese\r\n"},
                    RefusedLanguage{"Language=Klingon\r\n"}));

QStringList menuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

TEST(StartUp, EditMenuLosesDtmfKeyAssignmentAndTheirSeparator) {
    ProgramDir dir;
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    EXPECT_EQ(menuTexts(run.frame().popup(resource::kDocumentMenu, 1)).mid(0, 6),
              (QStringList{"Product Information", "Channel Information", "-", "Optional Features",
                           "-", "Undo\tCtrl+Z"}));
}

struct ShowLangCase {
    const char* line;
    bool kept;
};

class StartUpShowLang : public testing::TestWithParam<ShowLangCase> {};

TEST_P(StartUpShowLang, KeepsTheLanguageItemOnlyForNonZero) {
    ProgramDir dir(programIni(std::string("Language=English\r\n") + GetParam().line));
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    const QStringList setup = menuTexts(run.frame().popup(resource::kDocumentMenu, 3));
    EXPECT_EQ(setup.contains(QStringLiteral("Language")), GetParam().kept);
    EXPECT_TRUE(setup.contains(QStringLiteral("Com Setup")));
}

INSTANTIATE_TEST_SUITE_P(
    Values, StartUpShowLang,
    testing::Values(ShowLangCase{"ShowLang=1\r\n", true}, ShowLangCase{"ShowLang=2\r\n", true},
                    ShowLangCase{"ShowLang=0\r\n", false}, ShowLangCase{"ShowLang=\r\n", false},
                    ShowLangCase{"ShowLang=yes\r\n", false}, ShowLangCase{"", false}));

TEST(StartUp, ShowsTitleAndMakesANewDocument) {
    ProgramDir dir;
    RunningProgram run(dir);
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.frame().windowTitle(), QStringLiteral("KW-217 Programming Software"));
    ASSERT_EQ(run.frame().children().size(), 1u);
    EXPECT_EQ(run.frame().children().front()->windowTitle(),
              QStringLiteral("Channel Information[*]"));
    EXPECT_EQ(run.frame().navigationBar()->barWidth(), 185);
}

TEST(StartUp, ARefusedDocumentOnTheCommandLineEndsTheProgram) {
    ProgramDir dir;
    writeFile(dir.file("short.dat"), "too short");
    RunningProgram run(dir, {QString::fromStdString(dir.file("short.dat"))});
    run.messages.setNextAnswer(app::MessageBoxes::Answer::Ok);
    EXPECT_FALSE(run.start());
    EXPECT_EQ(run.messages.askedCount(), 1);
}

}  // namespace
}  // namespace kw::test
