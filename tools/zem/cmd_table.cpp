// zem table: the MQSC/PCF command table as the library hands it out (GetCmdTbl).
// zem build: a standard PCF request made by BuildPcfCmd, saved for 'zem pcf print'.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli.h"
#include "commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

const char kTableHelp[] =
    "usage: zem table [CODE | --at POSITION]\n"
    "\n"
    "Without an argument lists the command array in lookup order: the position, the PCF\n"
    "command code, its constant name, the MQSC verb (quoted: some end in a blank) and the\n"
    "number of parameters in its list ('-' when it has none).\n"
    "\n"
    "With CODE lists the parameter list of the first command with that code (the one a\n"
    "lookup by code finds); --at POSITION lists the command at that array position. One\n"
    "line per entry: position, keyword (\"\" for a value written alone), PCF parameter id\n"
    "and its constant name, record type, value format, use (1 required, 0 optional, 2\n"
    "end), value mode (1 keyword and value, 2 keyword alone), name mode (1 keyword\n"
    "written, 2 value only), the first MQ command level with the entry (530, 940 ...),\n"
    "and the value keywords of an enumeration as WORD=NUMBER.\n";

const char kBuildHelp[] =
    "usage: zem build --command N [--name X] [--value V] -o FILE\n"
    "\n"
    "Makes the standard request for PCF command N with BuildPcfCmd (the object name X,\n"
    "the integer V where the command takes one, and for inquiries a selector asking for\n"
    "all attributes) and saves it to FILE, which 'zem pcf print' lists.\n"
    "\n"
    "options:\n"
    "  --command N       the command code (MQCMD_ or EXCMD_ value)\n"
    "  --name X          the object name or text (default empty)\n"
    "  --value V         the command's integer (default 0)\n"
    "  -o, --output FILE the file to write\n"
    "\n"
    "Fails (exit 1, nothing written) when BuildPcfCmd reports 0: the command has no\n"
    "standard request, or a parameter could not be added.\n";

struct PcfMessageDeleter {
    void operator()(PcfMessage *pcf) const { DeletePcfMessage(pcf); }
};
using PcfMessagePtr = std::unique_ptr<PcfMessage, PcfMessageDeleter>;

const char *const kTypeNames[] = {"CMD", "FLAG", "INT", "STR", "STRLIST", "ENUM", "ENUMLIST", "LIST"};

const char *TypeName(int32_t type) { return type >= 0 && type <= 7 ? kTypeNames[type] : "?"; }

// Constant names of the parameter ids the table uses, in id order; the suite's own ids
// carry the suite's names. One id shared by two keywords has a name per keyword.
struct ConstantName {
    int32_t id;
    const char *name;
    const char *keyword = nullptr;  // nullptr: any keyword with this id
};

const ConstantName kParameterNames[] = {
    {1, "MQIA_APPL_TYPE"}, {2, "MQIA_CODED_CHAR_SET_ID"}, {3, "MQIA_CURRENT_Q_DEPTH"},
    {4, "MQIA_DEF_INPUT_OPEN_OPTION"}, {5, "MQIA_DEF_PERSISTENCE"}, {6, "MQIA_DEF_PRIORITY"},
    {7, "MQIA_DEFINITION_TYPE"}, {8, "MQIA_HARDEN_GET_BACKOUT"}, {9, "MQIA_INHIBIT_GET"},
    {10, "MQIA_INHIBIT_PUT"}, {11, "MQIA_MAX_HANDLES"}, {12, "MQIA_USAGE"}, {13, "MQIA_MAX_MSG_LENGTH"},
    {14, "MQIA_MAX_PRIORITY"}, {15, "MQIA_MAX_Q_DEPTH"}, {16, "MQIA_MSG_DELIVERY_SEQUENCE"},
    {17, "MQIA_OPEN_INPUT_COUNT"}, {18, "MQIA_OPEN_OUTPUT_COUNT"}, {19, "MQIA_NAME_COUNT"},
    {20, "MQIA_Q_TYPE"}, {21, "MQIA_RETENTION_INTERVAL"}, {22, "MQIA_BACKOUT_THRESHOLD"},
    {23, "MQIA_SHAREABILITY"}, {24, "MQIA_TRIGGER_CONTROL"}, {25, "MQIA_TRIGGER_INTERVAL"},
    {26, "MQIA_TRIGGER_MSG_PRIORITY"}, {27, "MQIA_CPI_LEVEL"}, {28, "MQIA_TRIGGER_TYPE"},
    {29, "MQIA_TRIGGER_DEPTH"},
    {30, "MQIA_SYNCPOINT"}, {31, "MQIA_COMMAND_LEVEL"}, {32, "MQIA_PLATFORM"},
    {33, "MQIA_MAX_UNCOMMITTED_MSGS"}, {34, "MQIA_DIST_LISTS"}, {35, "MQIA_TIME_SINCE_RESET"},
    {36, "MQIA_HIGH_Q_DEPTH"}, {37, "MQIA_MSG_ENQ_COUNT"}, {38, "MQIA_MSG_DEQ_COUNT"},
    {39, "MQIA_EXPIRY_INTERVAL"}, {40, "MQIA_Q_DEPTH_HIGH_LIMIT"}, {41, "MQIA_Q_DEPTH_LOW_LIMIT"},
    {42, "MQIA_Q_DEPTH_MAX_EVENT"}, {43, "MQIA_Q_DEPTH_HIGH_EVENT"}, {44, "MQIA_Q_DEPTH_LOW_EVENT"},
    {45, "MQIA_SCOPE"}, {46, "MQIA_Q_SERVICE_INTERVAL_EVENT"}, {47, "MQIA_AUTHORITY_EVENT"},
    {48, "MQIA_INHIBIT_EVENT"}, {49, "MQIA_LOCAL_EVENT"}, {50, "MQIA_REMOTE_EVENT"},
    {51, "MQIA_CONFIGURATION_EVENT"}, {52, "MQIA_START_STOP_EVENT"}, {53, "MQIA_PERFORMANCE_EVENT"},
    {54, "MQIA_Q_SERVICE_INTERVAL"}, {55, "MQIA_CHANNEL_AUTO_DEF"}, {56, "MQIA_CHANNEL_AUTO_DEF_EVENT"},
    {57, "MQIA_INDEX_TYPE"}, {58, "MQIA_CLUSTER_WORKLOAD_LENGTH"}, {59, "MQIA_CLUSTER_Q_TYPE"},
    {61, "MQIA_DEF_BIND"}, {62, "MQIA_PAGESET_ID"}, {63, "MQIA_QSG_DISP"}, {64, "MQIA_INTRA_GROUP_QUEUING"},
    {65, "MQIA_IGQ_PUT_AUTHORITY"}, {66, "MQIA_AUTH_INFO_TYPE"}, {68, "MQIA_MSG_MARK_BROWSE_INTERVAL"},
    {69, "MQIA_SSL_TASKS"}, {73, "MQIA_CHANNEL_EVENT"}, {74, "MQIA_BRIDGE_EVENT"}, {75, "MQIA_SSL_EVENT"},
    {76, "MQIA_SSL_RESET_COUNT"}, {77, "MQIA_SHARED_Q_Q_MGR_NAME"}, {78, "MQIA_NPM_CLASS"},
    {92, "MQIA_SSL_FIPS_REQUIRED"}, {93, "MQIA_IP_ADDRESS_VERSION"}, {94, "MQIA_LOGGER_EVENT"},
    {95, "MQIA_CLWL_Q_RANK"}, {96, "MQIA_CLWL_Q_PRIORITY"}, {97, "MQIA_CLWL_MRU_CHANNELS"},
    {98, "MQIA_CLWL_USEQ"}, {99, "MQIA_COMMAND_EVENT"}, {100, "MQIA_ACTIVE_CHANNELS"},
    {101, "MQIA_CHINIT_ADAPTERS"}, {102, "MQIA_ADOPTNEWMCA_CHECK"}, {103, "MQIA_ADOPTNEWMCA_TYPE"},
    {105, "MQIA_CHINIT_DISPATCHERS"}, {106, "MQIA_DNS_WLM"}, {107, "MQIA_LISTENER_TIMER"},
    {108, "MQIA_LU62_CHANNELS"}, {109, "MQIA_MAX_CHANNELS"}, {110, "MQIA_OUTBOUND_PORT_MIN"},
    {111, "MQIA_RECEIVE_TIMEOUT"}, {112, "MQIA_RECEIVE_TIMEOUT_TYPE"}, {113, "MQIA_RECEIVE_TIMEOUT_MIN"},
    {114, "MQIA_TCP_CHANNELS"}, {115, "MQIA_TCP_KEEP_ALIVE"}, {116, "MQIA_TCP_STACK_TYPE"},
    {117, "MQIA_CHINIT_TRACE_AUTO_START"}, {118, "MQIA_CHINIT_TRACE_TABLE_SIZE"},
    {119, "MQIA_CHINIT_CONTROL"}, {120, "MQIA_CMD_SERVER_CONTROL"}, {121, "MQIA_SERVICE_TYPE"},
    {122, "MQIA_MONITORING_CHANNEL"}, {123, "MQIA_MONITORING_Q"}, {124, "MQIA_MONITORING_AUTO_CLUSSDR"},
    {127, "MQIA_STATISTICS_MQI"}, {128, "MQIA_STATISTICS_Q"}, {129, "MQIA_STATISTICS_CHANNEL"},
    {130, "MQIA_STATISTICS_AUTO_CLUSSDR"}, {131, "MQIA_STATISTICS_INTERVAL"}, {133, "MQIA_ACCOUNTING_MQI"},
    {134, "MQIA_ACCOUNTING_Q"}, {135, "MQIA_ACCOUNTING_INTERVAL"}, {136, "MQIA_ACCOUNTING_CONN_OVERRIDE"},
    {137, "MQIA_TRACE_ROUTE_RECORDING"}, {138, "MQIA_ACTIVITY_RECORDING"}, {139, "MQIA_SERVICE_CONTROL"},
    {140, "MQIA_OUTBOUND_PORT_MAX"}, {141, "MQIA_SECURITY_CASE"}, {175, "MQIA_DURABLE_SUB"},
    {181, "MQIA_INHIBIT_PUB"},
    {182, "MQIA_INHIBIT_SUB"}, {183, "MQIA_TREE_LIFE_TIME"}, {184, "MQIA_DEF_PUT_RESPONSE_TYPE"},
    {185, "MQIA_TOPIC_DEF_PERSISTENCE"}, {187, "MQIA_PUBSUB_MODE"}, {188, "MQIA_DEF_READ_AHEAD"},
    {190, "MQIA_PROPERTY_CONTROL"}, {192, "MQIA_MAX_PROPERTIES_LENGTH"}, {193, "MQIA_BASE_TYPE"},
    {195, "MQIA_PM_DELIVERY"}, {196, "MQIA_NPM_DELIVERY"}, {199, "MQIA_PROXY_SUB"},
    {203, "MQIA_PUBSUB_NP_MSG"}, {205, "MQIA_PUBSUB_NP_RESP"}, {206, "MQIA_PUBSUB_MAXMSG_RETRY_COUNT"},
    {207, "MQIA_PUBSUB_SYNC_PT"}, {208, "MQIA_TOPIC_TYPE"}, {216, "MQIA_WILDCARD_OPERATION"},
    {218, "MQIA_SUB_SCOPE"}, {219, "MQIA_PUB_SCOPE"}, {221, "MQIA_GROUP_UR"}, {234, "MQIA_USE_DEAD_LETTER_Q"},
    {245, "MQIA_QMGR_CFCONLOS"}, {248, "MQIA_CHLAUTH_RECORDS"}, {249, "MQIA_PUBSUB_CLUSTER"},
    {250, "MQIA_DEF_CLUSTER_XMIT_Q_TYPE"}, {251, "MQIA_PROT_POLICY_CAPABILITY"},
    {254, "MQIA_REVERSE_DNS_LOOKUP"}, {273, "MQIA_ADVANCED_CAPABILITY"}, {275, "MQIA_STREAM_QUEUE_QOS"},
    {276, "MQIA_CAP_EXPIRY"}, {1005, "MQIACF_FORCE"}, {1006, "MQIACF_REPLACE"},
    {1007, "MQIACF_PURGE"}, {1008, "MQIACF_MODE"}, {1009, "MQIACF_ALL"}, {1023, "MQIACF_OPEN_TYPE"},
    {1024, "MQIACF_PROCESS_ID"}, {1025, "MQIACF_THREAD_ID"}, {1027, "MQIACF_UNCOMMITTED_MSGS"},
    {1084, "MQIACF_Q_MGR_DEFINITION_TYPE"}, {1085, "MQIACF_Q_MGR_TYPE"}, {1086, "MQIACF_ACTION"},
    {1087, "MQIACF_SUSPEND"}, {1098, "MQIACF_OPEN_INPUT_TYPE"}, {1099, "MQIACF_OPEN_OUTPUT"},
    {1100, "MQIACF_OPEN_SET"}, {1101, "MQIACF_OPEN_INQUIRE"}, {1102, "MQIACF_OPEN_BROWSE"},
    {1103, "MQIACF_Q_STATUS_TYPE"}, {1227, "MQIACF_OLDEST_MSG_AGE"}, {1244, "MQIACF_EXPIRY"},
    {1260, "MQIACF_SERVICE_STATUS"},
    {1271, "MQIACF_PUBSUB_PROPERTIES"}, {1273, "MQIACF_DESTINATION_CLASS"},
    {1275, "MQIACF_SUBSCRIPTION_SCOPE"}, {1277, "MQIACF_VARIABLE_USER_ID"}, {1280, "MQIACF_REQUEST_ONLY"},
    {1283, "MQIACF_PUB_PRIORITY"}, {1288, "MQIACF_WILDCARD_SCHEMA"}, {1300, "MQIACF_RETAINED_PUBLICATION"},
    {1307, "MQIACF_SUB_LEVEL"}, {1308, "MQIACF_ASYNC_STATE"}, {1321, "MQIACF_SELECTOR_TYPE"},
    {1501, "MQIACH_XMIT_PROTOCOL_TYPE"},
    {1502, "MQIACH_BATCH_SIZE"}, {1503, "MQIACH_DISC_INTERVAL"}, {1504, "MQIACH_SHORT_TIMER"},
    {1505, "MQIACH_SHORT_RETRY"}, {1506, "MQIACH_LONG_TIMER"}, {1507, "MQIACH_LONG_RETRY"},
    {1508, "MQIACH_PUT_AUTHORITY"}, {1509, "MQIACH_SEQUENCE_NUMBER_WRAP"}, {1510, "MQIACH_MAX_MSG_LENGTH"},
    {1511, "MQIACH_CHANNEL_TYPE"}, {1512, "MQIACH_DATA_COUNT"}, {1513, "MQIACH_NAME_COUNT"},
    {1514, "MQIACH_MSG_SEQUENCE_NUMBER"}, {1515, "MQIACH_DATA_CONVERSION"}, {1516, "MQIACH_IN_DOUBT"},
    {1517, "MQIACH_MCA_TYPE"}, {1518, "MQIACH_SESSION_COUNT"}, {1519, "MQIACH_ADAPTER"},
    {1520, "MQIACH_COMMAND_COUNT"}, {1521, "MQIACH_SOCKET"}, {1522, "MQIACH_PORT"},
    {1523, "MQIACH_CHANNEL_INSTANCE_TYPE"}, {1526, "MQIACH_CHANNEL_TABLE"}, {1527, "MQIACH_CHANNEL_STATUS"},
    {1528, "MQIACH_INDOUBT_STATUS"}, {1529, "MQIACH_LAST_SEQ_NUMBER"}, {1531, "MQIACH_CURRENT_MSGS"},
    {1532, "MQIACH_CURRENT_SEQ_NUMBER"}, {1534, "MQIACH_MSGS"}, {1535, "MQIACH_BYTES_SENT"},
    {1536, "MQIACH_BYTES_RECEIVED"}, {1537, "MQIACH_BATCHES"}, {1538, "MQIACH_BUFFERS_SENT"},
    {1539, "MQIACH_BUFFERS_RECEIVED"}, {1540, "MQIACH_LONG_RETRIES_LEFT"},
    {1541, "MQIACH_SHORT_RETRIES_LEFT"}, {1543, "MQIACH_STOP_REQUESTED"}, {1544, "MQIACH_MR_COUNT"},
    {1545, "MQIACH_MR_INTERVAL"}, {1562, "MQIACH_NPM_SPEED"}, {1563, "MQIACH_HB_INTERVAL"},
    {1564, "MQIACH_BATCH_INTERVAL"}, {1565, "MQIACH_NETWORK_PRIORITY"},
    {1566, "MQIACH_KEEP_ALIVE_INTERVAL"}, {1567, "MQIACH_BATCH_HB"}, {1568, "MQIACH_SSL_CLIENT_AUTH"},
    {1574, "MQIACH_PORT_NUMBER"}, {1575, "MQIACH_HDR_COMPRESSION"}, {1576, "MQIACH_MSG_COMPRESSION"},
    {1577, "MQIACH_CLWL_CHANNEL_RANK"}, {1578, "MQIACH_CLWL_CHANNEL_PRIORITY"},
    {1579, "MQIACH_CLWL_CHANNEL_WEIGHT"}, {1580, "MQIACH_CHANNEL_DISP"}, {1599, "MQIACH_LISTENER_STATUS"},
    {1601, "MQIACH_LISTENER_CONTROL"}, {1602, "MQIACH_BACKLOG"}, {1608, "MQIACH_XMITQ_MSGS_AVAILABLE"},
    {1609, "MQIACH_CHANNEL_SUBSTATE"}, {1610, "MQIACH_SSL_KEY_RESETS"}, {1614, "MQIACH_DEF_CHANNEL_DISP"},
    {1615, "MQIACH_SHARING_CONVERSATIONS"}, {1616, "MQIACH_MAX_SHARING_CONVS"},
    {1617, "MQIACH_CURRENT_SHARING_CONVS"},
    {1618, "MQIACH_MAX_INSTANCES"}, {1619, "MQIACH_MAX_INSTS_PER_CLIENT"},
    {1620, "MQIACH_CLIENT_CHANNEL_WEIGHT"}, {1621, "MQIACH_CONNECTION_AFFINITY"}, {1624, "MQIACH_BATCH_DATA_LIMIT"},
    {1640, "MQIACH_DEF_RECONNECT"}, {1645, "MQIACH_SECURITY_PROTOCOL"}, {2001, "MQCA_APPL_ID"},
    {2002, "MQCA_BASE_Q_NAME"}, {2003, "MQCA_COMMAND_INPUT_Q_NAME"}, {2004, "MQCA_CREATION_DATE"},
    {2005, "MQCA_CREATION_TIME"}, {2006, "MQCA_DEAD_LETTER_Q_NAME"}, {2007, "MQCA_ENV_DATA"},
    {2008, "MQCA_INITIATION_Q_NAME"}, {2009, "MQCA_NAMELIST_DESC"}, {2010, "MQCA_NAMELIST_NAME"},
    {2011, "MQCA_PROCESS_DESC"}, {2012, "MQCA_PROCESS_NAME"}, {2013, "MQCA_Q_DESC"},
    {2014, "MQCA_Q_MGR_DESC"}, {2015, "MQCA_Q_MGR_NAME"}, {2016, "MQCA_Q_NAME"},
    {2017, "MQCA_REMOTE_Q_MGR_NAME"}, {2018, "MQCA_REMOTE_Q_NAME"}, {2019, "MQCA_BACKOUT_REQ_Q_NAME"},
    {2020, "MQCA_NAMES"}, {2021, "MQCA_USER_DATA"}, {2022, "MQCA_STORAGE_CLASS"},
    {2023, "MQCA_TRIGGER_DATA"}, {2024, "MQCA_XMIT_Q_NAME"}, {2025, "MQCA_DEF_XMIT_Q_NAME"},
    {2026, "MQCA_CHANNEL_AUTO_DEF_EXIT"}, {2027, "MQCA_ALTERATION_DATE"}, {2028, "MQCA_ALTERATION_TIME"},
    {2029, "MQCA_CLUSTER_NAME"}, {2030, "MQCA_CLUSTER_NAMELIST"}, {2031, "MQCA_CLUSTER_Q_MGR_NAME"},
    {2032, "MQCA_Q_MGR_IDENTIFIER"}, {2033, "MQCA_CLUSTER_WORKLOAD_EXIT"},
    {2034, "MQCA_CLUSTER_WORKLOAD_DATA"}, {2035, "MQCA_REPOSITORY_NAME"},
    {2036, "MQCA_REPOSITORY_NAMELIST"}, {2037, "MQCA_CLUSTER_DATE"}, {2038, "MQCA_CLUSTER_TIME"},
    {2039, "MQCA_CF_STRUC_NAME"}, {2040, "MQCA_QSG_NAME"}, {2041, "MQCA_IGQ_USER_ID"},
    {2045, "MQCA_AUTH_INFO_NAME"}, {2046, "MQCA_AUTH_INFO_DESC"}, {2047, "MQCA_LDAP_USER_NAME"},
    {2048, "MQCA_LDAP_PASSWORD"}, {2049, "MQCA_SSL_KEY_REPOSITORY"}, {2050, "MQCA_SSL_CRL_NAMELIST"},
    {2051, "MQCA_SSL_CRYPTO_HARDWARE"}, {2052, "MQCA_CF_STRUC_DESC"}, {2053, "MQCA_AUTH_INFO_CONN_NAME"},
    {2071, "MQCA_DNS_GROUP"}, {2072, "MQCA_LU_GROUP_NAME"}, {2073, "MQCA_LU_NAME"},
    {2074, "MQCA_LU62_ARM_SUFFIX"}, {2075, "MQCA_TCP_NAME"}, {2076, "MQCA_CHINIT_SERVICE_PARM"},
    {2077, "MQCA_SERVICE_NAME"}, {2078, "MQCA_SERVICE_DESC"}, {2079, "MQCA_SERVICE_START_COMMAND"},
    {2080, "MQCA_SERVICE_START_ARGS"}, {2081, "MQCA_SERVICE_STOP_COMMAND"},
    {2082, "MQCA_SERVICE_STOP_ARGS"}, {2083, "MQCA_STDOUT_DESTINATION"}, {2084, "MQCA_STDERR_DESTINATION"},
    {2085, "MQCA_TPIPE_NAME"}, {2092, "MQCA_TOPIC_NAME"}, {2093, "MQCA_TOPIC_DESC"},
    {2094, "MQCA_TOPIC_STRING"}, {2096, "MQCA_MODEL_DURABLE_Q"}, {2097, "MQCA_MODEL_NON_DURABLE_Q"},
    {2102, "MQCA_PARENT"}, {2105, "MQCA_ADMIN_TOPIC_NAME"}, {2109, "MQCA_AUTH_INFO_OCSP_URL"},
    {2119, "MQCA_CUSTOM"}, {2120, "MQCA_VERSION"}, {2121, "MQCA_CERT_LABEL"}, {2124, "MQCA_CLUS_CHL_NAME"},
    {2125, "MQCA_CONN_AUTH"}, {2131, "MQCA_QSG_CERT_LABEL"}, {2138, "MQCA_STREAM_QUEUE_NAME"},
    {3001, "MQCACF_FROM_Q_NAME"}, {3002, "MQCACF_TO_Q_NAME"}, {3003, "MQCACF_FROM_PROCESS_NAME"},
    {3004, "MQCACF_TO_PROCESS_NAME"}, {3005, "MQCACF_FROM_NAMELIST_NAME"},
    {3006, "MQCACF_TO_NAMELIST_NAME"}, {3007, "MQCACF_FROM_CHANNEL_NAME"}, {3008, "MQCACF_TO_CHANNEL_NAME"},
    {3009, "MQCACF_FROM_AUTH_INFO_NAME"}, {3010, "MQCACF_TO_AUTH_INFO_NAME"},
    {3025, "MQCACF_USER_IDENTIFIER"}, {3058, "MQCACF_APPL_TAG"}, {3080, "MQCACF_COMMAND_SCOPE"},
    {3124, "MQCACF_FROM_LISTENER_NAME"}, {3125, "MQCACF_TO_LISTENER_NAME"},
    {3126, "MQCACF_FROM_SERVICE_NAME"}, {3127, "MQCACF_TO_SERVICE_NAME"}, {3128, "MQCACF_LAST_PUT_DATE"},
    {3129, "MQCACF_LAST_PUT_TIME"}, {3130, "MQCACF_LAST_GET_DATE"}, {3131, "MQCACF_LAST_GET_TIME"},
    {3135, "MQCACF_APPL_IDENTITY_DATA"}, {3144, "MQCACF_SERVICE_START_DATE"},
    {3145, "MQCACF_SERVICE_START_TIME"}, {3149, "MQCACF_TO_TOPIC_NAME"}, {3150, "MQCACF_FROM_TOPIC_NAME"},
    {3152, "MQCACF_SUB_NAME"}, {3153, "MQCACF_DESTINATION_Q_MGR"}, {3154, "MQCACF_DESTINATION"},
    {3156, "MQCACF_SUB_USER_ID"}, {3159, "MQCACF_SUB_USER_DATA"}, {3160, "MQCACF_SUB_SELECTOR"},
    {3163, "MQCACF_FROM_SUB_NAME"}, {3164, "MQCACF_TO_SUB_NAME"}, {3174, "MQCACF_APPL_DESC"},
    {3501, "MQCACH_CHANNEL_NAME"},
    {3502, "MQCACH_DESC"}, {3503, "MQCACH_MODE_NAME"}, {3504, "MQCACH_TP_NAME"},
    {3505, "MQCACH_XMIT_Q_NAME"}, {3506, "MQCACH_CONNECTION_NAME"}, {3507, "MQCACH_MCA_NAME"},
    {3508, "MQCACH_SEC_EXIT_NAME"}, {3509, "MQCACH_MSG_EXIT_NAME"}, {3510, "MQCACH_SEND_EXIT_NAME"},
    {3511, "MQCACH_RCV_EXIT_NAME"}, {3513, "MQCACH_SEC_EXIT_USER_DATA"},
    {3514, "MQCACH_MSG_EXIT_USER_DATA"}, {3515, "MQCACH_SEND_EXIT_USER_DATA"},
    {3516, "MQCACH_RCV_EXIT_USER_DATA"}, {3517, "MQCACH_USER_ID"}, {3518, "MQCACH_PASSWORD"},
    {3520, "MQCACH_LOCAL_ADDRESS"}, {3521, "MQCACH_LOCAL_NAME"}, {3524, "MQCACH_LAST_MSG_TIME"},
    {3525, "MQCACH_LAST_MSG_DATE"}, {3527, "MQCACH_MCA_USER_ID"}, {3528, "MQCACH_CHANNEL_START_TIME"},
    {3529, "MQCACH_CHANNEL_START_DATE"}, {3531, "MQCACH_LAST_LUWID"}, {3532, "MQCACH_CURRENT_LUWID"},
    {3534, "MQCACH_MR_EXIT_NAME"}, {3535, "MQCACH_MR_EXIT_USER_DATA"}, {3544, "MQCACH_SSL_CIPHER_SPEC"},
    {3545, "MQCACH_SSL_PEER_NAME"}, {3548, "MQCACH_REMOTE_APPL_TAG"}, {3549, "MQCACH_SSL_CERT_USER_ID"},
    {3550, "MQCACH_SSL_CERT_ISSUER_NAME"}, {3551, "MQCACH_LU_NAME"}, {3552, "MQCACH_IP_ADDRESS"},
    {3554, "MQCACH_LISTENER_NAME"}, {3555, "MQCACH_LISTENER_DESC"}, {3556, "MQCACH_LISTENER_START_DATE"},
    {3557, "MQCACH_LISTENER_START_TIME"}, {3558, "MQCACH_SSL_KEY_RESET_DATE"}, {3559, "MQCACH_SSL_KEY_RESET_TIME"},
    {3560, "MQCACH_REMOTE_VERSION"}, {3561, "MQCACH_REMOTE_PRODUCT"}, {20041, "EXCA_ASID"},
    {20042, "EXCA_PSB_NAME"},
    {20043, "EXCA_PST_ID"}, {20044, "EXCA_TRANSACTION_ID"}, {20045, "EXCA_UR_ID"},
    {20047, "EXCA_PUB_ACCOUNTING_TOKEN"}, {20048, "EXCA_DEST_CORREL_ID"}, {20337, "EXCA_NAMES_LIST"},
    {20426, "EXIA_EXPIRY_INTERVAL_OFF"}, {20601, "EXIA_INBOUND_DISP", "INDISP"}, {20601, "EXIA_TASK_NUMBER", "TASKNO"}, {20602, "EXCA_LISTENER_IP_ADDRESS"},
    {20603, "EXCA_LISTENER_PORT"}, {20604, "EXCA_LISTENER_LU_NAME"}, {20605, "EXCA_CHINIT_ENV_PARM"},
    {20606, "EXCA_CHINIT_PARM"}, {20607, "EXIA_CHINIT_SHARED"}, {20611, "EXIA_MOVE_TYPE"},
    {20612, "EXCA_TO_Q_LOCAL"}, {20631, "EXIA_CANCEL_OFFLOAD"}, {20632, "EXIA_ARCHIVE_TIME"},
    {20633, "EXIA_ARCHIVE_WAIT"}, {20634, "EXIA_SET_DEFAULT"}, {20635, "EXIA_LOG_DEALLOC_INTERVAL"},
    {20637, "EXIA_LOG_MAX_READ_TAPES"}, {20639, "EXIA_LOG_MAX_ARCHIVE"},
    {20640, "EXIA_LOG_WRITE_THRESHOLD"}, {20641, "EXIA_ARC_ALLOC_UNIT"}, {20642, "EXCA_ARC_PREFIX1"},
    {20643, "EXCA_ARC_PREFIX2"}, {20644, "EXIA_ARC_RETENTION"}, {20645, "EXCA_ARC_ROUTE_CODES"},
    {20646, "EXIA_ARC_WTOR"}, {20647, "EXIA_ARC_BLOCK_SIZE"}, {20648, "EXIA_ARC_CATALOG"},
    {20649, "EXIA_ARC_COMPACT"}, {20650, "EXIA_ARC_PRIMARY_QTY"}, {20651, "EXIA_ARC_SECONDARY_QTY"},
    {20652, "EXIA_ARC_PROTECT"}, {20653, "EXIA_ARC_QUIESCE"}, {20654, "EXIA_ARC_TIMESTAMP"},
    {20655, "EXCA_ARC_UNIT"}, {20656, "EXCA_ARC_UNIT2"}, {20671, "EXIA_SYS_CTHREAD"},
    {20672, "EXIA_SYS_IDBACK"}, {20673, "EXIA_SYS_IDFORE"}, {20674, "EXIA_SYS_LOGLOAD"},
    {20675, "EXIA_SYS_STATIME"}, {20676, "EXIA_SYS_TRACTBL"}, {20681, "EXIA_SEC_INTERVAL"},
    {20682, "EXIA_SEC_TIMEOUT"}, {20683, "EXCA_SEC_USER_ID"}, {20684, "EXIA_SEC_CLASS"},
    {20691, "EXIA_CF_LEVEL"}, {20692, "EXIA_CF_RECOVER"}, {20693, "EXCA_CF_STRUC_NAME"},
    {20694, "EXCA_CF_FROM_STRUC_NAME"}, {20695, "EXIA_CF_EXCLUDE_INTERVAL"},
    {20696, "EXCA_CF_BACKUP_STRUC_NAME"}, {20697, "EXIA_CF_RECOVER_TYPE"}, {20698, "EXIA_CF_STATUS_TYPE"},
    {20699, "EXIA_CF_TYPE"}, {20700, "EXIA_CF_STATUS"}, {20701, "EXIA_CF_SIZE_MAX"},
    {20702, "EXIA_CF_SIZE_USED"}, {20703, "EXIA_CF_ENTRIES_MAX"}, {20704, "EXIA_CF_ENTRIES_USED"},
    {20705, "EXCA_CF_SYSTEM_NAME"}, {20706, "EXCA_CF_FAIL_TIME"}, {20707, "EXCA_CF_FAIL_DATE"},
    {20708, "EXCA_CF_BACKUP_TIME"}, {20709, "EXCA_CF_BACKUP_DATE"}, {20710, "EXIA_CF_BACKUP_SIZE"},
    {20711, "EXCA_CF_BACKUP_START_RBA"}, {20712, "EXCA_CF_BACKUP_END_RBA"},
    // Parameters of the z/OS objects and inquiries added after the first 106 commands.
    {70, "MQIA_CF_LEVEL"}, {71, "MQIA_CF_RECOVER"}, {228, "MQIA_CF_SMDS_BUFFERS"}, {246, "MQIA_CF_CFCONLOS"},
    {1110, "MQIACF_CONN_INFO_TYPE"}, {1135, "MQIACF_CF_STATUS_TYPE"}, {1157, "MQIACF_USAGE_TYPE"},
    {1329, "MQIACF_CF_SMDS_EXPAND"}, {1352, "MQIACF_CHLAUTH_TYPE"}, {1638, "MQIACH_USER_SOURCE"},
    {1639, "MQIACH_WARNING"}, {2042, "MQCA_STORAGE_CLASS_DESC"}, {2043, "MQCA_XCF_GROUP_NAME"},
    {2044, "MQCA_XCF_MEMBER_NAME"}, {2086, "MQCA_PASS_TICKET_APPL"}, {2118, "MQCA_CHLAUTH_DESC"},
    {2119, "MQCA_CUSTOM"}, {3081, "MQCACF_ASID"}, {3104, "MQCACF_FROM_STORAGE_CLASS"},
    {3105, "MQCACF_TO_STORAGE_CLASS"}, {3183, "MQCACF_CF_SMDS"}, {3566, "MQCACH_CONNECTION_NAME_LIST"},
    {72, "MQIA_NAMELIST_TYPE"}, {204, "MQIA_SUB_COUNT"}, {253, "MQIA_TOPIC_NODE_COUNT"},
    {257, "MQIA_CHECK_LOCAL_BINDING"}, {258, "MQIA_CHECK_CLIENT_BINDING"}, {259, "MQIA_AUTHENTICATION_FAIL_DELAY"},
    {260, "MQIA_ADOPT_CONTEXT"}, {1274, "MQIACF_DURABLE_SUBSCRIPTION"}, {1289, "MQIACF_SUB_TYPE"},
    {1290, "MQIACF_MESSAGE_COUNT"}, {1314, "MQIACF_PS_STATUS_TYPE"}, {2098, "MQCA_RESUME_DATE"},
    {2099, "MQCA_RESUME_TIME"},
    {3167, "MQCACF_LAST_MSG_TIME"}, {3168, "MQCACF_LAST_MSG_DATE"},
};

const char *ParameterName(int32_t id, const char *keyword) {
    for (const ConstantName &entry : kParameterNames)
        if (entry.id == id && (entry.keyword == nullptr || std::strcmp(entry.keyword, keyword) == 0))
            return entry.name;
    return "-";
}

int ParameterCount(const MqscKeyword *command) {
    int count = 0;
    for (const MqscParam *entry = command->params + 1; entry->keyword != nullptr; ++entry) ++count;
    return count;
}

void ListCommands() {
    std::printf("%-4s %-6s %-36s %-20s %s\n", "POS", "CODE", "CONSTANT", "VERB", "PARAMETERS");
    int position = 0;
    for (MqscKeyword **command = GetCmdTbl(); *command != nullptr; ++command, ++position) {
        std::string verb = std::string("\"") + (*command)->name + "\"";
        std::string count = (*command)->params ? std::to_string(ParameterCount(*command)) : "-";
        std::printf("%-4d %-6d %-36s %-20s %s\n", position, (*command)->id, PcfIdToName((*command)->id),
                    verb.c_str(), count.c_str());
    }
}

std::string ValueWords(const MqscKeyword *keyword) {
    std::string words;
    for (MqscKeyword **value = keyword->values; value != nullptr && *value != nullptr; ++value)
        words += (words.empty() ? "" : " ") + std::string((*value)->name) + "=" + std::to_string((*value)->id);
    return words;
}

void ListParameters(int position, const MqscKeyword *command) {
    std::printf("%d \"%s\" (%s %d), platforms %d, level %d\n", position, command->name, PcfIdToName(command->id),
                command->id, command->platforms, command->level);
    if (command->params == nullptr) {
        std::printf("no parameter list\n");
        return;
    }
    std::printf("%-4s %-10s %-6s %-32s %-8s %-7s %s %s %s %s %s\n", "POS", "KEYWORD", "ID", "CONSTANT", "TYPE",
                "FORMAT", "USE", "VALUE", "NAME", "LEVEL", "VALUES");
    int index = 0;
    for (const MqscParam *entry = command->params; entry->keyword != nullptr; ++entry, ++index) {
        const MqscKeyword *keyword = entry->keyword;
        bool own = keyword == command;
        std::string name = own ? "(verb)" : keyword->name[0] ? keyword->name : "\"\"";
        std::string format = entry->format[0] ? entry->format : "-";
        std::string line;
        char fixed[160];
        std::snprintf(fixed, sizeof fixed, "%-4d %-10s %-6d %-32s %-8s %-7s %-3d %-5d %-4d %-5d", index,
                      name.c_str(), keyword->id,
                      own ? PcfIdToName(keyword->id) : ParameterName(keyword->id, keyword->name),
                      TypeName(keyword->type), format.c_str(), entry->use, entry->valueMode, entry->nameMode,
                      entry->level);
        line = fixed;
        std::string values = ValueWords(keyword);
        if (!values.empty()) line += " " + values;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace

int Table(int argc, char **argv) {
    const char *command = argv[0];
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {"--at"}, {}, args)) return 2;
    if (args.help) {
        std::fputs(kTableHelp, stdout);
        return 0;
    }
    if (args.positional.size() > 1 || (args.positional.size() == 1 && args.hasOption("--at")))
        return zem_cli::UsageError(command, "expected at most one of CODE and --at POSITION (see 'zem table --help')");
    if (args.positional.empty() && !args.hasOption("--at")) {
        ListCommands();
        return 0;
    }
    int32_t wanted = 0;
    bool byPosition = args.hasOption("--at");
    const std::string text = byPosition ? args.option("--at") : args.positional[0];
    if (!zem_cli::ParseInt32(text, wanted))
        return zem_cli::UsageError(command, "'" + text + "' is not a number");
    int position = 0;
    for (MqscKeyword **entry = GetCmdTbl(); *entry != nullptr; ++entry, ++position) {
        if (byPosition ? position == wanted : (*entry)->id == wanted) {
            ListParameters(position, *entry);
            return 0;
        }
    }
    return zem_cli::Failure(command, byPosition ? "no command at position " + text
                                                : "command code " + text + " is not in the table");
}

int Build(int argc, char **argv) {
    const char *command = argv[0];
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {"--command", "--name", "--value", "-o"}, {}, args))
        return 2;
    if (args.help) {
        std::fputs(kBuildHelp, stdout);
        return 0;
    }
    if (!args.positional.empty())
        return zem_cli::UsageError(command, "unexpected argument '" + args.positional[0] + "'");
    int32_t code = 0, value = 0;
    if (!args.hasOption("--command")) return zem_cli::UsageError(command, "--command N is required");
    if (!zem_cli::ParseInt32(args.option("--command"), code))
        return zem_cli::UsageError(command, "--command '" + args.option("--command") + "' is not a 32-bit number");
    if (args.hasOption("--value") && !zem_cli::ParseInt32(args.option("--value"), value))
        return zem_cli::UsageError(command, "--value '" + args.option("--value") + "' is not a 32-bit number");
    const std::string output = args.option("-o");
    if (output.empty()) return zem_cli::UsageError(command, "-o FILE is required");
    const std::string name = args.option("--name");

    PcfMessagePtr request(CreatePcfMessage(code, ZEM_MQCFT_COMMAND, 1024));
    if (!request) return zem_cli::Failure(command, "no memory for the message");
    if (BuildPcfCmd(request.get(), name.c_str(), value) != 1)
        return zem_cli::Failure(command, "command " + std::to_string(code) + " (" + PcfIdToName(code) +
                                             "): no standard request");
    if (SerializePcfMessage(request.get(), output.c_str()) != 1)
        return zem_cli::Failure(command, output + ": cannot be written");
    std::printf("%s: %s (%d), %d parameters\n", output.c_str(), PcfIdToName(code), code,
                request->pCfh->ParameterCount);
    return 0;
}

}  // namespace zem_cmd
