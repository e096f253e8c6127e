// Declarations shared by the command table's data files: the command array, the command
// records (one per array entry) and the records that several families share.
#pragma once
#include "cmdtable/rows.h"
#include "cmdtable/suite_ids.h"

namespace zem::table {

// The data files name published constants and the suite's own ids as they stand.
using namespace zem::mq;
using namespace zem::ex;

// The command array handed out by GetCmdTbl: NULL-terminated, in lookup order.
extern MqscKeyword *kCommands[];

// Value records shared between families.
extern MqscKeyword vMQEVR_ENABLED, vMQEVR_DISABLED, vMQSVC_CONTROL_Q_MGR, vMQSVC_CONTROL_MANUAL, vMQMON_OFF,
    vMQMON_Q_MGR, vMQMON_LOW, vMQMON_MEDIUM, vMQMON_HIGH, vMQCLWL_USEQ_ANY, vMQCLWL_USEQ_LOCAL, vMQCLWL_USEQ_AS_Q_MGR,
    vMQMON_ON, vMQMON_NONE, vMQDL_SUPPORTED, vMQDL_NOT_SUPPORTED, vMQQSGD_Q_MGR, vMQQSGD_COPY, vMQQSGD_SHARED,
    vMQQSGD_GROUP, vMQQSGD_PRIVATE, vMQQSGD_LIVE, vMQQSGD_ALL, vMQPER_PERSISTENT, vMQPER_NOT_PERSISTENT,
    vMQPRT_SYNC_RESPONSE, vMQPRT_ASYNC_RESPONSE, vMQRP_YES, vMQRP_NO, vMQAT_CICS, vMQAT_IMS, vMQAT_UNIX,
    vMQAT_WINDOWS_NT, vMQAT_OS400, vMQQSO_NO, vMQQSO_YES, vMQXPT_LU62, vMQXPT_TCP, vMQXPT_NETBIOS, vMQXPT_SPX,
    vMQNPMS_FAST, vMQNPMS_NORMAL, vMQPA_DEFAULT, vMQPA_CONTEXT, vMQPA_ONLY_MCA, vMQPA_ALTERNATE_OR_MCA,
    vMQCDC_NO_SENDER_CONVERSION, vMQCDC_SENDER_CONVERSION, vMQMCAT_PROCESS, vMQMCAT_THREAD, vMQCHLD_ALL,
    vMQCHLD_PRIVATE, vMQCHLD_SHARED, vMQCHLD_FIXSHARED, vMQMODE_QUIESCE, vMQMODE_FORCE, vMQMODE_TERMINATE,
    vMQCHS_BINDING, vMQCHS_INACTIVE, vMQCHS_STARTING, vMQCHS_RUNNING, vMQCHS_PAUSED, vMQCHS_STOPPING, vMQCHS_RETRYING,
    vMQCHS_STOPPED, vMQCHS_REQUESTING, vMQCHS_INITIALIZING, vMQSVC_CONTROL_Q_MGR_START, vMQSVC_STATUS_STARTING,
    vMQSVC_STATUS_RUNNING, vMQSVC_STATUS_STOPPING, vMQSVC_STATUS_STOPPED, vMQSVC_STATUS_RETRYING, vPriority0,
    vPriority1, vPriority2, vPriority3, vPriority4, vPriority5, vPriority6, vPriority7, vPriority8, vPriority9,
    vEXVAL_NO, vEXVAL_YES;

// Value lists shared between families.
extern MqscKeyword *vlEventSwitch[], *vlMonitorLevel[], *vlMonitorQueue[], *vlMonitorCollect[], *vlDistLists[],
    *vlQsgDisp[], *vlReplace[], *vlClwlUseQ[], *vlTransportType[], *vlNpmSpeed[], *vlPutAuthority[],
    *vlDataConversion[], *vlMcaType[], *vlChannelDisp[], *vlMode[], *vlChannelStatus[], *vlServiceControl[],
    *vlServiceStatus[], *vlYesNo[];

// Keyword records shared between families.
extern MqscKeyword kwForce, kwAll, kwCmdScope, kwQsgDisp, kwReplace, kwAltDate, kwAltTime, kwQmName, kwCrDate, kwCrTime,
    kwMonChl, kwStatChl, kwClwlUseQ, kwDistL, kwMaxMsgL, kwQmid, kwAcctQ, kwMonQ, kwStatQ, kwRqmName, kwInitQ,
    kwProcess, kwCluster, kwClusNl, kwClusQmgr, kwClusDate, kwClusTime, kwPid, kwChannel, kwTrpType, kwConName,
    kwDescrChannel, kwMcaName, kwModeName, kwTpName, kwNpmSpeed, kwHbInt, kwBatchInt, kwBatchSz, kwDiscInt, kwShortRty,
    kwShortTmr, kwLongRty, kwLongTmr, kwScyExit, kwScyData, kwMsgExit, kwMsgData, kwSendExit, kwSendData, kwRcvExit,
    kwRcvData, kwPutAut, kwSeqWrap, kwMaxMsgLChannel, kwConvert, kwMcaType, kwMcaUser, kwNetPrty, kwChlDisp, kwMode,
    kwChannelStatus, kwTopicStr;
// Keyword records of current MQ shared by channels, the queue manager and queues.
extern MqscKeyword kwCertLabl, kwCustom;

// Retry counts and timers, then the security and message exits, as DISPLAY CHANNEL and
// DISPLAY CLUSQMGR select them.
#define ZEM_CHANNEL_RETRY_EXIT_INQUIRY_ROWS                                                                            \
    Attr(&kwShortRty, kInt), Attr(&kwShortTmr, kInt), Attr(&kwLongRty, kInt), Attr(&kwLongTmr, kInt),                  \
        Attr(&kwScyExit, kQuoted), Attr(&kwScyData, kQuoted), Attr(&kwMsgExit, kQuoted), Attr(&kwMsgData, kQuoted)

// Command records, in the order of the command array.
extern MqscKeyword cmdMqscResponse, cmdAlterQmgr, cmdDisplayQmgr, cmdPingQmgr, cmdDisplayQueueNames, cmdDisplayQueue,
    cmdDefineQueue, cmdDefineQueueLike, cmdAlterQueue, cmdClearQlocal, cmdDeleteQueue, cmdResetQstats,
    cmdDisplayQstatus, cmdMoveQlocal, cmdDisplayChannelNames, cmdDisplayChannel, cmdDefineChannel, cmdDefineChannelLike,
    cmdAlterChannel, cmdDeleteChannel, cmdResolveChannel, cmdResetChannel, cmdPingChannel, cmdStartChannel,
    cmdStopChannel, cmdStartChinitListener, cmdStopChinitListener, cmdStartChinit, cmdStopChinit, cmdDisplayChinit,
    cmdDisplayChstatus, cmdDisplayProcessNames, cmdDisplayProcess, cmdAlterProcess, cmdDefineProcess,
    cmdDefineProcessLike, cmdDeleteProcess, cmdDisplayNamelistNames, cmdDisplayNamelist, cmdDefineNamelist,
    cmdAlterNamelist, cmdDefineNamelistLike, cmdDeleteNamelist, cmdDisplayAuthInfoNames, cmdDisplayAuthInfo,
    cmdDefineAuthInfo, cmdAlterAuthInfo, cmdDefineAuthInfoLike, cmdDeleteAuthInfo, cmdDisplayListenerNames,
    cmdDisplayListener, cmdDefineListener, cmdAlterListener, cmdDefineListenerLike, cmdDeleteListener, cmdStartListener,
    cmdStopListener, cmdDisplayLsstatus, cmdDisplayServiceNames, cmdDisplayService, cmdDefineService, cmdAlterService,
    cmdDefineServiceLike, cmdDeleteService, cmdStartService, cmdStopService, cmdDisplaySvstatus, cmdDisplayTopicNames,
    cmdDisplayTopic, cmdDefineTopic, cmdAlterTopic, cmdDefineTopicLike, cmdDeleteTopic, cmdDisplayTpstatus,
    cmdDisplaySubNames, cmdDisplaySub, cmdDefineSub, cmdAlterSub, cmdDefineSubLike, cmdDeleteSub, cmdDisplaySbstatus,
    cmdDisplayClusqmgr, cmdSuspendQmgr, cmdResumeQmgr, cmdRefreshCluster, cmdResetCluster, cmdArchiveLog, cmdDisplayLog,
    cmdSetLog, cmdDisplayGroup, cmdDisplayArchive, cmdSetArchive, cmdDisplaySystem, cmdSetSystem, cmdDisplaySecurity,
    cmdAlterSecurity, cmdRverifySecurity, cmdRefreshSecurity, cmdDisplayCfstruct, cmdDefineCfstruct,
    cmdDefineCfstructLike, cmdAlterCfstruct, cmdDeleteCfstruct, cmdBackupCfstruct, cmdRecoverCfstruct,
    cmdDisplayCfstatus;

// Commands added after the first 106 (z/OS objects and the z/OS inquiries under IBM's
// own command codes), in the order of the command array.
extern MqscKeyword cmdDisplayStgclass, cmdDefineStgclass, cmdDefineStgclassLike, cmdAlterStgclass, cmdDeleteStgclass,
    cmdDisplayUsage, cmdDisplayConn, cmdSetChlauth, cmdDisplayChlauth, cmdDisplaySmds, cmdInquireArchive,
    cmdInquireSecurity, cmdInquireSystem, cmdInquireLog, cmdInquireGroup, cmdInquireCfstruct, cmdInquireCfstatus,
    cmdDisplayPubsub;

// Records shared by the z/OS objects and the coupling facility structures.
extern MqscKeyword kwCfStrucName, kwDsBufs, kwDsExpand, kwStgClass, kwPsid, kwApplTag;

}  // namespace zem::table
