// The structure converters and the writer called one by one, and the walk on raw data.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "pcf2mqsc_conversion.h"
#include "foundation/mq_constants.h"
#include "pcf2mqsc/pcf2mqsc.h"
#include "pcf_builders.h"

using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

// What a converter returned, reported and left in its scratch buffer.
using Outcome = std::tuple<int32_t, int32_t, std::string>;

// Runs a converter on one structure held in exact-size, aligned storage.
template <typename Layout, typename Converter> Outcome Apply(Converter convert, const PcfBytes &structure)
{
    std::vector<unsigned char> bytes = zemtest::ExactBytes(structure.bytes());
    std::vector<char> scratch(zem::kItemAreaSize, '\0');
    int32_t reason = -1;
    int32_t result = convert(reinterpret_cast<const Layout *>(bytes.data()), scratch.data(), &reason);
    return {result, reason, scratch.data()};
}
Outcome Cfh(int32_t code) { return Apply<ZEM_MQCFH>(MqcfhToMqsc, PcfBytes().Cfh(ZEM_MQCFT_COMMAND, code, 0)); }
Outcome Cfin(int32_t id, int32_t value) { return Apply<ZEM_MQCFIN>(MqcfinToMqsc, PcfBytes().Cfin(id, value)); }
Outcome Cfst(const PcfBytes &structure) { return Apply<ZEM_MQCFST>(MqcfstToMqsc, structure); }
Outcome Cfst(int32_t id, const char *text) { return Cfst(PcfBytes().Cfst(id, text)); }
Outcome StrList(const PcfBytes &structure) { return Apply<ZEM_MQCFSL>(StrListToMqsc, structure); }
Outcome Cfsl(const PcfBytes &structure) { return Apply<ZEM_MQCFSL>(MqcfslToMqsc, structure); }
Outcome Cfil(const PcfBytes &structure)
{
    auto withoutScratch = [](const ZEM_MQCFIL *list, char *, int32_t *reason) { return MqcfilToMqsc(list, reason); };
    return Apply<ZEM_MQCFIL>(withoutScratch, structure);
}

class Converters : public ::testing::Test {
protected:
    void SetUp() override { zem::BeginPcfToMqsc(); }

    // Chooses the command as the walk does, and marks its object name when one is given.
    void Command(int32_t code, int32_t nameParameter = 0, const char *name = nullptr)
    {
        ASSERT_EQ(std::get<1>(Cfh(code)), 0);
        if (name) {
            ASSERT_EQ(std::get<1>(Cfst(nameParameter, name)), 0);
        }
    }

    // Writes what is marked; "<failed>" and the reason on failure.
    std::string Emit(int32_t code, int32_t capacity = 1024)
    {
        std::vector<char> area(static_cast<std::size_t>(capacity), '\x7f');
        MqscText output{area.data(), capacity};
        reason = -1;
        if (EmitMqscMsg(code, &output, 0, &reason) != 1)
            return "<failed>";
        EXPECT_EQ(output.length, static_cast<int32_t>(std::strlen(area.data())));
        return area.data();
    }

    int32_t reason = -1;
};

TEST_F(Converters, HeaderChoosesTheCommandAndTheScratchNamesTheKeyword)
{
    EXPECT_EQ(Cfh(mq::MQCMD_INQUIRE_Q), Outcome(1, 0, "DISPLAY QUEUE"));
    EXPECT_EQ(Cfh(9999), Outcome(1, ZEM_P2M_NOT_IN_TABLE, ""));
    // Without a current list every parameter is unknown.
    EXPECT_EQ(Cfst(mq::MQCA_Q_NAME, "Q1"), Outcome(1, ZEM_P2M_NOT_IN_TABLE, ""));

    Command(mq::MQCMD_CREATE_CHANNEL);
    EXPECT_EQ(Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, -1), Outcome(1, 0, "AUTO"));
    EXPECT_EQ(Cfin(mq::MQIACH_KEEP_ALIVE_INTERVAL, 60), Outcome(1, 0, "KAINT"));
    EXPECT_EQ(Cfst(mq::MQCACH_DESC, "d"), Outcome(1, 0, "DESCR"));
}

TEST_F(Converters, ReasonsOfDroppedParameters)
{
    const Outcome unknown{1, ZEM_P2M_NOT_IN_TABLE, ""}, wrongKind{1, ZEM_P2M_BAD_STRUCTURE, ""};
    // none of the dropped ones is marked: the required type stays missing...
    Command(mq::MQCMD_CREATE_Q, mq::MQCA_Q_NAME, "Q1");
    EXPECT_EQ(Cfin(mq::MQIA_Q_TYPE, 99), unknown);
    EXPECT_EQ(Cfst(mq::MQIA_Q_TYPE, "QLOCAL"), wrongKind);
    EXPECT_EQ(Cfsl(PcfBytes().Cfsl(mq::MQIA_Q_TYPE, {"A"}, 4)), wrongKind);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_Q), "<failed>");
    EXPECT_EQ(reason, ZEM_P2M_REQUIRED_MISSING);
    // ...and the others are not written
    Command(mq::MQCMD_CREATE_Q, mq::MQCA_Q_NAME, "Q1");
    EXPECT_EQ(Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL), Outcome(1, 0, "TYPE"));
    EXPECT_EQ(Cfin(99999, 1), unknown);
    EXPECT_EQ(Cfin(mq::MQCA_Q_DESC, 1), wrongKind);
    EXPECT_EQ(Cfst(mq::MQIA_MAX_Q_DEPTH, "5000"), wrongKind);
    EXPECT_EQ(StrList(PcfBytes().Cfsl(mq::MQCA_Q_DESC, {"A"}, 4)), Outcome(0, ZEM_P2M_BAD_STRUCTURE, ""));
    EXPECT_EQ(StrList(PcfBytes().Cfsl(mq::MQCA_NAMES, {"A"}, 4)), Outcome(0, ZEM_P2M_NOT_IN_TABLE, ""));
    EXPECT_EQ(Cfil(PcfBytes().Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_Q_DEPTH, 99999})), unknown);
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_Q), "DEFINE QLOCAL('Q1') MAXDEPTH");
}

TEST_F(Converters, NullStructuresAndMissingOutParameters)
{
    EXPECT_EQ(MqcfhToMqsc(nullptr, nullptr, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    reason = -1;
    EXPECT_EQ(StrListToMqsc(nullptr, nullptr, &reason), 0);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    reason = -1;
    EXPECT_EQ(MqcfilToMqsc(nullptr, &reason), 1);
    EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
    Command(mq::MQCMD_INQUIRE_Q);
    std::vector<unsigned char> name = zemtest::ExactBytes(PcfBytes().Cfst(mq::MQCA_Q_NAME, "Q1").bytes());
    EXPECT_EQ(MqcfstToMqsc(reinterpret_cast<const ZEM_MQCFST *>(name.data()), nullptr, nullptr), 1);
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q), "DISPLAY QUEUE('Q1')");
}

TEST_F(Converters, ListsAreReadWithinTheirItemsAndStructure)
{
    const struct {
        const char *what;
        PcfBytes list;
        std::string names;
    } cases[] = {
        {"items without NUL stop at their own end", PcfBytes().Cfsl(mq::MQCA_NAMES, {"ABCD", "EFGH"}, 4),
         "'ABCD', 'EFGH'"},
        {"48 characters of an item, and up to its NUL",
         PcfBytes().Words({6, 24 + 128, mq::MQCA_NAMES, 0, 2, 64}).Raw(std::string(60, 'L') + "    ")
             .Raw(std::string("AB\0CD", 5) + std::string(59, '\0')),
         "'" + std::string(48, 'L') + "', 'AB'"},
        {"Count beyond the structure", PcfBytes().Words({6, 32, mq::MQCA_NAMES, 0, 1000, 4}).Chars("ABCDEFGH"),
         "'ABCD', 'EFGH',"},
        {"huge Count of empty items", PcfBytes().Words({6, 24, mq::MQCA_NAMES, 0, 2000000000, 0}), " "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Command(mq::MQCMD_CREATE_NAMELIST, mq::MQCA_NAMELIST_NAME, "NL1");
        EXPECT_EQ(StrList(c.list), Outcome(1, 0, "NAMES"));
        EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST), "DEFINE NAMELIST('NL1') NAMES(" + c.names + ")");
    }
    // the whole list as one text, within its structure
    Command(mq::MQCMD_CREATE_NAMELIST, mq::MQCA_NAMELIST_NAME, "NL1");
    EXPECT_EQ(Cfsl(PcfBytes().Cfsl(mq::MQCA_NAMES, {"A", "B"}, 4)), Outcome(1, 0, "NAMES"));
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST), "DEFINE NAMELIST('NL1') NAMES(A   B)");
    Command(mq::MQCMD_CREATE_NAMELIST, mq::MQCA_NAMELIST_NAME, "NL1");
    Cfsl(PcfBytes().Words({6, 28, mq::MQCA_NAMES, 0, 50, 4}).Chars("WXYZ"));
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST), "DEFINE NAMELIST('NL1') NAMES(WXYZ)");
    // a string and a selector list
    Command(mq::MQCMD_CREATE_NAMELIST);
    Cfst(PcfBytes().Words({4, 24, mq::MQCA_NAMELIST_NAME, 0, 40}).Chars("NL12"));
    EXPECT_EQ(Emit(mq::MQCMD_CREATE_NAMELIST), "DEFINE NAMELIST('NL12')");
    Command(mq::MQCMD_INQUIRE_Q, mq::MQCA_Q_NAME, "Q1");
    Cfil(PcfBytes().Words({5, 20, mq::MQIACF_Q_ATTRS, 400000000, mq::MQIA_CURRENT_Q_DEPTH}));
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q), "DISPLAY QUEUE('Q1') CURDEPTH");
}

TEST_F(Converters, WriterClearsTheMarksItWritesAndReportsItsFailures)
{
    Command(mq::MQCMD_INQUIRE_Q, mq::MQCA_Q_NAME, "Q1");
    EXPECT_EQ(Emit(mq::MQCMD_INQUIRE_Q), "DISPLAY QUEUE('Q1')");
    const std::pair<int32_t, int32_t> failures[] = {{mq::MQCMD_INQUIRE_Q, ZEM_P2M_REQUIRED_MISSING},
                                                    {9999, ZEM_P2M_NOT_IN_TABLE},
                                                    {mq::MQCMD_ESCAPE, ZEM_P2M_NO_PARAM_LIST}};
    for (const auto &[code, expected] : failures) {
        EXPECT_EQ(Emit(code), "<failed>") << code;
        EXPECT_EQ(reason, expected) << code;
    }
    Command(mq::MQCMD_PING_Q_MGR);
    EXPECT_EQ(EmitMqscMsg(mq::MQCMD_PING_Q_MGR, nullptr, 0, &reason), 0);
    EXPECT_EQ(reason, ZEM_P2M_TEXT_TOO_LONG);
}

// What a walk reported: reason, failedParam and the output count afterwards.
using Walked = std::tuple<int32_t, int32_t, int32_t>;

// Runs the walk on bytes copied one byte into exact-size storage (so that they are not
// aligned and a read past them shows), or on no data; `length` as the descriptor says.
Walked Walk(const std::string *bytes, int32_t length, int32_t capacity, std::string *text = nullptr)
{
    std::vector<unsigned char> storage(bytes ? bytes->size() + 1 : 0);
    if (bytes)
        std::memcpy(storage.data() + 1, bytes->data(), bytes->size());
    std::vector<char> area(static_cast<std::size_t>(capacity), '\x7f');
    MqscText output{area.data(), capacity};
    int32_t reason = -1, failedParam = -1;
    const auto *cfh = bytes ? reinterpret_cast<const ZEM_MQCFH *>(storage.data() + 1) : nullptr;
    PcfToMqsc(PcfDataDesc{cfh, length}, &output, 0, &reason, &failedParam);
    if (text)
        text->assign(area.data(), strnlen(area.data(), area.size()));
    return {reason, failedParam, output.length};
}

TEST(PcfToMqsc, WalkStaysInsideTheGivenLength)
{
    const std::string inquiry = PcfBytes().Cfh(1, mq::MQCMD_INQUIRE_Q, 2).Cfst(mq::MQCA_Q_NAME, "Q1").Cfin(20, 1).bytes();
    const int32_t size = static_cast<int32_t>(inquiry.size());
    std::string text;
    EXPECT_EQ(Walk(&inquiry, size, 33, &text), Walked(0, 0, 32));
    EXPECT_EQ(text, "DISPLAY QUEUE('Q1') TYPE(QLOCAL)");
    // The buffer holds more than the descriptor says: the walk stops at the length. The
    // count keeps the capacity on failure.
    EXPECT_EQ(Walk(&inquiry, size - 16, 64), Walked(ZEM_P2M_BAD_STRUCTURE, 2, 64));
    EXPECT_EQ(Walk(nullptr, 100, 64), Walked(ZEM_P2M_BAD_STRUCTURE, 0, 64));
}

TEST(ConvertOpStr, OperatorWords)
{
    const std::pair<int32_t, const char *> words[] = {
        {mq::MQCFOP_LESS, "LT "},     {mq::MQCFOP_EQUAL, "EQ "},     {mq::MQCFOP_NOT_GREATER, "LE "},
        {mq::MQCFOP_GREATER, "GT "},  {mq::MQCFOP_NOT_EQUAL, "NE "}, {mq::MQCFOP_NOT_LESS, "GE "},
        {mq::MQCFOP_CONTAINS, "CT "}, {mq::MQCFOP_EXCLUDES, "EX "},  {mq::MQCFOP_LIKE, "LK "},
        {mq::MQCFOP_NOT_LIKE, "NL "}, {mq::MQCFOP_CONTAINS_GEN, "CTG "}, {mq::MQCFOP_EXCLUDES_GEN, "EXG "},
        {7, ""}, {0, ""},
    };
    for (const auto &[op, word] : words) {
        char text[8] = "xxxxxxx";
        EXPECT_EQ(ConvertOpStr(op, text), text);
        EXPECT_STREQ(text, word);
    }
    EXPECT_EQ(ConvertOpStr(mq::MQCFOP_LESS, nullptr), nullptr);
}

}  // namespace
