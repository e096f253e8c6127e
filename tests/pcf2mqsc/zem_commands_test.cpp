// zem pcf2mqsc and zem recent, run as built, and the bundled channel response they read.
// To write that sample again after a change:
//   ZEM_WRITE_SAMPLES=1 test_pcf2mqsc --gtest_filter='Pcf2MqscSamples.*'
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.h"
#include "pcf2mqsc_conversion.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"
#include "run_tool.h"

using p2mtest::Padded;
using zemtest::PcfBytes;
using zemtest::RunZem;
namespace mq = zem::mq;

namespace {

constexpr char kChannelSample[] = "pcf/inquire-channel-response.pcf";

// An inquiry response about one queue, with or without alteration stamps.
std::string Response(const std::string &queue, const std::string &date, const std::string &time)
{
    PcfBytes params;
    params.Cfst(mq::MQCA_Q_NAME, Padded(queue, 48));
    if (!date.empty())
        params.Cfst(mq::MQCA_ALTERATION_DATE, Padded(date, 12)).Cfst(mq::MQCA_ALTERATION_TIME, time);
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q, date.empty() ? 1 : 3).Append(params).bytes();
}

TEST(Pcf2MqscSamples, BundledChannelResponseIsItsGeneratorsOutput)
{
    // A queue manager's answer to an inquiry about one sender channel, last altered in 2023.
    const std::string bytes =
        PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_CHANNEL, 5).Cfst(mq::MQCACH_CHANNEL_NAME, Padded("QM1.TO.QM2", 20))
            .Cfin(mq::MQIACH_CHANNEL_TYPE, mq::MQCHT_SENDER).Cfst(mq::MQCACH_DESC, Padded("Sender to QM2", 64))
            .Cfst(mq::MQCA_ALTERATION_DATE, Padded("2023-11-02", 12)).Cfst(mq::MQCA_ALTERATION_TIME, "09.15.00").bytes();
    zemtest::ExpectSampleFile(kChannelSample, bytes);
}

// Runs in a folder holding the files below.
class ZemTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("inquiry.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 3).Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48))
                                     .Cfin(mq::MQIA_Q_TYPE, mq::MQQT_LOCAL)
                                     .Cfil(mq::MQIACF_Q_ATTRS, {mq::MQCA_Q_DESC, mq::MQIA_CURRENT_Q_DEPTH, mq::MQIA_MAX_Q_DEPTH})
                                     .bytes());
        dir.write("in.pcf", Response("PAYROLL.IN", "2024-03-05", "14.30.00"));
    }

    zemtest::TempDir dir;
};
using ZemPcf2Mqsc = ZemTool;
using ZemRecent = ZemTool;

TEST_F(ZemPcf2Mqsc, PrintsTheTextOrNamesTheFailure)
{
    dir.write("noname.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 1).Cfin(mq::MQIA_Q_TYPE, 1).bytes());
    dir.write("filter.pcf", PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_INQUIRE_Q, 2).Cfst(mq::MQCA_Q_NAME, "Q1")
                                .Cfif(mq::MQIA_CURRENT_Q_DEPTH, mq::MQCFOP_GREATER, 10).bytes());
    dir.write("escape.pcf",
              PcfBytes().Cfh(ZEM_MQCFT_COMMAND, mq::MQCMD_ESCAPE, 1).Cfst(mq::MQCACF_ESCAPE_TEXT, "X").bytes());
    dir.write("short.pcf", "abc");
    zemtest::ExpectRuns(
        {
            {{"pcf2mqsc", "inquiry.pcf"}, {0, "DISPLAY QUEUE('Q1') TYPE(QLOCAL) DESCR CURDEPTH MAXDEPTH\n", ""}},
            {{"pcf2mqsc", "inquiry.pcf", "--split"}, {0,
             "DISPLAY QUEUE('Q1') TYPE(QLOCAL) +\nDESCR +\nCURDEPTH +\nMAXDEPTH\n", ""}},
            {{"pcf2mqsc", "noname.pcf"}, {1, "",
             "zem pcf2mqsc: noname.pcf: conversion failed: reason 5005 (a required parameter of the command is "
             "missing), failing structure 0\n"}},
            {{"pcf2mqsc", "filter.pcf"}, {1, "",
             "zem pcf2mqsc: filter.pcf: conversion failed: reason 5001 (a parameter structure the conversion does "
             "not handle, or a malformed one), failing structure 2\n"}},
            {{"pcf2mqsc", "escape.pcf"}, {1, "",
             "zem pcf2mqsc: escape.pcf: conversion failed: reason 3054 (MQRCCF_ESCAPE_TYPE_ERROR: the escape type "
             "is missing or not MQSC), failing structure 0\n"}},
            {{"pcf2mqsc", "absent.pcf"}, {1, "", "zem pcf2mqsc: absent.pcf: not a readable PCF message\n"}},
            {{"pcf2mqsc"}, {2, "", "zem pcf2mqsc: expects one FILE (see 'zem pcf2mqsc --help')\n"}},
            {{"pcf2mqsc", "x.pcf", "--wide"}, {2, "",
             "zem pcf2mqsc: unknown option '--wide' (see 'zem pcf2mqsc --help')\n"}},
        },
        dir.path());
    zemtest::ExpectHelp("pcf2mqsc", "usage: zem pcf2mqsc FILE [--split]\n");
    // the container's own diagnostic about the short message goes to stdout
    zemtest::ToolRun cut = RunZem({"pcf2mqsc", "short.pcf"}, "", dir.path());
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err, "zem pcf2mqsc: short.pcf: not a readable PCF message\n");
}

TEST_F(ZemRecent, SaysWhichObjectsChanged)
{
    dir.write("out.pcf", Response("PAYROLL.OUT", "2024-02-28", "09.00.00"));
    dir.write("bare.pcf", Response("PAYROLL.BARE", "", ""));
    const std::string queueSample = zemtest::SamplePath("pcf/inquire-q-response.pcf");
    const std::string channelSample = zemtest::SamplePath(kChannelSample);
    const std::string changed = "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: changed\n";
    const std::string notLocalTime = "' is not a local time YYYY-MM-DD HH:MM:SS\n";
    zemtest::ExpectRuns(
        {
            {{"recent", "in.pcf", "out.pcf", "bare.pcf", "--since", "2024-03-01 00:00:00"}, {0,
             changed + "out.pcf: QUEUE PAYROLL.OUT, altered 2024-02-28 09.00.00: not changed\n"
                       "bare.pcf: QUEUE PAYROLL.BARE, no alteration stamp: changed\n",
             ""}},
            // the very second of the alteration still counts; one second later does not
            {{"recent", "in.pcf", "--since=2024-03-05 14:30:00"}, {0, changed, ""}},
            {{"recent", "in.pcf", "--since=2024-03-05 14:30:01"}, {0,
             "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: not changed\n", ""}},
            {{"recent", queueSample, channelSample, "--since", "2024-01-01 00:00:00", "--qmgr", "QM1"}, {0,
             queueSample + ": QUEUE APP.REQUEST.QUEUE, altered 2024-03-18 14.22.05: changed\n" + channelSample +
                 ": CHANNEL QM1.TO.QM2, altered 2023-11-02 09.15.00: not changed\n",
             ""}},
            {{"recent", "in.pcf", "missing.pcf", "--since", "2024-03-01 00:00:00"}, {1, changed,
             "zem recent: missing.pcf: not a readable PCF message\n"}},
            {{"recent", "in.pcf"}, {2, "", "zem recent: --since \"YYYY-MM-DD HH:MM:SS\" is required\n"}},
            {{"recent", "--since", "2024-03-05 14:30:00"}, {2, "",
             "zem recent: expects at least one FILE (see 'zem recent --help')\n"}},
            {{"recent", "in.pcf", "--since", "2024-13-05 14:30:00"}, {2, "",
             "zem recent: --since '2024-13-05 14:30:00" + notLocalTime}},
            {{"recent", "in.pcf", "--since", "2024-02-30 14:30:00"}, {2, "",
             "zem recent: --since '2024-02-30 14:30:00" + notLocalTime}},
            {{"recent", "in.pcf", "--since", "2024-03-05"}, {2, "", "zem recent: --since '2024-03-05" + notLocalTime}},
        },
        dir.path());
    zemtest::ExpectHelp("recent", "usage: zem recent FILE... --since \"YYYY-MM-DD HH:MM:SS\"");
}

TEST_F(ZemRecent, VerboseAddsTheFilterTrace)
{
    auto result = RunZem({"recent", "in.pcf", "--since", "2024-03-06 08:00:00", "--qmgr", "QM1", "--verbose"}, "", dir.path());
    EXPECT_EQ(result.status, 0);
    const std::string entry = "DBG...IsAlterDateRecent: QMGR(QM1), entry\n";
    const std::string decision = "DBG...IsAlterDateRecent: \n\tQMGR<QM1>  Reply to Command <13>=<MQCMD_INQUIRE_Q>\n"
                                 "\tObjType <QUEUE>: ObjName <PAYROLL.IN>, return <OLD ALTERATION, SKIP DISCOVERY> \n"
                                 "\tObjAltDate     <2024-03-05>, ObjAltTime     <14.30.00> \n"
                                 "\tLastDiscovDate <2024-03-06>, LastDiscovTime <08.00.00> \n\n"
                                 "DBG...IsAlterDateRecent: QMGR(QM1), exit, return 0\n"
                                 "in.pcf: QUEUE PAYROLL.IN, altered 2024-03-05 14.30.00: not changed\n";
    EXPECT_EQ(zemtest::MaskClocks(result.out), entry + "DATE\n" + decision);
}

}  // namespace
