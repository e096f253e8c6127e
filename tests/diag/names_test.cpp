#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "zemapi.h"

namespace {

struct Named {
    int32_t value;
    const char *text;
};

using BufferName = char *(*)(int32_t, char *);
using MappedName = const char *(*)(int32_t, char *);

// Every value of a buffer-family function that returns the caller's buffer.
void ExpectBufferNames(BufferName function, const std::vector<Named> &expected)
{
    for (const Named &entry : expected) {
        char text[ZEM_NAME_SIZE];
        std::memset(text, 'X', sizeof text);
        EXPECT_EQ(function(entry.value, text), text) << entry.value;
        EXPECT_STREQ(text, entry.text) << entry.value;
    }
}

// Every value of a Map function: the constant (copied into the buffer) when named, the
// buffer holding the number otherwise.
void ExpectMappedNames(MappedName function, const std::vector<Named> &named, const std::vector<int32_t> &unnamed)
{
    for (const Named &entry : named) {
        char text[ZEM_NAME_SIZE] = "";
        const char *result = function(entry.value, text);
        EXPECT_NE(result, text) << entry.value;
        EXPECT_STREQ(result, entry.text) << entry.value;
        EXPECT_STREQ(text, entry.text) << entry.value;
    }
    for (int32_t value : unnamed) {
        char text[ZEM_NAME_SIZE] = "";
        EXPECT_EQ(function(value, text), text) << value;
        EXPECT_EQ(std::string(text), std::to_string(value));
    }
}

TEST(MessageNames, MessageTypesApplicationTypesReportsAndPersistence)
{
    ExpectBufferNames(MsgType, {{1, "REQUEST"}, {2, "REPLY"}, {4, "REPORT"}, {8, "DATAGRAM"}, {3, "3"}, {0, "0"},
                                {-1, "-1"}, {65536, "65536"}});
    const Named constants[] = {{1, "MQMT_REQUEST"}, {2, "MQMT_REPLY"},   {4, "MQMT_REPORT"},
                               {8, "MQMT_DATAGRAM"}, {0, "MQMT_UNKNOWN"}, {112, "MQMT_UNKNOWN"}};
    for (const Named &entry : constants)
        EXPECT_STREQ(MapMsgType(entry.value), entry.text) << entry.value;

    ExpectBufferNames(PutApplType, {{-1, "UNKNOWN"},   {0, "NO CONTEXT"},  {1, "CICS"},         {2, "MVS"},
                                    {3, "IMS"},        {4, "OS2"},         {5, "DOS"},          {6, "UNIX"},
                                    {7, "QMGR"},       {8, "OS400"},       {9, "WINDOWS"},      {10, "CICS VSE"},
                                    {11, "WINNT"},     {12, "VMS"},        {13, "GUARDIAN"},    {14, "VOS"},
                                    {19, "IMS BRIDGE"}, {20, "XCF"},       {21, "CICS BRIDGE"}, {22, "NOTES AGENT"},
                                    {25, "USER"},      {26, "BROKER"},     {28, "JAVA"},        {29, "DQM"},
                                    {30, "CHANNEL INITIATOR"}, {-2, "-2"}, {15, "15"},          {27, "27"},
                                    {31, "31"},        {65536, "65536"}});
    ExpectBufferNames(Report, {{0, "NONE"}, {1, "1"}, {16384, "16384"}, {-1, "-1"}});
    ExpectBufferNames(PersistanceType, {{0, "MQPER_NOT_PERSISTENT"}, {1, "MQPER_PERSISTENT"},
                                        {2, "MQPER_PERSISTENCE_AS_Q_DEF"}, {3, "UNKNOWN"}, {-1, "UNKNOWN"}});
}

// Feedback codes: the word, or null where Feedback falls back, and the MQFB_ name.
struct FeedbackNamed {
    int32_t value;
    const char *word;
    const char *constant;
};
const FeedbackNamed kFeedback[] = {
    {0, "NONE", "MQFB_NONE"}, {256, "QUIT", "MQFB_QUIT"}, {258, "EXPIRATION", "MQFB_EXPIRATION"},
    {259, "COA", "MQFB_COA"}, {260, "COD", "MQFB_COD"}, {262, "CHANNEL COMPLETED", "MQFB_CHANNEL_COMPLETED"},
    {263, "CHANNEL FAIL RETRY", "MQFB_CHANNEL_FAIL_RETRY"}, {264, "CHANNEL FAIL", "MQFB_CHANNEL_FAIL"},
    {265, "APPL CANNOT BE STARTED", "MQFB_APPL_CANNOT_BE_STARTED"}, {266, "TM ERROR", "MQFB_TM_ERROR"},
    {267, "APPL TYPE ERROR", "MQFB_APPL_TYPE_ERROR"}, {268, "STOPPED BY MSG EXIT", "MQFB_STOPPED_BY_MSG_EXIT"},
    {271, "XMIT Q MSG ERROR", "MQFB_XMIT_Q_MSG_ERROR"}, {275, "PAN", "MQFB_PAN"}, {276, "NAN", "MQFB_NAN"},
    {277, "STOPPED BY CHAD EXIT", "MQFB_STOPPED_BY_CHAD_EXIT"},
    {279, "STOPPED BY PUBSUB EXIT", "MQFB_STOPPED_BY_PUBSUB_EXIT"},
    {280, "NOT A REPOSITORY MSG", "MQFB_NOT_A_REPOSITORY_MSG"},
    {281, "BIND OPEN CLUSRCVR DEL", "MQFB_BIND_OPEN_CLUSRCVR_DEL"},
    {291, "DATA LENGTH ZERO", "MQFB_DATA_LENGTH_ZERO"}, {292, "DATA LENGTH NEGATIVE", "MQFB_DATA_LENGTH_NEGATIVE"},
    {293, "DATA LENGTH TOO BIG", "MQFB_DATA_LENGTH_TOO_BIG"}, {294, "BUFFER OVERFLOW", "MQFB_BUFFER_OVERFLOW"},
    {295, "LENGTH OFF BY ONE", "MQFB_LENGTH_OFF_BY_ONE"}, {296, "IIH ERROR", "MQFB_IIH_ERROR"},
    {298, "NOT AUTHORIZED FOR IMS", "MQFB_NOT_AUTHORIZED_FOR_IMS"}, {300, "IMS ERROR", "MQFB_IMS_ERROR"},
    {301, nullptr, "MQFB_IMS_FIRST"}, {399, nullptr, "MQFB_IMS_LAST"},
    {401, "CICS INTERNAL ERROR", "MQFB_CICS_INTERNAL_ERROR"}, {402, "CICS NOT AUTHORIZED", "MQFB_CICS_NOT_AUTHORIZED"},
    {403, "CICS BRIDGE FAILURE", "MQFB_CICS_BRIDGE_FAILURE"},
    {404, "CICS CORREL ID ERROR", "MQFB_CICS_CORREL_ID_ERROR"},
    {405, "CICS CCSID ERROR", "MQFB_CICS_CCSID_ERROR"}, {406, "CICS ENCODING ERROR", "MQFB_CICS_ENCODING_ERROR"},
    {407, "CICS CIH ERROR", "MQFB_CICS_CIH_ERROR"}, {408, "CICS UOW ERROR", "MQFB_CICS_UOW_ERROR"},
    {409, "CICS COMMAREA ERROR", "MQFB_CICS_COMMAREA_ERROR"},
    {410, "CICS APPL NOT STARTED", "MQFB_CICS_APPL_NOT_STARTED"}, {411, "CICS APPL ABENDED", "MQFB_CICS_APPL_ABENDED"},
    {412, "CICS DLQ ERROR", "MQFB_CICS_DLQ_ERROR"}, {413, "CICS UOW BACKED OUT", "MQFB_CICS_UOW_BACKED_OUT"},
};

TEST(FeedbackNames, WordsWithRcFallbackAndConstantsIncludingTheImsRangeBounds)
{
    std::vector<Named> words = {{301, "RC 301"}, {399, "RC 399"}, {257, "RC 257"}, {269, "RC 269"},
                                {414, "RC 414"}, {-1, "RC -1"},   {-2147483647 - 1, "RC -2147483648"}};
    std::vector<Named> constants;
    for (const FeedbackNamed &entry : kFeedback) {
        if (entry.word)
            words.push_back({entry.value, entry.word});
        constants.push_back({entry.value, entry.constant});
    }
    ExpectBufferNames(Feedback, words);
    ExpectMappedNames(MapFeedback, constants, {302, 398, 257, 261, 414, 1, -1});
}

TEST(ObjectNames, ObjectTypeConstantsAndWords)
{
    ExpectBufferNames(MqObjTypeStr,
                      {{1, "MQOT_Q"}, {2, "MQOT_NAMELIST"}, {3, "MQOT_PROCESS"}, {4, "MQOT_STORAGE_CLASS"},
                       {5, "MQOT_Q_MGR"}, {6, "MQOT_CHANNEL"}, {7, "MQOT_AUTH_INFO"}, {8, "MQOT_TOPIC"},
                       {10, "MQOT_CF_STRUC"}, {11, "MQOT_LISTENER"}, {12, "MQOT_SERVICE"}, {1001, "MQOT_ALL"},
                       {1002, "MQOT_ALIAS_Q"}, {1003, "MQOT_MODEL_Q"}, {1004, "MQOT_LOCAL_Q"}, {1005, "MQOT_REMOTE_Q"},
                       {1007, "MQOT_SENDER_CHANNEL"}, {1008, "MQOT_SERVER_CHANNEL"}, {1009, "MQOT_REQUESTER_CHANNEL"},
                       {1010, "MQOT_RECEIVER_CHANNEL"}, {1011, "MQOT_CURRENT_CHANNEL"}, {1012, "MQOT_SAVED_CHANNEL"},
                       {1013, "MQOT_SVRCONN_CHANNEL"}, {1014, "MQOT_CLNTCONN_CHANNEL"}, {1015, "MQOT_SHORT_CHANNEL"},
                       {9, "UNKNOWN VALUE 9"}, {0, "UNKNOWN VALUE 0"}, {1006, "UNKNOWN VALUE 1006"},
                       {1016, "UNKNOWN VALUE 1016"}, {-2147483647 - 1, "UNKNOWN VALUE -2147483648"}});

    const Named words[] = {{1, "QUEUE"},     {2, "NAMELIST"},  {3, "PROCESS"},   {4, "STORAGE_CLASS"}, {5, "QMGR"},
                           {6, "CHANNEL"},   {7, "AUTH_INFO"}, {8, "TOPIC"},     {10, "CF_STRUC"},     {11, "LISTENER"},
                           {12, "SERVICE"},  {9, "UNKNOWN"},   {0, "UNKNOWN"},   {1001, "UNKNOWN"}};
    for (const Named &entry : words)
        EXPECT_STREQ(MapObjType(entry.value), entry.text) << entry.value;
}

TEST(ExitNames, ExitIdsReasonsResponsesCallersEnvironmentsFunctionsAndChannelTypes)
{
    ExpectMappedNames(MapExitId,
                      {{2, "MQXT_API_EXIT"}, {11, "MQXT_CHANNEL_SEC_EXIT"}, {12, "MQXT_CHANNEL_MSG_EXIT"},
                       {13, "MQXT_CHANNEL_SEND_EXIT"}, {14, "MQXT_CHANNEL_RCV_EXIT"},
                       {15, "MQXT_CHANNEL_MSG_RETRY_EXIT"}, {16, "MQXT_CHANNEL_AUTO_DEF_EXIT"},
                       {20, "MQXT_CLUSTER_WORKLOAD_EXIT"}, {21, "MQXT_PUBSUB_ROUTING_EXIT"}},
                      {0, 1, 3, 17, 22});
    ExpectMappedNames(MapExitReason,
                      {{1, "MQXR_BEFORE"},        {2, "MQXR_AFTER"},          {3, "MQXR_CONNECTION"},
                       {11, "MQXR_INIT"},         {12, "MQXR_TERM"},          {13, "MQXR_MSG"},
                       {14, "MQXR_XMIT"},         {15, "MQXR_SEC_MSG"},       {16, "MQXR_INIT_SEC"},
                       {17, "MQXR_RETRY"},        {18, "MQXR_AUTO_CLUSSDR"},  {19, "MQXR_AUTO_RECEIVER"},
                       {20, "MQXR_CLWL_OPEN"},    {21, "MQXR_CLWL_PUT"},      {22, "MQXR_CLWL_MOVE"},
                       {23, "MQXR_CLWL_REPOS"},   {24, "MQXR_CLWL_REPOS_MOVE"}, {27, "MQXR_AUTO_SVRCONN"},
                       {28, "MQXR_AUTO_CLUSRCVR"}},
                      {0, 4, 10, 25, 26, 29});
    ExpectMappedNames(MapExitResponse,
                      {{-8, "MQXCC_FAILED"}, {-6, "MQXCC_CLOSE_CHANNEL"}, {-5, "MQXCC_SUPPRESS_EXIT"},
                       {-4, "MQXCC_SEND_SEC_MSG"}, {-3, "MQXCC_SEND_AND_REQUEST_SEC_MSG"},
                       {-2, "MQXCC_SKIP_FUNCTION"}, {-1, "MQXCC_SUPPRESS_FUNCTION"}, {0, "MQXCC_OK"}},
                      {-7, -9, 1});
    // Values are matched whole: 12 is 4 + 8.
    ExpectMappedNames(MapExitResponse2,
                      {{0, "MQXR2_DEFAULT_CONTINUATION"}, {1, "MQXR2_PUT_WITH_DEF_USERID"},
                       {2, "MQXR2_PUT_WITH_MSG_USERID"}, {4, "MQXR2_USE_EXIT_BUFFER"}, {8, "MQXR2_CONTINUE_CHAIN"},
                       {16, "MQXR2_SUPPRESS_CHAIN"}, {32, "MQXR2_DYNAMIC_CACHE"}},
                      {12, 3, 64, -1});
    ExpectMappedNames(APICallerType, {{1, "MQXACT_EXTERNAL"}, {2, "MQXACT_INTERNAL"}}, {0, 3});
    ExpectMappedNames(MapEnvironment,
                      {{0, "MQXE_OTHER"}, {1, "MQXE_MCA"}, {2, "MQXE_MCA_SVRCONN"}, {3, "MQXE_COMMAND_SERVER"},
                       {4, "MQXE_MQSC"}},
                      {5, -1});
    ExpectMappedNames(MapFunctionId,
                      {{1, "MQINIT"},  {2, "MQTERM"},   {3, "MQCONN"},  {4, "MQCONNX"},
                       {5, "MQDISC"},  {6, "MQOPEN"},   {7, "MQCLOSE"}, {8, "MQPUT1"},
                       {9, "MQPUT"},   {10, "MQGET"},   {11, "MQDATA_CONV_ON_GET"},
                       {12, "MQINQ"},  {13, "MQSET"},   {14, "MQBEGIN"}, {15, "MQCMIT"},
                       {16, "MQBACK"}, {21, "MQCALLBACK"}},
                      {0, 17, 18, 20, 22});
    ExpectMappedNames(MapChannelType,
                      {{1, "SENDER"}, {2, "SERVER"}, {3, "RECEIVER"}, {4, "REQUESTER"}, {6, "CLNTCONN"},
                       {7, "SVRCONN"}, {8, "CLUSRCVR"}, {9, "CLUSSDR"}},
                      {5, 0, 10});
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

TEST(PcfNames, ParameterAndValueNamesFromTheirOwnFamiliesAndNullForWhatHasNone)
{
    const struct {
        int32_t id;
        const char *name;
    } parameters[] = {
        {2016, "MQCA_Q_NAME"},          {1511, "MQIACH_CHANNEL_TYPE"},  {1, "MQIA_APPL_TYPE"},
        {3, "MQIA_CURRENT_Q_DEPTH"},    // not the monitor flag of the same number
        {703, "MQIAMO_AVG_Q_TIME"},     // not its 64-bit alias
        {1536, "MQIACH_BYTES_RECEIVED"},  // not the abbreviated spelling
        {7006, "MQBACF_CONNECTION_ID"}, {8011, "MQGACF_Q_STATISTICS_DATA"}, {3011, "MQCACF_Q_NAMES"},
        {20910, "EXPRM_GROUP_NAME"},    {20635, "EXPRM_LOG_DEALLCT"},   {20612, "EXCA_TO_Q_LOCAL"},
        {0, nullptr},                   {-1, nullptr},                   {99999, nullptr},
    };
    for (const auto &p : parameters) {
        const char *name = PcfParamName(p.id);
        EXPECT_STREQ(name, p.name) << p.id;
    }
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

    // Every parameter name belongs to a parameter family: no value name leaks in.
    for (int32_t id = -100; id < 30000; ++id) {
        const char *name = PcfParamName(id);
        if (!name)
            continue;
        std::string family(name, std::strcspn(name, "_"));
        EXPECT_TRUE(family == "MQCA" || family == "MQIA" || family == "MQCACF" || family == "MQIACF" ||
                    family == "MQCACH" || family == "MQIACH" || family == "MQBACF" || family == "MQGACF" ||
                    family == "MQIAMO" || family == "MQCAMO" || family == "MQIAMO64" || family == "EXPRM" ||
                    family == "EXCA" || family == "EXIA")
            << id << " " << name;
    }
}

}  // namespace
