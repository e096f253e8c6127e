// Namelists.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwNamelist = Str(MQCA_NAMELIST_NAME, "NAMELIST");
MqscKeyword kwToNamelist = Str(MQCACF_TO_NAMELIST_NAME, "NAMELIST");
MqscKeyword kwLikeNamelist = Str(MQCACF_FROM_NAMELIST_NAME, "LIKE");
MqscKeyword kwDescrNamelist = Str(MQCA_NAMELIST_DESC, "DESCR");
MqscKeyword kwNamCount = Int(MQIA_NAME_COUNT, "NAMCOUNT");
MqscKeyword kwNames = StrList(MQCA_NAMES, "NAMES");
MqscKeyword kwNamesText = List(EXCA_NAMES_LIST, "");

MqscKeyword vMQNT_NONE = Value(MQNT_NONE, "NONE");
MqscKeyword vMQNT_Q = Value(MQNT_Q, "QUEUE");
MqscKeyword vMQNT_CLUSTER = Value(MQNT_CLUSTER, "CLUSTER");
MqscKeyword vMQNT_AUTH_INFO = Value(MQNT_AUTH_INFO, "AUTHINFO");
MqscKeyword *vlNamelistType[] = {&vMQNT_NONE, &vMQNT_Q, &vMQNT_CLUSTER, &vMQNT_AUTH_INFO, nullptr};
MqscKeyword kwNlType = Enum(MQIA_NAMELIST_TYPE, "NLTYPE", vlNamelistType, kZos, kLevel600);

MqscParam plDisplayNamelistNames[] = {
    Head(&cmdDisplayNamelistNames, kGlue),
    Obj(&kwNamelist, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

MqscParam plDisplayNamelist[] = {
    Head(&cmdDisplayNamelist, kGlue),
    Obj(&kwNamelist, kQuoted),
    Attr(&kwAll, kNone),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Attr(&kwDescrNamelist, kQuoted),
    Attr(&kwNamCount, kInt),
    Attr(&kwNames, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwNlType, kParen, kZos, kLevel600),
    End(),
};

MqscParam plDefineNamelist[] = {
    Head(&cmdDefineNamelist, kGlue),
    Obj(&kwNamelist, kQuoted),
    Opt(&kwReplace, kWord),
    Opt(&kwDescrNamelist, kQuoted),
    Opt(&kwNames, kParen),
    // The MQSC writer ends the text here; CMDSCOPE and QSGDISP are still found by lookups.
    StopHere(&kwNamesText, kParen),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Opt(&kwNlType, kParen, kZos, kLevel600),
    End(),
};

MqscParam plAlterNamelist[] = {
    Head(&cmdAlterNamelist, kGlue),          Obj(&kwNamelist, kQuoted),
    Opt(&kwDescrNamelist, kQuoted),          Opt(&kwNames, kParen),
    Opt(&kwCmdScope, kParen, kZos),          Opt(&kwQsgDisp, kParen, kZos),
    Opt(&kwNlType, kParen, kZos, kLevel600), End(),
};

MqscParam plDefineNamelistLike[] = {
    Head(&cmdDefineNamelistLike, kGlue),     Obj(&kwToNamelist, kQuoted),
    Req(&kwLikeNamelist, kQuoted),           Opt(&kwReplace, kWord),
    Opt(&kwDescrNamelist, kQuoted),          Opt(&kwNames, kParen),
    Opt(&kwCmdScope, kParen, kZos),          Opt(&kwQsgDisp, kParen, kZos),
    Opt(&kwNlType, kParen, kZos, kLevel600), End(),
};

MqscParam plDeleteNamelist[] = {
    Head(&cmdDeleteNamelist, kGlue),
    Obj(&kwNamelist, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(),
};

}  // namespace

MqscKeyword cmdDisplayNamelistNames = Command(MQCMD_INQUIRE_NAMELIST_NAMES, "DISPLAY NAMELIST", plDisplayNamelistNames);
MqscKeyword cmdDisplayNamelist = Command(MQCMD_INQUIRE_NAMELIST, "DISPLAY NAMELIST", plDisplayNamelist);
MqscKeyword cmdDefineNamelist = Command(MQCMD_CREATE_NAMELIST, "DEFINE NAMELIST", plDefineNamelist);
MqscKeyword cmdAlterNamelist = Command(MQCMD_CHANGE_NAMELIST, "ALTER NAMELIST", plAlterNamelist);
MqscKeyword cmdDefineNamelistLike = Command(MQCMD_COPY_NAMELIST, "DEFINE NAMELIST", plDefineNamelistLike);
MqscKeyword cmdDeleteNamelist = Command(MQCMD_DELETE_NAMELIST, "DELETE NAMELIST", plDeleteNamelist);

}  // namespace zem::table
