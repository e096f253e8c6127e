#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "config_home.h"
#include "zemapi.h"

namespace {

using zemtest::ConfigHome;

const char *const kGroups = "# Workgroups of the suite\n"
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
                            "G2::Service=7002\n";

// Caller buffers for every place of a request, each filled with a marker.
struct Request {
    char buffers[14][64];
    WorkgroupInfo info{};
    Request()
    {
        for (auto &buffer : buffers)
            std::strcpy(buffer, "unset");
    }
    // Asks for the given places (0 is the group id).
    Request &ask(std::initializer_list<int> places)
    {
        char **slots = &info.groupId;
        for (int place : places)
            slots[place] = buffers[place];
        return *this;
    }
};

struct Resolution {
    int result;
    std::string error;
};

Resolution Resolve(const char *name, Request &request)
{
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    int result = zemResolveWorkgroup(name, &request.info, error);
    return {result, error};
}

TEST(Workgroup, ResolvesTheGroupAndTheValuesAskedFor)
{
    ConfigHome home;
    home.write("mqgroup.ini", kGroups);
    Request request;
    request.ask({1});
    Resolution resolved = Resolve("PROD", request);
    EXPECT_EQ(resolved.result, 1);
    EXPECT_EQ(resolved.error, "");
    EXPECT_STREQ(request.buffers[1], "host1");
    EXPECT_STREQ(request.buffers[0], "unset");

    Request all;
    all.ask({0, 1, 3, 4, 5, 6, 7, 13});
    EXPECT_EQ(Resolve("PROD", all).result, 1);
    EXPECT_STREQ(all.buffers[0], "G1");
    EXPECT_STREQ(all.buffers[3], "dshost");
    EXPECT_STREQ(all.buffers[4], "1414");
    EXPECT_STREQ(all.buffers[5], "PRODDB");
    EXPECT_STREQ(all.buffers[7], "secret");
    EXPECT_STREQ(all.buffers[13], "QX7");
    // Optional values that are missing leave the buffer alone.
    EXPECT_STREQ(all.buffers[6], "unset");
}

TEST(Workgroup, MissingRequiredValueFailsAndNamesIt)
{
    ConfigHome home;
    home.write("mqgroup.ini", kGroups);
    Request request;
    request.ask({1, 2, 5});
    Resolution resolved = Resolve("PROD", request);
    EXPECT_EQ(resolved.result, 0);
    EXPECT_EQ(resolved.error, "Could not resolve Workgroup \"PROD\" to \"Service\"\n");
    EXPECT_STREQ(request.buffers[1], "host1");
    // Places after the failing one are not looked at.
    EXPECT_STREQ(request.buffers[5], "unset");
}

TEST(Workgroup, NameIsAMaskAndTheGroupIdAloneCanBeAskedFor)
{
    ConfigHome home;
    home.write("mqgroup.ini", kGroups);
    Request pilot;
    pilot.ask({0, 1, 2});
    EXPECT_EQ(Resolve("PI*", pilot).result, 1);
    EXPECT_STREQ(pilot.buffers[0], "G2");
    EXPECT_STREQ(pilot.buffers[1], "pilothost");
    EXPECT_STREQ(pilot.buffers[2], "7002");

    Request first;
    first.ask({0});
    EXPECT_EQ(Resolve("P*", first).result, 1);
    EXPECT_STREQ(first.buffers[0], "G1");

    Request nothing;
    EXPECT_EQ(Resolve("PILOT", nothing).result, 1);
}

TEST(Workgroup, BlanksAroundTheEqualsGiveAnEmptyGroupId)
{
    ConfigHome home;
    home.write("mqgroup.ini", kGroups);
    Request id;
    id.ask({0});
    EXPECT_EQ(Resolve("TEST", id).result, 1);
    EXPECT_STREQ(id.buffers[0], "");

    // The node key is then "::Node".
    home.write("mqgroup.ini", std::string(kGroups) + "::Node=orphan\n");
    Request node;
    node.ask({1});
    EXPECT_EQ(Resolve("TEST", node).result, 1);
    EXPECT_STREQ(node.buffers[1], "orphan");
}

TEST(Workgroup, UnknownGroupAndMissingFileFail)
{
    ConfigHome home;
    Request request;
    request.ask({1});
    Resolution missing = Resolve("PROD", request);
    EXPECT_EQ(missing.result, 0);
    EXPECT_EQ(missing.error, "Opening file " + home.configFile("mqgroup.ini") + " failed\nERRNO(2): ERRSTR(" +
                                 std::strerror(ENOENT) + ")\n");

    home.write("mqgroup.ini", "");
    EXPECT_EQ(Resolve("PROD", request).error, "Get size of file " + home.configFile("mqgroup.ini") +
                                                  " failed\nERRNO(0): ERRSTR(" + std::strerror(0) + ")\n");

    home.write("mqgroup.ini", kGroups);
    Resolution unknown = Resolve("NOPE", request);
    EXPECT_EQ(unknown.result, 0);
    EXPECT_EQ(unknown.error, "Could not resolve Workgroup \"NOPE\"\n");
    EXPECT_STREQ(request.buffers[1], "unset");
    EXPECT_EQ(zemResolveWorkgroup("PROD", &request.info, nullptr), 1);
    EXPECT_EQ(zemResolveWorkgroup(nullptr, &request.info, nullptr), 0);
    EXPECT_EQ(zemResolveWorkgroup("PROD", nullptr, nullptr), 0);
}

TEST(Workgroup, NamesAndGroupIdsBeyondTheKeyBufferAreRefused)
{
    ConfigHome home;
    std::string longestName(248, 'N'), tooLongName(249, 'N');
    std::string groupFits(243, 'g'), groupTooLong(300, 'g');
    home.write("mqgroup.ini", "Group::" + longestName + "=" + groupFits + "\n" + "Group::BIG=" + groupTooLong +
                                  "\n" + groupFits + "::Node=n1\n");
    Request request;
    request.ask({1});
    EXPECT_EQ(Resolve(longestName.c_str(), request).result, 1);
    EXPECT_STREQ(request.buffers[1], "n1");

    Resolution name = Resolve(tooLongName.c_str(), request);
    EXPECT_EQ(name.result, 0);
    EXPECT_EQ(name.error, "Workgroup name too long\n");

    // 243 + "::" + "QX7DBSchema" no longer fits 255 characters.
    Request schema;
    schema.ask({13});
    Resolution group = Resolve(longestName.c_str(), schema);
    EXPECT_EQ(group.result, 0);
    EXPECT_EQ(group.error, "Group identifier of Workgroup \"" + longestName + "\" too long\n");
    EXPECT_STREQ(schema.buffers[13], "unset");

    Request big;
    EXPECT_EQ(Resolve("BIG", big).error, "Group identifier of Workgroup \"BIG\" too long\n");
    std::string groupBuffer(400, '\0');
    big.info.groupId = &groupBuffer[0];
    EXPECT_EQ(Resolve("BIG", big).result, 0);
    EXPECT_EQ(std::string(groupBuffer.c_str()), groupTooLong);
}

}  // namespace
