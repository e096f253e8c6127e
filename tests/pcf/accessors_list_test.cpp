#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "attr_builders.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

// Every value of a list, read through its getter until the getter refuses an index.
template <class T> std::vector<T> ValuesThrough(int (*get)(MESSAGE *, int32_t, T *), MESSAGE *attr)
{
    std::vector<T> values;
    T value = 0;
    for (int32_t i = 0; get(attr, i, &value); ++i)
        values.push_back(value);
    return values;
}

// The getter's result and the value it left in a variable that started at -1.
template <class T> std::pair<int, T> At(int (*get)(MESSAGE *, int32_t, T *), MESSAGE *attr, int32_t index)
{
    T value = -1;
    int result = get(attr, index, &value);
    return {result, value};
}

// The 32- and 64-bit integer lists behave alike: one typed test runs both.
template <class T> struct IntList;
template <> struct IntList<int32_t> {
    static constexpr auto Create = CreatePcfIntListAttr;
    static constexpr auto Size = SizePcfIntListAttr;
    static constexpr auto Get = GetPcfIntListAttrValue;
    static constexpr auto Sum = GetPcfIntListAttrValueSum;
    static constexpr auto Text = GetPcfIntListAttrValueStr;
    static constexpr auto Set = SetPcfIntListAttrValue;
    static constexpr auto SetText = SetPcfIntListAttrValueStr;
    static std::string Bytes(int32_t parameter, const std::vector<int32_t> &values) { return PcfBytes().Cfil(parameter, values).bytes(); }
};
template <> struct IntList<int64_t> {
    static constexpr auto Create = CreatePcfInt64ListAttr;
    static constexpr auto Size = SizePcfInt64ListAttr;
    static constexpr auto Get = GetPcfInt64ListAttrValue;
    static constexpr auto Sum = GetPcfInt64ListAttrValueSum;
    static constexpr auto Text = GetPcfInt64ListAttrValueStr;
    static constexpr auto Set = SetPcfInt64ListAttrValue;
    static constexpr auto SetText = SetPcfInt64ListAttrValueStr;
    static std::string Bytes(int32_t parameter, const std::vector<int64_t> &values) { return PcfBytes().Cfil64(parameter, values).bytes(); }
};

template <class T> class IntegerLists : public ::testing::Test {
protected:
    using L = IntList<T>;
    using Vs = std::vector<T>;
    static constexpr T kMin = std::numeric_limits<T>::min(), kMax = std::numeric_limits<T>::max();
    static Vs Values(MESSAGE *attr) { return ValuesThrough(L::Get, attr); }
    static std::string Bytes(const Vs &values, int32_t parameter = 1) { return L::Bytes(parameter, values); }
    static std::string ListText(MESSAGE *attr, int32_t max)
    {
        std::vector<char> text(static_cast<std::size_t>(max) + 1, '#');
        EXPECT_EQ(L::Text(attr, text.data(), max), 1);
        return text.data();
    }
};
using IntegerTypes = ::testing::Types<int32_t, int64_t>;
TYPED_TEST_SUITE(IntegerLists, IntegerTypes);

TYPED_TEST(IntegerLists, CreateGetAndSumCheckIndexAndType)
{
    using L = IntList<TypeParam>;
    Attr attr, empty, refused;
    ASSERT_EQ(L::Create(attr.get(), 1002, 3), 1);
    EXPECT_EQ(attr.data(), this->Bytes({0, 0, 0}, 1002));
    EXPECT_EQ(attr->Size, 136 + 16 + 3 * static_cast<int32_t>(sizeof(TypeParam)));
    ASSERT_EQ(L::Create(empty.get(), 1002, 0), 1);
    EXPECT_EQ(empty.data(), this->Bytes({}, 1002));
    EXPECT_EQ(L::Create(refused.get(), 1002, -1), 0);

    Attr list(this->Bytes({10, 20}));
    EXPECT_EQ(At(L::Get, list.get(), 1), std::make_pair(1, TypeParam{20}));
    EXPECT_EQ(At(L::Get, list.get(), 2), std::make_pair(0, TypeParam{-1}));
    EXPECT_EQ(At(L::Get, list.get(), -1), std::make_pair(0, TypeParam{-1}));
    View view(this->Bytes({10, 20}));
    EXPECT_EQ(this->Values(view.get()), (std::vector<TypeParam>{10, 20}));

    // The sum adds to the caller's start and wraps.
    const struct { std::string list; TypeParam start; int result; TypeParam sum; } sums[] = {
        {this->Bytes({1, 2, 3}), 100, 1, 106},
        {this->Bytes({this->kMax, 1}), 0, 1, this->kMin},
        {this->Bytes({}), 42, 1, 42},
    };
    for (const auto &row : sums) {
        Attr summed(row.list);
        TypeParam sum = row.start;
        EXPECT_EQ(L::Sum(summed.get(), &sum), row.result) << row.sum;
        EXPECT_EQ(sum, row.sum);
    }
}

TYPED_TEST(IntegerLists, TextHoldsLongestPrefixThatFitsWithoutCutNumber)
{
    using L = IntList<TypeParam>;
    Attr attr(this->Bytes({1, 22, 333}));
    const std::pair<int32_t, const char *> prefixes[] = {{10, "1,22,333"}, {9, "1,22"}, {5, "1"}, {3, "1"}, {2, ""}, {0, ""}};
    for (const auto &prefix : prefixes)
        EXPECT_EQ(this->ListText(attr.get(), prefix.first), prefix.second) << prefix.first;
    Attr negative(this->Bytes({-7, this->kMin})), empty(this->Bytes({}));
    EXPECT_EQ(this->ListText(negative.get(), 40), "-7," + std::to_string(this->kMin));
    EXPECT_EQ(this->ListText(empty.get(), 10), "");
    char text[4] = "###";
    EXPECT_EQ(L::Text(attr.get(), text, -1), 0);
    EXPECT_STREQ(text, "###");
}

TYPED_TEST(IntegerLists, TextSetsLeadingNumbersOfTheFirst255CharactersFromTheStartAndGrows)
{
    using L = IntList<TypeParam>;
    using Vs = std::vector<TypeParam>;
    Attr attr(this->Bytes({0, 0}, 1002));
    ASSERT_EQ(L::SetText(attr.get(), "5;6,,7"), 1);
    EXPECT_EQ(attr.data(), this->Bytes({5, 6, 7}, 1002));
    const int32_t length = 136 + 16 + 3 * static_cast<int32_t>(sizeof(TypeParam));
    EXPECT_EQ(std::make_pair(attr->Used, attr->Size), std::make_pair(length, length));
    ASSERT_EQ(L::SetText(attr.get(), "9"), 1);
    EXPECT_EQ(this->Values(attr.get()), (Vs{9, 6, 7}));
    ASSERT_EQ(L::SetText(attr.get(), ";,;"), 1);
    ASSERT_EQ(L::SetText(attr.get(), ""), 1);
    EXPECT_EQ(this->Values(attr.get()), (Vs{9, 6, 7}));
    EXPECT_EQ(L::SetText(attr.get(), nullptr), 0);

    Attr tokens(this->Bytes({}));
    const std::string big = "99999999999999999999";
    ASSERT_EQ(L::SetText(tokens.get(), (" 12abc,x,-3,+4,5000000000," + big + ",-" + big).c_str()), 1);
    const TypeParam wide = sizeof(TypeParam) == 8 ? TypeParam(INT64_C(5000000000)) : this->kMax;
    EXPECT_EQ(this->Values(tokens.get()), (Vs{12, 0, -3, 4, wide, this->kMax, this->kMin}));

    // 127 tokens "1," fill 254 characters; the 128th token starts at character 255.
    std::string text;
    for (int i = 0; i < 127; ++i)
        text += "1,";
    Attr longText(this->Bytes({}));
    ASSERT_EQ(L::SetText(longText.get(), (text + "23").c_str()), 1);
    Vs expected(127, 1);
    expected.push_back(2);
    EXPECT_EQ(this->Values(longText.get()), expected);
}

TYPED_TEST(IntegerLists, SetAppendsOnNegativeIndexAndGrowsWithZerosExceptOnViews)
{
    using L = IntList<TypeParam>;
    using Vs = std::vector<TypeParam>;
    Attr attr(this->Bytes({1, 2}));
    ASSERT_EQ(L::Set(attr.get(), -1, this->kMin), 1);
    EXPECT_EQ(this->Values(attr.get()), (Vs{1, 2, this->kMin}));
    ASSERT_EQ(L::Set(attr.get(), 5, 6), 1);
    EXPECT_EQ(attr.data(), this->Bytes({1, 2, this->kMin, 0, 0, 6}));
    ASSERT_EQ(L::Set(attr.get(), 0, -1), 1);
    EXPECT_EQ(this->Values(attr.get()), (Vs{-1, 2, this->kMin, 0, 0, 6}));

    View view(this->Bytes({4}));
    EXPECT_EQ(L::Size(view.get(), 3), 0);
    EXPECT_EQ(L::Set(view.get(), 1, 9), 0);
    ASSERT_EQ(L::Set(view.get(), 0, 9), 1);
    EXPECT_EQ(this->Values(view.get()), Vs{9});
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

TEST(StringList, CreateHoldsNulEntriesAndSettersFillCutAppendAndGrow)
{
    Attr strings, bytes, refused;
    ASSERT_EQ(CreatePcfStrListAttr(strings.get(), 3011, 3, 3), 1);
    EXPECT_EQ(strings.data(), Words({6, 36, 3011, 0, 3, 3}) + std::string(12, '\0'));
    // The byte-string list has a reserved word where the string list has its CCSID.
    ASSERT_EQ(CreatePcfByteStrListAttr(bytes.get(), 7005, 2, 3), 1);
    EXPECT_EQ(bytes.data(), Words({997, 32, 7005, 0, 2, 3}) + std::string(8, '\0'));
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
    const std::pair<const char *, int> finds[] = {{"AB      ", 1}, {"AB", 2}, {"QM1", -1}, {"QM1     TAIL", 0}, {nullptr, -1}};
    for (const auto &find : finds)
        EXPECT_EQ(FindPcfStrListAttrValue(names.get(), find.first), find.second) << (find.first ? find.first : "null");
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
