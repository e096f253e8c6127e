#include <gtest/gtest.h>

#include <cctype>
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

// Digit pairs are read from an exact-size copy: no NUL is looked for.
template <int N>
std::string ToBytes(const std::string &digits, void (*convert)(const char *, void *))
{
    std::unique_ptr<char[]> text(new char[2 * N]);
    std::memcpy(text.get(), digits.data(), 2 * N);
    unsigned char bytes[N];
    std::memset(bytes, 0x5A, sizeof bytes);
    convert(text.get(), bytes);
    return std::string(reinterpret_cast<char *>(bytes), N);
}

TEST(HexText, BytesAndDigitPairsConvertBothWaysAndNullBuffersAreRefused)
{
    unsigned char id[32];
    for (int i = 0; i < 32; ++i)
        id[i] = static_cast<unsigned char>(i * 11 + 1);
    std::unique_ptr<char[]> text(new char[65]);
    EXPECT_EQ(ConvertByte24ToText48(id, text.get()), 48);
    EXPECT_STREQ(text.get(), "010C17222D38434E59646F7A85909BA6B1BCC7D2DDE8F3FE");
    EXPECT_EQ(ToBytes<24>(text.get(), ConvertText48ToByte24), std::string(reinterpret_cast<char *>(id), 24));
    EXPECT_EQ(ConvertByte32ToText64(id, text.get()), 64);
    EXPECT_EQ(std::string(text.get()).substr(40), "DDE8F3FE09141F2A35404B56");
    std::string lower = text.get();
    for (char &c : lower)
        c = static_cast<char>(std::tolower(c));
    EXPECT_EQ(ToBytes<32>(lower, ConvertText64ToByte32), std::string(reinterpret_cast<char *>(id), 32));
    // "4 " and " 4": a digit next to white space is that digit alone; "G1", "-1", "+F",
    // "zz", "  " and "x0" are not hex and give 0; "0x" is the digit 0.
    std::string pairs = "4  4G1-1+Fzz  x00x\t9";
    EXPECT_EQ(ToBytes<24>(pairs + std::string(48 - pairs.size(), 'F'), ConvertText48ToByte24),
              std::string("\x04\x04\x00\x00\x00\x00\x00\x00\x00\x09", 10) + std::string(14, '\xFF'));

    // Null buffers are refused.
    char untouched[49] = "untouched";
    EXPECT_EQ(ConvertByte24ToText48(nullptr, untouched), 0);
    EXPECT_STREQ(untouched, "untouched");
    unsigned char zeros[32] = {0};
    EXPECT_EQ(ConvertByte32ToText64(zeros, nullptr), 0);
    ConvertText48ToByte24(nullptr, zeros);
    ConvertText64ToByte32(nullptr, zeros);
    ConvertText48ToByte24(untouched, nullptr);
    EXPECT_EQ(zeros[0], 0);
}

}  // namespace
