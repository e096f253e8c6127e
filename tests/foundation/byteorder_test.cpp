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

TEST(ByteOrder, Int64ReversesAllEightBytesInMemory)
{
    EXPECT_EQ(bwint64(FromBytes<int64_t>({1, 2, 3, 4, 5, 6, 7, 8})), FromBytes<int64_t>({8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(bwint64(INT64_C(0x0102030405060708)), INT64_C(0x0807060504030201));
    EXPECT_EQ(bwint64(INT64_C(-2)), static_cast<int64_t>(UINT64_C(0xFEFFFFFFFFFFFFFF)));
}

TEST(ByteOrder, LongReversesFourBytes)
{
    EXPECT_EQ(bwlong(0x11223344), 0x44332211);
    EXPECT_EQ(bwlong(FromBytes<int32_t>({0xAA, 0xBB, 0xCC, 0xDD})), FromBytes<int32_t>({0xDD, 0xCC, 0xBB, 0xAA}));
    // The MQ encodings 546 (little-endian) and 273 (big-endian) as a peer would send them.
    EXPECT_EQ(bwlong(546), 0x22020000);
    EXPECT_EQ(bwlong(static_cast<int32_t>(0x80000000u)), 0x00000080);
    EXPECT_EQ(bwlong(-1), -1);
    EXPECT_EQ(bwlong(0), 0);
}

TEST(ByteOrder, ShortExchangesItsBytesAndByteItsHalves)
{
    EXPECT_EQ(bwshort(0x1234), 0x3412);
    EXPECT_EQ(bwshort(0x00FF), static_cast<int16_t>(0xFF00));
    EXPECT_EQ(bwshort(static_cast<int16_t>(0x8001)), 0x0180);
    const unsigned char halves[][2] = {{0x12, 0x21}, {0xF0, 0x0F}, {0xAB, 0xBA}, {0x77, 0x77}, {0x00, 0x00}};
    for (const auto &row : halves)
        EXPECT_EQ(bwbyte(row[0]), row[1]) << int(row[0]);
}

TEST(ByteOrder, PlatformAnswersAreFixed)
{
    EXPECT_EQ(IsBgEndian(), 0);
    EXPECT_EQ(IsLtEndian(), 1);
    EXPECT_EQ(IsAscText(), 1);
    EXPECT_EQ(fValidPointer(nullptr), 1);
    int local = 0;
    EXPECT_EQ(fValidPointer(&local), 1);
}

}  // namespace
