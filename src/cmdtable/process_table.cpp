// Process definitions.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwToProcess = Str(MQCACF_TO_PROCESS_NAME, "PROCESS");
MqscKeyword kwLikeProcess = Str(MQCACF_FROM_PROCESS_NAME, "LIKE");
MqscKeyword kwDescrProcess = Str(MQCA_PROCESS_DESC, "DESCR");

MqscKeyword vMQAT_MVS = Value(MQAT_MVS, "MVS");
MqscKeyword vMQAT_ZOS = Value(MQAT_ZOS, "ZOS");
MqscKeyword vMQAT_WINDOWS = Value(MQAT_WINDOWS, "WINDOWS");
MqscKeyword vMQAT_NSK = Value(MQAT_NSK, "NSK");
MqscKeyword vMQAT_VMS = Value(MQAT_VMS, "VMS");
MqscKeyword vMQAT_DOS = Value(MQAT_DOS, "DOS");
MqscKeyword vMQAT_OS2 = Value(MQAT_OS2, "OS2");
MqscKeyword vMQAT_OPEN_TP1 = Value(MQAT_OPEN_TP1, "OPENTP1");
MqscKeyword vMQAT_NOTES_AGENT = Value(MQAT_NOTES_AGENT, "NOTESAGENT");
MqscKeyword vMQAT_WLM = Value(MQAT_WLM, "WLM");
MqscKeyword vMQAT_DEFAULT = Value(MQAT_DEFAULT, "DEF");
MqscKeyword *vlApplType[] = {&vMQAT_CICS,     &vMQAT_IMS,         &vMQAT_MVS, &vMQAT_ZOS,     &vMQAT_OS400, &vMQAT_UNIX,
                             &vMQAT_WINDOWS,  &vMQAT_WINDOWS_NT,  &vMQAT_NSK, &vMQAT_VMS,     &vMQAT_DOS,   &vMQAT_OS2,
                             &vMQAT_OPEN_TP1, &vMQAT_NOTES_AGENT, &vMQAT_WLM, &vMQAT_DEFAULT, nullptr};
MqscKeyword kwApplType = Enum(MQIA_APPL_TYPE, "APPLTYPE", vlApplType);

MqscKeyword kwApplicId = Str(MQCA_APPL_ID, "APPLICID");
MqscKeyword kwUserData = Str(MQCA_USER_DATA, "USERDATA");
MqscKeyword kwEnvrData = Str(MQCA_ENV_DATA, "ENVRDATA");

MqscParam plDisplayProcessNames[] = {
    Head(&cmdDisplayProcessNames, kGlue),
    Obj(&kwProcess, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

MqscParam plDisplayProcess[] = {
    Head(&cmdDisplayProcess, kGlue),
    Obj(&kwProcess, kQuoted),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwDescrProcess, kQuoted),
    Attr(&kwApplType, kParen),
    Attr(&kwApplicId, kQuoted),
    Attr(&kwUserData, kQuoted),
    Attr(&kwEnvrData, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

// The process attributes ALTER, DEFINE and the copying DEFINE set, in this order.
#define ZEM_PROCESS_ATTRIBUTE_ROWS                                                                                     \
    Opt(&kwDescrProcess, kQuoted), Opt(&kwApplType, kParen), Opt(&kwApplicId, kQuoted), Opt(&kwUserData, kQuoted),     \
        Opt(&kwEnvrData, kQuoted), Opt(&kwCmdScope, kParen, kZos), Opt(&kwQsgDisp, kParen, kZos)

MqscParam plAlterProcess[] = {
    Head(&cmdAlterProcess, kGlue), Obj(&kwProcess, kQuoted), Opt(&kwForce, kNone), ZEM_PROCESS_ATTRIBUTE_ROWS, End(),
};

MqscParam plDefineProcess[] = {
    Head(&cmdDefineProcess, kGlue), Obj(&kwProcess, kQuoted), Opt(&kwReplace, kWord), ZEM_PROCESS_ATTRIBUTE_ROWS, End(),
};

MqscParam plDefineProcessLike[] = {
    Head(&cmdDefineProcessLike, kGlue), Obj(&kwToProcess, kQuoted),
    Req(&kwLikeProcess, kQuoted),       Opt(&kwReplace, kWord),
    ZEM_PROCESS_ATTRIBUTE_ROWS,         End(),
};

#undef ZEM_PROCESS_ATTRIBUTE_ROWS

MqscParam plDeleteProcess[] = {
    Head(&cmdDeleteProcess, kGlue),
    Obj(&kwProcess, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

}  // namespace

MqscKeyword cmdDisplayProcessNames = Command(MQCMD_INQUIRE_PROCESS_NAMES, "DISPLAY PROCESS", plDisplayProcessNames);
MqscKeyword cmdDisplayProcess = Command(MQCMD_INQUIRE_PROCESS, "DISPLAY PROCESS", plDisplayProcess);
MqscKeyword cmdAlterProcess = Command(MQCMD_CHANGE_PROCESS, "ALTER PROCESS", plAlterProcess);
MqscKeyword cmdDefineProcess = Command(MQCMD_CREATE_PROCESS, "DEFINE PROCESS", plDefineProcess);
MqscKeyword cmdDefineProcessLike = Command(MQCMD_COPY_PROCESS, "DEFINE PROCESS", plDefineProcessLike);
MqscKeyword cmdDeleteProcess = Command(MQCMD_DELETE_PROCESS, "DELETE PROCESS", plDeleteProcess);

}  // namespace zem::table
