#!/usr/bin/env python3
"""Writes pcf_name_tables.inc, the tables behind PcfParamName and PcfValueName.

The names come from the constants the library already holds: the published MQ values in
src/foundation/mq_constants.h, the suite's own parameter ids in src/cmdtable/suite_ids.h
and the EXPRM_ ids of include/zemapi.h. Run it from the repository root after any of them
changes, then review the diff:
    python3 src/diag/make_pcf_name_tables.py > src/diag/pcf_name_tables.inc

Choices where names share a number:
- Parameter ids come from the families below, in this order of precedence; a family
  earlier in the list keeps an id that a later one repeats (the 64-bit MQIAMO64_ aliases
  give way to MQIAMO_). Range markers (_FIRST, _LAST, _LAST_USED) and the MQIAMO_MONITOR_
  flags, which are not parameter ids, are left out, and so are structure versions and
  lengths (MQSCO_VERSION_1 is no scope).
- Two names for one number inside a family (an old and a new spelling) give the longer,
  unabbreviated one (MQIACH_BYTES_RECEIVED, not MQIACH_BYTES_RCVD), unless PREFERRED
  names one of them.
- Values are named only for the parameters listed in VALUE_PREFIXES, each with the prefix
  of its own enumeration, so a value never takes a name of another enumeration.
"""
import re
import sys

PARAMETER_FAMILIES = ["MQCA", "MQIA", "MQCACF", "MQIACF", "MQCACH", "MQIACH", "MQBACF", "MQGACF",
                      "MQIAMO", "MQCAMO", "MQIAMO64"]
SUITE_FAMILIES = ["EXPRM", "EXCA", "EXIA"]
LEFT_OUT = re.compile(r"_(FIRST|LAST|LAST_USED)$|^MQIAMO_MONITOR_")
# Structure versions and lengths share prefixes with enumerations.
NOT_VALUES = re.compile(r"_(CURRENT_)?(VERSION|LENGTH)(_\d+)?$")
# The spellings that queue managers' own displays use.
PREFERRED = {"MQMON_ON", "MQMON_OFF", "MQPER_PERSISTENCE_AS_Q_DEF", "MQAT_UNIX", "MQAT_ZOS", "MQPL_ZOS",
             "MQIT_MSG_ID", "MQIT_CORREL_ID", "MQSUB_DURABLE_YES", "MQSUB_DURABLE_NO"}

# Integer parameter -> the prefix of the enumeration its values come from.
VALUE_PREFIXES = [
    ("MQIA_Q_TYPE", "MQQT_"),
    ("MQIA_DEF_PERSISTENCE", "MQPER_"),
    ("MQIA_USAGE", "MQUS_"),
    ("MQIA_SCOPE", "MQSCO_"),
    ("MQIA_INHIBIT_GET", "MQQA_GET_"),
    ("MQIA_INHIBIT_PUT", "MQQA_PUT_"),
    ("MQIA_DEF_INPUT_OPEN_OPTION", "MQOO_INPUT_"),
    ("MQIA_TRIGGER_TYPE", "MQTT_"),
    ("MQIA_TRIGGER_CONTROL", "MQTC_"),
    ("MQIA_MSG_DELIVERY_SEQUENCE", "MQMDS_"),
    ("MQIA_HARDEN_GET_BACKOUT", "MQQA_BACKOUT_"),
    ("MQIA_DEF_BIND", "MQBND_"),
    ("MQIA_PLATFORM", "MQPL_"),
    ("MQIA_QSG_DISP", "MQQSGD_"),
    ("MQIA_DEFINITION_TYPE", "MQQDT_"),
    ("MQIA_NPM_CLASS", "MQNPM_"),
    ("MQIA_PROPERTY_CONTROL", "MQPROP_"),
    ("MQIA_DEF_READ_AHEAD", "MQREADA_"),
    ("MQIA_DEF_PUT_RESPONSE_TYPE", "MQPRT_"),
    ("MQIA_ACCOUNTING_Q", "MQMON_"),
    ("MQIA_MONITORING_Q", "MQMON_"),
    ("MQIA_MONITORING_CHANNEL", "MQMON_"),
    ("MQIA_STATISTICS_Q", "MQMON_"),
    ("MQIA_STATISTICS_CHANNEL", "MQMON_"),
    ("MQIA_APPL_TYPE", "MQAT_"),
    ("MQIA_NAMELIST_TYPE", "MQNT_"),
    ("MQIA_AUTH_INFO_TYPE", "MQAIT_"),
    ("MQIA_SERVICE_TYPE", "MQSVC_TYPE_"),
    ("MQIA_SERVICE_CONTROL", "MQSVC_CONTROL_"),
    ("MQIA_TOPIC_TYPE", "MQTOPT_"),
    ("MQIA_PUBSUB_MODE", "MQPSM_"),
    ("MQIA_CLUSTER_Q_TYPE", "MQCQT_"),
    ("MQIA_CHANNEL_AUTO_DEF", "MQCHAD_"),
    ("MQIA_ACTIVITY_RECORDING", "MQRECORDING_"),
    ("MQIA_DIST_LISTS", "MQDL_"),
    ("MQIA_INDEX_TYPE", "MQIT_"),
    ("MQIA_SYNCPOINT", "MQSP_"),
    ("MQIA_IP_ADDRESS_VERSION", "MQIPADDR_"),
    ("MQIA_AUTHORITY_EVENT", "MQEVR_"),
    ("MQIA_INHIBIT_EVENT", "MQEVR_"),
    ("MQIA_LOCAL_EVENT", "MQEVR_"),
    ("MQIA_REMOTE_EVENT", "MQEVR_"),
    ("MQIA_START_STOP_EVENT", "MQEVR_"),
    ("MQIA_PERFORMANCE_EVENT", "MQEVR_"),
    ("MQIA_CHANNEL_EVENT", "MQEVR_"),
    ("MQIA_COMMAND_EVENT", "MQEVR_"),
    ("MQIA_CONFIGURATION_EVENT", "MQEVR_"),
    ("MQIA_ADOPTNEWMCA_CHECK", "MQADOPT_CHECK_"),
    ("MQIA_ADOPTNEWMCA_TYPE", "MQADOPT_TYPE_"),
    ("MQIA_TCP_STACK_TYPE", "MQTCPSTACK_"),
    ("MQIA_INTRA_GROUP_QUEUING", "MQIGQ_"),
    ("MQIA_IGQ_PUT_AUTHORITY", "MQIGQPA_"),
    ("MQIA_DEF_CLUSTER_XMIT_Q_TYPE", "MQCLXQ_"),
    ("MQIA_PUB_SCOPE", "MQSCOPE_"),
    ("MQIA_SUB_SCOPE", "MQSCOPE_"),
    ("MQIA_PM_DELIVERY", "MQDLV_"),
    ("MQIA_NPM_DELIVERY", "MQDLV_"),
    ("MQIA_USE_DEAD_LETTER_Q", "MQUSEDLQ_"),
    ("MQIA_SECURITY_CASE", "MQSCYC_"),
    ("MQIA_CHLAUTH_RECORDS", "MQCHLA_"),
    ("MQIACH_CHANNEL_TYPE", "MQCHT_"),
    ("MQIACH_CHANNEL_STATUS", "MQCHS_"),
    ("MQIACH_CHANNEL_INSTANCE_TYPE", "MQOT_"),
    ("MQIACH_XMIT_PROTOCOL_TYPE", "MQXPT_"),
    ("MQIACH_MCA_TYPE", "MQMCAT_"),
    ("MQIACH_PUT_AUTHORITY", "MQPA_"),
    ("MQIACH_DATA_CONVERSION", "MQCDC_"),
    ("MQIACH_CHANNEL_SUBSTATE", "MQCHSSTATE_"),
    ("MQIACH_MCA_STATUS", "MQMCAS_"),
    ("MQIACH_INDOUBT_STATUS", "MQCHIDS_"),
    ("MQIACH_STOP_REQUESTED", "MQCHSR_"),
    ("MQIACH_NPM_SPEED", "MQNPMS_"),
    ("MQIACH_SSL_CLIENT_AUTH", "MQSCA_"),
    ("MQIACH_CHANNEL_DISP", "MQCHLD_"),
    ("MQIACH_LISTENER_CONTROL", "MQSVC_CONTROL_"),
    ("MQIACH_LISTENER_STATUS", "MQSVC_STATUS_"),
    ("MQIACH_CONNECTION_AFFINITY", "MQCAFTY_"),
    ("MQIACH_DEF_RECONNECT", "MQRCN_"),
    ("MQIACH_USER_SOURCE", "MQUSRC_"),
    ("MQIACH_WARNING", "MQWARN_"),
    ("MQIACF_Q_MGR_STATUS", "MQQMSTA_"),
    ("MQIACF_CHINIT_STATUS", "MQSVC_STATUS_"),
    ("MQIACF_CMD_SERVER_STATUS", "MQSVC_STATUS_"),
    ("MQIACF_SERVICE_STATUS", "MQSVC_STATUS_"),
    ("MQIACF_OBJECT_TYPE", "MQOT_"),
    ("MQIACF_EVENT_ORIGIN", "MQEVO_"),
    ("MQIACF_REASON_QUALIFIER", "MQRQ_"),
    ("MQIACF_ENTITY_TYPE", "MQZAET_"),
    ("MQIACF_UOW_STATE", "MQUOWST_"),
    ("MQIACF_UOW_TYPE", "MQUOWT_"),
    ("MQIACF_HANDLE_STATE", "MQHSTATE_"),
    ("MQIACF_SUB_TYPE", "MQSUBTYPE_"),
    ("MQIACF_DURABLE_SUBSCRIPTION", "MQSUB_DURABLE_"),
    ("MQIACF_COMMAND", "MQCMD_"),
    ("MQIACF_ASYNC_STATE", "MQAS_"),
    ("MQIACF_CHLAUTH_TYPE", "MQCAUT_"),
    ("MQIACF_PERMIT_STANDBY", "MQSTDBY_"),
    ("MQIACF_CF_STRUC_STATUS", "MQCFSTATUS_"),
    ("MQIACF_CF_STRUC_TYPE", "MQCFTYPE_"),
    ("MQIACF_CF_STRUC_ACCESS", "MQCFACCESS_"),
    ("MQIACF_SECURITY_TYPE", "MQSECTYPE_"),
    ("MQIACF_CONN_INFO_TYPE", "MQIACF_CONN_INFO_"),
    ("EXIA_CHINIT_SHARED", "EXSHARED_"),
    ("EXIA_MOVE_TYPE", "EXMOVE_"),
    ("EXIA_ARC_ALLOC_UNIT", "EXALCUNIT_"),
    ("EXIA_SEC_CLASS", "EXSECCLASS_"),
    ("EXIA_CF_RECOVER", "EXCFRECOVER_"),
    ("EXIA_CF_STATUS_TYPE", "EXCFSTATUSTYPE_"),
    ("EXIA_CF_TYPE", "EXCFTYPE_"),
    ("EXIA_CF_STATUS", "EXCFSTATUS_"),
]


def read_constants():
    """(name, value) of every constant, in file order: MQ, then the suite's."""
    constants = []
    for path in ["src/foundation/mq_constants.h", "src/cmdtable/suite_ids.h"]:
        for match in re.finditer(r"constexpr int32_t (\w+) = (-?\d+);", open(path).read()):
            constants.append((match.group(1), int(match.group(2))))
    for match in re.finditer(r"^#define (EXPRM_\w+)\s+(-?\d+)", open("include/zemapi.h").read(), re.M):
        constants.append((match.group(1), int(match.group(2))))
    return constants


def family(name):
    return name.split("_", 1)[0]


def pick(names):
    """The one name a number shows as, among names of one family."""
    preferred = [n for n in names if n in PREFERRED]
    return preferred[0] if preferred else sorted(names, key=lambda n: (-len(n), n))[0]


def parameter_names(constants):
    order = PARAMETER_FAMILIES + SUITE_FAMILIES
    candidates = {}
    for name, value in constants:
        if family(name) in order and not LEFT_OUT.search(name):
            candidates.setdefault(value, []).append(name)
    table = {}
    for value, names in candidates.items():
        first = min(order.index(family(n)) for n in names)
        table[value] = pick([n for n in names if order.index(family(n)) == first])
    return table


def value_names(constants, prefix):
    candidates = {}
    for name, value in constants:
        if name.startswith(prefix) and not LEFT_OUT.search(name) and not NOT_VALUES.search(name):
            candidates.setdefault(value, []).append(name)
    return {value: pick(names) for value, names in candidates.items()}


def rows(table):
    return "".join('    {%d, "%s"},\n' % (value, table[value]) for value in sorted(table))


def main():
    constants = read_constants()
    known = dict(constants)
    params = parameter_names(constants)
    out = ["// Generated by make_pcf_name_tables.py from the library's constants: do not edit.\n\n"]
    out.append("// PCF parameter ids, ascending.\nconstexpr Name kParameterNames[] = {\n" + rows(params) + "};\n\n")
    families, offsets, flat = [], {}, []
    for parameter, prefix in VALUE_PREFIXES:
        if parameter not in known:
            sys.exit("unknown parameter " + parameter)
        if prefix not in offsets:
            names = value_names(constants, prefix)
            if not names:
                sys.exit("no constants start with " + prefix)
            offsets[prefix] = (len(flat), len(names))
            flat.extend((value, names[value]) for value in sorted(names))
        families.append((known[parameter], parameter, prefix))
    out.append("// The enumerations, each ascending by value.\nconstexpr Name kValueNames[] = {\n")
    out.append("".join('    {%d, "%s"},\n' % row for row in flat) + "};\n\n")
    out.append("// Integer parameter -> its enumeration in kValueNames (first row, rows), by id.\n")
    out.append("constexpr ValueFamily kValueFamilies[] = {\n")
    for value, parameter, prefix in sorted(families):
        first, count = offsets[prefix]
        out.append("    {%d, %d, %d},  // %s: %s\n" % (value, first, count, parameter, prefix))
    out.append("};\n")
    ids = [f[0] for f in families]
    if len(ids) != len(set(ids)):
        sys.exit("a parameter id is listed twice")
    sys.stdout.write("".join(out))


if __name__ == "__main__":
    main()
