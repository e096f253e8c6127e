#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::Attr;
using zemtest::PcfBytes;
using zemtest::View;

// Every value of a list, read through its getter until the getter refuses an index.
template <class T> std::vector<T> ValuesThrough(int (*get)(MESSAGE *, int32_t, T *), MESSAGE *attr)
{
    std::vector<T> values;
    T value = 0;
    for (int32_t i = 0; get(attr, i, &value); ++i)
        values.push_back(value);
    return values;
}

std::vector<int32_t> Values(MESSAGE *attr) { return ValuesThrough(GetPcfIntListAttrValue, attr); }
std::vector<int64_t> Values64(MESSAGE *attr) { return ValuesThrough(GetPcfInt64ListAttrValue, attr); }

std::string Text(MESSAGE *attr, int32_t max)
{
    std::vector<char> text(static_cast<std::size_t>(max) + 1, '#');
    EXPECT_EQ(GetPcfIntListAttrValueStr(attr, text.data(), max), 1);
    return text.data();
}

std::string Entry(MESSAGE *attr, int32_t index)
{
    char text[64];
    return GetPcfStrListAttrValue(attr, index, text, 63) ? std::string(text) : std::string("<none>");
}

TEST(Lists, EveryListRefusesEnvelopeLongerThanItsStructure)
{
    const std::string pad(4, '\0');
    Attr integers(PcfBytes().Cfil(1, {1}).bytes() + pad);
    Attr integers64(PcfBytes().Cfil64(1, {1}).bytes() + pad);
    Attr strings(PcfBytes().Cfsl(1, {"A"}, 4).bytes() + pad);
    Attr bytes(PcfBytes().Excfbl(1, {"A"}, 4).bytes() + pad);
    int32_t value = -1;
    int64_t value64 = -1;
    char text[8] = "#######";
    EXPECT_EQ(IsPcfIntListAttr(integers.get()), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(integers.get(), 0, 5), 0);
    EXPECT_EQ(GetPcfIntListAttrValue(integers.get(), 0, &value), 0);
    EXPECT_EQ(IsPcfInt64ListAttr(integers64.get()), 0);
    EXPECT_EQ(GetPcfInt64ListAttrValue(integers64.get(), 0, &value64), 0);
    EXPECT_EQ(SetPcfInt64ListAttrValueStr(integers64.get(), "5"), 0);
    EXPECT_EQ(IsPcfStrListAttr(strings.get()), 0);
    EXPECT_EQ(GetPcfStrListAttrValue(strings.get(), 0, text, 7), 0);
    EXPECT_EQ(SetPcfStrListAttrValue(strings.get(), 0, "B"), 0);
    EXPECT_EQ(IsPcfByteStrListAttr(bytes.get()), 0);
    EXPECT_EQ(GetPcfByteStrListAttrValue(bytes.get(), 0, text, 7), 0);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(value64, -1);
    EXPECT_STREQ(text, "#######");
    EXPECT_EQ(integers.data(), PcfBytes().Cfil(1, {1}).bytes() + pad);
    EXPECT_EQ(strings.data(), PcfBytes().Cfsl(1, {"A"}, 4).bytes() + pad);
}

// --- integer lists -------------------------------------------------------------------

TEST(IntegerList, CreateHoldsCountZeroValuesInExactEnvelope)
{
    Attr attr;
    ASSERT_EQ(CreatePcfIntListAttr(attr.get(), 1002, 3), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({5, 28, 1002, 3, 0, 0, 0}).bytes());
    EXPECT_EQ(attr->Size, 136 + 28);
    EXPECT_EQ(IsPcfIntListAttr(attr.get()), 1);
    Attr empty;
    ASSERT_EQ(CreatePcfIntListAttr(empty.get(), 1002, 0), 1);
    EXPECT_EQ(empty.data(), PcfBytes().Words({5, 16, 1002, 0}).bytes());
    Attr refused;
    EXPECT_EQ(CreatePcfIntListAttr(refused.get(), 1002, -1), 0);
}

TEST(IntegerList, GetterChecksIndexTypeAndLength)
{
    Attr attr(PcfBytes().Cfil(1, {10, 20}).bytes());
    int32_t value = -1;
    ASSERT_EQ(GetPcfIntListAttrValue(attr.get(), 1, &value), 1);
    EXPECT_EQ(value, 20);
    value = -1;
    EXPECT_EQ(GetPcfIntListAttrValue(attr.get(), 2, &value), 0);
    EXPECT_EQ(GetPcfIntListAttrValue(attr.get(), -1, &value), 0);
    EXPECT_EQ(value, -1);
    Attr longer(PcfBytes().Cfil(1, {10, 20}).bytes() + std::string(4, '\0'));
    EXPECT_EQ(GetPcfIntListAttrValue(longer.get(), 0, &value), 0);
    Attr list64(PcfBytes().Cfil64(1, {10, 20}).bytes());
    EXPECT_EQ(GetPcfIntListAttrValue(list64.get(), 0, &value), 0);
    EXPECT_EQ(value, -1);
    View view(PcfBytes().Cfil(1, {10, 20}).bytes());
    EXPECT_EQ(Values(view.get()), (std::vector<int32_t>{10, 20}));
}

TEST(IntegerList, SumAddsToCallersStartAndWraps)
{
    Attr attr(PcfBytes().Cfil(1, {1, 2, 3}).bytes());
    int32_t sum = 100;
    ASSERT_EQ(GetPcfIntListAttrValueSum(attr.get(), &sum), 1);
    EXPECT_EQ(sum, 106);
    Attr wrapping(PcfBytes().Cfil(1, {INT32_MAX, 1}).bytes());
    sum = 0;
    ASSERT_EQ(GetPcfIntListAttrValueSum(wrapping.get(), &sum), 1);
    EXPECT_EQ(sum, INT32_MIN);
    Attr empty(PcfBytes().Cfil(1, {}).bytes());
    sum = 42;
    ASSERT_EQ(GetPcfIntListAttrValueSum(empty.get(), &sum), 1);
    EXPECT_EQ(sum, 42);
    Attr string(PcfBytes().Cfst(1, "1").bytes());
    EXPECT_EQ(GetPcfIntListAttrValueSum(string.get(), &sum), 0);
    EXPECT_EQ(sum, 42);
}

TEST(IntegerList, TextHoldsLongestPrefixThatFitsWithoutCutNumber)
{
    Attr attr(PcfBytes().Cfil(1, {1, 22, 333}).bytes());
    EXPECT_EQ(Text(attr.get(), 10), "1,22,333");
    EXPECT_EQ(Text(attr.get(), 9), "1,22");
    EXPECT_EQ(Text(attr.get(), 5), "1");
    EXPECT_EQ(Text(attr.get(), 3), "1");
    EXPECT_EQ(Text(attr.get(), 2), "");
    EXPECT_EQ(Text(attr.get(), 0), "");
    Attr negative(PcfBytes().Cfil(1, {-7, INT32_MIN}).bytes());
    EXPECT_EQ(Text(negative.get(), 40), "-7,-2147483648");
    Attr empty(PcfBytes().Cfil(1, {}).bytes());
    EXPECT_EQ(Text(empty.get(), 10), "");
    char text[4] = "###";
    EXPECT_EQ(GetPcfIntListAttrValueStr(attr.get(), text, -1), 0);
    EXPECT_STREQ(text, "###");
}

TEST(IntegerList, TextSetsValuesFromStartAndGrows)
{
    Attr attr(PcfBytes().Cfil(1002, {0, 0}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), "5;6,,7"), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({5, 28, 1002, 3, 5, 6, 7}).bytes());
    EXPECT_EQ(attr->Used, 136 + 28);
    EXPECT_EQ(attr->Size, 136 + 28);
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), "9"), 1);
    EXPECT_EQ(Values(attr.get()), (std::vector<int32_t>{9, 6, 7}));
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), ";,;"), 1);
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), ""), 1);
    EXPECT_EQ(Values(attr.get()), (std::vector<int32_t>{9, 6, 7}));
    EXPECT_EQ(SetPcfIntListAttrValueStr(attr.get(), nullptr), 0);
}

TEST(IntegerList, TextTokensReadTheirLeadingNumber)
{
    Attr attr(PcfBytes().Cfil(1, {}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), " 12abc,x,-3,+4,99999999999,-99999999999"), 1);
    EXPECT_EQ(Values(attr.get()), (std::vector<int32_t>{12, 0, -3, 4, INT32_MAX, INT32_MIN}));
}

TEST(IntegerList, TextReadsOnlyFirst255Characters)
{
    // 127 tokens "1," fill 254 characters; the 128th token starts at character 255.
    std::string text;
    for (int i = 0; i < 127; ++i)
        text += "1,";
    text += "23";
    Attr attr(PcfBytes().Cfil(1, {}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), text.c_str()), 1);
    auto values = Values(attr.get());
    ASSERT_EQ(values.size(), 128u);
    EXPECT_EQ(values.back(), 2);
}

TEST(IntegerList, SetAppendsOnNegativeIndexAndGrowsWithZeros)
{
    Attr attr(PcfBytes().Cfil(1, {1, 2}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), -1, 3), 1);
    EXPECT_EQ(Values(attr.get()), (std::vector<int32_t>{1, 2, 3}));
    ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), 5, 6), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({5, 40, 1, 6, 1, 2, 3, 0, 0, 6}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), 0, -1), 1);
    EXPECT_EQ(Values(attr.get()), (std::vector<int32_t>{-1, 2, 3, 0, 0, 6}));
}

TEST(IntegerList, ValuesAddedByGrowingAreNeverStaleBytes)
{
    Attr attr;
    ASSERT_EQ(CreatePcfIntListAttr(attr.get(), 1, 64), 1);
    for (int32_t i = 0; i < 64; ++i)
        ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), i, 0x5A5A5A5A), 1);
    ASSERT_EQ(SizePcfIntListAttr(attr.get(), 1), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({5, 20, 1, 1, 0x5A5A5A5A}).bytes());
    ASSERT_EQ(SizePcfIntListAttr(attr.get(), 64), 1);
    auto values = Values(attr.get());
    ASSERT_EQ(values.size(), 64u);
    EXPECT_EQ(values[0], 0x5A5A5A5A);
    for (std::size_t i = 1; i < values.size(); ++i)
        ASSERT_EQ(values[i], 0) << "value " << i;
}

TEST(IntegerList, GrowthPastThirtyTwoBitsFailsAndChangesNothing)
{
    const std::string bytes = PcfBytes().Cfil(1, {4, 5}).bytes();
    Attr attr(bytes);
    EXPECT_EQ(SizePcfIntListAttr(attr.get(), INT32_MAX / 4), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(attr.get(), INT32_MAX, 1), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(attr.get(), INT32_MAX - 1, 1), 0);
    EXPECT_EQ(SizePcfIntListAttr(attr.get(), -1), 0);
    EXPECT_EQ(attr.data(), bytes);
    EXPECT_EQ(attr->Size, 136 + 24);
    Attr list64(PcfBytes().Cfil64(1, {4}).bytes());
    EXPECT_EQ(SizePcfInt64ListAttr(list64.get(), INT32_MAX / 8), 0);
    EXPECT_EQ(list64.data(), PcfBytes().Cfil64(1, {4}).bytes());
}

TEST(IntegerList, ViewsCannotGrow)
{
    View view(PcfBytes().Cfil(1, {4}).bytes());
    EXPECT_EQ(SizePcfIntListAttr(view.get(), 3), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(view.get(), 1, 9), 0);
    ASSERT_EQ(SetPcfIntListAttrValue(view.get(), 0, 9), 1);
    EXPECT_EQ(Values(view.get()), std::vector<int32_t>{9});
}

TEST(Integer64List, CreateGetSetAndSumInSixtyFourBits)
{
    Attr attr;
    ASSERT_EQ(CreatePcfInt64ListAttr(attr.get(), 3001, 2), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({25, 32, 3001, 2}).Int64(0).Int64(0).bytes());
    ASSERT_EQ(SetPcfInt64ListAttrValue(attr.get(), 0, INT64_C(5000000000)), 1);
    ASSERT_EQ(SetPcfInt64ListAttrValue(attr.get(), -1, INT64_MIN), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({25, 40, 3001, 3}).Int64(INT64_C(5000000000)).Int64(0).Int64(INT64_MIN).bytes());
    int64_t sum = INT64_MAX;
    ASSERT_EQ(GetPcfInt64ListAttrValueSum(attr.get(), &sum), 1);
    EXPECT_EQ(sum, INT64_C(5000000000) - 1);
    Attr list32(PcfBytes().Cfil(1, {1}).bytes());
    int64_t value = -1;
    EXPECT_EQ(GetPcfInt64ListAttrValue(list32.get(), 0, &value), 0);
    EXPECT_EQ(value, -1);
}

TEST(Integer64List, TextUsesSignedSixtyFourBitDecimals)
{
    Attr attr(PcfBytes().Cfil64(1, {INT64_MIN, INT64_MAX}).bytes());
    char text[64];
    ASSERT_EQ(GetPcfInt64ListAttrValueStr(attr.get(), text, 63), 1);
    EXPECT_STREQ(text, "-9223372036854775808,9223372036854775807");
    ASSERT_EQ(GetPcfInt64ListAttrValueStr(attr.get(), text, 40), 1);
    EXPECT_STREQ(text, "-9223372036854775808");
}

TEST(Integer64List, TextGrowsWithItsOwnSizingRule)
{
    Attr attr(PcfBytes().Cfil64(1, {7}).bytes());
    ASSERT_EQ(SetPcfInt64ListAttrValueStr(attr.get(), "5000000000;-1,3"), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({25, 40, 1, 3}).Int64(INT64_C(5000000000)).Int64(-1).Int64(3).bytes());
    EXPECT_EQ(attr->Size, 136 + 40);
    EXPECT_EQ(Values64(attr.get()), (std::vector<int64_t>{INT64_C(5000000000), -1, 3}));
}

// --- string lists --------------------------------------------------------------------

TEST(EntryLists, CreateHoldsNulEntriesPaddedToFour)
{
    Attr strings;
    ASSERT_EQ(CreatePcfStrListAttr(strings.get(), 3011, 3, 3), 1);
    EXPECT_EQ(strings.data(), PcfBytes().Words({6, 36, 3011, 0, 3, 3}).Raw(std::string(12, '\0')).bytes());
    EXPECT_EQ(IsPcfStrListAttr(strings.get()), 1);
    EXPECT_EQ(IsPcfByteStrListAttr(strings.get()), 0);
    // The byte-string list has a reserved word where the string list has its CCSID.
    Attr bytes;
    ASSERT_EQ(CreatePcfByteStrListAttr(bytes.get(), 7005, 2, 3), 1);
    EXPECT_EQ(bytes.data(), PcfBytes().Words({997, 32, 7005, 0, 2, 3}).Raw(std::string(8, '\0')).bytes());
    EXPECT_EQ(IsPcfByteStrListAttr(bytes.get()), 1);
    EXPECT_EQ(IsPcfStrListAttr(bytes.get()), 0);
    Attr refused;
    EXPECT_EQ(CreatePcfStrListAttr(refused.get(), 1, 2, -1), 0);
    EXPECT_EQ(CreatePcfByteStrListAttr(refused.get(), 1, -2, 1), 0);
    EXPECT_EQ(refused->pBlock, nullptr);
}

TEST(StringList, SettersFillCutAndTakeExplicitLengths)
{
    Attr attr;
    ASSERT_EQ(CreatePcfStrListAttr(attr.get(), 1, 4, 8), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 0, "AB"), 1);
    ASSERT_EQ(SetPcfStrListAttrValueWithFill(attr.get(), 1, "AB", '*'), 1);
    ASSERT_EQ(SetPcfStrListAttrValueWithLen(attr.get(), 2, "AB", 1, '-'), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 3, "ABCDEFGHIJ"), 1);
    EXPECT_EQ(attr.data(), PcfBytes()
                               .Words({6, 56, 1, 0, 4, 8})
                               .Raw("AB      AB******A-------ABCDEFGH")
                               .bytes());
    ASSERT_EQ(SetPcfStrListAttrValueWithLen(attr.get(), 0, "XYZ", 0, '.'), 1);
    EXPECT_EQ(Entry(attr.get(), 0), "XYZ.....");
    EXPECT_EQ(SetPcfStrListAttrValue(attr.get(), 0, nullptr), 0);
}

TEST(StringList, SetterAppendsAndGrowsWithNulEntries)
{
    Attr attr(PcfBytes().Cfsl(1, {"AAAA"}, 4).bytes());
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), -1, "BB"), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 3, "D"), 1);
    EXPECT_EQ(attr.data(),
              PcfBytes().Words({6, 40, 1, 0, 4, 4}).Raw(std::string("AAAABB  ") + std::string(4, '\0') + "D   ").bytes());
    EXPECT_EQ(attr->Size, 136 + 40);
}

TEST(StringList, GetterCopiesAtMostMaxAndTerminates)
{
    Attr attr(PcfBytes().Cfsl(1, {"ABCDEFGH", "XY"}, 8).bytes());
    char text[12];
    std::memset(text, '#', sizeof text);
    ASSERT_EQ(GetPcfStrListAttrValue(attr.get(), 0, text, 3), 1);
    EXPECT_EQ(std::string(text, 5), std::string("ABC\0#", 5));
    ASSERT_EQ(GetPcfStrListAttrValue(attr.get(), 1, text, 11), 1);
    EXPECT_STREQ(text, "XY      ");
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(GetPcfStrListAttrValue(attr.get(), 0, text, -1), 0);
    EXPECT_EQ(GetPcfStrListAttrValue(attr.get(), 2, text, 5), 0);
    EXPECT_EQ(text[0], '#');
}

TEST(StringList, StringEntriesAddedByGrowingAreNeverStale)
{
    Attr attr;
    ASSERT_EQ(CreatePcfStrListAttr(attr.get(), 1, 32, 8), 1);
    for (int32_t i = 0; i < 32; ++i)
        ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), i, "STALE!!!"), 1);
    ASSERT_EQ(SizePcfStrListAttr(attr.get(), 1), 1);
    ASSERT_EQ(SizePcfStrListAttr(attr.get(), 32), 1);
    EXPECT_EQ(attr.data(),
              PcfBytes().Words({6, 24 + 256, 1, 0, 32, 8}).Raw("STALE!!!" + std::string(31 * 8, '\0')).bytes());
}

TEST(StringList, ShrinkZeroesThePaddingOfTheKeptEntries)
{
    Attr attr(PcfBytes().Cfsl(1, {"ABC", "DEF", "GHI"}, 3).bytes());
    ASSERT_EQ(SizePcfStrListAttr(attr.get(), 1), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({6, 28, 1, 0, 1, 3}).Raw(std::string("ABC\0", 4)).bytes());
}

TEST(StringList, GrowthPastThirtyTwoBitsFails)
{
    const std::string bytes = PcfBytes().Cfsl(1, {"A"}, 1000).bytes();
    Attr attr(bytes);
    EXPECT_EQ(SizePcfStrListAttr(attr.get(), 3000000), 0);
    EXPECT_EQ(SetPcfStrListAttrValue(attr.get(), 2999999, "X"), 0);
    EXPECT_EQ(attr.data(), bytes);
}

TEST(StringList, FindComparesOverStringLength)
{
    Attr attr;
    ASSERT_EQ(CreatePcfStrListAttr(attr.get(), 1, 3, 8), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 0, "QM1"), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 1, "AB"), 1);
    ASSERT_EQ(SetPcfStrListAttrValueWithFill(attr.get(), 2, "AB", '\0'), 1);
    EXPECT_EQ(FindPcfStrListAttrValue(attr.get(), "AB      "), 1);
    EXPECT_EQ(FindPcfStrListAttrValue(attr.get(), "AB"), 2);
    EXPECT_EQ(FindPcfStrListAttrValue(attr.get(), "QM1"), -1);
    EXPECT_EQ(FindPcfStrListAttrValue(attr.get(), "QM1     TAIL"), 0);
    EXPECT_EQ(FindPcfStrListAttrValue(attr.get(), nullptr), -1);
    Attr integers(PcfBytes().Cfil(1, {0}).bytes());
    EXPECT_EQ(FindPcfStrListAttrValue(integers.get(), "AB"), -1);
}

TEST(ByteStringList, SetterNulFillsAndGetterAddsNothing)
{
    Attr attr;
    ASSERT_EQ(CreatePcfByteStrListAttr(attr.get(), 7005, 2, 4), 1);
    ASSERT_EQ(SetPcfByteStrListAttrValue(attr.get(), 0, "\x01\x02", 2), 1);
    ASSERT_EQ(SetPcfByteStrListAttrValue(attr.get(), 1, "\xFF\xFE\xFD\xFC\xFB", 5), 1);
    EXPECT_EQ(attr.data(),
              PcfBytes().Words({997, 32, 7005, 0, 2, 4}).Raw(std::string("\x01\x02\0\0\xFF\xFE\xFD\xFC", 8)).bytes());
    unsigned char buffer[6];
    std::memset(buffer, 0xEE, sizeof buffer);
    ASSERT_EQ(GetPcfByteStrListAttrValue(attr.get(), 1, buffer, 3), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 4), "\xFF\xFE\xFD\xEE");
    ASSERT_EQ(GetPcfByteStrListAttrValue(attr.get(), 0, buffer, 6), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 5), std::string("\x01\x02\0\0\xEE", 5));
    EXPECT_EQ(GetPcfByteStrListAttrValue(attr.get(), 0, buffer, -1), 0);
    EXPECT_EQ(SetPcfByteStrListAttrValue(attr.get(), 0, "\x01", -1), 0);
}

TEST(ByteStringList, AppendGrowsThroughTheStringListSizing)
{
    Attr attr(PcfBytes().Excfbl(1, {"ab"}, 2).bytes());
    ASSERT_EQ(SetPcfByteStrListAttrValue(attr.get(), -1, "cd", 2), 1);
    ASSERT_EQ(SizePcfStrListAttr(attr.get(), 3), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({997, 32, 1, 0, 3, 2}).Raw(std::string("abcd\0\0\0\0", 8)).bytes());
}

}  // namespace
