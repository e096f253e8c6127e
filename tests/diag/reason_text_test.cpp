#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::ConfigHome;

const char *const kReasonTexts = "[2035]\"MQRC_NOT_AUTHORIZED: The user is not authorized\"\n"
                                 "[2085]\"MQRC_UNKNOWN_OBJECT_NAME: Unknown object name\"\n"
                                 "[2009]\":::MQRC_CONNECTION_BROKEN:Connection broken\"\n"
                                 "[2033] MQRC_NO_MSG_AVAILABLE: No message\"\n"
                                 "[-1]\"NEGATIVE: a negative code\"\n"
                                 "[3000]\"\"\n"
                                 "[3001]\":::\"\n"
                                 "[3002]\"NOCOLON\"\n";

TEST(ReasonText, GivesTheNameBeforeTheFirstColonOrTheFallback)
{
    ConfigHome home;
    home.write("zemrc.ini", kReasonTexts);
    const std::pair<int32_t, const char *> cases[] = {
        {2035, "MQRC_NOT_AUTHORIZED"}, {2085, "MQRC_UNKNOWN_OBJECT_NAME"},
        // Leading colons are skipped; a blank may separate the code from the text.
        {2009, "MQRC_CONNECTION_BROKEN"}, {2033, "MQRC_NO_MSG_AVAILABLE"},
        {-1, "NEGATIVE"}, {3002, "NOCOLON"},
        // Empty or colon-only texts give null.
        {3000, nullptr}, {3001, nullptr},
        {2036, "unknown reason code"}, {203, "unknown reason code"}, {0, "unknown reason code"},
    };
    for (const auto &[code, name] : cases) {
        const char *text = GetRcText(code);
        EXPECT_EQ(text ? std::string(text) : "<null>", name ? name : "<null>") << code;
    }
}

TEST(ReasonText, FileIsReadAfreshEveryCallIntoATextOfTheCallingThread)
{
    ConfigHome home;
    EXPECT_STREQ(GetRcText(2035), "unknown reason code");
    home.write("zemrc.ini", "[2035]\"FIRST: x\"\n");
    EXPECT_STREQ(GetRcText(2035), "FIRST");
    home.write("zemrc.ini", "[2035]\"SECOND: x\"\n");
    EXPECT_STREQ(GetRcText(2035), "SECOND");
    home.write("zemrc.ini", "");
    EXPECT_STREQ(GetRcText(2035), "unknown reason code");
    // Overlong texts are cut to the text buffer.
    home.write("zemrc.ini", "[2035]\"" + std::string(5000, 'L') + "\"\n");
    EXPECT_EQ(std::string(GetRcText(2035)), std::string(1999, 'L'));

    // The text stays valid and belongs to the calling thread.
    home.write("zemrc.ini", kReasonTexts);
    const char *mine = GetRcText(2035);
    std::string theirs;
    std::thread other([&theirs] { theirs = GetRcText(2085); });
    other.join();
    EXPECT_EQ(theirs, "MQRC_UNKNOWN_OBJECT_NAME");
    EXPECT_STREQ(mine, "MQRC_NOT_AUTHORIZED");
}

}  // namespace
