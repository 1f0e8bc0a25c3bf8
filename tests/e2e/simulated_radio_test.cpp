#include "simulated_radio.h"

#include <gtest/gtest.h>

#include <array>

#include "model/radio_address.h"
#include "support/bytes.h"

namespace kw::sim {
namespace {

using test::bytes;
using test::hex;

std::string feed(SimulatedRadio& radio, std::string_view hexBytes, Reaction* last = nullptr) {
    std::vector<std::uint8_t> replies;
    for (const std::uint8_t byte : bytes(hexBytes)) {
        const Reaction reaction = radio.receive(byte);
        replies.insert(replies.end(), reaction.reply.begin(), reaction.reply.end());
        if (last) {
            *last = reaction;
        }
    }
    return hex(replies);
}

constexpr std::string_view kWakeUp = "02 50 52 4F 47 52 41";

SimulatedRadio radioOf(int modelIndex, Fault fault = {}) {
    return SimulatedRadio(memoryFromImage(factoryImage(modelIndex)), fault);
}

TEST(SimulatedRadio, AnswersTheWakeUpOnlyWhenItIsComplete) {
    SimulatedRadio radio = radioOf(0);
    EXPECT_EQ(feed(radio, "02 50 52 4F 47 52"), "");
    EXPECT_EQ(feed(radio, "52 0F D0 08"), "");  // not in programming mode yet
    EXPECT_EQ(feed(radio, "02 50 52 4F 47 52 41"), "06");
    EXPECT_TRUE(radio.inSession());
}

TEST(SimulatedRadio, IdentifiesItselfAndServesFrames) {
    SimulatedRadio radio = radioOf(1);
    ASSERT_EQ(feed(radio, kWakeUp), "06");
    EXPECT_EQ(feed(radio, "4D 02"), hex(bytes("4B 57 2D 32 31 37 55 00")));  // "KW-217U"
    EXPECT_EQ(feed(radio, "06"), "06");
    EXPECT_EQ(feed(radio, "52 0F D0 08"), "57 0F D0 08 00 02 00 00 90 01 08 02");
    EXPECT_EQ(feed(radio, "52 0F F0 08"), "57 0F F0 08 40 52 00 40 52 00 29 27");
    EXPECT_EQ(feed(radio, "57 00 10 08 01 02 03 04 05 06 07 08"), "06");
    EXPECT_EQ(feed(radio, "52 00 10 08"), "57 00 10 08 01 02 03 04 05 06 07 08");
    EXPECT_EQ(feed(radio, "52 0F FC 08"), "15");  // runs past the end of memory
    EXPECT_EQ(feed(radio, "52 00 00 04"), "15");  // frames are 8 bytes
    EXPECT_EQ(feed(radio, "99"), "15");
}

TEST(SimulatedRadio, SessionEndsWithTheLastFrameOfAReadOrAWrite) {
    SimulatedRadio radio = radioOf(0);
    Reaction last;
    feed(radio, std::string(kWakeUp) + " 52 0F F8 08 06", &last);
    EXPECT_TRUE(last.sessionEnded);
    EXPECT_FALSE(radio.inSession());

    feed(radio, std::string(kWakeUp) + " 57 0F E8 08 31 32 FF FF FF FF FF FF", &last);
    EXPECT_TRUE(last.sessionEnded);

    feed(radio, kWakeUp);
    EXPECT_TRUE(radio.lineIdle());
    EXPECT_FALSE(radio.lineIdle());
}

TEST(SimulatedRadio, FaultsAtAnAddress) {
    SimulatedRadio nak = radioOf(0, *parseFault("nak-at=0x0010"));
    feed(nak, kWakeUp);
    EXPECT_EQ(feed(nak, "52 00 10 08 06"), "57 00 10 08 FF FF FF FF FF FF FF FF 15");
    EXPECT_EQ(feed(nak, "57 00 10 08 00 00 00 00 00 00 00 00"), "15");

    SimulatedRadio cut = radioOf(0, *parseFault("short-reply-at=16"));
    feed(cut, kWakeUp);
    EXPECT_EQ(feed(cut, "52 00 10 08"), "57 00 10 08 FF FF");
    EXPECT_EQ(feed(cut, "57 00 10 08 00 00 00 00 00 00 00 00"), "");

    SimulatedRadio junk = radioOf(0, *parseFault("garbage-at=0x10"));
    feed(junk, kWakeUp);
    EXPECT_EQ(feed(junk, "52 00 10 08 06"), "5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A 5A");

    SimulatedRadio pulled = radioOf(0, *parseFault("disconnect-at=0x0010"));
    Reaction last;
    feed(pulled, std::string(kWakeUp) + " 52 00 10 08", &last);
    EXPECT_TRUE(last.disconnect);

    SimulatedRadio dropping = radioOf(0, *parseFault("drop-write-at=0x0010"));
    feed(dropping, kWakeUp);
    EXPECT_EQ(feed(dropping, "57 00 10 08 01 02 03 04 05 06 07 08"), "06");
    EXPECT_EQ(feed(dropping, "52 00 10 08"), "57 00 10 08 FF FF FF FF FF FF FF FF");
    EXPECT_EQ(feed(dropping, "57 00 18 08 01 02 03 04 05 06 07 08"), "06");
    EXPECT_EQ(feed(dropping, "52 00 18 08"), "57 00 18 08 01 02 03 04 05 06 07 08");
}

// A fault given a session shows in that transfer only; each transfer ends with its
// last frame (here the password's second frame of a Write).
TEST(SimulatedRadio, FaultOfOneSessionLeavesTheOthersAlone) {
    constexpr std::string_view kWrite = "57 00 10 08 01 02 03 04 05 06 07 08";
    constexpr std::string_view kLastWrite = "57 0F E8 08 31 32 FF FF FF FF FF FF";
    struct Case {
        int session;
        std::array<std::string_view, 3> answers;  // to kWrite in transfers 1-3
    };
    for (const Case& c : {Case{0, {"15", "15", "15"}}, Case{2, {"06", "15", "06"}}}) {
        Fault fault = *parseFault("nak-at=0x0010");
        fault.session = c.session;
        SimulatedRadio radio = radioOf(0, fault);
        for (const std::string_view answer : c.answers) {
            feed(radio, kWakeUp);
            EXPECT_EQ(feed(radio, kWrite), answer) << c.session;
            feed(radio, kLastWrite);
            EXPECT_FALSE(radio.inSession());
        }
    }
}

TEST(SimulatedRadio, HandshakeFaults) {
    SimulatedRadio silent = radioOf(0, *parseFault("silent"));
    EXPECT_EQ(feed(silent, std::string(kWakeUp) + " 4D 02 06"), "");

    SimulatedRadio stray = radioOf(0, *parseFault("stray-byte"));
    EXPECT_EQ(feed(stray, kWakeUp), "55 06");

    SimulatedRadio quiet = radioOf(0, *parseFault("silent-second-wakeup"));
    EXPECT_EQ(feed(quiet, kWakeUp), "06");
    EXPECT_EQ(feed(quiet, kWakeUp), "");
    EXPECT_EQ(feed(quiet, "06"), "06");
}

TEST(SimFault, ParsesEveryFaultAndRefusesTheRest) {
    EXPECT_EQ(parseFault("nak-at=0x0C30")->address, 0x0C30);
    EXPECT_EQ(parseFault("disconnect-at=4088")->address, 0x0FF8);
    EXPECT_EQ(parseFault("drop-write-at=0x0C30")->kind, FaultKind::DropWriteAt);
    EXPECT_EQ(parseFault("slow=180")->delay, std::chrono::milliseconds(180));
    for (const char* bad : {"", "loud", "nak-at", "nak-at=", "nak-at=0x1000", "nak-at=12x",
                            "slow=-1", "slow=fast", "silent=1"}) {
        EXPECT_FALSE(parseFault(bad)) << bad;
    }
}

TEST(RadioMemory, FactoryRadioCarriesItsModelAndBand) {
    const RadioMemory memory = memoryFromImage(factoryImage(0));
    EXPECT_EQ(memory[0x0FD1], 1);
    EXPECT_EQ(hex(std::span(memory).subspan(0x0FF0, 6)), "13 17 64 13 17 64");
    EXPECT_EQ(hex(std::span(memory).subspan(0x0FE2, 6)), "FF FF FF FF FF FF");
}

TEST(RadioMemory, OnlyTheRadiosBytesGoIntoADocument) {
    RadioImage image;
    image.fill(0x44);
    RadioMemory memory;
    memory.fill(0x99);
    copyMemoryIntoImage(memory, image);
    for (std::size_t offset = 0; offset < image.size(); ++offset) {
        ASSERT_EQ(image[offset], radioAddressOf(offset) ? 0x99 : 0x44) << offset;
    }
    EXPECT_EQ(memoryFromImage(image), memory);
}

TEST(RadioMemory, PasswordIsUpToSixDigits) {
    RadioImage image = factoryImage(0);
    EXPECT_TRUE(setPassword(image, "4711"));
    const RadioMemory memory = memoryFromImage(image);
    EXPECT_EQ(hex(std::span(memory).subspan(0x0FE2, 6)), "34 37 31 31 FF FF");
    EXPECT_FALSE(setPassword(image, "1234567"));
    EXPECT_FALSE(setPassword(image, "12a"));
}

}  // namespace
}  // namespace kw::sim
