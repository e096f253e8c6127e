// zemPcf2Mqsc: the whole conversion of a PCF command held in a PcfMessage.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cmdtable/cmdtable.h"
#include "pcf2mqsc_conversion.h"
#include "foundation/mq_constants.h"
#include "capture.h"
#include "pcf_builders.h"

using p2mtest::Convert;
using p2mtest::Padded;
using zemtest::PcfBytes;
namespace mq = zem::mq;

namespace {

constexpr char kTextFormat[] = "MQSTR   ";
const std::string kExampleText = "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH";

// INQUIRE_Q for Q1 of type QLOCAL with the attribute list DESCR, CURDEPTH, MAXDEPTH.
PcfBytes ExampleInquiry(int32_t queueType = mq::MQQT_LOCAL, int32_t parameterCount = 3)
{
    return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, parameterCount).Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48))
        .Cfin(mq::MQIA_Q_TYPE, queueType)
        .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, mq::MQIA_CURRENT_Q_DEPTH, mq::MQIA_MAX_Q_DEPTH});
}
PcfBytes InquireQ1(int32_t more) { return PcfBytes().Cfh(1, mq::MQCMD_INQUIRE_Q, 1 + more).Cfst(mq::MQCA_Q_NAME, "Q1"); }
PcfBytes Escape(int32_t parameterCount) { return PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_ESCAPE, parameterCount); }
PcfBytes MqscEscape(const std::string &text, int32_t more = 0)
{
    return Escape(2 + more).Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC).Cfst(mq::MQCACF_ESCAPE_TEXT, text);
}
PcfBytes AlterDateFilter(PcfBytes command, int32_t op = mq::MQCFOP_NOT_LESS, const char *date = "2008-01-01")
{
    return command.Cfsf(mq::MQCA_ALTERATION_DATE, op, date);
}

void ExpectConverted(const p2mtest::Conversion &result, const std::string &text)
{
    EXPECT_EQ(result.compCode, 0);
    EXPECT_EQ(result.reason, 0);
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.used, ZEM_MDHDR_LENGTH + static_cast<int32_t>(text.size()));
    EXPECT_EQ(result.format, kTextFormat);
}

TEST(Pcf2Mqsc, CommandsAndTheirTexts)
{
    const std::string header3 = PcfBytes().Cfh(1, 13, 3).bytes(), name = PcfBytes().Cfst(2016, "Q1").bytes();
    const int32_t tooLong = ZEM_P2M_TEXT_TOO_LONG, bad = ZEM_P2M_BAD_STRUCTURE, notIn = ZEM_P2M_NOT_IN_TABLE;
    const std::string where = "DISPLAY QUEUE('Q1') WHERE(ALTDATE GE 2008-01-01)";
    struct Case {
        const char *what;
        std::string bytes;
        const char *text;  // on failure what stands in the area, nullptr when not checked
        int32_t reason = 0;
        int32_t failedParam = 0;
        bool split = false;
        int32_t capacity = 4096;
    };
    std::vector<Case> cases = {
        {"example", ExampleInquiry().bytes(), kExampleText.c_str()},
        {"example split", ExampleInquiry().bytes(), "DISPLAY QUEUE('Q1') TYPE(QLOCAL) +\nDESCR +\nCURDEPTH +\nMAXDEPTH",
         0, 0, true},
        // the order of the PCF parameters does not matter: the table's order does
        {"example reordered",
         PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 3)
             .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQIA_MAX_Q_DEPTH, mq::MQIA_CURRENT_Q_DEPTH, mq::MQCA_Q_DESC})
             .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL).Cfst(mq::MQCA_Q_NAME, "Q1").bytes(),
         kExampleText.c_str()},
        {"verb alone", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_PING_Q_MGR, 0).bytes(), "PING QMGR"},
        {"channel authentication record removed, not added",
         PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_SET_CHLAUTH_REC, 3).Cfin(mq::MQIACF_ACTION, mq::MQACT_REMOVE)
             .Cfst(mq::MQCACH_CHANNEL_NAME, "APP.*").Cfin(mq::MQIACF_CHLAUTH_TYPE, mq::MQCAUT_ADDRESSMAP).bytes(),
         "SET CHLAUTH('APP.*') TYPE(ADDRESSMAP) ACTION(REMOVE)"},
        {"names of all queue types",
         PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q_NAMES, 2).Cfst(mq::MQCA_Q_NAME, Padded("PAY*", 48))
             .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_ALL).bytes(),
         "DISPLAY QUEUE(PAY*)"},
        // the escape text is given unchanged, cut to the area less its NUL; the escape path
        // leaves failedParam alone
        {"escape", MqscEscape("DISPLAY QMGR ALL  ").bytes(), "DISPLAY QMGR ALL  ", 0, -1},
        {"escape cut", MqscEscape("DISPLAY QMGR ALL").bytes(), "DISPLAY", 0, -1, false, 8},
        {"escape with a filter", AlterDateFilter(MqscEscape("DISPLAY QUEUE(*)", 1)).bytes(),
         "DISPLAY QUEUE(*) WHERE(ALTDATE GE 2008-01-01)", 0, -1},
        // the value of the clause is cut to 13 characters
        {"filter cut", AlterDateFilter(InquireQ1(1), 6, "2008-01-01.12.30.45").bytes(),
         "DISPLAY QUEUE('Q1') WHERE(ALTDATE GE 2008-01-01.12)"},
        {"filter split", AlterDateFilter(ExampleInquiry(mq::MQQT_LOCAL, 4)).bytes(),
         "DISPLAY QUEUE('Q1') TYPE(QLOCAL) +\nDESCR +\nCURDEPTH +\nMAXDEPTH WHERE(ALTDATE GE 2008-01-01)", 0, 0, true},
        // the date as a plain string selects ALTDATE and asks for no clause
        {"date string", InquireQ1(1).Cfst(mq::MQCA_ALTERATION_DATE, "2008-01-01").bytes(),
         "DISPLAY QUEUE('Q1') ALTDATE"},
        // the example needs 57 bytes with its NUL, the filtered inquiry 49; the text before
        // the item that does not fit stays
        {"example fits", ExampleInquiry().bytes(), kExampleText.c_str(), 0, 0, false, 57},
        {"example too long", ExampleInquiry().bytes(), "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH", tooLong, 0,
         false, 56},
        {"clause fits", AlterDateFilter(InquireQ1(1)).bytes(), where.c_str(), 0, 0, false, 49},
        {"clause too long", AlterDateFilter(InquireQ1(1)).bytes(), "DISPLAY QUEUE('Q1')", tooLong, 0, false, 48},
        // the unquoted value may not end the clause early
        {"clause breakout", AlterDateFilter(InquireQ1(1), 6, "1)PUT(DISABLE").bytes(), "DISPLAY QUEUE('Q1')", notIn},
        {"no escape type", Escape(1).Cfst(mq::MQCACF_ESCAPE_TEXT, "PING QMGR").bytes(), nullptr,
         mq::MQRCCF_ESCAPE_TYPE_ERROR, -1},
        {"escape type not MQSC", Escape(2).Cfin(mq::MQIACF_ESCAPE_TYPE, 2).Cfst(mq::MQCACF_ESCAPE_TEXT, "X").bytes(),
         nullptr, mq::MQRCCF_ESCAPE_TYPE_ERROR, -1},
        {"escape type as a string", Escape(2).Cfst(mq::MQIACF_ESCAPE_TYPE, "1").Cfst(mq::MQCACF_ESCAPE_TEXT, "X").bytes(),
         nullptr, mq::MQRCCF_ESCAPE_TYPE_ERROR, -1},
        {"no escape text", Escape(1).Cfin(mq::MQIACF_ESCAPE_TYPE, mq::MQET_MQSC).bytes(), nullptr,
         mq::MQRCCF_PARM_COUNT_TOO_SMALL, -1},
        {"integer filter", InquireQ1(1).Cfif(20, mq::MQCFOP_EQUAL, 1).bytes(), nullptr, bad, 2},
        {"byte string", PcfBytes().Cfh(1, 13, 2).Cfbs(7001, "AB").Cfst(2016, "Q1").bytes(), nullptr, bad, 1},
        {"group", InquireQ1(2).Cfgr(8000, 1).Cfin(20, 1).bytes(), nullptr, bad, 2},
        // every MQCFH type is a header: this one lacks only the queue name
        {"response header", PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 0).bytes(), nullptr, ZEM_P2M_REQUIRED_MISSING, 0},
        {"command not in the table", PcfBytes().Cfh(1, 9999, 1).Cfst(2016, "Q1").bytes(), nullptr, notIn, 0},
        {"string list unknown to the command", InquireQ1(1).Cfsl(mq::MQCA_NAMES, {"A"}, 8).bytes(), nullptr, notIn, 2},
        {"required name missing", PcfBytes().Cfh(1, 13, 1).Cfin(20, 1).bytes(), nullptr, ZEM_P2M_REQUIRED_MISSING, 0},
        {"negative parameter count", PcfBytes().Cfh(1, 40, -1).bytes(), nullptr, notIn, 0},
        {"empty message", "", nullptr, bad, 0},
        {"header cut short", header3.substr(0, 30), nullptr, bad, 0},
        {"StrucLength below 8", header3 + name + PcfBytes().Words({3, 4, 20, 1}).bytes(), nullptr, bad, 2},
        {"StrucLength beyond the data", header3 + name + PcfBytes().Words({3, 64, 20, 1}).bytes(), nullptr, bad, 2},
        {"count larger than the data holds", header3 + name + PcfBytes().Cfin(20, 1).bytes(), nullptr, bad, 3},
        {"integer shorter than its fields", header3 + name + PcfBytes().Words({3, 12, 20}).bytes(), nullptr, bad, 2},
        {"string beyond its structure", header3 + PcfBytes().Words({4, 24, 2016, 0, 9}).Chars("Q1Q1").bytes(),
         nullptr, bad, 1},
        {"negative string length", header3 + PcfBytes().Words({4, 24, 2016, 0, -1}).Chars("Q1Q1").bytes(), nullptr,
         bad, 1},
        {"integer list beyond its structure", header3 + name + PcfBytes().Words({5, 20, 1002, 2, 3}).bytes(),
         nullptr, bad, 2},
        {"string list beyond its structure",
         PcfBytes().Cfh(1, 34, 2).Cfst(2010, "NL").Words({6, 32, 2020, 0, 2, 8}).Chars("AAAAAAAA").bytes(), nullptr,
         bad, 2},
        {"string list with a negative count",
         PcfBytes().Cfh(1, 34, 2).Cfst(2010, "NL").Words({6, 24, 2020, 0, -1, 8}).bytes(), nullptr, bad, 2},
    };
    // whatever the operator, the clause says GE
    cases.push_back({"operator LT", AlterDateFilter(InquireQ1(1), mq::MQCFOP_LESS).bytes(), where.c_str()});
    // A command of more than 149 parameters, its last one converted too: raw, and indexed
    // into continuations (ids the command does not know are dropped).
    PcfBytes many = PcfBytes().Cfh(1, mq::MQCMD_INQUIRE_Q, 160).Cfst(mq::MQCA_Q_NAME, "Q1");
    for (int i = 0; i < 158; ++i)
        many.Cfin(9999, i);
    many.Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL);
    cases.push_back({"160 parameters", many.bytes(), "DISPLAY QUEUE('Q1') TYPE(QLOCAL)"});
    zemtest::PcfPtr indexed = zemtest::ContainerHolding(many.bytes());
    ASSERT_EQ(RawToPcf(indexed.get()), 1);
    ASSERT_NE(PcfContinuation(indexed.get()), nullptr);
    ExpectConverted(Convert(*indexed), "DISPLAY QUEUE('Q1') TYPE(QLOCAL)");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto result = Convert(c.bytes, c.split, c.capacity);
        EXPECT_EQ(result.compCode, c.reason ? 2 : 0);
        EXPECT_EQ(result.reason, c.reason);
        EXPECT_EQ(result.failedParam, c.failedParam);
        EXPECT_TRUE(!c.text || result.text == c.text) << result.text;
        // Used is left as it was on failure
        EXPECT_EQ(result.used, ZEM_MDHDR_LENGTH + static_cast<int32_t>(c.reason ? 0 : std::strlen(c.text)));
        EXPECT_EQ(result.format, kTextFormat);
    }
}

TEST(Pcf2Mqsc, CommandIsLeftAsItWas)
{
    const std::string bytes = ExampleInquiry(mq::MQQT_ALL).bytes();
    zemtest::PcfPtr message = zemtest::ContainerHolding(bytes);
    ExpectConverted(Convert(*message), "DISPLAY QUEUE('Q1') DESCR CURDEPTH MAXDEPTH");
    EXPECT_EQ(zemtest::DataOf(*message), bytes);
    // Still indexed, and converted the same a second time.
    MESSAGE holder{};
    EXPECT_EQ(GetAttrByID(mq::MQIA_Q_TYPE, &holder, message.get()), 1);
    DeleteMessage(&holder);
    ExpectConverted(Convert(*message), "DISPLAY QUEUE('Q1') DESCR CURDEPTH MAXDEPTH");
}

TEST(Pcf2Mqsc, NullMessagesAndOutParameters)
{
    zemtest::PcfPtr text = p2mtest::TextContainer(64);
    zemtest::PcfPtr command = zemtest::ContainerHolding(ExampleInquiry().bytes());
    for (int nulled = 0; nulled < 2; ++nulled) {
        int32_t compCode = -1, reason = -1, failedParam = -1;
        zemPcf2Mqsc(nulled ? command.get() : nullptr, nulled ? nullptr : text.get(), 0, &compCode, &reason,
                    &failedParam);
        EXPECT_EQ(compCode, 2);
        EXPECT_EQ(reason, ZEM_P2M_BAD_STRUCTURE);
        EXPECT_EQ(failedParam, 0);
    }
    zemPcf2Mqsc(command.get(), text.get(), 0, nullptr, nullptr, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(text->PcfMsg.pData)), kExampleText);
}

// A longer text an earlier conversion left in a reused area does not show. (What a
// conversion of either direction leaves in the table: see the round-trip tests.)
TEST(Pcf2Mqsc, LongerTextLeftInAReusedAreaDoesNotShow)
{
    zemtest::PcfPtr text = p2mtest::TextContainer(256);
    zemtest::PcfPtr first = zemtest::ContainerHolding(ExampleInquiry().bytes());
    zemtest::PcfPtr second = zemtest::ContainerHolding(PcfBytes().Cfh(1, mq::MQCMD_PING_Q_MGR, 0).bytes());
    ExpectConverted(p2mtest::ConvertInto(*first, *text, false), kExampleText);
    ExpectConverted(p2mtest::ConvertInto(*second, *text, false), "PING QMGR");
}

// Allocations this thread may still make before operator new fails; -1 without limit.
thread_local long t_allocationsLeft = -1;

// Runs call on a fresh thread (so that the thread's own command table, and on the first
// call the process's table layout and index, are built under the limit too) for every
// allowance from 0 up, until one is enough. Every run gives either that run's result or
// one of `failed`, and none lets an exception out.
template <typename Call>
void SweepAllocations(const std::string &what, Call call, const std::set<std::string> &failed)
{
    SCOPED_TRACE(what);
    std::vector<std::string> results;
    for (long allowance = 0;; ++allowance) {
        std::string result;
        bool limited = false;
        std::thread([&] {
            t_allocationsLeft = allowance;
            result = call();
            limited = t_allocationsLeft == 0;
            t_allocationsLeft = -1;
        }).join();
        if (!limited) {
            for (const std::string &early : results)
                EXPECT_TRUE(early == result || failed.count(early) == 1) << early;
            return;
        }
        results.push_back(result);
    }
}

// Takes the limit off while the test builds its result text.
struct Unlimited {
    long saved = t_allocationsLeft;
    Unlimited() { t_allocationsLeft = -1; }
    ~Unlimited() { t_allocationsLeft = saved; }
};

TEST(Pcf2Mqsc, FailedAllocationsEndInFailureResults)
{
    zemtest::PcfPtr command = zemtest::ContainerHolding(
        PcfBytes().Cfh(1, mq::MQCMD_CHANGE_Q, 4).Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL).Cfst(mq::MQCA_Q_NAME, "Q1")
            .Cfst(mq::MQCA_Q_DESC, "it's").Cfin(mq::MQIA_MAX_Q_DEPTH, 9).bytes());
    zemtest::PcfPtr text = p2mtest::TextContainer(256);
    SweepAllocations("PCF to MQSC", [&] {
        int32_t compCode = -1, reason = -1, failedParam = -1;
        zemPcf2Mqsc(command.get(), text.get(), 1, &compCode, &reason, &failedParam);
        Unlimited unlimited;
        return std::to_string(compCode) + " " + std::to_string(reason) + " " +
               (compCode ? "" : reinterpret_cast<const char *>(text->PcfMsg.pData));
    }, {"2 5003 "});

    const std::string reply = "CSQM401I +CSQ1 QUEUE(Q1) TYPE(QLOCAL) DESCR(Payroll) CURDEPTH(12) NOTRIGGER "
                              "ALTDATE(2001-02-03) ALTTIME(04.05.06)";
    zemtest::PcfPtr response(CreatePcfMessage(mq::MQCMD_INQUIRE_Q, ZEM_MQCFT_COMMAND, 512));
    SweepAllocations("MQSC to PCF", [&] {
        zemtest::PcfPtr input;
        {
            Unlimited unlimited;
            input = zemtest::ContainerHolding(reply);
            response->PcfMsg.Used = ZEM_MDHDR_LENGTH + ZEM_MQCFH_LENGTH;
            response->pCfh->Type = ZEM_MQCFT_COMMAND;
        }
        int32_t status = -1, reason = -1, count = -1;
        zemMqsc2Pcf(input.get(), response.get(), &status, &reason, &count);
        Unlimited unlimited;
        return std::to_string(status) + " " + std::to_string(reason) + " " +
               (status ? "" : zemtest::DataOf(*response));
    }, {"2 5003 "});

    ASSERT_EQ(RawToPcf(response.get()), 1);
    // The printer fails with 0; the filter, stamped before now, takes a failure for an
    // alteration (1).
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    SweepAllocations("printer and filter", [&] {
        int printed = -1, recent = -1;
        long allowance = std::exchange(t_allocationsLeft, -1);
        zemtest::CaptureStdout([&] {
            t_allocationsLeft = allowance;
            printed = PrintPcfMessage(response.get());
            recent = IsAlterDateRecent2(now, response.get(), "CSQ1", 1);
            allowance = std::exchange(t_allocationsLeft, -1);
        });
        t_allocationsLeft = allowance;
        Unlimited unlimited;
        return std::to_string(printed) + " " + std::to_string(recent);
    }, {"0 1", "1 1"});

    // A message past 149 parameters is put back together whole for sending.
    PcfBytes large;
    large.Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q_MGR, 160);
    for (int32_t id = 1; id <= 160; ++id)
        large.Cfin(id, id);
    zemtest::PcfPtr split = zemtest::ContainerHolding(large.bytes());
    ASSERT_EQ(RawToPcf(split.get()), 1);
    SweepAllocations("whole message", [&] {
        return std::to_string(PcfToRaw(split.get(), nullptr, 0));
    }, {"-1"});
}

// samples/pcf/inquire-channel-response.pcf, which zem recent reads in the tool transcripts: a
// queue manager's answer to an inquiry about one sender channel, last altered in 2023. To write
// it again: ZEM_WRITE_SAMPLES=1 test_pcf2mqsc --gtest_filter='Pcf2MqscSamples.*'
TEST(Pcf2MqscSamples, BundledChannelResponseIsItsGeneratorsOutput)
{
    const std::string bytes =
        PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_CHANNEL, 5).Cfst(mq::MQCACH_CHANNEL_NAME, Padded("QM1.TO.QM2", 20))
            .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER).Cfst(mq::MQCACH_DESC, Padded("Sender to QM2", 64))
            .Cfst(mq::MQCA_ALTERATION_DATE, Padded("2023-11-02", 12)).Cfst(mq::MQCA_ALTERATION_TIME, "09.15.00").bytes();
    zemtest::ExpectSampleFile("pcf/inquire-channel-response.pcf", bytes);
}

}  // namespace

// The test's allocator: malloc under the thread's allowance.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void *operator new(std::size_t size)
{
    if (t_allocationsLeft == 0)
        throw std::bad_alloc();
    if (t_allocationsLeft > 0)
        --t_allocationsLeft;
    if (void *block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
void operator delete(void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
