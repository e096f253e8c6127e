#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Converts into a fresh buffer and, as a second opinion, in place.
Bytes Convert(const Bytes &in, int32_t direction)
{
    const int32_t count = static_cast<int32_t>(in.size());
    Bytes out(in.size() + 1, 0xEE), inPlace = in;  // one guard byte: nothing is written after the text
    EXPECT_EQ(TextConvert(in.data(), out.data(), count, direction), count);
    EXPECT_EQ(out.back(), 0xEE);
    out.pop_back();
    EXPECT_EQ(TextConvert(inPlace.data(), inPlace.data(), count, direction), count);
    EXPECT_EQ(inPlace, out);
    return out;
}

Bytes Text(const std::string &text) { return Bytes(text.begin(), text.end()); }

TEST(TextConvert, CodePage500BothWaysAndInPlaceWithItsExceptions)
{
    // Printable characters against the test builders' own code page 500 table; newline is
    // 0x15 and '|' 0x6A.
    std::string printable;
    for (char c = 0x20; c < 0x7F; ++c)
        printable += c;
    const Bytes ascii = Text(printable + "\t\x7F\n"), ebcdic = Text(zemtest::ToEbcdic(printable) + "\x05\x07\x15");
    EXPECT_EQ(Convert(ascii, ZEM_TO_EBCDIC), ebcdic);
    EXPECT_EQ(Convert(ebcdic, ZEM_TO_ASCII), ascii);
    // Both EBCDIC newlines give the ASCII newline.
    EXPECT_EQ(Convert({0x15, 0x25}, ZEM_TO_ASCII), Text("\n\n"));
    // 0xBB is the code page's own vertical bar; the others are accented, currency or control
    // characters that 7-bit ASCII lacks: all give 0.
    EXPECT_EQ(Convert({0xBB, 0xB0, 0x9F, 0xFF, 0x41, 0x80}, ZEM_TO_ASCII), Bytes(6, 0x00));
    // Bytes above ASCII become the EBCDIC substitute.
    EXPECT_EQ(Convert({0x80, 0xE9, 0xFF, 0x41}, ZEM_TO_EBCDIC), Bytes({0x3F, 0x3F, 0x3F, 0xC1}));
}

TEST(TextConvert, EverySevenBitCodeSurvivesARoundTrip)
{
    Bytes all;
    for (int code = 0; code < 128; ++code)
        all.push_back(static_cast<unsigned char>(code));
    EXPECT_EQ(Convert(Convert(all, ZEM_TO_EBCDIC), ZEM_TO_ASCII), all);
}

std::string InvalidArgumentText(const void *src, const void *dst, int count)
{
    char pointers[128];
    std::snprintf(pointers, sizeof pointers, "szSrc %p, szDest %p, ulByteCount %d .", src, dst, count);
    return std::string("*** ERROR: TextConvert: src or dest ptr or byte count invalid: \n") + pointers +
           "\nNo conversion done.\n";
}

TEST(TextConvert, InvalidArgumentsPrintTheErrorAndAnEmptyCountOrUnknownDirectionNothing)
{
    unsigned char src[4] = {'A', 'B', 'C', 'D'}, dst[4] = {0, 0, 0, 0};
    const struct {
        const unsigned char *src;
        unsigned char *dst;
        int count, direction;
        bool complains;
    } rows[] = {{src, dst, -1, 0, true}, {nullptr, dst, 4, 0, true}, {src, nullptr, 0, 0, true},
                {src, dst, 0, ZEM_TO_EBCDIC, false}, {src, dst, 2, 2, false}, {src, dst, 2, -1, false},
                {src, dst, 2, 255, false}};
    for (const auto &row : rows) {
        std::string out = zemtest::CaptureStdout(
            [&] { EXPECT_EQ(TextConvert(row.src, row.dst, row.count, row.direction), 0); });
        EXPECT_EQ(out, row.complains ? InvalidArgumentText(row.src, row.dst, row.count) : "");
    }
    EXPECT_EQ(Bytes(dst, dst + 4), Bytes(4, 0));
}

TEST(EbcdicCharSet, FirstDecidingByteJudgesTheText)
{
    const struct {
        std::string text;
        int count, ebcdic;
    } rows[] = {
        {"\xC1\xC2\xC3", 3, 1}, {"ABC", 3, 0}, {"\x40\xC1", 2, 1},
        {"\x40\x4B\x15", 3, 0},  // ordinary characters in both sets decide nothing
        {"\x40\x40\xC1", 2, 0},  // only the counted bytes are looked at
        {"\x40\x40\xC1", 3, 1},
        {"1\xC1", 2, 0},  // the ASCII digit 1 (0x31) has no meaning as EBCDIC
        {"\xC1", 0, 0}, {"\xC1", -5, 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(IsEbcdicCharSet(row.text.data(), row.count), row.ebcdic) << row.text << " " << row.count;
    EXPECT_EQ(IsEbcdicCharSet(nullptr, 3), 0);
}

TEST(EbcdicCodePage, ListedCcsidsOnly)
{
    const std::pair<int32_t, int> rows[] = {{37, 1},   {500, 1}, {1026, 1}, {1047, 0}, {850, 0},
                                            {1208, 0}, {0, 0},   {-37, 0},  {36, 0},   {38, 0}};
    for (const auto &[ccsid, ebcdic] : rows)
        EXPECT_EQ(IsEbcdicCodePage(ccsid), ebcdic) << ccsid;
}

}  // namespace
