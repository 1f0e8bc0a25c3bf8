#include "session/history_step.h"

#include <array>

namespace kw {
namespace {

struct StepName {
    std::string_view english;
    std::string_view chinese;
};

// In the order of HistoryStep.
constexpr std::array<StepName, 14> kStepNames{{
    {"Typing", "输入"},
    {"Paste", "粘贴"},
    {"Cut", "剪切"},
    {"Insert", "插入"},
    {"Delete", "删除"},
    {"Move", "移动"},
    {"Duplicate", "复制信道"},
    {"Set for Selected Rows", "批量设置"},
    {"Fill Down", "向下填充"},
    {"Sort", "排序"},
    {"Import", "导入"},
    {"Read", "读频"},
    {"Product Information", "机型设置"},
    {"Optional Features", "可选功能"},
}};

std::string itemText(std::string_view englishVerb, std::string_view chineseVerb,
                     std::optional<HistoryStep> step, Language language) {
    const bool chinese = language == Language::Chinese;
    std::string text(chinese ? chineseVerb : englishVerb);
    if (step) {
        text += chinese ? "" : " ";
        text += historyStepName(*step, language);
    }
    return text;
}

}  // namespace

std::string_view historyStepName(HistoryStep step, Language language) {
    const StepName& name = kStepNames[static_cast<std::size_t>(step)];
    return pick(language, name.english, name.chinese);
}

std::string undoItemText(std::optional<HistoryStep> step, Language language) {
    return itemText("Undo", "撤销", step, language);
}

std::string redoItemText(std::optional<HistoryStep> step, Language language) {
    return itemText("Redo", "重做", step, language);
}

}  // namespace kw
