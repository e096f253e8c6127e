// Service objects (distributed) and their status.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwService = Str(MQCA_SERVICE_NAME, "SERVICE", kDist, kLevel600);
MqscKeyword kwToService = Str(MQCACF_TO_SERVICE_NAME, "SERVICE", kDist, kLevel600);
MqscKeyword kwLikeService = Str(MQCACF_FROM_SERVICE_NAME, "LIKE", kDist, kLevel600);

MqscKeyword vMQSVC_TYPE_COMMAND = Value(MQSVC_TYPE_COMMAND, "COMMAND");
MqscKeyword vMQSVC_TYPE_SERVER = Value(MQSVC_TYPE_SERVER, "SERVER");
MqscKeyword *vlServiceType[] = {&vMQSVC_TYPE_COMMAND, &vMQSVC_TYPE_SERVER, nullptr};
MqscKeyword kwServType = Enum(MQIA_SERVICE_TYPE, "SERVTYPE", vlServiceType, kDist, kLevel600);

MqscKeyword kwServiceControl = Enum(MQIA_SERVICE_CONTROL, "CONTROL", vlServiceControl, kDist, kLevel600);
MqscKeyword kwDescrService = Str(MQCA_SERVICE_DESC, "DESCR", kDist, kLevel600);
MqscKeyword kwStartCmd = Str(MQCA_SERVICE_START_COMMAND, "STARTCMD", kDist, kLevel600);
MqscKeyword kwStartArg = Str(MQCA_SERVICE_START_ARGS, "STARTARG", kDist, kLevel600);
MqscKeyword kwStdOut = Str(MQCA_STDOUT_DESTINATION, "STDOUT", kDist, kLevel600);
MqscKeyword kwStdErr = Str(MQCA_STDERR_DESTINATION, "STDERR", kDist, kLevel600);
MqscKeyword kwStopCmd = Str(MQCA_SERVICE_STOP_COMMAND, "STOPCMD", kDist, kLevel600);
MqscKeyword kwStopArg = Str(MQCA_SERVICE_STOP_ARGS, "STOPARG", kDist, kLevel600);
MqscKeyword kwServiceStatus = Enum(MQIACF_SERVICE_STATUS, "STATUS", vlServiceStatus, kDist, kLevel600);
MqscKeyword kwServiceStartDa = Str(MQCACF_SERVICE_START_DATE, "STARTDA", kDist, kLevel600);
MqscKeyword kwServiceStartTi = Str(MQCACF_SERVICE_START_TIME, "STARTTI", kDist, kLevel600);

MqscParam plDisplayServiceNames[] = {
    Head(&cmdDisplayServiceNames, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    End(kDist, kLevel600),
};

// The service attributes DISPLAY SERVICE and DISPLAY SVSTATUS select.
#define ZEM_SERVICE_INQUIRY_ROWS                                                                                       \
    Attr(&kwServType, kParen, kDist, kLevel600), Attr(&kwServiceControl, kParen, kDist, kLevel600),                    \
        Attr(&kwDescrService, kQuoted, kDist, kLevel600), Attr(&kwStartCmd, kQuoted, kDist, kLevel600),                \
        Attr(&kwStartArg, kQuoted, kDist, kLevel600), Attr(&kwStdOut, kQuoted, kDist, kLevel600),                      \
        Attr(&kwStdErr, kQuoted, kDist, kLevel600), Attr(&kwStopCmd, kQuoted, kDist, kLevel600),                       \
        Attr(&kwStopArg, kQuoted, kDist, kLevel600)

MqscParam plDisplayService[] = {
    Head(&cmdDisplayService, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    Attr(&kwAll, kNone),
    ZEM_SERVICE_INQUIRY_ROWS,
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    End(kDist, kLevel600),
};

// The service attributes DEFINE, ALTER and the copying DEFINE set.
#define ZEM_SERVICE_ATTRIBUTE_ROWS                                                                                     \
    Opt(&kwServType, kParen, kDist, kLevel600), Opt(&kwServiceControl, kParen, kDist, kLevel600),                      \
        Opt(&kwDescrService, kQuoted, kDist, kLevel600), Opt(&kwStartCmd, kQuoted, kDist, kLevel600),                  \
        Opt(&kwStartArg, kQuoted, kDist, kLevel600), Opt(&kwStdOut, kQuoted, kDist, kLevel600),                        \
        Opt(&kwStdErr, kQuoted, kDist, kLevel600), Opt(&kwStopCmd, kQuoted, kDist, kLevel600),                         \
        Opt(&kwStopArg, kQuoted, kDist, kLevel600)

MqscParam plDefineService[] = {
    Head(&cmdDefineService, kGlue), Obj(&kwService, kQuoted, kDist, kLevel600),
    ZEM_SERVICE_ATTRIBUTE_ROWS,     Opt(&kwReplace, kWord),
    End(kDist, kLevel600),
};

MqscParam plAlterService[] = {
    Head(&cmdAlterService, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    ZEM_SERVICE_ATTRIBUTE_ROWS,
    End(kDist, kLevel600),
};

MqscParam plDefineServiceLike[] = {
    Head(&cmdDefineServiceLike, kGlue),
    Obj(&kwToService, kQuoted, kDist, kLevel600),
    Req(&kwLikeService, kQuoted, kDist, kLevel600),
    ZEM_SERVICE_ATTRIBUTE_ROWS,
    Opt(&kwReplace, kWord),
    End(kDist, kLevel600),
};

#undef ZEM_SERVICE_ATTRIBUTE_ROWS

MqscParam plDeleteService[] = {
    Head(&cmdDeleteService, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    End(kDist, kLevel600),
};

MqscParam plStartService[] = {
    Head(&cmdStartService, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    End(kDist, kLevel600),
};

MqscParam plStopService[] = {
    Head(&cmdStopService, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    End(kDist, kLevel600),
};

MqscParam plDisplaySvstatus[] = {
    Head(&cmdDisplaySvstatus, kGlue),
    Obj(&kwService, kQuoted, kDist, kLevel600),
    ZEM_SERVICE_INQUIRY_ROWS,
    Attr(&kwServiceStatus, kParen, kDist, kLevel600),
    Attr(&kwPid, kInt, kDist, kLevel600),
    Attr(&kwServiceStartDa, kQuoted, kDist, kLevel600),
    Attr(&kwServiceStartTi, kQuoted, kDist, kLevel600),
    End(kDist, kLevel600),
};

#undef ZEM_SERVICE_INQUIRY_ROWS

}  // namespace

MqscKeyword cmdDisplayServiceNames =
    Command(EXCMD_INQUIRE_SERVICE_NAMES, "DISPLAY SERVICE", plDisplayServiceNames, kDist, kLevel600);
MqscKeyword cmdDisplayService = Command(MQCMD_INQUIRE_SERVICE, "DISPLAY SERVICE", plDisplayService, kDist, kLevel600);
MqscKeyword cmdDefineService = Command(MQCMD_CREATE_SERVICE, "DEFINE SERVICE", plDefineService, kDist, kLevel600);
MqscKeyword cmdAlterService = Command(MQCMD_CHANGE_SERVICE, "ALTER SERVICE", plAlterService, kDist, kLevel600);
MqscKeyword cmdDefineServiceLike = Command(MQCMD_COPY_SERVICE, "DEFINE SERVICE", plDefineServiceLike, kDist, kLevel600);
MqscKeyword cmdDeleteService = Command(MQCMD_DELETE_SERVICE, "DELETE SERVICE", plDeleteService, kDist, kLevel600);
MqscKeyword cmdStartService = Command(MQCMD_START_SERVICE, "START SERVICE", plStartService, kDist, kLevel600);
MqscKeyword cmdStopService = Command(MQCMD_STOP_SERVICE, "STOP SERVICE", plStopService, kDist, kLevel600);
MqscKeyword cmdDisplaySvstatus =
    Command(MQCMD_INQUIRE_SERVICE_STATUS, "DISPLAY SVSTATUS", plDisplaySvstatus, kDist, kLevel600);

}  // namespace zem::table
