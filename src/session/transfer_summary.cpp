#include "session/transfer_summary.h"

#include <cstdio>

#include "model/image_layout.h"

namespace kw {
namespace {

bool channelInUse(ConstImageRow record) {
    const auto absent = [](std::uint8_t b) { return b == 0xFF || b == 0x00; };
    return !absent(record[record::kRxFrequency + 3]) && !absent(record[record::kTxFrequency + 3]);
}

}  // namespace

int channelsInUse(const RadioImage& image) {
    int channels = 0;
    for (int record = 0; record < kEditedRecordCount; ++record) {
        channels += channelInUse(channelRecord(image, record)) ? 1 : 0;
    }
    return channels;
}

std::string transferSummary(TransferDirection direction, const RadioImage& image,
                            std::chrono::steady_clock::duration took, Language language) {
    const double seconds = std::chrono::duration<double>(took).count();
    const bool chinese = language == Language::Chinese;
    char text[96];
    if (direction == TransferDirection::Read) {
        std::snprintf(text, sizeof text,
                      chinese ? "读数据完成：%d 个信道，用时 %.1f 秒"
                              : "Read complete: %d channels in %.1f s",
                      channelsInUse(image), seconds);
    } else {
        std::snprintf(text, sizeof text,
                      chinese ? "写数据完成，用时 %.1f 秒" : "Write complete in %.1f s", seconds);
    }
    return text;
}

}  // namespace kw
