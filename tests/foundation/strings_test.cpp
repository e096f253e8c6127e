#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "zemapi.h"

namespace {

// Runs an in-place operation on a copy of text in a buffer of exactly `size` bytes, so
// that a write past it is caught by the address sanitizer.
template <typename Op>
std::string InPlace(const std::string &text, std::size_t size, Op op)
{
    std::unique_ptr<char[]> buffer(new char[size]);
    std::memset(buffer.get(), '#', size);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    op(buffer.get());
    return buffer.get();
}

template <typename Op>
std::string InPlace(const std::string &text, Op op)
{
    return InPlace(text, text.size() + 1, op);
}

TEST(Strings, StripSpacesCutsAtTheFirstBlank)
{
    EXPECT_EQ(InPlace("AB CD", strip_spaces), "AB");
    EXPECT_EQ(InPlace("   ", strip_spaces), "");
    EXPECT_EQ(InPlace("ABC", strip_spaces), "ABC");
    EXPECT_EQ(InPlace("", strip_spaces), "");
    EXPECT_EQ(InPlace("A\tB", strip_spaces), "A\tB");
    strip_spaces(nullptr);
}

TEST(Strings, TrimRemovesOnlyTrailingBlanks)
{
    EXPECT_EQ(InPlace("QM1   ", trim_str), "QM1");
    EXPECT_EQ(InPlace("    ", trim_str), "");
    EXPECT_EQ(InPlace("A\t ", trim_str), "A\t");
    EXPECT_EQ(InPlace("  A B  ", trim_str), "  A B");
    EXPECT_EQ(InPlace("", trim_str), "");
    trim_str(nullptr);
}

TEST(Strings, PadSpacesPadsOrCutsToWidth)
{
    auto pad = [](int32_t width) { return [width](char *text) { pad_spaces(text, width); }; };
    EXPECT_EQ(InPlace("ABC", 7, pad(6)), "ABC   ");
    EXPECT_EQ(InPlace("ABCDEFG", pad(4)), "ABCD");
    EXPECT_EQ(InPlace("ABC", pad(3)), "ABC");
    EXPECT_EQ(InPlace("ABC", pad(0)), "");
    EXPECT_EQ(InPlace("", 49, pad(48)), std::string(48, ' '));
    // A negative width would write in front of the buffer: nothing changes.
    EXPECT_EQ(InPlace("ABC", pad(-1)), "ABC");
    pad_spaces(nullptr, 4);
}

TEST(Strings, UpperCasesOnlyLettersAToZ)
{
    EXPECT_EQ(InPlace("system.def.queue-1{z}", strupper), "SYSTEM.DEF.QUEUE-1{Z}");
    EXPECT_EQ(InPlace("caf\xe9 \xff`", strupper), "CAF\xe9 \xff`");
    EXPECT_EQ(InPlace("", strupper), "");
    strupper(nullptr);
}

TEST(Strings, ReplaceCharReplacesEveryOccurrence)
{
    auto blanksToUnderscores = [](char *text) { str_replace_char(text, ' ', '_'); };
    EXPECT_EQ(InPlace("X Y Z", blanksToUnderscores), "X_Y_Z");
    EXPECT_EQ(InPlace("  ", blanksToUnderscores), "__");
    EXPECT_EQ(InPlace("XYZ", blanksToUnderscores), "XYZ");
    EXPECT_EQ(InPlace("a.b.c", [](char *text) { str_replace_char(text, '.', '/'); }), "a/b/c");
    str_replace_char(nullptr, ' ', '_');
}

TEST(HexText, BytesBecomeUpperCaseDigitPairs)
{
    unsigned char id[24];
    for (int i = 0; i < 24; ++i)
        id[i] = static_cast<unsigned char>(i * 11);
    std::unique_ptr<char[]> text(new char[49]);
    EXPECT_EQ(ConvertByte24ToText48(id, text.get()), 48);
    EXPECT_STREQ(text.get(), "000B16212C37424D58636E79848F9AA5B0BBC6D1DCE7F2FD");

    unsigned char zeros[24] = {0};
    EXPECT_EQ(ConvertByte24ToText48(zeros, text.get()), 48);
    EXPECT_STREQ(text.get(), std::string(48, '0').c_str());
}

TEST(HexText, TokensOf32BytesBecome64Digits)
{
    unsigned char token[32];
    std::memset(token, 0xAB, sizeof token);
    token[0] = 0x01;
    token[31] = 0xFE;
    std::unique_ptr<char[]> text(new char[65]);
    EXPECT_EQ(ConvertByte32ToText64(token, text.get()), 64);
    EXPECT_EQ(std::string(text.get()), "01" + [] {
        std::string middle;
        for (int i = 0; i < 30; ++i)
            middle += "AB";
        return middle;
    }() + "FE");
}

// Pairs are read from a buffer of exactly the digit count: no NUL is looked for.
std::string ToBytes24(const std::string &digits)
{
    std::unique_ptr<char[]> text(new char[48]);
    std::memcpy(text.get(), digits.data(), 48);
    unsigned char bytes[24];
    std::memset(bytes, 0x5A, sizeof bytes);
    ConvertText48ToByte24(text.get(), bytes);
    return std::string(reinterpret_cast<char *>(bytes), sizeof bytes);
}

TEST(HexText, DigitPairsOfEitherCaseBecomeBytes)
{
    std::string lower, expected(24, '\xAB');
    for (int i = 0; i < 24; ++i)
        lower += "ab";
    EXPECT_EQ(ToBytes24(lower), expected);

    std::string mixed = "00017F80fFFe" + std::string(36, '0');
    EXPECT_EQ(ToBytes24(mixed), std::string("\x00\x01\x7F\x80\xFF\xFE", 6) + std::string(18, '\0'));
}

TEST(HexText, IrregularPairsFollowTheScanRules)
{
    // "4 " and " 4": a digit next to white space is that digit alone; "G1", "-1", "+F",
    // "zz", "  " and "x0" are not hex and give 0; "0x" is the digit 0.
    std::string pairs = "4  4G1-1+Fzz  x00x\t9";
    pairs += std::string(48 - pairs.size(), 'F');
    std::string expected = std::string("\x04\x04\x00\x00\x00\x00\x00\x00\x00\x09", 10) + std::string(14, '\xFF');
    EXPECT_EQ(ToBytes24(pairs), expected);
}

TEST(HexText, TextOf64DigitsBecomes32Bytes)
{
    std::string digits;
    for (int i = 0; i < 32; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", 255 - i);
        digits += pair;
    }
    std::unique_ptr<char[]> text(new char[64]);
    std::memcpy(text.get(), digits.data(), 64);
    unsigned char bytes[32];
    ConvertText64ToByte32(text.get(), bytes);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(bytes[i], 255 - i) << i;
}

TEST(HexText, NullBuffersAreRefused)
{
    char text[49] = "untouched";
    EXPECT_EQ(ConvertByte24ToText48(nullptr, text), 0);
    EXPECT_STREQ(text, "untouched");
    unsigned char bytes[32] = {0};
    EXPECT_EQ(ConvertByte32ToText64(bytes, nullptr), 0);
    ConvertText48ToByte24(nullptr, bytes);
    ConvertText64ToByte32(nullptr, bytes);
    ConvertText48ToByte24(text, nullptr);
    EXPECT_EQ(bytes[0], 0);
}

}  // namespace
