// IsAlterDateRecent2: the discovery filter on inquiry responses, and its trace.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <regex>
#include <string>

#include "capture.h"
#include "conversion_helpers.h"
#include "foundation/mq_constants.h"
#include "pcf_builders.h"

using p2mtest::Padded;
using zemtest::PcfBytes;
using zemtest::PcfPtr;
namespace mq = zem::mq;

namespace {

// Seconds since 1970 of a local calendar time.
int64_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&fields));
}

const int64_t kDiscovery = LocalTime(2009, 3, 7, 10, 20, 30);

// An indexed inquiry response for queue Q1 with the given stamps ("" leaves one out).
PcfPtr QueueResponse(const std::string &date, const std::string &time)
{
    PcfBytes params;
    int32_t count = 1;
    params.Cfst(mq::MQCA_Q_NAME, Padded("Q1", 48));
    if (!date.empty()) {
        params.Cfst(mq::MQCA_ALTERATION_DATE, Padded(date, 12));
        ++count;
    }
    if (!time.empty()) {
        params.Cfst(mq::MQCA_ALTERATION_TIME, time);
        ++count;
    }
    PcfPtr response = zemtest::ContainerHolding(
        PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q, count).Append(params).bytes());
    EXPECT_EQ(RawToPcf(response.get()), 1);
    return response;
}

PcfPtr Indexed(const PcfBytes &bytes)
{
    PcfPtr response = zemtest::ContainerHolding(bytes.bytes());
    EXPECT_EQ(RawToPcf(response.get()), 1);
    return response;
}

// The runtime library's 24-character local time text and its line feed, masked.
std::string MaskClock(const std::string &text)
{
    static const std::regex clock("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\n");
    return std::regex_replace(text, clock, "<clock>\n");
}

std::string Decision(const std::string &qmgr, const std::string &type, const std::string &name, bool recent,
                     const std::string &altDate, const std::string &altTime, int32_t command = 13,
                     const std::string &commandName = "MQCMD_INQUIRE_Q")
{
    return "<clock>\nDBG...IsAlterDateRecent: \n\tQMGR<" + qmgr + ">  Reply to Command <" + std::to_string(command) +
           ">=<" + commandName + ">\n\tObjType <" + type + ">: ObjName <" + name + ">, return <" +
           (recent ? "NEW ALTERATION, INCL DISCOVERY" : "OLD ALTERATION, SKIP DISCOVERY") + "> \n\tObjAltDate     <" +
           altDate + ">, ObjAltTime     <" + altTime + "> \n\tLastDiscovDate <2009-03-07>, LastDiscovTime <10.20.30> \n\n";
}

int32_t Quietly(int64_t start, PcfMessage *response, const char *qmgr)
{
    int32_t result = -1;
    std::string out = zemtest::CaptureStdout([&] { result = IsAlterDateRecent2(start, response, qmgr, 0); });
    EXPECT_EQ(out, "") << "nothing is printed without verbose";
    return result;
}

TEST(IsAlterDateRecent2, VerdictsAroundTheDiscoveryStart)
{
    const struct {
        const char *date;
        const char *time;
        int32_t recent;
    } cases[] = {
        {"2009-03-07", "10.20.30", 1},  // the very second of the start
        {"2009-03-07", "10.20.29", 0}, {"2009-03-07", "10.20.31", 1}, {"2009-03-07", "23.59.59", 1},
        {"2009-03-06", "23.59.59", 0},  // a day before, whatever the time
        {"2008-12-31", "10.20.30", 0}, {"2009-03-08", "00.00.00", 1},
        {"2001-01-01", "", 1},  // no stamp: always included
        {"", "01.00.00", 1}, {"", "", 1},
        {"            ", "01.00.00", 1},  // blanks only are no stamp once cut at the first blank
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.time);
        EXPECT_EQ(Quietly(kDiscovery, QueueResponse(c.date, c.time).get(), "QM1"), c.recent);
    }
}

TEST(IsAlterDateRecent2, StampOfAnotherStructureTypeIsNoStamp)
{
    auto bytes = PcfBytes()
                     .Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_Q, 3)
                     .Cfst(mq::MQCA_Q_NAME, "Q1")
                     .Cfin(mq::MQCA_ALTERATION_DATE, 20010101)
                     .Cfst(mq::MQCA_ALTERATION_TIME, "01.00.00");
    EXPECT_EQ(Quietly(kDiscovery, Indexed(bytes).get(), "QM1"), 1);
}

TEST(IsAlterDateRecent2, NullInputsAnswerRecentWithoutReading)
{
    PcfPtr old = QueueResponse("2001-01-01", "01.00.00");
    EXPECT_EQ(Quietly(0, old.get(), "QM1"), 1);
    EXPECT_EQ(Quietly(kDiscovery, nullptr, "QM1"), 1);
    EXPECT_EQ(Quietly(kDiscovery, old.get(), nullptr), 1);
}

TEST(IsAlterDateRecent2, TraceOfNullInputs)
{
    PcfPtr old = QueueResponse("2001-01-01", "01.00.00");
    // The addresses are printed as the runtime library prints pointers.
    char pointers[128];
    const char *name = "QM1";
    std::string out = zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(0, old.get(), name, 1), 1); });
    std::snprintf(pointers, sizeof pointers, "pPcfMsg %p, tDiscovStart 0, pszQMgr %p", static_cast<void *>(old.get()),
                  static_cast<const void *>(name));
    EXPECT_EQ(out, std::string("DBG...IsAlterDateRecent: QMGR(QM1), entry\n"
                               "DBG...IsAlterDateRecent: One of these params is 0:  ") +
                       pointers + " for QMGR(QM1), return true  as if alter date is recent.\n");

    out = zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(kDiscovery, old.get(), nullptr, 1), 1); });
    std::snprintf(pointers, sizeof pointers, "pPcfMsg %p, tDiscovStart %lld, pszQMgr %p", static_cast<void *>(old.get()),
                  static_cast<long long>(kDiscovery), static_cast<const void *>(nullptr));
    EXPECT_EQ(out, std::string("DBG...IsAlterDateRecent: QMGR((null)), entry\n"
                               "DBG...IsAlterDateRecent: One of these params is 0:  ") +
                       pointers + " for QMGR((null)), return true  as if alter date is recent.\n");

    out = zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(-5000000000LL, nullptr, name, 1), 1); });
    std::snprintf(pointers, sizeof pointers, "pPcfMsg %p, tDiscovStart -5000000000, pszQMgr %p",
                  static_cast<void *>(nullptr), static_cast<const void *>(name));
    EXPECT_EQ(out, std::string("DBG...IsAlterDateRecent: QMGR(QM1), entry\n"
                               "DBG...IsAlterDateRecent: One of these params is 0:  ") +
                       pointers + " for QMGR(QM1), return true  as if alter date is recent.\n");
}

TEST(IsAlterDateRecent2, TraceOfBothVerdicts)
{
    PcfPtr recent = QueueResponse("2009-03-07", "10.20.30");
    std::string out = zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(kDiscovery, recent.get(), "QM1", 1), 1); });
    EXPECT_EQ(MaskClock(out), "DBG...IsAlterDateRecent: QMGR(QM1), entry\n" +
                                  Decision("QM1", "QUEUE", "Q1", true, "2009-03-07", "10.20.30") +
                                  "DBG...IsAlterDateRecent: QMGR(QM1), exit, return 1\n");

    PcfPtr old = QueueResponse("2009-03-06", "23.59.59");
    out = zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(kDiscovery, old.get(), "QM1", 1), 0); });
    EXPECT_EQ(MaskClock(out), "DBG...IsAlterDateRecent: QMGR(QM1), entry\n" +
                                  Decision("QM1", "QUEUE", "Q1", false, "2009-03-06", "23.59.59") +
                                  "DBG...IsAlterDateRecent: QMGR(QM1), exit, return 0\n");
}

TEST(IsAlterDateRecent2, TraceWithoutStampsListsTheResponse)
{
    PcfPtr response = QueueResponse("", "");
    std::string out = zemtest::CaptureStdout([&] { EXPECT_EQ(IsAlterDateRecent2(kDiscovery, response.get(), "QM1", 1), 1); });
    const std::string listing = "\nDate: <clock>\n"
                                "\nPCF Header Extension (MSHDRE):\n"
                                "->StrucLength(32), Version(1),\n->Encoding(0), CharSet(0),\n"
                                "->UserMsgLength(0), Author(\" \")\n"
                                "\nPCF Header (MQCFH):\n"
                                "->Type(2), StrucLength(36), Version(1), Command(13 = MQCMD_INQUIRE_Q)\n"
                                "->MsgSeqNum(1), Control(1), ParameterCount(1)\n"
                                "->CompCode(0), Reason(0)\n"
                                "\nPCF String (MQCFST):\n"
                                "->Type(4), StrucLength(68), Parameter(2016), CharSet(0)\n"
                                "->StringLength(48), String(\"" + Padded("Q1", 48) + "\")\n";
    EXPECT_EQ(MaskClock(out), "DBG...IsAlterDateRecent: QMGR(QM1), entry\n" +
                                  Decision("QM1", "QUEUE", "Q1", true, "", "") +
                                  "DBG...IsAlterDateRecent: The PCF msg for QMGR(QM1) has no alter date or time:\n" +
                                  listing + "DBG...IsAlterDateRecent: QMGR(QM1), exit, return 1\n");
}

TEST(IsAlterDateRecent2, ObjectNameAndTypeForTheTrace)
{
    struct Case {
        const char *what;
        PcfBytes params;
        int32_t count;
        const char *type;
        const char *name;
    } cases[] = {
        {"channel name of 20 characters", PcfBytes().Cfst(mq::MQCACH_CHANNEL_NAME, "CHANNEL.WITH.A.LONG.NAME"), 1,
         "CHANNEL", "CHANNEL.WITH.A.LONG."},
        {"queue before channel",
         PcfBytes().Cfst(mq::MQCACH_CHANNEL_NAME, Padded("C1", 20)).Cfst(mq::MQCA_Q_NAME, Padded("Q9", 48)), 2, "QUEUE",
         "Q9"},
        {"service name of 32 characters", PcfBytes().Cfst(mq::MQCA_SERVICE_NAME, std::string(40, 'S')), 1, "SERVICE",
         "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS"},
        {"queue manager", PcfBytes().Cfst(mq::MQCA_Q_MGR_NAME, Padded("QM1", 48)), 1, "QMGR", "QM1"},
        {"namelist", PcfBytes().Cfst(mq::MQCA_NAMELIST_NAME, "NL1 X"), 1, "NAMELIST", "NL1"},
        {"no name", PcfBytes().Cfin(mq::MQIA_Q_TYPE, 1), 1, "*unknown*", "*unknown*"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = PcfBytes()
                         .Cfh(ZEM_MQCFT_RESPONSE, mq::MQCMD_INQUIRE_CHANNEL, c.count + 2)
                         .Append(c.params)
                         .Cfst(mq::MQCA_ALTERATION_DATE, "2009-03-08")
                         .Cfst(mq::MQCA_ALTERATION_TIME, "08.00.00");
        PcfPtr response = Indexed(bytes);
        std::string out = zemtest::CaptureStdout([&] { IsAlterDateRecent2(kDiscovery, response.get(), "QM1", 1); });
        EXPECT_EQ(MaskClock(out), "DBG...IsAlterDateRecent: QMGR(QM1), entry\n" +
                                      Decision("QM1", c.type, c.name, true, "2009-03-08", "08.00.00", 25,
                                               "MQCMD_INQUIRE_CHANNEL") +
                                      "DBG...IsAlterDateRecent: QMGR(QM1), exit, return 1\n");
    }
}

TEST(IsAlterDateRecent2, ResponseIsOnlyRead)
{
    PcfPtr response = QueueResponse("2009-03-07", "10.20.30");
    const std::string before = zemtest::DataOf(*response);
    zemtest::CaptureStdout([&] { IsAlterDateRecent2(kDiscovery, response.get(), "QM1", 1); });
    EXPECT_EQ(zemtest::DataOf(*response), before);
}

}  // namespace
