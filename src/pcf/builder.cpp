// BuildPcfCmd: the standard parameters of the requests that the suite sends, one row per
// command code, so that a caller can ask for any supported object in one call.
#include <cstring>

#include "foundation/mq_constants.h"
#include "zemapi.h"

namespace zem {
namespace {

using namespace mq;

// The suite's own parameters that its own commands carry.
constexpr int32_t kManagerNameParam = 20006;    // START/STOP MANAGER: the manager's name
constexpr int32_t kNodeNameParam = 20007;       // MANAGE/UNMANAGE MQNODE: the node's name
constexpr int32_t kMqCallParam = 20101;         // MQ_OPEN, MQ_CLOSE: the caller's integer
constexpr int32_t kEventSelectorParam = 20110;  // event, accounting and statistics inquiries
constexpr int32_t kNodeModeParam = 20135;       // MANAGE MQNODE: the caller's integer
constexpr int32_t kStopModeParam = 20141;       // STOP_Q_MGR: the caller's integer

// How one parameter of a request is made from the caller's name and value.
enum class Make {
    None,            // end of the row
    NameString,      // string `id` = name
    NameStringAtId,  // string whose id is the value argument = name
    Fixed,           // integer `id` = `fixed`
    Value,           // integer `id` = value
    QTypeIfGiven,    // integer `id` = value, only when value > 0
    ClntConnOnly,    // integer `id` = value, only when value is MQCHT_CLNTCONN
    ObjectType,      // integer `id` = value when value >= 1, else MQOT_ALL
    OneElementList,  // integer list `id` holding the single element `fixed`
};

struct Attr {
    Make make;
    int32_t id;
    int32_t fixed;
};

struct Row {
    int32_t code;
    Attr attrs[3];
};

constexpr Attr Name(int32_t id) { return {Make::NameString, id, 0}; }
constexpr Attr NameAtValueId() { return {Make::NameStringAtId, 0, 0}; }
constexpr Attr Fixed(int32_t id, int32_t number) { return {Make::Fixed, id, number}; }
constexpr Attr Value(int32_t id) { return {Make::Value, id, 0}; }
constexpr Attr AllOf(int32_t id) { return {Make::OneElementList, id, MQIACF_ALL}; }
constexpr Attr ListOf(int32_t id, int32_t element) { return {Make::OneElementList, id, element}; }

constexpr Row kRows[] = {
    {MQCMD_INQUIRE_Q_MGR, {AllOf(MQIACF_Q_MGR_ATTRS)}},
    {MQCMD_INQUIRE_PROCESS, {Name(MQCA_PROCESS_NAME), AllOf(MQIACF_PROCESS_ATTRS)}},
    {MQCMD_INQUIRE_Q, {Name(MQCA_Q_NAME), {Make::QTypeIfGiven, MQIA_Q_TYPE, 0}, AllOf(MQIACF_Q_ATTRS)}},
    {MQCMD_INQUIRE_Q_NAMES, {Name(MQCA_Q_NAME), Fixed(MQIA_Q_TYPE, MQQT_ALL)}},
    {MQCMD_INQUIRE_CHANNEL_NAMES, {Name(MQCACH_CHANNEL_NAME), {Make::ClntConnOnly, MQIACH_CHANNEL_TYPE, 0}}},
    {MQCMD_INQUIRE_CHANNEL,
     {Name(MQCACH_CHANNEL_NAME), {Make::ClntConnOnly, MQIACH_CHANNEL_TYPE, 0}, AllOf(MQIACF_CHANNEL_ATTRS)}},
    {MQCMD_PING_CHANNEL, {Name(MQCACH_CHANNEL_NAME), Value(MQIACH_DATA_COUNT)}},
    {MQCMD_RESET_CHANNEL, {Name(MQCACH_CHANNEL_NAME), Value(MQIACH_MSG_SEQUENCE_NUMBER)}},
    {MQCMD_STOP_CHANNEL, {Name(MQCACH_CHANNEL_NAME), Value(MQIACF_MODE)}},
    {MQCMD_RESOLVE_CHANNEL, {Name(MQCACH_CHANNEL_NAME), Value(MQIACH_IN_DOUBT)}},
    {MQCMD_INQUIRE_NAMELIST, {Name(MQCA_NAMELIST_NAME), AllOf(MQIACF_NAMELIST_ATTRS)}},
    {MQCMD_ESCAPE, {Fixed(MQIACF_ESCAPE_TYPE, MQET_MQSC), Name(MQCACF_ESCAPE_TEXT)}},
    {EXCMD_MQSC_SCRIPT, {Fixed(MQIACF_ESCAPE_TYPE, MQET_MQSC), Name(MQCACF_ESCAPE_TEXT)}},
    {MQCMD_INQUIRE_Q_STATUS,
     {Name(MQCA_Q_NAME), AllOf(MQIACF_Q_MGR_STATUS_ATTRS), ListOf(MQIACF_Q_STATUS_TYPE, MQIACF_Q_STATUS)}},
    {MQCMD_INQUIRE_CHANNEL_STATUS, {Name(MQCACH_CHANNEL_NAME), AllOf(MQIACH_CHANNEL_INSTANCE_ATTRS)}},
    {MQCMD_INQUIRE_CLUSTER_Q_MGR, {Name(MQCA_CLUSTER_Q_MGR_NAME), AllOf(MQIACF_CLUSTER_Q_MGR_ATTRS)}},
    {MQCMD_RESUME_Q_MGR_CLUSTER, {NameAtValueId()}},
    {MQCMD_SUSPEND_Q_MGR_CLUSTER, {NameAtValueId()}},
    // Asks for nothing: the refresh takes no object name from this call.
    {MQCMD_REFRESH_SECURITY, {}},
    {MQCMD_INQUIRE_AUTH_INFO, {Name(MQCA_AUTH_INFO_NAME), AllOf(MQIACF_AUTH_INFO_ATTRS)}},
    {MQCMD_INQUIRE_AUTH_RECS,
     {Fixed(MQIACF_AUTH_OPTIONS, 97), Name(MQCACF_AUTH_PROFILE_NAME), {Make::ObjectType, MQIACF_OBJECT_TYPE, 0}}},
    {MQCMD_RESET_Q_MGR, {Value(MQIACF_ACTION)}},
    {MQCMD_INQUIRE_LISTENER, {Name(MQCACH_LISTENER_NAME), AllOf(MQIACF_LISTENER_ATTRS)}},
    {MQCMD_INQUIRE_LISTENER_STATUS, {Name(MQCACH_LISTENER_NAME), AllOf(MQIACF_LISTENER_STATUS_ATTRS)}},
    {MQCMD_INQUIRE_SERVICE, {Name(MQCA_SERVICE_NAME), AllOf(MQIACF_SERVICE_ATTRS)}},
    {MQCMD_INQUIRE_SERVICE_STATUS, {Name(MQCA_SERVICE_NAME), AllOf(MQIACF_SERVICE_STATUS_ATTRS)}},
    {MQCMD_INQUIRE_Q_MGR_STATUS, {AllOf(MQIACF_Q_MGR_STATUS_ATTRS)}},
    {MQCMD_INQUIRE_TOPIC, {Name(MQCA_TOPIC_NAME), AllOf(MQIACF_TOPIC_ATTRS)}},
    {MQCMD_INQUIRE_SUBSCRIPTION, {Name(MQCACF_SUB_NAME), AllOf(MQIACF_SUB_ATTRS)}},
    {MQCMD_INQUIRE_SUB_STATUS, {Name(MQCACF_SUB_NAME), AllOf(MQIACF_SUB_STATUS_ATTRS)}},
    {MQCMD_INQUIRE_TOPIC_STATUS, {Name(MQCA_TOPIC_NAME), ListOf(MQIACF_TOPIC_STATUS_ATTRS, MQIACF_TOPIC_STATUS)}},
    {MQCMD_INQUIRE_PUBSUB_STATUS, {AllOf(MQIACF_PUBSUB_STATUS_ATTRS)}},
    {MQCMD_INQUIRE_STG_CLASS, {Name(MQCA_STORAGE_CLASS), AllOf(MQIACF_STORAGE_CLASS_ATTRS)}},
    {MQCMD_INQUIRE_CHLAUTH_RECS, {Name(MQCACH_CHANNEL_NAME), AllOf(MQIACF_CHLAUTH_ATTRS)}},
    {MQCMD_INQUIRE_CF_STRUC, {Name(MQCA_CF_STRUC_NAME), AllOf(MQIACF_CF_STRUC_ATTRS)}},
    {MQCMD_INQUIRE_CF_STRUC_STATUS, {Name(MQCA_CF_STRUC_NAME), Fixed(MQIACF_CF_STATUS_TYPE, MQIACF_CF_STATUS_SUMMARY)}},
    // The connection identifier is a byte string, not a name: every connection is asked for.
    {MQCMD_INQUIRE_CONNECTION, {Fixed(MQIACF_CONN_INFO_TYPE, MQIACF_CONN_INFO_CONN), AllOf(MQIACF_CONNECTION_ATTRS)}},
    {MQCMD_INQUIRE_USAGE, {Fixed(MQIACF_USAGE_TYPE, MQIACF_ALL)}},
    {MQCMD_INQUIRE_SECURITY, {AllOf(MQIACF_SECURITY_ATTRS)}},
    {EXCMD_STOP_Q_MGR, {Name(MQCA_Q_MGR_NAME), Value(kStopModeParam)}},
    {EXCMD_MQ_OPEN, {Name(MQCA_Q_MGR_NAME), Value(kMqCallParam)}},
    {EXCMD_MQ_CLOSE, {Name(MQCA_Q_MGR_NAME), Value(kMqCallParam)}},
    {EXCMD_MANAGE_MQNODE, {Name(kNodeNameParam), Value(kNodeModeParam)}},
    {EXCMD_INQUIRE_Q_MGR_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_LOGGER_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_BRIDGE_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_CHANNEL_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_MANAGER_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_PERFM_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_ALTER_EVENT, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_ACCT_MQI, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_ACCT_Q, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_STAT_MQI, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_STAT_Q, {Value(kEventSelectorParam)}},
    {EXCMD_INQUIRE_STAT_CHANNEL, {Value(kEventSelectorParam)}},
    // Requests that name one object and nothing else.
    {MQCMD_RESET_Q_STATS, {Name(MQCA_Q_NAME)}},
    {MQCMD_INQUIRE_PROCESS_NAMES, {Name(MQCA_PROCESS_NAME)}},
    {MQCMD_START_CHANNEL, {Name(MQCACH_CHANNEL_NAME)}},
    {MQCMD_START_CHANNEL_INIT, {Name(MQCA_INITIATION_Q_NAME)}},
    {MQCMD_START_CHANNEL_LISTENER, {Name(MQCACH_LISTENER_NAME)}},
    {MQCMD_STOP_CHANNEL_LISTENER, {Name(MQCACH_LISTENER_NAME)}},
    {EXCMD_INQUIRE_LISTENER_NAMES, {Name(MQCACH_LISTENER_NAME)}},
    {MQCMD_INQUIRE_NAMELIST_NAMES, {Name(MQCA_NAMELIST_NAME)}},
    {MQCMD_REFRESH_CLUSTER, {Name(MQCA_CLUSTER_NAME)}},
    {MQCMD_RESET_CLUSTER, {Name(MQCA_CLUSTER_NAME)}},
    {MQCMD_INQUIRE_AUTH_INFO_NAMES, {Name(MQCA_AUTH_INFO_NAME)}},
    {MQCMD_START_SERVICE, {Name(MQCA_SERVICE_NAME)}},
    {MQCMD_STOP_SERVICE, {Name(MQCA_SERVICE_NAME)}},
    {EXCMD_INQUIRE_SERVICE_NAMES, {Name(MQCA_SERVICE_NAME)}},
    {MQCMD_INQUIRE_TOPIC_NAMES, {Name(MQCA_TOPIC_NAME)}},
    {EXCMD_START_MCA, {Name(MQCACH_MCA_NAME)}},
    {EXCMD_STOP_MCA, {Name(MQCACH_MCA_NAME)}},
    {EXCMD_START_Q_MGR, {Name(MQCA_Q_MGR_NAME)}},
    {EXCMD_OPEN_EVENT, {Name(MQCA_Q_MGR_NAME)}},
    {EXCMD_CLOSE_EVENT, {Name(MQCA_Q_MGR_NAME)}},
    {EXCMD_INQUIRE_Q_MGR_NAMES, {Name(MQCA_Q_MGR_NAME)}},
    {EXCMD_CREATE_Q_MGR, {Name(MQCA_Q_MGR_NAME)}},
    {EXCMD_DELETE_Q_MGR, {Name(MQCA_Q_MGR_NAME)}},
    {EXCMD_INQUIRE_SUBSCRIPTION_NAMES, {Name(MQCACF_SUB_NAME)}},
    {EXCMD_START_MANAGER, {Name(kManagerNameParam)}},
    {EXCMD_STOP_MANAGER, {Name(kManagerNameParam)}},
    {EXCMD_UNMANAGE_MQNODE, {Name(kNodeNameParam)}},
};

const Row *FindRow(int32_t code)
{
    for (const Row &row : kRows) {
        if (row.code == code)
            return &row;
    }
    return nullptr;
}

// Makes one parameter into a temporary envelope, appends it and releases the envelope.
// Returns -1 when the parameter is not wanted for this value, else the append's result.
int32_t AppendOne(PcfMessage *message, const Attr &attr, const char *name, int32_t value)
{
    MESSAGE parameter{};
    switch (attr.make) {
    case Make::NameString: CreatePcfStrAttr(&parameter, attr.id, name); break;
    case Make::NameStringAtId: CreatePcfStrAttr(&parameter, value, name); break;
    case Make::Fixed: CreatePcfIntAttr(&parameter, attr.id, attr.fixed); break;
    case Make::Value: CreatePcfIntAttr(&parameter, attr.id, value); break;
    case Make::QTypeIfGiven:
        if (value <= 0)
            return -1;
        CreatePcfIntAttr(&parameter, attr.id, value);
        break;
    case Make::ClntConnOnly:
        if (value != MQCHT_CLNTCONN)
            return -1;
        CreatePcfIntAttr(&parameter, attr.id, value);
        break;
    case Make::ObjectType: CreatePcfIntAttr(&parameter, attr.id, value >= 1 ? value : MQOT_ALL); break;
    case Make::OneElementList:
        CreatePcfIntListAttr(&parameter, attr.id, 1);
        SetPcfIntListAttrValue(&parameter, 0, attr.fixed);
        break;
    case Make::None: return -1;
    }
    int32_t appended = AppendAttr(message, &parameter);
    if (parameter.pBlock != nullptr)
        DeleteMessage(&parameter);
    return appended;
}

int32_t BuildRequest(PcfMessage *message, const char *name, int32_t value)
{
    int32_t code = message->pCfh->Command;
    if (code == MQCMD_PING_Q_MGR)
        return 1;
    int32_t result = 0;
    if (const Row *row = FindRow(code)) {
        for (const Attr &attr : row->attrs) {
            if (attr.make == Make::None)
                break;
            int32_t appended = AppendOne(message, attr, name, value);
            if (appended >= 0)
                result = appended;
        }
    }
    RawToPcf(message);
    return result;
}

}  // namespace
}  // namespace zem

extern "C" ZEMAPI(int32_t) BuildPcfCmd(PcfMessage *message, const char *name, int32_t value)
{
    // The MQCFH must be there before its Command is read.
    if (message == nullptr || message->pCfh == nullptr || message->PcfMsg.Used < ZEM_MDHDR_LENGTH + ZEM_MQCFH_LENGTH) {
        return 0;
    }
    return zem::BuildRequest(message, name != nullptr ? name : "", value);
}
