#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace zemtest;

std::string Chars(const void *bytes, std::size_t length) { return std::string(static_cast<const char *>(bytes), length); }

// The text a string getter leaves in a '#'-filled buffer of max + 1 bytes and more, or
// "refused"; "!" marks a write past the max + 1 bytes it may use.
template <class Get> std::string TextOf(Get get, int32_t max)
{
    char text[64];
    std::memset(text, '#', sizeof text);
    if (!get(text, max))
        return text[0] == '#' ? "refused" : "refused, written";
    return std::string(text) + (max >= 0 && text[max + 1] != '#' ? "!" : "");
}

std::string StrOf(MESSAGE *attr, int32_t max)
{
    return TextOf([attr](char *text, int32_t n) { return GetPcfStrAttrValue(attr, text, n); }, max);
}

// The getter's result and the value it left in a variable that started at -1.
template <class T> std::pair<int, T> Got(int (*get)(MESSAGE *, T *), MESSAGE *attr)
{
    T value = -1;
    int result = get(attr, &value);
    return {result, value};
}

// The caller's variables the readers write into.
struct Outputs {
    int64_t i64;
    int32_t i32, op, length;
    char text[20];
};

// Every accessor on every structure type, as an owning envelope and as a view: each serves
// its own types only and none once the envelope is longer than the structure; a refusal
// writes neither the caller's variables nor the structure.
TEST(Accessors, EachServesItsOwnTypesAtTheirExactLengthOnly)
{
    const struct { const char *type; std::string bytes; int (*is)(MESSAGE *); } samples[] = {
        {"IN", PcfBytes().Cfin(1, 7).bytes(), IsPcfIntAttr},
        {"ST", PcfBytes().Cfst(2, "ABCDE").bytes(), IsPcfStrAttr},
        {"IF", PcfBytes().Cfif(3, 4, 5).bytes(), IsPcfIntFltrAttr},
        {"SF", PcfBytes().Cfsf(4, 2, "Q*").bytes(), IsPcfStrFltrAttr},
        {"BS", PcfBytes().Cfbs(5, "\x01\x02\x03").bytes(), IsPcfByteStrAttr},
        {"BF", PcfBytes().Cfbf(6, 5, "ab").bytes(), IsPcfByteStrFltrAttr},
        {"BIN", PcfBytes().Binary(7, "xyz").bytes(), IsPcfBinAttr},
        {"PCF", PcfBytes().EmbeddedPcf(8, PcfBytes().Cfh(1, 13, 0).bytes()).bytes(), IsPcfPcfAttr},
        {"IN64", PcfBytes().Cfin64(9, -2).bytes(), IsPcfInt64Attr},
        {"IL", PcfBytes().Cfil(10, {1}).bytes(), IsPcfIntListAttr},
        {"IL64", PcfBytes().Cfil64(11, {1}).bytes(), IsPcfInt64ListAttr},
        {"SL", PcfBytes().Cfsl(12, {"A"}, 4).bytes(), IsPcfStrListAttr},
        {"BL", PcfBytes().Excfbl(13, {"A"}, 4).bytes(), IsPcfByteStrListAttr},
        {"GR", PcfBytes().Cfgr(14, 0).bytes(), IsPcfGroupAttr},
    };
    Outputs out;
    PcfPtr pcf(CreatePcfMessage(0, ZEM_MQCFT_RESPONSE, 0));
    using Call = std::function<int(MESSAGE *)>;
    struct Accessor { std::string name; Call call; std::set<std::string> serves; };
    std::vector<Accessor> accessors = {
        {"GetPcfIntAttrValue", [&](MESSAGE *a) { return GetPcfIntAttrValue(a, &out.i32); }, {"IN"}},
        {"SetPcfIntAttrValue", [](MESSAGE *a) { return SetPcfIntAttrValue(a, 5); }, {"IN"}},
        {"GetPcfInt64AttrValue", [&](MESSAGE *a) { return GetPcfInt64AttrValue(a, &out.i64); }, {"IN64"}},
        {"SetPcfInt64AttrValue", [](MESSAGE *a) { return SetPcfInt64AttrValue(a, 5); }, {"IN64"}},
        {"GetPcfStrAttrValue", [&](MESSAGE *a) { return GetPcfStrAttrValue(a, out.text, 7); }, {"ST"}},
        {"SetPcfStrAttrValue", [](MESSAGE *a) { return SetPcfStrAttrValue(a, "X"); }, {"ST"}},
        {"GetPcfIntFltrAttrValue", [&](MESSAGE *a) { return GetPcfIntFltrAttrValue(a, &out.i32, &out.op); }, {"IF"}},
        {"SetPcfIntFltrAttrValue", [](MESSAGE *a) { return SetPcfIntFltrAttrValue(a, 5, 1); }, {"IF"}},
        {"GetPcfStrFltrAttrValue", [&](MESSAGE *a) { return GetPcfStrFltrAttrValue(a, out.text, 7, &out.op); }, {"SF"}},
        {"SetPcfStrFltrAttrValue", [](MESSAGE *a) { return SetPcfStrFltrAttrValue(a, "X", 1); }, {"SF"}},
        {"GetPcfFilterOperator", [&](MESSAGE *a) { return GetPcfFilterOperator(a, &out.op); }, {"IF", "SF", "BF"}},
        {"GetPcfByteStrAttrValue", [&](MESSAGE *a) { return GetPcfByteStrAttrValue(a, out.text, &out.length); }, {"BS"}},
        {"GetPcfByteStrAttrValueLength", [&](MESSAGE *a) { return GetPcfByteStrAttrValueLength(a, &out.length); }, {"BS"}},
        {"SetPcfByteStrAttrValue", [](MESSAGE *a) { return SetPcfByteStrAttrValue(a, "X", 1); }, {"BS"}},
        {"GetPcfByteStrFltrAttrValue", [&](MESSAGE *a) { return GetPcfByteStrFltrAttrValue(a, out.text, &out.length); }, {"BF"}},
        {"SetPcfByteStrFltrAttrValue", [](MESSAGE *a) { return SetPcfByteStrFltrAttrValue(a, "X", 1); }, {"BF"}},
        {"GetPcfBinAttrValue", [&](MESSAGE *a) { return GetPcfBinAttrValue(a, out.text, &out.length); }, {"BIN", "ST", "BS", "PCF"}},
        {"SetPcfBinAttrValue", [](MESSAGE *a) { return SetPcfBinAttrValue(a, "X", 1); }, {"BIN"}},
        {"GetPcfPcfAttrValue", [&](MESSAGE *a) { return GetPcfPcfAttrValue(a, pcf.get()); }, {"PCF"}},
        {"GetPcfIntListAttrValue", [&](MESSAGE *a) { return GetPcfIntListAttrValue(a, 0, &out.i32); }, {"IL"}},
        {"GetPcfIntListAttrValueSum", [&](MESSAGE *a) { return GetPcfIntListAttrValueSum(a, &out.i32); }, {"IL"}},
        {"GetPcfIntListAttrValueStr", [&](MESSAGE *a) { return GetPcfIntListAttrValueStr(a, out.text, 7); }, {"IL"}},
        {"SetPcfIntListAttrValue", [](MESSAGE *a) { return SetPcfIntListAttrValue(a, 0, 5); }, {"IL"}},
        {"SetPcfIntListAttrValueStr", [](MESSAGE *a) { return SetPcfIntListAttrValueStr(a, "5"); }, {"IL"}},
        {"GetPcfInt64ListAttrValue", [&](MESSAGE *a) { return GetPcfInt64ListAttrValue(a, 0, &out.i64); }, {"IL64"}},
        {"GetPcfInt64ListAttrValueSum", [&](MESSAGE *a) { return GetPcfInt64ListAttrValueSum(a, &out.i64); }, {"IL64"}},
        {"GetPcfInt64ListAttrValueStr", [&](MESSAGE *a) { return GetPcfInt64ListAttrValueStr(a, out.text, 7); }, {"IL64"}},
        {"SetPcfInt64ListAttrValue", [](MESSAGE *a) { return SetPcfInt64ListAttrValue(a, 0, 5); }, {"IL64"}},
        {"SetPcfInt64ListAttrValueStr", [](MESSAGE *a) { return SetPcfInt64ListAttrValueStr(a, "5"); }, {"IL64"}},
        {"GetPcfStrListAttrValue", [&](MESSAGE *a) { return GetPcfStrListAttrValue(a, 0, out.text, 7); }, {"SL"}},
        {"SetPcfStrListAttrValue", [](MESSAGE *a) { return SetPcfStrListAttrValue(a, 0, "B"); }, {"SL"}},
        {"SetPcfStrListAttrValueWithFill", [](MESSAGE *a) { return SetPcfStrListAttrValueWithFill(a, 0, "B", '*'); }, {"SL"}},
        {"SetPcfStrListAttrValueWithLen", [](MESSAGE *a) { return SetPcfStrListAttrValueWithLen(a, 0, "B", 1, '*'); }, {"SL"}},
        {"FindPcfStrListAttrValue", [](MESSAGE *a) { return FindPcfStrListAttrValue(a, "A   ") + 1; }, {"SL"}},
        {"SortPcfListAttr", SortPcfListAttr, {"SL"}},
        {"GetPcfByteStrListAttrValue", [&](MESSAGE *a) { return GetPcfByteStrListAttrValue(a, 0, out.text, 7); }, {"BL"}},
        {"SetPcfByteStrListAttrValue", [](MESSAGE *a) { return SetPcfByteStrListAttrValue(a, 0, "B", 1); }, {"BL"}},
        {"GetPcfGroupAttrCounter", [&](MESSAGE *a) { return GetPcfGroupAttrCounter(a, &out.i32); }, {"GR"}},
    };
    for (const auto &sample : samples)
        accessors.push_back({std::string("test of ") + sample.type, sample.is, {sample.type}});
    for (const auto &accessor : accessors)
        EXPECT_LE(accessor.call(nullptr), 0) << accessor.name;
    for (const auto &sample : samples) {
        for (const auto &accessor : accessors) {
            SCOPED_TRACE(accessor.name + " on " + sample.type);
            for (const std::string &pad : {std::string(), std::string(4, '\0')}) {
                Attr owned(sample.bytes + pad);
                View view(sample.bytes + pad);
                for (MESSAGE *attr : {owned.get(), view.get()}) {
                    const std::string before(reinterpret_cast<char *>(attr->pData), sample.bytes.size() + pad.size());
                    std::memset(&out, '#', sizeof out);
                    out.length = 8;
                    const std::string untouched(reinterpret_cast<char *>(&out), sizeof out);
                    const int result = accessor.call(attr);
                    // A group's envelope also holds its members: the padding reads as member bytes.
                    const bool fits = pad.empty() || std::string(sample.type) == "GR";
                    EXPECT_EQ(result > 0, fits && accessor.serves.count(sample.type)) << pad.size();
                    if (result <= 0) {
                        EXPECT_EQ(std::string(reinterpret_cast<char *>(&out), sizeof out), untouched);
                        EXPECT_EQ(std::string(reinterpret_cast<char *>(attr->pData), before.size()), before);
                    }
                }
            }
        }
    }
}

TEST(StringAttr, CreateWritesPaddedStructureInExactEnvelopeKeepingNulBytes)
{
    const struct { const char *text; std::string data; } created[] = {
        {"", Words({4, 20, 2016, 0, 0})},
        {"ABCDE", Words({4, 28, 2016, 0, 5}) + Lit("ABCDE\0\0\0")},
        {"ABCD", Words({4, 24, 2016, 0, 4}) + "ABCD"},
    };
    for (const auto &row : created) {
        Attr attr;
        ASSERT_EQ(CreatePcfStrAttr(attr.get(), 2016, row.text), 1);
        EXPECT_EQ(attr.data(), row.data);
        EXPECT_EQ(attr->Size, 136 + static_cast<int32_t>(row.data.size()));
    }
    Attr attr, refused;
    EXPECT_EQ(CreatePcfStrAttr(refused.get(), 1, nullptr), 0);
    ASSERT_EQ(CreatePcfNZStrAttr(attr.get(), 3, "A\0B", 3), 1);
    EXPECT_EQ(attr.data(), Words({4, 24, 3, 0, 3}) + Lit("A\0B\0"));
    char text[8];
    ASSERT_EQ(GetPcfStrAttrValue(attr.get(), text, 7), 1);
    EXPECT_EQ(Chars(text, 4), Lit("A\0B\0"));
    EXPECT_EQ(CreatePcfNZStrAttr(refused.get(), 3, "abc", -1), 0);
    EXPECT_EQ(refused->pBlock, nullptr);
}

TEST(StringAttr, GetterCopiesAtMostMaxAndSetterPadsWithNulsOrCutsWithinCreatedLength)
{
    Attr attr(PcfBytes().Cfst(2, "ABCDE").bytes()), padded(PcfBytes().Cfst(2016, "QM1   ").bytes());
    EXPECT_EQ(StrOf(attr.get(), 3), "ABC");
    EXPECT_EQ(StrOf(attr.get(), 10), "ABCDE");
    EXPECT_EQ(StrOf(padded.get(), 11), "QM1   ") << "trailing blanks stay";
    EXPECT_EQ(StrOf(attr.get(), 0), "");
    EXPECT_EQ(StrOf(attr.get(), -1), "refused");
    EXPECT_EQ(GetPcfStrAttrValue(attr.get(), nullptr, 3), 0);

    ASSERT_EQ(SetPcfStrAttrValue(attr.get(), "XY"), 1);
    EXPECT_EQ(attr.data(), Words({4, 28, 2, 0, 5}) + Lit("XY\0\0\0\0\0\0"));
    ASSERT_EQ(SetPcfStrAttrValue(attr.get(), "UVWXYZ"), 1);
    EXPECT_EQ(attr.data(), Words({4, 28, 2, 0, 5}) + Lit("UVWXY\0\0\0"));
    EXPECT_EQ(SetPcfStrAttrValue(attr.get(), nullptr), 0);

    View view(PcfBytes().Cfst(2016, "QUEUE").bytes());
    EXPECT_EQ(StrOf(view.get(), 7), "QUEUE");
    ASSERT_EQ(SetPcfStrAttrValue(view.get(), "Q"), 1);
    EXPECT_EQ(StrOf(view.get(), 7), "Q");
}

TEST(IntegerAttr, CreateGetSetInNativeOrderWithTheSixtyFourBitValueAfterAReservedWord)
{
    Attr attr, wide;
    ASSERT_EQ(CreatePcfIntAttr(attr.get(), 20, -5), 1);
    EXPECT_EQ(attr.data(), Words({3, 16, 20, -5}));
    EXPECT_EQ(attr->Size, 136 + 16);
    EXPECT_EQ(Got(GetPcfIntAttrValue, attr.get()), std::make_pair(1, -5));
    ASSERT_EQ(SetPcfIntAttrValue(attr.get(), INT32_MIN), 1);
    EXPECT_EQ(attr.data(), Words({3, 16, 20, INT32_MIN}));
    EXPECT_EQ(GetPcfIntAttrValue(attr.get(), nullptr), 0);

    ASSERT_EQ(CreatePcfInt64Attr(wide.get(), 21, INT64_C(0x0102030405060708)), 1);
    EXPECT_EQ(wide.data(), PcfBytes().Words({23, 24, 21, 0}).Int64(INT64_C(0x0102030405060708)).bytes());
    ASSERT_EQ(SetPcfInt64AttrValue(wide.get(), INT64_MIN), 1);
    EXPECT_EQ(Got(GetPcfInt64AttrValue, wide.get()), std::make_pair(1, INT64_MIN));
    EXPECT_EQ(wide.data(), PcfBytes().Words({23, 24, 21, 0}).Int64(INT64_MIN).bytes());
}

TEST(FilterAttr, OperatorComesFirstOnlyInTheConstructorsAndIsReadFromTheThreeFiltersOnly)
{
    Attr integer, string, bytes;
    ASSERT_EQ(CreatePcfIntFltrAttr(integer.get(), 3, /*op*/ 4, /*value*/ 100), 1);
    EXPECT_EQ(integer.data(), Words({13, 20, 3, 4, 100}));
    int32_t value = 0, op = 0;
    ASSERT_EQ(GetPcfIntFltrAttrValue(integer.get(), &value, &op), 1);
    EXPECT_EQ(std::make_pair(value, op), std::make_pair(100, 4));
    ASSERT_EQ(SetPcfIntFltrAttrValue(integer.get(), /*value*/ 7, /*op*/ 1), 1);
    EXPECT_EQ(integer.data(), Words({13, 20, 3, 1, 7}));
    EXPECT_EQ(GetPcfIntFltrAttrValue(integer.get(), &value, nullptr), 0);

    ASSERT_EQ(CreatePcfStrFltrAttr(string.get(), 2016, 18, "SYS*"), 1);
    EXPECT_EQ(string.data(), Words({14, 28, 2016, 18, 0, 4}) + "SYS*");
    EXPECT_EQ(TextOf([&](char *text, int32_t max) { return GetPcfStrFltrAttrValue(string.get(), text, max, &op); }, 2), "SY");
    EXPECT_EQ(op, 18);
    ASSERT_EQ(SetPcfStrFltrAttrValue(string.get(), "AB", 2), 1);
    EXPECT_EQ(string.data(), Words({14, 28, 2016, 2, 0, 4}) + Lit("AB\0\0"));
    EXPECT_EQ(TextOf([&](char *text, int32_t max) { return GetPcfStrFltrAttrValue(string.get(), text, max, nullptr); }, 2),
              "refused");

    // The byte-string filter is created with MQCFOP_EQUAL (2): 0 is no MQ operator.
    ASSERT_EQ(CreatePcfByteStrFltrAttr(bytes.get(), 7002, "\xAA\xBB", 2), 1);
    EXPECT_EQ(bytes.data(), Words({15, 24, 7002, 2, 2}) + Lit("\xAA\xBB\0\0"));
    ASSERT_EQ(SetPcfByteStrFltrAttrValue(bytes.get(), "\x11", 1), 1);
    unsigned char buffer[4];
    int32_t length = 4;
    ASSERT_EQ(GetPcfByteStrFltrAttrValue(bytes.get(), buffer, &length), 1);
    EXPECT_EQ(Chars(buffer, static_cast<std::size_t>(length)), "\x11\xBB");

    for (const auto &[filter, expected] : {std::make_pair(integer.get(), 1), {string.get(), 2}, {bytes.get(), 2}}) {
        ASSERT_EQ(GetPcfFilterOperator(filter, &op), 1);
        EXPECT_EQ(op, expected);
    }
    EXPECT_EQ(GetPcfFilterOperator(string.get(), nullptr), 0);
}

TEST(ByteStringAttr, GetterIsLimitedByCapacityAndSetterOverwritesOnlyTheStart)
{
    Attr attr;
    ASSERT_EQ(CreatePcfByteStrAttr(attr.get(), 7001, "\x01\x02\x03\x04\x05", 5), 1);
    EXPECT_EQ(attr.data(), Words({9, 24, 7001, 5}) + Lit("\x01\x02\x03\x04\x05\0\0\0"));
    unsigned char buffer[8];
    std::memset(buffer, 0xEE, sizeof buffer);
    const struct { int32_t capacity; int result; int32_t length; std::string bytes; } reads[] = {
        {0, 1, 0, "\xEE\xEE"},
        {2, 1, 2, "\x01\x02\xEE"},
        {8, 1, 5, "\x01\x02\x03\x04\x05\xEE"},
        {-1, 0, -1, "\xEE\x02"},
    };
    for (const auto &row : reads) {
        int32_t length = row.capacity;
        buffer[0] = 0xEE;
        EXPECT_EQ(GetPcfByteStrAttrValue(attr.get(), buffer, &length), row.result) << row.capacity;
        EXPECT_EQ(length, row.length);
        EXPECT_EQ(Chars(buffer, row.bytes.size()), row.bytes);
    }
    int32_t length = 0;
    ASSERT_EQ(GetPcfByteStrAttrValueLength(attr.get(), &length), 1);
    EXPECT_EQ(length, 5);

    ASSERT_EQ(SetPcfByteStrAttrValue(attr.get(), "XY", 2), 1);
    EXPECT_EQ(attr.data(), Words({9, 24, 7001, 5}) + Lit("XY\x03\x04\x05\0\0\0"));
    ASSERT_EQ(SetPcfByteStrAttrValue(attr.get(), "123456789", 9), 1);
    EXPECT_EQ(attr.data(), Words({9, 24, 7001, 5}) + Lit("12345\0\0\0"));
    EXPECT_EQ(SetPcfByteStrAttrValue(attr.get(), "Z", -1), 0);
    EXPECT_EQ(attr.data(), Words({9, 24, 7001, 5}) + Lit("12345\0\0\0"));
}

TEST(BinaryAttr, CreateSetAndGetAcrossTheFourReadableTypes)
{
    Attr binary;
    ASSERT_EQ(CreatePcfBinAttr(binary.get(), 9001, "\x00\x01\x02", 3), 1);
    EXPECT_EQ(binary.data(), Words({999, 24, 9001, 0, 3}) + Lit("\x00\x01\x02\0"));
    ASSERT_EQ(SetPcfBinAttrValue(binary.get(), "\x7F", 1), 1);

    Attr string(PcfBytes().Cfst(1, "TEXT").bytes());
    Attr byteString(PcfBytes().Cfbs(2, "RAW").bytes());
    Attr embedded(PcfBytes().EmbeddedPcf(3, "EMBEDDED").bytes());
    const std::pair<MESSAGE *, std::string> readable[] = {
        {binary.get(), Lit("\x7F\x01\x02")}, {string.get(), "TEXT"}, {byteString.get(), "RAW"}, {embedded.get(), "EMBEDDED"}};
    for (const auto &entry : readable) {
        char buffer[16];
        int32_t length = sizeof buffer;
        ASSERT_EQ(GetPcfBinAttrValue(entry.first, buffer, &length), 1) << entry.second;
        EXPECT_EQ(Chars(buffer, static_cast<std::size_t>(length)), entry.second);
    }
}

TEST(EmbeddedAttr, MessageRoundTripsWithItsParametersAndMalformedOneFailsIndexing)
{
    const std::string message =
        PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 13, 3).Cfin(20, 1).Cfst(2016, "Q1").Cfil(1002, {0, 0}).bytes();
    PcfPtr source = ContainerHolding(message);
    ASSERT_EQ(RawToPcf(source.get()), 1);
    Attr string(PcfBytes().Cfst(2016, "Q1").bytes());

    Attr embedded;
    ASSERT_EQ(CreatePcfPcfAttr(embedded.get(), 5000, source.get()), 1);
    const auto length = static_cast<int32_t>(message.size());
    EXPECT_EQ(embedded.data(), Words({998, 20 + length, 5000, 0, length}) + message);
    EXPECT_EQ(DataOf(*source), message);

    PcfPtr out(CreatePcfMessage(0, ZEM_MQCFT_RESPONSE, 0));
    ASSERT_EQ(GetPcfPcfAttrValue(embedded.get(), out.get()), 1);
    EXPECT_EQ(out->pCfh->ParameterCount, 3);
    EXPECT_EQ(DataOf(*out), message);
    Attr third;
    ASSERT_EQ(GetAttrByPos(3, third.get(), out.get()), 1);
    EXPECT_EQ(third.data(), PcfBytes().Cfil(1002, {0, 0}).bytes());

    // A header that announces a parameter it does not carry.
    Attr lying(PcfBytes().EmbeddedPcf(1, PcfBytes().Cfh(1, 13, 1).bytes()).bytes());
    int result = -1;
    CaptureStdout([&] { result = GetPcfPcfAttrValue(lying.get(), out.get()); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(GetPcfPcfAttrValue(lying.get(), nullptr), 0);
    EXPECT_EQ(CreatePcfPcfAttr(string.get(), 1, nullptr), 0);
}

}  // namespace
