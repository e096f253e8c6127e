// IsAlterDateRecent2: the discovery filter on inquiry responses, and its trace.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "capture.h"
#include "foundation/mq_constants.h"
#include "pcf2mqsc_conversion.h"
#include "pcf_builders.h"

using p2mtest::Padded;
using zemtest::PcfBytes;
using zemtest::PcfPtr;
namespace mq = zem::mq;

namespace {

// Seconds since 1970 of 2009-03-07 10:20:30, local time.
int64_t DiscoveryStart()
{
    std::tm fields{};
    fields.tm_year = 109, fields.tm_mon = 2, fields.tm_mday = 7;
    fields.tm_hour = 10, fields.tm_min = 20, fields.tm_sec = 30;
    fields.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&fields));
}
const int64_t kDiscovery = DiscoveryStart();

PcfPtr Indexed(const PcfBytes &bytes)
{
    PcfPtr response = zemtest::ContainerHolding(bytes.bytes());
    EXPECT_EQ(RawToPcf(response.get()), 1);
    return response;
}

// An inquiry response for queue Q1 with the given stamps ("" leaves one out).
PcfBytes QueueResponse(const std::string &date, const std::string &time)
{
    PcfBytes params;
    params.Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48));
    if (!date.empty())
        params.Cfst(mq::MQCA_ALTERATION_DATE, Padded(date, 12));
    if (!time.empty())
        params.Cfst(mq::MQCA_ALTERATION_TIME, time);
    const int32_t count = 1 + !date.empty() + !time.empty();
    return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q, count).Append(params);
}

// The whole trace of a response that reached the decision; `more` stands before the exit.
std::string Trace(const std::string &type, const std::string &name, bool recent, const std::string &altDate,
                  const std::string &altTime, const std::string &more = "", int32_t command = 13,
                  const std::string &commandName = "MQCMD_INQUIRE_Q")
{
    return "DBG...IsAlterDateRecent: QMGR(QM1), entry\nDATE\nDBG...IsAlterDateRecent: \n\tQMGR<QM1>  Reply to "
           "Command <" + std::to_string(command) + ">=<" + commandName + ">\n\tObjType <" + type + ">: ObjName <" +
           name + ">, return <" + (recent ? "NEW ALTERATION, INCL DISCOVERY" : "OLD ALTERATION, SKIP DISCOVERY") +
           "> \n\tObjAltDate     <" + altDate + ">, ObjAltTime     <" + altTime +
           "> \n\tLastDiscovDate <2009-03-07>, LastDiscovTime <10.20.30> \n\n" + more +
           "DBG...IsAlterDateRecent: QMGR(QM1), exit, return " + (recent ? "1" : "0") + "\n";
}

// What the library's printer shows for a response (its texts are checked with the printer).
std::string Listing(const PcfBytes &response)
{
    PcfPtr pcf = Indexed(response);
    return zemtest::MaskClocks(zemtest::CaptureStdout([&] { PrintPcfMessage(pcf.get()); }));
}

// The verdict, checking that nothing is printed without verbose.
int32_t Quietly(int64_t start, PcfMessage *response, const char *qmgr)
{
    int32_t result = -1;
    std::string out = zemtest::CaptureStdout([&] { result = IsAlterDateRecent2(start, response, qmgr, 0); });
    EXPECT_EQ(out, "");
    return result;
}

TEST(IsAlterDateRecent2, VerdictsAroundTheDiscoveryStart)
{
    const struct {
        const char *date;
        const char *time;
        int32_t recent;
    } cases[] = {
        // the very second of the start and the day before, whatever the time: see the traces
        {"2009-03-07", "10.20.29", 0}, {"2009-03-07", "10.20.31", 1}, {"2009-03-08", "00.00.00", 1},
        {"2001-01-01", "", 1},  // no stamp: always included
        {"", "01.00.00", 1},
        {"            ", "01.00.00", 1},  // blanks only are no stamp once cut at the first blank
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.time);
        EXPECT_EQ(Quietly(kDiscovery, Indexed(QueueResponse(c.date, c.time)).get(), "QM1"), c.recent);
    }
    // a stamp of another structure type is no stamp
    auto integerDate = PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q, 3).Cfst(mq::MQCA_Q_NAME, "Q1")
                           .Cfin(mq::MQCA_ALTERATION_DATE, 20010101).Cfst(mq::MQCA_ALTERATION_TIME, "01.00.00");
    EXPECT_EQ(Quietly(kDiscovery, Indexed(integerDate).get(), "QM1"), 1);
}

TEST(IsAlterDateRecent2, NullInputsAnswerRecentWithoutReading)
{
    PcfPtr old = Indexed(QueueResponse("2001-01-01", "01.00.00"));
    const char *name = "QM1";
    const struct {
        int64_t start;
        PcfMessage *response;
        const char *qmgr;
    } cases[] = {{0, old.get(), name}, {kDiscovery, old.get(), nullptr}, {kDiscovery, nullptr, name},
                 {-5000000000LL, nullptr, name}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.start);
        EXPECT_EQ(Quietly(c.start, c.response, c.qmgr), 1);
        // The addresses are printed as the runtime library prints pointers.
        char params[128];
        std::snprintf(params, sizeof params, "pPcfMsg %p, tDiscovStart %lld, pszQMgr %p",
                      static_cast<void *>(c.response), static_cast<long long>(c.start),
                      static_cast<const void *>(c.qmgr));
        const std::string qmgr = c.qmgr ? "QMGR(QM1)" : "QMGR((null))";
        std::string out =
            zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(c.start, c.response, c.qmgr, 1), 1); });
        EXPECT_EQ(out, "DBG...IsAlterDateRecent: " + qmgr + ", entry\nDBG...IsAlterDateRecent: One of these params "
                       "is 0:  " + params + " for " + qmgr + ", return true  as if alter date is recent.\n");
    }
}

TEST(IsAlterDateRecent2, TraceNamesTheObjectAndTheVerdictAndLeavesTheResponseAsItWas)
{
    auto channel = [](const PcfBytes &params, int32_t count) {
        return PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_CHANNEL, count + 2).Append(params)
            .Cfst(mq::MQCA_ALTERATION_DATE, "2009-03-08").Cfst(mq::MQCA_ALTERATION_TIME, "08.00.00");
    };
    auto channelTrace = [](const char *type, const char *name) {
        return Trace(type, name, true, "2009-03-08", "08.00.00", "", 25, "MQCMD_INQUIRE_CHANNEL");
    };
    const struct {
        const char *what;
        PcfBytes response;
        std::string trace;
        int32_t recent = 1;
    } cases[] = {
        {"recent", QueueResponse("2009-03-07", "10.20.30"), Trace("QUEUE", "Q1", true, "2009-03-07", "10.20.30")},
        {"old", QueueResponse("2009-03-06", "23.59.59"), Trace("QUEUE", "Q1", false, "2009-03-06", "23.59.59"), 0},
        {"without stamps the response is listed", QueueResponse("", ""),
         Trace("QUEUE", "Q1", true, "", "",
               "DBG...IsAlterDateRecent: The PCF msg for QMGR(QM1) has no alter date or time:\n" +
               Listing(QueueResponse("", "")))},
        {"channel name of 20 characters", channel(PcfBytes().Cfst(mq::MQCACH_CHANNEL_NAME, "CHANNEL.WITH.A.LONG.NAME"), 1),
         channelTrace("CHANNEL", "CHANNEL.WITH.A.LONG.")},
        {"queue before channel",
         channel(PcfBytes().Cfst(mq::MQCACH_CHANNEL_NAME, Padded("C1", 20)).Cfst(mq::MQCA_Q_NAME, Padded("Q9", 48)), 2),
         channelTrace("QUEUE", "Q9")},
        {"service name of 32 characters", channel(PcfBytes().Cfst(mq::MQCA_SERVICE_NAME, std::string(40, 'S')), 1),
         channelTrace("SERVICE", "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS")},
        {"queue manager", channel(PcfBytes().Cfst(mq::MQCA_Q_MGR_NAME, Padded("QM1", 48)), 1), channelTrace("QMGR", "QM1")},
        {"namelist", channel(PcfBytes().Cfst(mq::MQCA_NAMELIST_NAME, "NL1 X"), 1), channelTrace("NAMELIST", "NL1")},
        {"no name", channel(PcfBytes().Cfin(mq::MQIA_Q_TYPE, 1), 1), channelTrace("*unknown*", "*unknown*")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        PcfPtr response = Indexed(c.response);
        std::string out = zemtest::CaptureStdout(
            [&] { EXPECT_EQ(IsAlterDateRecent2(kDiscovery, response.get(), "QM1", 1), c.recent); });
        EXPECT_EQ(zemtest::MaskClocks(out), c.trace);
        EXPECT_EQ(zemtest::DataOf(*response), c.response.bytes());
    }
}

}  // namespace
