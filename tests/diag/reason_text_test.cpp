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

TEST(ReasonText, GivesTheNameBeforeTheFirstColon)
{
    ConfigHome home;
    home.write("zemrc.ini", kReasonTexts);
    EXPECT_STREQ(GetRcText(2035), "MQRC_NOT_AUTHORIZED");
    EXPECT_STREQ(GetRcText(2085), "MQRC_UNKNOWN_OBJECT_NAME");
    // Leading colons are skipped.
    EXPECT_STREQ(GetRcText(2009), "MQRC_CONNECTION_BROKEN");
    // A blank may separate the code from the text.
    EXPECT_STREQ(GetRcText(2033), "MQRC_NO_MSG_AVAILABLE");
    EXPECT_STREQ(GetRcText(-1), "NEGATIVE");
    EXPECT_STREQ(GetRcText(3002), "NOCOLON");
}

TEST(ReasonText, EmptyOrColonOnlyTextsGiveNull)
{
    ConfigHome home;
    home.write("zemrc.ini", kReasonTexts);
    EXPECT_EQ(GetRcText(3000), nullptr);
    EXPECT_EQ(GetRcText(3001), nullptr);
}

TEST(ReasonText, UnknownCodeOrMissingFileGiveTheFallback)
{
    ConfigHome home;
    EXPECT_STREQ(GetRcText(2035), "unknown reason code");
    home.write("zemrc.ini", kReasonTexts);
    EXPECT_STREQ(GetRcText(2036), "unknown reason code");
    EXPECT_STREQ(GetRcText(203), "unknown reason code");
    EXPECT_STREQ(GetRcText(0), "unknown reason code");
    home.write("zemrc.ini", "");
    EXPECT_STREQ(GetRcText(2035), "unknown reason code");
}

TEST(ReasonText, TextIsReadAfreshEveryCall)
{
    ConfigHome home;
    home.write("zemrc.ini", "[2035]\"FIRST: x\"\n");
    EXPECT_STREQ(GetRcText(2035), "FIRST");
    home.write("zemrc.ini", "[2035]\"SECOND: x\"\n");
    EXPECT_STREQ(GetRcText(2035), "SECOND");
}

TEST(ReasonText, TextStaysValidAndBelongsToTheCallingThread)
{
    ConfigHome home;
    home.write("zemrc.ini", kReasonTexts);
    const char *mine = GetRcText(2035);
    std::string theirs;
    std::thread other([&theirs] { theirs = GetRcText(2085); });
    other.join();
    EXPECT_EQ(theirs, "MQRC_UNKNOWN_OBJECT_NAME");
    EXPECT_STREQ(mine, "MQRC_NOT_AUTHORIZED");
}

TEST(ReasonText, OverlongTextsAreCutToTheTextBuffer)
{
    ConfigHome home;
    home.write("zemrc.ini", "[2035]\"" + std::string(5000, 'L') + "\"\n");
    EXPECT_EQ(std::string(GetRcText(2035)), std::string(1999, 'L'));
}

}  // namespace
