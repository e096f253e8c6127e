// Queue commands: names and attribute inquiries, define, copy, alter, clear, delete,
// statistics reset, status inquiry and the z/OS MOVE QLOCAL.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwQueue = Str(MQCA_Q_NAME, "QUEUE");
MqscKeyword kwToQueue = Str(MQCACF_TO_Q_NAME, "QUEUE");
MqscKeyword kwLikeQueue = Str(MQCACF_FROM_Q_NAME, "LIKE");

MqscKeyword vMQQT_ALIAS = Value(MQQT_ALIAS, "QALIAS");
MqscKeyword vMQQT_LOCAL = Value(MQQT_LOCAL, "QLOCAL");
MqscKeyword vMQQT_REMOTE = Value(MQQT_REMOTE, "QREMOTE");
MqscKeyword vMQQT_MODEL = Value(MQQT_MODEL, "QMODEL");
MqscKeyword vMQQT_CLUSTER = Value(MQQT_CLUSTER, "QCLUSTER");
MqscKeyword vMQQT_ALL = Value(MQQT_ALL, "ALL");
MqscKeyword *vlQueueType[] = {&vMQQT_ALIAS,   &vMQQT_LOCAL, &vMQQT_REMOTE, &vMQQT_MODEL,
                              &vMQQT_CLUSTER, &vMQQT_ALL,   nullptr};
MqscKeyword kwQType = Enum(MQIA_Q_TYPE, "TYPE", vlQueueType);

MqscKeyword kwDescrQueue = Str(MQCA_Q_DESC, "DESCR");

MqscKeyword vMQQA_SHAREABLE = Value(MQQA_SHAREABLE, "SHARE");
MqscKeyword vMQQA_NOT_SHAREABLE = Value(MQQA_NOT_SHAREABLE, "NOSHARE");
MqscKeyword *vlShareability[] = {&vMQQA_SHAREABLE, &vMQQA_NOT_SHAREABLE, nullptr};
MqscKeyword kwShare = Enum(MQIA_SHAREABILITY, "", vlShareability);

MqscKeyword kwTrigMPri = Int(MQIA_TRIGGER_MSG_PRIORITY, "TRIGMPRI");
MqscKeyword kwTrigDpth = Int(MQIA_TRIGGER_DEPTH, "TRIGDPTH");

MqscKeyword vMQTT_NONE = Value(MQTT_NONE, "NONE");
MqscKeyword vMQTT_FIRST = Value(MQTT_FIRST, "FIRST");
MqscKeyword vMQTT_EVERY = Value(MQTT_EVERY, "EVERY");
MqscKeyword vMQTT_DEPTH = Value(MQTT_DEPTH, "DEPTH");
MqscKeyword *vlTriggerType[] = {&vMQTT_NONE, &vMQTT_FIRST, &vMQTT_EVERY, &vMQTT_DEPTH, nullptr};
MqscKeyword kwTrigType = Enum(MQIA_TRIGGER_TYPE, "TRIGTYPE", vlTriggerType);

MqscKeyword kwTrigData = Str(MQCA_TRIGGER_DATA, "TRIGDATA");
MqscKeyword kwRName = Str(MQCA_REMOTE_Q_NAME, "RNAME");
MqscKeyword kwXmitQQueue = Str(MQCA_XMIT_Q_NAME, "XMITQ");
MqscKeyword kwTargQ = Str(MQCA_BASE_Q_NAME, "TARGQ");

MqscKeyword vMQOT_Q = Value(MQOT_Q, "QUEUE");
MqscKeyword vMQOT_TOPIC = Value(MQOT_TOPIC, "TOPIC");
MqscKeyword *vlBaseType[] = {&vMQOT_Q, &vMQOT_TOPIC, nullptr};
MqscKeyword kwTargType = Enum(MQIA_BASE_TYPE, "TARGTYPE", vlBaseType, kEvery, kLevel700);

MqscKeyword kwBoqName = Str(MQCA_BACKOUT_REQ_Q_NAME, "BOQNAME");
MqscKeyword kwDefPrty = Int(MQIA_DEF_PRIORITY, "DEFPRTY");
MqscKeyword kwBoThresh = Int(MQIA_BACKOUT_THRESHOLD, "BOTHRESH");
MqscKeyword kwCurDepth = Int(MQIA_CURRENT_Q_DEPTH, "CURDEPTH");
MqscKeyword kwMaxDepth = Int(MQIA_MAX_Q_DEPTH, "MAXDEPTH");

MqscKeyword vMQTC_OFF = Value(MQTC_OFF, "NOTRIGGER");
MqscKeyword vMQTC_ON = Value(MQTC_ON, "TRIGGER");
MqscKeyword *vlTriggerControl[] = {&vMQTC_OFF, &vMQTC_ON, nullptr};
MqscKeyword kwTrigger = Enum(MQIA_TRIGGER_CONTROL, "", vlTriggerControl);

MqscKeyword vMQOO_INPUT_EXCLUSIVE = Value(MQOO_INPUT_EXCLUSIVE, "EXCL");
MqscKeyword vMQOO_INPUT_SHARED = Value(MQOO_INPUT_SHARED, "SHARED");
MqscKeyword *vlInputOpenOption[] = {&vMQOO_INPUT_EXCLUSIVE, &vMQOO_INPUT_SHARED, nullptr};
MqscKeyword kwDefSOpt = Enum(MQIA_DEF_INPUT_OPEN_OPTION, "DEFSOPT", vlInputOpenOption);

MqscKeyword vMQQA_BACKOUT_HARDENED = Value(MQQA_BACKOUT_HARDENED, "HARDENBO");
MqscKeyword vMQQA_BACKOUT_NOT_HARDENED = Value(MQQA_BACKOUT_NOT_HARDENED, "NOHARDENBO");
MqscKeyword *vlHardenBackout[] = {&vMQQA_BACKOUT_HARDENED, &vMQQA_BACKOUT_NOT_HARDENED, nullptr};
MqscKeyword kwHardenBo = Enum(MQIA_HARDEN_GET_BACKOUT, "", vlHardenBackout);

MqscKeyword vMQMDS_PRIORITY = Value(MQMDS_PRIORITY, "PRIORITY");
MqscKeyword vMQMDS_FIFO = Value(MQMDS_FIFO, "FIFO");
MqscKeyword *vlDeliverySequence[] = {&vMQMDS_PRIORITY, &vMQMDS_FIFO, nullptr};
MqscKeyword kwMsgDlvSq = Enum(MQIA_MSG_DELIVERY_SEQUENCE, "MSGDLVSQ", vlDeliverySequence);

MqscKeyword vMQQA_PUT_ALLOWED = Value(MQQA_PUT_ALLOWED, "ENABLED");
MqscKeyword vMQQA_PUT_INHIBITED = Value(MQQA_PUT_INHIBITED, "DISABLED");
MqscKeyword *vlPutInhibit[] = {&vMQQA_PUT_ALLOWED, &vMQQA_PUT_INHIBITED, nullptr};
MqscKeyword kwPut = Enum(MQIA_INHIBIT_PUT, "PUT", vlPutInhibit);

MqscKeyword vMQQA_GET_ALLOWED = Value(MQQA_GET_ALLOWED, "ENABLED");
MqscKeyword vMQQA_GET_INHIBITED = Value(MQQA_GET_INHIBITED, "DISABLED");
MqscKeyword *vlGetInhibit[] = {&vMQQA_GET_ALLOWED, &vMQQA_GET_INHIBITED, nullptr};
MqscKeyword kwGet = Enum(MQIA_INHIBIT_GET, "GET", vlGetInhibit);

MqscKeyword *vlPersistence[] = {&vMQPER_PERSISTENT, &vMQPER_NOT_PERSISTENT, nullptr};
MqscKeyword kwDefPsistQueue = Enum(MQIA_DEF_PERSISTENCE, "DEFPSIST", vlPersistence);

MqscKeyword vMQUS_NORMAL = Value(MQUS_NORMAL, "NORMAL");
MqscKeyword vMQUS_TRANSMISSION = Value(MQUS_TRANSMISSION, "XMITQ");
MqscKeyword *vlUsage[] = {&vMQUS_NORMAL, &vMQUS_TRANSMISSION, nullptr};
MqscKeyword kwUsage = Enum(MQIA_USAGE, "USAGE", vlUsage);

MqscKeyword vMQSCO_Q_MGR = Value(MQSCO_Q_MGR, "QMGR");
MqscKeyword vMQSCO_CELL = Value(MQSCO_CELL, "CELL");
MqscKeyword *vlScope[] = {&vMQSCO_Q_MGR, &vMQSCO_CELL, nullptr};
MqscKeyword kwScope = Enum(MQIA_SCOPE, "SCOPE", vlScope, kDist);

MqscKeyword kwRetIntvl = Int(MQIA_RETENTION_INTERVAL, "RETINTVL");
MqscKeyword kwQDepthLo = Int(MQIA_Q_DEPTH_LOW_LIMIT, "QDEPTHLO");
MqscKeyword kwQDepthHi = Int(MQIA_Q_DEPTH_HIGH_LIMIT, "QDEPTHHI");
MqscKeyword kwQSvcInt = Int(MQIA_Q_SERVICE_INTERVAL, "QSVCINT");

MqscKeyword vMQQSIE_HIGH = Value(MQQSIE_HIGH, "HIGH");
MqscKeyword vMQQSIE_OK = Value(MQQSIE_OK, "OK");
MqscKeyword vMQQSIE_NONE = Value(MQQSIE_NONE, "NONE");
MqscKeyword *vlServiceIntervalEvent[] = {&vMQQSIE_HIGH, &vMQQSIE_OK, &vMQQSIE_NONE, nullptr};
MqscKeyword kwQSvcIEv = Enum(MQIA_Q_SERVICE_INTERVAL_EVENT, "QSVCIEV", vlServiceIntervalEvent);

MqscKeyword vMQQDT_PREDEFINED = Value(MQQDT_PREDEFINED, "PREDEFINED");
MqscKeyword vMQQDT_PERMANENT_DYNAMIC = Value(MQQDT_PERMANENT_DYNAMIC, "PERMDYN");
MqscKeyword vMQQDT_TEMPORARY_DYNAMIC = Value(MQQDT_TEMPORARY_DYNAMIC, "TEMPDYN");
MqscKeyword vMQQDT_SHARED_DYNAMIC = Value(MQQDT_SHARED_DYNAMIC, "SHAREDYN");
MqscKeyword *vlDefinitionType[] = {&vMQQDT_PREDEFINED, &vMQQDT_PERMANENT_DYNAMIC, &vMQQDT_TEMPORARY_DYNAMIC,
                                   &vMQQDT_SHARED_DYNAMIC, nullptr};
MqscKeyword kwDefType = Enum(MQIA_DEFINITION_TYPE, "DEFTYPE", vlDefinitionType);

MqscKeyword kwQDpMaxEv = Enum(MQIA_Q_DEPTH_MAX_EVENT, "QDPMAXEV", vlEventSwitch);
MqscKeyword kwQDpHiEv = Enum(MQIA_Q_DEPTH_HIGH_EVENT, "QDPHIEV", vlEventSwitch);
MqscKeyword kwQDpLoEv = Enum(MQIA_Q_DEPTH_LOW_EVENT, "QDPLOEV", vlEventSwitch);
MqscKeyword kwIpProcs = Int(MQIA_OPEN_INPUT_COUNT, "IPPROCS");
MqscKeyword kwOpProcs = Int(MQIA_OPEN_OUTPUT_COUNT, "OPPROCS");

MqscKeyword vMQCQT_LOCAL_Q = Value(MQCQT_LOCAL_Q, "QLOCAL");
MqscKeyword vMQCQT_ALIAS_Q = Value(MQCQT_ALIAS_Q, "QALIAS");
MqscKeyword vMQCQT_REMOTE_Q = Value(MQCQT_REMOTE_Q, "QREMOTE");
MqscKeyword vMQCQT_Q_MGR_ALIAS = Value(MQCQT_Q_MGR_ALIAS, "QMGR");
MqscKeyword *vlClusterQType[] = {&vMQCQT_LOCAL_Q, &vMQCQT_ALIAS_Q, &vMQCQT_REMOTE_Q, &vMQCQT_Q_MGR_ALIAS, nullptr};
MqscKeyword kwClusQt = Enum(MQIA_CLUSTER_Q_TYPE, "CLUSQT", vlClusterQType);

MqscKeyword vMQBND_BIND_ON_OPEN = Value(MQBND_BIND_ON_OPEN, "OPEN");
MqscKeyword vMQBND_BIND_NOT_FIXED = Value(MQBND_BIND_NOT_FIXED, "NOTFIXED");
MqscKeyword vMQBND_BIND_ON_GROUP = Value(MQBND_BIND_ON_GROUP, "GROUP");
MqscKeyword *vlDefBind[] = {&vMQBND_BIND_ON_OPEN, &vMQBND_BIND_NOT_FIXED, &vMQBND_BIND_ON_GROUP, nullptr};
MqscKeyword kwDefBind = Enum(MQIA_DEF_BIND, "DEFBIND", vlDefBind);

MqscKeyword vMQIT_NONE = Value(MQIT_NONE, "NONE");
MqscKeyword vMQIT_MSG_ID = Value(MQIT_MSG_ID, "MSGID");
MqscKeyword vMQIT_CORREL_ID = Value(MQIT_CORREL_ID, "CORRELID");
MqscKeyword vMQIT_MSG_TOKEN = Value(MQIT_MSG_TOKEN, "MSGTOKEN");
MqscKeyword vMQIT_GROUP_ID = Value(MQIT_GROUP_ID, "GROUPID");
MqscKeyword *vlIndexType[] = {&vMQIT_NONE, &vMQIT_MSG_ID, &vMQIT_CORREL_ID, &vMQIT_MSG_TOKEN, &vMQIT_GROUP_ID, nullptr};
MqscKeyword kwIndxType = Enum(MQIA_INDEX_TYPE, "INDXTYPE", vlIndexType, kZos);

MqscKeyword kwClwlPrtyQueue = Int(MQIA_CLWL_Q_PRIORITY, "CLWLPRTY", kEvery, kLevel600);
MqscKeyword kwClwlRankQueue = Int(MQIA_CLWL_Q_RANK, "CLWLRANK", kEvery, kLevel600);
MqscKeyword kwTpipe = Str(MQCA_TPIPE_NAME, "TPIPE", kZos, kLevel600);

MqscKeyword vMQNPM_CLASS_NORMAL = Value(MQNPM_CLASS_NORMAL, "NORMAL");
MqscKeyword vMQNPM_CLASS_HIGH = Value(MQNPM_CLASS_HIGH, "HIGH");
MqscKeyword *vlNpmClass[] = {&vMQNPM_CLASS_NORMAL, &vMQNPM_CLASS_HIGH, nullptr};
MqscKeyword kwNpmClass = Enum(MQIA_NPM_CLASS, "NPMCLASS", vlNpmClass, kEvery, kLevel530);

MqscKeyword vMQPROP_COMPATIBILITY = Value(MQPROP_COMPATIBILITY, "COMPAT");
MqscKeyword vMQPROP_NONE = Value(MQPROP_NONE, "NONE");
MqscKeyword vMQPROP_ALL = Value(MQPROP_ALL, "ALL");
MqscKeyword vMQPROP_FORCE_MQRFH2 = Value(MQPROP_FORCE_MQRFH2, "FORCE");
MqscKeyword *vlPropertyControl[] = {&vMQPROP_COMPATIBILITY, &vMQPROP_NONE, &vMQPROP_ALL, &vMQPROP_FORCE_MQRFH2,
                                    nullptr};
MqscKeyword kwPropCtl = Enum(MQIA_PROPERTY_CONTROL, "PROPCTL", vlPropertyControl, kEvery, kLevel700);

MqscKeyword vMQREADA_NO = Value(MQREADA_NO, "NO");
MqscKeyword vMQREADA_YES = Value(MQREADA_YES, "YES");
MqscKeyword vMQREADA_DISABLED = Value(MQREADA_DISABLED, "DISABLED");
MqscKeyword *vlReadAhead[] = {&vMQREADA_NO, &vMQREADA_YES, &vMQREADA_DISABLED, nullptr};
MqscKeyword kwDefReadA = Enum(MQIA_DEF_READ_AHEAD, "DEFREADA", vlReadAhead, kDist, kLevel700);

MqscKeyword *vlPutResponse[] = {&vMQPRT_SYNC_RESPONSE, &vMQPRT_ASYNC_RESPONSE, nullptr};
MqscKeyword kwDefPRespQueue = Enum(MQIA_DEF_PUT_RESPONSE_TYPE, "DEFPRESP", vlPutResponse, kEvery, kLevel700);

MqscKeyword vMQPO_YES = Value(MQPO_YES, "PURGE");
MqscKeyword vMQPO_NO = Value(MQPO_NO, "NOPURGE");
MqscKeyword *vlPurge[] = {&vMQPO_YES, &vMQPO_NO, nullptr};
MqscKeyword kwPurge = Enum(MQIACF_PURGE, "", vlPurge);

MqscKeyword kwQStats = Str(MQCA_Q_NAME, "QSTATS", kZos);
MqscKeyword kwResetInt = Int(MQIA_TIME_SINCE_RESET, "RESETINT", kZos);
MqscKeyword kwHiQDepth = Int(MQIA_HIGH_Q_DEPTH, "HIQDEPTH", kZos);
MqscKeyword kwMsgsIn = Int(MQIA_MSG_ENQ_COUNT, "MSGSIN", kZos);
MqscKeyword kwMsgsOut = Int(MQIA_MSG_DEQ_COUNT, "MSGSOUT", kZos);
MqscKeyword kwQStatus = Str(MQCA_Q_NAME, "QSTATUS");

MqscKeyword vMQIACF_Q_STATUS = Value(MQIACF_Q_STATUS, "QUEUE");
MqscKeyword vMQIACF_Q_HANDLE = Value(MQIACF_Q_HANDLE, "HANDLE");
MqscKeyword *vlQStatusType[] = {&vMQIACF_Q_STATUS, &vMQIACF_Q_HANDLE, nullptr};
MqscKeyword kwQStatusType = Enum(MQIACF_Q_STATUS_TYPE, "TYPE", vlQStatusType);

MqscKeyword vMQQSOT_ALL = Value(MQQSOT_ALL, "ALL");
MqscKeyword vMQQSOT_INPUT = Value(MQQSOT_INPUT, "INPUT");
MqscKeyword vMQQSOT_OUTPUT = Value(MQQSOT_OUTPUT, "OUTPUT");
MqscKeyword *vlOpenType[] = {&vMQQSOT_ALL, &vMQQSOT_INPUT, &vMQQSOT_OUTPUT, nullptr};
MqscKeyword kwOpenType = Enum(MQIACF_OPEN_TYPE, "OPENTYPE", vlOpenType);

MqscKeyword kwUncom = Int(MQIACF_UNCOMMITTED_MSGS, "UNCOM");

MqscKeyword vMQAT_CHANNEL_INITIATOR = Value(MQAT_CHANNEL_INITIATOR, "CHINIT");
MqscKeyword vMQAT_BATCH = Value(MQAT_BATCH, "BATCH");
MqscKeyword vMQAT_RRS_BATCH = Value(MQAT_RRS_BATCH, "RRSBATCH");
MqscKeyword vMQAT_QMGR = Value(MQAT_QMGR, "SYSTEM");
MqscKeyword vMQAT_USER = Value(MQAT_USER, "USER");
MqscKeyword vMQAT_JAVA = Value(MQAT_JAVA, "JAVA");
MqscKeyword *vlQStatusApplType[] = {&vMQAT_CHANNEL_INITIATOR, &vMQAT_CICS,  &vMQAT_IMS,  &vMQAT_BATCH,
                                    &vMQAT_RRS_BATCH,         &vMQAT_QMGR,  &vMQAT_USER, &vMQAT_UNIX,
                                    &vMQAT_WINDOWS_NT,        &vMQAT_OS400, &vMQAT_JAVA, nullptr};
MqscKeyword kwApplTypeStatus = Enum(MQIA_APPL_TYPE, "APPLTYPE", vlQStatusApplType);

MqscKeyword kwAsid = Str(EXCA_ASID, "ASID", kZos);
MqscKeyword kwPsbName = Str(EXCA_PSB_NAME, "PSBNAME", kZos);
MqscKeyword kwPstId = Str(EXCA_PST_ID, "PSTID", kZos);
MqscKeyword kwTid = Int(MQIACF_THREAD_ID, "TID", kDist);
MqscKeyword kwTaskNo = Int(EXIA_TASK_NUMBER, "TASKNO", kZos);
MqscKeyword kwTransId = Str(EXCA_TRANSACTION_ID, "TRANSID", kZos);

MqscKeyword vMQQSO_SHARED = Value(MQQSO_SHARED, "SHARED");
MqscKeyword vMQQSO_EXCLUSIVE = Value(MQQSO_EXCLUSIVE, "EXCL");
MqscKeyword *vlOpenOption[] = {&vMQQSO_NO, &vMQQSO_YES, &vMQQSO_SHARED, &vMQQSO_EXCLUSIVE, nullptr};
MqscKeyword kwBrowse = Enum(MQIACF_OPEN_BROWSE, "BROWSE", vlOpenOption);

MqscKeyword kwInquire = Enum(MQIACF_OPEN_INQUIRE, "INQUIRE", vlOpenOption);
MqscKeyword kwSet = Enum(MQIACF_OPEN_SET, "SET", vlOpenOption);
MqscKeyword kwInput = Enum(MQIACF_OPEN_INPUT_TYPE, "INPUT", vlOpenOption);
MqscKeyword kwOutput = Enum(MQIACF_OPEN_OUTPUT, "OUTPUT", vlOpenOption);
MqscKeyword kwUrid = Str(EXCA_UR_ID, "URID", kZos);
MqscKeyword kwUserIdStatus = Str(MQCACF_USER_IDENTIFIER, "USERID");
MqscKeyword kwToQLocal = Str(EXCA_TO_Q_LOCAL, "TOQLOCAL", kZos);

MqscKeyword vEXMOVE_MOVE = Value(EXMOVE_MOVE, "MOVE");
MqscKeyword vEXMOVE_ADD = Value(EXMOVE_ADD, "ADD");
MqscKeyword *vlMoveType[] = {&vEXMOVE_MOVE, &vEXMOVE_ADD, nullptr};
MqscKeyword kwMoveType = Enum(EXIA_MOVE_TYPE, "TYPE", vlMoveType, kZos);

// Queue attributes and status fields of later MQ levels.
MqscKeyword kwClChName = Str(MQCA_CLUS_CHL_NAME, "CLCHNAME", kEvery, kLevel930);
MqscKeyword kwCapExpry = Int(MQIA_CAP_EXPIRY, "CAPEXPRY", kEvery, kLevel940);
MqscKeyword kwStreamQ = Str(MQCA_STREAM_QUEUE_NAME, "STREAMQ", kEvery, kLevel930);

MqscKeyword vMQST_BEST_EFFORT = Value(MQST_BEST_EFFORT, "BESTEF");
MqscKeyword vMQST_MUST_DUP = Value(MQST_MUST_DUP, "MUSTDUP");
MqscKeyword *vlStreamQos[] = {&vMQST_BEST_EFFORT, &vMQST_MUST_DUP, nullptr};
MqscKeyword kwStrmQos = Enum(MQIA_STREAM_QUEUE_QOS, "STRMQOS", vlStreamQos, kEvery, kLevel930);

MqscKeyword kwLGetDate = Str(MQCACF_LAST_GET_DATE, "LGETDATE", kEvery, kLevel750);
MqscKeyword kwLGetTime = Str(MQCACF_LAST_GET_TIME, "LGETTIME", kEvery, kLevel750);
MqscKeyword kwLPutDate = Str(MQCACF_LAST_PUT_DATE, "LPUTDATE", kEvery, kLevel750);
MqscKeyword kwLPutTime = Str(MQCACF_LAST_PUT_TIME, "LPUTTIME", kEvery, kLevel750);
MqscKeyword kwMsgAge = Int(MQIACF_OLDEST_MSG_AGE, "MSGAGE", kEvery, kLevel750);
MqscKeyword kwApplDesc = Str(MQCACF_APPL_DESC, "APPLDESC", kEvery, kLevel750);

MqscKeyword vMQAS_ACTIVE = Value(MQAS_ACTIVE, "ACTIVE");
MqscKeyword vMQAS_INACTIVE = Value(MQAS_INACTIVE, "INACTIVE");
MqscKeyword vMQAS_STARTED = Value(MQAS_STARTED, "STARTED");
MqscKeyword vMQAS_START_WAIT = Value(MQAS_START_WAIT, "STARTWAIT");
MqscKeyword vMQAS_STOPPED = Value(MQAS_STOPPED, "STOPPED");
MqscKeyword vMQAS_SUSPENDED = Value(MQAS_SUSPENDED, "SUSPENDED");
MqscKeyword vMQAS_SUSPENDED_TEMPORARY = Value(MQAS_SUSPENDED_TEMPORARY, "SUSPTEMP");
MqscKeyword vMQAS_NONE = Value(MQAS_NONE, "NONE");
MqscKeyword *vlAsyncState[] = {&vMQAS_ACTIVE,
                               &vMQAS_INACTIVE,
                               &vMQAS_STARTED,
                               &vMQAS_START_WAIT,
                               &vMQAS_STOPPED,
                               &vMQAS_SUSPENDED,
                               &vMQAS_SUSPENDED_TEMPORARY,
                               &vMQAS_NONE,
                               nullptr};
MqscKeyword kwAState = Enum(MQIACF_ASYNC_STATE, "ASTATE", vlAsyncState, kEvery, kLevel750);

MqscParam plDisplayQueueNames[] = {
    Head(&cmdDisplayQueueNames, kGlue), Obj(&kwQueue, kParen),         Opt(&kwQType, kParen),
    Opt(&kwCmdScope, kParen, kZos),     Opt(&kwQsgDisp, kParen, kZos), End(),
};

MqscParam plDisplayQueue[] = {
    Head(&cmdDisplayQueue, kGlue),
    Obj(&kwQueue, kQuoted),
    Opt(&kwQType, kParen),
    Attr(&kwAll, kNone),
    Attr(&kwCrDate, kQuoted),
    Attr(&kwCrTime, kQuoted),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwDescrQueue, kQuoted),
    Pos(&kwShare, kWord),
    Attr(&kwTrigMPri, kInt),
    Attr(&kwTrigDpth, kInt),
    Attr(&kwTrigType, kParen),
    Attr(&kwTrigData, kQuoted),
    Attr(&kwRName, kQuoted),
    Attr(&kwRqmName, kQuoted),
    Attr(&kwXmitQQueue, kQuoted),
    Attr(&kwTargQ, kQuoted),
    Attr(&kwTargType, kParen, kEvery, kLevel700),
    Attr(&kwBoqName, kQuoted),
    Attr(&kwInitQ, kQuoted),
    Attr(&kwProcess, kQuoted),
    Attr(&kwDefPrty, kInt),
    Attr(&kwMaxMsgL, kInt),
    Attr(&kwBoThresh, kInt),
    Attr(&kwCurDepth, kInt),
    Attr(&kwMaxDepth, kInt),
    Attr(&kwTrigger, kWord),
    Attr(&kwDefSOpt, kParen),
    Attr(&kwHardenBo, kWord),
    Attr(&kwMsgDlvSq, kParen),
    Attr(&kwPut, kParen),
    Attr(&kwGet, kParen),
    Attr(&kwDefPsistQueue, kParen),
    Attr(&kwUsage, kParen),
    Attr(&kwScope, kParen, kDist),
    Attr(&kwDefSOpt, kParen),
    Attr(&kwRetIntvl, kInt),
    Attr(&kwQDepthLo, kInt),
    Attr(&kwQDepthHi, kInt),
    Attr(&kwQSvcInt, kInt),
    Attr(&kwQSvcIEv, kParen),
    Attr(&kwDefType, kParen),
    Attr(&kwQDpMaxEv, kParen),
    Attr(&kwQDpHiEv, kParen),
    Attr(&kwQDpLoEv, kParen),
    Attr(&kwIpProcs, kInt),
    Attr(&kwOpProcs, kInt),
    Attr(&kwCluster, kQuoted),
    Attr(&kwClusNl, kQuoted),
    Attr(&kwClusQmgr, kQuoted),
    Attr(&kwClusQt, kParen),
    Attr(&kwQmid, kQuoted),
    Attr(&kwClusDate, kQuoted),
    Attr(&kwClusTime, kQuoted),
    Attr(&kwDefBind, kParen),
    Attr(&kwStgClass, kQuoted, kZos),
    Attr(&kwDistL, kParen, kDist),
    Attr(&kwCfStrucName, kQuoted, kZos, kLevel530),
    Attr(&kwPsid, kInt, kZos),
    Attr(&kwIndxType, kParen, kZos),
    Attr(&kwAcctQ, kParen, kEvery, kLevel600),
    Attr(&kwMonQ, kParen, kEvery, kLevel600),
    Attr(&kwStatQ, kParen, kDist, kLevel600),
    Attr(&kwClwlPrtyQueue, kInt, kEvery, kLevel600),
    Attr(&kwClwlRankQueue, kInt, kEvery, kLevel600),
    Attr(&kwClwlUseQ, kParen, kEvery, kLevel600),
    Attr(&kwTpipe, kQuoted, kZos, kLevel600),
    Attr(&kwNpmClass, kParen, kEvery, kLevel530),
    Attr(&kwPropCtl, kParen, kEvery, kLevel700),
    Attr(&kwDefReadA, kParen, kDist, kLevel700),
    Attr(&kwDefPRespQueue, kParen, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwCustom, kQuoted, kEvery, kLevel710),
    Attr(&kwClChName, kQuoted, kEvery, kLevel930),
    Attr(&kwStreamQ, kQuoted, kEvery, kLevel930),
    Attr(&kwStrmQos, kParen, kEvery, kLevel930),
    Attr(&kwCapExpry, kInt, kEvery, kLevel940),
    End(),
};

// The create, copy and alter lists share these stretches of rows; they split where ALTER differs.
#define ZEM_QUEUE_DESCR_TO_DEFSOPT_ROWS                                                                                \
    Opt(&kwDescrQueue, kQuoted), Pos(&kwShare, kWord), Opt(&kwTrigMPri, kInt), Opt(&kwTrigDpth, kInt),                 \
        Opt(&kwTrigType, kParen), Opt(&kwTrigData, kQuoted), Opt(&kwRName, kQuoted), Opt(&kwRqmName, kQuoted),         \
        Opt(&kwXmitQQueue, kQuoted), Opt(&kwTargQ, kQuoted), Opt(&kwTargType, kParen, kEvery, kLevel700),              \
        Opt(&kwBoqName, kQuoted), Opt(&kwProcess, kQuoted), Opt(&kwDefPrty, kInt), Opt(&kwMaxMsgL, kInt),              \
        Opt(&kwBoThresh, kInt), Opt(&kwMaxDepth, kInt), Pos(&kwTrigger, kWord), Opt(&kwDefSOpt, kParen)

#define ZEM_QUEUE_PUT_TO_QDPMAXEV_ROWS                                                                                 \
    Opt(&kwPut, kParen), Opt(&kwGet, kParen), Opt(&kwDefPsistQueue, kParen), Opt(&kwUsage, kParen),                    \
        Opt(&kwScope, kParen, kDist), Opt(&kwRetIntvl, kInt), Opt(&kwQDepthLo, kInt), Opt(&kwQDepthHi, kInt),          \
        Opt(&kwQSvcInt, kInt), Opt(&kwQSvcIEv, kParen), Opt(&kwDefType, kParen), Opt(&kwQDpMaxEv, kParen)

// Attributes of later MQ levels, after the scope and disposition.
#define ZEM_QUEUE_LATER_ROWS                                                                                           \
    Opt(&kwDistL, kParen, kDist), Opt(&kwCustom, kQuoted, kEvery, kLevel710),                                          \
        Opt(&kwClChName, kQuoted, kEvery, kLevel930), Opt(&kwStreamQ, kQuoted, kEvery, kLevel930),                     \
        Opt(&kwStrmQos, kParen, kEvery, kLevel930), Opt(&kwCapExpry, kInt, kEvery, kLevel940)

#define ZEM_QUEUE_CLUSTER_TO_QSGDISP_ROWS                                                                              \
    Opt(&kwCluster, kQuoted), Opt(&kwClusNl, kQuoted), Opt(&kwDefBind, kParen), Opt(&kwStgClass, kQuoted, kZos),       \
        Opt(&kwCfStrucName, kQuoted, kZos, kLevel530), Opt(&kwIndxType, kParen, kZos),                                 \
        Opt(&kwAcctQ, kParen, kEvery, kLevel600), Opt(&kwMonQ, kParen, kEvery, kLevel600),                             \
        Opt(&kwStatQ, kParen, kDist, kLevel600), Opt(&kwClwlPrtyQueue, kInt, kEvery, kLevel600),                       \
        Opt(&kwClwlRankQueue, kInt, kEvery, kLevel600), Opt(&kwClwlUseQ, kParen, kEvery, kLevel600),                   \
        Opt(&kwNpmClass, kParen, kEvery, kLevel530), Opt(&kwPropCtl, kParen, kEvery, kLevel700),                       \
        Opt(&kwDefReadA, kParen, kDist, kLevel700), Opt(&kwDefPRespQueue, kParen, kEvery, kLevel700),                  \
        Opt(&kwCmdScope, kParen, kZos), Opt(&kwQsgDisp, kParen, kZos)

// DEFINE and its copying form set the same attributes in the same order.
#define ZEM_QUEUE_CREATE_ROWS                                                                                          \
    Opt(&kwReplace, kWord), ZEM_QUEUE_DESCR_TO_DEFSOPT_ROWS, Pos(&kwHardenBo, kWord), Opt(&kwMsgDlvSq, kParen),        \
        ZEM_QUEUE_PUT_TO_QDPMAXEV_ROWS, Opt(&kwInitQ, kQuoted), Opt(&kwQDpHiEv, kParen), Opt(&kwQDpLoEv, kParen),      \
        ZEM_QUEUE_CLUSTER_TO_QSGDISP_ROWS

MqscParam plDefineQueue[] = {
    Head(&cmdDefineQueue), ObjGlued(&kwQType, kWord), Obj(&kwQueue, kQuoted),
    ZEM_QUEUE_CREATE_ROWS, ZEM_QUEUE_LATER_ROWS,      End(),
};

MqscParam plDefineQueueLike[] = {
    Head(&cmdDefineQueueLike),
    ObjGlued(&kwQType, kWord),
    Obj(&kwToQueue, kQuoted),
    Req(&kwLikeQueue, kQuoted),
    ZEM_QUEUE_CREATE_ROWS,
    ZEM_QUEUE_LATER_ROWS,
    End(),
};

MqscParam plAlterQueue[] = {
    Head(&cmdAlterQueue),
    ObjGlued(&kwQType, kWord),
    Obj(&kwQueue, kQuoted),
    Opt(&kwForce, kNone),
    ZEM_QUEUE_DESCR_TO_DEFSOPT_ROWS,
    Opt(&kwHardenBo, kWord),
    // This list has always carried an integer format for MSGDLVSQ; the create lists put the
    // value keyword in brackets.
    Opt(&kwMsgDlvSq, kInt),
    ZEM_QUEUE_PUT_TO_QDPMAXEV_ROWS,
    Opt(&kwQDpHiEv, kParen),
    Opt(&kwQDpLoEv, kParen),
    Opt(&kwInitQ, kQuoted),
    ZEM_QUEUE_CLUSTER_TO_QSGDISP_ROWS,
    ZEM_QUEUE_LATER_ROWS,
    End(),
};

#undef ZEM_QUEUE_DESCR_TO_DEFSOPT_ROWS
#undef ZEM_QUEUE_PUT_TO_QDPMAXEV_ROWS
#undef ZEM_QUEUE_CLUSTER_TO_QSGDISP_ROWS
#undef ZEM_QUEUE_CREATE_ROWS
#undef ZEM_QUEUE_LATER_ROWS

MqscParam plClearQlocal[] = {
    Head(&cmdClearQlocal, kGlue),
    Obj(&kwQueue, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

MqscParam plDeleteQueue[] = {
    Head(&cmdDeleteQueue),
    ObjGlued(&kwQType, kWord),
    Obj(&kwQueue, kQuoted),
    Opt(&kwPurge, kWord),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

MqscParam plResetQstats[] = {
    Head(&cmdResetQstats, kGlue),  Obj(&kwQStats, kQuoted, kZos),  Attr(&kwResetInt, kInt, kZos),
    Attr(&kwHiQDepth, kInt, kZos), Attr(&kwMsgsIn, kInt, kZos),    Attr(&kwMsgsOut, kInt, kZos),
    Opt(&kwQsgDisp, kParen, kZos), Opt(&kwCmdScope, kParen, kZos), End(kZos, kLevel510),
};

MqscParam plDisplayQstatus[] = {
    Head(&cmdDisplayQstatus, kGlue),
    Obj(&kwQStatus, kQuoted),
    Opt(&kwQStatusType, kParen),
    Opt(&kwOpenType, kParen),
    Attr(&kwAll, kNone),
    Attr(&kwIpProcs, kInt),
    Attr(&kwOpProcs, kInt),
    Attr(&kwCurDepth, kInt),
    Attr(&kwUncom, kInt),
    Attr(&kwApplTag, kQuoted),
    Attr(&kwApplTypeStatus, kParen),
    Attr(&kwAsid, kQuoted, kZos),
    Attr(&kwPid, kInt, kDist, kLevel600),
    Attr(&kwPsbName, kQuoted, kZos),
    Attr(&kwPstId, kQuoted, kZos),
    Attr(&kwTid, kInt, kDist),
    Attr(&kwTaskNo, kInt, kZos),
    Attr(&kwTransId, kQuoted, kZos),
    Attr(&kwBrowse, kParen),
    Attr(&kwInquire, kParen),
    Attr(&kwSet, kParen),
    Attr(&kwInput, kParen),
    Attr(&kwOutput, kParen),
    Attr(&kwUrid, kQuoted, kZos),
    Attr(&kwUserIdStatus, kQuoted),
    Attr(&kwChannel, kQuoted),
    Attr(&kwConName, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwLGetDate, kQuoted, kEvery, kLevel750),
    Attr(&kwLGetTime, kQuoted, kEvery, kLevel750),
    Attr(&kwLPutDate, kQuoted, kEvery, kLevel750),
    Attr(&kwLPutTime, kQuoted, kEvery, kLevel750),
    Attr(&kwMsgAge, kInt, kEvery, kLevel750),
    Attr(&kwMonQ, kParen, kEvery, kLevel750),
    Attr(&kwApplDesc, kQuoted, kEvery, kLevel750),
    Attr(&kwAState, kParen, kEvery, kLevel750),
    End(),
};

MqscParam plMoveQlocal[] = {
    Head(&cmdMoveQlocal, kGlue),    Obj(&kwQueue, kQuoted),        Req(&kwToQLocal, kQuoted, kZos),
    Opt(&kwMoveType, kParen, kZos), Opt(&kwQsgDisp, kParen, kZos), Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

}  // namespace

MqscKeyword cmdDisplayQueueNames = Command(MQCMD_INQUIRE_Q_NAMES, "DISPLAY QUEUE", plDisplayQueueNames);
MqscKeyword cmdDisplayQueue = Command(MQCMD_INQUIRE_Q, "DISPLAY QUEUE", plDisplayQueue);
MqscKeyword cmdDefineQueue = Command(MQCMD_CREATE_Q, "DEFINE", plDefineQueue);
MqscKeyword cmdDefineQueueLike = Command(MQCMD_COPY_Q, "DEFINE", plDefineQueueLike);
MqscKeyword cmdAlterQueue = Command(MQCMD_CHANGE_Q, "ALTER", plAlterQueue);
MqscKeyword cmdClearQlocal = Command(MQCMD_CLEAR_Q, "CLEAR QLOCAL", plClearQlocal);
MqscKeyword cmdDeleteQueue = Command(MQCMD_DELETE_Q, "DELETE", plDeleteQueue);
MqscKeyword cmdResetQstats = Command(MQCMD_RESET_Q_STATS, "RESET QSTATS", plResetQstats, kZos);
MqscKeyword cmdDisplayQstatus = Command(MQCMD_INQUIRE_Q_STATUS, "DISPLAY QSTATUS", plDisplayQstatus);
MqscKeyword cmdMoveQlocal = Command(EXCMD_MOVE_QLOCAL, "MOVE QLOCAL", plMoveQlocal, kZos);

}  // namespace zem::table
