// Random and mutated reply texts through zemMqsc2Pcf: never a crash, a write outside a
// buffer, or a response that is not well-formed PCF.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "mqsc2pcf/driver.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

using namespace std::string_literals;

const std::vector<std::string> kPieces = {
    "CSQM401I", "CSQM094I", "CSQM133I", "CSQ9022I", "CSQJ337I", "CSQ5100I", "CSQ5102I", "CSQ5103I",
    "+CSQ1",    "QUEUE",    "TYPE",     "QLOCAL",   "DESCR",    "CURDEPTH", "SHARE",    "NOSHARE",
    "TRIGGER",  "NAMCOUNT", "NAMES",    "KAINT",    "AUTO",     "EXPIRY",   "UNLIMITED", "CONNAME",
    "CHANNEL",  "CHLTYPE",  "SDR",      "CURRENT",  "STATUS",   "RUNNING",  "DEFSOPT",  "SHARED",
    "COMPMSG",  "ZLIBFAST", "MSGEXIT",  "(",        ")",        "((",       "))",       "'",
    ",",        " ",        "  ",       "\n",       "\r",       "\t",       std::string(1, '\0'),
    ".",        ":",        "+",        "0",        "2",        "-1",       "99999999999",
    "MAXRTU=",  "DEALLCT=", "MAXRTU=3", "DEALLCT=9", "Initial", "Current",  "parameters:",
    "----",     "--",       "End",      "of",       "No",       "tape",     "Name",     "NOT",
    "FOUND",    "VALID",    "INVALID",  "ACTIVE",   "PENDING",  "Report",   "terminated,",
};

const std::vector<std::string> kSeeds = {
    "CSQM401I +CSQ1 QUEUE(Q1)\0TYPE(QLOCAL) DESCR('a, (b)') NOSHARE TRIGGER CURDEPTH(5)"s,
    "CSQM415I +CSQ1 CHANNEL(C1) CHLTYPE(SDR) CONNAME(host(1414)) KAINT(AUTO) COMPMSG(RLE,ZLIBFAST)",
    "CSQM407I +CSQ1 NAMELIST(NL) NAMCOUNT(3) NAMES(A,'B,C',D(E,F))",
    "CSQM422I +CSQ1 CHSTATUS(C1) CURRENT STATUS(RUNNING) MSGEXIT(X1,X2)",
    "CSQJ337I +CSQ1 SET LOG completed, MAXRTU=2 DEALLCT=0",
    "0A30 B CSQ1.0001 VOL001 DSN",
    "DB2B 1 2 NOT FOUND 3 4",
};

const std::vector<int32_t> kCommands = {13, 25, 36, 42, 2, 7, 176, 11, 38, 10633, 10632, 10901, 4711};
const std::vector<int32_t> kRooms = {0, 20, 64, 4096};

std::string RandomText(std::mt19937 &random)
{
    std::string text;
    for (int pieces = std::uniform_int_distribution<int>(0, 40)(random); pieces > 0; --pieces)
        text += random() % 8 == 0 ? std::string(1, static_cast<char>(random() % 256))
                                  : kPieces[random() % kPieces.size()];
    return text;
}

// A seed with one to six pieces inserted, runs erased or bytes replaced.
std::string MutatedSeed(std::mt19937 &random)
{
    std::string text = kSeeds[random() % kSeeds.size()];
    for (int edits = std::uniform_int_distribution<int>(1, 6)(random); edits > 0; --edits) {
        const std::size_t at = random() % (text.size() + 1);
        const auto edit = random() % 3;
        if (edit == 0)
            text.insert(at, kPieces[random() % kPieces.size()]);
        else if (edit == 1 && at < text.size())
            text.erase(at, 1 + random() % 4);
        else if (at < text.size())
            text[at] = static_cast<char>(random() % 256);
    }
    return text;
}

TEST(ZemMqsc2PcfFuzz, RandomAndMutatedRepliesGiveAWellFormedResultOrAFailure)
{
    std::mt19937 random(20261206);
    zem::ResetReportStates();
    int converted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text = round % 2 ? RandomText(random) : MutatedSeed(random);
        int32_t command = kCommands[random() % kCommands.size()];
        int32_t room = kRooms[random() % kRooms.size()];
        zemtest::PcfPtr input = zemtest::ContainerHolding(text);
        zemtest::PcfPtr output(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, room));
        ASSERT_TRUE(output);
        const std::string before = zemtest::DataOf(*output);
        int32_t status = -1, reason = -1, count = -1;
        zemMqsc2Pcf(input.get(), output.get(), &status, &reason, &count);

        SCOPED_TRACE("round " + std::to_string(round) + ", command " + std::to_string(command));
        ASSERT_TRUE(status == 0 || status == 2);
        ASSERT_LE(output->PcfMsg.Used, output->PcfMsg.Size);
        ASSERT_GE(output->PcfMsg.Used, 136 + 36);
        const bool generic = command != 38 && command != 10633 && command != 10632 && command != 10901;
        if (status == 0) {
            ++converted;
            EXPECT_EQ(0, reason);
            ASSERT_EQ(1, RawToPcf(output.get()));
            EXPECT_EQ(command, output->pCfh->Command);
            EXPECT_EQ(generic ? ZEM_MQCFT_RESPONSE : ZEM_MQCFT_COMMAND, output->pCfh->Type);
            EXPECT_TRUE(!generic || output->pCfh->CompCode != -1);
        } else if (generic) {
            EXPECT_TRUE(reason == ZEM_RC_MQSC_UNKNOWN || reason == ZEM_RC_MQSC_NO_ROOM) << reason;
            EXPECT_EQ(before, zemtest::DataOf(*output));
        } else {
            // a report line may fail after some of its values were added: those stay valid
            ASSERT_EQ(1, RawToPcf(output.get()));
        }
    }
    // the seeds keep enough of their shape for many replies to convert
    EXPECT_GT(converted, 600);
    zem::ResetReportStates();
}

}  // namespace
