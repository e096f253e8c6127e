#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "capture.h"
#include "zemapi.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Convert(const Bytes &in, int32_t direction)
{
    Bytes out(in.size() + 1, 0xEE);  // one guard byte: nothing is written after the text
    EXPECT_EQ(TextConvert(in.data(), out.data(), static_cast<int32_t>(in.size()), direction),
              static_cast<int32_t>(in.size()));
    EXPECT_EQ(out.back(), 0xEE);
    out.pop_back();
    return out;
}

Bytes Text(const std::string &text) { return Bytes(text.begin(), text.end()); }

TEST(TextConvert, HelloWorldToEbcdicAndBack)
{
    const Bytes ebcdic = {0xC8, 0x85, 0x93, 0x93, 0x96, 0x6B, 0x40, 0xA6, 0x96, 0x99, 0x93, 0x84, 0x4F};
    EXPECT_EQ(Convert(Text("Hello, world!"), ZEM_TO_EBCDIC), ebcdic);
    EXPECT_EQ(Convert(ebcdic, ZEM_TO_ASCII), Text("Hello, world!"));
}

TEST(TextConvert, CodePage500WithNewlineAndBarExceptions)
{
    const Bytes ascii = Text(" 0Aa[]!^{}\\~\t\x7F\n|9Zz#@$");
    const Bytes ebcdic = {0x40, 0xF0, 0xC1, 0x81, 0x4A, 0x5A, 0x4F, 0x5F, 0xC0, 0xD0, 0xE0, 0xA1,
                          0x05, 0x07, 0x15, 0x6A, 0xF9, 0xE9, 0xA9, 0x7B, 0x7C, 0x5B};
    EXPECT_EQ(Convert(ascii, ZEM_TO_EBCDIC), ebcdic);
    EXPECT_EQ(Convert(ebcdic, ZEM_TO_ASCII), ascii);
}

TEST(TextConvert, BothEbcdicNewlinesGiveAsciiNewline)
{
    EXPECT_EQ(Convert({0x15, 0x25}, ZEM_TO_ASCII), Text("\n\n"));
}

TEST(TextConvert, EbcdicBytesWithoutSevenBitMeaningGiveZero)
{
    // 0xBB is the code page's own vertical bar; the others are accented, currency or control
    // characters that 7-bit ASCII lacks.
    EXPECT_EQ(Convert({0xBB, 0xB0, 0x9F, 0xFF, 0x41, 0x80}, ZEM_TO_ASCII), Bytes(6, 0x00));
}

TEST(TextConvert, EverySevenBitCodeSurvivesARoundTrip)
{
    Bytes all;
    for (int code = 0; code < 128; ++code)
        all.push_back(static_cast<unsigned char>(code));
    Bytes ebcdic = Convert(all, ZEM_TO_EBCDIC);
    for (std::size_t i = 0; i < ebcdic.size(); ++i)
        for (std::size_t j = i + 1; j < ebcdic.size(); ++j)
            ASSERT_NE(ebcdic[i], ebcdic[j]) << "codes " << i << " and " << j << " collide";
    EXPECT_EQ(Convert(ebcdic, ZEM_TO_ASCII), all);
}

TEST(TextConvert, BytesAboveAsciiBecomeTheEbcdicSubstitute)
{
    EXPECT_EQ(Convert({0x80, 0xE9, 0xFF, 0x41}, ZEM_TO_EBCDIC), Bytes({0x3F, 0x3F, 0x3F, 0xC1}));
}

TEST(TextConvert, WorksInPlace)
{
    Bytes text = Text("QM1 RUNNING");
    EXPECT_EQ(TextConvert(text.data(), text.data(), 11, ZEM_TO_EBCDIC), 11);
    EXPECT_EQ(text, Bytes({0xD8, 0xD4, 0xF1, 0x40, 0xD9, 0xE4, 0xD5, 0xD5, 0xC9, 0xD5, 0xC7}));
    EXPECT_EQ(TextConvert(text.data(), text.data(), 11, ZEM_TO_ASCII), 11);
    EXPECT_EQ(text, Text("QM1 RUNNING"));
}

TEST(TextConvert, EmptyConversionReturnsZeroSilently)
{
    unsigned char src = 'A', dst = 0x55;
    std::string out = zemtest::CaptureStdout([&] { EXPECT_EQ(TextConvert(&src, &dst, 0, ZEM_TO_EBCDIC), 0); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(dst, 0x55);
}

std::string InvalidArgumentText(const void *src, const void *dst, int count)
{
    char pointers[128];
    std::snprintf(pointers, sizeof pointers, "szSrc %p, szDest %p, ulByteCount %d .", src, dst, count);
    return std::string("*** ERROR: TextConvert: src or dest ptr or byte count invalid: \n") + pointers +
           "\nNo conversion done.\n";
}

TEST(TextConvert, InvalidArgumentsPrintTheErrorAndReturnZero)
{
    unsigned char src[4] = {'A', 'B', 'C', 'D'}, dst[4] = {0, 0, 0, 0};
    std::string out = zemtest::CaptureStdout([&] { EXPECT_EQ(TextConvert(src, dst, -1, ZEM_TO_EBCDIC), 0); });
    EXPECT_EQ(out, InvalidArgumentText(src, dst, -1));
    out = zemtest::CaptureStdout([&] { EXPECT_EQ(TextConvert(nullptr, dst, 4, ZEM_TO_ASCII), 0); });
    EXPECT_EQ(out, InvalidArgumentText(nullptr, dst, 4));
    out = zemtest::CaptureStdout([&] { EXPECT_EQ(TextConvert(src, nullptr, 0, ZEM_TO_ASCII), 0); });
    EXPECT_EQ(out, InvalidArgumentText(src, nullptr, 0));
    EXPECT_EQ(std::memcmp(dst, "\0\0\0\0", 4), 0);
}

TEST(TextConvert, UnknownDirectionConvertsNothing)
{
    unsigned char src[2] = {'A', 'B'}, dst[2] = {0x11, 0x22};
    for (int32_t direction : {2, -1, 255}) {
        EXPECT_EQ(TextConvert(src, dst, 2, direction), 0);
        EXPECT_EQ(dst[0], 0x11);
        EXPECT_EQ(dst[1], 0x22);
    }
}

TEST(EbcdicCharSet, FirstDecidingByteJudgesTheText)
{
    const unsigned char ebcdic[] = {0xC1, 0xC2, 0xC3};
    EXPECT_EQ(IsEbcdicCharSet(ebcdic, 3), 1);
    EXPECT_EQ(IsEbcdicCharSet("ABC", 3), 0);
    const unsigned char blankThenLetter[] = {0x40, 0xC1};
    EXPECT_EQ(IsEbcdicCharSet(blankThenLetter, 2), 1);
    // Bytes that are ordinary characters in both sets decide nothing.
    const unsigned char undecided[] = {0x40, 0x4B, 0x15};
    EXPECT_EQ(IsEbcdicCharSet(undecided, 3), 0);
    // Only the counted bytes are looked at.
    const unsigned char cutShort[] = {0x40, 0x40, 0xC1};
    EXPECT_EQ(IsEbcdicCharSet(cutShort, 2), 0);
    EXPECT_EQ(IsEbcdicCharSet(cutShort, 3), 1);
    // The ASCII digit 1 (0x31) has no meaning as EBCDIC, so the text is not EBCDIC.
    EXPECT_EQ(IsEbcdicCharSet("1\xC1", 2), 0);
}

TEST(EbcdicCharSet, EmptyNegativeOrMissingTextIsNotEbcdic)
{
    const unsigned char ebcdic[] = {0xC1};
    EXPECT_EQ(IsEbcdicCharSet(ebcdic, 0), 0);
    EXPECT_EQ(IsEbcdicCharSet(ebcdic, -5), 0);
    EXPECT_EQ(IsEbcdicCharSet(nullptr, 3), 0);
}

TEST(EbcdicCodePage, ListedCcsidsOnly)
{
    for (int32_t ccsid : {37, 285, 500, 870, 273, 277, 278, 280, 282, 284, 297, 420, 423, 424, 838, 871, 875, 880,
                          905, 1025, 1026})
        EXPECT_EQ(IsEbcdicCodePage(ccsid), 1) << ccsid;
    for (int32_t ccsid : {1047, 850, 1208, 819, 437, 0, -37, 36, 38, 1027})
        EXPECT_EQ(IsEbcdicCodePage(ccsid), 0) << ccsid;
}

}  // namespace
