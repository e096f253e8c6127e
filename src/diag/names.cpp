// Names of MQ constants: one table per family, looked up by value.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "foundation/mq_constants.h"
#include "zemapi.h"

namespace zem {
namespace {

using namespace zem::mq;

struct Name {
    int32_t value;
    const char *text;
};

// Feedback codes have two names: a word for the message printers and the MQ constant.
// IMS_FIRST and IMS_LAST bound a range; only the constant column names them.
struct FeedbackName {
    int32_t value;
    const char *word;
    const char *constant;
};

constexpr Name kMsgTypeWords[] = {
    {MQMT_REQUEST, "REQUEST"},
    {MQMT_REPLY, "REPLY"},
    {MQMT_REPORT, "REPORT"},
    {MQMT_DATAGRAM, "DATAGRAM"},
};

constexpr Name kMsgTypeConstants[] = {
    {MQMT_REQUEST, "MQMT_REQUEST"},
    {MQMT_REPLY, "MQMT_REPLY"},
    {MQMT_REPORT, "MQMT_REPORT"},
    {MQMT_DATAGRAM, "MQMT_DATAGRAM"},
};

constexpr Name kPutApplTypeWords[] = {
    {MQAT_UNKNOWN, "UNKNOWN"},
    {MQAT_NO_CONTEXT, "NO CONTEXT"},
    {MQAT_CICS, "CICS"},
    {MQAT_MVS, "MVS"},
    {MQAT_IMS, "IMS"},
    {MQAT_OS2, "OS2"},
    {MQAT_DOS, "DOS"},
    {MQAT_UNIX, "UNIX"},
    {MQAT_QMGR, "QMGR"},
    {MQAT_OS400, "OS400"},
    {MQAT_WINDOWS, "WINDOWS"},
    {MQAT_CICS_VSE, "CICS VSE"},
    {MQAT_WINDOWS_NT, "WINNT"},
    {MQAT_VMS, "VMS"},
    {MQAT_GUARDIAN, "GUARDIAN"},
    {MQAT_VOS, "VOS"},
    {MQAT_IMS_BRIDGE, "IMS BRIDGE"},
    {MQAT_XCF, "XCF"},
    {MQAT_CICS_BRIDGE, "CICS BRIDGE"},
    {MQAT_NOTES_AGENT, "NOTES AGENT"},
    {MQAT_USER, "USER"},
    {MQAT_BROKER, "BROKER"},
    {MQAT_JAVA, "JAVA"},
    {MQAT_DQM, "DQM"},
    {MQAT_CHANNEL_INITIATOR, "CHANNEL INITIATOR"},
};

constexpr FeedbackName kFeedbackNames[] = {
    {MQFB_NONE, "NONE", "MQFB_NONE"},
    {MQFB_QUIT, "QUIT", "MQFB_QUIT"},
    {MQFB_EXPIRATION, "EXPIRATION", "MQFB_EXPIRATION"},
    {MQFB_COA, "COA", "MQFB_COA"},
    {MQFB_COD, "COD", "MQFB_COD"},
    {MQFB_CHANNEL_COMPLETED, "CHANNEL COMPLETED", "MQFB_CHANNEL_COMPLETED"},
    {MQFB_CHANNEL_FAIL_RETRY, "CHANNEL FAIL RETRY", "MQFB_CHANNEL_FAIL_RETRY"},
    {MQFB_CHANNEL_FAIL, "CHANNEL FAIL", "MQFB_CHANNEL_FAIL"},
    {MQFB_APPL_CANNOT_BE_STARTED, "APPL CANNOT BE STARTED", "MQFB_APPL_CANNOT_BE_STARTED"},
    {MQFB_TM_ERROR, "TM ERROR", "MQFB_TM_ERROR"},
    {MQFB_APPL_TYPE_ERROR, "APPL TYPE ERROR", "MQFB_APPL_TYPE_ERROR"},
    {MQFB_STOPPED_BY_MSG_EXIT, "STOPPED BY MSG EXIT", "MQFB_STOPPED_BY_MSG_EXIT"},
    {MQFB_XMIT_Q_MSG_ERROR, "XMIT Q MSG ERROR", "MQFB_XMIT_Q_MSG_ERROR"},
    {MQFB_PAN, "PAN", "MQFB_PAN"},
    {MQFB_NAN, "NAN", "MQFB_NAN"},
    {MQFB_STOPPED_BY_CHAD_EXIT, "STOPPED BY CHAD EXIT", "MQFB_STOPPED_BY_CHAD_EXIT"},
    {MQFB_STOPPED_BY_PUBSUB_EXIT, "STOPPED BY PUBSUB EXIT", "MQFB_STOPPED_BY_PUBSUB_EXIT"},
    {MQFB_NOT_A_REPOSITORY_MSG, "NOT A REPOSITORY MSG", "MQFB_NOT_A_REPOSITORY_MSG"},
    {MQFB_BIND_OPEN_CLUSRCVR_DEL, "BIND OPEN CLUSRCVR DEL", "MQFB_BIND_OPEN_CLUSRCVR_DEL"},
    {MQFB_DATA_LENGTH_ZERO, "DATA LENGTH ZERO", "MQFB_DATA_LENGTH_ZERO"},
    {MQFB_DATA_LENGTH_NEGATIVE, "DATA LENGTH NEGATIVE", "MQFB_DATA_LENGTH_NEGATIVE"},
    {MQFB_DATA_LENGTH_TOO_BIG, "DATA LENGTH TOO BIG", "MQFB_DATA_LENGTH_TOO_BIG"},
    {MQFB_BUFFER_OVERFLOW, "BUFFER OVERFLOW", "MQFB_BUFFER_OVERFLOW"},
    {MQFB_LENGTH_OFF_BY_ONE, "LENGTH OFF BY ONE", "MQFB_LENGTH_OFF_BY_ONE"},
    {MQFB_IIH_ERROR, "IIH ERROR", "MQFB_IIH_ERROR"},
    {MQFB_NOT_AUTHORIZED_FOR_IMS, "NOT AUTHORIZED FOR IMS", "MQFB_NOT_AUTHORIZED_FOR_IMS"},
    {MQFB_IMS_ERROR, "IMS ERROR", "MQFB_IMS_ERROR"},
    {MQFB_IMS_FIRST, nullptr, "MQFB_IMS_FIRST"},
    {MQFB_IMS_LAST, nullptr, "MQFB_IMS_LAST"},
    {MQFB_CICS_INTERNAL_ERROR, "CICS INTERNAL ERROR", "MQFB_CICS_INTERNAL_ERROR"},
    {MQFB_CICS_NOT_AUTHORIZED, "CICS NOT AUTHORIZED", "MQFB_CICS_NOT_AUTHORIZED"},
    {MQFB_CICS_BRIDGE_FAILURE, "CICS BRIDGE FAILURE", "MQFB_CICS_BRIDGE_FAILURE"},
    {MQFB_CICS_CORREL_ID_ERROR, "CICS CORREL ID ERROR", "MQFB_CICS_CORREL_ID_ERROR"},
    {MQFB_CICS_CCSID_ERROR, "CICS CCSID ERROR", "MQFB_CICS_CCSID_ERROR"},
    {MQFB_CICS_ENCODING_ERROR, "CICS ENCODING ERROR", "MQFB_CICS_ENCODING_ERROR"},
    {MQFB_CICS_CIH_ERROR, "CICS CIH ERROR", "MQFB_CICS_CIH_ERROR"},
    {MQFB_CICS_UOW_ERROR, "CICS UOW ERROR", "MQFB_CICS_UOW_ERROR"},
    {MQFB_CICS_COMMAREA_ERROR, "CICS COMMAREA ERROR", "MQFB_CICS_COMMAREA_ERROR"},
    {MQFB_CICS_APPL_NOT_STARTED, "CICS APPL NOT STARTED", "MQFB_CICS_APPL_NOT_STARTED"},
    {MQFB_CICS_APPL_ABENDED, "CICS APPL ABENDED", "MQFB_CICS_APPL_ABENDED"},
    {MQFB_CICS_DLQ_ERROR, "CICS DLQ ERROR", "MQFB_CICS_DLQ_ERROR"},
    {MQFB_CICS_UOW_BACKED_OUT, "CICS UOW BACKED OUT", "MQFB_CICS_UOW_BACKED_OUT"},
};

constexpr Name kReportWords[] = {{MQRO_NONE, "NONE"}};

constexpr Name kObjectTypeConstants[] = {
    {MQOT_Q, "MQOT_Q"},
    {MQOT_NAMELIST, "MQOT_NAMELIST"},
    {MQOT_PROCESS, "MQOT_PROCESS"},
    {MQOT_STORAGE_CLASS, "MQOT_STORAGE_CLASS"},
    {MQOT_Q_MGR, "MQOT_Q_MGR"},
    {MQOT_CHANNEL, "MQOT_CHANNEL"},
    {MQOT_AUTH_INFO, "MQOT_AUTH_INFO"},
    {MQOT_TOPIC, "MQOT_TOPIC"},
    {MQOT_CF_STRUC, "MQOT_CF_STRUC"},
    {MQOT_LISTENER, "MQOT_LISTENER"},
    {MQOT_SERVICE, "MQOT_SERVICE"},
    {MQOT_ALL, "MQOT_ALL"},
    {MQOT_ALIAS_Q, "MQOT_ALIAS_Q"},
    {MQOT_MODEL_Q, "MQOT_MODEL_Q"},
    {MQOT_LOCAL_Q, "MQOT_LOCAL_Q"},
    {MQOT_REMOTE_Q, "MQOT_REMOTE_Q"},
    {MQOT_SENDER_CHANNEL, "MQOT_SENDER_CHANNEL"},
    {MQOT_SERVER_CHANNEL, "MQOT_SERVER_CHANNEL"},
    {MQOT_REQUESTER_CHANNEL, "MQOT_REQUESTER_CHANNEL"},
    {MQOT_RECEIVER_CHANNEL, "MQOT_RECEIVER_CHANNEL"},
    {MQOT_CURRENT_CHANNEL, "MQOT_CURRENT_CHANNEL"},
    {MQOT_SAVED_CHANNEL, "MQOT_SAVED_CHANNEL"},
    {MQOT_SVRCONN_CHANNEL, "MQOT_SVRCONN_CHANNEL"},
    {MQOT_CLNTCONN_CHANNEL, "MQOT_CLNTCONN_CHANNEL"},
    {MQOT_SHORT_CHANNEL, "MQOT_SHORT_CHANNEL"},
};

constexpr Name kObjectTypeWords[] = {
    {MQOT_Q, "QUEUE"},
    {MQOT_NAMELIST, "NAMELIST"},
    {MQOT_PROCESS, "PROCESS"},
    {MQOT_STORAGE_CLASS, "STORAGE_CLASS"},
    {MQOT_Q_MGR, "QMGR"},
    {MQOT_CHANNEL, "CHANNEL"},
    {MQOT_AUTH_INFO, "AUTH_INFO"},
    {MQOT_TOPIC, "TOPIC"},
    {MQOT_CF_STRUC, "CF_STRUC"},
    {MQOT_LISTENER, "LISTENER"},
    {MQOT_SERVICE, "SERVICE"},
};

constexpr Name kPersistenceConstants[] = {
    {MQPER_NOT_PERSISTENT, "MQPER_NOT_PERSISTENT"},
    {MQPER_PERSISTENT, "MQPER_PERSISTENT"},
    {MQPER_PERSISTENCE_AS_Q_DEF, "MQPER_PERSISTENCE_AS_Q_DEF"},
};

constexpr Name kExitIdConstants[] = {
    {MQXT_API_EXIT, "MQXT_API_EXIT"},
    {MQXT_CHANNEL_SEC_EXIT, "MQXT_CHANNEL_SEC_EXIT"},
    {MQXT_CHANNEL_MSG_EXIT, "MQXT_CHANNEL_MSG_EXIT"},
    {MQXT_CHANNEL_SEND_EXIT, "MQXT_CHANNEL_SEND_EXIT"},
    {MQXT_CHANNEL_RCV_EXIT, "MQXT_CHANNEL_RCV_EXIT"},
    {MQXT_CHANNEL_MSG_RETRY_EXIT, "MQXT_CHANNEL_MSG_RETRY_EXIT"},
    {MQXT_CHANNEL_AUTO_DEF_EXIT, "MQXT_CHANNEL_AUTO_DEF_EXIT"},
    {MQXT_CLUSTER_WORKLOAD_EXIT, "MQXT_CLUSTER_WORKLOAD_EXIT"},
    {MQXT_PUBSUB_ROUTING_EXIT, "MQXT_PUBSUB_ROUTING_EXIT"},
};

constexpr Name kExitReasonConstants[] = {
    {MQXR_BEFORE, "MQXR_BEFORE"},
    {MQXR_AFTER, "MQXR_AFTER"},
    {MQXR_CONNECTION, "MQXR_CONNECTION"},
    {MQXR_INIT, "MQXR_INIT"},
    {MQXR_TERM, "MQXR_TERM"},
    {MQXR_MSG, "MQXR_MSG"},
    {MQXR_XMIT, "MQXR_XMIT"},
    {MQXR_SEC_MSG, "MQXR_SEC_MSG"},
    {MQXR_INIT_SEC, "MQXR_INIT_SEC"},
    {MQXR_RETRY, "MQXR_RETRY"},
    {MQXR_AUTO_CLUSSDR, "MQXR_AUTO_CLUSSDR"},
    {MQXR_AUTO_RECEIVER, "MQXR_AUTO_RECEIVER"},
    {MQXR_CLWL_OPEN, "MQXR_CLWL_OPEN"},
    {MQXR_CLWL_PUT, "MQXR_CLWL_PUT"},
    {MQXR_CLWL_MOVE, "MQXR_CLWL_MOVE"},
    {MQXR_CLWL_REPOS, "MQXR_CLWL_REPOS"},
    {MQXR_CLWL_REPOS_MOVE, "MQXR_CLWL_REPOS_MOVE"},
    {MQXR_AUTO_SVRCONN, "MQXR_AUTO_SVRCONN"},
    {MQXR_AUTO_CLUSRCVR, "MQXR_AUTO_CLUSRCVR"},
};

// MQXCC_REQUEST_ACK (-7) is a channel-exit response the API exit never sees: unnamed here.
constexpr Name kExitResponseConstants[] = {
    {MQXCC_FAILED, "MQXCC_FAILED"},
    {MQXCC_CLOSE_CHANNEL, "MQXCC_CLOSE_CHANNEL"},
    {MQXCC_SUPPRESS_EXIT, "MQXCC_SUPPRESS_EXIT"},
    {MQXCC_SEND_SEC_MSG, "MQXCC_SEND_SEC_MSG"},
    {MQXCC_SEND_AND_REQUEST_SEC_MSG, "MQXCC_SEND_AND_REQUEST_SEC_MSG"},
    {MQXCC_SKIP_FUNCTION, "MQXCC_SKIP_FUNCTION"},
    {MQXCC_SUPPRESS_FUNCTION, "MQXCC_SUPPRESS_FUNCTION"},
    {MQXCC_OK, "MQXCC_OK"},
};

// Matched whole: a combination of these bits has no name.
constexpr Name kExitResponse2Constants[] = {
    {MQXR2_DEFAULT_CONTINUATION, "MQXR2_DEFAULT_CONTINUATION"},
    {MQXR2_PUT_WITH_DEF_USERID, "MQXR2_PUT_WITH_DEF_USERID"},
    {MQXR2_PUT_WITH_MSG_USERID, "MQXR2_PUT_WITH_MSG_USERID"},
    {MQXR2_USE_EXIT_BUFFER, "MQXR2_USE_EXIT_BUFFER"},
    {MQXR2_CONTINUE_CHAIN, "MQXR2_CONTINUE_CHAIN"},
    {MQXR2_SUPPRESS_CHAIN, "MQXR2_SUPPRESS_CHAIN"},
    {MQXR2_DYNAMIC_CACHE, "MQXR2_DYNAMIC_CACHE"},
};

constexpr Name kCallerTypeConstants[] = {
    {MQXACT_EXTERNAL, "MQXACT_EXTERNAL"},
    {MQXACT_INTERNAL, "MQXACT_INTERNAL"},
};

constexpr Name kFunctionCallNames[] = {
    {MQXF_INIT, "MQINIT"},
    {MQXF_TERM, "MQTERM"},
    {MQXF_CONN, "MQCONN"},
    {MQXF_CONNX, "MQCONNX"},
    {MQXF_DISC, "MQDISC"},
    {MQXF_OPEN, "MQOPEN"},
    {MQXF_CLOSE, "MQCLOSE"},
    {MQXF_PUT1, "MQPUT1"},
    {MQXF_PUT, "MQPUT"},
    {MQXF_GET, "MQGET"},
    {MQXF_DATA_CONV_ON_GET, "MQDATA_CONV_ON_GET"},
    {MQXF_INQ, "MQINQ"},
    {MQXF_SET, "MQSET"},
    {MQXF_BEGIN, "MQBEGIN"},
    {MQXF_CMIT, "MQCMIT"},
    {MQXF_BACK, "MQBACK"},
    {MQXF_CALLBACK, "MQCALLBACK"},
};

constexpr Name kChannelTypeWords[] = {
    {MQCHT_SENDER, "SENDER"},       {MQCHT_SERVER, "SERVER"},     {MQCHT_RECEIVER, "RECEIVER"},
    {MQCHT_REQUESTER, "REQUESTER"}, {MQCHT_CLNTCONN, "CLNTCONN"}, {MQCHT_SVRCONN, "SVRCONN"},
    {MQCHT_CLUSRCVR, "CLUSRCVR"},   {MQCHT_CLUSSDR, "CLUSSDR"},
};

constexpr Name kEnvironmentConstants[] = {
    {MQXE_OTHER, "MQXE_OTHER"},
    {MQXE_MCA, "MQXE_MCA"},
    {MQXE_MCA_SVRCONN, "MQXE_MCA_SVRCONN"},
    {MQXE_COMMAND_SERVER, "MQXE_COMMAND_SERVER"},
    {MQXE_MQSC, "MQXE_MQSC"},
};

// An integer parameter whose values form an enumeration: its rows in kValueNames.
struct ValueFamily {
    int32_t parameter;
    int32_t first;
    int32_t count;
};

#include "diag/pcf_name_tables.inc"

// The name of value in rows sorted by value; null when none has it.
const char *FindSorted(const Name *begin, const Name *end, int32_t value)
{
    const Name *row = std::lower_bound(begin, end, value, [](const Name &n, int32_t v) { return n.value < v; });
    return row != end && row->value == value ? row->text : nullptr;
}

const char *ParameterName(int32_t id) { return FindSorted(std::begin(kParameterNames), std::end(kParameterNames), id); }

const char *ValueName(int32_t id, int32_t value)
{
    const ValueFamily *family =
        std::lower_bound(std::begin(kValueFamilies), std::end(kValueFamilies), id,
                         [](const ValueFamily &f, int32_t parameter) { return f.parameter < parameter; });
    if (family == std::end(kValueFamilies) || family->parameter != id)
        return nullptr;
    const Name *rows = kValueNames + family->first;
    return FindSorted(rows, rows + family->count, value);
}

// The name of value in one column of a table; null when the value has none there.
template <class Entry, std::size_t Count>
const char *Find(const Entry (&table)[Count], int32_t value, const char *Entry::*column)
{
    for (const Entry &entry : table)
        if (entry.value == value)
            return entry.*column;
    return nullptr;
}

template <std::size_t Count> const char *Find(const Name (&table)[Count], int32_t value)
{
    return Find(table, value, &Name::text);
}

// Writes the name, or the fallback formatted with the value, into text. Returns the
// constant name, or null when the fallback was used.
const char *Write(const char *name, int32_t value, const char *fallback, char *text)
{
    if (text) {
        if (name)
            std::snprintf(text, ZEM_NAME_SIZE, "%s", name);
        else
            std::snprintf(text, ZEM_NAME_SIZE, fallback, value);
    }
    return name;
}

// The two result conventions of the buffer family.
char *IntoBuffer(const char *name, int32_t value, const char *fallback, char *text)
{
    Write(name, value, fallback, text);
    return text;
}

const char *ConstantOrBuffer(const char *name, int32_t value, char *text)
{
    const char *constant = Write(name, value, "%d", text);
    return constant ? constant : text;
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(char *) MsgType(int32_t value, char *text) { return IntoBuffer(Find(kMsgTypeWords, value), value, "%d", text); }

ZEMAPI(char *) PutApplType(int32_t value, char *text)
{
    return IntoBuffer(Find(kPutApplTypeWords, value), value, "%d", text);
}

ZEMAPI(char *) Feedback(int32_t value, char *text)
{
    return IntoBuffer(Find(kFeedbackNames, value, &FeedbackName::word), value, "RC %d", text);
}

ZEMAPI(char *) Report(int32_t value, char *text) { return IntoBuffer(Find(kReportWords, value), value, "%d", text); }

ZEMAPI(char *) MqObjTypeStr(int32_t value, char *text)
{
    return IntoBuffer(Find(kObjectTypeConstants, value), value, "UNKNOWN VALUE %d", text);
}

ZEMAPI(char *) PersistanceType(int32_t value, char *text)
{
    return IntoBuffer(Find(kPersistenceConstants, value), value, "UNKNOWN", text);
}

ZEMAPI(const char *) MapExitId(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kExitIdConstants, value), value, text);
}

ZEMAPI(const char *) MapExitReason(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kExitReasonConstants, value), value, text);
}

ZEMAPI(const char *) MapExitResponse(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kExitResponseConstants, value), value, text);
}

ZEMAPI(const char *) MapExitResponse2(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kExitResponse2Constants, value), value, text);
}

ZEMAPI(const char *) APICallerType(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kCallerTypeConstants, value), value, text);
}

ZEMAPI(const char *) MapFeedback(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kFeedbackNames, value, &FeedbackName::constant), value, text);
}

ZEMAPI(const char *) MapFunctionId(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kFunctionCallNames, value), value, text);
}

ZEMAPI(const char *) MapChannelType(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kChannelTypeWords, value), value, text);
}

ZEMAPI(const char *) MapEnvironment(int32_t value, char *text)
{
    return ConstantOrBuffer(Find(kEnvironmentConstants, value), value, text);
}

ZEMAPI(const char *) MapMsgType(int32_t value)
{
    const char *name = Find(kMsgTypeConstants, value);
    return name ? name : "MQMT_UNKNOWN";
}

ZEMAPI(const char *) MapObjType(int32_t value)
{
    const char *name = Find(kObjectTypeWords, value);
    return name ? name : "UNKNOWN";
}

ZEMAPI(const char *) PcfParamName(int32_t id) { return ParameterName(id); }
ZEMAPI(const char *) PcfValueName(int32_t id, int32_t value) { return ValueName(id, value); }

}  // extern "C"
