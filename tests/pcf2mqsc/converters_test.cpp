// The structure converters called one by one, and the writer called on their marks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "conversion_helpers.h"
#include "foundation/mq_constants.h"
#include "pcf2mqsc/pcf2mqsc.h"
#include "pcf_builders.h"

using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

// One structure in exact-size, aligned storage.
class Held {
public:
    explicit Held(const PcfBytes &bytes) : bytes_(zemtest::ExactBytes(bytes.bytes())) {}
    template <typename Layout> const Layout *as() const { return reinterpret_cast<const Layout *>(bytes_.data()); }

private:
    std::vector<unsigned char> bytes_;
};

class Converters : public ::testing::Test {
protected:
    void SetUp() override { zem::BeginPcfToMqsc(); }

    // Chooses the command as the walk does.
    void Command(int32_t code)
    {
        Held cfh(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, code, 0));
        int32_t reason = -1;
        ASSERT_EQ(MqcfhToMqsc(cfh.as<ZEM_MQCFH>(), scratch, &reason), 1);
    }

    // Chooses DEFINE NAMELIST and marks its name NL1.
    void Namelist()
    {
        Command(mq::MQCMD_CREATE_NAMELIST);
        Held name(PcfBytes().Cfst(mq::MQCA_NAMELIST_NAME, "NL1"));
        int32_t reason = -1;
        MqcfstToMqsc(name.as<ZEM_MQCFST>(), scratch, &reason);
        ASSERT_EQ(reason, 0);
    }

    // Writes what is marked; the reason on failure.
    std::string Emit(int32_t code, int32_t &reason, int32_t capacity = 1024)
    {
        std::vector<char> area(static_cast<std::size_t>(capacity), '\x7f');
        MqscTextDesc output{area.data(), capacity};
        reason = -1;
        if (EmitMqscMsg(code, &output, 0, &reason) != 1)
            return "<failed>";
        EXPECT_EQ(output.Length, static_cast<int32_t>(std::strlen(area.data())));
        return area.data();
    }

    char scratch[zem::kItemAreaSize] = {};
};

TEST_F(Converters, HeaderChoosesTheFirstCommandRecordOfItsCode)
{
    Held inquire(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 0));
    int32_t reason = -1;
    EXPECT_EQ(MqcfhToMqsc(inquire.as<ZEM_MQCFH>(), scratch, &reason), 1);
    EXPECT_EQ(reason, 0);
    EXPECT_STREQ(scratch, "DISPLAY QUEUE");

    Held listener(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_START_CHANNEL_LISTENER, 0));
    EXPECT_EQ(MqcfhToMqsc(listener.as<ZEM_MQCFH>(), scratch, &reason), 1);
    EXPECT_STREQ(scratch, "START LISTENER ");

    Held unknown(PcfBytes().Cfh(ZEM_MQCFT_COMMAND, 9999, 0));
    EXPECT_EQ(MqcfhToMqsc(unknown.as<ZEM_MQCFH>(), scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
    EXPECT_STREQ(scratch, "");
    // Without a current list every parameter is unknown.
    Held name(PcfBytes().Cfst(mq::MQCA_Q_NAME, "Q1"));
    EXPECT_EQ(MqcfstToMqsc(name.as<ZEM_MQCFST>(), scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
}

TEST_F(Converters, IntegerScratchNamesTheKeywordOrTheSpecialWord)
{
    Command(mq::MQCMD_CREATE_CHANNEL);
    int32_t reason = -1;
    Held keepAlive(PcfBytes().Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, -1));
    EXPECT_EQ(MqcfinToMqsc(keepAlive.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_EQ(reason, 0);
    EXPECT_STREQ(scratch, "AUTO");
    Held type(PcfBytes().Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER));
    EXPECT_EQ(MqcfinToMqsc(type.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_STREQ(scratch, "CHLTYPE");
    Held keepAliveSet(PcfBytes().Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, 60));
    EXPECT_EQ(MqcfinToMqsc(keepAliveSet.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_STREQ(scratch, "KAINT");

    Command(mq::MQCMD_CREATE_SUBSCRIPTION);
    Held expiry(PcfBytes().Cfin(mq::MQIACF_EXPIRY, -1));
    EXPECT_EQ(MqcfinToMqsc(expiry.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_STREQ(scratch, "UNLIMITED");
}

TEST_F(Converters, ReasonsOfDroppedParameters)
{
    Command(mq::MQCMD_CREATE_Q);
    int32_t reason = -1;
    Held unknownInteger(PcfBytes().Cfin(99999, 1));
    EXPECT_EQ(MqcfinToMqsc(unknownInteger.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
    Held unknownValue(PcfBytes().Cfin(mq::MQIA_Q_TYPE, 99));
    EXPECT_EQ(MqcfinToMqsc(unknownValue.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
    Held integerForString(PcfBytes().Cfin(mq::MQCA_Q_DESC, 1));
    EXPECT_EQ(MqcfinToMqsc(integerForString.as<ZEM_MQCFIN>(), scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    Held stringForEnumeration(PcfBytes().Cfst(mq::MQIA_Q_TYPE, "QLOCAL"));
    EXPECT_EQ(MqcfstToMqsc(stringForEnumeration.as<ZEM_MQCFST>(), scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    Held listForString(PcfBytes().Cfsl(mq::MQCA_Q_DESC, {"A"}, 4));
    EXPECT_EQ(StrListToMqsc(listForString.as<ZEM_MQCFSL>(), scratch, &reason), 0);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    Held unknownList(PcfBytes().Cfsl(mq::MQCA_NAMES, {"A"}, 4));
    EXPECT_EQ(StrListToMqsc(unknownList.as<ZEM_MQCFSL>(), scratch, &reason), 0);
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
    // Nothing of that was marked.
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_Q, reason), "<failed>");
    EXPECT_EQ(reason, ZEM_P2M_REQUIRED_MISSING);
}

TEST_F(Converters, NullStructuresAreReported)
{
    int32_t reason = -1;
    EXPECT_EQ(MqcfhToMqsc(nullptr, scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    reason = -1;
    EXPECT_EQ(MqcfinToMqsc(nullptr, scratch, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    reason = -1;
    EXPECT_EQ(StrListToMqsc(nullptr, scratch, &reason), 0);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    reason = -1;
    EXPECT_EQ(MqcfilToMqsc(nullptr, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    // No reason variable and no scratch are needed.
    Command(mq::MQCMD_INQUIRE_Q);
    Held name(PcfBytes().Cfst(mq::MQCA_Q_NAME, "Q1"));
    EXPECT_EQ(MqcfstToMqsc(name.as<ZEM_MQCFST>(), nullptr, nullptr), 1);
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q, reason), "DISPLAY QUEUE('Q1')");
}

TEST_F(Converters, StringListItemsAreReadWithinTheirOwnLength)
{
    Namelist();
    int32_t reason = -1;
    // Items of four characters without NUL: each stops at its own end.
    Held list(PcfBytes().Cfsl(mq::MQCA_NAMES, {"ABCD", "EFGH"}, 4));
    EXPECT_EQ(StrListToMqsc(list.as<ZEM_MQCFSL>(), scratch, &reason), 1);
    EXPECT_EQ(reason, 0);
    EXPECT_STREQ(scratch, "NAMES");
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason), "DEFINE NAMELIST('NL1') NAMES('ABCD', 'EFGH')");
}

TEST_F(Converters, StringListItemsAreCutAtFortyEightCharactersAndAtNul)
{
    Namelist();
    int32_t reason = -1;
    const std::string longItem(60, 'L');
    Held list(PcfBytes().Words({6, 24 + 64 + 64, mq::MQCA_NAMES, 0, 2, 64})
                  .Raw(longItem + std::string(4, ' '))
                  .Raw(std::string("AB\0CD", 5) + std::string(59, '\0')));
    EXPECT_EQ(StrListToMqsc(list.as<ZEM_MQCFSL>(), scratch, &reason), 1);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason),
              "DEFINE NAMELIST('NL1') NAMES('" + std::string(48, 'L') + "', 'AB')");
}

TEST_F(Converters, StringListCountBeyondItsStructureReadsOnlyWhatIsInside)
{
    Namelist();
    int32_t reason = -1;
    // Count says 1000 items of 4; the structure holds two.
    Held list(PcfBytes().Words({6, 32, mq::MQCA_NAMES, 0, 1000, 4}).Chars("ABCDEFGH"));
    EXPECT_EQ(StrListToMqsc(list.as<ZEM_MQCFSL>(), scratch, &reason), 1);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason), "DEFINE NAMELIST('NL1') NAMES('ABCD', 'EFGH',)");

    Namelist();
    Held zeroLength(PcfBytes().Words({6, 24, mq::MQCA_NAMES, 0, 2000000000, 0}));
    EXPECT_EQ(StrListToMqsc(zeroLength.as<ZEM_MQCFSL>(), scratch, &reason), 1);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason), "DEFINE NAMELIST('NL1') NAMES( )");
}

TEST_F(Converters, WholeStringListAsOneText)
{
    Namelist();
    int32_t reason = -1;
    Held list(PcfBytes().Cfsl(mq::MQCA_NAMES, {"A", "B"}, 4));
    EXPECT_EQ(MqcfslToMqsc(list.as<ZEM_MQCFSL>(), scratch, &reason), 1);
    EXPECT_EQ(reason, 0);
    EXPECT_STREQ(scratch, "NAMES");
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason), "DEFINE NAMELIST('NL1') NAMES(A   B)");
    // A Count beyond the structure takes only its own bytes.
    Namelist();
    Held lying(PcfBytes().Words({6, 28, mq::MQCA_NAMES, 0, 50, 4}).Chars("WXYZ"));
    MqcfslToMqsc(lying.as<ZEM_MQCFSL>(), scratch, &reason);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason), "DEFINE NAMELIST('NL1') NAMES(WXYZ)");
}

TEST_F(Converters, StringIsReadWithinItsStructure)
{
    Command(mq::MQCMD_CREATE_NAMELIST);
    int32_t reason = -1;
    // StringLength claims 40 characters; the structure holds 4.
    Held name(PcfBytes().Words({4, 24, mq::MQCA_NAMELIST_NAME, 0, 40}).Chars("NL12"));
    EXPECT_EQ(MqcfstToMqsc(name.as<ZEM_MQCFST>(), scratch, &reason), 1);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST, reason), "DEFINE NAMELIST('NL12')");
}

TEST_F(Converters, SelectorListMarksUntilItsFirstUnknownValue)
{
    Command(mq::MQCMD_INQUIRE_Q);
    Held name(PcfBytes().Cfst(mq::MQCA_Q_NAME, "Q1"));
    int32_t reason = -1;
    MqcfstToMqsc(name.as<ZEM_MQCFST>(), scratch, &reason);
    Held selectors(PcfBytes().Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_Q_DEPTH, 99999, mq::MQCA_Q_DESC}));
    EXPECT_EQ(MqcfilToMqsc(selectors.as<ZEM_MQCFIL>(), &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
    Held known(PcfBytes().Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_CURRENT_Q_DEPTH}));
    EXPECT_EQ(MqcfilToMqsc(known.as<ZEM_MQCFIL>(), &reason), 1);
    EXPECT_EQ(reason, 0);
    // Count beyond the structure: only the values inside are read.
    Held lying(PcfBytes().Words({5, 20, mq::MQIACF_Q_ATTRS, 400000000, mq::MQIA_Q_TYPE}));
    EXPECT_EQ(MqcfilToMqsc(lying.as<ZEM_MQCFIL>(), &reason), 1);
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q, reason), "DISPLAY QUEUE('Q1') TYPE CURDEPTH MAXDEPTH");
}

TEST_F(Converters, WriterClearsTheMarksItWrites)
{
    Command(mq::MQCMD_INQUIRE_Q);
    Held name(PcfBytes().Cfst(mq::MQCA_Q_NAME, "Q1"));
    int32_t reason = -1;
    MqcfstToMqsc(name.as<ZEM_MQCFST>(), scratch, &reason);
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q, reason), "DISPLAY QUEUE('Q1')");
    // Command and name are unmarked now: writing again misses the required entries.
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q, reason), "<failed>");
    EXPECT_EQ(reason, ZEM_P2M_REQUIRED_MISSING);
}

TEST_F(Converters, WriterFailures)
{
    int32_t reason = -1;
    EXPECT_EQ(Emit(9999, reason), "<failed>");
    EXPECT_EQ(reason, ZEM_P2M_NOT_IN_TABLE);
    EXPECT_EQ(Emit(mq::MQCMD_ESCAPE, reason), "<failed>");
    EXPECT_EQ(reason, ZEM_P2M_NO_PARAM_LIST);
    Command(mq::MQCMD_PING_Q_MGR);
    EXPECT_EQ(Emit(mq::MQCMD_PING_Q_MGR, reason, 9), "<failed>");
    EXPECT_EQ(reason, ZEM_P2M_TEXT_TOO_LONG);
    Command(mq::MQCMD_PING_Q_MGR);
    EXPECT_EQ(Emit(mq::MQCMD_PING_Q_MGR, reason, 10), "PING QMGR");
    EXPECT_EQ(reason, 0);
    // No output area at all.
    Command(mq::MQCMD_PING_Q_MGR);
    EXPECT_EQ(EmitMqscMsg(mq::MQCMD_PING_Q_MGR, nullptr, 0, &reason), 0);
    EXPECT_EQ(reason, ZEM_P2M_TEXT_TOO_LONG);
}

TEST(PcfToMqsc, WalkOfTheEscapeCommandHasNoParameterList)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_ESCAPE, 2)
                     .Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC)
                     .Cfst(mq::MQCACF_ESCAPE_TEXT, "PING QMGR");
    auto result = p2mtest::Walk(bytes.bytes());
    EXPECT_EQ(result.reason, ZEM_P2M_NO_PARAM_LIST);
    EXPECT_EQ(result.failedParam, 0);
    EXPECT_EQ(result.length, 4096) << "the count keeps the capacity on failure";
}

TEST(PcfToMqsc, WalkWritesTheTextAndItsLength)
{
    auto bytes = PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 1).Cfst(mq::MQCA_Q_NAME, "Q1");
    auto result = p2mtest::Walk(bytes.bytes(), false, 20);
    EXPECT_EQ(result.reason, 0);
    EXPECT_EQ(result.failedParam, 0);
    EXPECT_EQ(result.text, "DISPLAY QUEUE('Q1')");
    EXPECT_EQ(result.length, 19);
}

TEST(PcfToMqsc, WalkStaysInsideTheGivenLength)
{
    // The buffer holds more than the descriptor says: the walk stops at the length.
    auto bytes = PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2).Cfst(mq::MQCA_Q_NAME, "Q1").Cfin(20, 1).bytes();
    std::vector<unsigned char> data = zemtest::ExactBytes(bytes);
    char area[64] = {};
    int32_t reason = -1, failedParam = -1;
    PcfDataDesc input{reinterpret_cast<const ZEM_MQCFH *>(data.data()), static_cast<int32_t>(bytes.size() - 16)};
    MqscTextDesc output{area, sizeof area};
    PcfToMqsc(input, &output, 0, &reason, &failedParam);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    EXPECT_EQ(failedParam, 2);

    PcfDataDesc none{nullptr, 100};
    PcfToMqsc(none, &output, 0, &reason, &failedParam);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    EXPECT_EQ(failedParam, 0);
}

TEST(PcfToMqsc, WalkReadsUnalignedData)
{
    auto bytes = PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 1).Cfst(mq::MQCA_Q_NAME, "Q1").bytes();
    std::vector<unsigned char> storage(bytes.size() + 1);
    std::memcpy(storage.data() + 1, bytes.data(), bytes.size());
    char area[64] = {};
    int32_t reason = -1, failedParam = -1;
    PcfDataDesc input{reinterpret_cast<const ZEM_MQCFH *>(storage.data() + 1), static_cast<int32_t>(bytes.size())};
    MqscTextDesc output{area, sizeof area};
    PcfToMqsc(input, &output, 0, &reason, &failedParam);
    EXPECT_EQ(reason, 0);
    EXPECT_STREQ(area, "DISPLAY QUEUE('Q1')");
}

TEST(ConvertOpStr, OperatorWords)
{
    const struct {
        int32_t op;
        const char *word;
    } words[] = {
        {mq::MQCFOP_LESS, "LT "},         {mq::MQCFOP_EQUAL, "EQ "},          {mq::MQCFOP_NOT_GREATER, "LE "},
        {mq::MQCFOP_GREATER, "GT "},      {mq::MQCFOP_NOT_EQUAL, "NE "},      {mq::MQCFOP_NOT_LESS, "GE "},
        {mq::MQCFOP_CONTAINS, "CT "},     {mq::MQCFOP_EXCLUDES, "EX "},       {mq::MQCFOP_LIKE, "LK "},
        {mq::MQCFOP_NOT_LIKE, "NL "},     {mq::MQCFOP_CONTAINS_GEN, "CTG "},  {mq::MQCFOP_EXCLUDES_GEN, "EXG "},
    };
    for (const auto &entry : words) {
        char text[8] = "xxxxxxx";
        EXPECT_EQ(ConvertOpStr(entry.op, text), text);
        EXPECT_STREQ(text, entry.word);
    }
    char text[8] = "xxxxxxx";
    EXPECT_STREQ(ConvertOpStr(7, text), "");
    EXPECT_STREQ(ConvertOpStr(0, text), "");
    EXPECT_EQ(ConvertOpStr(mq::MQCFOP_LESS, nullptr), nullptr);
}

}  // namespace
