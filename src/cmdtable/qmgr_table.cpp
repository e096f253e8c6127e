// Queue manager commands: ALTER, DISPLAY and PING QMGR.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwDescrQmgr = Str(MQCA_Q_MGR_DESC, "DESCR");

MqscKeyword vMQMON_ENABLED = Value(MQMON_ENABLED, "ENABLED");
MqscKeyword vMQMON_DISABLED = Value(MQMON_DISABLED, "DISABLED");
MqscKeyword *vlMonitorSwitch[] = {&vMQMON_ENABLED, &vMQMON_DISABLED, nullptr};
MqscKeyword kwAcctCono = Enum(MQIA_ACCOUNTING_CONN_OVERRIDE, "ACCTCONO", vlMonitorSwitch, kEvery, kLevel600);

MqscKeyword kwAcctInt = Int(MQIA_ACCOUNTING_INTERVAL, "ACCTINT", kDist, kLevel600);

MqscKeyword vMQRECORDING_DISABLED = Value(MQRECORDING_DISABLED, "DISABLED");
MqscKeyword vMQRECORDING_MSG = Value(MQRECORDING_MSG, "MSG");
MqscKeyword vMQRECORDING_Q = Value(MQRECORDING_Q, "QUEUE");
MqscKeyword *vlRecording[] = {&vMQRECORDING_DISABLED, &vMQRECORDING_MSG, &vMQRECORDING_Q, nullptr};
MqscKeyword kwActivRec = Enum(MQIA_ACTIVITY_RECORDING, "ACTIVREC", vlRecording, kEvery, kLevel600);

MqscKeyword vMQADOPT_CHECK_ALL = Value(MQADOPT_CHECK_ALL, "ALL");
MqscKeyword vMQADOPT_CHECK_NET_ADDR = Value(MQADOPT_CHECK_NET_ADDR, "NETADDR");
MqscKeyword vMQADOPT_CHECK_NONE = Value(MQADOPT_CHECK_NONE, "NONE");
MqscKeyword vMQADOPT_CHECK_Q_MGR_NAME = Value(MQADOPT_CHECK_Q_MGR_NAME, "QMNAME");
MqscKeyword *vlAdoptCheck[] = {&vMQADOPT_CHECK_ALL, &vMQADOPT_CHECK_NET_ADDR, &vMQADOPT_CHECK_NONE,
                               &vMQADOPT_CHECK_Q_MGR_NAME, nullptr};
MqscKeyword kwAdoptChk = Enum(MQIA_ADOPTNEWMCA_CHECK, "ADOPTCHK", vlAdoptCheck, kEvery, kLevel530);

MqscKeyword vMQADOPT_TYPE_ALL = Value(MQADOPT_TYPE_ALL, "ALL");
MqscKeyword vMQADOPT_TYPE_NO = Value(MQADOPT_TYPE_NO, "NO");
MqscKeyword *vlAdoptType[] = {&vMQADOPT_TYPE_ALL, &vMQADOPT_TYPE_NO, nullptr};
MqscKeyword kwAdoptMca = Enum(MQIA_ADOPTNEWMCA_TYPE, "ADOPTMCA", vlAdoptType, kEvery, kLevel530);

MqscKeyword kwAuthorEv = Enum(MQIA_AUTHORITY_EVENT, "AUTHOREV", vlEventSwitch);
MqscKeyword kwBridgeEv = Enum(MQIA_BRIDGE_EVENT, "BRIDGEEV", vlEventSwitch, kZos);

MqscKeyword vMQCHAD_ENABLED = Value(MQCHAD_ENABLED, "ENABLED");
MqscKeyword vMQCHAD_DISABLED = Value(MQCHAD_DISABLED, "DISABLED");
MqscKeyword *vlChannelAutoDef[] = {&vMQCHAD_ENABLED, &vMQCHAD_DISABLED, nullptr};
MqscKeyword kwChad = Enum(MQIA_CHANNEL_AUTO_DEF, "CHAD", vlChannelAutoDef, kNotZos);

MqscKeyword kwChadEv = Enum(MQIA_CHANNEL_AUTO_DEF_EVENT, "CHADEV", vlEventSwitch, kNotZos);
MqscKeyword kwChadExit = Str(MQCA_CHANNEL_AUTO_DEF_EXIT, "CHADEXIT");

MqscKeyword vMQEVR_EXCEPTION = Value(MQEVR_EXCEPTION, "EXCEPTION");
MqscKeyword *vlChannelEvent[] = {&vMQEVR_ENABLED, &vMQEVR_DISABLED, &vMQEVR_EXCEPTION, nullptr};
MqscKeyword kwChlEv = Enum(MQIA_CHANNEL_EVENT, "CHLEV", vlChannelEvent);

MqscKeyword *vlServiceStart[] = {&vMQSVC_CONTROL_Q_MGR, &vMQSVC_CONTROL_MANUAL, nullptr};
MqscKeyword kwSchInit = Enum(MQIA_CHINIT_CONTROL, "SCHINIT", vlServiceStart, kDist, kLevel600);

MqscKeyword kwChiAdaps = Int(MQIA_CHINIT_ADAPTERS, "CHIADAPS", kZos, kLevel600);
MqscKeyword kwChiDisps = Int(MQIA_CHINIT_DISPATCHERS, "CHIDISPS", kZos, kLevel600);
MqscKeyword kwChiServP = Str(MQCA_CHINIT_SERVICE_PARM, "CHISERVP", kZos, kLevel600);

MqscKeyword vMQTRAXSTR_YES = Value(MQTRAXSTR_YES, "YES");
MqscKeyword vMQTRAXSTR_NO = Value(MQTRAXSTR_NO, "NO");
MqscKeyword *vlTraceAutoStart[] = {&vMQTRAXSTR_YES, &vMQTRAXSTR_NO, nullptr};
MqscKeyword kwTraxStr = Enum(MQIA_CHINIT_TRACE_AUTO_START, "TRAXSTR", vlTraceAutoStart, kZos, kLevel600);

MqscKeyword kwTraxTbl = Int(MQIA_CHINIT_TRACE_TABLE_SIZE, "TRAXTBL", kZos, kLevel600);
MqscKeyword kwMonAcls = Enum(MQIA_MONITORING_AUTO_CLUSSDR, "MONACLS", vlMonitorLevel, kEvery, kLevel600);
MqscKeyword kwStatAcls = Enum(MQIA_STATISTICS_AUTO_CLUSSDR, "STATACLS", vlMonitorLevel, kDist, kLevel600);
MqscKeyword kwClwlExit = Str(MQCA_CLUSTER_WORKLOAD_EXIT, "CLWLEXIT");
MqscKeyword kwClwlData = Str(MQCA_CLUSTER_WORKLOAD_DATA, "CLWLDATA");
MqscKeyword kwClwlLen = Int(MQIA_CLUSTER_WORKLOAD_LENGTH, "CLWLLEN");
MqscKeyword kwClwlMruc = Int(MQIA_CLWL_MRU_CHANNELS, "CLWLMRUC", kEvery, kLevel600);
MqscKeyword kwCcsid = Int(MQIA_CODED_CHAR_SET_ID, "CCSID");

MqscKeyword vMQEVR_NO_DISPLAY = Value(MQEVR_NO_DISPLAY, "NODISPLAY");
MqscKeyword *vlCommandEvent[] = {&vMQEVR_DISABLED, &vMQEVR_ENABLED, &vMQEVR_NO_DISPLAY, nullptr};
MqscKeyword kwCmdEv = Enum(MQIA_COMMAND_EVENT, "CMDEV", vlCommandEvent, kEvery, kLevel600);

MqscKeyword kwCommandQ = Str(MQCA_COMMAND_INPUT_Q_NAME, "COMMANDQ");
MqscKeyword kwCmdLevel = Int(MQIA_COMMAND_LEVEL, "CMDLEVEL");
MqscKeyword kwScmdServ = Enum(MQIA_CMD_SERVER_CONTROL, "SCMDSERV", vlServiceStart, kDist, kLevel600);
MqscKeyword kwConfigEv = Enum(MQIA_CONFIGURATION_EVENT, "CONFIGEV", vlEventSwitch, kEvery, kLevel600);
MqscKeyword kwDeadQ = Str(MQCA_DEAD_LETTER_Q_NAME, "DEADQ");
MqscKeyword kwDefXmitQ = Str(MQCA_DEF_XMIT_Q_NAME, "DEFXMITQ");
MqscKeyword kwDnsGroup = Str(MQCA_DNS_GROUP, "DNSGROUP", kZos, kLevel530);

MqscKeyword vMQDNSWLM_YES = Value(MQDNSWLM_YES, "YES");
MqscKeyword vMQDNSWLM_NO = Value(MQDNSWLM_NO, "NO");
MqscKeyword *vlDnsWlm[] = {&vMQDNSWLM_YES, &vMQDNSWLM_NO, nullptr};
MqscKeyword kwDnsWlm = Enum(MQIA_DNS_WLM, "DNSWLM", vlDnsWlm, kZos, kLevel530);

MqscKeyword kwExpryInt = Int(MQIA_EXPIRY_INTERVAL, "EXPRYINT", kZos, kLevel530);

MqscKeyword vMQEXPI_OFF = Value(MQEXPI_OFF, "OFF");
MqscKeyword *vlExpiryOff[] = {&vMQEXPI_OFF, nullptr};
MqscKeyword kwExpryIntOff = Enum(EXIA_EXPIRY_INTERVAL_OFF, "EXPRYINT", vlExpiryOff, kZos, kLevel530);

MqscKeyword vMQIGQ_ENABLED = Value(MQIGQ_ENABLED, "ENABLED");
MqscKeyword vMQIGQ_DISABLED = Value(MQIGQ_DISABLED, "DISABLED");
MqscKeyword *vlIntraGroup[] = {&vMQIGQ_ENABLED, &vMQIGQ_DISABLED, nullptr};
MqscKeyword kwIgq = Enum(MQIA_INTRA_GROUP_QUEUING, "IGQ", vlIntraGroup, kZos);

MqscKeyword vMQIGQPA_DEFAULT = Value(MQIGQPA_DEFAULT, "DEF");
MqscKeyword vMQIGQPA_CONTEXT = Value(MQIGQPA_CONTEXT, "CTX");
MqscKeyword vMQIGQPA_ONLY_IGQ = Value(MQIGQPA_ONLY_IGQ, "ONLYIGQ");
MqscKeyword vMQIGQPA_ALTERNATE_OR_IGQ = Value(MQIGQPA_ALTERNATE_OR_IGQ, "ALTIGQ");
MqscKeyword *vlIgqAuthority[] = {&vMQIGQPA_DEFAULT, &vMQIGQPA_CONTEXT, &vMQIGQPA_ONLY_IGQ, &vMQIGQPA_ALTERNATE_OR_IGQ,
                                 nullptr};
MqscKeyword kwIgqAut = Enum(MQIA_IGQ_PUT_AUTHORITY, "IGQAUT", vlIgqAuthority, kZos);

MqscKeyword kwIgqUser = Str(MQCA_IGQ_USER_ID, "IGQUSER", kZos);
MqscKeyword kwInhibtEv = Enum(MQIA_INHIBIT_EVENT, "INHIBTEV", vlEventSwitch);

MqscKeyword vMQIPADDR_IPV4 = Value(MQIPADDR_IPV4, "IPV4");
MqscKeyword vMQIPADDR_IPV6 = Value(MQIPADDR_IPV6, "IPV6");
MqscKeyword *vlIpVersion[] = {&vMQIPADDR_IPV4, &vMQIPADDR_IPV6, nullptr};
MqscKeyword kwIpAddrV = Enum(MQIA_IP_ADDRESS_VERSION, "IPADDRV", vlIpVersion, kEvery, kLevel530);

MqscKeyword kwLstrTmr = Int(MQIA_LISTENER_TIMER, "LSTRTMR", kZos, kLevel530);
MqscKeyword kwLocalEv = Enum(MQIA_LOCAL_EVENT, "LOCALEV", vlEventSwitch);
MqscKeyword kwLoggerEv = Enum(MQIA_LOGGER_EVENT, "LOGGEREV", vlEventSwitch, kDist, kLevel530);
MqscKeyword kwLuGroup = Str(MQCA_LU_GROUP_NAME, "LUGROUP", kZos, kLevel530);
MqscKeyword kwLuName = Str(MQCA_LU_NAME, "LUNAME", kZos, kLevel530);
MqscKeyword kwLu62Arm = Str(MQCA_LU62_ARM_SUFFIX, "LU62ARM", kZos, kLevel530);
MqscKeyword kwLu62Chl = Int(MQIA_LU62_CHANNELS, "LU62CHL", kZos, kLevel530);
MqscKeyword kwActChl = Int(MQIA_ACTIVE_CHANNELS, "ACTCHL", kZos, kLevel530);
MqscKeyword kwMaxChl = Int(MQIA_MAX_CHANNELS, "MAXCHL", kZos, kLevel530);
MqscKeyword kwMaxHands = Int(MQIA_MAX_HANDLES, "MAXHANDS");
MqscKeyword kwMaxUMsgs = Int(MQIA_MAX_UNCOMMITTED_MSGS, "MAXUMSGS");
MqscKeyword kwMaxPrty = Int(MQIA_MAX_PRIORITY, "MAXPRTY");

MqscKeyword *vlMonitorOnOff[] = {&vMQMON_OFF, &vMQMON_ON, nullptr};
MqscKeyword kwAcctMqi = Enum(MQIA_ACCOUNTING_MQI, "ACCTMQI", vlMonitorOnOff, kDist, kLevel600);

MqscKeyword kwStatMqi = Enum(MQIA_STATISTICS_MQI, "STATMQI", vlMonitorOnOff, kDist, kLevel600);
MqscKeyword kwOportMin = Int(MQIA_OUTBOUND_PORT_MIN, "OPORTMIN", kZos, kLevel530);
MqscKeyword kwOportMax = Int(MQIA_OUTBOUND_PORT_MAX, "OPORTMAX", kZos, kLevel530);
MqscKeyword kwPerfmEv = Enum(MQIA_PERFORMANCE_EVENT, "PERFMEV", vlEventSwitch);

MqscKeyword vMQPL_MVS = Value(MQPL_MVS, "MVS");
MqscKeyword vMQPL_ZOS = Value(MQPL_ZOS, "ZOS");
MqscKeyword vMQPL_OS2 = Value(MQPL_OS2, "OS2");
MqscKeyword vMQPL_UNIX = Value(MQPL_UNIX, "UNIX");
MqscKeyword vMQPL_OS400 = Value(MQPL_OS400, "OS400");
MqscKeyword vMQPL_WINDOWS = Value(MQPL_WINDOWS, "WINDOWS");
MqscKeyword vMQPL_WINDOWS_NT = Value(MQPL_WINDOWS_NT, "WINDOWSNT");
MqscKeyword vMQPL_VMS = Value(MQPL_VMS, "VMS");
MqscKeyword vMQPL_NSK = Value(MQPL_NSK, "NSK");
MqscKeyword *vlPlatform[] = {&vMQPL_MVS,     &vMQPL_ZOS,        &vMQPL_OS2, &vMQPL_UNIX, &vMQPL_OS400,
                             &vMQPL_WINDOWS, &vMQPL_WINDOWS_NT, &vMQPL_VMS, &vMQPL_NSK,  nullptr};
MqscKeyword kwPlatform = Enum(MQIA_PLATFORM, "PLATFORM", vlPlatform);

MqscKeyword kwQsgName = Str(MQCA_QSG_NAME, "QSGNAME", kZos);
MqscKeyword kwRcvTime = Int(MQIA_RECEIVE_TIMEOUT, "RCVTIME", kZos, kLevel530);
MqscKeyword kwRcvTMin = Int(MQIA_RECEIVE_TIMEOUT_MIN, "RCVTMIN", kZos, kLevel530);

MqscKeyword vMQRCVTIME_MULTIPLY = Value(MQRCVTIME_MULTIPLY, "MULTIPLY");
MqscKeyword vMQRCVTIME_ADD = Value(MQRCVTIME_ADD, "ADD");
MqscKeyword vMQRCVTIME_EQUAL = Value(MQRCVTIME_EQUAL, "EQUAL");
MqscKeyword *vlReceiveTimeout[] = {&vMQRCVTIME_MULTIPLY, &vMQRCVTIME_ADD, &vMQRCVTIME_EQUAL, nullptr};
MqscKeyword kwRcvTType = Enum(MQIA_RECEIVE_TIMEOUT_TYPE, "RCVTTYPE", vlReceiveTimeout, kZos, kLevel530);

MqscKeyword kwRemoteEv = Enum(MQIA_REMOTE_EVENT, "REMOTEEV", vlEventSwitch);
MqscKeyword kwRepos = Str(MQCA_REPOSITORY_NAME, "REPOS");
MqscKeyword kwReposNl = Str(MQCA_REPOSITORY_NAMELIST, "REPOSNL");
MqscKeyword kwStrStpEv = Enum(MQIA_START_STOP_EVENT, "STRSTPEV", vlEventSwitch);

MqscKeyword vMQSQQM_USE = Value(MQSQQM_USE, "USE");
MqscKeyword vMQSQQM_IGNORE = Value(MQSQQM_IGNORE, "IGNORE");
MqscKeyword *vlSharedQmgrName[] = {&vMQSQQM_USE, &vMQSQQM_IGNORE, nullptr};
MqscKeyword kwSqqmName = Enum(MQIA_SHARED_Q_Q_MGR_NAME, "SQQMNAME", vlSharedQmgrName, kZos, kLevel530);

MqscKeyword kwSslKeyR = Str(MQCA_SSL_KEY_REPOSITORY, "SSLKEYR", kEvery, kLevel530);
MqscKeyword kwSslCrlNl = Str(MQCA_SSL_CRL_NAMELIST, "SSLCRLNL", kEvery, kLevel530);
MqscKeyword kwSslCryp = Str(MQCA_SSL_CRYPTO_HARDWARE, "SSLCRYP", kDist, kLevel530);
MqscKeyword kwSslTasks = Int(MQIA_SSL_TASKS, "SSLTASKS", kZos, kLevel530);
MqscKeyword kwSslEv = Enum(MQIA_SSL_EVENT, "SSLEV", vlEventSwitch, kEvery, kLevel600);

MqscKeyword vMQSSL_FIPS_NO = Value(MQSSL_FIPS_NO, "NO");
MqscKeyword vMQSSL_FIPS_YES = Value(MQSSL_FIPS_YES, "YES");
MqscKeyword *vlSslFips[] = {&vMQSSL_FIPS_NO, &vMQSSL_FIPS_YES, nullptr};
MqscKeyword kwSslFips = Enum(MQIA_SSL_FIPS_REQUIRED, "SSLFIPS", vlSslFips, kEvery, kLevel600);

MqscKeyword kwSslRKeyC = Int(MQIA_SSL_RESET_COUNT, "SSLRKEYC", kEvery, kLevel600);
MqscKeyword kwStatInt = Int(MQIA_STATISTICS_INTERVAL, "STATINT", kDist, kLevel600);
MqscKeyword kwSyncPt = Flag(MQIA_SYNCPOINT, "SYNCPT");
MqscKeyword kwTcpChl = Int(MQIA_TCP_CHANNELS, "TCPCHL", kZos, kLevel530);

MqscKeyword vMQTCPKEEP_YES = Value(MQTCPKEEP_YES, "YES");
MqscKeyword vMQTCPKEEP_NO = Value(MQTCPKEEP_NO, "NO");
MqscKeyword *vlTcpKeepAlive[] = {&vMQTCPKEEP_YES, &vMQTCPKEEP_NO, nullptr};
MqscKeyword kwTcpKeep = Enum(MQIA_TCP_KEEP_ALIVE, "TCPKEEP", vlTcpKeepAlive, kZos, kLevel530);

MqscKeyword kwTcpName = Str(MQCA_TCP_NAME, "TCPNAME", kZos, kLevel530);

MqscKeyword vMQTCPSTACK_SINGLE = Value(MQTCPSTACK_SINGLE, "SINGLE");
MqscKeyword vMQTCPSTACK_MULTIPLE = Value(MQTCPSTACK_MULTIPLE, "MULTIPLE");
MqscKeyword *vlTcpStack[] = {&vMQTCPSTACK_SINGLE, &vMQTCPSTACK_MULTIPLE, nullptr};
MqscKeyword kwTcpStack = Enum(MQIA_TCP_STACK_TYPE, "TCPSTACK", vlTcpStack, kZos, kLevel530);

MqscKeyword kwRouteRec = Enum(MQIA_TRACE_ROUTE_RECORDING, "ROUTEREC", vlRecording, kEvery, kLevel600);
MqscKeyword kwTrigInt = Int(MQIA_TRIGGER_INTERVAL, "TRIGINT");
MqscKeyword kwMarkInt = Int(MQIA_MSG_MARK_BROWSE_INTERVAL, "MARKINT", kEvery, kLevel700);
MqscKeyword kwMaxPropL = Int(MQIA_MAX_PROPERTIES_LENGTH, "MAXPROPL", kEvery, kLevel700);
MqscKeyword kwParent = Str(MQCA_PARENT, "PARENT", kEvery, kLevel700);
MqscKeyword kwPsRtyCnt = Int(MQIA_PUBSUB_MAXMSG_RETRY_COUNT, "PSRTYCNT", kEvery, kLevel700);

MqscKeyword vMQPSM_COMPAT = Value(MQPSM_COMPAT, "COMPAT");
MqscKeyword vMQPSM_DISABLED = Value(MQPSM_DISABLED, "DISABLED");
MqscKeyword vMQPSM_ENABLED = Value(MQPSM_ENABLED, "ENABLED");
MqscKeyword *vlPubSubMode[] = {&vMQPSM_COMPAT, &vMQPSM_DISABLED, &vMQPSM_ENABLED, nullptr};
MqscKeyword kwPsMode = Enum(MQIA_PUBSUB_MODE, "PSMODE", vlPubSubMode, kEvery, kLevel700);

MqscKeyword vMQUNDELIVERED_DISCARD = Value(MQUNDELIVERED_DISCARD, "DISCARD");
MqscKeyword vMQUNDELIVERED_KEEP = Value(MQUNDELIVERED_KEEP, "KEEP");
MqscKeyword *vlUndeliveredMsg[] = {&vMQUNDELIVERED_DISCARD, &vMQUNDELIVERED_KEEP, nullptr};
MqscKeyword kwPsNpMsg = Enum(MQIA_PUBSUB_NP_MSG, "PSNPMSG", vlUndeliveredMsg, kEvery, kLevel700);

MqscKeyword vMQUNDELIVERED_NORMAL = Value(MQUNDELIVERED_NORMAL, "NORMAL");
MqscKeyword vMQUNDELIVERED_SAFE = Value(MQUNDELIVERED_SAFE, "SAFE");
MqscKeyword *vlUndeliveredResp[] = {&vMQUNDELIVERED_NORMAL, &vMQUNDELIVERED_SAFE, &vMQUNDELIVERED_DISCARD,
                                    &vMQUNDELIVERED_KEEP, nullptr};
MqscKeyword kwPsNpRes = Enum(MQIA_PUBSUB_NP_RESP, "PSNPRES", vlUndeliveredResp, kEvery, kLevel700);

MqscKeyword vMQSYNCPOINT_IFPER = Value(MQSYNCPOINT_IFPER, "IFPER");
MqscKeyword vMQSYNCPOINT_YES = Value(MQSYNCPOINT_YES, "YES");
MqscKeyword *vlPubSubSyncpoint[] = {&vMQSYNCPOINT_IFPER, &vMQSYNCPOINT_YES, nullptr};
MqscKeyword kwPsSyncPt = Enum(MQIA_PUBSUB_SYNC_PT, "PSSYNCPT", vlPubSubSyncpoint, kEvery, kLevel700);

MqscKeyword kwTreeLife = Int(MQIA_TREE_LIFE_TIME, "TREELIFE", kEvery, kLevel700);

// Queue manager attributes of later MQ levels.
MqscKeyword kwCpiLevel = Int(MQIA_CPI_LEVEL, "CPILEVEL", kZos);

MqscKeyword vMQSCYC_UPPER = Value(MQSCYC_UPPER, "UPPER");
MqscKeyword vMQSCYC_MIXED = Value(MQSCYC_MIXED, "MIXED");
MqscKeyword *vlSecurityCase[] = {&vMQSCYC_UPPER, &vMQSCYC_MIXED, nullptr};
MqscKeyword kwScyCase = Enum(MQIA_SECURITY_CASE, "SCYCASE", vlSecurityCase, kZos, kLevel700);

MqscKeyword kwCertQsgl = Str(MQCA_QSG_CERT_LABEL, "CERTQSGL", kZos, kLevel800);

MqscKeyword vMQCFCONLOS_TERMINATE = Value(MQCFCONLOS_TERMINATE, "TERMINATE");
MqscKeyword vMQCFCONLOS_TOLERATE = Value(MQCFCONLOS_TOLERATE, "TOLERATE");
MqscKeyword *vlCfConLoss[] = {&vMQCFCONLOS_TERMINATE, &vMQCFCONLOS_TOLERATE, nullptr};
MqscKeyword kwCfConLos = Enum(MQIA_QMGR_CFCONLOS, "CFCONLOS", vlCfConLoss, kZos, kLevel800);

MqscKeyword vMQCHLA_DISABLED = Value(MQCHLA_DISABLED, "DISABLED");
MqscKeyword vMQCHLA_ENABLED = Value(MQCHLA_ENABLED, "ENABLED");
MqscKeyword *vlChlAuthRecords[] = {&vMQCHLA_DISABLED, &vMQCHLA_ENABLED, nullptr};
MqscKeyword kwChlAuth = Enum(MQIA_CHLAUTH_RECORDS, "CHLAUTH", vlChlAuthRecords, kEvery, kLevel800);

MqscKeyword kwConnAuth = Str(MQCA_CONN_AUTH, "CONNAUTH", kEvery, kLevel800);

MqscKeyword vMQCLXQ_SCTQ = Value(MQCLXQ_SCTQ, "SCTQ");
MqscKeyword vMQCLXQ_CHANNEL = Value(MQCLXQ_CHANNEL, "CHANNEL");
MqscKeyword *vlClusterXmitQType[] = {&vMQCLXQ_SCTQ, &vMQCLXQ_CHANNEL, nullptr};
MqscKeyword kwDefClXq = Enum(MQIA_DEF_CLUSTER_XMIT_Q_TYPE, "DEFCLXQ", vlClusterXmitQType, kEvery, kLevel900);

MqscKeyword vMQGUR_DISABLED = Value(MQGUR_DISABLED, "DISABLED");
MqscKeyword vMQGUR_ENABLED = Value(MQGUR_ENABLED, "ENABLED");
MqscKeyword *vlGroupUr[] = {&vMQGUR_DISABLED, &vMQGUR_ENABLED, nullptr};
MqscKeyword kwGroupUr = Enum(MQIA_GROUP_UR, "GROUPUR", vlGroupUr, kZos, kLevel900);

MqscKeyword vMQPSCLUS_ENABLED = Value(MQPSCLUS_ENABLED, "ENABLED");
MqscKeyword vMQPSCLUS_DISABLED = Value(MQPSCLUS_DISABLED, "DISABLED");
MqscKeyword *vlPubSubCluster[] = {&vMQPSCLUS_ENABLED, &vMQPSCLUS_DISABLED, nullptr};
MqscKeyword kwPsClus = Enum(MQIA_PUBSUB_CLUSTER, "PSCLUS", vlPubSubCluster, kEvery, kLevel920);

MqscKeyword vMQRDNS_ENABLED = Value(MQRDNS_ENABLED, "ENABLED");
MqscKeyword vMQRDNS_DISABLED = Value(MQRDNS_DISABLED, "DISABLED");
MqscKeyword *vlReverseDns[] = {&vMQRDNS_ENABLED, &vMQRDNS_DISABLED, nullptr};
MqscKeyword kwRevDns = Enum(MQIA_REVERSE_DNS_LOOKUP, "REVDNS", vlReverseDns, kEvery, kLevel800);

// Capabilities the queue manager reports: ENABLED when supported.
MqscKeyword vMQCAP_SUPPORTED = Value(MQCAP_SUPPORTED, "ENABLED");
MqscKeyword vMQCAP_NOT_SUPPORTED = Value(MQCAP_NOT_SUPPORTED, "DISABLED");
MqscKeyword *vlCapability[] = {&vMQCAP_SUPPORTED, &vMQCAP_NOT_SUPPORTED, nullptr};
MqscKeyword kwAdvCap = Enum(MQIA_ADVANCED_CAPABILITY, "ADVCAP", vlCapability, kEvery, kLevel900);
MqscKeyword kwSplCap = Enum(MQIA_PROT_POLICY_CAPABILITY, "SPLCAP", vlCapability, kEvery, kLevel930);

MqscKeyword kwVersion = Str(MQCA_VERSION, "VERSION", kEvery, kLevel930);

MqscParam plAlterQmgr[] = {
    Head(&cmdAlterQmgr),
    Opt(&kwForce, kNone),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwDescrQmgr, kQuoted),
    Opt(&kwAcctCono, kParen, kEvery, kLevel600),
    Opt(&kwAcctInt, kInt, kDist, kLevel600),
    Opt(&kwActivRec, kParen, kEvery, kLevel600),
    Opt(&kwAdoptChk, kParen, kEvery, kLevel530),
    Opt(&kwAdoptMca, kParen, kEvery, kLevel530),
    Opt(&kwAuthorEv, kParen),
    Opt(&kwBridgeEv, kParen, kZos),
    Opt(&kwChad, kParen, kNotZos),
    Opt(&kwChadEv, kParen, kNotZos),
    Opt(&kwChadExit, kQuoted),
    Opt(&kwChlEv, kParen),
    Opt(&kwSchInit, kParen, kDist, kLevel600),
    Opt(&kwMonChl, kParen, kEvery, kLevel600),
    Opt(&kwStatChl, kParen, kEvery, kLevel600),
    Opt(&kwChiAdaps, kInt, kZos, kLevel600),
    Opt(&kwChiDisps, kInt, kZos, kLevel600),
    Opt(&kwChiServP, kParen, kZos, kLevel600),
    Opt(&kwTraxStr, kParen, kZos, kLevel600),
    Opt(&kwTraxTbl, kInt, kZos, kLevel600),
    Opt(&kwMonAcls, kParen, kEvery, kLevel600),
    Opt(&kwStatAcls, kParen, kDist, kLevel600),
    Opt(&kwClwlExit, kQuoted),
    Opt(&kwClwlData, kQuoted),
    Opt(&kwClwlLen, kInt),
    Opt(&kwClwlMruc, kInt, kEvery, kLevel600),
    Opt(&kwClwlUseQ, kParen, kEvery, kLevel600),
    Opt(&kwCmdEv, kParen, kEvery, kLevel600),
    Opt(&kwScmdServ, kParen, kDist, kLevel600),
    Opt(&kwConfigEv, kParen, kEvery, kLevel600),
    Opt(&kwDeadQ, kQuoted),
    Opt(&kwDefXmitQ, kQuoted),
    Opt(&kwDnsGroup, kParen, kZos, kLevel530),
    Opt(&kwDnsWlm, kParen, kZos, kLevel530),
    Opt(&kwExpryInt, kInt, kZos, kLevel530),
    Opt(&kwExpryIntOff, kParen, kZos, kLevel530),
    Opt(&kwIgq, kParen, kZos),
    Opt(&kwIgqAut, kParen, kZos),
    Opt(&kwIgqUser, kQuoted, kZos),
    Opt(&kwInhibtEv, kParen),
    Opt(&kwIpAddrV, kParen, kEvery, kLevel530),
    Opt(&kwLstrTmr, kInt, kZos, kLevel530),
    Opt(&kwLocalEv, kParen),
    Opt(&kwLoggerEv, kParen, kDist, kLevel530),
    Opt(&kwLuGroup, kQuoted, kZos, kLevel530),
    Opt(&kwLuName, kQuoted, kZos, kLevel530),
    Opt(&kwLu62Arm, kParen, kZos, kLevel530),
    Opt(&kwLu62Chl, kInt, kZos, kLevel530),
    Opt(&kwActChl, kInt, kZos, kLevel530),
    Opt(&kwMaxChl, kInt, kZos, kLevel530),
    Opt(&kwMaxHands, kInt),
    Opt(&kwMaxUMsgs, kInt),
    Opt(&kwMaxMsgL, kInt),
    Opt(&kwAcctMqi, kParen, kDist, kLevel600),
    Opt(&kwStatMqi, kParen, kDist, kLevel600),
    Opt(&kwOportMin, kInt, kZos, kLevel530),
    Opt(&kwOportMax, kInt, kZos, kLevel530),
    Opt(&kwPerfmEv, kParen),
    Opt(&kwQsgName, kQuoted, kZos),
    Opt(&kwAcctQ, kParen, kEvery, kLevel600),
    Opt(&kwMonQ, kParen, kEvery, kLevel600),
    Opt(&kwStatQ, kParen, kDist, kLevel600),
    Opt(&kwRcvTime, kInt, kZos, kLevel530),
    Opt(&kwRcvTMin, kInt, kZos, kLevel530),
    Opt(&kwRcvTType, kParen, kZos, kLevel530),
    Opt(&kwRemoteEv, kParen),
    Opt(&kwRepos, kQuoted),
    Opt(&kwReposNl, kQuoted),
    Opt(&kwStrStpEv, kParen),
    Opt(&kwSqqmName, kParen, kZos, kLevel530),
    Opt(&kwSslKeyR, kQuoted, kEvery, kLevel530),
    Opt(&kwSslCrlNl, kQuoted, kEvery, kLevel530),
    Opt(&kwSslCryp, kQuoted, kDist, kLevel530),
    Opt(&kwSslTasks, kInt, kZos, kLevel530),
    Opt(&kwSslEv, kParen, kEvery, kLevel600),
    Opt(&kwSslFips, kParen, kEvery, kLevel600),
    Opt(&kwSslRKeyC, kInt, kEvery, kLevel600),
    Opt(&kwStrStpEv, kParen),
    Opt(&kwStatInt, kInt, kDist, kLevel600),
    Opt(&kwTcpChl, kInt, kZos, kLevel530),
    Opt(&kwTcpKeep, kParen, kZos, kLevel530),
    Opt(&kwTcpName, kQuoted, kZos, kLevel530),
    Opt(&kwTcpStack, kParen, kZos, kLevel530),
    Opt(&kwRouteRec, kParen, kEvery, kLevel600),
    Opt(&kwTrigInt, kInt),
    Opt(&kwMarkInt, kInt, kEvery, kLevel700),
    Opt(&kwMaxPropL, kInt, kEvery, kLevel700),
    Opt(&kwParent, kQuoted, kEvery, kLevel700),
    Opt(&kwPsRtyCnt, kInt, kEvery, kLevel700),
    Opt(&kwPsMode, kParen, kEvery, kLevel700),
    Opt(&kwPsNpMsg, kParen, kEvery, kLevel700),
    Opt(&kwPsNpRes, kParen, kEvery, kLevel700),
    Opt(&kwPsSyncPt, kParen, kEvery, kLevel700),
    Opt(&kwTreeLife, kInt, kEvery, kLevel700),
    Opt(&kwCcsid, kInt, kNotZos),
    Opt(&kwScyCase, kParen, kZos, kLevel700),
    Opt(&kwCertLabl, kQuoted, kEvery, kLevel800),
    Opt(&kwCertQsgl, kQuoted, kZos, kLevel800),
    Opt(&kwCfConLos, kParen, kZos, kLevel800),
    Opt(&kwChlAuth, kParen, kEvery, kLevel800),
    Opt(&kwConnAuth, kQuoted, kEvery, kLevel800),
    Opt(&kwCustom, kQuoted, kEvery, kLevel710),
    Opt(&kwDefClXq, kParen, kEvery, kLevel900),
    Opt(&kwGroupUr, kParen, kZos, kLevel900),
    Opt(&kwPsClus, kParen, kEvery, kLevel920),
    Opt(&kwRevDns, kParen, kEvery, kLevel800),
    End(),
};

MqscParam plDisplayQmgr[] = {
    Head(&cmdDisplayQmgr),
    Attr(&kwQmName, kParen),
    Attr(&kwAll, kNone),
    Opt(&kwCmdScope, kParen, kZos),
    Attr(&kwDescrQmgr, kQuoted),
    Attr(&kwCrDate, kQuoted),
    Attr(&kwCrTime, kQuoted),
    Attr(&kwAcctCono, kParen, kEvery, kLevel600),
    Attr(&kwAcctInt, kInt, kDist, kLevel600),
    Attr(&kwActivRec, kParen, kEvery, kLevel600),
    Attr(&kwAdoptChk, kParen, kEvery, kLevel530),
    Attr(&kwAdoptMca, kParen, kEvery, kLevel530),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwAuthorEv, kParen),
    Attr(&kwBridgeEv, kParen, kZos),
    Attr(&kwChad, kParen, kNotZos),
    Attr(&kwChadEv, kParen, kNotZos),
    Attr(&kwChadExit, kQuoted),
    Attr(&kwChlEv, kParen),
    Attr(&kwSchInit, kParen, kDist, kLevel600),
    Attr(&kwMonChl, kParen, kEvery, kLevel600),
    Attr(&kwChiAdaps, kInt, kZos, kLevel600),
    Attr(&kwChiDisps, kInt, kZos, kLevel600),
    Attr(&kwChiServP, kParen, kZos, kLevel600),
    Attr(&kwTraxStr, kParen, kZos, kLevel600),
    Attr(&kwTraxTbl, kInt, kZos, kLevel600),
    Attr(&kwMonAcls, kParen, kEvery, kLevel600),
    Attr(&kwStatAcls, kParen, kDist, kLevel600),
    Attr(&kwClwlExit, kQuoted),
    Attr(&kwClwlData, kQuoted),
    Attr(&kwClwlLen, kInt),
    Attr(&kwClwlMruc, kInt, kEvery, kLevel600),
    Attr(&kwClwlUseQ, kParen, kEvery, kLevel600),
    Attr(&kwCcsid, kInt),
    Attr(&kwCmdEv, kParen, kEvery, kLevel600),
    Attr(&kwCommandQ, kQuoted),
    Attr(&kwCmdLevel, kInt),
    Attr(&kwScmdServ, kParen, kDist, kLevel600),
    Attr(&kwConfigEv, kParen, kEvery, kLevel600),
    Attr(&kwDeadQ, kQuoted),
    Attr(&kwDefXmitQ, kQuoted),
    Attr(&kwDistL, kParen, kDist),
    Attr(&kwDnsGroup, kParen, kZos, kLevel530),
    Attr(&kwDnsWlm, kParen, kZos, kLevel530),
    Attr(&kwExpryInt, kInt, kZos, kLevel530),
    Attr(&kwIgq, kParen, kZos),
    Attr(&kwIgqAut, kParen, kZos),
    Attr(&kwIgqUser, kQuoted, kZos),
    Attr(&kwInhibtEv, kParen),
    Attr(&kwIpAddrV, kParen, kEvery, kLevel530),
    Attr(&kwLstrTmr, kInt, kZos, kLevel530),
    Attr(&kwLocalEv, kParen),
    Attr(&kwLoggerEv, kParen, kDist, kLevel530),
    Attr(&kwLuGroup, kQuoted, kZos, kLevel530),
    Attr(&kwLuName, kQuoted, kZos, kLevel530),
    Attr(&kwLu62Arm, kParen, kZos, kLevel530),
    Attr(&kwLu62Chl, kInt, kZos, kLevel530),
    Attr(&kwActChl, kInt, kZos, kLevel530),
    Attr(&kwMaxChl, kInt, kZos, kLevel530),
    Attr(&kwMaxHands, kInt),
    Attr(&kwMaxMsgL, kInt),
    Attr(&kwMaxPrty, kInt),
    Attr(&kwMaxUMsgs, kInt),
    Attr(&kwAcctMqi, kParen, kDist, kLevel600),
    Attr(&kwStatMqi, kParen, kDist, kLevel600),
    Attr(&kwOportMin, kInt, kZos, kLevel530),
    Attr(&kwOportMax, kInt, kZos, kLevel530),
    Attr(&kwPerfmEv, kParen),
    Attr(&kwPlatform, kParen),
    Attr(&kwQmid, kQuoted),
    Attr(&kwQsgName, kQuoted, kZos),
    Attr(&kwAcctQ, kParen, kEvery, kLevel600),
    Attr(&kwMonQ, kParen, kEvery, kLevel600),
    Attr(&kwStatQ, kParen, kDist, kLevel600),
    Attr(&kwRcvTime, kInt, kZos, kLevel530),
    Attr(&kwRcvTMin, kInt, kZos, kLevel530),
    Attr(&kwRcvTType, kParen, kZos, kLevel530),
    Attr(&kwRemoteEv, kParen),
    Attr(&kwRepos, kQuoted),
    Attr(&kwReposNl, kQuoted),
    Attr(&kwSqqmName, kParen, kZos, kLevel530),
    Attr(&kwSslKeyR, kQuoted, kEvery, kLevel530),
    Attr(&kwSslCrlNl, kQuoted, kEvery, kLevel530),
    Attr(&kwSslCryp, kQuoted, kDist, kLevel530),
    Attr(&kwSslTasks, kInt, kZos, kLevel530),
    Attr(&kwSslEv, kParen, kEvery, kLevel600),
    Attr(&kwSslFips, kParen, kEvery, kLevel600),
    Attr(&kwSslRKeyC, kInt, kEvery, kLevel600),
    Attr(&kwStrStpEv, kParen),
    Attr(&kwStatInt, kInt, kDist, kLevel600),
    Attr(&kwSyncPt, kNone),
    Attr(&kwTcpChl, kInt, kZos, kLevel530),
    Attr(&kwTcpKeep, kParen, kZos, kLevel530),
    Attr(&kwTcpName, kQuoted, kZos, kLevel530),
    Attr(&kwTcpStack, kParen, kZos, kLevel530),
    Attr(&kwRouteRec, kParen, kEvery, kLevel600),
    Attr(&kwTrigInt, kInt),
    Attr(&kwMarkInt, kInt, kEvery, kLevel700),
    Attr(&kwMaxPropL, kInt, kEvery, kLevel700),
    Attr(&kwParent, kQuoted, kEvery, kLevel700),
    Attr(&kwPsRtyCnt, kInt, kEvery, kLevel700),
    Attr(&kwPsMode, kParen, kEvery, kLevel700),
    Attr(&kwPsNpMsg, kParen, kEvery, kLevel700),
    Attr(&kwPsNpRes, kParen, kEvery, kLevel700),
    Attr(&kwPsSyncPt, kParen, kEvery, kLevel700),
    Attr(&kwTreeLife, kInt, kEvery, kLevel700),
    Attr(&kwStatChl, kParen, kEvery, kLevel600),
    Attr(&kwCpiLevel, kInt, kZos),
    Attr(&kwScyCase, kParen, kZos, kLevel700),
    Attr(&kwCertLabl, kQuoted, kEvery, kLevel800),
    Attr(&kwCertQsgl, kQuoted, kZos, kLevel800),
    Attr(&kwCfConLos, kParen, kZos, kLevel800),
    Attr(&kwChlAuth, kParen, kEvery, kLevel800),
    Attr(&kwConnAuth, kQuoted, kEvery, kLevel800),
    Attr(&kwCustom, kQuoted, kEvery, kLevel710),
    Attr(&kwDefClXq, kParen, kEvery, kLevel900),
    Attr(&kwGroupUr, kParen, kZos, kLevel900),
    Attr(&kwPsClus, kParen, kEvery, kLevel920),
    Attr(&kwRevDns, kParen, kEvery, kLevel800),
    Attr(&kwVersion, kQuoted, kEvery, kLevel930),
    Attr(&kwAdvCap, kParen, kEvery, kLevel900),
    Attr(&kwSplCap, kParen, kEvery, kLevel930),
    End(),
};

MqscParam plPingQmgr[] = {
    Head(&cmdPingQmgr),
    End(),
};

}  // namespace

MqscKeyword cmdAlterQmgr = Command(MQCMD_CHANGE_Q_MGR, "ALTER QMGR", plAlterQmgr);
MqscKeyword cmdDisplayQmgr = Command(MQCMD_INQUIRE_Q_MGR, "DISPLAY QMGR", plDisplayQmgr);
MqscKeyword cmdPingQmgr = Command(MQCMD_PING_Q_MGR, "PING QMGR", plPingQmgr);

}  // namespace zem::table
