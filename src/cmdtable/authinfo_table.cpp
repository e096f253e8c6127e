// Authentication information objects.
#include "cmdtable/records.h"

namespace zem::table {
namespace {

MqscKeyword kwAuthInfo = Str(MQCA_AUTH_INFO_NAME, "AUTHINFO", kEvery, kLevel530);
MqscKeyword kwToAuthInfo = Str(MQCACF_TO_AUTH_INFO_NAME, "AUTHINFO", kEvery, kLevel530);
MqscKeyword kwLikeAuthInfo = Str(MQCACF_FROM_AUTH_INFO_NAME, "LIKE", kEvery, kLevel530);

MqscKeyword vMQAIT_CRL_LDAP = Value(MQAIT_CRL_LDAP, "CRLLDAP");
MqscKeyword vMQAIT_OCSP = Value(MQAIT_OCSP, "OCSP");
MqscKeyword vMQAIT_IDPW_OS = Value(MQAIT_IDPW_OS, "IDPWOS");
MqscKeyword vMQAIT_IDPW_LDAP = Value(MQAIT_IDPW_LDAP, "IDPWLDAP");
MqscKeyword *vlAuthInfoType[] = {&vMQAIT_CRL_LDAP, &vMQAIT_OCSP, &vMQAIT_IDPW_OS, &vMQAIT_IDPW_LDAP, nullptr};
MqscKeyword kwAuthType = Enum(MQIA_AUTH_INFO_TYPE, "AUTHTYPE", vlAuthInfoType, kEvery, kLevel530);

MqscKeyword kwDescrAuthInfo = Str(MQCA_AUTH_INFO_DESC, "DESCR", kEvery, kLevel530);
MqscKeyword kwAuthConName = Str(MQCA_AUTH_INFO_CONN_NAME, "CONNAME", kEvery, kLevel530);
MqscKeyword kwLdapUser = Str(MQCA_LDAP_USER_NAME, "LDAPUSER", kEvery, kLevel530);
MqscKeyword kwLdapPwd = Str(MQCA_LDAP_PASSWORD, "LDAPPWD", kEvery, kLevel530);
MqscKeyword kwOcspUrl = Str(MQCA_AUTH_INFO_OCSP_URL, "OCSPURL", kDist, kLevel700);

// Connection authentication: user ID and password checking.
MqscKeyword vMQADPCTX_YES = Value(MQADPCTX_YES, "YES");
MqscKeyword vMQADPCTX_NO = Value(MQADPCTX_NO, "NO");
MqscKeyword *vlAdoptContext[] = {&vMQADPCTX_YES, &vMQADPCTX_NO, nullptr};
MqscKeyword kwAdoptCtx = Enum(MQIA_ADOPT_CONTEXT, "ADOPTCTX", vlAdoptContext, kEvery, kLevel800);

MqscKeyword vMQCHK_NONE = Value(MQCHK_NONE, "NONE");
MqscKeyword vMQCHK_OPTIONAL = Value(MQCHK_OPTIONAL, "OPTIONAL");
MqscKeyword vMQCHK_REQUIRED = Value(MQCHK_REQUIRED, "REQUIRED");
MqscKeyword vMQCHK_REQUIRED_ADMIN = Value(MQCHK_REQUIRED_ADMIN, "REQDADM");
MqscKeyword *vlCheckBinding[] = {&vMQCHK_NONE, &vMQCHK_OPTIONAL, &vMQCHK_REQUIRED, &vMQCHK_REQUIRED_ADMIN, nullptr};
MqscKeyword kwChckClnt = Enum(MQIA_CHECK_CLIENT_BINDING, "CHCKCLNT", vlCheckBinding, kEvery, kLevel800);
MqscKeyword kwChckLocl = Enum(MQIA_CHECK_LOCAL_BINDING, "CHCKLOCL", vlCheckBinding, kEvery, kLevel800);
MqscKeyword kwFailDlay = Int(MQIA_AUTHENTICATION_FAIL_DELAY, "FAILDLAY", kEvery, kLevel800);

MqscParam plDisplayAuthInfoNames[] = {
    Head(&cmdDisplayAuthInfoNames, kGlue),
    Obj(&kwAuthInfo, kQuoted, kEvery, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    End(kEvery, kLevel530),
};

MqscParam plDisplayAuthInfo[] = {
    Head(&cmdDisplayAuthInfo, kGlue),
    Obj(&kwAuthInfo, kQuoted, kEvery, kLevel530),
    Attr(&kwAll, kNone),
    Attr(&kwAuthType, kParen, kEvery, kLevel530),
    Attr(&kwDescrAuthInfo, kQuoted, kEvery, kLevel530),
    Attr(&kwAuthConName, kQuoted, kEvery, kLevel530),
    Attr(&kwLdapUser, kQuoted, kEvery, kLevel530),
    Attr(&kwLdapPwd, kQuoted, kEvery, kLevel530),
    Attr(&kwOcspUrl, kQuoted, kDist, kLevel700),
    Attr(&kwAltDate, kQuoted),
    Attr(&kwAltTime, kQuoted),
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    Attr(&kwAdoptCtx, kParen, kEvery, kLevel800),
    Attr(&kwChckClnt, kParen, kEvery, kLevel800),
    Attr(&kwChckLocl, kParen, kEvery, kLevel800),
    Attr(&kwFailDlay, kInt, kEvery, kLevel800),
    End(kEvery, kLevel530),
};

// The LDAP server and OCSP settings the create, alter and copy lists share.
#define ZEM_AUTHINFO_SERVER_ROWS                                                                                       \
    Opt(&kwAuthConName, kQuoted, kEvery, kLevel530), Opt(&kwLdapUser, kQuoted, kEvery, kLevel530),                     \
        Opt(&kwLdapPwd, kQuoted, kEvery, kLevel530), Opt(&kwOcspUrl, kQuoted, kDist, kLevel700)

// Connection authentication settings, after the others in every list that sets them.
#define ZEM_AUTHINFO_CONNAUTH_ROWS                                                                                     \
    Opt(&kwAdoptCtx, kParen, kEvery, kLevel800), Opt(&kwChckClnt, kParen, kEvery, kLevel800),                          \
        Opt(&kwChckLocl, kParen, kEvery, kLevel800), Opt(&kwFailDlay, kInt, kEvery, kLevel800)

// DEFINE and its copying form set the same attributes in the same order.
#define ZEM_AUTHINFO_CREATE_ROWS                                                                                       \
    Req(&kwAuthType, kParen, kEvery, kLevel530), ZEM_AUTHINFO_SERVER_ROWS, Opt(&kwReplace, kWord),                     \
        Opt(&kwDescrAuthInfo, kQuoted, kEvery, kLevel530), Opt(&kwCmdScope, kParen, kZos),                             \
        Opt(&kwQsgDisp, kParen, kZos), ZEM_AUTHINFO_CONNAUTH_ROWS

MqscParam plDefineAuthInfo[] = {
    Head(&cmdDefineAuthInfo, kGlue),
    Obj(&kwAuthInfo, kQuoted, kEvery, kLevel530),
    ZEM_AUTHINFO_CREATE_ROWS,
    End(kEvery, kLevel530),
};

MqscParam plAlterAuthInfo[] = {
    Head(&cmdAlterAuthInfo, kGlue),
    Obj(&kwAuthInfo, kQuoted, kEvery, kLevel530),
    Opt(&kwDescrAuthInfo, kQuoted, kEvery, kLevel530),
    ZEM_AUTHINFO_SERVER_ROWS,
    Opt(&kwCmdScope, kParen, kZos),
    Opt(&kwQsgDisp, kParen, kZos),
    ZEM_AUTHINFO_CONNAUTH_ROWS,
    End(kEvery, kLevel530),
};

MqscParam plDefineAuthInfoLike[] = {
    Head(&cmdDefineAuthInfoLike, kGlue),
    Obj(&kwToAuthInfo, kQuoted, kEvery, kLevel530),
    Req(&kwLikeAuthInfo, kQuoted, kEvery, kLevel530),
    ZEM_AUTHINFO_CREATE_ROWS,
    End(kEvery, kLevel530),
};

#undef ZEM_AUTHINFO_SERVER_ROWS
#undef ZEM_AUTHINFO_CREATE_ROWS
#undef ZEM_AUTHINFO_CONNAUTH_ROWS

MqscParam plDeleteAuthInfo[] = {
    Head(&cmdDeleteAuthInfo, kGlue), Obj(&kwAuthInfo, kQuoted, kEvery, kLevel530),
    Opt(&kwCmdScope, kParen, kZos),  Opt(&kwQsgDisp, kParen, kZos),
    End(kEvery, kLevel530),
};

}  // namespace

MqscKeyword cmdDisplayAuthInfoNames =
    Command(MQCMD_INQUIRE_AUTH_INFO_NAMES, "DISPLAY AUTHINFO", plDisplayAuthInfoNames, kEvery, kLevel530);
MqscKeyword cmdDisplayAuthInfo =
    Command(MQCMD_INQUIRE_AUTH_INFO, "DISPLAY AUTHINFO", plDisplayAuthInfo, kEvery, kLevel530);
MqscKeyword cmdDefineAuthInfo = Command(MQCMD_CREATE_AUTH_INFO, "DEFINE AUTHINFO", plDefineAuthInfo, kEvery, kLevel530);
MqscKeyword cmdAlterAuthInfo = Command(MQCMD_CHANGE_AUTH_INFO, "ALTER AUTHINFO", plAlterAuthInfo, kEvery, kLevel530);
MqscKeyword cmdDefineAuthInfoLike =
    Command(MQCMD_COPY_AUTH_INFO, "DEFINE AUTHINFO", plDefineAuthInfoLike, kEvery, kLevel530);
MqscKeyword cmdDeleteAuthInfo = Command(MQCMD_DELETE_AUTH_INFO, "DELETE AUTHINFO", plDeleteAuthInfo, kEvery, kLevel530);

}  // namespace zem::table
