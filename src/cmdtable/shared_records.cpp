// Records that several command families share: defined once, referenced by many lists.
#include "cmdtable/records.h"

namespace zem::table {

MqscKeyword vEXVAL_YES = Value(EXVAL_YES, "YES");
MqscKeyword vEXVAL_NO = Value(EXVAL_NO, "NO");
MqscKeyword *vlYesNo[] = {&vEXVAL_YES, &vEXVAL_NO, nullptr};

MqscKeyword vMQEVR_ENABLED = Value(MQEVR_ENABLED, "ENABLED");
MqscKeyword vMQEVR_DISABLED = Value(MQEVR_DISABLED, "DISABLED");
MqscKeyword *vlEventSwitch[] = {&vMQEVR_ENABLED, &vMQEVR_DISABLED, nullptr};

MqscKeyword vMQSVC_CONTROL_MANUAL = Value(MQSVC_CONTROL_MANUAL, "MANUAL");
MqscKeyword vMQSVC_CONTROL_Q_MGR = Value(MQSVC_CONTROL_Q_MGR, "QMGR");
MqscKeyword vMQSVC_CONTROL_Q_MGR_START = Value(MQSVC_CONTROL_Q_MGR_START, "STARTONLY");
MqscKeyword *vlServiceControl[] = {&vMQSVC_CONTROL_MANUAL, &vMQSVC_CONTROL_Q_MGR, &vMQSVC_CONTROL_Q_MGR_START, nullptr};

MqscKeyword vMQSVC_STATUS_STARTING = Value(MQSVC_STATUS_STARTING, "STARTING");
MqscKeyword vMQSVC_STATUS_RUNNING = Value(MQSVC_STATUS_RUNNING, "RUNNING");
MqscKeyword vMQSVC_STATUS_STOPPING = Value(MQSVC_STATUS_STOPPING, "STOPPING");
MqscKeyword vMQSVC_STATUS_STOPPED = Value(MQSVC_STATUS_STOPPED, "STOPPED");
MqscKeyword vMQSVC_STATUS_RETRYING = Value(MQSVC_STATUS_RETRYING, "RETRYING");
MqscKeyword *vlServiceStatus[] = {&vMQSVC_STATUS_STARTING, &vMQSVC_STATUS_RUNNING,  &vMQSVC_STATUS_STOPPING,
                                  &vMQSVC_STATUS_STOPPED,  &vMQSVC_STATUS_RETRYING, nullptr};
MqscKeyword kwForce = Flag(MQIACF_FORCE, "FORCE");
MqscKeyword kwAll = Flag(MQIACF_ALL, "ALL");
MqscKeyword kwCmdScope = Str(MQCACF_COMMAND_SCOPE, "CMDSCOPE", kZos);

MqscKeyword vMQQSGD_Q_MGR = Value(MQQSGD_Q_MGR, "QMGR");
MqscKeyword vMQQSGD_COPY = Value(MQQSGD_COPY, "COPY");
MqscKeyword vMQQSGD_SHARED = Value(MQQSGD_SHARED, "SHARED");
MqscKeyword vMQQSGD_GROUP = Value(MQQSGD_GROUP, "GROUP");
MqscKeyword vMQQSGD_PRIVATE = Value(MQQSGD_PRIVATE, "PRIVATE");
MqscKeyword vMQQSGD_LIVE = Value(MQQSGD_LIVE, "LIVE");
MqscKeyword vMQQSGD_ALL = Value(MQQSGD_ALL, "ALL");
MqscKeyword *vlQsgDisp[] = {&vMQQSGD_Q_MGR,   &vMQQSGD_COPY, &vMQQSGD_SHARED, &vMQQSGD_GROUP,
                            &vMQQSGD_PRIVATE, &vMQQSGD_LIVE, &vMQQSGD_ALL,    nullptr};
MqscKeyword kwQsgDisp = Enum(MQIA_QSG_DISP, "QSGDISP", vlQsgDisp, kZos);

MqscKeyword vMQRP_YES = Value(MQRP_YES, "REPLACE");
MqscKeyword vMQRP_NO = Value(MQRP_NO, "NOREPLACE");
MqscKeyword *vlReplace[] = {&vMQRP_YES, &vMQRP_NO, nullptr};
MqscKeyword kwReplace = Enum(MQIACF_REPLACE, "", vlReplace);

MqscKeyword kwAltDate = Str(MQCA_ALTERATION_DATE, "ALTDATE");
MqscKeyword kwAltTime = Str(MQCA_ALTERATION_TIME, "ALTTIME");
MqscKeyword kwQmName = Str(MQCA_Q_MGR_NAME, "QMNAME");
MqscKeyword kwCrDate = Str(MQCA_CREATION_DATE, "CRDATE");
MqscKeyword kwCrTime = Str(MQCA_CREATION_TIME, "CRTIME");

MqscKeyword vMQMON_OFF = Value(MQMON_OFF, "OFF");
MqscKeyword vMQMON_Q_MGR = Value(MQMON_Q_MGR, "QMGR");
MqscKeyword vMQMON_LOW = Value(MQMON_LOW, "LOW");
MqscKeyword vMQMON_MEDIUM = Value(MQMON_MEDIUM, "MEDIUM");
MqscKeyword vMQMON_HIGH = Value(MQMON_HIGH, "HIGH");
MqscKeyword *vlMonitorLevel[] = {&vMQMON_OFF, &vMQMON_Q_MGR, &vMQMON_LOW, &vMQMON_MEDIUM, &vMQMON_HIGH, nullptr};
MqscKeyword kwMonChl = Enum(MQIA_MONITORING_CHANNEL, "MONCHL", vlMonitorLevel, kEvery, kLevel600);

MqscKeyword kwStatChl = Enum(MQIA_STATISTICS_CHANNEL, "STATCHL", vlMonitorLevel, kEvery, kLevel600);

MqscKeyword vMQCLWL_USEQ_ANY = Value(MQCLWL_USEQ_ANY, "ANY");
MqscKeyword vMQCLWL_USEQ_LOCAL = Value(MQCLWL_USEQ_LOCAL, "LOCAL");
MqscKeyword vMQCLWL_USEQ_AS_Q_MGR = Value(MQCLWL_USEQ_AS_Q_MGR, "QMGR");
MqscKeyword *vlClwlUseQ[] = {&vMQCLWL_USEQ_ANY, &vMQCLWL_USEQ_LOCAL, &vMQCLWL_USEQ_AS_Q_MGR, nullptr};
MqscKeyword kwClwlUseQ = Enum(MQIA_CLWL_USEQ, "CLWLUSEQ", vlClwlUseQ, kEvery, kLevel600);

MqscKeyword vMQDL_SUPPORTED = Value(MQDL_SUPPORTED, "YES");
MqscKeyword vMQDL_NOT_SUPPORTED = Value(MQDL_NOT_SUPPORTED, "NO");
MqscKeyword *vlDistLists[] = {&vMQDL_SUPPORTED, &vMQDL_NOT_SUPPORTED, nullptr};
MqscKeyword kwDistL = Enum(MQIA_DIST_LISTS, "DISTL", vlDistLists, kDist);

MqscKeyword kwMaxMsgL = Int(MQIA_MAX_MSG_LENGTH, "MAXMSGL");
MqscKeyword kwQmid = Str(MQCA_Q_MGR_IDENTIFIER, "QMID");

MqscKeyword vMQMON_ON = Value(MQMON_ON, "ON");
MqscKeyword vMQMON_NONE = Value(MQMON_NONE, "NONE");
MqscKeyword *vlMonitorCollect[] = {&vMQMON_Q_MGR, &vMQMON_OFF, &vMQMON_ON, &vMQMON_NONE, nullptr};
MqscKeyword kwAcctQ = Enum(MQIA_ACCOUNTING_Q, "ACCTQ", vlMonitorCollect, kEvery, kLevel600);

MqscKeyword *vlMonitorQueue[] = {&vMQMON_OFF,  &vMQMON_Q_MGR, &vMQMON_LOW, &vMQMON_MEDIUM,
                                 &vMQMON_HIGH, &vMQMON_NONE,  nullptr};
MqscKeyword kwMonQ = Enum(MQIA_MONITORING_Q, "MONQ", vlMonitorQueue, kEvery, kLevel600);

MqscKeyword kwStatQ = Enum(MQIA_STATISTICS_Q, "STATQ", vlMonitorCollect, kDist, kLevel600);
MqscKeyword kwRqmName = Str(MQCA_REMOTE_Q_MGR_NAME, "RQMNAME");
MqscKeyword kwInitQ = Str(MQCA_INITIATION_Q_NAME, "INITQ");
MqscKeyword kwProcess = Str(MQCA_PROCESS_NAME, "PROCESS");
MqscKeyword kwCluster = Str(MQCA_CLUSTER_NAME, "CLUSTER");
MqscKeyword kwClusNl = Str(MQCA_CLUSTER_NAMELIST, "CLUSNL");
MqscKeyword kwClusQmgr = Str(MQCA_CLUSTER_Q_MGR_NAME, "CLUSQMGR");
MqscKeyword kwClusDate = Str(MQCA_CLUSTER_DATE, "CLUSDATE");
MqscKeyword kwClusTime = Str(MQCA_CLUSTER_TIME, "CLUSTIME");
MqscKeyword kwPid = Int(MQIACF_PROCESS_ID, "PID", kDist, kLevel600);
MqscKeyword kwChannel = Str(MQCACH_CHANNEL_NAME, "CHANNEL");

MqscKeyword vMQXPT_LU62 = Value(MQXPT_LU62, "LU62");
MqscKeyword vMQXPT_TCP = Value(MQXPT_TCP, "TCP");
MqscKeyword vMQXPT_NETBIOS = Value(MQXPT_NETBIOS, "NETBIOS");
MqscKeyword vMQXPT_SPX = Value(MQXPT_SPX, "SPX");
MqscKeyword *vlTransportType[] = {&vMQXPT_LU62, &vMQXPT_TCP, &vMQXPT_NETBIOS, &vMQXPT_SPX, nullptr};
MqscKeyword kwTrpType = Enum(MQIACH_XMIT_PROTOCOL_TYPE, "TRPTYPE", vlTransportType);

MqscKeyword kwConName = Str(MQCACH_CONNECTION_NAME, "CONNAME");
MqscKeyword kwDescrChannel = Str(MQCACH_DESC, "DESCR");
MqscKeyword kwMcaName = Str(MQCACH_MCA_NAME, "MCANAME");
MqscKeyword kwModeName = Str(MQCACH_MODE_NAME, "MODENAME");
MqscKeyword kwTpName = Str(MQCACH_TP_NAME, "TPNAME");

MqscKeyword vMQNPMS_FAST = Value(MQNPMS_FAST, "FAST");
MqscKeyword vMQNPMS_NORMAL = Value(MQNPMS_NORMAL, "NORMAL");
MqscKeyword *vlNpmSpeed[] = {&vMQNPMS_FAST, &vMQNPMS_NORMAL, nullptr};
MqscKeyword kwNpmSpeed = Enum(MQIACH_NPM_SPEED, "NPMSPEED", vlNpmSpeed);

MqscKeyword kwHbInt = Int(MQIACH_HB_INTERVAL, "HBINT");
MqscKeyword kwBatchInt = Int(MQIACH_BATCH_INTERVAL, "BATCHINT");
MqscKeyword kwBatchSz = Int(MQIACH_BATCH_SIZE, "BATCHSZ");
MqscKeyword kwDiscInt = Int(MQIACH_DISC_INTERVAL, "DISCINT");
MqscKeyword kwShortRty = Int(MQIACH_SHORT_RETRY, "SHORTRTY");
MqscKeyword kwShortTmr = Int(MQIACH_SHORT_TIMER, "SHORTTMR");
MqscKeyword kwLongRty = Int(MQIACH_LONG_RETRY, "LONGRTY");
MqscKeyword kwLongTmr = Int(MQIACH_LONG_TIMER, "LONGTMR");
MqscKeyword kwScyExit = Str(MQCACH_SEC_EXIT_NAME, "SCYEXIT");
MqscKeyword kwScyData = Str(MQCACH_SEC_EXIT_USER_DATA, "SCYDATA");
MqscKeyword kwMsgExit = StrList(MQCACH_MSG_EXIT_NAME, "MSGEXIT");
MqscKeyword kwMsgData = StrList(MQCACH_MSG_EXIT_USER_DATA, "MSGDATA");
MqscKeyword kwSendExit = StrList(MQCACH_SEND_EXIT_NAME, "SENDEXIT");
MqscKeyword kwSendData = StrList(MQCACH_SEND_EXIT_USER_DATA, "SENDDATA");
MqscKeyword kwRcvExit = StrList(MQCACH_RCV_EXIT_NAME, "RCVEXIT");
MqscKeyword kwRcvData = StrList(MQCACH_RCV_EXIT_USER_DATA, "RCVDATA");

MqscKeyword vMQPA_DEFAULT = Value(MQPA_DEFAULT, "DEF");
MqscKeyword vMQPA_CONTEXT = Value(MQPA_CONTEXT, "CTX");
MqscKeyword vMQPA_ONLY_MCA = Value(MQPA_ONLY_MCA, "ONLYMCA");
MqscKeyword vMQPA_ALTERNATE_OR_MCA = Value(MQPA_ALTERNATE_OR_MCA, "ALTMCA");
MqscKeyword *vlPutAuthority[] = {&vMQPA_DEFAULT, &vMQPA_CONTEXT, &vMQPA_ONLY_MCA, &vMQPA_ALTERNATE_OR_MCA, nullptr};
MqscKeyword kwPutAut = Enum(MQIACH_PUT_AUTHORITY, "PUTAUT", vlPutAuthority);

MqscKeyword kwSeqWrap = Int(MQIACH_SEQUENCE_NUMBER_WRAP, "SEQWRAP");
MqscKeyword kwMaxMsgLChannel = Int(MQIACH_MAX_MSG_LENGTH, "MAXMSGL");

MqscKeyword vMQCDC_NO_SENDER_CONVERSION = Value(MQCDC_NO_SENDER_CONVERSION, "NO");
MqscKeyword vMQCDC_SENDER_CONVERSION = Value(MQCDC_SENDER_CONVERSION, "YES");
MqscKeyword *vlDataConversion[] = {&vMQCDC_NO_SENDER_CONVERSION, &vMQCDC_SENDER_CONVERSION, nullptr};
MqscKeyword kwConvert = Enum(MQIACH_DATA_CONVERSION, "CONVERT", vlDataConversion);

MqscKeyword vMQMCAT_PROCESS = Value(MQMCAT_PROCESS, "PROCESS");
MqscKeyword vMQMCAT_THREAD = Value(MQMCAT_THREAD, "THREAD");
MqscKeyword *vlMcaType[] = {&vMQMCAT_PROCESS, &vMQMCAT_THREAD, nullptr};
MqscKeyword kwMcaType = Enum(MQIACH_MCA_TYPE, "MCATYPE", vlMcaType);

MqscKeyword kwMcaUser = Str(MQCACH_MCA_USER_ID, "MCAUSER");
MqscKeyword kwNetPrty = Int(MQIACH_NETWORK_PRIORITY, "NETPRTY");

MqscKeyword vMQCHLD_ALL = Value(MQCHLD_ALL, "ALL");
MqscKeyword vMQCHLD_PRIVATE = Value(MQCHLD_PRIVATE, "PRIVATE");
MqscKeyword vMQCHLD_SHARED = Value(MQCHLD_SHARED, "SHARED");
MqscKeyword vMQCHLD_FIXSHARED = Value(MQCHLD_FIXSHARED, "FIXSHARED");
MqscKeyword *vlChannelDisp[] = {&vMQCHLD_ALL, &vMQCHLD_PRIVATE, &vMQCHLD_SHARED, &vMQCHLD_FIXSHARED, nullptr};
MqscKeyword kwChlDisp = Enum(MQIACH_CHANNEL_DISP, "CHLDISP", vlChannelDisp, kZos);

MqscKeyword vMQMODE_QUIESCE = Value(MQMODE_QUIESCE, "QUIESCE");
MqscKeyword vMQMODE_FORCE = Value(MQMODE_FORCE, "FORCE");
MqscKeyword vMQMODE_TERMINATE = Value(MQMODE_TERMINATE, "TERMINATE");
MqscKeyword *vlMode[] = {&vMQMODE_QUIESCE, &vMQMODE_FORCE, &vMQMODE_TERMINATE, nullptr};
MqscKeyword kwMode = Enum(MQIACF_MODE, "MODE", vlMode);

MqscKeyword vMQCHS_BINDING = Value(MQCHS_BINDING, "BINDING");
MqscKeyword vMQCHS_INACTIVE = Value(MQCHS_INACTIVE, "INACTIVE");
MqscKeyword vMQCHS_STARTING = Value(MQCHS_STARTING, "STARTING");
MqscKeyword vMQCHS_RUNNING = Value(MQCHS_RUNNING, "RUNNING");
MqscKeyword vMQCHS_PAUSED = Value(MQCHS_PAUSED, "PAUSED");
MqscKeyword vMQCHS_STOPPING = Value(MQCHS_STOPPING, "STOPPING");
MqscKeyword vMQCHS_RETRYING = Value(MQCHS_RETRYING, "RETRYING");
MqscKeyword vMQCHS_STOPPED = Value(MQCHS_STOPPED, "STOPPED");
MqscKeyword vMQCHS_REQUESTING = Value(MQCHS_REQUESTING, "REQUESTING");
MqscKeyword vMQCHS_INITIALIZING = Value(MQCHS_INITIALIZING, "INITIALIZING");
MqscKeyword *vlChannelStatus[] = {&vMQCHS_BINDING,    &vMQCHS_INACTIVE,     &vMQCHS_STARTING, &vMQCHS_RUNNING,
                                  &vMQCHS_PAUSED,     &vMQCHS_STOPPING,     &vMQCHS_RETRYING, &vMQCHS_STOPPED,
                                  &vMQCHS_REQUESTING, &vMQCHS_INITIALIZING, nullptr};
MqscKeyword kwChannelStatus = Enum(MQIACH_CHANNEL_STATUS, "STATUS", vlChannelStatus);

MqscKeyword kwTopicStr = Str(MQCA_TOPIC_STRING, "TOPICSTR", kEvery, kLevel700);

MqscKeyword vMQPRT_ASYNC_RESPONSE = Value(MQPRT_ASYNC_RESPONSE, "ASYNC");
MqscKeyword vMQAT_IMS = Value(MQAT_IMS, "IMS");
MqscKeyword vMQQSO_NO = Value(MQQSO_NO, "NO");
MqscKeyword vMQPER_PERSISTENT = Value(MQPER_PERSISTENT, "YES");
MqscKeyword vPriority2 = Value(2, "2");
MqscKeyword vPriority7 = Value(7, "7");
MqscKeyword vMQAT_OS400 = Value(MQAT_OS400, "OS400");
MqscKeyword vPriority0 = Value(0, "0");
MqscKeyword vMQAT_UNIX = Value(MQAT_UNIX, "UNIX");
MqscKeyword vMQPRT_SYNC_RESPONSE = Value(MQPRT_SYNC_RESPONSE, "SYNC");
MqscKeyword vPriority3 = Value(3, "3");
MqscKeyword vMQAT_CICS = Value(MQAT_CICS, "CICS");
MqscKeyword vPriority6 = Value(6, "6");
MqscKeyword vPriority8 = Value(8, "8");
MqscKeyword vPriority4 = Value(4, "4");
MqscKeyword vPriority9 = Value(9, "9");
MqscKeyword vMQAT_WINDOWS_NT = Value(MQAT_WINDOWS_NT, "WINDOWSNT");
MqscKeyword vMQQSO_YES = Value(MQQSO_YES, "YES");
MqscKeyword vMQPER_NOT_PERSISTENT = Value(MQPER_NOT_PERSISTENT, "NO");
MqscKeyword vPriority5 = Value(5, "5");
MqscKeyword vPriority1 = Value(1, "1");

// Records added for current MQ: channels, queue manager, queues.
MqscKeyword kwCertLabl = Str(MQCA_CERT_LABEL, "CERTLABL", kEvery, kLevel800);
MqscKeyword kwCustom = Str(MQCA_CUSTOM, "CUSTOM", kEvery, kLevel710);

}  // namespace zem::table

// Records added for current MQ: z/OS commands and other objects.
namespace zem::table {
MqscKeyword kwCfStrucName = Str(MQCA_CF_STRUC_NAME, "CFSTRUCT", kZos, kLevel530);
MqscKeyword kwStgClass = Str(MQCA_STORAGE_CLASS, "STGCLASS", kZos);
MqscKeyword kwPsid = Int(MQIA_PAGESET_ID, "PSID", kZos);
MqscKeyword kwApplTag = Str(MQCACF_APPL_TAG, "APPLTAG");
MqscKeyword kwDsBufs = Int(MQIA_CF_SMDS_BUFFERS, "DSBUFS", kZos, kLevel710);
MqscKeyword vMQDSE_YES = Value(MQDSE_YES, "YES");
MqscKeyword vMQDSE_NO = Value(MQDSE_NO, "NO");
MqscKeyword vMQDSE_DEFAULT = Value(MQDSE_DEFAULT, "DEFAULT");
MqscKeyword *vlDsExpand[] = {&vMQDSE_YES, &vMQDSE_NO, &vMQDSE_DEFAULT, nullptr};
MqscKeyword kwDsExpand = Enum(MQIACF_CF_SMDS_EXPAND, "DSEXPAND", vlDsExpand, kZos, kLevel710);
}  // namespace zem::table
