#include <gtest/gtest.h>

#include "model/radio_address.h"

namespace kw {
namespace {

TEST(RadioAddress, MapsBothWays) {
    const std::pair<std::size_t, std::uint16_t> pairs[] = {
        {0x0000, 0x0000}, {0x0C17, 0x0C17}, {0x0C2F, 0x0C2F}, {0x1248, 0x0C30}, {0x1260, 0x0C40},
        {0x12A8, 0x0C70}, {0x1500, 0x0E00}, {0x15C0, 0x0E80}, {0x1620, 0x0EC0}, {0x17B8, 0x0FD0},
        {0x17D0, 0x0FE0}, {0x17E8, 0x0FF0}, {0x17F7, 0x0FFF},
    };
    for (const auto& [offset, address] : pairs) {
        EXPECT_EQ(radioAddressOf(offset), address) << std::hex << offset;
        EXPECT_EQ(imageOffsetOf(address), offset) << std::hex << address;
    }
}

TEST(RadioAddress, OffsetsThatNeverReachTheRadio) {
    for (std::size_t offset :
         {0x0C30u, 0x1000u, 0x1247u, 0x1258u, 0x125Fu, 0x17F8u, 0x17FFu, 0x1800u}) {
        EXPECT_FALSE(radioAddressOf(offset)) << std::hex << offset;
    }
    EXPECT_FALSE(imageOffsetOf(0x1000));
    EXPECT_FALSE(imageOffsetOf(0xFFFF));
}

TEST(RadioAddress, EveryRadioAddressRoundTrips) {
    for (std::uint32_t address = 0; address < 0x1000; ++address) {
        const auto offset = imageOffsetOf(static_cast<std::uint16_t>(address));
        ASSERT_TRUE(offset);
        EXPECT_EQ(radioAddressOf(*offset), address);
    }
}

}  // namespace
}  // namespace kw
