#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::ConfigHome;

// TEST's blanks around the '=' give it an empty group id, so its node key is "::Node".
const std::string kGroups = "# Workgroups of the suite\n"
                            "Group::PROD=G1\n"
                            "Group::PILOT=G2\n"
                            "Group::TEST = G3\n"
                            "G1::Node=host1\n"
                            "G1::VNTDSNode=dshost\n"
                            "G1::VNTDSPort=1414\n"
                            "G1::DBDSN=PRODDB\n"
                            "G1::DBPwd=secret\n"
                            "G1::QX7DBSchema=QX7\n"
                            "G2::Node=pilothost\n"
                            "G2::Service=7002\n"
                            "::Node=orphan\n";

// Caller buffers for every place of a request (0 is the group id), each holding "unset".
struct Request {
    char buffers[14][64];
    WorkgroupInfo info{};
    explicit Request(const std::vector<int> &places = {})
    {
        char **slots = &info.groupId;
        for (auto &buffer : buffers)
            std::strcpy(buffer, "unset");
        for (int place : places)
            slots[place] = buffers[place];
    }
};

// "result error" of one resolution.
std::string Resolve(const std::string &name, Request &request)
{
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    int result = zemResolveWorkgroup(name.c_str(), &request.info, error);
    return std::to_string(result) + " " + error;
}

TEST(Workgroup, ResolvesTheGroupAndTheValuesAskedFor)
{
    ConfigHome home;
    home.write("mqgroup.ini", kGroups);
    const struct {
        const char *name;
        std::vector<int> places;
        const char *outcome;
        std::vector<std::pair<int, const char *>> buffers;
    } cases[] = {
        // Values not asked for, and optional ones that are missing, leave the buffer alone.
        {"PROD", {1}, "1 ", {{1, "host1"}, {0, "unset"}}},
        {"PROD",
         {0, 1, 3, 4, 5, 6, 7, 13},
         "1 ",
         {{0, "G1"}, {3, "dshost"}, {4, "1414"}, {5, "PRODDB"}, {6, "unset"}, {7, "secret"}, {13, "QX7"}}},
        // A missing required value fails; places after it are not looked at.
        {"PROD", {1, 2, 5}, "0 Could not resolve Workgroup \"PROD\" to \"Service\"\n", {{1, "host1"}, {5, "unset"}}},
        // The name is a mask; the first fitting group wins.
        {"PI*", {0, 1, 2}, "1 ", {{0, "G2"}, {1, "pilothost"}, {2, "7002"}}},
        {"P*", {0}, "1 ", {{0, "G1"}}},
        {"PILOT", {}, "1 ", {}},
        {"TEST", {0, 1}, "1 ", {{0, ""}, {1, "orphan"}}},
        {"NOPE", {1}, "0 Could not resolve Workgroup \"NOPE\"\n", {{1, "unset"}}},
    };
    for (const auto &c : cases) {
        Request request(c.places);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Resolve(c.name, request), c.outcome);
        for (const auto &[place, value] : c.buffers)
            EXPECT_STREQ(request.buffers[place], value) << place;
    }
    Request request({1});
    EXPECT_EQ(zemResolveWorkgroup("PROD", &request.info, nullptr), 1);
    EXPECT_EQ(zemResolveWorkgroup(nullptr, &request.info, nullptr), 0);
    EXPECT_EQ(zemResolveWorkgroup("PROD", nullptr, nullptr), 0);
}

TEST(Workgroup, MissingOrEmptyFileFailsWithTheReadersText)
{
    ConfigHome home;
    Request request({1});
    EXPECT_EQ(Resolve("PROD", request), "0 " + zemtest::OpeningFailed(home.configFile("mqgroup.ini")));
    home.write("mqgroup.ini", "");
    EXPECT_EQ(Resolve("PROD", request), "0 " + zemtest::SizeFailed(home.configFile("mqgroup.ini")));
}

TEST(Workgroup, NamesAndGroupIdsBeyondTheKeyBufferAreRefused)
{
    ConfigHome home;
    std::string longestName(248, 'N'), groupFits(243, 'g'), groupTooLong(300, 'g');
    home.write("mqgroup.ini", "Group::" + longestName + "=" + groupFits + "\nGroup::BIG=" + groupTooLong + "\n" +
                                  groupFits + "::Node=n1\n");
    Request node({1});
    EXPECT_EQ(Resolve(longestName, node), "1 ");
    EXPECT_STREQ(node.buffers[1], "n1");
    EXPECT_EQ(Resolve(longestName + "N", node), "0 Workgroup name too long\n");

    // 243 + "::" + "QX7DBSchema" no longer fits 255 characters.
    Request schema({13});
    EXPECT_EQ(Resolve(longestName, schema), "0 Group identifier of Workgroup \"" + longestName + "\" too long\n");
    EXPECT_STREQ(schema.buffers[13], "unset");

    Request big;
    EXPECT_EQ(Resolve("BIG", big), "0 Group identifier of Workgroup \"BIG\" too long\n");
    std::string groupBuffer(400, '\0');
    big.info.groupId = &groupBuffer[0];
    EXPECT_EQ(Resolve("BIG", big).substr(0, 2), "0 ");
    EXPECT_EQ(std::string(groupBuffer.c_str()), groupTooLong);
}

}  // namespace
