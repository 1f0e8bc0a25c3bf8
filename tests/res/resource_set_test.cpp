#include "res/resource_set.h"

#include <gtest/gtest.h>

#include "res/command_ids.h"

namespace kw {
namespace {

struct LookupCase {
    const char* name;
    const char* expected;  // nullptr: no set
};

class ResourceLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(ResourceLookup, FindsSetsByFileNameRules) {
    const ResourceSet* set = findResourceSet(GetParam().name);
    if (GetParam().expected == nullptr) {
        EXPECT_EQ(set, nullptr);
    } else {
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(set->name, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ResourceLookup,
    testing::Values(LookupCase{"English", "English"}, LookupCase{"Chinese", "Chinese"},
                    LookupCase{"chinese", "Chinese"}, LookupCase{"ENGLISH", "English"},
                    LookupCase{"Chinese ", nullptr}, LookupCase{"", nullptr},
                    LookupCase{"Klingon", nullptr}, LookupCase{"../Chinese", nullptr},
                    LookupCase{"lang/Chinese", nullptr}, LookupCase{"lang\\English", nullptr}));

const ResourceSet& english() {
    return *findResourceSet("English");
}
const ResourceSet& chinese() {
    return *findResourceSet("Chinese");
}

// A translation that moved a control or changed a command would break help contexts,
// the start-up deletions and every test of the English layout.
TEST(ResourceSets, ChineseKeepsTheEnglishLayout) {
    ASSERT_EQ(english().menus.size(), chinese().menus.size());
    for (std::size_t m = 0; m < english().menus.size(); ++m) {
        const auto& en = english().menus[m];
        const auto& zh = chinese().menus[m];
        EXPECT_EQ(en.id, zh.id);
        ASSERT_EQ(en.popups.size(), zh.popups.size());
        for (std::size_t p = 0; p < en.popups.size(); ++p) {
            ASSERT_EQ(en.popups[p].items.size(), zh.popups[p].items.size());
            for (std::size_t i = 0; i < en.popups[p].items.size(); ++i) {
                EXPECT_EQ(en.popups[p].items[i].command, zh.popups[p].items[i].command);
                EXPECT_NE(zh.popups[p].items[i].text.empty(),
                          zh.popups[p].items[i].command != command::kSeparator);
            }
        }
    }
    ASSERT_EQ(english().dialogs.size(), chinese().dialogs.size());
    for (std::size_t d = 0; d < english().dialogs.size(); ++d) {
        const auto& en = english().dialogs[d];
        const auto& zh = chinese().dialogs[d];
        EXPECT_EQ(en.id, zh.id);
        EXPECT_EQ(en.width, zh.width);
        EXPECT_EQ(en.height, zh.height);
        ASSERT_EQ(en.controls.size(), zh.controls.size());
        for (std::size_t c = 0; c < en.controls.size(); ++c) {
            EXPECT_EQ(en.controls[c].id, zh.controls[c].id);
            EXPECT_EQ(en.controls[c].kind, zh.controls[c].kind);
            EXPECT_EQ(en.controls[c].rect.x, zh.controls[c].rect.x);
            EXPECT_EQ(en.controls[c].rect.y, zh.controls[c].rect.y);
        }
    }
}

TEST(ResourceSets, EveryCommandHasAPromptInBothLanguages) {
    for (const ResourceSet* set : {&english(), &chinese()}) {
        for (const MenuResource& menu : set->menus) {
            for (const PopupResource& popup : menu.popups) {
                for (const MenuItemResource& item : popup.items) {
                    if (item.command != command::kSeparator && item.command != command::kDtmf &&
                        item.command != command::kKeyAssignment) {
                        EXPECT_FALSE(promptOf(set->string(item.command)).empty())
                            << set->name << " " << numberOf(item.command);
                    }
                }
            }
        }
        for (const CommandId command : set->toolbar) {
            EXPECT_TRUE(command == command::kSeparator || !toolTipOf(set->string(command)).empty());
        }
    }
}

TEST(ResourceSets, DocumentMenuEditPopupAsTheStartUpDeletionsExpectIt) {
    const MenuResource* menu = english().menu(resource::kDocumentMenu);
    ASSERT_NE(menu, nullptr);
    const auto& edit = menu->popups[1];
    EXPECT_EQ(edit.text, "&Edit");
    ASSERT_EQ(edit.items.size(), 27u);
    EXPECT_EQ(edit.items[4].command,
              command::kSeparator);  // the separator before DTMF and Key Assignment
    EXPECT_EQ(edit.items[5].command, command::kDtmf);
    EXPECT_EQ(edit.items[6].command, command::kKeyAssignment);
    EXPECT_EQ(menu->popups[3].text, "Setup");
    EXPECT_EQ(menu->popups[3].items[1].command, command::kLanguage);
}

TEST(ResourceSets, StringTableCarriesTheMessagesAndPrompts) {
    EXPECT_EQ(english().string(StringId{61450}), "All data will be Cleared!");
    EXPECT_EQ(chinese().string(StringId{61450}), "所有数据将被清除！");
    EXPECT_EQ(english().string(command::kRead), "Read Data From Radio\nRead");
    EXPECT_EQ(english().string(StringId{12345}), "");
    EXPECT_EQ(promptOf("Read Data From Radio\nRead"), "Read Data From Radio");
    EXPECT_EQ(toolTipOf("Read Data From Radio\nRead"), "Read");
    EXPECT_EQ(toolTipOf("no tool tip"), "no tool tip");
}

TEST(ResourceSets, DialogTemplatesCarryTheirControls) {
    const DialogResource* product = english().dialog(resource::kProductInfoDialog);
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->caption, "Product Information");
    EXPECT_EQ(product->width, 155);
    EXPECT_EQ(product->height, 107);
    EXPECT_EQ(product->fontFace, "Times New Roman");
    const DialogResource* port = english().dialog(resource::kPortSettingDialog);
    ASSERT_NE(port, nullptr);
    int radios = 0;
    for (const ControlResource& control : port->controls) {
        if (control.kind == ControlKind::RadioButton) {
            EXPECT_EQ(control.text, "COM" + std::to_string(control.id - 1006));
            ++radios;
        }
    }
    EXPECT_EQ(radios, 16);
    EXPECT_EQ(english().dialog(999), nullptr);
}

}  // namespace
}  // namespace kw
