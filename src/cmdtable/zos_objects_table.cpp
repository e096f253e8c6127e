// z/OS storage classes, page set usage, connections, channel authentication records and
// shared message data sets: commands that IBM MQ's PCF has command codes for.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

// ---- storage classes
MqscKeyword kwToStgClass = Str(MQCACF_TO_STORAGE_CLASS, "STGCLASS", kZos, kLevel530);
MqscKeyword kwLikeStgClass = Str(MQCACF_FROM_STORAGE_CLASS, "LIKE", kZos, kLevel530);
MqscKeyword kwDescrStgClass = Str(MQCA_STORAGE_CLASS_DESC, "DESCR", kZos, kLevel530);
MqscKeyword kwPassTktA = Str(MQCA_PASS_TICKET_APPL, "PASSTKTA", kZos, kLevel530);
MqscKeyword kwXcfGName = Str(MQCA_XCF_GROUP_NAME, "XCFGNAME", kZos, kLevel530);
MqscKeyword kwXcfMName = Str(MQCA_XCF_MEMBER_NAME, "XCFMNAME", kZos, kLevel530);

MqscParam plDisplayStgclass[] = {
    Head(&cmdDisplayStgclass, kGlue),
    Obj(&kwStgClass, kQuoted, kZos, kLevel530),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwDescrStgClass, kQuoted, kZos, kLevel530),
    Attr(&kwPassTktA, kQuoted, kZos, kLevel530),
    Attr(&kwXcfGName, kQuoted, kZos, kLevel530),
    Attr(&kwXcfMName, kQuoted, kZos, kLevel530),
    Opt(&kwPsid, kInt, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(kZos, kLevel530),
};

// The storage class attributes DEFINE, the copying DEFINE and ALTER set.
#define ZEM_STGCLASS_ATTRIBUTE_ROWS                                                                                    \
    Opt(&kwDescrStgClass, kQuoted, kZos, kLevel530), Opt(&kwPsid, kInt, kZos, kLevel530),                              \
        Opt(&kwPassTktA, kQuoted, kZos, kLevel530), Opt(&kwXcfGName, kQuoted, kZos, kLevel530),                        \
        Opt(&kwXcfMName, kQuoted, kZos, kLevel530), Opt(&kwCmdScope, kParen, kZos), Opt(&kwQsgDisp, kParen, kZos)

MqscParam plDefineStgclass[] = {
    Head(&cmdDefineStgclass, kGlue),
    Obj(&kwStgClass, kQuoted, kZos, kLevel530),
    Opt(&kwReplace, kWord),
    ZEM_STGCLASS_ATTRIBUTE_ROWS,
    End(kZos, kLevel530),
};

MqscParam plDefineStgclassLike[] = {
    Head(&cmdDefineStgclassLike, kGlue),
    Obj(&kwToStgClass, kQuoted, kZos, kLevel530),
    Req(&kwLikeStgClass, kQuoted, kZos, kLevel530),
    Opt(&kwReplace, kWord),
    ZEM_STGCLASS_ATTRIBUTE_ROWS,
    End(kZos, kLevel530),
};

MqscParam plAlterStgclass[] = {
    Head(&cmdAlterStgclass, kGlue),
    Obj(&kwStgClass, kQuoted, kZos, kLevel530),
    ZEM_STGCLASS_ATTRIBUTE_ROWS,
    End(kZos, kLevel530),
};

#undef ZEM_STGCLASS_ATTRIBUTE_ROWS

MqscParam plDeleteStgclass[] = {
    Head(&cmdDeleteStgclass, kGlue),
    Obj(&kwStgClass, kQuoted, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(kZos, kLevel530),
};

// ---- page set, log data set and shared message data set usage
MqscKeyword vMQIACF_USAGE_PAGESET = Value(MQIACF_USAGE_PAGESET, "PAGESET");
MqscKeyword vMQIACF_USAGE_DATA_SET = Value(MQIACF_USAGE_DATA_SET, "DATASET");
MqscKeyword vMQIACF_USAGE_SMDS = Value(MQIACF_USAGE_SMDS, "SMDS");
MqscKeyword vMQIACF_ALL = Value(MQIACF_ALL, "ALL");
MqscKeyword *vlUsageType[] = {&vMQIACF_USAGE_PAGESET, &vMQIACF_USAGE_DATA_SET, &vMQIACF_USAGE_SMDS, &vMQIACF_ALL,
                              nullptr};
MqscKeyword kwUsageType = Enum(MQIACF_USAGE_TYPE, "TYPE", vlUsageType, kZos, kLevel530);

MqscParam plDisplayUsage[] = {
    Head(&cmdDisplayUsage),
    Opt(&kwPsid, kInt, kZos, kLevel530),
    Opt(&kwUsageType, kParen, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

// ---- connections
MqscKeyword vMQIACF_CONN_INFO_CONN = Value(MQIACF_CONN_INFO_CONN, "CONN");
MqscKeyword vMQIACF_CONN_INFO_HANDLE = Value(MQIACF_CONN_INFO_HANDLE, "HANDLE");
MqscKeyword vMQIACF_CONN_INFO_ALL = Value(MQIACF_CONN_INFO_ALL, "ALL");
MqscKeyword *vlConnInfoType[] = {&vMQIACF_CONN_INFO_CONN, &vMQIACF_CONN_INFO_HANDLE, &vMQIACF_CONN_INFO_ALL, nullptr};
MqscKeyword kwConnInfoType = Enum(MQIACF_CONN_INFO_TYPE, "TYPE", vlConnInfoType, kEvery, kLevel600);

MqscKeyword vMQAT_QMGR = Value(MQAT_QMGR, "SYSTEM");
MqscKeyword vMQAT_CHANNEL_INITIATOR = Value(MQAT_CHANNEL_INITIATOR, "CHINIT");
MqscKeyword vMQAT_USER = Value(MQAT_USER, "USER");
MqscKeyword vMQAT_BATCH = Value(MQAT_BATCH, "BATCH");
MqscKeyword vMQAT_RRS_BATCH = Value(MQAT_RRS_BATCH, "RRSBATCH");
MqscKeyword *vlConnApplType[] = {&vMQAT_QMGR,      &vMQAT_CHANNEL_INITIATOR,
                                 &vMQAT_USER,      &vMQAT_BATCH,
                                 &vMQAT_RRS_BATCH, &vMQAT_CICS,
                                 &vMQAT_IMS,       nullptr};
MqscKeyword kwConnApplType = Enum(MQIA_APPL_TYPE, "APPLTYPE", vlConnApplType, kEvery, kLevel600);
MqscKeyword kwConnAsid = Str(MQCACF_ASID, "ASID", kZos, kLevel600);

// The connection identifier is a byte string in PCF, which the table cannot carry: the
// text always asks for every connection.
MqscParam plDisplayConn[] = {
    Head(&cmdDisplayConn),
    Opt(&kwConnInfoType, kParen, kEvery, kLevel600),
    Attr(&kwAll, kNone),
    Attr(&kwApplTag, kQuoted, kEvery, kLevel600),
    Attr(&kwConnApplType, kParen, kEvery, kLevel600),
    Attr(&kwConnAsid, kQuoted, kZos, kLevel600),
    Attr(&kwChannel, kQuoted),
    Attr(&kwConName, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel600),
};

// ---- channel authentication records
MqscKeyword kwChlAuthProfile = Str(MQCACH_CHANNEL_NAME, "CHLAUTH", kEvery, kLevel710);

MqscKeyword vMQCAUT_BLOCKUSER = Value(MQCAUT_BLOCKUSER, "BLOCKUSER");
MqscKeyword vMQCAUT_BLOCKADDR = Value(MQCAUT_BLOCKADDR, "BLOCKADDR");
MqscKeyword vMQCAUT_SSLPEERMAP = Value(MQCAUT_SSLPEERMAP, "SSLPEERMAP");
MqscKeyword vMQCAUT_ADDRESSMAP = Value(MQCAUT_ADDRESSMAP, "ADDRESSMAP");
MqscKeyword vMQCAUT_USERMAP = Value(MQCAUT_USERMAP, "USERMAP");
MqscKeyword vMQCAUT_QMGRMAP = Value(MQCAUT_QMGRMAP, "QMGRMAP");
MqscKeyword vMQCAUT_ALL = Value(MQCAUT_ALL, "ALL");
MqscKeyword *vlChlAuthType[] = {&vMQCAUT_BLOCKUSER, &vMQCAUT_BLOCKADDR, &vMQCAUT_SSLPEERMAP, &vMQCAUT_ADDRESSMAP,
                                &vMQCAUT_USERMAP,   &vMQCAUT_QMGRMAP,   &vMQCAUT_ALL,        nullptr};
MqscKeyword kwChlAuthType = Enum(MQIACF_CHLAUTH_TYPE, "TYPE", vlChlAuthType, kEvery, kLevel710);

// Without its action a removal would be written as an addition.
MqscKeyword vMQACT_ADD = Value(MQACT_ADD, "ADD");
MqscKeyword vMQACT_REPLACE = Value(MQACT_REPLACE, "REPLACE");
MqscKeyword vMQACT_REMOVE = Value(MQACT_REMOVE, "REMOVE");
MqscKeyword vMQACT_REMOVEALL = Value(MQACT_REMOVEALL, "REMOVEALL");
MqscKeyword *vlChlAuthAction[] = {&vMQACT_ADD, &vMQACT_REPLACE, &vMQACT_REMOVE, &vMQACT_REMOVEALL, nullptr};
MqscKeyword kwChlAuthAction = Enum(MQIACF_ACTION, "ACTION", vlChlAuthAction, kEvery, kLevel710);

MqscKeyword kwChlAuthDescr = Str(MQCA_CHLAUTH_DESC, "DESCR", kEvery, kLevel710);
MqscKeyword kwAddress = Str(MQCACH_CONNECTION_NAME, "ADDRESS", kEvery, kLevel710);
MqscKeyword kwAddrList = StrList(MQCACH_CONNECTION_NAME_LIST, "ADDRLIST", kEvery, kLevel710);

MqscKeyword vMQUSRC_MAP = Value(MQUSRC_MAP, "MAP");
MqscKeyword vMQUSRC_NOACCESS = Value(MQUSRC_NOACCESS, "NOACCESS");
MqscKeyword vMQUSRC_CHANNEL = Value(MQUSRC_CHANNEL, "CHANNEL");
MqscKeyword *vlUserSource[] = {&vMQUSRC_MAP, &vMQUSRC_NOACCESS, &vMQUSRC_CHANNEL, nullptr};
MqscKeyword kwUserSrc = Enum(MQIACH_USER_SOURCE, "USERSRC", vlUserSource, kEvery, kLevel710);

MqscKeyword vMQWARN_NO = Value(MQWARN_NO, "NO");
MqscKeyword vMQWARN_YES = Value(MQWARN_YES, "YES");
MqscKeyword *vlWarn[] = {&vMQWARN_NO, &vMQWARN_YES, nullptr};
MqscKeyword kwWarn = Enum(MQIACH_WARNING, "WARN", vlWarn, kEvery, kLevel710);

MqscParam plSetChlauth[] = {
    Head(&cmdSetChlauth, kGlue),
    Obj(&kwChlAuthProfile, kQuoted, kEvery, kLevel710),
    Req(&kwChlAuthType, kParen, kEvery, kLevel710),
    Opt(&kwChlAuthAction, kParen, kEvery, kLevel710),
    Opt(&kwAddress, kQuoted, kEvery, kLevel710),
    Opt(&kwAddrList, kParen, kEvery, kLevel710),
    Opt(&kwMcaUser, kQuoted, kEvery, kLevel710),
    Opt(&kwUserSrc, kParen, kEvery, kLevel710),
    Opt(&kwWarn, kParen, kEvery, kLevel710),
    Opt(&kwChlAuthDescr, kQuoted, kEvery, kLevel710),
    Opt(&kwCustom, kQuoted, kEvery, kLevel710),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel710),
};

MqscParam plDisplayChlauth[] = {
    Head(&cmdDisplayChlauth, kGlue),
    Obj(&kwChlAuthProfile, kQuoted, kEvery, kLevel710),
    Opt(&kwChlAuthType, kParen, kEvery, kLevel710),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwAddress, kQuoted, kEvery, kLevel710),
    Attr(&kwAddrList, kParen, kEvery, kLevel710),
    Attr(&kwMcaUser, kQuoted, kEvery, kLevel710),
    Attr(&kwUserSrc, kParen, kEvery, kLevel710),
    Attr(&kwWarn, kParen, kEvery, kLevel710),
    Attr(&kwChlAuthDescr, kQuoted, kEvery, kLevel710),
    Attr(&kwCustom, kQuoted, kEvery, kLevel710),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel710),
};

// ---- shared message data sets
MqscKeyword kwSmds = Str(MQCACF_CF_SMDS, "SMDS", kZos, kLevel710);

MqscParam plDisplaySmds[] = {
    Head(&cmdDisplaySmds, kGlue),
    Obj(&kwSmds, kQuoted, kZos, kLevel710),
    Req(&kwCfStrucName, kQuoted, kZos, kLevel710),
    Attr(&kwAll, kNone),
    Attr(&kwDsBufs, kInt, kZos, kLevel710),
    Attr(&kwDsExpand, kParen, kZos, kLevel710),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel710),
};

}  // namespace

MqscKeyword cmdDisplayStgclass =
    Command(MQCMD_INQUIRE_STG_CLASS, "DISPLAY STGCLASS", plDisplayStgclass, kZos, kLevel530);
MqscKeyword cmdDefineStgclass = Command(MQCMD_CREATE_STG_CLASS, "DEFINE STGCLASS", plDefineStgclass, kZos, kLevel530);
MqscKeyword cmdDefineStgclassLike =
    Command(MQCMD_COPY_STG_CLASS, "DEFINE STGCLASS", plDefineStgclassLike, kZos, kLevel530);
MqscKeyword cmdAlterStgclass = Command(MQCMD_CHANGE_STG_CLASS, "ALTER STGCLASS", plAlterStgclass, kZos, kLevel530);
MqscKeyword cmdDeleteStgclass = Command(MQCMD_DELETE_STG_CLASS, "DELETE STGCLASS", plDeleteStgclass, kZos, kLevel530);
MqscKeyword cmdDisplayUsage = Command(MQCMD_INQUIRE_USAGE, "DISPLAY USAGE", plDisplayUsage, kZos, kLevel530);
MqscKeyword cmdDisplayConn = Command(MQCMD_INQUIRE_CONNECTION, "DISPLAY CONN(*)", plDisplayConn, kEvery, kLevel600);
MqscKeyword cmdSetChlauth = Command(MQCMD_SET_CHLAUTH_REC, "SET CHLAUTH", plSetChlauth, kEvery, kLevel710);
MqscKeyword cmdDisplayChlauth =
    Command(MQCMD_INQUIRE_CHLAUTH_RECS, "DISPLAY CHLAUTH", plDisplayChlauth, kEvery, kLevel710);
MqscKeyword cmdDisplaySmds = Command(MQCMD_INQUIRE_SMDS, "DISPLAY SMDS", plDisplaySmds, kZos, kLevel710);

}  // namespace zem::table
