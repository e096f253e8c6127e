// What each reply message id says about the command: completion code and reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mqsc2pcf/convert.h"
#include "pcf_builders.h"
#include "zemapi.h"

namespace {

struct Row {
    const char *id;
    int32_t compCode;
    int32_t reason;
};

// The command server's ids in the order they are searched.
const std::vector<Row> kRows = {
    {"CSQM090E", 2, 3008}, {"CSQM091E", 2, 3008}, {"CSQM092I", 2, 4005}, {"CSQM093I", 2, 4005},
    {"CSQM094I", 2, 2085}, {"CSQM095I", 2, 4001}, {"CSQM096I", 2, 3010}, {"CSQM097I", 2, 4005},
    {"CSQM098I", 2, 4005}, {"CSQM099I", 2, 4002}, {"CSQM100I", 2, 4005}, {"CSQM101I", 2, 4004},
    {"CSQM102I", 2, 3008}, {"CSQM103I", 2, 2055}, {"CSQM104I", 2, 4004}, {"CSQM105I", 2, 4005},
    {"CSQM106I", 2, 4003}, {"CSQM107I", 2, 3008}, {"CSQM108I", 2, 4002}, {"CSQM109I", 2, 4004},
    {"CSQM110I", 2, 2055}, {"CSQM111I", 2, 4029}, {"CSQM112I", 2, 4018}, {"CSQM113I", 2, 4018},
    {"CSQM120I", 2, 4005}, {"CSQM121I", 2, 4005}, {"CSQM122I", 2, 4005}, {"CSQM123I", 2, 4005},
    {"CSQM124I", 2, 3019}, {"CSQM125I", 2, 3019}, {"CSQM126I", 2, 4005}, {"CSQM127I", 2, 3019},
    {"CSQM128E", 2, 4029}, {"CSQM129I", 2, 4002}, {"CSQM130I", 0, 0},    {"CSQM131I", 2, 3008},
    {"CSQM132I", 2, 4001}, {"CSQM134I", 0, 0},    {"CSQM135I", 0, 0},    {"CSQM136I", 0, 0},
    {"CSQM137I", 0, 0},    {"CSQM138I", 0, 0},    {"CSQM139I", 2, 4020}, {"CSQM140I", 2, 4020},
    {"CSQM141I", 2, 3019}, {"CSQM142I", 0, 0},    {"CSQM143I", 0, 0},    {"CSQM201I", 0, 0},
    {"CSQM202I", 0, 0},    {"CSQM203I", 0, 0},    {"CSQM204I", 0, 0},    {"CSQM205I", 0, 0},
    {"CSQM206I", 0, 0},    {"CSQM297I", 2, 3065}, {"CSQM298I", 2, 4018}, {"CSQM299I", 2, 4018},
    {"CSQM401I", 0, 0},    {"CSQM402I", 0, 0},    {"CSQM403I", 0, 0},    {"CSQM406I", 0, 0},
    {"CSQM407I", 0, 0},    {"CSQM408I", 0, 0},    {"CSQM409I", 0, 0},    {"CSQM410I", 0, 0},
    {"CSQM411I", 0, 0},    {"CSQM412I", 0, 0},    {"CSQM413I", 0, 0},    {"CSQM414I", 0, 0},
    {"CSQX533I", 2, 4064}, {"CSQ9022I", 0, 0},    {"CSQM999I", 2, 2085},
};

// Every row, in the stored order, and its completion and reason in a converted response.
TEST(MessageIdTable, RowsReachTheResponseHeaderInTheStoredOrder)
{
    ASSERT_EQ(71u, kRows.size());
    ASSERT_EQ(71, zem::RowCountOfCsqFamily());
    EXPECT_EQ(nullptr, zem::CsqRow(71));
    EXPECT_EQ(nullptr, zem::CsqRow(-1));
    for (int i = 0; i < 71; ++i) {
        const Row &row = kRows[i];
        SCOPED_TRACE(row.id);
        const zem::MessageIdRow *stored = zem::CsqRow(i);
        ASSERT_NE(nullptr, stored);
        EXPECT_STREQ(row.id, stored->messageId);
        EXPECT_EQ(row.compCode, stored->compCode);
        EXPECT_EQ(row.reason, stored->reason);

        std::string text = std::string(row.id) + " +CSQ1 QUEUE(Q1)";
        std::vector<char> reply(text.c_str(), text.c_str() + text.size() + 1);
        std::vector<unsigned char> area(256, 0);
        MqscText input{reply.data(), static_cast<int32_t>(text.size())};
        PcfArea output{area.data(), 256};
        int32_t reason = -1, count = -1;
        MqscToPcf(&input, &output, 13, &reason, &count);
        ASSERT_EQ(0, reason);
        EXPECT_EQ(zemtest::PcfBytes().Cfh(ZEM_MQCFT_RESPONSE, 13, 1, 1, row.compCode, row.reason)
                      .Cfst(2016, "Q1").bytes(),
                  std::string(area.begin(), area.begin() + output.length));
    }
}

TEST(MessageIdTable, UnlistedIdsAreNotKnown)
{
    for (const char *id : {"CSQM133I", "CSQM404I", "CSQM405I", "CSQM128I", "CSQM094", "CSQM094I ",
                           "csqm094i", "CSQJ337I", "AMQ8409", "AMQ", "", "CSQ"}) {
        zem::MessageIdOutcome outcome = zem::LookUpMessageId(id);
        EXPECT_EQ(-1, outcome.compCode) << id;
        EXPECT_EQ(0, outcome.reason) << id;
    }
    // the family is chosen by three characters: every CSQ id is searched among the rows
    EXPECT_EQ(4064, zem::LookUpMessageId("CSQX533I").reason);
    EXPECT_EQ(2085, zem::LookUpMessageId("CSQM999I").reason);
}

}  // namespace
