// The suite's own PCF parameter ids and the values of its own enumerations, for the
// MQSC keywords that IBM MQ's PCF has no parameter for (mostly z/OS system commands).
// Responses to z/OS commands carry these ids, so their numbers are fixed.
#pragma once
#include <cstdint>

namespace zem::ex {

// Queue status (z/OS connection details).
constexpr int32_t EXCA_ASID = 20041;
constexpr int32_t EXCA_PSB_NAME = 20042;
constexpr int32_t EXCA_PST_ID = 20043;
constexpr int32_t EXCA_TRANSACTION_ID = 20044;
constexpr int32_t EXCA_UR_ID = 20045;
// Subscriptions.
constexpr int32_t EXCA_PUB_ACCOUNTING_TOKEN = 20047;
constexpr int32_t EXCA_DEST_CORREL_ID = 20048;
// The namelist names as one list text.
constexpr int32_t EXCA_NAMES_LIST = 20337;
// EXPRYINT(OFF) of the queue manager.
constexpr int32_t EXIA_EXPIRY_INTERVAL_OFF = 20426;
// The channel initiator's listeners and the channel initiator itself. TASKNO and INDISP
// share one id.
constexpr int32_t EXIA_TASK_NUMBER = 20601;
constexpr int32_t EXIA_INBOUND_DISP = 20601;
constexpr int32_t EXCA_LISTENER_IP_ADDRESS = 20602;
constexpr int32_t EXCA_LISTENER_PORT = 20603;
constexpr int32_t EXCA_LISTENER_LU_NAME = 20604;
constexpr int32_t EXCA_CHINIT_ENV_PARM = 20605;
constexpr int32_t EXCA_CHINIT_PARM = 20606;
constexpr int32_t EXIA_CHINIT_SHARED = 20607;
// MOVE QLOCAL.
constexpr int32_t EXIA_MOVE_TYPE = 20611;
constexpr int32_t EXCA_TO_Q_LOCAL = 20612;
// ARCHIVE LOG and SET LOG.
constexpr int32_t EXIA_CANCEL_OFFLOAD = 20631;
constexpr int32_t EXIA_ARCHIVE_TIME = 20632;
constexpr int32_t EXIA_ARCHIVE_WAIT = 20633;
constexpr int32_t EXIA_SET_DEFAULT = 20634;
constexpr int32_t EXIA_LOG_DEALLOC_INTERVAL = 20635;
constexpr int32_t EXIA_LOG_MAX_READ_TAPES = 20637;
constexpr int32_t EXIA_LOG_MAX_ARCHIVE = 20639;
constexpr int32_t EXIA_LOG_WRITE_THRESHOLD = 20640;
// SET ARCHIVE.
constexpr int32_t EXIA_ARC_ALLOC_UNIT = 20641;
constexpr int32_t EXCA_ARC_PREFIX1 = 20642;
constexpr int32_t EXCA_ARC_PREFIX2 = 20643;
constexpr int32_t EXIA_ARC_RETENTION = 20644;
constexpr int32_t EXCA_ARC_ROUTE_CODES = 20645;
constexpr int32_t EXIA_ARC_WTOR = 20646;
constexpr int32_t EXIA_ARC_BLOCK_SIZE = 20647;
constexpr int32_t EXIA_ARC_CATALOG = 20648;
constexpr int32_t EXIA_ARC_COMPACT = 20649;
constexpr int32_t EXIA_ARC_PRIMARY_QTY = 20650;
constexpr int32_t EXIA_ARC_SECONDARY_QTY = 20651;
constexpr int32_t EXIA_ARC_PROTECT = 20652;
constexpr int32_t EXIA_ARC_QUIESCE = 20653;
constexpr int32_t EXIA_ARC_TIMESTAMP = 20654;
constexpr int32_t EXCA_ARC_UNIT = 20655;
constexpr int32_t EXCA_ARC_UNIT2 = 20656;
// SET SYSTEM.
constexpr int32_t EXIA_SYS_CTHREAD = 20671;
constexpr int32_t EXIA_SYS_IDBACK = 20672;
constexpr int32_t EXIA_SYS_IDFORE = 20673;
constexpr int32_t EXIA_SYS_LOGLOAD = 20674;
constexpr int32_t EXIA_SYS_STATIME = 20675;
constexpr int32_t EXIA_SYS_TRACTBL = 20676;
// Security.
constexpr int32_t EXIA_SEC_INTERVAL = 20681;
constexpr int32_t EXIA_SEC_TIMEOUT = 20682;
constexpr int32_t EXCA_SEC_USER_ID = 20683;
constexpr int32_t EXIA_SEC_CLASS = 20684;
// Coupling facility structures.
constexpr int32_t EXIA_CF_LEVEL = 20691;
constexpr int32_t EXIA_CF_RECOVER = 20692;
constexpr int32_t EXCA_CF_STRUC_NAME = 20693;
constexpr int32_t EXCA_CF_FROM_STRUC_NAME = 20694;
constexpr int32_t EXIA_CF_EXCLUDE_INTERVAL = 20695;
constexpr int32_t EXCA_CF_BACKUP_STRUC_NAME = 20696;
constexpr int32_t EXIA_CF_RECOVER_TYPE = 20697;
constexpr int32_t EXIA_CF_STATUS_TYPE = 20698;
constexpr int32_t EXIA_CF_TYPE = 20699;
constexpr int32_t EXIA_CF_STATUS = 20700;
constexpr int32_t EXIA_CF_SIZE_MAX = 20701;
constexpr int32_t EXIA_CF_SIZE_USED = 20702;
constexpr int32_t EXIA_CF_ENTRIES_MAX = 20703;
constexpr int32_t EXIA_CF_ENTRIES_USED = 20704;
constexpr int32_t EXCA_CF_SYSTEM_NAME = 20705;
constexpr int32_t EXCA_CF_FAIL_TIME = 20706;
constexpr int32_t EXCA_CF_FAIL_DATE = 20707;
constexpr int32_t EXCA_CF_BACKUP_TIME = 20708;
constexpr int32_t EXCA_CF_BACKUP_DATE = 20709;
constexpr int32_t EXIA_CF_BACKUP_SIZE = 20710;
constexpr int32_t EXCA_CF_BACKUP_START_RBA = 20711;
constexpr int32_t EXCA_CF_BACKUP_END_RBA = 20712;

// Values of the suite's own enumerations.
constexpr int32_t EXVAL_NO = 0;
constexpr int32_t EXVAL_YES = 1;
constexpr int32_t EXINDISP_GROUP = 0;
constexpr int32_t EXINDISP_Q_MGR = 1;
constexpr int32_t EXSHARED_STOP = 0;
constexpr int32_t EXSHARED_RESTART = 1;
constexpr int32_t EXMOVE_MOVE = 0;
constexpr int32_t EXMOVE_ADD = 1;
constexpr int32_t EXCANCEL_OFFLOAD = 1;
constexpr int32_t EXDEFAULT = 1;
constexpr int32_t EXALCUNIT_CYL = 0;
constexpr int32_t EXALCUNIT_TRK = 1;
constexpr int32_t EXALCUNIT_BLK = 2;
constexpr int32_t EXTSTAMP_EXT = 2;
constexpr int32_t EXSECCLASS_ALL = 0;
constexpr int32_t EXSECCLASS_MQADMIN = 1;
constexpr int32_t EXSECCLASS_MQQUEUE = 2;
constexpr int32_t EXSECCLASS_MQPROC = 3;
constexpr int32_t EXSECCLASS_MQNLIST = 4;
constexpr int32_t EXCFRECOVER_NORMAL = 0;
constexpr int32_t EXCFRECOVER_PURGE = 1;
constexpr int32_t EXCFSTATUSTYPE_SUMMARY = 0;
constexpr int32_t EXCFSTATUSTYPE_CONNECT = 1;
constexpr int32_t EXCFSTATUSTYPE_BACKUP = 2;
constexpr int32_t EXCFTYPE_ADMIN = 0;
constexpr int32_t EXCFTYPE_APPL = 1;
constexpr int32_t EXCFSTATUS_ACTIVE = 0;
constexpr int32_t EXCFSTATUS_FAILED = 1;
constexpr int32_t EXCFSTATUS_NOT_FOUND = 2;
constexpr int32_t EXCFSTATUS_IN_BACKUP = 3;
constexpr int32_t EXCFSTATUS_IN_RECOVER = 4;
constexpr int32_t EXCFSTATUS_NONE = 5;

}  // namespace zem::ex
