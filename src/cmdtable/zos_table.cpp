// z/OS log, group, archive, system parameter and security commands.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword vEXCANCEL_OFFLOAD = Value(EXCANCEL_OFFLOAD, "CANCEL OFFLOAD");
MqscKeyword *vlCancelOffload[] = {&vEXCANCEL_OFFLOAD, nullptr};
MqscKeyword kwCancelOffload = Enum(EXIA_CANCEL_OFFLOAD, "", vlCancelOffload, kZos);

MqscKeyword kwArchiveTime = Int(EXIA_ARCHIVE_TIME, "TIME", kZos);

MqscKeyword *vlNoYes[] = {&vEXVAL_NO, &vEXVAL_YES, nullptr};
MqscKeyword kwArchiveWait = Enum(EXIA_ARCHIVE_WAIT, "WAIT", vlNoYes, kZos);

MqscKeyword vEXDEFAULT = Value(EXDEFAULT, "DEFAULT");
MqscKeyword *vlDefault[] = {&vEXDEFAULT, nullptr};
MqscKeyword kwDefault = Enum(EXIA_SET_DEFAULT, "", vlDefault, kZos);

MqscKeyword kwDeallct = Int(EXIA_LOG_DEALLOC_INTERVAL, "DEALLCT", kZos);
MqscKeyword kwMaxRtu = Int(EXIA_LOG_MAX_READ_TAPES, "MAXRTU", kZos);
MqscKeyword kwMaxArch = Int(EXIA_LOG_MAX_ARCHIVE, "MAXARCH", kZos);
MqscKeyword kwWrThrsh = Int(EXIA_LOG_WRITE_THRESHOLD, "WRTHRSH", kZos);

MqscKeyword vEXALCUNIT_CYL = Value(EXALCUNIT_CYL, "CYL");
MqscKeyword vEXALCUNIT_TRK = Value(EXALCUNIT_TRK, "TRK");
MqscKeyword vEXALCUNIT_BLK = Value(EXALCUNIT_BLK, "BLK");
MqscKeyword *vlAllocUnit[] = {&vEXALCUNIT_CYL, &vEXALCUNIT_TRK, &vEXALCUNIT_BLK, nullptr};
MqscKeyword kwAlcUnit = Enum(EXIA_ARC_ALLOC_UNIT, "ALCUNIT", vlAllocUnit, kZos, kLevel530);

MqscKeyword kwArcPfx1 = Str(EXCA_ARC_PREFIX1, "ARCPFX1", kZos, kLevel530);
MqscKeyword kwArcPfx2 = Str(EXCA_ARC_PREFIX2, "ARCPFX2", kZos, kLevel530);
MqscKeyword kwArcRetn = Int(EXIA_ARC_RETENTION, "ARCRETN", kZos, kLevel530);
MqscKeyword kwArcWrtc = Str(EXCA_ARC_ROUTE_CODES, "ARCWRTC", kZos, kLevel530);
MqscKeyword kwArcWtor = Enum(EXIA_ARC_WTOR, "ARCWTOR", vlYesNo, kZos, kLevel530);
MqscKeyword kwBlkSize = Int(EXIA_ARC_BLOCK_SIZE, "BLKSIZE", kZos, kLevel530);
MqscKeyword kwCatalog = Enum(EXIA_ARC_CATALOG, "CATALOG", vlYesNo, kZos, kLevel530);
MqscKeyword kwCompact = Enum(EXIA_ARC_COMPACT, "COMPACT", vlYesNo, kZos, kLevel530);
MqscKeyword kwPriQty = Int(EXIA_ARC_PRIMARY_QTY, "PRIQTY", kZos, kLevel530);
MqscKeyword kwProtect = Enum(EXIA_ARC_PROTECT, "PROTECT", vlYesNo, kZos, kLevel530);
MqscKeyword kwQuiesce = Int(EXIA_ARC_QUIESCE, "QUIESCE", kZos, kLevel530);
MqscKeyword kwSecQty = Int(EXIA_ARC_SECONDARY_QTY, "SECQTY", kZos, kLevel530);

MqscKeyword vEXTSTAMP_EXT = Value(EXTSTAMP_EXT, "EXT");
MqscKeyword *vlTimestamp[] = {&vEXVAL_YES, &vEXVAL_NO, &vEXTSTAMP_EXT, nullptr};
MqscKeyword kwTStamp = Enum(EXIA_ARC_TIMESTAMP, "TSTAMP", vlTimestamp, kZos, kLevel530);

MqscKeyword kwUnit = Str(EXCA_ARC_UNIT, "UNIT", kZos, kLevel530);
MqscKeyword kwUnit2 = Str(EXCA_ARC_UNIT2, "UNIT2", kZos, kLevel530);
MqscKeyword kwCThread = Int(EXIA_SYS_CTHREAD, "CTHREAD", kZos, kLevel530);
MqscKeyword kwIdBack = Int(EXIA_SYS_IDBACK, "IDBACK", kZos, kLevel530);
MqscKeyword kwIdFore = Int(EXIA_SYS_IDFORE, "IDFORE", kZos, kLevel530);
MqscKeyword kwLogLoad = Int(EXIA_SYS_LOGLOAD, "LOGLOAD", kZos, kLevel530);
MqscKeyword kwStaTime = Int(EXIA_SYS_STATIME, "STATIME", kZos, kLevel530);
MqscKeyword kwTracTbl = Int(EXIA_SYS_TRACTBL, "TRACTBL", kZos, kLevel530);
MqscKeyword kwSecInterval = Int(EXIA_SEC_INTERVAL, "INTERVAL", kZos);
MqscKeyword kwSecTimeout = Int(EXIA_SEC_TIMEOUT, "TIMEOUT", kZos);
MqscKeyword kwSecUser = Str(EXCA_SEC_USER_ID, "SECURITY", kZos);

MqscKeyword vEXSECCLASS_ALL = Value(EXSECCLASS_ALL, "*");
MqscKeyword vEXSECCLASS_MQADMIN = Value(EXSECCLASS_MQADMIN, "MQADMIN");
MqscKeyword vEXSECCLASS_MQQUEUE = Value(EXSECCLASS_MQQUEUE, "MQQUEUE");
MqscKeyword vEXSECCLASS_MQPROC = Value(EXSECCLASS_MQPROC, "MQPROC");
MqscKeyword vEXSECCLASS_MQNLIST = Value(EXSECCLASS_MQNLIST, "MQNLIST");
MqscKeyword *vlSecurityClass[] = {&vEXSECCLASS_ALL,    &vEXSECCLASS_MQADMIN, &vEXSECCLASS_MQQUEUE,
                                  &vEXSECCLASS_MQPROC, &vEXSECCLASS_MQNLIST, nullptr};
MqscKeyword kwSecClass = Enum(EXIA_SEC_CLASS, "SECURITY", vlSecurityClass);

MqscParam plArchiveLog[] = {
    Head(&cmdArchiveLog),
    Opt(&kwCancelOffload, kWord, kZos),
    Opt(&kwMode, kParen),
    Opt(&kwArchiveTime, kInt, kZos),
    Opt(&kwArchiveWait, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plDisplayLog[] = {
    Head(&cmdDisplayLog),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plSetLog[] = {
    Head(&cmdSetLog),
    Pos(&kwDefault, kWord, kZos),
    Opt(&kwDeallct, kInt, kZos),
    Opt(&kwMaxRtu, kInt, kZos),
    Opt(&kwMaxArch, kInt, kZos),
    Opt(&kwWrThrsh, kInt, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plDisplayGroup[] = {
    Head(&cmdDisplayGroup),
    End(kZos, kLevel510),
};

MqscParam plDisplayArchive[] = {
    Head(&cmdDisplayArchive),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plSetArchive[] = {
    Head(&cmdSetArchive),
    Pos(&kwDefault, kWord, kZos),
    Opt(&kwAlcUnit, kParen, kZos, kLevel530),
    Opt(&kwArcPfx1, kParen, kZos, kLevel530),
    Opt(&kwArcPfx2, kParen, kZos, kLevel530),
    Opt(&kwArcRetn, kInt, kZos, kLevel530),
    Opt(&kwArcWrtc, kParen, kZos, kLevel530),
    Opt(&kwArcWtor, kParen, kZos, kLevel530),
    Opt(&kwBlkSize, kInt, kZos, kLevel530),
    Opt(&kwCatalog, kParen, kZos, kLevel530),
    Opt(&kwCompact, kParen, kZos, kLevel530),
    Opt(&kwPriQty, kInt, kZos, kLevel530),
    Opt(&kwProtect, kParen, kZos, kLevel530),
    Opt(&kwQuiesce, kInt, kZos, kLevel530),
    Opt(&kwSecQty, kInt, kZos, kLevel530),
    Opt(&kwTStamp, kParen, kZos, kLevel530),
    Opt(&kwUnit, kParen, kZos, kLevel530),
    Opt(&kwUnit2, kParen, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plDisplaySystem[] = {
    Head(&cmdDisplaySystem),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plSetSystem[] = {
    Head(&cmdSetSystem),
    Pos(&kwDefault, kWord, kZos),
    Opt(&kwCThread, kInt, kZos, kLevel530),
    Opt(&kwIdBack, kInt, kZos, kLevel530),
    Opt(&kwIdFore, kInt, kZos, kLevel530),
    Opt(&kwLogLoad, kInt, kZos, kLevel530),
    Opt(&kwStaTime, kInt, kZos, kLevel530),
    Opt(&kwTracTbl, kInt, kZos, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plDisplaySecurity[] = {
    Head(&cmdDisplaySecurity),
    Attr(&kwAll, kNone),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plAlterSecurity[] = {
    Head(&cmdAlterSecurity),        Opt(&kwSecInterval, kInt, kZos),
    Opt(&kwSecTimeout, kInt, kZos), Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plRverifySecurity[] = {
    Head(&cmdRverifySecurity, kGlue),
    Obj(&kwSecUser, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel510),
};

MqscParam plRefreshSecurity[] = {
    Head(&cmdRefreshSecurity, kGlue),
    Obj(&kwSecClass, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    End(),
};

// The same inquiries under IBM MQ's own PCF command codes, which a z/OS command server
// answers: the replies are reports without keywords, so the lists hold the request only.
MqscParam plInquireArchive[] = {
    Head(&cmdInquireArchive),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plInquireSecurity[] = {
    Head(&cmdInquireSecurity),
    Attr(&kwAll, kNone),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plInquireSystem[] = {
    Head(&cmdInquireSystem),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plInquireLog[] = {
    Head(&cmdInquireLog),
    Opt(&kwCmdScope, kParen, kZos),
    End(kZos, kLevel530),
};

MqscParam plInquireGroup[] = {
    Head(&cmdInquireGroup),
    End(kZos, kLevel530),
};

}  // namespace

MqscKeyword cmdArchiveLog = Command(EXCMD_ARCHIVE_LOG, "ARCHIVE LOG", plArchiveLog, kZos);
MqscKeyword cmdDisplayLog = Command(EXCMD_DISPLAY_LOG, "DISPLAY LOG", plDisplayLog, kZos);
MqscKeyword cmdSetLog = Command(EXCMD_SET_LOG, "SET LOG", plSetLog, kZos);
MqscKeyword cmdDisplayGroup = Command(EXCMD_DISPLAY_GROUP, "DISPLAY GROUP", plDisplayGroup, kZos);
MqscKeyword cmdDisplayArchive = Command(EXCMD_DISPLAY_ARCHIVE, "DISPLAY ARCHIVE", plDisplayArchive, kZos, kLevel530);
MqscKeyword cmdSetArchive = Command(EXCMD_SET_ARCHIVE, "SET ARCHIVE", plSetArchive, kZos, kLevel530);
MqscKeyword cmdDisplaySystem = Command(EXCMD_DISPLAY_SYSTEM, "DISPLAY SYSTEM", plDisplaySystem, kZos, kLevel530);
MqscKeyword cmdSetSystem = Command(EXCMD_SET_SYSTEM, "SET SYSTEM", plSetSystem, kZos, kLevel530);
MqscKeyword cmdDisplaySecurity = Command(EXCMD_DISPLAY_SECURITY, "DISPLAY SECURITY", plDisplaySecurity, kZos);
MqscKeyword cmdAlterSecurity = Command(EXCMD_CHANGE_SECURITY, "ALTER SECURITY", plAlterSecurity, kZos);
MqscKeyword cmdRverifySecurity = Command(EXCMD_VERIFY_SECURITY, "RVERIFY SECURITY", plRverifySecurity, kZos);
MqscKeyword cmdRefreshSecurity = Command(EXCMD_REFRESH_SECURITY, "REFRESH SECURITY", plRefreshSecurity);
MqscKeyword cmdInquireArchive = Command(MQCMD_INQUIRE_ARCHIVE, "DISPLAY ARCHIVE", plInquireArchive, kZos, kLevel530);
MqscKeyword cmdInquireSecurity =
    Command(MQCMD_INQUIRE_SECURITY, "DISPLAY SECURITY", plInquireSecurity, kZos, kLevel530);
MqscKeyword cmdInquireSystem = Command(MQCMD_INQUIRE_SYSTEM, "DISPLAY SYSTEM", plInquireSystem, kZos, kLevel530);
MqscKeyword cmdInquireLog = Command(MQCMD_INQUIRE_LOG, "DISPLAY LOG", plInquireLog, kZos, kLevel530);
MqscKeyword cmdInquireGroup = Command(MQCMD_INQUIRE_QSG, "DISPLAY GROUP", plInquireGroup, kZos, kLevel530);

}  // namespace zem::table
