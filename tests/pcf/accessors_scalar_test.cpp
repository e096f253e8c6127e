#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "attr_builders.h"
#include "capture.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using zemtest::Attr;
using zemtest::PcfBytes;
using zemtest::View;

std::string Bytes(const char *text, std::size_t length) { return std::string(text, length); }

// One well-formed structure of every single-valued type, with the test that owns it.
struct Sample {
    const char *name;
    std::string bytes;
    int (*is)(MESSAGE *);
};

std::vector<Sample> Samples()
{
    return {
        {"MQCFIN", PcfBytes().Cfin(1, 7).bytes(), IsPcfIntAttr},
        {"MQCFST", PcfBytes().Cfst(2, "ABCDE").bytes(), IsPcfStrAttr},
        {"MQCFIF", PcfBytes().Cfif(3, 4, 5).bytes(), IsPcfIntFltrAttr},
        {"MQCFSF", PcfBytes().Cfsf(4, 2, "Q*").bytes(), IsPcfStrFltrAttr},
        {"MQCFBS", PcfBytes().Cfbs(5, Bytes("\x01\x02\x03", 3)).bytes(), IsPcfByteStrAttr},
        {"MQCFBF", PcfBytes().Cfbf(6, 5, "ab").bytes(), IsPcfByteStrFltrAttr},
        {"binary", PcfBytes().Binary(7, "xyz").bytes(), IsPcfBinAttr},
        {"embedded", PcfBytes().EmbeddedPcf(8, PcfBytes().Cfh(1, 13, 0).bytes()).bytes(), IsPcfPcfAttr},
        {"MQCFIN64", PcfBytes().Cfin64(9, -2).bytes(), IsPcfInt64Attr},
    };
}

TEST(ScalarAccessors, EachTestRecognisesOnlyItsOwnType)
{
    const auto samples = Samples();
    for (const auto &structure : samples) {
        for (const auto &test : samples) {
            Attr attr(structure.bytes);
            EXPECT_EQ(test.is(attr.get()), &test == &structure ? 1 : 0) << test.name << " on " << structure.name;
        }
    }
}

TEST(ScalarAccessors, EveryTestRefusesEnvelopeLongerThanItsStructure)
{
    for (const auto &sample : Samples()) {
        Attr exact(sample.bytes);
        EXPECT_EQ(sample.is(exact.get()), 1) << sample.name;
        Attr longer(sample.bytes + std::string(4, '\0'));
        EXPECT_EQ(sample.is(longer.get()), 0) << sample.name;
        View view(sample.bytes);
        EXPECT_EQ(sample.is(view.get()), 1) << sample.name << " as a view";
        View longerView(sample.bytes + std::string(4, '\0'));
        EXPECT_EQ(sample.is(longerView.get()), 0) << sample.name << " as a longer view";
    }
    EXPECT_EQ(IsPcfIntAttr(nullptr), 0);
}

TEST(ScalarAccessors, GettersRefuseWrongTypeAndMismatchedLengthWithoutWriting)
{
    Attr string(PcfBytes().Cfst(2, "ABCDE").bytes());
    Attr longInteger(PcfBytes().Cfin(1, 7).bytes() + std::string(4, '\0'));
    for (MESSAGE *attr : {string.get(), longInteger.get()}) {
        int32_t value = -99, op = -98;
        int64_t wide = -97;
        EXPECT_EQ(GetPcfIntAttrValue(attr, &value), 0);
        EXPECT_EQ(GetPcfIntFltrAttrValue(attr, &value, &op), 0);
        EXPECT_EQ(GetPcfInt64AttrValue(attr, &wide), 0);
        EXPECT_EQ(SetPcfIntAttrValue(attr, 5), 0);
        EXPECT_EQ(value, -99);
        EXPECT_EQ(op, -98);
        EXPECT_EQ(wide, -97);
    }
    EXPECT_EQ(string.data(), PcfBytes().Cfst(2, "ABCDE").bytes());
    char text[8] = "zzzzzzz";
    int32_t length = 4;
    EXPECT_EQ(GetPcfStrAttrValue(longInteger.get(), text, 5), 0);
    EXPECT_EQ(GetPcfByteStrAttrValue(string.get(), text, &length), 0);
    EXPECT_EQ(std::string(text), "zzzzzzz");
    EXPECT_EQ(length, 4);
}

TEST(StringAttr, CreateWritesPaddedStructureInExactEnvelope)
{
    Attr empty;
    ASSERT_EQ(CreatePcfStrAttr(empty.get(), 2016, ""), 1);
    EXPECT_EQ(empty.data(), PcfBytes().Words({4, 20, 2016, 0, 0}).bytes());
    EXPECT_EQ(empty->Size, 136 + 20);

    Attr five;
    ASSERT_EQ(CreatePcfStrAttr(five.get(), 2016, "ABCDE"), 1);
    EXPECT_EQ(five.data(), PcfBytes().Words({4, 28, 2016, 0, 5}).Raw(Bytes("ABCDE\0\0\0", 8)).bytes());
    EXPECT_EQ(five->Used, 136 + 28);
    EXPECT_EQ(five->Size, 136 + 28);

    Attr four;
    ASSERT_EQ(CreatePcfStrAttr(four.get(), 1, "ABCD"), 1);
    EXPECT_EQ(four.data(), PcfBytes().Words({4, 24, 1, 0, 4}).Raw("ABCD").bytes());
    EXPECT_EQ(CreatePcfStrAttr(four.get(), 1, nullptr), 0);
}

TEST(StringAttr, NZStringKeepsNulBytesAndRefusesNegativeLength)
{
    Attr attr;
    ASSERT_EQ(CreatePcfNZStrAttr(attr.get(), 3, "A\0B", 3), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({4, 24, 3, 0, 3}).Raw(Bytes("A\0B\0", 4)).bytes());
    char text[8];
    ASSERT_EQ(GetPcfStrAttrValue(attr.get(), text, 7), 1);
    EXPECT_EQ(std::memcmp(text, "A\0B\0", 4), 0);
    Attr refused;
    EXPECT_EQ(CreatePcfNZStrAttr(refused.get(), 3, "abc", -1), 0);
    EXPECT_EQ(refused->pBlock, nullptr);
}

TEST(StringAttr, GetterCopiesAtMostMaxAndTerminates)
{
    Attr attr(PcfBytes().Cfst(2, "ABCDE").bytes());
    char text[12];
    std::memset(text, '#', sizeof text);
    ASSERT_EQ(GetPcfStrAttrValue(attr.get(), text, 3), 1);
    EXPECT_EQ(std::string(text, 5), Bytes("ABC\0#", 5));
    ASSERT_EQ(GetPcfStrAttrValue(attr.get(), text, 10), 1);
    EXPECT_STREQ(text, "ABCDE");
    Attr padded(PcfBytes().Cfst(2016, "QM1   ").bytes());
    ASSERT_EQ(GetPcfStrAttrValue(padded.get(), text, 11), 1);
    EXPECT_STREQ(text, "QM1   ") << "trailing blanks stay";
    ASSERT_EQ(GetPcfStrAttrValue(attr.get(), text, 0), 1);
    EXPECT_STREQ(text, "");
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(GetPcfStrAttrValue(attr.get(), text, -1), 0);
    EXPECT_EQ(text[0], '#');
    EXPECT_EQ(GetPcfStrAttrValue(attr.get(), nullptr, 3), 0);
}

TEST(StringAttr, SetterPadsWithNulsOrCutsWithinCreatedLength)
{
    Attr attr;
    ASSERT_EQ(CreatePcfStrAttr(attr.get(), 2016, "ABCDE"), 1);
    ASSERT_EQ(SetPcfStrAttrValue(attr.get(), "XY"), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({4, 28, 2016, 0, 5}).Raw(Bytes("XY\0\0\0\0\0\0", 8)).bytes());
    ASSERT_EQ(SetPcfStrAttrValue(attr.get(), "UVWXYZ"), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({4, 28, 2016, 0, 5}).Raw(Bytes("UVWXY\0\0\0", 8)).bytes());
    EXPECT_EQ(SetPcfStrAttrValue(attr.get(), nullptr), 0);
}

TEST(StringAttr, AccessorsWorkOnContainerViews)
{
    View view(PcfBytes().Cfst(2016, "QUEUE").bytes());
    char text[8];
    ASSERT_EQ(GetPcfStrAttrValue(view.get(), text, 7), 1);
    EXPECT_STREQ(text, "QUEUE");
    ASSERT_EQ(SetPcfStrAttrValue(view.get(), "Q"), 1);
    ASSERT_EQ(GetPcfStrAttrValue(view.get(), text, 7), 1);
    EXPECT_STREQ(text, "Q");
}

TEST(IntegerAttr, CreateGetSetInNativeOrder)
{
    Attr attr;
    ASSERT_EQ(CreatePcfIntAttr(attr.get(), 20, -5), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({3, 16, 20, -5}).bytes());
    EXPECT_EQ(attr->Size, 136 + 16);
    int32_t value = 0;
    ASSERT_EQ(GetPcfIntAttrValue(attr.get(), &value), 1);
    EXPECT_EQ(value, -5);
    ASSERT_EQ(SetPcfIntAttrValue(attr.get(), INT32_MIN), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({3, 16, 20, INT32_MIN}).bytes());
    EXPECT_EQ(GetPcfIntAttrValue(attr.get(), nullptr), 0);
}

TEST(IntegerAttr, Integer64SitsAfterReservedWord)
{
    Attr attr;
    ASSERT_EQ(CreatePcfInt64Attr(attr.get(), 21, INT64_C(0x0102030405060708)), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({23, 24, 21, 0}).Int64(INT64_C(0x0102030405060708)).bytes());
    ASSERT_EQ(SetPcfInt64AttrValue(attr.get(), INT64_MIN), 1);
    int64_t value = 0;
    ASSERT_EQ(GetPcfInt64AttrValue(attr.get(), &value), 1);
    EXPECT_EQ(value, INT64_MIN);
    EXPECT_EQ(attr.data(), PcfBytes().Words({23, 24, 21, 0}).Int64(INT64_MIN).bytes());
}

TEST(IntegerAttr, IntegerFilterTakesOperatorFirstOnlyInConstructor)
{
    Attr attr;
    ASSERT_EQ(CreatePcfIntFltrAttr(attr.get(), 3, /*op*/ 4, /*value*/ 100), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({13, 20, 3, 4, 100}).bytes());
    int32_t value = 0, op = 0;
    ASSERT_EQ(GetPcfIntFltrAttrValue(attr.get(), &value, &op), 1);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(op, 4);
    ASSERT_EQ(SetPcfIntFltrAttrValue(attr.get(), /*value*/ 7, /*op*/ 1), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({13, 20, 3, 1, 7}).bytes());
    EXPECT_EQ(GetPcfIntFltrAttrValue(attr.get(), &value, nullptr), 0);
}

TEST(StringFilterAttr, CreateGetSetCarryOperator)
{
    Attr attr;
    ASSERT_EQ(CreatePcfStrFltrAttr(attr.get(), 2016, 18, "SYS*"), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({14, 28, 2016, 18, 0, 4}).Raw("SYS*").bytes());
    char text[8];
    int32_t op = 0;
    ASSERT_EQ(GetPcfStrFltrAttrValue(attr.get(), text, 2, &op), 1);
    EXPECT_STREQ(text, "SY");
    EXPECT_EQ(op, 18);
    ASSERT_EQ(SetPcfStrFltrAttrValue(attr.get(), "AB", 2), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({14, 28, 2016, 2, 0, 4}).Raw(Bytes("AB\0\0", 4)).bytes());
    EXPECT_EQ(GetPcfStrFltrAttrValue(attr.get(), text, 2, nullptr), 0);
}

TEST(ByteStringAttr, GetterIsLimitedByCapacityAndReportsCount)
{
    Attr attr;
    ASSERT_EQ(CreatePcfByteStrAttr(attr.get(), 7001, "\x01\x02\x03\x04\x05", 5), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({9, 24, 7001, 5}).Raw(Bytes("\x01\x02\x03\x04\x05\0\0\0", 8)).bytes());
    unsigned char buffer[8];
    std::memset(buffer, 0xEE, sizeof buffer);
    int32_t length = 0;
    ASSERT_EQ(GetPcfByteStrAttrValue(attr.get(), buffer, &length), 1);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(buffer[0], 0xEE);
    length = 2;
    ASSERT_EQ(GetPcfByteStrAttrValue(attr.get(), buffer, &length), 1);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 3), "\x01\x02\xEE");
    length = 8;
    ASSERT_EQ(GetPcfByteStrAttrValue(attr.get(), buffer, &length), 1);
    EXPECT_EQ(length, 5);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 6), "\x01\x02\x03\x04\x05\xEE");
    length = -1;
    buffer[0] = 0xEE;
    EXPECT_EQ(GetPcfByteStrAttrValue(attr.get(), buffer, &length), 0);
    EXPECT_EQ(length, -1);
    EXPECT_EQ(buffer[0], 0xEE);
    ASSERT_EQ(GetPcfByteStrAttrValueLength(attr.get(), &length), 1);
    EXPECT_EQ(length, 5);
}

TEST(ByteStringAttr, SetterOverwritesOnlyTheStartWithinStoredLength)
{
    Attr attr;
    ASSERT_EQ(CreatePcfByteStrAttr(attr.get(), 7001, "abcde", 5), 1);
    ASSERT_EQ(SetPcfByteStrAttrValue(attr.get(), "XY", 2), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({9, 24, 7001, 5}).Raw(Bytes("XYcde\0\0\0", 8)).bytes());
    ASSERT_EQ(SetPcfByteStrAttrValue(attr.get(), "123456789", 9), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({9, 24, 7001, 5}).Raw(Bytes("12345\0\0\0", 8)).bytes());
    EXPECT_EQ(SetPcfByteStrAttrValue(attr.get(), "Z", -1), 0);
    EXPECT_EQ(attr.data(), PcfBytes().Words({9, 24, 7001, 5}).Raw(Bytes("12345\0\0\0", 8)).bytes());
}

TEST(ByteStringAttr, FilterIsCreatedWithOperatorZero)
{
    Attr attr;
    ASSERT_EQ(CreatePcfByteStrFltrAttr(attr.get(), 7002, "\xAA\xBB", 2), 1);
    EXPECT_EQ(attr.data(), PcfBytes().Words({15, 24, 7002, 0, 2}).Raw(Bytes("\xAA\xBB\0\0", 4)).bytes());
    int32_t op = -1;
    ASSERT_EQ(GetPcfFilterOperator(attr.get(), &op), 1);
    EXPECT_EQ(op, 0);
    ASSERT_EQ(SetPcfByteStrFltrAttrValue(attr.get(), "\x11", 1), 1);
    unsigned char buffer[4];
    int32_t length = 4;
    ASSERT_EQ(GetPcfByteStrFltrAttrValue(attr.get(), buffer, &length), 1);
    EXPECT_EQ(length, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer), 2), "\x11\xBB");
}

TEST(FilterOperator, ReadFromTheThreeFiltersOnly)
{
    int32_t op = -1;
    Attr integerFilter(PcfBytes().Cfif(1, 5, 9).bytes());
    ASSERT_EQ(GetPcfFilterOperator(integerFilter.get(), &op), 1);
    EXPECT_EQ(op, 5);
    Attr stringFilter(PcfBytes().Cfsf(1, 13, "A").bytes());
    ASSERT_EQ(GetPcfFilterOperator(stringFilter.get(), &op), 1);
    EXPECT_EQ(op, 13);
    Attr byteFilter(PcfBytes().Cfbf(1, 26, "A").bytes());
    ASSERT_EQ(GetPcfFilterOperator(byteFilter.get(), &op), 1);
    EXPECT_EQ(op, 26);
    op = -1;
    Attr integer(PcfBytes().Cfin(1, 5).bytes());
    EXPECT_EQ(GetPcfFilterOperator(integer.get(), &op), 0);
    EXPECT_EQ(op, -1);
    EXPECT_EQ(GetPcfFilterOperator(stringFilter.get(), nullptr), 0);
}

TEST(BinaryAttr, CreateSetAndGetAcrossTheFourReadableTypes)
{
    Attr binary;
    ASSERT_EQ(CreatePcfBinAttr(binary.get(), 9001, "\x00\x01\x02", 3), 1);
    EXPECT_EQ(binary.data(), PcfBytes().Words({999, 24, 9001, 0, 3}).Raw(Bytes("\x00\x01\x02\0", 4)).bytes());
    ASSERT_EQ(SetPcfBinAttrValue(binary.get(), "\x7F", 1), 1);

    Attr string(PcfBytes().Cfst(1, "TEXT").bytes());
    Attr byteString(PcfBytes().Cfbs(2, "RAW").bytes());
    Attr embedded(PcfBytes().EmbeddedPcf(3, "EMBEDDED").bytes());
    const struct {
        MESSAGE *attr;
        std::string value;
    } readable[] = {
        {binary.get(), Bytes("\x7F\x01\x02", 3)},
        {string.get(), "TEXT"},
        {byteString.get(), "RAW"},
        {embedded.get(), "EMBEDDED"},
    };
    for (const auto &entry : readable) {
        char buffer[16];
        int32_t length = sizeof buffer;
        ASSERT_EQ(GetPcfBinAttrValue(entry.attr, buffer, &length), 1) << entry.value;
        EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(length)), entry.value);
    }
    EXPECT_EQ(SetPcfBinAttrValue(string.get(), "X", 1), 0);
    Attr integer(PcfBytes().Cfin(1, 5).bytes());
    char buffer[4];
    int32_t length = 4;
    EXPECT_EQ(GetPcfBinAttrValue(integer.get(), buffer, &length), 0);
    EXPECT_EQ(length, 4);
}

TEST(EmbeddedAttr, MessageRoundTripsWithItsParameters)
{
    zemtest::PcfPtr source(CreatePcfMessage(13, ZEM_MQCFT_COMMAND, 0));
    ASSERT_TRUE(source);
    Attr integer, string, list;
    ASSERT_EQ(CreatePcfIntAttr(integer.get(), 20, 1), 1);
    ASSERT_EQ(CreatePcfStrAttr(string.get(), 2016, "Q1"), 1);
    ASSERT_EQ(CreatePcfIntListAttr(list.get(), 1002, 2), 1);
    for (MESSAGE *attr : {integer.get(), string.get(), list.get()})
        ASSERT_EQ(AppendAttr(source.get(), attr), 1);
    const std::string message = PcfBytes()
                                    .Cfh(ZEM_MQCFT_COMMAND, 13, 3)
                                    .Cfin(20, 1)
                                    .Cfst(2016, "Q1")
                                    .Cfil(1002, {0, 0})
                                    .bytes();
    ASSERT_EQ(zemtest::DataOf(*source), message);

    Attr embedded;
    ASSERT_EQ(CreatePcfPcfAttr(embedded.get(), 5000, source.get()), 1);
    const auto length = static_cast<int32_t>(message.size());
    EXPECT_EQ(embedded.data(), PcfBytes().Words({998, 20 + length, 5000, 0, length}).Raw(message).bytes());
    EXPECT_EQ(zemtest::DataOf(*source), message);

    zemtest::PcfPtr out(CreatePcfMessage(0, ZEM_MQCFT_RESPONSE, 0));
    ASSERT_EQ(GetPcfPcfAttrValue(embedded.get(), out.get()), 1);
    EXPECT_EQ(out->pCfh->ParameterCount, 3);
    EXPECT_EQ(zemtest::DataOf(*out), message);
    Attr third;
    ASSERT_EQ(GetAttrByPos(3, third.get(), out.get()), 1);
    EXPECT_EQ(third.data(), PcfBytes().Cfil(1002, {0, 0}).bytes());
}

TEST(EmbeddedAttr, MalformedEmbeddedMessageFailsIndexing)
{
    // A header that announces a parameter it does not carry.
    Attr embedded(PcfBytes().EmbeddedPcf(1, PcfBytes().Cfh(1, 13, 1).bytes()).bytes());
    zemtest::PcfPtr out(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0));
    int result = -1;
    zemtest::CaptureStdout([&] { result = GetPcfPcfAttrValue(embedded.get(), out.get()); });
    EXPECT_EQ(result, 0);
    Attr string(PcfBytes().Cfst(1, "NOT A MESSAGE").bytes());
    EXPECT_EQ(GetPcfPcfAttrValue(string.get(), out.get()), 0);
    EXPECT_EQ(GetPcfPcfAttrValue(embedded.get(), nullptr), 0);
    EXPECT_EQ(CreatePcfPcfAttr(string.get(), 1, nullptr), 0);
}

}  // namespace
