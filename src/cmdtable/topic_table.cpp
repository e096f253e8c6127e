// Topic objects and topic status.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwTopic = Str(MQCA_TOPIC_NAME, "TOPIC", kEvery, kLevel700);
MqscKeyword kwToTopic = Str(MQCACF_TO_TOPIC_NAME, "TOPIC", kEvery, kLevel700);
MqscKeyword kwLikeTopic = Str(MQCACF_FROM_TOPIC_NAME, "LIKE", kEvery, kLevel700);

MqscKeyword vMQPER_PERSISTENCE_AS_PARENT = Value(MQPER_PERSISTENCE_AS_PARENT, "ASPARENT");
MqscKeyword *vlTopicPersistence[] = {&vMQPER_PERSISTENCE_AS_PARENT, &vMQPER_PERSISTENT, &vMQPER_NOT_PERSISTENT,
                                     nullptr};
MqscKeyword kwDefPsistTopic = Enum(MQIA_TOPIC_DEF_PERSISTENCE, "DEFPSIST", vlTopicPersistence, kEvery, kLevel700);

MqscKeyword vMQPRI_PRIORITY_AS_PARENT = Value(MQPRI_PRIORITY_AS_PARENT, "ASPARENT");
MqscKeyword *vlTopicPriority[] = {&vMQPRI_PRIORITY_AS_PARENT,
                                  &vPriority0,
                                  &vPriority1,
                                  &vPriority2,
                                  &vPriority3,
                                  &vPriority4,
                                  &vPriority5,
                                  &vPriority6,
                                  &vPriority7,
                                  &vPriority8,
                                  &vPriority9,
                                  nullptr};
MqscKeyword kwDefPrtyTopic = Enum(MQIA_DEF_PRIORITY, "DEFPRTY", vlTopicPriority, kEvery, kLevel700);

MqscKeyword vMQPRT_RESPONSE_AS_PARENT = Value(MQPRT_RESPONSE_AS_PARENT, "ASPARENT");
MqscKeyword *vlTopicPutResponse[] = {&vMQPRT_RESPONSE_AS_PARENT, &vMQPRT_SYNC_RESPONSE, &vMQPRT_ASYNC_RESPONSE,
                                     nullptr};
MqscKeyword kwDefPRespTopic = Enum(MQIA_DEF_PUT_RESPONSE_TYPE, "DEFPRESP", vlTopicPutResponse, kEvery, kLevel700);

MqscKeyword kwMDurMdl = Str(MQCA_MODEL_DURABLE_Q, "MDURMDL", kEvery, kLevel700);

MqscKeyword vMQSUB_DURABLE_AS_PARENT = Value(MQSUB_DURABLE_AS_PARENT, "ASPARENT");
MqscKeyword vMQSUB_DURABLE_ALLOWED = Value(MQSUB_DURABLE_ALLOWED, "YES");
MqscKeyword vMQSUB_DURABLE_INHIBITED = Value(MQSUB_DURABLE_INHIBITED, "NO");
MqscKeyword *vlDurableSub[] = {&vMQSUB_DURABLE_AS_PARENT, &vMQSUB_DURABLE_ALLOWED, &vMQSUB_DURABLE_INHIBITED, nullptr};
MqscKeyword kwDurSub = Enum(MQIA_DURABLE_SUB, "DURSUB", vlDurableSub, kEvery, kLevel700);

MqscKeyword vMQTA_PUB_AS_PARENT = Value(MQTA_PUB_AS_PARENT, "ASPARENT");
MqscKeyword vMQTA_PUB_ALLOWED = Value(MQTA_PUB_ALLOWED, "ENABLED");
MqscKeyword vMQTA_PUB_INHIBITED = Value(MQTA_PUB_INHIBITED, "DISABLED");
MqscKeyword *vlInhibitPub[] = {&vMQTA_PUB_AS_PARENT, &vMQTA_PUB_ALLOWED, &vMQTA_PUB_INHIBITED, nullptr};
MqscKeyword kwPub = Enum(MQIA_INHIBIT_PUB, "PUB", vlInhibitPub, kEvery, kLevel700);

MqscKeyword vMQTA_SUB_AS_PARENT = Value(MQTA_SUB_AS_PARENT, "ASPARENT");
MqscKeyword vMQTA_SUB_ALLOWED = Value(MQTA_SUB_ALLOWED, "ENABLED");
MqscKeyword vMQTA_SUB_INHIBITED = Value(MQTA_SUB_INHIBITED, "DISABLED");
MqscKeyword *vlInhibitSub[] = {&vMQTA_SUB_AS_PARENT, &vMQTA_SUB_ALLOWED, &vMQTA_SUB_INHIBITED, nullptr};
MqscKeyword kwSub = Enum(MQIA_INHIBIT_SUB, "SUB", vlInhibitSub, kEvery, kLevel700);

MqscKeyword kwMnDurMdl = Str(MQCA_MODEL_NON_DURABLE_Q, "MNDURMDL", kEvery, kLevel700);

MqscKeyword vMQDLV_AS_PARENT = Value(MQDLV_AS_PARENT, "ASPARENT");
MqscKeyword vMQDLV_ALL = Value(MQDLV_ALL, "ALL");
MqscKeyword vMQDLV_ALL_DUR = Value(MQDLV_ALL_DUR, "ALLDUR");
MqscKeyword vMQDLV_ALL_AVAIL = Value(MQDLV_ALL_AVAIL, "ALLAVAIL");
MqscKeyword *vlDelivery[] = {&vMQDLV_AS_PARENT, &vMQDLV_ALL, &vMQDLV_ALL_DUR, &vMQDLV_ALL_AVAIL, nullptr};
MqscKeyword kwNpMsgDlv = Enum(MQIA_NPM_DELIVERY, "NPMSGDLV", vlDelivery, kEvery, kLevel700);

MqscKeyword kwPMsgDlv = Enum(MQIA_PM_DELIVERY, "PMSGDLV", vlDelivery, kEvery, kLevel700);

MqscKeyword vMQTA_PROXY_SUB_FIRSTUSE = Value(MQTA_PROXY_SUB_FIRSTUSE, "FIRSTUSE");
MqscKeyword vMQTA_PROXY_SUB_FORCE = Value(MQTA_PROXY_SUB_FORCE, "FORCE");
MqscKeyword *vlProxySub[] = {&vMQTA_PROXY_SUB_FIRSTUSE, &vMQTA_PROXY_SUB_FORCE, nullptr};
MqscKeyword kwProxySub = Enum(MQIA_PROXY_SUB, "PROXYSUB", vlProxySub, kEvery, kLevel700);

MqscKeyword vMQSCOPE_AS_PARENT = Value(MQSCOPE_AS_PARENT, "ASPARENT");
MqscKeyword vMQSCOPE_QMGR = Value(MQSCOPE_QMGR, "QMGR");
MqscKeyword vMQSCOPE_ALL = Value(MQSCOPE_ALL, "ALL");
MqscKeyword *vlTopicScope[] = {&vMQSCOPE_AS_PARENT, &vMQSCOPE_QMGR, &vMQSCOPE_ALL, nullptr};
MqscKeyword kwPubScope = Enum(MQIA_PUB_SCOPE, "PUBSCOPE", vlTopicScope, kEvery, kLevel700);

MqscKeyword kwSubScopeTopic = Enum(MQIA_SUB_SCOPE, "SUBSCOPE", vlTopicScope, kEvery, kLevel700);
MqscKeyword kwDescrTopic = Str(MQCA_TOPIC_DESC, "DESCR", kEvery, kLevel700);

MqscKeyword vMQTOPT_LOCAL = Value(MQTOPT_LOCAL, "LOCAL");
MqscKeyword vMQTOPT_CLUSTER = Value(MQTOPT_CLUSTER, "CLUSTER");
MqscKeyword vMQTOPT_ALL = Value(MQTOPT_ALL, "ALL");
MqscKeyword *vlTopicType[] = {&vMQTOPT_LOCAL, &vMQTOPT_CLUSTER, &vMQTOPT_ALL, nullptr};
MqscKeyword kwTopicType = Enum(MQIA_TOPIC_TYPE, "TYPE", vlTopicType, kEvery, kLevel700);

MqscKeyword vMQTA_PASSTHRU = Value(MQTA_PASSTHRU, "PASSTHRU");
MqscKeyword vMQTA_BLOCK = Value(MQTA_BLOCK, "BLOCK");
MqscKeyword *vlWildcard[] = {&vMQTA_PASSTHRU, &vMQTA_BLOCK, nullptr};
MqscKeyword kwWildcard = Enum(MQIA_WILDCARD_OPERATION, "WILDCARD", vlWildcard, kEvery, kLevel700);

MqscKeyword kwAdmin = Str(MQCA_ADMIN_TOPIC_NAME, "ADMIN", kEvery, kLevel700);

MqscKeyword *vlRetained[] = {&vMQQSO_YES, &vMQQSO_NO, nullptr};
MqscKeyword kwRetained = Enum(MQIACF_RETAINED_PUBLICATION, "RETAINED", vlRetained, kEvery, kLevel700);

MqscParam plDisplayTopicNames[] = {
    Head(&cmdDisplayTopicNames, kGlue),
    Obj(&kwTopic, kParen, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(kEvery, kLevel700),
};

MqscParam plDisplayTopic[] = {
    Head(&cmdDisplayTopic, kGlue),
    Obj(&kwTopic, kQuoted, kEvery, kLevel700),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwCluster, kQuoted),
    Attr(&kwDefPsistTopic, kParen, kEvery, kLevel700),
    Attr(&kwDefPrtyTopic, kParen, kEvery, kLevel700),
    Attr(&kwDefPRespTopic, kParen, kEvery, kLevel700),
    Attr(&kwMDurMdl, kQuoted, kEvery, kLevel700),
    Attr(&kwDurSub, kParen, kEvery, kLevel700),
    Attr(&kwPub, kParen, kEvery, kLevel700),
    Attr(&kwSub, kParen, kEvery, kLevel700),
    Attr(&kwMnDurMdl, kQuoted, kEvery, kLevel700),
    Attr(&kwNpMsgDlv, kParen, kEvery, kLevel700),
    Attr(&kwPMsgDlv, kParen, kEvery, kLevel700),
    Attr(&kwProxySub, kParen, kEvery, kLevel700),
    Attr(&kwPubScope, kParen, kEvery, kLevel700),
    Attr(&kwSubScopeTopic, kParen, kEvery, kLevel700),
    Attr(&kwDescrTopic, kQuoted, kEvery, kLevel700),
    Attr(&kwTopicStr, kQuoted, kEvery, kLevel700),
    Attr(&kwTopicType, kParen, kEvery, kLevel700),
    Attr(&kwWildcard, kParen, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwCustom, kQuoted, kEvery, kLevel710),
    End(kEvery, kLevel700),
};

// The create, alter and copy lists share these two runs. ALTER and the copy have an optional
// TOPICSTR between them; DEFINE requires it before the first.
#define ZEM_TOPIC_ATTRIBUTE_ROWS                                                                                       \
    Opt(&kwCluster, kQuoted), Opt(&kwDefPsistTopic, kParen, kEvery, kLevel700),                                        \
        Opt(&kwDefPrtyTopic, kParen, kEvery, kLevel700), Opt(&kwDefPRespTopic, kParen, kEvery, kLevel700),             \
        Opt(&kwMDurMdl, kQuoted, kEvery, kLevel700), Opt(&kwDurSub, kParen, kEvery, kLevel700),                        \
        Opt(&kwPub, kParen, kEvery, kLevel700), Opt(&kwSub, kParen, kEvery, kLevel700),                                \
        Opt(&kwMnDurMdl, kQuoted, kEvery, kLevel700), Opt(&kwNpMsgDlv, kParen, kEvery, kLevel700),                     \
        Opt(&kwPMsgDlv, kParen, kEvery, kLevel700), Opt(&kwProxySub, kParen, kEvery, kLevel700),                       \
        Opt(&kwPubScope, kParen, kEvery, kLevel700), Opt(&kwSubScopeTopic, kParen, kEvery, kLevel700),                 \
        Opt(&kwDescrTopic, kQuoted, kEvery, kLevel700)

#define ZEM_TOPIC_CLOSING_ROWS                                                                                         \
    Opt(&kwTopicType, kParen, kEvery, kLevel700), Opt(&kwWildcard, kParen, kEvery, kLevel700),                         \
        Opt(&kwCmdScope, kQuoted, kZos), Opt(&kwQsgDisp, kParen, kZos), Opt(&kwReplace, kWord)

MqscParam plDefineTopic[] = {
    Head(&cmdDefineTopic, kGlue),
    Obj(&kwTopic, kQuoted, kEvery, kLevel700),
    Req(&kwTopicStr, kQuoted, kEvery, kLevel700),
    ZEM_TOPIC_ATTRIBUTE_ROWS,
    ZEM_TOPIC_CLOSING_ROWS,
    Opt(&kwCustom, kQuoted, kEvery, kLevel710),
    End(kEvery, kLevel700),
};

MqscParam plAlterTopic[] = {
    Head(&cmdAlterTopic, kGlue), Obj(&kwTopic, kQuoted, kEvery, kLevel700),
    ZEM_TOPIC_ATTRIBUTE_ROWS,    Opt(&kwTopicStr, kQuoted, kEvery, kLevel700),
    ZEM_TOPIC_CLOSING_ROWS,      Opt(&kwCustom, kQuoted, kEvery, kLevel710),
    End(kEvery, kLevel700),
};

MqscParam plDefineTopicLike[] = {
    Head(&cmdDefineTopicLike, kGlue),
    Obj(&kwToTopic, kQuoted, kEvery, kLevel700),
    // The new name a second time, optional: its mark is gone once the first one is written.
    Pos(&kwToTopic, kQuoted, kEvery, kLevel700),
    Req(&kwLikeTopic, kQuoted, kEvery, kLevel700),
    ZEM_TOPIC_ATTRIBUTE_ROWS,
    Opt(&kwTopicStr, kQuoted, kEvery, kLevel700),
    ZEM_TOPIC_CLOSING_ROWS,
    Opt(&kwCustom, kQuoted, kEvery, kLevel710),
    End(kEvery, kLevel700),
};

#undef ZEM_TOPIC_ATTRIBUTE_ROWS
#undef ZEM_TOPIC_CLOSING_ROWS

MqscParam plDeleteTopic[] = {
    Head(&cmdDeleteTopic, kGlue),
    Obj(&kwTopic, kQuoted, kEvery, kLevel700),
    End(kEvery, kLevel700),
};

MqscParam plDisplayTpstatus[] = {
    Head(&cmdDisplayTpstatus, kGlue),
    Obj(&kwTopicStr, kQuoted, kEvery, kLevel700),
    Attr(&kwDefPsistTopic, kParen, kEvery, kLevel700),
    Attr(&kwDefPRespTopic, kParen, kEvery, kLevel700),
    Attr(&kwDefPrtyTopic, kParen, kEvery, kLevel700),
    Attr(&kwDurSub, kParen, kEvery, kLevel700),
    Attr(&kwPub, kParen, kEvery, kLevel700),
    Attr(&kwSub, kParen, kEvery, kLevel700),
    Attr(&kwAdmin, kQuoted, kEvery, kLevel700),
    Attr(&kwMDurMdl, kQuoted, kEvery, kLevel700),
    Attr(&kwMnDurMdl, kQuoted, kEvery, kLevel700),
    Attr(&kwPMsgDlv, kParen, kEvery, kLevel700),
    Attr(&kwNpMsgDlv, kParen, kEvery, kLevel700),
    Attr(&kwRetained, kParen, kEvery, kLevel700),
    Attr(&kwPub, kParen, kEvery, kLevel700),
    Attr(&kwSub, kParen, kEvery, kLevel700),
    Attr(&kwSubScopeTopic, kParen, kEvery, kLevel700),
    Attr(&kwPubScope, kParen, kEvery, kLevel700),
    End(kEvery, kLevel700),
};

// Publish/subscribe status of the queue manager and its hierarchy.
MqscKeyword vMQPSST_ALL = Value(MQPSST_ALL, "ALL");
MqscKeyword vMQPSST_LOCAL = Value(MQPSST_LOCAL, "LOCAL");
MqscKeyword vMQPSST_PARENT = Value(MQPSST_PARENT, "PARENT");
MqscKeyword vMQPSST_CHILD = Value(MQPSST_CHILD, "CHILD");
MqscKeyword *vlPubSubStatusType[] = {&vMQPSST_ALL, &vMQPSST_LOCAL, &vMQPSST_PARENT, &vMQPSST_CHILD, nullptr};
MqscKeyword kwPsStatusType = Enum(MQIACF_PS_STATUS_TYPE, "TYPE", vlPubSubStatusType, kEvery, kLevel700);
MqscKeyword kwSubCount = Int(MQIA_SUB_COUNT, "SUBCOUNT", kEvery, kLevel700);
MqscKeyword kwTpCount = Int(MQIA_TOPIC_NODE_COUNT, "TPCOUNT", kEvery, kLevel700);

MqscParam plDisplayPubsub[] = {
    Head(&cmdDisplayPubsub),
    Opt(&kwPsStatusType, kParen, kEvery, kLevel700),
    Attr(&kwAll, kNone),
    Attr(&kwSubCount, kInt, kEvery, kLevel700),
    Attr(&kwTpCount, kInt, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel700),
};

}  // namespace

MqscKeyword cmdDisplayTopicNames =
    Command(MQCMD_INQUIRE_TOPIC_NAMES, "DISPLAY TOPIC", plDisplayTopicNames, kEvery, kLevel700);
MqscKeyword cmdDisplayTopic = Command(MQCMD_INQUIRE_TOPIC, "DISPLAY TOPIC", plDisplayTopic, kEvery, kLevel700);
MqscKeyword cmdDefineTopic = Command(MQCMD_CREATE_TOPIC, "DEFINE TOPIC", plDefineTopic, kEvery, kLevel700);
MqscKeyword cmdAlterTopic = Command(MQCMD_CHANGE_TOPIC, "ALTER TOPIC", plAlterTopic, kEvery, kLevel700);
MqscKeyword cmdDefineTopicLike = Command(MQCMD_COPY_TOPIC, "DEFINE TOPIC", plDefineTopicLike, kEvery, kLevel700);
MqscKeyword cmdDeleteTopic = Command(MQCMD_DELETE_TOPIC, "DELETE TOPIC", plDeleteTopic, kEvery, kLevel700);
MqscKeyword cmdDisplayTpstatus =
    Command(MQCMD_INQUIRE_TOPIC_STATUS, "DISPLAY TPSTATUS", plDisplayTpstatus, kEvery, kLevel700);

MqscKeyword cmdDisplayPubsub =
    Command(MQCMD_INQUIRE_PUBSUB_STATUS, "DISPLAY PUBSUB", plDisplayPubsub, kEvery, kLevel700);

}  // namespace zem::table
