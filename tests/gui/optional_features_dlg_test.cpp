// COptionalFeaturesDlg over a document's image: what it shows, what OK stores, the
// trimmed window and its tab order, help per control, both languages.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/message_boxes.h"
#include "app/optional_features_dlg.h"
#include "features/optional_features_template.h"
#include "gui_support.h"
#include "model/program_doc.h"
#include "res/command_ids.h"
#include "session/new_document.h"

namespace kw::test {
namespace {

using app::COptionalFeaturesDlg;

struct NewDocument {
    NewDocument() { startNewDocument(doc, product, "KWTest", Language::English); }
    ProductState product;
    CProgramDoc doc;
};

QString shown(const COptionalFeaturesDlg& dialog, int id) {
    if (auto* list = dialog.controlAs<QComboBox>(id)) {
        return list->currentText();
    }
    if (auto* box = dialog.controlAs<QCheckBox>(id)) {
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    }
    return dialog.controlAs<QLineEdit>(id)->text();
}

TEST(OptionalFeaturesDlg, ANewDocumentShowsItsDefaults) {
    NewDocument d;
    app::MessageBoxes messages;
    COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
    const std::pair<int, const char*> expected[] = {
        {1125, "30"},      {1123, "4"},     {1120, "Off"},
        {1124, "5"},       {1126, "Off"},   {1131, "Emergency Call"},
        {1118, "Manual"},  {1127, "On"},    {1129, "On"},
        {1122, "CO"},      {1130, "On"},    {1136, "Manual"},
        {1121, "Off"},     {1115, "Auto"},  {1116, "Light 1"},
        {1117, "FREQ.CH"}, {1128, "On"},    {1134, "unchecked"},
        {1119, "None"},    {1132, "MSK-I"}, {1135, "unchecked"},
        {1137, "Disable"}, {1133, ""}};
    for (const auto& [id, text] : expected) {
        EXPECT_EQ(shown(dialog, id), QString::fromUtf8(text)) << id;
    }
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Optional Features"));
    EXPECT_EQ(dialog.controlAs<QComboBox>(1119)->count(), 129);
}

TEST(OptionalFeaturesDlg, OkWithoutChangesKeepsEveryByte) {
    NewDocument d;
    const RadioImage before = d.doc.image();
    app::MessageBoxes messages;
    COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
    QTest::mouseClick(dialog.control(1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.changedImage());
    EXPECT_EQ(d.doc.image(), before);
}

TEST(OptionalFeaturesDlg, TheWindowEndsAboveTheBottomRowWhichTakesNoFocus) {
    NewDocument d;
    app::MessageBoxes messages;
    COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
    const int mskTop = dialog.control(1132)->geometry().top();
    EXPECT_EQ(dialog.height(), mskTop - 1);
    EXPECT_GT(dialog.control(1)->geometry().bottom(), 0);
    EXPECT_LT(dialog.control(1)->geometry().bottom(), dialog.height());
    for (const int id : {1132, 1134, 1135}) {
        EXPECT_GE(dialog.control(id)->geometry().top(), dialog.height()) << id;
        EXPECT_EQ(dialog.control(id)->focusPolicy(), Qt::NoFocus) << id;
    }

    // Tabbing all the way round reaches every visible control and none below the trim.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.control(1115)->setFocus();
    std::set<int> reached;
    for (int i = 0; i < 40; ++i) {
        reached.insert(dialog.idOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (const FeatureSetting& setting : featureSettings()) {
        const bool trimmed = isTrimmedOff(featureControlPlace(setting.controlId)->control);
        EXPECT_EQ(reached.count(setting.controlId.number()), trimmed ? 0u : 1u)
            << setting.controlId.number();
    }
}

TEST(OptionalFeaturesDlg, TrimmedOffControlsStillLoadAndSaveTheirBits) {
    NewDocument d;
    OptionalFeaturesState state = loadOptionalFeatures(d.doc.image());
    state.control(FeatureControlId{1134}).checked = true;
    state.control(FeatureControlId{1135}).checked = true;
    state.control(FeatureControlId{1132}).selection = 1;
    ASSERT_TRUE(saveOptionalFeatures(state, d.doc.image()));

    app::MessageBoxes messages;
    COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
    EXPECT_EQ(shown(dialog, 1134), QStringLiteral("checked"));
    EXPECT_EQ(shown(dialog, 1135), QStringLiteral("checked"));
    EXPECT_EQ(shown(dialog, 1132), QStringLiteral("MSK-II"));
    dialog.controlAs<QCheckBox>(1134)->setChecked(false);
    dialog.controlAs<QComboBox>(1132)->setCurrentIndex(0);
    dialog.controlAs<QComboBox>(1125)->setCurrentIndex(3);
    QTest::mouseClick(dialog.control(1), Qt::LeftButton);
    EXPECT_TRUE(dialog.changedImage());
    const OptionalFeaturesState saved = loadOptionalFeatures(d.doc.image());
    EXPECT_FALSE(saved.control(FeatureControlId{1134}).checked);
    EXPECT_TRUE(saved.control(FeatureControlId{1135}).checked);
    EXPECT_EQ(saved.control(FeatureControlId{1132}).selection, 0);
    EXPECT_EQ(saved.control(FeatureControlId{1125}).selection, 3);
}

TEST(OptionalFeaturesDlg, CancelAndARefusedPasswordStoreNothing) {
    NewDocument d;
    const RadioImage before = d.doc.image();
    app::MessageBoxes messages;
    {
        COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
        dialog.controlAs<QComboBox>(1125)->setCurrentIndex(5);
        QTest::mouseClick(dialog.control(2), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
    dialog.show();
    dialog.controlAs<QComboBox>(1125)->setCurrentIndex(5);
    dialog.controlAs<QLineEdit>(1133)->setText(QStringLiteral("12ab"));
    messages.setNextAnswer(app::MessageBoxes::Answer::Ok);
    QTest::mouseClick(dialog.control(1), Qt::LeftButton);
    EXPECT_EQ(messages.askedCount(), 1);
    EXPECT_TRUE(dialog.isVisible());  // the user may mend the password
    EXPECT_EQ(d.doc.image(), before);
}

TEST(OptionalFeaturesDlg, F1AsksForTheFocusedControlsTopic) {
    NewDocument d;
    app::MessageBoxes messages;
    COptionalFeaturesDlg dialog(Language::English, d.doc.image(), messages, nullptr);
    std::vector<HelpContext> asked;
    dialog.setHelpHandler([&](HelpContext context) { asked.push_back(context); });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    std::vector<HelpContext> expected;
    for (const int id : {1115, 1125, 1133, 1137, 1}) {
        dialog.control(id)->setFocus();
        QTest::keyClick(dialog.control(id), Qt::Key_F1);
        expected.push_back({id, HelpWindow::OptionalFeatures});
    }
    EXPECT_EQ(asked, expected);
}

TEST(OptionalFeaturesDlg, ChineseShowsChineseLabelsAndListsOverTheSameValues) {
    NewDocument d;
    app::MessageBoxes messages;
    COptionalFeaturesDlg dialog(Language::Chinese, d.doc.image(), messages, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("可选功能"));
    EXPECT_EQ(shown(dialog, 1125), QStringLiteral("30"));
    EXPECT_EQ(shown(dialog, 1120), QStringLiteral("关"));
    EXPECT_EQ(shown(dialog, 1122), QStringLiteral("载波"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains(QStringLiteral("背光"))) << labels.join(',').toStdString();
    EXPECT_EQ(dialog.controlAs<QPushButton>(2)->text(), QStringLiteral("取消"));
}

class FeaturesFromTheFrame : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(run.start()); }
    ProgramDir dir;
    RunningProgram run{dir};
};

TEST_F(FeaturesFromTheFrame, OkMarksTheDocumentModifiedOnlyWhenBytesChanged) {
    app::CChildFrame* child = run.frame().activeChild();
    for (const int tot : {-1, 4}) {  // -1: leave the list as it was
        const int opened = withModalDialog(
            [&] { run.frame().commands().trigger(command::kOptionalFeatures); },
            [&](QWidget* widget) {
                auto* dialog = static_cast<COptionalFeaturesDlg*>(widget);
                EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Optional Features"));
                if (tot >= 0) {
                    dialog->controlAs<QComboBox>(1125)->setCurrentIndex(tot);
                }
                QTest::mouseClick(dialog->control(1), Qt::LeftButton);
            });
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(child->isModified(), tot >= 0);
    }
    EXPECT_EQ(
        loadOptionalFeatures(child->document().image()).control(FeatureControlId{1125}).selection,
        4);
}

}  // namespace
}  // namespace kw::test
