// The name functions checked against the published constants they spell (read from the
// library's constant headers), not against a second copy of their tables: every name given
// is a constant of that value, the rest get the documented fallback, and the count of
// named values catches a lost row. Reason codes are named by the reason-text file.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <utility>

#include "config_home.h"
#include "zemapi.h"

namespace {

using Namer = std::function<std::string(int32_t)>;

using Constants = std::set<std::pair<std::string, int32_t>>;

// The published constants, and the suite's own ids beside them.
const Constants &Published()
{
    static const Constants constants = [] {
        Constants read;
        static const std::regex line(R"(^(?:constexpr int32_t|#define) (\w+)(?: = |\s+)(-?\d+)\b)");
        std::smatch match;
        for (const char *header : {"src/foundation/mq_constants.h", "src/cmdtable/suite_ids.h", "include/zemapi.h"}) {
            std::ifstream in(std::string(ZEM_SAMPLES_DIR) + "/../" + header);
            for (std::string text; std::getline(in, text);)
                if (std::regex_search(text, match, line))
                    read.emplace(match[1], static_cast<int32_t>(std::stol(match[2])));
        }
        return read;
    }();
    return constants;
}

bool IsConstant(const std::string &name, int32_t value) { return Published().count({name, value}) == 1; }

// A buffer function: returns the caller's buffer, filled.
Namer Buffer(char *(*function)(int32_t, char *))
{
    return [function](int32_t value) {
        char text[ZEM_NAME_SIZE];
        std::memset(text, 'X', sizeof text);
        EXPECT_EQ(function(value, text), text) << value;
        return std::string(text);
    };
}

// A Map function: the constant when named, the buffer otherwise; the buffer holds the same.
Namer Mapped(const char *(*function)(int32_t, char *))
{
    return [function](int32_t value) {
        char text[ZEM_NAME_SIZE] = "";
        const char *result = function(value, text);
        EXPECT_STREQ(result, text) << value;
        EXPECT_EQ(result == text, std::string(text) == std::to_string(value)) << value;
        return std::string(result);
    };
}

std::string Number(int32_t value) { return std::to_string(value); }

// Over the values -100 .. 1100 and the extremes, name(value) is the fallback or a name whose
// spelling (prefix + the name, blanks as underscores) is a published constant of that value;
// exactly `named` values have names.
void ExpectPublishedNames(const char *what, const Namer &name, const std::string &prefix, int named,
                          const std::function<std::string(int32_t)> &fallback = Number)
{
    SCOPED_TRACE(what);
    int found = 0;
    auto check = [&](int32_t value) {
        const std::string text = name(value);
        if (text == fallback(value))
            return;
        ++found;
        std::string spelled = text;
        std::replace(spelled.begin(), spelled.end(), ' ', '_');
        EXPECT_TRUE(IsConstant(prefix + spelled, value)) << value << " " << text;
    };
    for (int32_t value = -100; value <= 1100; ++value)
        check(value);
    for (int32_t value : {INT_MIN, INT_MAX, 65536})
        check(value);
    EXPECT_EQ(found, named);
}

TEST(ConstantNames, EveryNameIsAPublishedConstantOfItsValueAndTheRestFallBack)
{
    ExpectPublishedNames("MsgType", Buffer(MsgType), "MQMT_", 4);
    ExpectPublishedNames("MapMsgType", MapMsgType, "", 4, [](int32_t) { return "MQMT_UNKNOWN"; });
    ExpectPublishedNames("Report", Buffer(Report), "MQRO_", 1);
    ExpectPublishedNames("PersistanceType", Buffer(PersistanceType), "", 3, [](int32_t) { return "UNKNOWN"; });
    ExpectPublishedNames("Feedback", Buffer(Feedback), "MQFB_", 40, [](int32_t v) { return "RC " + Number(v); });
    ExpectPublishedNames("MapFeedback", Mapped(MapFeedback), "", 42);  // with the IMS range's bounds
    ExpectPublishedNames("MqObjTypeStr", Buffer(MqObjTypeStr), "", 25,
                         [](int32_t v) { return "UNKNOWN VALUE " + Number(v); });
    ExpectPublishedNames("MapExitId", Mapped(MapExitId), "", 9);
    ExpectPublishedNames("MapExitReason", Mapped(MapExitReason), "", 19);
    ExpectPublishedNames("MapExitResponse", Mapped(MapExitResponse), "", 8);
    ExpectPublishedNames("MapExitResponse2", Mapped(MapExitResponse2), "", 7);  // 12 is 4 + 8: no name
    ExpectPublishedNames("APICallerType", Mapped(APICallerType), "", 2);
    ExpectPublishedNames("MapEnvironment", Mapped(MapEnvironment), "", 5);
    ExpectPublishedNames("MapChannelType", Mapped(MapChannelType), "MQCHT_", 8);
    // Call names are the MQXF_ constants with MQ in front of the verb.
    ExpectPublishedNames("MapFunctionId", [](int32_t v) {
        std::string name = Mapped(MapFunctionId)(v);
        return name.rfind("MQ", 0) == 0 && name != Number(v) ? name.substr(2) : name;
    }, "MQXF_", 17);
    // The application types' words, one of them shortened.
    ExpectPublishedNames("PutApplType", [](int32_t v) {
        std::string name = Buffer(PutApplType)(v);
        return name == "WINNT" ? "WINDOWS NT" : name;
    }, "MQAT_", 25);
    EXPECT_EQ(Buffer(PutApplType)(6), "UNIX");
    EXPECT_EQ(Buffer(PutApplType)(2), "MVS");
    EXPECT_EQ(Buffer(Feedback)(301), "RC 301");  // the IMS range has no word

    // The object words, two of them spelt out.
    ExpectPublishedNames("MapObjType", [](int32_t v) -> std::string {
        std::string word = MapObjType(v);
        return word == "QUEUE" ? "Q" : word == "QMGR" ? "Q_MGR" : word;
    }, "MQOT_", 11, [](int32_t) { return "UNKNOWN"; });
}

TEST(OtherNames, LongestNameFitsTheNameBufferExactlyAndNullBuffersGiveNullOrTheConstant)
{
    char text[ZEM_NAME_SIZE];
    std::memset(text, 'X', sizeof text);
    EXPECT_STREQ(MapExitResponse(-3, text), "MQXCC_SEND_AND_REQUEST_SEC_MSG");
    EXPECT_EQ(std::strlen(text), static_cast<std::size_t>(ZEM_NAME_SIZE - 1));

    EXPECT_EQ(MsgType(8, nullptr), nullptr);
    EXPECT_EQ(Feedback(9999, nullptr), nullptr);
    EXPECT_STREQ(MapExitId(2, nullptr), "MQXT_API_EXIT");
    EXPECT_EQ(MapExitId(3, nullptr), nullptr);
}

TEST(PcfNames, ParameterAndValueNamesArePublishedConstantsOfTheirOwnFamilies)
{
    // Every parameter name spells a published constant of its id, in a parameter family,
    // and none is lost.
    static const std::set<std::string> families = {"MQCA",   "MQIA",   "MQCACF", "MQIACF", "MQCACH",
                                                   "MQIACH", "MQBACF", "MQGACF", "MQIAMO", "MQCAMO",
                                                   "MQIAMO64", "EXPRM", "EXCA", "EXIA"};
    int named = 0;
    for (int32_t id = -100; id < 30000; ++id) {
        const char *name = PcfParamName(id);
        if (!name)
            continue;
        ++named;
        EXPECT_TRUE(IsConstant(name, id)) << id << " " << name;
        EXPECT_EQ(families.count(std::string(name, std::strcspn(name, "_"))), 1u) << id << " " << name;
    }
    EXPECT_EQ(named, 1499);
    // Where several constants share an id, the parameter's own spelling is chosen.
    const std::pair<int32_t, const char *> chosen[] = {
        {3, "MQIA_CURRENT_Q_DEPTH"},      // not the monitor flag of the same number
        {703, "MQIAMO_AVG_Q_TIME"},       // not its 64-bit alias
        {1536, "MQIACH_BYTES_RECEIVED"},  // not the abbreviated spelling
        {20635, "EXPRM_LOG_DEALLCT"},
    };
    for (const auto &[id, name] : chosen)
        EXPECT_STREQ(PcfParamName(id), name) << id;

    const struct {
        int32_t id, value;
        const char *name;
    } values[] = {
        {20, 1, "MQQT_LOCAL"},          {20, 1001, "MQQT_ALL"},         {20, 99, nullptr},
        {1511, 7, "MQCHT_SVRCONN"},     {1527, 3, "MQCHS_RUNNING"},     {5, 1, "MQPER_PERSISTENT"},
        {5, 2, "MQPER_PERSISTENCE_AS_Q_DEF"}, {32, 1, "MQPL_ZOS"},      {20700, 1, "EXCFSTATUS_FAILED"},
        {3, 1, nullptr} /* a depth is no enumeration */, {2016, 1, nullptr}, {0, 0, nullptr},
    };
    for (const auto &v : values)
        EXPECT_STREQ(PcfValueName(v.id, v.value), v.name) << v.id << " " << v.value;
}

TEST(PcfCommandNames, EveryNameIsAPublishedConstantOfItsCodeAndNamesThatCodeOnly)
{
    std::map<std::string, int32_t> seen;
    for (int32_t code = -10; code < 13000; ++code) {
        const std::string name = PcfIdToName(code);
        if (name == "UNKNOWN")
            continue;
        EXPECT_TRUE(IsConstant(name, code)) << code << " " << name;
        EXPECT_TRUE(seen.emplace(name, code).second) << name << " for " << code << " and " << seen[name];
    }
    EXPECT_EQ(seen.size(), 159u + 153u);
}

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
    zemtest::ConfigHome home;
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
    zemtest::ConfigHome home;
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
