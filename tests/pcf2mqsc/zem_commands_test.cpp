// zem pcf2mqsc and zem recent, run as built.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "capture.h"
#include "conversion_helpers.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"
#include "run_tool.h"

using p2mtest::Padded;
using zemtest::PcfBytes;
using zemtest::RunZem;
namespace mq = zem::mq;

namespace {

std::string Inquiry()
{
    return PcfBytes()
        .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 3)
        .Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48))
        .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
        .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, mq::MQIA_CURRENT_Q_DEPTH, mq::MQIA_MAX_Q_DEPTH})
        .bytes();
}

std::string Response(const std::string &queue, const std::string &date, const std::string &time)
{
    PcfBytes params;
    params.Cfst(mq::MQCA_Q_NAME, Padded(queue, 48));
    int32_t count = 1;
    if (!date.empty()) {
        params.Cfst(mq::MQCA_ALTERATION_DATE, Padded(date, 12)).Cfst(mq::MQCA_ALTERATION_TIME, time);
        count += 2;
    }
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q, count).Append(params).bytes();
}

TEST(ZemPcf2Mqsc, PrintsTheTextOnOneLineOrWithContinuations)
{
    zemtest::TempDir dir;
    dir.write("inquiry.pcf", Inquiry());
    auto plain = RunZem({"pcf2mqsc", "inquiry.pcf"}, "", dir.path());
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH\n");
    EXPECT_EQ(plain.err, "");
    auto split = RunZem({"pcf2mqsc", "inquiry.pcf", "--split"}, "", dir.path());
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(split.out, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) +\nDESCR +\nCURDEPTH +\nMAXDEPTH\n");
}

TEST(ZemPcf2Mqsc, FailureNamesReasonMeaningAndStructure)
{
    zemtest::TempDir dir;
    dir.write("noname.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 1).Cfin(mq::MQIA_Q_TYPE, 1).bytes());
    auto missing = RunZem({"pcf2mqsc", "noname.pcf"}, "", dir.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "zem pcf2mqsc: noname.pcf: conversion failed: reason 5005 (a required parameter of the "
                           "command is missing), failing structure 0\n");

    dir.write("filter.pcf", PcfBytes()
                                .Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2)
                                .Cfst(mq::MQCA_Q_NAME, "Q1")
                                .Cfif(mq::MQIA_CURRENT_Q_DEPTH, mq::MQCFOP_GREATER, 10)
                                .bytes());
    auto filter = RunZem({"pcf2mqsc", "filter.pcf"}, "", dir.path());
    EXPECT_EQ(filter.status, 1);
    EXPECT_EQ(filter.err, "zem pcf2mqsc: filter.pcf: conversion failed: reason 5001 (a parameter structure the "
                          "conversion does not handle, or a malformed one), failing structure 2\n");

    dir.write("escape.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_ESCAPE, 1).Cfst(mq::MQCACF_ESCAPE_TEXT, "X").bytes());
    auto escape = RunZem({"pcf2mqsc", "escape.pcf"}, "", dir.path());
    EXPECT_EQ(escape.status, 1);
    EXPECT_EQ(escape.err, "zem pcf2mqsc: escape.pcf: conversion failed: reason 3054 (MQRCCF_ESCAPE_TYPE_ERROR: the "
                          "escape type is missing or not MQSC), failing structure 0\n");
}

TEST(ZemPcf2Mqsc, UnreadableFileAndUsage)
{
    zemtest::TempDir dir;
    dir.write("short.pcf", "abc");
    auto shortFile = RunZem({"pcf2mqsc", "short.pcf"}, "", dir.path());
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_EQ(shortFile.err, "zem pcf2mqsc: short.pcf: not a readable PCF message\n");
    auto absent = RunZem({"pcf2mqsc", "absent.pcf"}, "", dir.path());
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.err, "zem pcf2mqsc: absent.pcf: not a readable PCF message\n");

    auto none = RunZem({"pcf2mqsc"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, "zem pcf2mqsc: expects one FILE (see 'zem pcf2mqsc --help')\n");
    auto unknown = RunZem({"pcf2mqsc", "x.pcf", "--wide"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "zem pcf2mqsc: unknown option '--wide' (see 'zem pcf2mqsc --help')\n");
    auto help = RunZem({"pcf2mqsc", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: zem pcf2mqsc FILE [--split]\n", 0), 0u) << help.out;
}

TEST(ZemRecent, SaysWhichObjectsChanged)
{
    zemtest::TempDir dir;
    dir.write("in.pcf", Response("PAYROLL.IN", "2024-03-05", "14.30.00"));
    dir.write("out.pcf", Response("PAYROLL.OUT", "2024-02-28", "09.00.00"));
    dir.write("bare.pcf", Response("PAYROLL.BARE", "", ""));
    auto result = RunZem({"recent", "in.pcf", "out.pcf", "bare.pcf", "--since", "2024-03-01 00:00:00"}, "", dir.path());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: changed\n"
                          "out.pcf: QUEUE PAYROLL.OUT, altered 2024-02-28 09.00.00: not changed\n"
                          "bare.pcf: QUEUE PAYROLL.BARE, no alteration stamp: changed\n");

    // The very second of the alteration still counts; one second later does not.
    auto same = RunZem({"recent", "in.pcf", "--since=2024-03-05 14:30:00"}, "", dir.path());
    EXPECT_EQ(same.out, "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: changed\n");
    auto later = RunZem({"recent", "in.pcf", "--since=2024-03-05 14:30:01"}, "", dir.path());
    EXPECT_EQ(later.out, "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: not changed\n");
}

TEST(ZemRecent, VerboseAddsTheFilterTrace)
{
    zemtest::TempDir dir;
    dir.write("in.pcf", Response("PAYROLL.IN", "2024-03-05", "14.30.00"));
    auto result = RunZem({"recent", "in.pcf", "--since", "2024-03-06 08:00:00", "--qmgr", "QM1", "--verbose"}, "", dir.path());
    EXPECT_EQ(result.status, 0);
    const std::string entry = "DBG...IsAlterDateRecent: QMGR(QM1), entry\n";
    const std::string decision = "DBG...IsAlterDateRecent: \n\tQMGR<QM1>  Reply to Command <13>=<MQCMD_INQUIRE_Q>\n"
                                 "\tObjType <QUEUE>: ObjName <PAYROLL.IN>, return <OLD ALTERATION, SKIP DISCOVERY> \n"
                                 "\tObjAltDate     <2024-03-05>, ObjAltTime     <14.30.00> \n"
                                 "\tLastDiscovDate <2024-03-06>, LastDiscovTime <08.00.00> \n\n"
                                 "DBG...IsAlterDateRecent: QMGR(QM1), exit, return 0\n"
                                 "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: not changed\n";
    ASSERT_EQ(result.out.size(), entry.size() + 25 + decision.size()) << result.out;
    EXPECT_EQ(result.out.substr(0, entry.size()), entry);
    EXPECT_TRUE(std::regex_match(result.out.substr(entry.size(), 25),
                                 std::regex("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9:]{8} [0-9]{4}\n")))
        << "the clock line";
    EXPECT_EQ(result.out.substr(entry.size() + 25), decision);
}

TEST(ZemRecent, UsageErrors)
{
    zemtest::TempDir dir;
    dir.write("in.pcf", Response("Q1", "2024-03-05", "14.30.00"));
    struct Case {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"recent", "in.pcf"}, "zem recent: --since \"YYYY-MM-DD HH:MM:SS\" is required\n"},
        {{"recent", "--since", "2024-03-05 14:30:00"}, "zem recent: expects at least one FILE (see 'zem recent --help')\n"},
        {{"recent", "in.pcf", "--since", "2024-13-05 14:30:00"},
         "zem recent: --since '2024-13-05 14:30:00' is not a local time YYYY-MM-DD HH:MM:SS\n"},
        {{"recent", "in.pcf", "--since", "2024-02-30 14:30:00"},
         "zem recent: --since '2024-02-30 14:30:00' is not a local time YYYY-MM-DD HH:MM:SS\n"},
        {{"recent", "in.pcf", "--since", "2024-03-05"}, "zem recent: --since '2024-03-05' is not a local time YYYY-MM-DD HH:MM:SS\n"},
    };
    for (const auto &c : cases) {
        auto result = RunZem(c.args, "", dir.path());
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
    }
    auto unreadable = RunZem({"recent", "in.pcf", "missing.pcf", "--since", "2024-03-01 00:00:00"}, "", dir.path());
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out, "in.pcf: QUEUE Q1, altered 2024-03-05 14.30.00: changed\n");
    EXPECT_EQ(unreadable.err, "zem recent: missing.pcf: not a readable PCF message\n");
    auto help = RunZem({"recent", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: zem recent FILE... --since \"YYYY-MM-DD HH:MM:SS\"", 0), 0u) << help.out;
}

}  // namespace
