// Listener objects (distributed) and their status; START and STOP of a named listener.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwListener = Str(MQCACH_LISTENER_NAME, "LISTENER", kEvery, kLevel600);
MqscKeyword kwToListener = Str(MQCACF_TO_LISTENER_NAME, "LISTENER", kDist, kLevel600);
MqscKeyword kwLikeListener = Str(MQCACF_FROM_LISTENER_NAME, "LIKE", kDist, kLevel600);
MqscKeyword kwListenerControl = Enum(MQIACH_LISTENER_CONTROL, "CONTROL", vlServiceControl, kDist, kLevel600);
MqscKeyword kwDescrListener = Str(MQCACH_LISTENER_DESC, "DESCR", kDist, kLevel600);
MqscKeyword kwAdapter = Int(MQIACH_ADAPTER, "ADAPTER", kWindows, kLevel600);
MqscKeyword kwBacklog = Int(MQIACH_BACKLOG, "BACKLOG", kDist, kLevel600);
MqscKeyword kwCommands = Int(MQIACH_COMMAND_COUNT, "COMMANDS", kWindows, kLevel600);
MqscKeyword kwNtbNames = Int(MQIACH_NAME_COUNT, "NTBNAMES", kWindows, kLevel600);
MqscKeyword kwIpAddr = Str(MQCACH_IP_ADDRESS, "IPADDR", kEvery, kLevel600);
MqscKeyword kwListenerPort = Int(MQIACH_PORT, "PORT", kDist, kLevel600);
MqscKeyword kwSocket = Int(MQIACH_SOCKET, "SOCKET", kWindows, kLevel600);
MqscKeyword kwSessions = Int(MQIACH_SESSION_COUNT, "SESSIONS", kWindows, kLevel600);
MqscKeyword kwLoclName = Str(MQCACH_LOCAL_NAME, "LOCLNAME", kWindows, kLevel600);
MqscKeyword kwStartPort = Int(MQIACH_PORT_NUMBER, "PORT", kEvery, kLevel600);
MqscKeyword kwListenerLuName = Str(MQCACH_LU_NAME, "LUNAME", kEvery, kLevel600);
MqscKeyword kwListenerStatus = Enum(MQIACH_LISTENER_STATUS, "STATUS", vlServiceStatus, kDist, kLevel600);
MqscKeyword kwListenerStartDa = Str(MQCACH_LISTENER_START_DATE, "STARTDA", kDist, kLevel600);
MqscKeyword kwListenerStartTi = Str(MQCACH_LISTENER_START_TIME, "STARTTI", kDist, kLevel600);

MqscParam plDisplayListenerNames[] = {
    Head(&cmdDisplayListenerNames, kGlue),
    Obj(&kwListener, kQuoted, kEvery, kLevel600),
    End(kDist, kLevel600),
};

// DISPLAY LISTENER and DISPLAY LSSTATUS select these runs; the status list has BACKLOG a second
// time between them.
#define ZEM_LISTENER_CONTROL_INQUIRY_ROWS                                                                              \
    Attr(&kwTrpType, kParen), Attr(&kwListenerControl, kParen, kDist, kLevel600),                                      \
        Attr(&kwDescrListener, kQuoted, kDist, kLevel600), Attr(&kwAdapter, kInt, kWindows, kLevel600),                \
        Attr(&kwBacklog, kInt, kDist, kLevel600), Attr(&kwCommands, kInt, kWindows, kLevel600)

#define ZEM_LISTENER_ADDRESS_INQUIRY_ROWS                                                                              \
    Attr(&kwNtbNames, kInt, kWindows, kLevel600), Attr(&kwIpAddr, kParen, kEvery, kLevel600),                          \
        Attr(&kwListenerPort, kInt, kDist, kLevel600), Attr(&kwSocket, kInt, kWindows, kLevel600),                     \
        Attr(&kwSessions, kInt, kWindows, kLevel600), Attr(&kwLoclName, kQuoted, kWindows, kLevel600),                 \
        Attr(&kwTpName, kQuoted)

MqscParam plDisplayListener[] = {
    Head(&cmdDisplayListener, kGlue),
    Obj(&kwListener, kQuoted, kEvery, kLevel600),
    Attr(&kwAll, kNone),
    ZEM_LISTENER_CONTROL_INQUIRY_ROWS,
    ZEM_LISTENER_ADDRESS_INQUIRY_ROWS,
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    End(kDist, kLevel600),
};

// The listener attributes DEFINE, ALTER and the copying DEFINE set after the transport type;
// BACKLOG stands twice in them.
#define ZEM_LISTENER_ATTRIBUTE_ROWS                                                                                    \
    Opt(&kwListenerControl, kParen, kDist, kLevel600), Opt(&kwDescrListener, kQuoted, kDist, kLevel600),               \
        Opt(&kwAdapter, kInt, kWindows, kLevel600), Opt(&kwBacklog, kInt, kDist, kLevel600),                           \
        Opt(&kwCommands, kInt, kWindows, kLevel600), Opt(&kwBacklog, kInt, kDist, kLevel600),                          \
        Opt(&kwNtbNames, kInt, kWindows, kLevel600), Opt(&kwIpAddr, kParen, kEvery, kLevel600),                        \
        Opt(&kwListenerPort, kInt, kDist, kLevel600), Opt(&kwSocket, kInt, kWindows, kLevel600),                       \
        Opt(&kwSessions, kInt, kWindows, kLevel600), Opt(&kwLoclName, kQuoted, kWindows, kLevel600),                   \
        Opt(&kwTpName, kQuoted)

MqscParam plDefineListener[] = {
    Head(&cmdDefineListener, kGlue), Obj(&kwListener, kQuoted, kEvery, kLevel600),
    Req(&kwTrpType, kParen),         ZEM_LISTENER_ATTRIBUTE_ROWS,
    End(kDist, kLevel600),
};

MqscParam plAlterListener[] = {
    Head(&cmdAlterListener, kGlue), Obj(&kwListener, kQuoted, kEvery, kLevel600),
    Req(&kwTrpType, kParen),        ZEM_LISTENER_ATTRIBUTE_ROWS,
    End(kDist, kLevel600),
};

MqscParam plDefineListenerLike[] = {
    Head(&cmdDefineListenerLike, kGlue),
    Obj(&kwToListener, kQuoted, kDist, kLevel600),
    Req(&kwLikeListener, kQuoted, kDist, kLevel600),
    Opt(&kwTrpType, kParen),
    ZEM_LISTENER_ATTRIBUTE_ROWS,
    End(kDist, kLevel600),
};

#undef ZEM_LISTENER_ATTRIBUTE_ROWS

MqscParam plDeleteListener[] = {
    Head(&cmdDeleteListener, kGlue),
    Obj(&kwListener, kQuoted, kEvery, kLevel600),
    End(kDist, kLevel600),
};

MqscParam plStartListener[] = {
    Head(&cmdStartListener, kGlue),
    Obj(&kwListener, kQuoted, kEvery, kLevel600),
    Opt(&kwTrpType, kParen),
    Opt(&kwIpAddr, kParen, kEvery, kLevel600),
    Opt(&kwStartPort, kInt, kEvery, kLevel600),
    Opt(&kwListenerLuName, kParen, kEvery, kLevel600),
    Opt(&kwChlDisp, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel600),
};

MqscParam plStopListener[] = {
    Head(&cmdStopListener, kGlue),
    Obj(&kwListener, kQuoted, kEvery, kLevel600),
    Opt(&kwTrpType, kParen),
    Opt(&kwIpAddr, kParen, kEvery, kLevel600),
    Opt(&kwStartPort, kInt, kEvery, kLevel600),
    Opt(&kwListenerLuName, kQuoted, kEvery, kLevel600),
    Opt(&kwChlDisp, kParen, kZos),
    Opt(&kwCmdScope, kParen, kZos),
    End(kEvery, kLevel600),
};

MqscParam plDisplayLsstatus[] = {
    Head(&cmdDisplayLsstatus, kGlue),
    Obj(&kwListener, kQuoted, kEvery, kLevel600),
    ZEM_LISTENER_CONTROL_INQUIRY_ROWS,
    Attr(&kwBacklog, kInt, kDist, kLevel600),
    ZEM_LISTENER_ADDRESS_INQUIRY_ROWS,
    Attr(&kwListenerStatus, kParen, kDist, kLevel600),
    Attr(&kwPid, kInt, kDist, kLevel600),
    Attr(&kwListenerStartDa, kQuoted, kDist, kLevel600),
    Attr(&kwListenerStartTi, kQuoted, kDist, kLevel600),
    End(kDist, kLevel600),
};

#undef ZEM_LISTENER_CONTROL_INQUIRY_ROWS
#undef ZEM_LISTENER_ADDRESS_INQUIRY_ROWS

}  // namespace

MqscKeyword cmdDisplayListenerNames =
    Command(EXCMD_INQUIRE_LISTENER_NAMES, "DISPLAY LISTENER", plDisplayListenerNames, kDist, kLevel600);
MqscKeyword cmdDisplayListener =
    Command(MQCMD_INQUIRE_LISTENER, "DISPLAY LISTENER", plDisplayListener, kDist, kLevel600);
MqscKeyword cmdDefineListener = Command(MQCMD_CREATE_LISTENER, "DEFINE LISTENER", plDefineListener, kDist, kLevel600);
MqscKeyword cmdAlterListener = Command(MQCMD_CHANGE_LISTENER, "ALTER LISTENER", plAlterListener, kDist, kLevel600);
MqscKeyword cmdDefineListenerLike =
    Command(MQCMD_COPY_LISTENER, "DEFINE LISTENER", plDefineListenerLike, kDist, kLevel600);
MqscKeyword cmdDeleteListener = Command(MQCMD_DELETE_LISTENER, "DELETE LISTENER", plDeleteListener, kDist, kLevel600);
MqscKeyword cmdStartListener =
    Command(MQCMD_START_CHANNEL_LISTENER, "START LISTENER", plStartListener, kEvery, kLevel600);
MqscKeyword cmdStopListener = Command(MQCMD_STOP_CHANNEL_LISTENER, "STOP LISTENER", plStopListener, kEvery, kLevel600);
MqscKeyword cmdDisplayLsstatus =
    Command(MQCMD_INQUIRE_LISTENER_STATUS, "DISPLAY LSSTATUS", plDisplayLsstatus, kDist, kLevel600);

}  // namespace zem::table
