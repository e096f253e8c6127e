#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;
using Ints = std::vector<int32_t>;

// Every value of a list, read through its getter until the getter refuses an index.
template <class T> std::vector<T> ValuesThrough(int (*get)(MESSAGE *, int32_t, T *), MESSAGE *attr)
{
    std::vector<T> values;
    T value = 0;
    for (int32_t i = 0; get(attr, i, &value); ++i)
        values.push_back(value);
    return values;
}

Ints Values(MESSAGE *attr) { return ValuesThrough(GetPcfIntListAttrValue, attr); }
std::vector<int64_t> Values64(MESSAGE *attr) { return ValuesThrough(GetPcfInt64ListAttrValue, attr); }

// The getter's result and the value it left in a variable that started at -1.
template <class T> std::pair<int, T> At(int (*get)(MESSAGE *, int32_t, T *), MESSAGE *attr, int32_t index)
{
    T value = -1;
    int result = get(attr, index, &value);
    return {result, value};
}

std::string ListText(MESSAGE *attr, int32_t max)
{
    std::vector<char> text(static_cast<std::size_t>(max) + 1, '#');
    EXPECT_EQ(GetPcfIntListAttrValueStr(attr, text.data(), max), 1);
    return text.data();
}

TEST(Lists, EveryListRefusesEnvelopeLongerThanItsStructure)
{
    const std::string pad(4, '\0');
    Attr integers(PcfBytes().Cfil(1, {1}).bytes() + pad), integers64(PcfBytes().Cfil64(1, {1}).bytes() + pad);
    Attr strings(PcfBytes().Cfsl(1, {"A"}, 4).bytes() + pad), bytes(PcfBytes().Excfbl(1, {"A"}, 4).bytes() + pad);
    char text[8] = "#######";
    EXPECT_EQ(IsPcfIntListAttr(integers.get()), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(integers.get(), 0, 5), 0);
    EXPECT_EQ(At(GetPcfIntListAttrValue, integers.get(), 0), std::make_pair(0, -1));
    EXPECT_EQ(IsPcfInt64ListAttr(integers64.get()), 0);
    EXPECT_EQ(At(GetPcfInt64ListAttrValue, integers64.get(), 0), std::make_pair(0, int64_t{-1}));
    EXPECT_EQ(SetPcfInt64ListAttrValueStr(integers64.get(), "5"), 0);
    EXPECT_EQ(IsPcfStrListAttr(strings.get()), 0);
    EXPECT_EQ(GetPcfStrListAttrValue(strings.get(), 0, text, 7), 0);
    EXPECT_EQ(SetPcfStrListAttrValue(strings.get(), 0, "B"), 0);
    EXPECT_EQ(IsPcfByteStrListAttr(bytes.get()), 0);
    EXPECT_EQ(GetPcfByteStrListAttrValue(bytes.get(), 0, text, 7), 0);
    EXPECT_STREQ(text, "#######");
    EXPECT_EQ(integers.data(), PcfBytes().Cfil(1, {1}).bytes() + pad);
    EXPECT_EQ(strings.data(), PcfBytes().Cfsl(1, {"A"}, 4).bytes() + pad);
}

TEST(IntegerList, CreateGetAndSumCheckIndexAndType)
{
    Attr attr, empty, refused;
    ASSERT_EQ(CreatePcfIntListAttr(attr.get(), 1002, 3), 1);
    EXPECT_EQ(attr.data(), Words({5, 28, 1002, 3, 0, 0, 0}));
    EXPECT_EQ(attr->Size, 136 + 28);
    EXPECT_EQ(IsPcfIntListAttr(attr.get()), 1);
    ASSERT_EQ(CreatePcfIntListAttr(empty.get(), 1002, 0), 1);
    EXPECT_EQ(empty.data(), Words({5, 16, 1002, 0}));
    EXPECT_EQ(CreatePcfIntListAttr(refused.get(), 1002, -1), 0);

    Attr list(PcfBytes().Cfil(1, {10, 20}).bytes()), list64(PcfBytes().Cfil64(1, {10, 20}).bytes());
    EXPECT_EQ(At(GetPcfIntListAttrValue, list.get(), 1), std::make_pair(1, 20));
    EXPECT_EQ(At(GetPcfIntListAttrValue, list.get(), 2), std::make_pair(0, -1));
    EXPECT_EQ(At(GetPcfIntListAttrValue, list.get(), -1), std::make_pair(0, -1));
    EXPECT_EQ(At(GetPcfIntListAttrValue, list64.get(), 0), std::make_pair(0, -1));
    View view(PcfBytes().Cfil(1, {10, 20}).bytes());
    EXPECT_EQ(Values(view.get()), (Ints{10, 20}));

    // The sum adds to the caller's start and wraps.
    const struct {
        std::string list;
        int32_t start, result, sum;
    } sums[] = {{PcfBytes().Cfil(1, {1, 2, 3}).bytes(), 100, 1, 106},
                {PcfBytes().Cfil(1, {INT32_MAX, 1}).bytes(), 0, 1, INT32_MIN},
                {PcfBytes().Cfil(1, {}).bytes(), 42, 1, 42},
                {PcfBytes().Cfst(1, "1").bytes(), 42, 0, 42}};
    for (const auto &row : sums) {
        Attr summed(row.list);
        int32_t sum = row.start;
        EXPECT_EQ(GetPcfIntListAttrValueSum(summed.get(), &sum), row.result) << row.sum;
        EXPECT_EQ(sum, row.sum);
    }
}

TEST(IntegerList, TextHoldsLongestPrefixThatFitsWithoutCutNumber)
{
    Attr attr(PcfBytes().Cfil(1, {1, 22, 333}).bytes());
    const std::pair<int32_t, const char *> prefixes[] = {{10, "1,22,333"}, {9, "1,22"}, {5, "1"}, {3, "1"}, {2, ""}, {0, ""}};
    for (const auto &prefix : prefixes)
        EXPECT_EQ(ListText(attr.get(), prefix.first), prefix.second) << prefix.first;
    Attr negative(PcfBytes().Cfil(1, {-7, INT32_MIN}).bytes()), empty(PcfBytes().Cfil(1, {}).bytes());
    EXPECT_EQ(ListText(negative.get(), 40), "-7,-2147483648");
    EXPECT_EQ(ListText(empty.get(), 10), "");
    char text[4] = "###";
    EXPECT_EQ(GetPcfIntListAttrValueStr(attr.get(), text, -1), 0);
    EXPECT_STREQ(text, "###");
}

TEST(IntegerList, TextSetsLeadingNumbersOfTheFirst255CharactersFromTheStartAndGrows)
{
    Attr attr(PcfBytes().Cfil(1002, {0, 0}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), "5;6,,7"), 1);
    EXPECT_EQ(attr.data(), Words({5, 28, 1002, 3, 5, 6, 7}));
    EXPECT_EQ(std::make_pair(attr->Used, attr->Size), std::make_pair(136 + 28, 136 + 28));
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), "9"), 1);
    EXPECT_EQ(Values(attr.get()), (Ints{9, 6, 7}));
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), ";,;"), 1);
    ASSERT_EQ(SetPcfIntListAttrValueStr(attr.get(), ""), 1);
    EXPECT_EQ(Values(attr.get()), (Ints{9, 6, 7}));
    EXPECT_EQ(SetPcfIntListAttrValueStr(attr.get(), nullptr), 0);

    Attr tokens(PcfBytes().Cfil(1, {}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValueStr(tokens.get(), " 12abc,x,-3,+4,99999999999,-99999999999"), 1);
    EXPECT_EQ(Values(tokens.get()), (Ints{12, 0, -3, 4, INT32_MAX, INT32_MIN}));

    // 127 tokens "1," fill 254 characters; the 128th token starts at character 255.
    std::string text;
    for (int i = 0; i < 127; ++i)
        text += "1,";
    Attr longText(PcfBytes().Cfil(1, {}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValueStr(longText.get(), (text + "23").c_str()), 1);
    Ints expected(127, 1);
    expected.push_back(2);
    EXPECT_EQ(Values(longText.get()), expected);
}

TEST(IntegerList, SetAppendsOnNegativeIndexAndGrowsWithZerosExceptOnViews)
{
    Attr attr(PcfBytes().Cfil(1, {1, 2}).bytes());
    ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), -1, 3), 1);
    EXPECT_EQ(Values(attr.get()), (Ints{1, 2, 3}));
    ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), 5, 6), 1);
    EXPECT_EQ(attr.data(), Words({5, 40, 1, 6, 1, 2, 3, 0, 0, 6}));
    ASSERT_EQ(SetPcfIntListAttrValue(attr.get(), 0, -1), 1);
    EXPECT_EQ(Values(attr.get()), (Ints{-1, 2, 3, 0, 0, 6}));

    View view(PcfBytes().Cfil(1, {4}).bytes());
    EXPECT_EQ(SizePcfIntListAttr(view.get(), 3), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(view.get(), 1, 9), 0);
    ASSERT_EQ(SetPcfIntListAttrValue(view.get(), 0, 9), 1);
    EXPECT_EQ(Values(view.get()), Ints{9});
}

TEST(ListSizing, ResizingNeverLeavesStaleBytes)
{
    Attr integers, strings;
    ASSERT_EQ(CreatePcfIntListAttr(integers.get(), 1, 64), 1);
    for (int32_t i = 0; i < 64; ++i)
        ASSERT_EQ(SetPcfIntListAttrValue(integers.get(), i, 0x5A5A5A5A), 1);
    ASSERT_EQ(SizePcfIntListAttr(integers.get(), 1), 1);
    EXPECT_EQ(integers.data(), Words({5, 20, 1, 1, 0x5A5A5A5A}));
    ASSERT_EQ(SizePcfIntListAttr(integers.get(), 64), 1);
    EXPECT_EQ(integers.data(), Words({5, 16 + 256, 1, 64, 0x5A5A5A5A}) + std::string(63 * 4, '\0'));

    ASSERT_EQ(CreatePcfStrListAttr(strings.get(), 1, 32, 8), 1);
    for (int32_t i = 0; i < 32; ++i)
        ASSERT_EQ(SetPcfStrListAttrValue(strings.get(), i, "STALE!!!"), 1);
    ASSERT_EQ(SizePcfStrListAttr(strings.get(), 1), 1);
    ASSERT_EQ(SizePcfStrListAttr(strings.get(), 32), 1);
    EXPECT_EQ(strings.data(), Words({6, 24 + 256, 1, 0, 32, 8}) + "STALE!!!" + std::string(31 * 8, '\0'));

    // Shrinking zeroes the padding after the kept entries.
    Attr padded(PcfBytes().Cfsl(1, {"ABC", "DEF", "GHI"}, 3).bytes());
    ASSERT_EQ(SizePcfStrListAttr(padded.get(), 1), 1);
    EXPECT_EQ(padded.data(), Words({6, 28, 1, 0, 1, 3}) + Lit("ABC\0"));
}

TEST(ListSizing, GrowthPastThirtyTwoBitsFailsAndChangesNothing)
{
    const std::string integers = PcfBytes().Cfil(1, {4, 5}).bytes(), integers64 = PcfBytes().Cfil64(1, {4}).bytes();
    const std::string strings = PcfBytes().Cfsl(1, {"A"}, 1000).bytes();
    Attr list(integers), list64(integers64), texts(strings);
    EXPECT_EQ(SizePcfIntListAttr(list.get(), INT32_MAX / 4), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(list.get(), INT32_MAX, 1), 0);
    EXPECT_EQ(SetPcfIntListAttrValue(list.get(), INT32_MAX - 1, 1), 0);
    EXPECT_EQ(SizePcfIntListAttr(list.get(), -1), 0);
    EXPECT_EQ(SizePcfInt64ListAttr(list64.get(), INT32_MAX / 8), 0);
    EXPECT_EQ(SizePcfStrListAttr(texts.get(), 3000000), 0);
    EXPECT_EQ(SetPcfStrListAttrValue(texts.get(), 2999999, "X"), 0);
    EXPECT_EQ(list.data() + list64.data() + texts.data(), integers + integers64 + strings);
    EXPECT_EQ(list->Size, 136 + 24);
}

TEST(Integer64List, CreateGetSetSumAndTextInSixtyFourBits)
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
    EXPECT_EQ(At(GetPcfInt64ListAttrValue, list32.get(), 0), std::make_pair(0, int64_t{-1}));

    Attr extremes(PcfBytes().Cfil64(1, {INT64_MIN, INT64_MAX}).bytes());
    char text[64];
    ASSERT_EQ(GetPcfInt64ListAttrValueStr(extremes.get(), text, 63), 1);
    EXPECT_STREQ(text, "-9223372036854775808,9223372036854775807");
    ASSERT_EQ(GetPcfInt64ListAttrValueStr(extremes.get(), text, 40), 1);
    EXPECT_STREQ(text, "-9223372036854775808");

    // Setting from text grows with the list's own sizing rule.
    Attr grown(PcfBytes().Cfil64(1, {7}).bytes());
    ASSERT_EQ(SetPcfInt64ListAttrValueStr(grown.get(), "5000000000;-1,3"), 1);
    EXPECT_EQ(grown.data(), PcfBytes().Words({25, 40, 1, 3}).Int64(INT64_C(5000000000)).Int64(-1).Int64(3).bytes());
    EXPECT_EQ(grown->Size, 136 + 40);
    EXPECT_EQ(Values64(grown.get()), (std::vector<int64_t>{INT64_C(5000000000), -1, 3}));
}

TEST(StringList, CreateHoldsNulEntriesAndSettersFillCutAppendAndGrow)
{
    Attr strings, bytes, refused;
    ASSERT_EQ(CreatePcfStrListAttr(strings.get(), 3011, 3, 3), 1);
    EXPECT_EQ(strings.data(), Words({6, 36, 3011, 0, 3, 3}) + std::string(12, '\0'));
    // The byte-string list has a reserved word where the string list has its CCSID.
    ASSERT_EQ(CreatePcfByteStrListAttr(bytes.get(), 7005, 2, 3), 1);
    EXPECT_EQ(bytes.data(), Words({997, 32, 7005, 0, 2, 3}) + std::string(8, '\0'));
    EXPECT_EQ(std::make_pair(IsPcfStrListAttr(strings.get()), IsPcfByteStrListAttr(strings.get())), std::make_pair(1, 0));
    EXPECT_EQ(std::make_pair(IsPcfStrListAttr(bytes.get()), IsPcfByteStrListAttr(bytes.get())), std::make_pair(0, 1));
    EXPECT_EQ(CreatePcfStrListAttr(refused.get(), 1, 2, -1), 0);
    EXPECT_EQ(CreatePcfByteStrListAttr(refused.get(), 1, -2, 1), 0);
    EXPECT_EQ(refused->pBlock, nullptr);

    Attr attr;
    ASSERT_EQ(CreatePcfStrListAttr(attr.get(), 1, 4, 8), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 0, "AB"), 1);
    ASSERT_EQ(SetPcfStrListAttrValueWithFill(attr.get(), 1, "AB", '*'), 1);
    ASSERT_EQ(SetPcfStrListAttrValueWithLen(attr.get(), 2, "AB", 1, '-'), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(attr.get(), 3, "ABCDEFGHIJ"), 1);
    EXPECT_EQ(attr.data(), Words({6, 56, 1, 0, 4, 8}) + "AB      AB******A-------ABCDEFGH");
    ASSERT_EQ(SetPcfStrListAttrValueWithLen(attr.get(), 0, "XYZ", 0, '.'), 1);
    EXPECT_EQ(attr.data().substr(24, 8), "XYZ.....");
    EXPECT_EQ(SetPcfStrListAttrValue(attr.get(), 0, nullptr), 0);

    Attr grown(PcfBytes().Cfsl(1, {"AAAA"}, 4).bytes());
    ASSERT_EQ(SetPcfStrListAttrValue(grown.get(), -1, "BB"), 1);
    ASSERT_EQ(SetPcfStrListAttrValue(grown.get(), 3, "D"), 1);
    EXPECT_EQ(grown.data(), Words({6, 40, 1, 0, 4, 4}) + "AAAABB  " + std::string(4, '\0') + "D   ");
    EXPECT_EQ(grown->Size, 136 + 40);
}

TEST(StringList, GetterCopiesAtMostMaxAndFindComparesOverStringLength)
{
    Attr attr(PcfBytes().Cfsl(1, {"ABCDEFGH", "XY"}, 8).bytes());
    char text[12];
    std::memset(text, '#', sizeof text);
    ASSERT_EQ(GetPcfStrListAttrValue(attr.get(), 0, text, 3), 1);
    EXPECT_EQ(std::string(text, 5), Lit("ABC\0#"));
    ASSERT_EQ(GetPcfStrListAttrValue(attr.get(), 1, text, 11), 1);
    EXPECT_STREQ(text, "XY      ");
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(GetPcfStrListAttrValue(attr.get(), 0, text, -1), 0);
    EXPECT_EQ(GetPcfStrListAttrValue(attr.get(), 2, text, 5), 0);
    EXPECT_EQ(text[0], '#');

    Attr names(Words({6, 48, 1, 0, 3, 8}) + "QM1     AB      " + Lit("AB\0\0\0\0\0\0"));
    Attr integers(PcfBytes().Cfil(1, {0}).bytes());
    const std::pair<const char *, int> finds[] = {{"AB      ", 1}, {"AB", 2}, {"QM1", -1}, {"QM1     TAIL", 0}, {nullptr, -1}};
    for (const auto &find : finds)
        EXPECT_EQ(FindPcfStrListAttrValue(names.get(), find.first), find.second) << (find.first ? find.first : "null");
    EXPECT_EQ(FindPcfStrListAttrValue(integers.get(), "AB"), -1);
}

TEST(ByteStringList, SetterNulFillsGetterAddsNothingAndAppendGrows)
{
    Attr attr;
    ASSERT_EQ(CreatePcfByteStrListAttr(attr.get(), 7005, 2, 4), 1);
    ASSERT_EQ(SetPcfByteStrListAttrValue(attr.get(), 0, "\x01\x02", 2), 1);
    ASSERT_EQ(SetPcfByteStrListAttrValue(attr.get(), 1, "\xFF\xFE\xFD\xFC\xFB", 5), 1);
    EXPECT_EQ(attr.data(), Words({997, 32, 7005, 0, 2, 4}) + Lit("\x01\x02\0\0\xFF\xFE\xFD\xFC"));
    unsigned char buffer[6];
    std::memset(buffer, 0xEE, sizeof buffer);
    ASSERT_EQ(GetPcfByteStrListAttrValue(attr.get(), 1, buffer, 3), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 4), "\xFF\xFE\xFD\xEE");
    ASSERT_EQ(GetPcfByteStrListAttrValue(attr.get(), 0, buffer, 6), 1);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 5), Lit("\x01\x02\0\0\xEE"));
    EXPECT_EQ(GetPcfByteStrListAttrValue(attr.get(), 0, buffer, -1), 0);
    EXPECT_EQ(SetPcfByteStrListAttrValue(attr.get(), 0, "\x01", -1), 0);

    Attr grown(PcfBytes().Excfbl(1, {"ab"}, 2).bytes());
    ASSERT_EQ(SetPcfByteStrListAttrValue(grown.get(), -1, "cd", 2), 1);
    ASSERT_EQ(SizePcfStrListAttr(grown.get(), 3), 1);
    EXPECT_EQ(grown.data(), Words({997, 32, 1, 0, 3, 2}) + Lit("abcd\0\0\0\0"));
}

}  // namespace
