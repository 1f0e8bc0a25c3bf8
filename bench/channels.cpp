// bench_channels: the channel grid's conversions on a full image (129 channels with
// frequencies, tones, ASCII and Chinese names) and the typed-frequency check. Reports the
// time per operation; a refill plus a commit should stay well under 1 ms.
//
//   build/bin/bench_channels [rounds]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "channels/channel_grid.h"
#include "channels/frequency_codec.h"
#include "channels/tone_table.h"
#include "session/new_document.h"

namespace {

using namespace kw;
using Clock = std::chrono::steady_clock;

constexpr int kTypedFrequencies = 100'000;
constexpr int kDefaultRounds = 500;

// Every record in use, as a well-filled radio has it.
RadioImage fullImage() {
    RadioImage image;
    ProductState product;
    fillNewDocumentImage(image, product);
    const std::vector<std::string> tones = buildToneList(Language::English);
    ChannelGrid grid(Language::English);
    for (int row = kFirstChannelRow; row <= kFrRow; ++row) {
        const std::int32_t rx = 13'600'000 + row * 25'000;
        grid.setText({row, kRxColumn}, formatFrequency(rx));
        grid.setText({row, kTxColumn}, formatFrequency(rx + (row % 3 - 1) * 60'000));
        grid.setText({row, kDecodeToneColumn}, tones[static_cast<std::size_t>(row % 261)]);
        grid.setText({row, kEncodeToneColumn}, tones[static_cast<std::size_t>(row * 7 % 261)]);
        grid.setText({row, kNameColumn}, row % 2 ? "CH" + std::to_string(row) : "信道名字");
        grid.setText({row, kPowerColumn}, row % 2 ? "High" : "Low");
        grid.setText({row, kWidthColumn}, row % 3 ? "Wide" : "Narrow");
        grid.setText({row, kScanAddColumn}, "Yes");
        grid.setText({row, kBusyLockColumn}, row % 4 ? "Off" : "Carrier");
    }
    grid.commit(image, product);
    return image;
}

// What users type: short and full forms, off-raster, out of band, garbage, overflow.
std::vector<std::string> typedFrequencies() {
    const char* const odd[] = {"145.003", "180", "50", "abc", "999999999", ""};
    std::vector<std::string> texts;
    texts.reserve(kTypedFrequencies);
    for (int i = 0; i < kTypedFrequencies; ++i) {
        if (i % 10 == 9) {
            texts.emplace_back(odd[i / 10 % 6]);
        } else {
            std::string text = formatFrequency(6'700'000 + (i % 85'000) * 625);
            if (i % 2) {
                text.erase(text.find_last_not_of('0') + 1);
            }
            texts.push_back(std::move(text));
        }
    }
    return texts;
}

double microsecondsSince(Clock::time_point start, int operations) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / operations;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : kDefaultRounds;
    if (argc > 2 || rounds <= 0) {
        std::fprintf(stderr, "Usage: bench_channels [rounds]\n");
        return 2;
    }
    const RadioImage source = fullImage();
    ChannelGrid grid(Language::English);
    ProductState product;
    RadioImage image = source;
    unsigned sink = 0;

    Clock::time_point start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        grid.refill(source, product);
        sink += static_cast<unsigned>(grid.text(i % kFrRow + 1, kNameColumn).size());
    }
    const double refill = microsecondsSince(start, rounds);

    start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        grid.commit(image, product);
        sink += image[static_cast<std::size_t>(i % kImageSize)];
    }
    const double commit = microsecondsSince(start, rounds);
    if (image != source) {
        std::fprintf(stderr, "refill and commit changed the image\n");
        return 1;
    }

    const std::vector<std::string> texts = typedFrequencies();
    int accepted = 0;
    start = Clock::now();
    for (const std::string& text : texts) {
        const ParsedFrequency parsed = parseFrequency(text);
        accepted += validateRx(parsed.value, product) ? 0 : 1;
        sink += static_cast<unsigned>(parsed.text.size());
    }
    const double typed = microsecondsSince(start, kTypedFrequencies);

    std::printf("grid refill, 129 channels    %9.1f us  (%d rounds)\n", refill, rounds);
    std::printf("grid commit, 129 channels    %9.1f us\n", commit);
    std::printf("refill + commit              %9.1f us  goal < 1000 us: %s\n", refill + commit,
                refill + commit < 1000 ? "met" : "MISSED");
    std::printf("parse + validate Rx          %9.3f us  (%d typed, %d accepted, %.1f ms all)\n",
                typed, kTypedFrequencies, accepted, typed * kTypedFrequencies / 1000);
    return sink == 0 ? 1 : 0;
}
