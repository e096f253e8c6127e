#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "zemapi.h"

namespace {

template <typename T>
T FromBytes(std::initializer_list<unsigned char> bytes)
{
    T value{};
    std::memcpy(&value, bytes.begin(), sizeof value);
    return value;
}

// Independent of the host's order: the bytes in memory come out reversed.
TEST(ByteOrder, SwapsReverseTheBytesInMemoryAndByteExchangesNibbles)
{
    EXPECT_EQ(bwint64(FromBytes<int64_t>({1, 2, 3, 4, 5, 6, 0x87, 0xF8})),
              FromBytes<int64_t>({0xF8, 0x87, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(bwlong(FromBytes<int32_t>({0xAA, 0xBB, 0xCC, 0x8D})), FromBytes<int32_t>({0x8D, 0xCC, 0xBB, 0xAA}));
    EXPECT_EQ(bwshort(FromBytes<int16_t>({0x81, 0x92})), FromBytes<int16_t>({0x92, 0x81}));
    const unsigned char halves[][2] = {{0x12, 0x21}, {0xF0, 0x0F}, {0x77, 0x77}, {0x00, 0x00}};
    for (const auto &row : halves)
        EXPECT_EQ(bwbyte(row[0]), row[1]) << int(row[0]);
}

}  // namespace
