#pragma once
// The words the grid shows for a channel's flags and for "no tone", in both languages.
// The grid commit recognises either language's word whatever the language flag says.

#include <string_view>

#include "res/language.h"

namespace kw {

struct ChannelWord {
    std::string_view english;
    std::string_view chinese;

    constexpr std::string_view in(Language language) const {
        return pick(language, english, chinese);
    }
    constexpr bool matches(std::string_view text) const {
        return text == english || text == chinese;
    }
};

inline constexpr ChannelWord kNoToneWord{"None", "无"};
inline constexpr ChannelWord kLowPowerWord{"Low", "低"};
inline constexpr ChannelWord kHighPowerWord{"High", "高"};
inline constexpr ChannelWord kWideWord{"Wide", "宽"};
inline constexpr ChannelWord kNarrowWord{"Narrow", "窄"};
inline constexpr ChannelWord kYesWord{"Yes", "是"};
inline constexpr ChannelWord kNoWord{"No", "否"};
inline constexpr ChannelWord kBusyOffWord{"Off", "关"};
inline constexpr ChannelWord kBusyCarrierWord{"Carrier", "载波"};
inline constexpr ChannelWord kBusyToneWord{"QT/DQT", "QT/DQT"};

}  // namespace kw
