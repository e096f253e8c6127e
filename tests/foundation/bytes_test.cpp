#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

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

using Bytes = std::vector<unsigned char>;

Bytes Encrypted(Bytes bytes, uint32_t key)
{
    EXPECT_EQ(EncryptMsg(bytes.data(), static_cast<int32_t>(bytes.size()), key), 1);
    return bytes;
}

Bytes Decrypted(Bytes bytes, uint32_t key)
{
    EXPECT_EQ(DecryptMsg(bytes.data(), static_cast<int32_t>(bytes.size()), key), 1);
    return bytes;
}

TEST(Scrambling, ExchangesNibblesThenAppliesTheKeyFoldedToOneByte)
{
    const Bytes plain = {0x12, 0xAB, 0x00, 0xFF}, swapped = {0x21, 0xBA, 0x00, 0xFF};
    // Keys whose bytes cancel only exchange nibbles; 0x12 ^ 0x34 ^ 0x56 ^ 0x78 is 0x08, in
    // whatever order the key's bytes stand.
    const struct {
        uint32_t key;
        Bytes scrambled;
    } rows[] = {{0x12341234u, swapped}, {0u, swapped}, {0x12345678u, {0x29, 0xB2, 0x08, 0xF7}},
                {0x78563412u, {0x29, 0xB2, 0x08, 0xF7}}, {0x08000000u, {0x29, 0xB2, 0x08, 0xF7}}};
    for (const auto &row : rows) {
        EXPECT_EQ(Encrypted(plain, row.key), row.scrambled) << std::hex << row.key;
        EXPECT_EQ(Decrypted(row.scrambled, row.key), plain) << std::hex << row.key;
    }
    Bytes all(256);
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<unsigned char>(i);
    for (uint32_t key : {1u, 0xFFFFFFFFu, 0xDEADBEEFu})
        EXPECT_EQ(Decrypted(Encrypted(all, key), key), all) << std::hex << key;
    // A count below one or no buffer leaves everything alone.
    unsigned char bytes[2] = {0x12, 0x34};
    EXPECT_EQ(EncryptMsg(bytes, 0, 0xFFu), 1);
    EXPECT_EQ(EncryptMsg(bytes, -4, 0xFFu), 1);
    EXPECT_EQ(DecryptMsg(bytes, -1, 0xFFu), 1);
    EXPECT_EQ(Bytes(bytes, bytes + 2), Bytes({0x12, 0x34}));
    EXPECT_EQ(EncryptMsg(nullptr, 5, 0xFFu), 1);
    EXPECT_EQ(DecryptMsg(nullptr, 5, 0xFFu), 1);
}

TEST(Scrambling, DecryptLongRestoresTheValueByteByByteInMemory)
{
    // The bytes 01 02 03 04 scrambled with the fold 0x08 are 18 28 38 48.
    const unsigned char scrambled[4] = {0x18, 0x28, 0x38, 0x48}, plain[4] = {0x01, 0x02, 0x03, 0x04};
    int32_t value = 0, expected = 0;
    std::memcpy(&value, scrambled, 4);
    std::memcpy(&expected, plain, 4);
    EXPECT_EQ(DecryptLong(value, 0x12345678u), expected);
    EXPECT_EQ(DecryptLong(0x12345678, 0), 0x21436587);
}

}  // namespace
