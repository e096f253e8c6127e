// Channel commands, the z/OS channel initiator and its listeners, and channel status.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwToChannel = Str(MQCACF_TO_CHANNEL_NAME, "CHANNEL");
MqscKeyword kwLikeChannel = Str(MQCACF_FROM_CHANNEL_NAME, "LIKE");

MqscKeyword vMQCHT_SENDER = Value(MQCHT_SENDER, "SDR");
MqscKeyword vMQCHT_SERVER = Value(MQCHT_SERVER, "SVR");
MqscKeyword vMQCHT_RECEIVER = Value(MQCHT_RECEIVER, "RCVR");
MqscKeyword vMQCHT_REQUESTER = Value(MQCHT_REQUESTER, "RQSTR");
MqscKeyword vMQCHT_SVRCONN = Value(MQCHT_SVRCONN, "SVRCONN");
MqscKeyword vMQCHT_CLNTCONN = Value(MQCHT_CLNTCONN, "CLNTCONN");
MqscKeyword vMQCHT_CLUSRCVR = Value(MQCHT_CLUSRCVR, "CLUSRCVR");
MqscKeyword vMQCHT_CLUSSDR = Value(MQCHT_CLUSSDR, "CLUSSDR");
MqscKeyword *vlChannelType[] = {&vMQCHT_SENDER,    &vMQCHT_SERVER,  &vMQCHT_RECEIVER,
                                &vMQCHT_REQUESTER, &vMQCHT_SVRCONN, &vMQCHT_CLNTCONN,
                                &vMQCHT_CLUSRCVR,  &vMQCHT_CLUSSDR, nullptr};
MqscKeyword kwChlType = Enum(MQIACH_CHANNEL_TYPE, "CHLTYPE", vlChannelType);

MqscKeyword kwXmitQ = Str(MQCACH_XMIT_Q_NAME, "XMITQ");
MqscKeyword kwBatchHb = Int(MQIACH_BATCH_HB, "BATCHHB", kEvery, kLevel530);
MqscKeyword kwKaInt = Int(MQIACH_KEEP_ALIVE_INTERVAL, "KAINT", kEvery, kLevel530);
MqscKeyword kwMrRty = Int(MQIACH_MR_COUNT, "MRRTY");
MqscKeyword kwMrTmr = Int(MQIACH_MR_INTERVAL, "MRTMR");
MqscKeyword kwMrExit = Str(MQCACH_MR_EXIT_NAME, "MREXIT");
MqscKeyword kwMrData = Str(MQCACH_MR_EXIT_USER_DATA, "MRDATA");
MqscKeyword kwUserId = Str(MQCACH_USER_ID, "USERID");
MqscKeyword kwPassword = Str(MQCACH_PASSWORD, "PASSWORD");
MqscKeyword kwLoclAddr = Str(MQCACH_LOCAL_ADDRESS, "LOCLADDR", kEvery, kLevel530);
MqscKeyword kwSslCiph = Str(MQCACH_SSL_CIPHER_SPEC, "SSLCIPH", kEvery, kLevel530);
MqscKeyword kwSslPeer = Str(MQCACH_SSL_PEER_NAME, "SSLPEER", kEvery, kLevel530);
// Channel status reports the short form of the partner's name under the same keyword.
MqscKeyword kwSslShortPeer = Str(MQCACH_SSL_SHORT_PEER_NAME, "SSLPEER", kEvery, kLevel530);

MqscKeyword vMQSCA_REQUIRED = Value(MQSCA_REQUIRED, "REQUIRED");
MqscKeyword vMQSCA_OPTIONAL = Value(MQSCA_OPTIONAL, "OPTIONAL");
MqscKeyword *vlSslClientAuth[] = {&vMQSCA_REQUIRED, &vMQSCA_OPTIONAL, nullptr};
MqscKeyword kwSslCAuth = Enum(MQIACH_SSL_CLIENT_AUTH, "SSLCAUTH", vlSslClientAuth, kEvery, kLevel530);

MqscKeyword kwClwlPrtyChannel = Int(MQIACH_CLWL_CHANNEL_PRIORITY, "CLWLPRTY", kEvery, kLevel600);
MqscKeyword kwClwlRankChannel = Int(MQIACH_CLWL_CHANNEL_RANK, "CLWLRANK", kEvery, kLevel600);
MqscKeyword kwClwlWght = Int(MQIACH_CLWL_CHANNEL_WEIGHT, "CLWLWGHT", kEvery, kLevel600);

MqscKeyword vMQCOMPRESS_NONE = Value(MQCOMPRESS_NONE, "NONE");
MqscKeyword vMQCOMPRESS_SYSTEM = Value(MQCOMPRESS_SYSTEM, "SYSTEM");
MqscKeyword *vlHeaderCompression[] = {&vMQCOMPRESS_NONE, &vMQCOMPRESS_SYSTEM, nullptr};
MqscKeyword kwCompHdr = EnumList(MQIACH_HDR_COMPRESSION, "COMPHDR", vlHeaderCompression, kEvery, kLevel600);

MqscKeyword vMQCOMPRESS_RLE = Value(MQCOMPRESS_RLE, "RLE");
MqscKeyword vMQCOMPRESS_ZLIBFAST = Value(MQCOMPRESS_ZLIBFAST, "ZLIBFAST");
MqscKeyword vMQCOMPRESS_ZLIBHIGH = Value(MQCOMPRESS_ZLIBHIGH, "ZLIBHIGH");
MqscKeyword vMQCOMPRESS_ANY = Value(MQCOMPRESS_ANY, "ANY");
MqscKeyword *vlMsgCompression[] = {&vMQCOMPRESS_NONE,     &vMQCOMPRESS_RLE, &vMQCOMPRESS_ZLIBFAST,
                                   &vMQCOMPRESS_ZLIBHIGH, &vMQCOMPRESS_ANY, nullptr};
MqscKeyword kwCompMsg = EnumList(MQIACH_MSG_COMPRESSION, "COMPMSG", vlMsgCompression, kEvery, kLevel600);

MqscKeyword kwMaxInst = Int(MQIACH_MAX_INSTANCES, "MAXINST", kEvery, kLevel700);
MqscKeyword kwMaxInstC = Int(MQIACH_MAX_INSTS_PER_CLIENT, "MAXINSTC", kEvery, kLevel700);
MqscKeyword kwShareCnv = Int(MQIACH_SHARING_CONVERSATIONS, "SHARECNV", kEvery, kLevel700);
MqscKeyword kwClntWght = Int(MQIACH_CLIENT_CHANNEL_WEIGHT, "CLNTWGHT", kEvery, kLevel700);

MqscKeyword vMQCAFTY_PREFERRED = Value(MQCAFTY_PREFERRED, "PREFERRED");
MqscKeyword vMQCAFTY_NONE = Value(MQCAFTY_NONE, "NONE");
MqscKeyword *vlAffinity[] = {&vMQCAFTY_PREFERRED, &vMQCAFTY_NONE, nullptr};
MqscKeyword kwAffinity = Enum(MQIACH_CONNECTION_AFFINITY, "AFFINITY", vlAffinity, kEvery, kLevel700);

MqscKeyword vMQCHTAB_Q_MGR = Value(MQCHTAB_Q_MGR, "QMGRTBL");
MqscKeyword vMQCHTAB_CLNTCONN = Value(MQCHTAB_CLNTCONN, "CLNTTBL");
MqscKeyword *vlChannelTable[] = {&vMQCHTAB_Q_MGR, &vMQCHTAB_CLNTCONN, nullptr};
MqscKeyword kwChlTable = Enum(MQIACH_CHANNEL_TABLE, "CHLTABLE", vlChannelTable, kDist);

MqscKeyword vMQIDO_COMMIT = Value(MQIDO_COMMIT, "COMMIT");
MqscKeyword vMQIDO_BACKOUT = Value(MQIDO_BACKOUT, "BACKOUT");
MqscKeyword *vlInDoubt[] = {&vMQIDO_COMMIT, &vMQIDO_BACKOUT, nullptr};
MqscKeyword kwResolveAction = Enum(MQIACH_IN_DOUBT, "ACTION", vlInDoubt);

MqscKeyword kwSeqNum = Int(MQIACH_MSG_SEQUENCE_NUMBER, "SEQNUM");
MqscKeyword kwDataLen = Int(MQIACH_DATA_COUNT, "DATALEN");

MqscKeyword vEXINDISP_Q_MGR = Value(EXINDISP_Q_MGR, "QMGR");
MqscKeyword vEXINDISP_GROUP = Value(EXINDISP_GROUP, "GROUP");
MqscKeyword *vlInboundDisp[] = {&vEXINDISP_Q_MGR, &vEXINDISP_GROUP, nullptr};
MqscKeyword kwInDisp = Enum(EXIA_INBOUND_DISP, "INDISP", vlInboundDisp, kZos);

MqscKeyword kwChinitIpAddr = Str(EXCA_LISTENER_IP_ADDRESS, "IPADDR", kZos);
MqscKeyword kwChinitPort = Str(EXCA_LISTENER_PORT, "PORT", kZos);
MqscKeyword kwChinitLuName = Str(EXCA_LISTENER_LU_NAME, "LUNAME", kZos);
MqscKeyword kwEnvParm = Str(EXCA_CHINIT_ENV_PARM, "ENVPARM", kZos);
MqscKeyword kwParm = Str(EXCA_CHINIT_PARM, "PARM", kZos);

MqscKeyword vEXSHARED_RESTART = Value(EXSHARED_RESTART, "RESTART");
MqscKeyword vEXSHARED_STOP = Value(EXSHARED_STOP, "STOP");
MqscKeyword *vlChinitShared[] = {&vEXSHARED_RESTART, &vEXSHARED_STOP, nullptr};
MqscKeyword kwChinitShared = Enum(EXIA_CHINIT_SHARED, "SHARED", vlChinitShared, kZos);

MqscKeyword kwChStatus = Str(MQCACH_CHANNEL_NAME, "CHSTATUS");

MqscKeyword vMQOT_CURRENT_CHANNEL = Value(MQOT_CURRENT_CHANNEL, "CURRENT");
MqscKeyword vMQOT_SAVED_CHANNEL = Value(MQOT_SAVED_CHANNEL, "SAVED");
MqscKeyword *vlInstanceType[] = {&vMQOT_CURRENT_CHANNEL, &vMQOT_SAVED_CHANNEL, nullptr};
MqscKeyword kwInstanceType = Enum(MQIACH_CHANNEL_INSTANCE_TYPE, "", vlInstanceType);

MqscKeyword vMQCHIDS_NOT_INDOUBT = Value(MQCHIDS_NOT_INDOUBT, "NO");
MqscKeyword vMQCHIDS_INDOUBT = Value(MQCHIDS_INDOUBT, "YES");
MqscKeyword *vlInDoubtStatus[] = {&vMQCHIDS_NOT_INDOUBT, &vMQCHIDS_INDOUBT, nullptr};
MqscKeyword kwInDoubt = Enum(MQIACH_INDOUBT_STATUS, "INDOUBT", vlInDoubtStatus);

MqscKeyword kwLstSeqNo = Int(MQIACH_LAST_SEQ_NUMBER, "LSTSEQNO");
MqscKeyword kwLstLuwId = Str(MQCACH_LAST_LUWID, "LSTLUWID");
MqscKeyword kwCurMsgs = Int(MQIACH_CURRENT_MSGS, "CURMSGS");
MqscKeyword kwCurSeqNo = Int(MQIACH_CURRENT_SEQ_NUMBER, "CURSEQNO");
MqscKeyword kwCurLuwId = Str(MQCACH_CURRENT_LUWID, "CURLUWID");
MqscKeyword kwLstMsgTi = Str(MQCACH_LAST_MSG_TIME, "LSTMSGTI");
MqscKeyword kwLstMsgDa = Str(MQCACH_LAST_MSG_DATE, "LSTMSGDA");
MqscKeyword kwMsgs = Int(MQIACH_MSGS, "MSGS");
MqscKeyword kwBytsSent = Int(MQIACH_BYTES_SENT, "BYTSSENT");
MqscKeyword kwBytsRcvd = Int(MQIACH_BYTES_RECEIVED, "BYTSRCVD");
MqscKeyword kwBatches = Int(MQIACH_BATCHES, "BATCHES");
MqscKeyword kwChStaTi = Str(MQCACH_CHANNEL_START_TIME, "CHSTATI");
MqscKeyword kwChStaDa = Str(MQCACH_CHANNEL_START_DATE, "CHSTADA");
MqscKeyword kwBufsSent = Int(MQIACH_BUFFERS_SENT, "BUFSSENT");
MqscKeyword kwBufsRcvd = Int(MQIACH_BUFFERS_RECEIVED, "BUFSRCVD");
MqscKeyword kwLongRts = Int(MQIACH_LONG_RETRIES_LEFT, "LONGRTS");
MqscKeyword kwShortRts = Int(MQIACH_SHORT_RETRIES_LEFT, "SHORTRTS");

MqscKeyword vMQCHSR_STOP_NOT_REQUESTED = Value(MQCHSR_STOP_NOT_REQUESTED, "NO");
MqscKeyword vMQCHSR_STOP_REQUESTED = Value(MQCHSR_STOP_REQUESTED, "YES");
MqscKeyword *vlStopRequested[] = {&vMQCHSR_STOP_NOT_REQUESTED, &vMQCHSR_STOP_REQUESTED, nullptr};
MqscKeyword kwStopReq = Enum(MQIACH_STOP_REQUESTED, "STOPREQ", vlStopRequested);

// Channel attributes and status fields of current MQ.
MqscKeyword *vlDefChannelDisp[] = {&vMQCHLD_PRIVATE, &vMQCHLD_FIXSHARED, &vMQCHLD_SHARED, nullptr};
MqscKeyword kwDefCDisp = Enum(MQIACH_DEF_CHANNEL_DISP, "DEFCDISP", vlDefChannelDisp, kZos, kLevel700);

MqscKeyword vMQPROP_COMPATIBILITY = Value(MQPROP_COMPATIBILITY, "COMPAT");
MqscKeyword vMQPROP_NONE = Value(MQPROP_NONE, "NONE");
MqscKeyword vMQPROP_ALL = Value(MQPROP_ALL, "ALL");
MqscKeyword *vlChannelPropertyControl[] = {&vMQPROP_COMPATIBILITY, &vMQPROP_NONE, &vMQPROP_ALL, nullptr};
MqscKeyword kwPropCtlChannel = Enum(MQIA_PROPERTY_CONTROL, "PROPCTL", vlChannelPropertyControl, kEvery, kLevel700);

MqscKeyword kwBatchLim = Int(MQIACH_BATCH_DATA_LIMIT, "BATCHLIM", kEvery, kLevel750);

MqscKeyword vMQRCN_NO = Value(MQRCN_NO, "NO");
MqscKeyword vMQRCN_YES = Value(MQRCN_YES, "YES");
MqscKeyword vMQRCN_Q_MGR = Value(MQRCN_Q_MGR, "QMGR");
MqscKeyword vMQRCN_DISABLED = Value(MQRCN_DISABLED, "DISABLED");
MqscKeyword *vlDefReconnect[] = {&vMQRCN_NO, &vMQRCN_YES, &vMQRCN_Q_MGR, &vMQRCN_DISABLED, nullptr};
MqscKeyword kwDefRecon = Enum(MQIACH_DEF_RECONNECT, "DEFRECON", vlDefReconnect, kEvery, kLevel750);

MqscKeyword vMQUSEDLQ_NO = Value(MQUSEDLQ_NO, "NO");
MqscKeyword vMQUSEDLQ_YES = Value(MQUSEDLQ_YES, "YES");
MqscKeyword *vlUseDlq[] = {&vMQUSEDLQ_NO, &vMQUSEDLQ_YES, nullptr};
MqscKeyword kwUseDlq = Enum(MQIA_USE_DEAD_LETTER_Q, "USEDLQ", vlUseDlq, kEvery, kLevel750);

MqscKeyword kwRApplTag = Str(MQCACH_REMOTE_APPL_TAG, "RAPPLTAG", kEvery, kLevel750);
MqscKeyword kwSslCertU = Str(MQCACH_SSL_CERT_USER_ID, "SSLCERTU", kZos, kLevel800);
MqscKeyword kwSslCertI = Str(MQCACH_SSL_CERT_ISSUER_NAME, "SSLCERTI", kEvery, kLevel800);
MqscKeyword kwSslKeyDa = Str(MQCACH_SSL_KEY_RESET_DATE, "SSLKEYDA", kEvery, kLevel800);
MqscKeyword kwSslKeyTi = Str(MQCACH_SSL_KEY_RESET_TIME, "SSLKEYTI", kEvery, kLevel800);
MqscKeyword kwSslRKeys = Int(MQIACH_SSL_KEY_RESETS, "SSLRKEYS", kEvery, kLevel800);
MqscKeyword kwCurShCnv = Int(MQIACH_CURRENT_SHARING_CONVS, "CURSHCNV", kEvery, kLevel750);
MqscKeyword kwMaxShCnv = Int(MQIACH_MAX_SHARING_CONVS, "MAXSHCNV", kEvery, kLevel800);
MqscKeyword kwRVersion = Str(MQCACH_REMOTE_VERSION, "RVERSION", kEvery, kLevel800);
MqscKeyword kwRProduct = Str(MQCACH_REMOTE_PRODUCT, "RPRODUCT", kEvery, kLevel800);
MqscKeyword kwXqMsgsA = Int(MQIACH_XMITQ_MSGS_AVAILABLE, "XQMSGSA", kEvery, kLevel800);

MqscKeyword vMQCHSSTATE_OTHER = Value(MQCHSSTATE_OTHER, "OTHER");
MqscKeyword vMQCHSSTATE_END_OF_BATCH = Value(MQCHSSTATE_END_OF_BATCH, "ENDBATCH");
MqscKeyword vMQCHSSTATE_SENDING = Value(MQCHSSTATE_SENDING, "SEND");
MqscKeyword vMQCHSSTATE_RECEIVING = Value(MQCHSSTATE_RECEIVING, "RECEIVE");
MqscKeyword vMQCHSSTATE_SERIALIZING = Value(MQCHSSTATE_SERIALIZING, "SERIALIZE");
MqscKeyword vMQCHSSTATE_RESYNCHING = Value(MQCHSSTATE_RESYNCHING, "RESYNCH");
MqscKeyword vMQCHSSTATE_HEARTBEATING = Value(MQCHSSTATE_HEARTBEATING, "HEARTBEAT");
MqscKeyword vMQCHSSTATE_IN_SCYEXIT = Value(MQCHSSTATE_IN_SCYEXIT, "SCYEXIT");
MqscKeyword vMQCHSSTATE_IN_RCVEXIT = Value(MQCHSSTATE_IN_RCVEXIT, "RCVEXIT");
MqscKeyword vMQCHSSTATE_IN_SENDEXIT = Value(MQCHSSTATE_IN_SENDEXIT, "SENDEXIT");
MqscKeyword vMQCHSSTATE_IN_MSGEXIT = Value(MQCHSSTATE_IN_MSGEXIT, "MSGEXIT");
MqscKeyword vMQCHSSTATE_IN_MREXIT = Value(MQCHSSTATE_IN_MREXIT, "MREXIT");
MqscKeyword vMQCHSSTATE_IN_CHADEXIT = Value(MQCHSSTATE_IN_CHADEXIT, "CHADEXIT");
MqscKeyword vMQCHSSTATE_NET_CONNECTING = Value(MQCHSSTATE_NET_CONNECTING, "NETCONNECT");
MqscKeyword vMQCHSSTATE_SSL_HANDSHAKING = Value(MQCHSSTATE_SSL_HANDSHAKING, "SSLHANDSHK");
MqscKeyword vMQCHSSTATE_NAME_SERVER = Value(MQCHSSTATE_NAME_SERVER, "NAMESERVER");
MqscKeyword vMQCHSSTATE_IN_MQPUT = Value(MQCHSSTATE_IN_MQPUT, "MQPUT");
MqscKeyword vMQCHSSTATE_IN_MQGET = Value(MQCHSSTATE_IN_MQGET, "MQGET");
MqscKeyword vMQCHSSTATE_IN_MQI_CALL = Value(MQCHSSTATE_IN_MQI_CALL, "MQICALL");
MqscKeyword vMQCHSSTATE_COMPRESSING = Value(MQCHSSTATE_COMPRESSING, "COMPRESS");
MqscKeyword *vlSubState[] = {&vMQCHSSTATE_OTHER,        &vMQCHSSTATE_END_OF_BATCH,   &vMQCHSSTATE_SENDING,
                             &vMQCHSSTATE_RECEIVING,    &vMQCHSSTATE_SERIALIZING,    &vMQCHSSTATE_RESYNCHING,
                             &vMQCHSSTATE_HEARTBEATING, &vMQCHSSTATE_IN_SCYEXIT,     &vMQCHSSTATE_IN_RCVEXIT,
                             &vMQCHSSTATE_IN_SENDEXIT,  &vMQCHSSTATE_IN_MSGEXIT,     &vMQCHSSTATE_IN_MREXIT,
                             &vMQCHSSTATE_IN_CHADEXIT,  &vMQCHSSTATE_NET_CONNECTING, &vMQCHSSTATE_SSL_HANDSHAKING,
                             &vMQCHSSTATE_NAME_SERVER,  &vMQCHSSTATE_IN_MQPUT,       &vMQCHSSTATE_IN_MQGET,
                             &vMQCHSSTATE_IN_MQI_CALL,  &vMQCHSSTATE_COMPRESSING,    nullptr};
MqscKeyword kwSubState = Enum(MQIACH_CHANNEL_SUBSTATE, "SUBSTATE", vlSubState, kEvery, kLevel600);

// SSLV3 and TLSV1, for the two older protocols, could not be confirmed as reply words.
MqscKeyword vMQSECPROT_NONE = Value(MQSECPROT_NONE, "NONE");
MqscKeyword vMQSECPROT_TLSV12 = Value(MQSECPROT_TLSV12, "TLSV12");
MqscKeyword vMQSECPROT_TLSV13 = Value(MQSECPROT_TLSV13, "TLSV13");
MqscKeyword *vlSecurityProtocol[] = {&vMQSECPROT_NONE, &vMQSECPROT_TLSV12, &vMQSECPROT_TLSV13, nullptr};
MqscKeyword kwSecProt = Enum(MQIACH_SECURITY_PROTOCOL, "SECPROT", vlSecurityProtocol, kEvery, kLevel800);

MqscParam plDisplayChannelNames[] = {
    Head(&cmdDisplayChannelNames, kGlue), Obj(&kwChannel, kParen),       Opt(&kwChlType, kParen),
    Opt(&kwCmdScope, kParen, kZos),       Opt(&kwQsgDisp, kParen, kZos), End(),
};

MqscParam plDisplayChannel[] = {
    Head(&cmdDisplayChannel, kGlue),
    Obj(&kwChannel, kQuoted),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Opt(&kwChlType, kParen),
    Attr(&kwTrpType, kParen),
    Attr(&kwXmitQ, kQuoted),
    Attr(&kwConName, kQuoted),
    Attr(&kwDescrChannel, kQuoted),
    Attr(&kwMcaName, kQuoted),
    Attr(&kwModeName, kQuoted),
    Attr(&kwTpName, kQuoted),
    Attr(&kwNpmSpeed, kParen),
    Attr(&kwHbInt, kInt),
    Attr(&kwBatchInt, kInt),
    Attr(&kwBatchHb, kInt, kEvery, kLevel530),
    Attr(&kwKaInt, kInt, kEvery, kLevel530),
    Attr(&kwBatchSz, kInt),
    Attr(&kwDiscInt, kInt),
    Attr(&kwMrRty, kInt),
    Attr(&kwMrTmr, kInt),
    ZEM_CHANNEL_RETRY_EXIT_INQUIRY_ROWS,
    Attr(&kwMrExit, kQuoted),
    Attr(&kwMrData, kQuoted),
    Attr(&kwSendExit, kQuoted),
    Attr(&kwSendData, kQuoted),
    Attr(&kwRcvExit, kQuoted),
    Attr(&kwRcvData, kQuoted),
    Attr(&kwPutAut, kParen),
    Attr(&kwSeqWrap, kInt),
    Attr(&kwMaxMsgLChannel, kInt),
    Attr(&kwConvert, kParen),
    Attr(&kwMcaType, kParen),
    Attr(&kwMcaUser, kQuoted),
    Attr(&kwUserId, kQuoted),
    Attr(&kwPassword, kQuoted),
    Attr(&kwCluster, kQuoted),
    Attr(&kwClusNl, kQuoted),
    Attr(&kwNetPrty, kInt),
    Attr(&kwLoclAddr, kQuoted, kEvery, kLevel530),
    Attr(&kwSslCiph, kQuoted, kEvery, kLevel530),
    Attr(&kwSslPeer, kQuoted, kEvery, kLevel530),
    Attr(&kwSslCAuth, kParen, kEvery, kLevel530),
    Attr(&kwMonChl, kParen, kEvery, kLevel600),
    Attr(&kwStatChl, kParen, kEvery, kLevel600),
    Attr(&kwClwlPrtyChannel, kInt, kEvery, kLevel600),
    Attr(&kwClwlRankChannel, kInt, kEvery, kLevel600),
    Attr(&kwClwlWght, kInt, kEvery, kLevel600),
    Attr(&kwCompHdr, kParen, kEvery, kLevel600),
    Attr(&kwCompMsg, kParen, kEvery, kLevel600),
    Attr(&kwMaxInst, kInt, kEvery, kLevel700),
    Attr(&kwMaxInstC, kInt, kEvery, kLevel700),
    Attr(&kwShareCnv, kInt, kEvery, kLevel700),
    Attr(&kwClntWght, kInt, kEvery, kLevel700),
    Attr(&kwAffinity, kParen, kEvery, kLevel700),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwQmName, kQuoted),
    Attr(&kwDefCDisp, kParen, kZos, kLevel700),
    Attr(&kwPropCtlChannel, kParen, kEvery, kLevel700),
    Attr(&kwBatchLim, kInt, kEvery, kLevel750),
    Attr(&kwDefRecon, kParen, kEvery, kLevel750),
    Attr(&kwUseDlq, kParen, kEvery, kLevel750),
    Attr(&kwCertLabl, kQuoted, kEvery, kLevel800),
    End(),
};

// Every channel attribute DEFINE CHANNEL, its copying form and ALTER CHANNEL set, in this order,
// then the z/OS scope and disposition.
#define ZEM_CHANNEL_ATTRIBUTE_ROWS                                                                                     \
    Opt(&kwTrpType, kParen), Opt(&kwXmitQ, kQuoted), Opt(&kwConName, kQuoted), Opt(&kwDescrChannel, kQuoted),          \
        Opt(&kwMcaName, kQuoted), Opt(&kwModeName, kQuoted), Opt(&kwTpName, kQuoted), Opt(&kwNpmSpeed, kParen),        \
        Opt(&kwHbInt, kInt), Opt(&kwBatchInt, kInt), Opt(&kwBatchHb, kInt, kEvery, kLevel530),                         \
        Opt(&kwKaInt, kInt, kEvery, kLevel530), Opt(&kwBatchSz, kInt), Opt(&kwDiscInt, kInt), Opt(&kwMrRty, kInt),     \
        Opt(&kwMrTmr, kInt), Opt(&kwShortRty, kInt), Opt(&kwShortTmr, kInt), Opt(&kwLongRty, kInt),                    \
        Opt(&kwLongTmr, kInt), Opt(&kwScyExit, kQuoted), Opt(&kwScyData, kQuoted), Opt(&kwMsgExit, kQuoted),           \
        Opt(&kwMsgData, kQuoted), Opt(&kwMrExit, kQuoted), Opt(&kwMrData, kQuoted), Opt(&kwSendExit, kQuoted),         \
        Opt(&kwSendData, kQuoted), Opt(&kwRcvExit, kQuoted), Opt(&kwRcvData, kQuoted), Opt(&kwPutAut, kParen),         \
        Opt(&kwSeqWrap, kInt), Opt(&kwMaxMsgLChannel, kInt), Opt(&kwConvert, kParen), Opt(&kwMcaType, kParen),         \
        Opt(&kwMcaUser, kQuoted), Opt(&kwUserId, kQuoted), Opt(&kwPassword, kQuoted), Opt(&kwCluster, kQuoted),        \
        Opt(&kwClusNl, kQuoted), Opt(&kwNetPrty, kInt), Opt(&kwLoclAddr, kQuoted, kEvery, kLevel530),                  \
        Opt(&kwSslCiph, kQuoted, kEvery, kLevel530), Opt(&kwSslPeer, kQuoted, kEvery, kLevel530),                      \
        Opt(&kwSslCAuth, kParen, kEvery, kLevel530), Opt(&kwMonChl, kParen, kEvery, kLevel600),                        \
        Opt(&kwStatChl, kParen, kEvery, kLevel600), Opt(&kwClwlPrtyChannel, kInt, kEvery, kLevel600),                  \
        Opt(&kwClwlRankChannel, kInt, kEvery, kLevel600), Opt(&kwClwlWght, kInt, kEvery, kLevel600),                   \
        Opt(&kwCompHdr, kParen, kEvery, kLevel600), Opt(&kwCompMsg, kParen, kEvery, kLevel600),                        \
        Opt(&kwMaxInst, kInt, kEvery, kLevel700), Opt(&kwMaxInstC, kInt, kEvery, kLevel700),                           \
        Opt(&kwShareCnv, kInt, kEvery, kLevel700), Opt(&kwClntWght, kInt, kEvery, kLevel700),                          \
        Opt(&kwAffinity, kParen, kEvery, kLevel700), Opt(&kwCmdScope, kParen, kZos), Opt(&kwQsgDisp, kParen, kZos)

// The attributes of later MQ levels, after the scope and disposition.
#define ZEM_CHANNEL_LATER_ATTRIBUTE_ROWS                                                                               \
    Opt(&kwQmName, kQuoted), Opt(&kwDefCDisp, kParen, kZos, kLevel700),                                                \
        Opt(&kwPropCtlChannel, kParen, kEvery, kLevel700), Opt(&kwBatchLim, kInt, kEvery, kLevel750),                  \
        Opt(&kwDefRecon, kParen, kEvery, kLevel750), Opt(&kwUseDlq, kParen, kEvery, kLevel750),                        \
        Opt(&kwCertLabl, kQuoted, kEvery, kLevel800)

MqscParam plDefineChannel[] = {
    Head(&cmdDefineChannel, kGlue),
    Obj(&kwChannel, kQuoted),
    Req(&kwChlType, kParen),
    Opt(&kwReplace, kWord),
    ZEM_CHANNEL_ATTRIBUTE_ROWS,
    ZEM_CHANNEL_LATER_ATTRIBUTE_ROWS,
    End(),
};

MqscParam plDefineChannelLike[] = {
    Head(&cmdDefineChannelLike, kGlue),
    Obj(&kwToChannel, kQuoted),
    Req(&kwChlType, kParen),
    Req(&kwLikeChannel, kQuoted),
    Opt(&kwReplace, kWord),
    ZEM_CHANNEL_ATTRIBUTE_ROWS,
    ZEM_CHANNEL_LATER_ATTRIBUTE_ROWS,
    End(),
};

MqscParam plAlterChannel[] = {
    Head(&cmdAlterChannel, kGlue),
    Obj(&kwChannel, kQuoted),
    Opt(&kwForce, kNone),
    Req(&kwChlType, kParen),
    ZEM_CHANNEL_ATTRIBUTE_ROWS,
    ZEM_CHANNEL_LATER_ATTRIBUTE_ROWS,
    End(),
};

#undef ZEM_CHANNEL_ATTRIBUTE_ROWS
#undef ZEM_CHANNEL_LATER_ATTRIBUTE_ROWS

MqscParam plDeleteChannel[] = {
    Head(&cmdDeleteChannel, kGlue), Obj(&kwChannel, kQuoted),      Opt(&kwChlTable, kParen, kDist),
    Opt(&kwCmdScope, kParen, kZos), Opt(&kwQsgDisp, kParen, kZos), End(),
};

MqscParam plResolveChannel[] = {
    Head(&cmdResolveChannel, kGlue), Obj(&kwChannel, kQuoted),       Req(&kwResolveAction, kParen),
    Opt(&kwChlDisp, kParen, kZos),   Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plResetChannel[] = {
    Head(&cmdResetChannel, kGlue), Obj(&kwChannel, kQuoted),       Opt(&kwSeqNum, kInt),
    Opt(&kwChlDisp, kParen, kZos), Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plPingChannel[] = {
    Head(&cmdPingChannel, kGlue),  Obj(&kwChannel, kQuoted),       Opt(&kwDataLen, kInt),
    Opt(&kwChlDisp, kParen, kZos), Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plStartChannel[] = {
    Head(&cmdStartChannel, kGlue),
    Obj(&kwChannel, kQuoted),
    Opt(&kwChlDisp, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(),
};

MqscParam plStopChannel[] = {
    Head(&cmdStopChannel, kGlue),  Obj(&kwChannel, kQuoted),       Opt(&kwQmName, kParen),
    Opt(&kwConName, kQuoted),      Opt(&kwMode, kParen),           Opt(&kwChannelStatus, kParen),
    Opt(&kwChlDisp, kParen, kZos), Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plStartChinitListener[] = {
    Head(&cmdStartChinitListener, kGlue),
    Opt(&kwForce, kNone),
    Opt(&kwInDisp, kParen, kZos),
    Opt(&kwChinitIpAddr, kParen, kZos),
    Opt(&kwChinitPort, kParen, kZos),
    Opt(&kwChinitLuName, kParen, kZos),
    Opt(&kwTrpType, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    End(),
};

MqscParam plStopChinitListener[] = {
    Head(&cmdStopChinitListener, kGlue), Opt(&kwForce, kNone),
    Opt(&kwInDisp, kParen, kZos),        Opt(&kwChinitIpAddr, kParen, kZos),
    Opt(&kwChinitPort, kParen, kZos),    Opt(&kwTrpType, kParen),
    Opt(&kwCmdScope, kParen, kZos),      End(),
};

MqscParam plStartChinit[] = {
    Head(&cmdStartChinit, kGlue), Opt(&kwInitQ, kQuoted),         Opt(&kwEnvParm, kParen, kZos),
    Opt(&kwParm, kParen, kZos),   Opt(&kwCmdScope, kParen, kZos), End(),
};

MqscParam plStopChinit[] = {
    Head(&cmdStopChinit, kGlue),
    Opt(&kwChinitShared, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plDisplayChinit[] = {
    Head(&cmdDisplayChinit),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel600),
};

MqscParam plDisplayChstatus[] = {
    Head(&cmdDisplayChstatus, kGlue),
    Obj(&kwChStatus, kQuoted),
    Opt(&kwXmitQ, kParen),
    Opt(&kwConName, kParen),
    Pos(&kwInstanceType, kWord),
    Attr(&kwAll, kNone),
    Attr(&kwChannelStatus, kParen),
    Attr(&kwInDoubt, kParen),
    Attr(&kwLstSeqNo, kInt),
    Attr(&kwLstLuwId, kQuoted),
    Attr(&kwCurMsgs, kInt),
    Attr(&kwCurSeqNo, kInt),
    Attr(&kwCurLuwId, kQuoted),
    Attr(&kwLstMsgTi, kQuoted),
    Attr(&kwLstMsgDa, kQuoted),
    Attr(&kwMsgs, kInt),
    Attr(&kwBytsSent, kInt),
    Attr(&kwBytsRcvd, kInt),
    Attr(&kwBatches, kInt),
    Attr(&kwChStaTi, kQuoted),
    Attr(&kwChStaDa, kQuoted),
    Attr(&kwBufsSent, kInt),
    Attr(&kwBufsRcvd, kInt),
    Attr(&kwLongRts, kInt),
    Attr(&kwShortRts, kInt),
    Attr(&kwStopReq, kParen),
    Attr(&kwRqmName, kQuoted),
    Attr(&kwLoclAddr, kQuoted, kEvery, kLevel530),
    Attr(&kwSslShortPeer, kQuoted, kEvery, kLevel530),
    Opt(&kwChlDisp, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwChlType, kParen, kEvery, kLevel750),
    Attr(&kwHbInt, kInt),
    Attr(&kwMaxMsgLChannel, kInt, kZos),
    Attr(&kwNpmSpeed, kParen),
    Attr(&kwQmName, kQuoted, kZos),
    Attr(&kwBatchSz, kInt, kEvery, kLevel750),
    Attr(&kwKaInt, kInt, kZos, kLevel750),
    Attr(&kwMonChl, kParen, kEvery, kLevel750),
    Attr(&kwCompHdr, kParen, kEvery, kLevel750),
    Attr(&kwCompMsg, kParen, kEvery, kLevel750),
    Attr(&kwRApplTag, kQuoted, kEvery, kLevel750),
    Attr(&kwSubState, kParen, kEvery, kLevel600),
    Attr(&kwCurShCnv, kInt, kEvery, kLevel750),
    Attr(&kwMcaUser, kQuoted, kEvery, kLevel800),
    Attr(&kwSslCertU, kQuoted, kZos, kLevel800),
    Attr(&kwSslCertI, kQuoted, kEvery, kLevel800),
    Attr(&kwSslKeyDa, kQuoted, kEvery, kLevel800),
    Attr(&kwSslKeyTi, kQuoted, kEvery, kLevel800),
    Attr(&kwSslRKeys, kInt, kEvery, kLevel800),
    Attr(&kwMaxShCnv, kInt, kEvery, kLevel800),
    Attr(&kwRVersion, kQuoted, kEvery, kLevel800),
    Attr(&kwRProduct, kQuoted, kEvery, kLevel800),
    Attr(&kwXqMsgsA, kInt, kEvery, kLevel800),
    Attr(&kwStatChl, kParen, kZos, kLevel910),
    Attr(&kwSslCiph, kQuoted, kEvery, kLevel910),
    Attr(&kwSecProt, kParen, kEvery, kLevel800),
    End(),
};

}  // namespace

MqscKeyword cmdDisplayChannelNames = Command(MQCMD_INQUIRE_CHANNEL_NAMES, "DISPLAY CHANNEL", plDisplayChannelNames);
MqscKeyword cmdDisplayChannel = Command(MQCMD_INQUIRE_CHANNEL, "DISPLAY CHANNEL", plDisplayChannel);
MqscKeyword cmdDefineChannel = Command(MQCMD_CREATE_CHANNEL, "DEFINE CHANNEL", plDefineChannel);
MqscKeyword cmdDefineChannelLike = Command(MQCMD_COPY_CHANNEL, "DEFINE CHANNEL", plDefineChannelLike);
MqscKeyword cmdAlterChannel = Command(MQCMD_CHANGE_CHANNEL, "ALTER CHANNEL", plAlterChannel);
MqscKeyword cmdDeleteChannel = Command(MQCMD_DELETE_CHANNEL, "DELETE CHANNEL", plDeleteChannel);
MqscKeyword cmdResolveChannel = Command(MQCMD_RESOLVE_CHANNEL, "RESOLVE CHANNEL", plResolveChannel);
MqscKeyword cmdResetChannel = Command(MQCMD_RESET_CHANNEL, "RESET CHANNEL", plResetChannel);
MqscKeyword cmdPingChannel = Command(MQCMD_PING_CHANNEL, "PING CHANNEL", plPingChannel);
MqscKeyword cmdStartChannel = Command(MQCMD_START_CHANNEL, "START CHANNEL", plStartChannel);
MqscKeyword cmdStopChannel = Command(MQCMD_STOP_CHANNEL, "STOP CHANNEL", plStopChannel);
MqscKeyword cmdStartChinitListener = Command(MQCMD_START_CHANNEL_LISTENER, "START LISTENER ", plStartChinitListener);
MqscKeyword cmdStopChinitListener = Command(MQCMD_STOP_CHANNEL_LISTENER, "STOP LISTENER ", plStopChinitListener);
MqscKeyword cmdStartChinit = Command(MQCMD_START_CHANNEL_INIT, "START CHINIT ", plStartChinit);
MqscKeyword cmdStopChinit = Command(MQCMD_STOP_CHANNEL_INIT, "STOP CHINIT ", plStopChinit, kZos);
MqscKeyword cmdDisplayChinit = Command(MQCMD_INQUIRE_CHANNEL_INIT, "DISPLAY CHINIT", plDisplayChinit, kZos, kLevel600);
MqscKeyword cmdDisplayChstatus = Command(MQCMD_INQUIRE_CHANNEL_STATUS, "DISPLAY CHSTATUS", plDisplayChstatus);

}  // namespace zem::table
