// Cluster queue managers and the cluster membership commands.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword vMQQMDT_EXPLICIT_CLUSTER_SENDER = Value(MQQMDT_EXPLICIT_CLUSTER_SENDER, "CLUSSDR");
MqscKeyword vMQQMDT_AUTO_CLUSTER_SENDER = Value(MQQMDT_AUTO_CLUSTER_SENDER, "CLUSSDRA");
MqscKeyword vMQQMDT_CLUSTER_RECEIVER = Value(MQQMDT_CLUSTER_RECEIVER, "CLUSRCVR");
MqscKeyword vMQQMDT_AUTO_EXP_CLUSTER_SENDER = Value(MQQMDT_AUTO_EXP_CLUSTER_SENDER, "CLUSSDRB");
MqscKeyword *vlQmgrDefType[] = {&vMQQMDT_EXPLICIT_CLUSTER_SENDER, &vMQQMDT_AUTO_CLUSTER_SENDER,
                                &vMQQMDT_CLUSTER_RECEIVER, &vMQQMDT_AUTO_EXP_CLUSTER_SENDER, nullptr};
MqscKeyword kwDefTypeClusQmgr = Enum(MQIACF_Q_MGR_DEFINITION_TYPE, "DEFTYPE", vlQmgrDefType);

MqscKeyword vMQQMT_NORMAL = Value(MQQMT_NORMAL, "NORMAL");
MqscKeyword vMQQMT_REPOSITORY = Value(MQQMT_REPOSITORY, "REPOS");
MqscKeyword *vlQmgrType[] = {&vMQQMT_NORMAL, &vMQQMT_REPOSITORY, nullptr};
MqscKeyword kwQmType = Enum(MQIACF_Q_MGR_TYPE, "QMTYPE", vlQmgrType);

MqscKeyword vMQSUS_YES = Value(MQSUS_YES, "YES");
MqscKeyword vMQSUS_NO = Value(MQSUS_NO, "NO");
MqscKeyword *vlSuspend[] = {&vMQSUS_YES, &vMQSUS_NO, nullptr};
MqscKeyword kwSuspend = Enum(MQIACF_SUSPEND, "SUSPEND", vlSuspend);

MqscKeyword vMQACT_FORCE_REMOVE = Value(MQACT_FORCE_REMOVE, "FORCEREMOVE");
MqscKeyword *vlResetAction[] = {&vMQACT_FORCE_REMOVE, nullptr};
MqscKeyword kwResetAction = Enum(MQIACF_ACTION, "ACTION", vlResetAction);

MqscParam plDisplayClusqmgr[] = {
    Head(&cmdDisplayClusqmgr, kGlue),
    Obj(&kwClusQmgr, kQuoted),
    Attr(&kwAll, kNone),
    Opt(&kwCluster, kQuoted),
    Opt(&kwChannel, kQuoted),
    Attr(&kwQmid, kQuoted),
    Attr(&kwDefTypeClusQmgr, kParen),
    Attr(&kwQmType, kParen),
    Attr(&kwClusDate, kQuoted),
    Attr(&kwClusTime, kQuoted),
    Attr(&kwSuspend, kParen),
    Attr(&kwChannelStatus, kParen),
    Attr(&kwTrpType, kParen),
    Attr(&kwConName, kQuoted),
    Attr(&kwDescrChannel, kQuoted),
    Attr(&kwMcaName, kQuoted),
    Attr(&kwModeName, kQuoted),
    Attr(&kwTpName, kQuoted),
    Attr(&kwDiscInt, kInt),
    ZEM_CHANNEL_RETRY_EXIT_INQUIRY_ROWS,
    Attr(&kwSendExit, kQuoted),
    Attr(&kwSendData, kQuoted),
    Attr(&kwRcvExit, kQuoted),
    Attr(&kwRcvData, kQuoted),
    Attr(&kwSeqWrap, kInt),
    Attr(&kwMcaUser, kQuoted),
    Attr(&kwConvert, kParen),
    Attr(&kwBatchInt, kInt),
    Attr(&kwNetPrty, kInt),
    Attr(&kwMcaType, kParen),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwBatchSz, kInt),
    Attr(&kwMaxMsgLChannel, kInt),
    Attr(&kwHbInt, kInt),
    Attr(&kwNpmSpeed, kParen),
    Attr(&kwPutAut, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    End(),
};

MqscParam plSuspendQmgr[] = {
    Head(&cmdSuspendQmgr), Opt(&kwCluster, kParen),        Opt(&kwClusNl, kParen),
    Opt(&kwMode, kParen),  Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plResumeQmgr[] = {
    Head(&cmdResumeQmgr), Opt(&kwCluster, kParen), Opt(&kwClusNl, kParen), Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plRefreshCluster[] = {
    Head(&cmdRefreshCluster, kGlue),
    Obj(&kwCluster, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    End(),
};

MqscParam plResetCluster[] = {
    Head(&cmdResetCluster, kGlue), Obj(&kwCluster, kParen),        Req(&kwResetAction, kParen),
    Opt(&kwQmName, kParen),        Opt(&kwCmdScope, kParen, kZos), End(),
};

}  // namespace

MqscKeyword cmdDisplayClusqmgr = Command(MQCMD_INQUIRE_CLUSTER_Q_MGR, "DISPLAY CLUSQMGR", plDisplayClusqmgr);
MqscKeyword cmdSuspendQmgr = Command(MQCMD_SUSPEND_Q_MGR_CLUSTER, "SUSPEND QMGR", plSuspendQmgr);
MqscKeyword cmdResumeQmgr = Command(MQCMD_RESUME_Q_MGR_CLUSTER, "RESUME QMGR", plResumeQmgr);
MqscKeyword cmdRefreshCluster = Command(MQCMD_REFRESH_CLUSTER, "REFRESH CLUSTER", plRefreshCluster);
MqscKeyword cmdResetCluster = Command(MQCMD_RESET_CLUSTER, "RESET CLUSTER", plResetCluster);

}  // namespace zem::table
