// What each reply message id says about the command: completion code and reason.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "foundation/mq_constants.h"
#include "mqsc2pcf/convert.h"
#include "zemapi.h"

namespace {

namespace mq = zem::mq;

// Every row: an id of the command server's form, held once; a success with no reason,
// or a failure with a published reason that a command server answers with; an end or
// error message (severity E) never a success.
TEST(MessageIdTable, RowsAreWellFormedAndCarryPublishedReasons)
{
    const std::set<int32_t> published = {
        mq::MQRC_UNKNOWN_OBJECT_NAME,     mq::MQRC_Q_NOT_EMPTY,          mq::MQRCCF_COMMAND_FAILED,
        mq::MQRCCF_ATTR_VALUE_ERROR,      mq::MQRCCF_OBJECT_ALREADY_EXISTS, mq::MQRCCF_CFST_LENGTH_ERROR,
        mq::MQRCCF_OBJECT_WRONG_TYPE,     mq::MQRCCF_OBJECT_OPEN,        mq::MQRCCF_LIKE_OBJECT_WRONG_TYPE,
        mq::MQRCCF_MQPUT_FAILED,          mq::MQRCCF_NO_STORAGE,         mq::MQRCCF_PARM_COUNT_TOO_SMALL,
        mq::MQRCCF_LISTENER_NOT_STARTED,  mq::MQRCCF_CHANNEL_NOT_ACTIVE, mq::MQRC_NOT_AUTHORIZED,
    };
    std::set<std::string> ids;
    for (int i = 0; i < zem::kCsqRowCount; ++i) {
        const zem::MessageIdRow &row = zem::kCsqRows[i];
        SCOPED_TRACE(row.messageId);
        EXPECT_TRUE(zem::IsMessageId(row.messageId));
        EXPECT_TRUE(ids.insert(row.messageId).second) << "held twice";
        if (row.compCode == mq::MQCC_OK) {
            EXPECT_EQ(0, row.reason);
            EXPECT_NE('E', row.messageId[7]);
        } else {
            EXPECT_EQ(mq::MQCC_FAILED, row.compCode);
            EXPECT_EQ(1u, published.count(row.reason)) << row.reason;
        }
        zem::MessageIdOutcome outcome = zem::LookUpMessageId(row.messageId);
        EXPECT_EQ(row.compCode, outcome.compCode);
        EXPECT_EQ(row.reason, outcome.reason);
    }
}

TEST(MessageIdTable, OutcomeOfAnIdInAReplyToACommand)
{
    constexpr int32_t kFailed = mq::MQCC_FAILED;
    const struct {
        const char *id;
        int32_t command;
        int32_t compCode, reason;
    } cases[] = {
        // nothing matched: an unknown object, but for channel status its own reason
        {"CSQM297I", mq::MQCMD_INQUIRE_CHANNEL, kFailed, mq::MQRC_UNKNOWN_OBJECT_NAME},
        {"CSQM297I", mq::MQCMD_INQUIRE_CHANNEL_STATUS, kFailed, mq::MQRCCF_CHL_STATUS_NOT_FOUND},
        // end and error messages outside the table fail the command; others say nothing
        {"CSQ9023E", mq::MQCMD_DELETE_Q, kFailed, mq::MQRCCF_COMMAND_FAILED},
        {"CSQX999A", mq::MQCMD_INQUIRE_Q, kFailed, mq::MQRCCF_COMMAND_FAILED},
        {"CSQ9022I", mq::MQCMD_INQUIRE_Q, 0, 0},
        {"CSQN205I", mq::MQCMD_INQUIRE_Q, -1, 0},
        {"CSQM094E ", mq::MQCMD_INQUIRE_Q, -1, 0},
        {"csqm090e", mq::MQCMD_INQUIRE_Q, -1, 0},
        {"", mq::MQCMD_INQUIRE_Q, -1, 0},
    };
    for (const auto &c : cases) {
        zem::MessageIdOutcome outcome = zem::LookUpReplyOutcome(c.id, c.command);
        EXPECT_EQ(c.compCode, outcome.compCode) << c.id << " " << c.command;
        EXPECT_EQ(c.reason, outcome.reason) << c.id << " " << c.command;
    }
}

}  // namespace
