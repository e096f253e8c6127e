// Subscriptions and subscription status.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwSubName = Str(MQCACF_SUB_NAME, "SUBNAME", kEvery, kLevel700);
MqscKeyword kwToSubName = Str(MQCACF_TO_SUB_NAME, "SUBNAME", kEvery, kLevel700);
MqscKeyword kwLikeSub = Str(MQCACF_FROM_SUB_NAME, "LIKE", kEvery, kLevel700);
MqscKeyword kwDest = Str(MQCACF_DESTINATION, "DEST", kEvery, kLevel700);

MqscKeyword vMQDC_MANAGED = Value(MQDC_MANAGED, "MANAGED");
MqscKeyword vMQDC_PROVIDED = Value(MQDC_PROVIDED, "PROVIDED");
MqscKeyword *vlDestClass[] = {&vMQDC_MANAGED, &vMQDC_PROVIDED, nullptr};
MqscKeyword kwDestClas = Enum(MQIACF_DESTINATION_CLASS, "DESTCLAS", vlDestClass, kEvery, kLevel700);

MqscKeyword kwDestCorl = Str(EXCA_DEST_CORREL_ID, "DESTCORL", kEvery, kLevel700);
MqscKeyword kwDestQmgr = Str(MQCACF_DESTINATION_Q_MGR, "DESTQMGR", kEvery, kLevel700);
MqscKeyword kwExpiry = Int(MQIACF_EXPIRY, "EXPIRY", kEvery, kLevel700);
MqscKeyword kwPubAcct = Str(EXCA_PUB_ACCOUNTING_TOKEN, "PUBACCT", kEvery, kLevel700);
MqscKeyword kwPubApplId = Str(MQCACF_APPL_IDENTITY_DATA, "PUBAPPID", kEvery, kLevel700);

MqscKeyword vMQPRI_PRIORITY_AS_PUBLISHED = Value(MQPRI_PRIORITY_AS_PUBLISHED, "ASPUB");
MqscKeyword vMQPRI_PRIORITY_AS_Q_DEF = Value(MQPRI_PRIORITY_AS_Q_DEF, "ASQDEF");
MqscKeyword *vlPubPriority[] = {&vMQPRI_PRIORITY_AS_PUBLISHED,
                                &vMQPRI_PRIORITY_AS_Q_DEF,
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
MqscKeyword kwPubPrty = Enum(MQIACF_PUB_PRIORITY, "PUBPRTY", vlPubPriority, kEvery, kLevel700);

MqscKeyword vMQPSPROP_NONE = Value(MQPSPROP_NONE, "NONE");
MqscKeyword vMQPSPROP_COMPAT = Value(MQPSPROP_COMPAT, "COMPAT");
MqscKeyword vMQPSPROP_RFH2 = Value(MQPSPROP_RFH2, "RFH2");
MqscKeyword vMQPSPROP_MSGPROP = Value(MQPSPROP_MSGPROP, "MSGPROP");
MqscKeyword *vlPubSubProps[] = {&vMQPSPROP_NONE, &vMQPSPROP_COMPAT, &vMQPSPROP_RFH2, &vMQPSPROP_MSGPROP, nullptr};
MqscKeyword kwPsProp = Enum(MQIACF_PUBSUB_PROPERTIES, "PSPROP", vlPubSubProps, kEvery, kLevel700);

MqscKeyword vMQRU_PUBLISH_ON_REQUEST = Value(MQRU_PUBLISH_ON_REQUEST, "YES");
MqscKeyword vMQRU_PUBLISH_ALL = Value(MQRU_PUBLISH_ALL, "NO");
MqscKeyword *vlRequestOnly[] = {&vMQRU_PUBLISH_ON_REQUEST, &vMQRU_PUBLISH_ALL, nullptr};
MqscKeyword kwReqOnly = Enum(MQIACF_REQUEST_ONLY, "REQONLY", vlRequestOnly, kEvery, kLevel700);

MqscKeyword kwSelector = Str(MQCACF_SUB_SELECTOR, "SELECTOR", kEvery, kLevel700);

MqscKeyword vMQSELTYPE_NONE = Value(MQSELTYPE_NONE, "NONE");
MqscKeyword vMQSELTYPE_STANDARD = Value(MQSELTYPE_STANDARD, "STANDARD");
MqscKeyword vMQSELTYPE_EXTENDED = Value(MQSELTYPE_EXTENDED, "EXTENDED");
MqscKeyword *vlSelectorType[] = {&vMQSELTYPE_NONE, &vMQSELTYPE_STANDARD, &vMQSELTYPE_EXTENDED, nullptr};
MqscKeyword kwSelType = Enum(MQIACF_SELECTOR_TYPE, "SELTYPE", vlSelectorType, kEvery, kLevel700);

MqscKeyword kwSubLevel = Int(MQIACF_SUB_LEVEL, "SUBLEVEL", kEvery, kLevel700);

MqscKeyword vMQTSCOPE_ALL = Value(MQTSCOPE_ALL, "ALL");
MqscKeyword vMQTSCOPE_QMGR = Value(MQTSCOPE_QMGR, "QMGR");
MqscKeyword *vlSubScope[] = {&vMQTSCOPE_ALL, &vMQTSCOPE_QMGR, nullptr};
MqscKeyword kwSubScopeSub = Enum(MQIACF_SUBSCRIPTION_SCOPE, "SUBSCOPE", vlSubScope, kEvery, kLevel700);

MqscKeyword kwSubUser = Str(MQCACF_SUB_USER_ID, "SUBUSER", kEvery, kLevel700);
MqscKeyword kwTopicObj = Str(MQCA_TOPIC_NAME, "TOPICOBJ", kEvery, kLevel700);
MqscKeyword kwSubUserData = Str(MQCACF_SUB_USER_DATA, "USERDATA", kEvery, kLevel700);

MqscKeyword vMQVU_ANY_USER = Value(MQVU_ANY_USER, "ANY");
MqscKeyword vMQVU_FIXED_USER = Value(MQVU_FIXED_USER, "FIXED");
MqscKeyword *vlVariableUser[] = {&vMQVU_ANY_USER, &vMQVU_FIXED_USER, nullptr};
MqscKeyword kwVarUser = Enum(MQIACF_VARIABLE_USER_ID, "VARUSER", vlVariableUser, kEvery, kLevel700);

MqscKeyword vMQWS_CHAR = Value(MQWS_CHAR, "CHAR");
MqscKeyword vMQWS_TOPIC = Value(MQWS_TOPIC, "TOPIC");
MqscKeyword *vlWildcardSchema[] = {&vMQWS_CHAR, &vMQWS_TOPIC, nullptr};
MqscKeyword kwWSchema = Enum(MQIACF_WILDCARD_SCHEMA, "WSCHEMA", vlWildcardSchema, kEvery, kLevel700);

MqscKeyword vMQSUB_DURABLE_YES = Value(MQSUB_DURABLE_YES, "YES");
MqscKeyword vMQSUB_DURABLE_NO = Value(MQSUB_DURABLE_NO, "NO");
MqscKeyword vMQSUB_DURABLE_ALL = Value(MQSUB_DURABLE_ALL, "ALL");
MqscKeyword *vlDurable[] = {&vMQSUB_DURABLE_YES, &vMQSUB_DURABLE_NO, &vMQSUB_DURABLE_ALL, nullptr};
MqscKeyword kwDurable = Enum(MQIACF_DURABLE_SUBSCRIPTION, "DURABLE", vlDurable, kEvery, kLevel700);

MqscKeyword vMQSUBTYPE_API = Value(MQSUBTYPE_API, "API");
MqscKeyword vMQSUBTYPE_ADMIN = Value(MQSUBTYPE_ADMIN, "ADMIN");
MqscKeyword vMQSUBTYPE_PROXY = Value(MQSUBTYPE_PROXY, "PROXY");
MqscKeyword vMQSUBTYPE_USER = Value(MQSUBTYPE_USER, "USER");
MqscKeyword vMQSUBTYPE_ALL = Value(MQSUBTYPE_ALL, "ALL");
MqscKeyword *vlSubType[] = {&vMQSUBTYPE_API,  &vMQSUBTYPE_ADMIN, &vMQSUBTYPE_PROXY,
                            &vMQSUBTYPE_USER, &vMQSUBTYPE_ALL,   nullptr};
MqscKeyword kwSubType = Enum(MQIACF_SUB_TYPE, "SUBTYPE", vlSubType, kEvery, kLevel700);

// Subscription status.
MqscKeyword kwLMsgDate = Str(MQCACF_LAST_MSG_DATE, "LMSGDATE", kEvery, kLevel700);
MqscKeyword kwLMsgTime = Str(MQCACF_LAST_MSG_TIME, "LMSGTIME", kEvery, kLevel700);
MqscKeyword kwNumMsgs = Int(MQIACF_MESSAGE_COUNT, "NUMMSGS", kEvery, kLevel700);
MqscKeyword kwResmDate = Str(MQCA_RESUME_DATE, "RESMDATE", kEvery, kLevel700);
MqscKeyword kwResmTime = Str(MQCA_RESUME_TIME, "RESMTIME", kEvery, kLevel700);

MqscParam plDisplaySubNames[] = {
    Head(&cmdDisplaySubNames, kGlue), Obj(&kwSubName, kQuoted, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),   Opt(&kwQsgDisp, kParen, kZos),
    End(kEvery, kLevel700),
};

MqscParam plDisplaySub[] = {
    Head(&cmdDisplaySub, kGlue),
    Obj(&kwSubName, kQuoted, kEvery, kLevel700),
    Attr(&kwAll, kNone),
    Attr(&kwDest, kQuoted, kEvery, kLevel700),
    Attr(&kwDestClas, kParen, kEvery, kLevel700),
    Attr(&kwDestCorl, kQuoted, kEvery, kLevel700),
    Attr(&kwDestQmgr, kQuoted, kEvery, kLevel700),
    Attr(&kwExpiry, kInt, kEvery, kLevel700),
    Attr(&kwPubAcct, kQuoted, kEvery, kLevel700),
    Attr(&kwPubApplId, kQuoted, kEvery, kLevel700),
    Attr(&kwPubPrty, kParen, kEvery, kLevel700),
    Attr(&kwPsProp, kParen, kEvery, kLevel700),
    Attr(&kwReqOnly, kParen, kEvery, kLevel700),
    Attr(&kwSelector, kQuoted, kEvery, kLevel700),
    Attr(&kwSelType, kParen, kEvery, kLevel700),
    Attr(&kwSubLevel, kInt, kEvery, kLevel700),
    Attr(&kwSubScopeSub, kParen, kEvery, kLevel700),
    Attr(&kwSubUser, kQuoted, kEvery, kLevel700),
    Attr(&kwTopicObj, kQuoted, kEvery, kLevel700),
    Attr(&kwTopicStr, kQuoted, kEvery, kLevel700),
    Attr(&kwSubUserData, kQuoted, kEvery, kLevel700),
    Attr(&kwVarUser, kParen, kEvery, kLevel700),
    Attr(&kwWSchema, kParen, kEvery, kLevel700),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwCrDate, kQuoted, kEvery, kLevel700),
    Attr(&kwCrTime, kQuoted, kEvery, kLevel700),
    Opt(&kwDurable, kParen, kEvery, kLevel700),
    Opt(&kwSubType, kParen, kEvery, kLevel700),
    End(kEvery, kLevel700),
};

// The subscription attributes DEFINE SUB, ALTER SUB and the copying DEFINE SUB set, in this order.
#define ZEM_SUBSCRIPTION_ATTRIBUTE_ROWS                                                                                \
    Opt(&kwDest, kQuoted, kEvery, kLevel700), Opt(&kwDestClas, kParen, kEvery, kLevel700),                             \
        Opt(&kwDestCorl, kQuoted, kEvery, kLevel700), Opt(&kwDestQmgr, kQuoted, kEvery, kLevel700),                    \
        Opt(&kwExpiry, kInt, kEvery, kLevel700), Opt(&kwPubAcct, kQuoted, kEvery, kLevel700),                          \
        Opt(&kwPubApplId, kQuoted, kEvery, kLevel700), Opt(&kwPubPrty, kParen, kEvery, kLevel700),                     \
        Opt(&kwPsProp, kParen, kEvery, kLevel700), Opt(&kwReqOnly, kParen, kEvery, kLevel700),                         \
        Opt(&kwSelector, kQuoted, kEvery, kLevel700), Opt(&kwSelType, kParen, kEvery, kLevel700),                      \
        Opt(&kwSubLevel, kInt, kEvery, kLevel700), Opt(&kwSubScopeSub, kParen, kEvery, kLevel700),                     \
        Opt(&kwSubUser, kQuoted, kEvery, kLevel700), Opt(&kwTopicObj, kQuoted, kEvery, kLevel700),                     \
        Opt(&kwTopicStr, kQuoted, kEvery, kLevel700), Opt(&kwSubUserData, kQuoted, kEvery, kLevel700),                 \
        Opt(&kwVarUser, kParen, kEvery, kLevel700), Opt(&kwWSchema, kParen, kEvery, kLevel700),                        \
        Opt(&kwCmdScope, kQuoted, kZos), Opt(&kwQsgDisp, kParen, kZos)

MqscParam plDefineSub[] = {
    Head(&cmdDefineSub, kGlue),
    Obj(&kwSubName, kQuoted, kEvery, kLevel700),
    ZEM_SUBSCRIPTION_ATTRIBUTE_ROWS,
    End(kEvery, kLevel700),
};

MqscParam plAlterSub[] = {
    Head(&cmdAlterSub, kGlue),
    Obj(&kwSubName, kQuoted, kEvery, kLevel700),
    ZEM_SUBSCRIPTION_ATTRIBUTE_ROWS,
    End(kEvery, kLevel700),
};

MqscParam plDefineSubLike[] = {
    Head(&cmdDefineSubLike, kGlue),
    Obj(&kwToSubName, kQuoted, kEvery, kLevel700),
    // LIKE is positional in this list, and the new name follows again as an optional entry.
    Obj(&kwLikeSub, kQuoted, kEvery, kLevel700),
    Pos(&kwToSubName, kQuoted, kEvery, kLevel700),
    ZEM_SUBSCRIPTION_ATTRIBUTE_ROWS,
    End(kEvery, kLevel700),
};

#undef ZEM_SUBSCRIPTION_ATTRIBUTE_ROWS

MqscParam plDeleteSub[] = {
    Head(&cmdDeleteSub, kGlue),
    Obj(&kwSubName, kQuoted, kEvery, kLevel700),
    End(kEvery, kLevel700),
};

MqscParam plDisplaySbstatus[] = {
    Head(&cmdDisplaySbstatus, kGlue),
    Obj(&kwSubName, kQuoted, kEvery, kLevel700),
    Opt(&kwDurable, kParen, kEvery, kLevel700),
    Opt(&kwSubType, kParen, kEvery, kLevel700),
    Attr(&kwLMsgDate, kQuoted, kEvery, kLevel700),
    Attr(&kwLMsgTime, kQuoted, kEvery, kLevel700),
    Attr(&kwNumMsgs, kInt, kEvery, kLevel700),
    Attr(&kwResmDate, kQuoted, kEvery, kLevel700),
    Attr(&kwResmTime, kQuoted, kEvery, kLevel700),
    Attr(&kwSubUser, kQuoted, kEvery, kLevel700),
    Attr(&kwTopicStr, kQuoted, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel700),
};

}  // namespace

MqscKeyword cmdDisplaySubNames =
    Command(EXCMD_INQUIRE_SUBSCRIPTION_NAMES, "DISPLAY SUB", plDisplaySubNames, kEvery, kLevel700);
MqscKeyword cmdDisplaySub = Command(MQCMD_INQUIRE_SUBSCRIPTION, "DISPLAY SUB", plDisplaySub, kEvery, kLevel700);
MqscKeyword cmdDefineSub = Command(MQCMD_CREATE_SUBSCRIPTION, "DEFINE SUB", plDefineSub, kEvery, kLevel700);
MqscKeyword cmdAlterSub = Command(MQCMD_CHANGE_SUBSCRIPTION, "ALTER SUB", plAlterSub, kEvery, kLevel700);
MqscKeyword cmdDefineSubLike = Command(MQCMD_COPY_SUBSCRIPTION, "DEFINE SUB", plDefineSubLike, kEvery, kLevel700);
MqscKeyword cmdDeleteSub = Command(MQCMD_DELETE_SUBSCRIPTION, "DELETE SUB", plDeleteSub, kEvery, kLevel700);
MqscKeyword cmdDisplaySbstatus =
    Command(MQCMD_INQUIRE_SUB_STATUS, "DISPLAY SBSTATUS", plDisplaySbstatus, kEvery, kLevel700);

}  // namespace zem::table
