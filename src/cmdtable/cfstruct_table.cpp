// z/OS coupling facility structures.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwCfStruct = Str(EXCA_CF_STRUC_NAME, "CFSTRUCT", kZos, kLevel530);
MqscKeyword kwCfStructBackup = Str(EXCA_CF_BACKUP_STRUC_NAME, "CFSTRUCT", kZos, kLevel530);
MqscKeyword kwLikeCfStruct = Str(EXCA_CF_FROM_STRUC_NAME, "LIKE", kZos, kLevel530);
MqscKeyword kwDescrCfStruct = Str(MQCA_CF_STRUC_DESC, "DESCR", kZos, kLevel530);
MqscKeyword kwCfLevel = Int(EXIA_CF_LEVEL, "CFLEVEL", kZos, kLevel530);
MqscKeyword kwCfRecover = Enum(EXIA_CF_RECOVER, "RECOVER", vlYesNo, kZos, kLevel530);
MqscKeyword kwExclInt = Int(EXIA_CF_EXCLUDE_INTERVAL, "EXCLINT", kZos, kLevel530);

MqscKeyword vMQCFCONLOS_TERMINATE = Value(MQCFCONLOS_TERMINATE, "TERMINATE");
MqscKeyword vMQCFCONLOS_TOLERATE = Value(MQCFCONLOS_TOLERATE, "TOLERATE");
MqscKeyword vMQCFCONLOS_ASQMGR = Value(MQCFCONLOS_ASQMGR, "ASQMGR");
MqscKeyword *vlCfConlos[] = {&vMQCFCONLOS_TERMINATE, &vMQCFCONLOS_TOLERATE, &vMQCFCONLOS_ASQMGR, nullptr};
MqscKeyword kwCfConlos = Enum(MQIA_CF_CFCONLOS, "CFCONLOS", vlCfConlos, kZos, kLevel710);

MqscKeyword vEXCFRECOVER_NORMAL = Value(EXCFRECOVER_NORMAL, "NORMAL");
MqscKeyword vEXCFRECOVER_PURGE = Value(EXCFRECOVER_PURGE, "PURGE");
MqscKeyword *vlCfRecoverType[] = {&vEXCFRECOVER_NORMAL, &vEXCFRECOVER_PURGE, nullptr};
MqscKeyword kwCfRecoverType = Enum(EXIA_CF_RECOVER_TYPE, "TYPE", vlCfRecoverType, kZos, kLevel530);

MqscKeyword vEXCFSTATUSTYPE_SUMMARY = Value(EXCFSTATUSTYPE_SUMMARY, "SUMMARY");
MqscKeyword vEXCFSTATUSTYPE_CONNECT = Value(EXCFSTATUSTYPE_CONNECT, "CONNECT");
MqscKeyword vEXCFSTATUSTYPE_BACKUP = Value(EXCFSTATUSTYPE_BACKUP, "BACKUP");
MqscKeyword *vlCfStatusType[] = {&vEXCFSTATUSTYPE_SUMMARY, &vEXCFSTATUSTYPE_CONNECT, &vEXCFSTATUSTYPE_BACKUP, nullptr};
MqscKeyword kwCfStatusType = Enum(EXIA_CF_STATUS_TYPE, "TYPE", vlCfStatusType, kZos, kLevel530);

MqscKeyword vEXCFTYPE_ADMIN = Value(EXCFTYPE_ADMIN, "ADMIN");
MqscKeyword vEXCFTYPE_APPL = Value(EXCFTYPE_APPL, "APPL");
MqscKeyword *vlCfType[] = {&vEXCFTYPE_ADMIN, &vEXCFTYPE_APPL, nullptr};
MqscKeyword kwCfType = Enum(EXIA_CF_TYPE, "CFTYPE", vlCfType, kZos, kLevel530);

MqscKeyword vEXCFSTATUS_ACTIVE = Value(EXCFSTATUS_ACTIVE, "ACTIVE");
MqscKeyword vEXCFSTATUS_FAILED = Value(EXCFSTATUS_FAILED, "FAILED");
MqscKeyword vEXCFSTATUS_NOT_FOUND = Value(EXCFSTATUS_NOT_FOUND, "NOTFOUND");
MqscKeyword vEXCFSTATUS_IN_BACKUP = Value(EXCFSTATUS_IN_BACKUP, "INBACKUP");
MqscKeyword vEXCFSTATUS_IN_RECOVER = Value(EXCFSTATUS_IN_RECOVER, "INRECOVER");
MqscKeyword vEXCFSTATUS_NONE = Value(EXCFSTATUS_NONE, "NONE");
MqscKeyword *vlCfStatus[] = {&vEXCFSTATUS_ACTIVE,
                             &vEXCFSTATUS_FAILED,
                             &vEXCFSTATUS_NOT_FOUND,
                             &vEXCFSTATUS_IN_BACKUP,
                             &vEXCFSTATUS_IN_RECOVER,
                             &vEXCFSTATUS_NONE,
                             nullptr};
MqscKeyword kwCfStatus = Enum(EXIA_CF_STATUS, "STATUS", vlCfStatus, kZos, kLevel530);

MqscKeyword kwSizeMax = Int(EXIA_CF_SIZE_MAX, "SIZEMAX", kZos, kLevel530);
MqscKeyword kwSizeUsed = Int(EXIA_CF_SIZE_USED, "SIZEUSED", kZos, kLevel530);
MqscKeyword kwEntsMax = Int(EXIA_CF_ENTRIES_MAX, "ENTSMAX", kZos, kLevel530);
MqscKeyword kwEntsUsed = Int(EXIA_CF_ENTRIES_USED, "ENTSUSED", kZos, kLevel530);
MqscKeyword kwFailTime = Str(EXCA_CF_FAIL_TIME, "FAILTIME", kZos, kLevel530);
MqscKeyword kwFailDate = Str(EXCA_CF_FAIL_DATE, "FAILDATE", kZos, kLevel530);
MqscKeyword kwSysName = Str(EXCA_CF_SYSTEM_NAME, "SYSNAME", kZos, kLevel530);
MqscKeyword kwBkupTime = Str(EXCA_CF_BACKUP_TIME, "BKUPTIME", kZos, kLevel530);
MqscKeyword kwBkupDate = Str(EXCA_CF_BACKUP_DATE, "BKUPDATE", kZos, kLevel530);
MqscKeyword kwBkupSize = Int(EXIA_CF_BACKUP_SIZE, "BKUPSIZE", kZos, kLevel530);
MqscKeyword kwBkupSrba = Str(EXCA_CF_BACKUP_START_RBA, "BKUPSRBA", kZos, kLevel530);
MqscKeyword kwBkupErba = Str(EXCA_CF_BACKUP_END_RBA, "BKUPERBA", kZos, kLevel530);

MqscParam plDisplayCfstruct[] = {
    Head(&cmdDisplayCfstruct, kGlue),
    Obj(&kwCfStruct, kQuoted, kZos, kLevel530),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwDescrCfStruct, kQuoted, kZos, kLevel530),
    Attr(&kwCfLevel, kInt, kZos, kLevel530),
    Attr(&kwCfRecover, kParen, kZos, kLevel530),
    Attr(&kwCfConlos, kParen, kZos, kLevel710),
    Attr(&kwDsBufs, kInt, kZos, kLevel710),
    Attr(&kwDsExpand, kParen, kZos, kLevel710),
    End(kZos, kLevel530),
};

// The structure attributes DEFINE, the copying DEFINE and ALTER set.
#define ZEM_CFSTRUCT_ATTRIBUTE_ROWS                                                                                    \
    Opt(&kwDescrCfStruct, kQuoted, kZos, kLevel530), Opt(&kwCfLevel, kInt, kZos, kLevel530),                           \
        Opt(&kwCfRecover, kParen, kZos, kLevel530), Opt(&kwCfConlos, kParen, kZos, kLevel710),                         \
        Opt(&kwDsBufs, kInt, kZos, kLevel710), Opt(&kwDsExpand, kParen, kZos, kLevel710)

MqscParam plDefineCfstruct[] = {
    Head(&cmdDefineCfstruct, kGlue),
    Obj(&kwCfStruct, kQuoted, kZos, kLevel530),
    Opt(&kwReplace, kWord),
    ZEM_CFSTRUCT_ATTRIBUTE_ROWS,
    End(kZos, kLevel530),
};

MqscParam plDefineCfstructLike[] = {
    Head(&cmdDefineCfstructLike, kGlue),
    Obj(&kwCfStruct, kQuoted, kZos, kLevel530),
    Req(&kwLikeCfStruct, kQuoted, kZos, kLevel530),
    Opt(&kwReplace, kWord),
    ZEM_CFSTRUCT_ATTRIBUTE_ROWS,
    End(kZos, kLevel530),
};

MqscParam plAlterCfstruct[] = {
    Head(&cmdAlterCfstruct, kGlue),
    Obj(&kwCfStruct, kQuoted, kZos, kLevel530),
    ZEM_CFSTRUCT_ATTRIBUTE_ROWS,
    End(kZos, kLevel530),
};

#undef ZEM_CFSTRUCT_ATTRIBUTE_ROWS

MqscParam plDeleteCfstruct[] = {
    Head(&cmdDeleteCfstruct, kGlue),
    Obj(&kwCfStruct, kQuoted, kZos, kLevel530),
    End(kZos, kLevel530),
};

MqscParam plBackupCfstruct[] = {
    Head(&cmdBackupCfstruct, kGlue),
    Obj(&kwCfStructBackup, kQuoted, kZos, kLevel530),
    Opt(&kwExclInt, kInt, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plRecoverCfstruct[] = {
    Head(&cmdRecoverCfstruct, kGlue),
    Obj(&kwCfStructBackup, kQuoted, kZos, kLevel530),
    Opt(&kwCfRecoverType, kParen, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plDisplayCfstatus[] = {
    Head(&cmdDisplayCfstatus, kGlue),
    Obj(&kwCfStruct, kQuoted, kZos, kLevel530),
    Opt(&kwCfStatusType, kParen, kZos, kLevel530),
    Attr(&kwCfType, kParen, kZos, kLevel530),
    Attr(&kwCfStatus, kParen, kZos, kLevel530),
    Attr(&kwSizeMax, kInt, kZos, kLevel530),
    Attr(&kwSizeUsed, kInt, kZos, kLevel530),
    Attr(&kwEntsMax, kInt, kZos, kLevel530),
    Attr(&kwEntsUsed, kInt, kZos, kLevel530),
    Attr(&kwFailTime, kQuoted, kZos, kLevel530),
    Attr(&kwFailDate, kQuoted, kZos, kLevel530),
    Attr(&kwQmName, kParen),
    Attr(&kwSysName, kQuoted, kZos, kLevel530),
    Attr(&kwBkupTime, kQuoted, kZos, kLevel530),
    Attr(&kwBkupDate, kQuoted, kZos, kLevel530),
    Attr(&kwBkupSize, kInt, kZos, kLevel530),
    Attr(&kwBkupSrba, kQuoted, kZos, kLevel530),
    Attr(&kwBkupErba, kQuoted, kZos, kLevel530),
    End(kZos, kLevel530),
};

// IBM MQ's own ids for the structure attributes, as its command server answers the
// inquiries under IBM's command codes.
MqscKeyword kwCfLevelMq = Int(MQIA_CF_LEVEL, "CFLEVEL", kZos, kLevel530);
MqscKeyword vMQCFR_YES = Value(MQCFR_YES, "YES");
MqscKeyword vMQCFR_NO = Value(MQCFR_NO, "NO");
MqscKeyword *vlCfRecoverMq[] = {&vMQCFR_YES, &vMQCFR_NO, nullptr};
MqscKeyword kwCfRecoverMq = Enum(MQIA_CF_RECOVER, "RECOVER", vlCfRecoverMq, kZos, kLevel530);

MqscKeyword vMQIACF_CF_STATUS_SUMMARY = Value(MQIACF_CF_STATUS_SUMMARY, "SUMMARY");
MqscKeyword vMQIACF_CF_STATUS_CONNECT = Value(MQIACF_CF_STATUS_CONNECT, "CONNECT");
MqscKeyword vMQIACF_CF_STATUS_BACKUP = Value(MQIACF_CF_STATUS_BACKUP, "BACKUP");
MqscKeyword *vlCfStatusTypeMq[] = {&vMQIACF_CF_STATUS_SUMMARY, &vMQIACF_CF_STATUS_CONNECT, &vMQIACF_CF_STATUS_BACKUP,
                                   nullptr};
MqscKeyword kwCfStatusTypeMq = Enum(MQIACF_CF_STATUS_TYPE, "TYPE", vlCfStatusTypeMq, kZos, kLevel530);

MqscParam plInquireCfstruct[] = {
    Head(&cmdInquireCfstruct, kGlue),
    Obj(&kwCfStrucName, kQuoted, kZos, kLevel530),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwDescrCfStruct, kQuoted, kZos, kLevel530),
    Attr(&kwCfLevelMq, kInt, kZos, kLevel530),
    Attr(&kwCfRecoverMq, kParen, kZos, kLevel530),
    Attr(&kwCfConlos, kParen, kZos, kLevel710),
    Attr(&kwDsBufs, kInt, kZos, kLevel710),
    Attr(&kwDsExpand, kParen, kZos, kLevel710),
    End(kZos, kLevel530),
};

// The status reply names the structure under its own keyword.
MqscKeyword kwCfStatusName = Str(MQCA_CF_STRUC_NAME, "CFSTATUS", kZos, kLevel530);

MqscParam plInquireCfstatus[] = {
    Head(&cmdInquireCfstatus, kGlue),
    Obj(&kwCfStrucName, kQuoted, kZos, kLevel530),
    Opt(&kwCfStatusTypeMq, kParen, kZos, kLevel530),
    Attr(&kwCfStatusName, kQuoted, kZos, kLevel530),
    End(kZos, kLevel530),
};

}  // namespace

MqscKeyword cmdDisplayCfstruct =
    Command(EXCMD_DISPLAY_CF_STRUC, "DISPLAY CFSTRUCT", plDisplayCfstruct, kZos, kLevel530);
MqscKeyword cmdDefineCfstruct = Command(EXCMD_CREATE_CF_STRUC, "DEFINE CFSTRUCT", plDefineCfstruct, kZos, kLevel530);
MqscKeyword cmdDefineCfstructLike =
    Command(EXCMD_COPY_CF_STRUC, "DEFINE CFSTRUCT", plDefineCfstructLike, kZos, kLevel530);
MqscKeyword cmdAlterCfstruct = Command(EXCMD_CHANGE_CF_STRUC, "ALTER CFSTRUCT", plAlterCfstruct, kZos, kLevel530);
MqscKeyword cmdDeleteCfstruct = Command(EXCMD_DELETE_CF_STRUC, "DELETE CFSTRUCT", plDeleteCfstruct, kZos, kLevel530);
MqscKeyword cmdBackupCfstruct = Command(EXCMD_BACKUP_CF_STRUC, "BACKUP CFSTRUCT", plBackupCfstruct, kZos, kLevel530);
MqscKeyword cmdRecoverCfstruct =
    Command(EXCMD_RECOVER_CF_STRUC, "RECOVER CFSTRUCT", plRecoverCfstruct, kZos, kLevel530);
MqscKeyword cmdDisplayCfstatus =
    Command(EXCMD_DISPLAY_CF_STATUS, "DISPLAY CFSTATUS", plDisplayCfstatus, kZos, kLevel530);
MqscKeyword cmdInquireCfstruct =
    Command(MQCMD_INQUIRE_CF_STRUC, "DISPLAY CFSTRUCT", plInquireCfstruct, kZos, kLevel530);
MqscKeyword cmdInquireCfstatus =
    Command(MQCMD_INQUIRE_CF_STRUC_STATUS, "DISPLAY CFSTATUS", plInquireCfstatus, kZos, kLevel530);

}  // namespace zem::table
