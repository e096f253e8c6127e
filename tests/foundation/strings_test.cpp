#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "zemapi.h"

namespace {

// Runs an in-place operation on a copy of text in a buffer of exactly `size` bytes (text and
// its NUL when 0), so that a write past it is caught by the address sanitizer.
std::string InPlace(const std::string &text, const std::function<void(char *)> &op, std::size_t size = 0)
{
    std::unique_ptr<char[]> buffer(new char[size ? size : text.size() + 1]);
    std::memset(buffer.get(), '#', size ? size : text.size() + 1);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    op(buffer.get());
    return buffer.get();
}

std::function<void(char *)> Pad(int32_t width)
{
    return [width](char *text) { pad_spaces(text, width); };
}

TEST(Strings, InPlaceEditsKeepWithinTheText)
{
    const auto blanksToUnderscores = [](char *text) { str_replace_char(text, ' ', '_'); };
    const struct {
        const char *what;
        std::function<void(char *)> op;
        std::string text, expected;
        std::size_t size = 0;
    } rows[] = {
        // strip_spaces cuts at the first blank.
        {"strip", strip_spaces, "AB CD", "AB"}, {"strip", strip_spaces, "   ", ""},
        {"strip", strip_spaces, "ABC", "ABC"}, {"strip", strip_spaces, "", ""},
        {"strip", strip_spaces, "A\tB", "A\tB"},
        // trim_str removes only trailing blanks.
        {"trim", trim_str, "QM1   ", "QM1"}, {"trim", trim_str, "    ", ""}, {"trim", trim_str, "A\t ", "A\t"},
        {"trim", trim_str, "  A B  ", "  A B"}, {"trim", trim_str, "", ""},
        // pad_spaces pads or cuts to the width; a negative width would write in front of the buffer.
        {"pad 6", Pad(6), "ABC", "ABC   ", 7}, {"pad 4", Pad(4), "ABCDEFG", "ABCD"}, {"pad 3", Pad(3), "ABC", "ABC"},
        {"pad 0", Pad(0), "ABC", ""}, {"pad 48", Pad(48), "", std::string(48, ' '), 49},
        {"pad -1", Pad(-1), "ABC", "ABC"},
        // strupper upper-cases only the letters a to z.
        {"upper", strupper, "system.def.queue-1{z}", "SYSTEM.DEF.QUEUE-1{Z}"},
        {"upper", strupper, "caf\xe9 \xff`", "CAF\xe9 \xff`"}, {"upper", strupper, "", ""},
        // str_replace_char replaces every occurrence.
        {"replace", blanksToUnderscores, "X Y Z", "X_Y_Z"}, {"replace", blanksToUnderscores, "  ", "__"},
        {"replace", blanksToUnderscores, "XYZ", "XYZ"},
        {"replace", [](char *text) { str_replace_char(text, '.', '/'); }, "a.b.c", "a/b/c"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(InPlace(row.text, row.op, row.size), row.expected) << row.what << " '" << row.text << "'";
    strip_spaces(nullptr);
    trim_str(nullptr);
    pad_spaces(nullptr, 4);
    strupper(nullptr);
    str_replace_char(nullptr, ' ', '_');
}

TEST(HexText, BytesBecomeUpperCaseDigitPairs)
{
    unsigned char id[24], zeros[24] = {0}, token[32];
    for (int i = 0; i < 24; ++i)
        id[i] = static_cast<unsigned char>(i * 11);
    std::unique_ptr<char[]> text(new char[49]);
    EXPECT_EQ(ConvertByte24ToText48(id, text.get()), 48);
    EXPECT_STREQ(text.get(), "000B16212C37424D58636E79848F9AA5B0BBC6D1DCE7F2FD");
    EXPECT_EQ(ConvertByte24ToText48(zeros, text.get()), 48);
    EXPECT_EQ(std::string(text.get()), std::string(48, '0'));

    std::memset(token, 0xAB, sizeof token);
    token[0] = 0x01;
    token[31] = 0xFE;
    std::unique_ptr<char[]> tokenText(new char[65]);
    EXPECT_EQ(ConvertByte32ToText64(token, tokenText.get()), 64);
    std::string middle;
    for (int i = 0; i < 30; ++i)
        middle += "AB";
    EXPECT_EQ(std::string(tokenText.get()), "01" + middle + "FE");
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

TEST(HexText, DigitPairsOfEitherCaseBecomeBytesByTheScanRules)
{
    std::string lower;
    for (int i = 0; i < 24; ++i)
        lower += "ab";
    EXPECT_EQ(ToBytes24(lower), std::string(24, '\xAB'));
    EXPECT_EQ(ToBytes24("00017F80fFFe" + std::string(36, '0')),
              std::string("\x00\x01\x7F\x80\xFF\xFE", 6) + std::string(18, '\0'));
    // "4 " and " 4": a digit next to white space is that digit alone; "G1", "-1", "+F",
    // "zz", "  " and "x0" are not hex and give 0; "0x" is the digit 0.
    std::string pairs = "4  4G1-1+Fzz  x00x\t9";
    EXPECT_EQ(ToBytes24(pairs + std::string(48 - pairs.size(), 'F')),
              std::string("\x04\x04\x00\x00\x00\x00\x00\x00\x00\x09", 10) + std::string(14, '\xFF'));

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
