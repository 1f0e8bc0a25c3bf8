#include "session/transfer_summary.h"

#include <gtest/gtest.h>

#include "model/image_layout.h"

namespace kw {
namespace {

using namespace std::chrono_literals;

// A record is in use when both frequencies are set; an erased (FF) or zero top byte of
// either leaves it out, Fr counting like the rest.
TEST(TransferSummary, CountsTheChannelsInUseAndSaysItInEitherLanguage) {
    RadioImage image;
    image.fill(kEmptyByte);
    for (const int record : {0, 5, kEditedRecordCount - 1}) {
        channelRecord(image, record)[record::kRxFrequency + 3] = 0x14;
        channelRecord(image, record)[record::kTxFrequency + 3] = 0x14;
    }
    channelRecord(image, 7)[record::kRxFrequency + 3] = 0x14;  // Tx erased
    channelRecord(image, 8)[record::kRxFrequency + 3] = 0x14;
    channelRecord(image, 8)[record::kTxFrequency + 3] = 0x00;
    EXPECT_EQ(channelsInUse(image), 3);

    struct Case {
        TransferDirection direction;
        Language language;
        const char* text;
    };
    const Case cases[] = {
        {TransferDirection::Read, Language::English, "Read complete: 3 channels in 10.8 s"},
        {TransferDirection::Write, Language::English, "Write complete in 10.8 s"},
        {TransferDirection::Read, Language::Chinese, "读数据完成：3 个信道，用时 10.8 秒"},
        {TransferDirection::Write, Language::Chinese, "写数据完成，用时 10.8 秒"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(transferSummary(c.direction, image, 10'750ms, c.language), c.text);
    }
}

}  // namespace
}  // namespace kw
