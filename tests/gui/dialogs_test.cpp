#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include "app/about_box.h"
#include "app/help_viewer.h"
#include "app/language_dlg.h"
#include "app/product_info_dlg.h"
#include "gui_support.h"
#include "model/model_table.h"
#include "model/program_doc.h"
#include "platform/program_directory.h"
#include "platform/program_version.h"
#include "res/command_ids.h"
#include "session/new_document.h"

namespace kw::test {
namespace {

const ResourceSet& english() {
    return *findResourceSet("English");
}

// A model-1 document, 136-174 MHz, whose first channel and "Fr" hold frequencies.
struct Document {
    Document() {
        product.storedBand = {0x13, 0x17, 0x64, 0x13, 0x17, 0x64};
        startNewDocument(doc, product, "KWTest", Language::English);
        for (const int record : {0, 128}) {
            auto row = channelRecord(doc.image(), record);
            const std::array<std::uint8_t, 12> used{0x00, 0x25, 0x51, 0x14, 0x00, 0x25,
                                                    0x51, 0x14, 0x85, 0x08, 0x85, 0x08};
            std::copy(used.begin(), used.end(), row.begin());
            row[16] = 'A';
        }
        product.deriveFrom(doc.image());
    }
    ProductState product;
    CProgramDoc doc;
};

bool channelsCleared(const RadioImage& image) {
    for (const int record : {0, 128}) {
        const auto row = channelRecord(image, record);
        for (int i = 0; i < 12; ++i) {
            if (row[static_cast<std::size_t>(i)] != 0xFF) {
                return false;
            }
        }
        if (row[16] != 'A') {
            return false;  // the name stays
        }
    }
    return true;
}

struct ChoiceCase {
    std::vector<int> choices;
    bool cleared;
    const char* lower;
    const char* upper;
};

class ProductInformation : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ProductInformation, ClearsTheChannelsOnlyWhenTheBandChanges) {
    Document d;
    app::CProductInfoDlg dialog(english(), d.product, d.doc.image(), nullptr);
    auto* models = dialog.controlAs<QComboBox>(control::kModelList);
    ASSERT_EQ(models->count(), 2);  // the preset entry is gone
    EXPECT_EQ(models->itemText(1), QStringLiteral("KW-217U"));
    EXPECT_FALSE(dialog.control(control::kLowerLimit)->isEnabled());
    for (const int index : GetParam().choices) {
        models->setCurrentIndex(index);
    }
    EXPECT_EQ(dialog.controlAs<QLineEdit>(control::kLowerLimit)->text(), GetParam().lower);
    EXPECT_EQ(dialog.controlAs<QLineEdit>(control::kUpperLimit)->text(), GetParam().upper);
    QTest::mouseClick(dialog.control(control::kOk), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(channelsCleared(d.doc.image()), GetParam().cleared);
    EXPECT_EQ(dialog.changedImage(), GetParam().cleared);
}

INSTANTIATE_TEST_SUITE_P(Choices, ProductInformation,
                         testing::Values(ChoiceCase{{}, false, "136", "174"},
                                         ChoiceCase{{0}, false, "136", "174"},
                                         ChoiceCase{{1}, true, "400", "520"},
                                         ChoiceCase{{1, 0}, false, "136", "174"}));

TEST(ProductInformationNoModel, ShowsNoSelectionAndOkWaitsForOne) {
    Document d;
    d.product.storedModelType = 0;
    app::CProductInfoDlg dialog(english(), d.product, d.doc.image(), nullptr);
    EXPECT_EQ(dialog.controlAs<QComboBox>(control::kModelList)->currentIndex(), -1);
    EXPECT_EQ(dialog.controlAs<QLineEdit>(control::kLowerLimit)->text(), QString());
    EXPECT_FALSE(dialog.control(control::kOk)->isEnabled());
    dialog.controlAs<QComboBox>(control::kModelList)->setCurrentIndex(0);
    EXPECT_TRUE(dialog.control(control::kOk)->isEnabled());
}

TEST(TemplateDialogs, ControlsSitWhereTheTemplateSaysInDialogUnits) {
    Document d;
    app::CProductInfoDlg dialog(english(), d.product, d.doc.image(), nullptr);
    const app::DialogUnitBase base = app::dialogUnitBase(dialog.font());
    ASSERT_GT(base.x, 0);
    ASSERT_GT(base.y, 0);
    EXPECT_EQ(dialog.size(), app::toPixels({0, 0, 155, 107}, base).size());
    EXPECT_EQ(dialog.control(control::kLowerLimit)->geometry(),
              app::toPixels({51, 41, 23, 12}, base));
    EXPECT_EQ(dialog.control(control::kOk)->geometry(), app::toPixels({34, 87, 32, 12}, base));
    EXPECT_EQ(dialog.idOf(dialog.control(control::kUpperLimit)), control::kUpperLimit);
    EXPECT_EQ(dialog.control(control::kUnnamedStatic), nullptr);
}

TEST(TemplateDialogs, F1OpensTheHelpPageOfTheFocusedControl) {
    ProgramDir dir;
    app::HelpViewer help(dir.directory(), "enHelp.chm", Language::English);
    app::CLanguageDlg dialog(english(), Language::English, nullptr);
    std::vector<HelpContext> contexts;
    dialog.setHelpHandler([&](HelpContext context) {
        contexts.push_back(context);
        help.showContext(context, nullptr);
    });
    QTest::keyClick(dialog.control(control::kOk), Qt::Key_F1);
    QTest::keyClick(dialog.control(control::kChinese), Qt::Key_F1);
    EXPECT_EQ(contexts,
              (std::vector<HelpContext>{{control::kOk, HelpWindow::Program}, command::kLanguage}));
    EXPECT_EQ(help.currentPage(), QStringLiteral("language.html"));
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_TRUE(help.showIndex(nullptr));
    EXPECT_EQ(help.currentPage(), QStringLiteral("index.html"));
}

// The help beside the built program, as the build lays it out.
TEST(HelpTopics, IndexPageOfEitherLanguageLinksTheUserGuideWhichOpensInTheHelpWindow) {
    for (const char* file : {"enHelp.chm", "chHelp.chm"}) {
        app::HelpViewer help(programDirectory(), file, Language::English);
        ASSERT_TRUE(help.showIndex(nullptr)) << file;
        auto* browser = help.window()->findChild<QTextBrowser*>();
        const QString link = QStringLiteral("../guide/user-guide.md");
        EXPECT_TRUE(browser->toHtml().contains(link)) << file;
        browser->setSource(browser->source().resolved(QUrl(link)));
        EXPECT_EQ(help.currentPage(), QStringLiteral("user-guide.md")) << file;
        EXPECT_TRUE(browser->toPlainText().startsWith(QStringLiteral("kwprog user guide"))) << file;
    }
}

TEST(TemplateDialogs, LanguageDialogSelectsTheCurrentLanguage) {
    app::CLanguageDlg dialog(english(), Language::Chinese, nullptr);
    EXPECT_TRUE(dialog.controlAs<QRadioButton>(control::kChinese)->isChecked());
    EXPECT_EQ(dialog.chosen(), Language::Chinese);
    dialog.controlAs<QRadioButton>(control::kEnglish)->setChecked(true);
    EXPECT_EQ(dialog.chosen(), Language::English);
}

TEST(Help, AMissingHelpFolderDoesNothing) {
    app::HelpViewer help("/nonexistent/", "enHelp.chm", Language::English);
    EXPECT_FALSE(help.showContext(command::kProductInformation, nullptr));
    EXPECT_EQ(help.window(), nullptr);
}

TEST(Help, EveryTopicHasItsPageInBothLanguages) {
    ProgramDir dir;
    for (const char* file : {"enHelp.chm", "chHelp.chm"}) {
        app::HelpViewer help(dir.directory(), file, Language::English);
        for (const int context : {57600, 57601, 57602, 57603, 57606, 57664, 57665, 59392, 32772,
                                  32773, 32774, 32777, 32786, 32787, 32788, 32793, 32799, 129}) {
            EXPECT_TRUE(help.showContext({context, HelpWindow::Program}, nullptr))
                << file << " " << context;
        }
        // Each column's section is on the channel page.
        for (const int number : {2127, 2128, 2132, 2133, 1126, 1129, 1128, 1134, 1130}) {
            const HelpContext context{number, HelpWindow::Program};
            const std::string page = *helpPagePath(dir.directory(), file, helpPageFor(context));
            const std::string anchor = "name=\"" + std::string(helpAnchorFor(context)) + "\"";
            EXPECT_NE(readFile(page).find(anchor), std::string::npos) << file << " " << anchor;
        }
    }
}

TEST(AboutBox, ShowsTheTextsOfTheLanguageSection) {
    ProgramDir dir;
    const app::AboutTexts texts{QStringLiteral("About KW"), QString(),
                                QStringLiteral("Copyright 2024"), QStringLiteral("KW Radio")};
    app::CAboutDlg about(english(), texts, QString::fromStdString(dir.file("title.ico")), nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About KW"));
    EXPECT_EQ(about.controlAs<QLabel>(control::kAboutCopyrightsOwner)->text(),
              QStringLiteral("KW Radio"));
    EXPECT_FALSE(about.controlAs<QLabel>(control::kAboutIcon)->pixmap().isNull());
}

TEST(AboutBox, ShowsTheProgramVersionWithTheProfilesVersionText) {
    const QString version = QString::fromUtf8(kProgramVersion.data());
    const struct {
        QString profileText;
        QString shown;
    } cases[] = {
        {QString(), version},
        {QStringLiteral("Version 1.0"), QStringLiteral("Version 1.0 (%1)").arg(version)},
        {QStringLiteral("Version %1").arg(version), QStringLiteral("Version %1").arg(version)},
    };
    ProgramDir dir;
    for (const auto& c : cases) {
        const app::AboutTexts texts{QStringLiteral("About KW"), c.profileText, QString(),
                                    QString()};
        app::CAboutDlg about(english(), texts, QString::fromStdString(dir.file("title.ico")),
                             nullptr);
        EXPECT_EQ(about.controlAs<QLabel>(control::kAboutVersion)->text(), c.shown)
            << c.profileText.toStdString();
    }
}

}  // namespace
}  // namespace kw::test
