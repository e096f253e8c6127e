// zem ini, permit, workgroup, rc and name: configuration files and MQ names from the shell.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

// Prints the help text when asked; otherwise parses. Returns -1 to go on, else the status.
int Prepare(const char *name, int argc, char **argv, const std::set<std::string> &options,
            const std::set<std::string> &flags, const char *help, zem_cli::Args &args)
{
    // Negative numbers are values, not options: hand them over after "--".
    std::vector<char *> ordered(argv, argv + argc), numbers;
    for (auto it = ordered.begin() + 1; it != ordered.end();) {
        int32_t number;
        if ((*it)[0] == '-' && zem_cli::ParseInt32(*it, number)) {
            numbers.push_back(*it);
            it = ordered.erase(it);
        } else {
            ++it;
        }
    }
    static char separator[] = "--";
    if (!numbers.empty()) {
        ordered.push_back(separator);
        ordered.insert(ordered.end(), numbers.begin(), numbers.end());
    }
    if (!zem_cli::Parse(name, static_cast<int>(ordered.size()), ordered.data(), 1, options, flags, args))
        return 2;
    if (args.help) {
        std::fputs(help, stdout);
        return 0;
    }
    return -1;
}

// Delimiter sets on the command line: \n, \t, \r and \\ stand for themselves.
std::string Unescaped(const std::string &text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\' || at + 1 == text.size()) {
            out += text[at];
            continue;
        }
        char next = text[++at];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
    }
    return out;
}

bool DelimiterOption(const char *command, const zem_cli::Args &args, const char *name, const char *fallback,
                     std::string &delims)
{
    delims = args.hasOption(name) ? Unescaped(args.option(name)) : fallback;
    if (delims.size() < ZEM_INI_DELIMS_SIZE)
        return true;
    zem_cli::UsageError(command, std::string(name) + " takes at most 32 characters");
    return false;
}

// The library's error texts end with a newline that Failure adds again.
std::string Trimmed(const char *error)
{
    std::string text = error;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

// Points the install directory at DIR for this process (--home).
void UseHome(const zem_cli::Args &args)
{
    if (args.hasOption("--home"))
        setenv("KELDA_HOME", args.option("--home").c_str(), 1);
}

const char kIniHelp[] =
    "usage: zem ini FILE KEY [--key-delims D] [--value-delims D]\n"
    "       zem ini FILE --list [--key-delims D] [--value-delims D]\n"
    "\n"
    "Prints the value of the first entry of FILE whose key fits KEY, a mask in which '*'\n"
    "stands for any characters (exit 1 when none does), or with --list every entry as\n"
    "KEY=VALUE in file order. A key ends at one of the key delimiters (default '=') or a\n"
    "newline, its value starts after the next key delimiter and ends at one of the value\n"
    "delimiters (default newline); '#' starts a comment. In D, \\n, \\t and \\r stand for\n"
    "newline, tab and carriage return.\n";

int ListEntries(IniFile &ini)
{
    std::vector<char> key(static_cast<std::size_t>(ini.length) + 1), value(key.size());
    for (int found = zemGetKeyAndValue(&ini, key.data(), value.data(), 1); found;
         found = zemGetKeyAndValue(&ini, key.data(), value.data(), 0))
        std::printf("%s=%s\n", key.data(), value.data());
    return 0;
}

const char kPermitHelp[] =
    "usage: zem permit RULE KEY\n"
    "       zem permit FILE KEY [--section NAME] [--key-delims D] [--value-delims D]\n"
    "\n"
    "With a RULE, prints \"fits\" and exits 0 when KEY fits the rule, else prints\n"
    "\"does not fit\" and exits 1. Keys look like UserAuthority::QM1::USER1\\SYSTEM.DEF:\n"
    "tokens separated by ':', '\\' or blanks, then the object after the last backslash.\n"
    "A rule's tokens must fit the key's first tokens ('?' stands for one character, '*'\n"
    "for at least one) and its object, if it has one, the key's object; only rules that\n"
    "begin with UserAuthority or Audit (or the rule \"*\") fit anything, and the user\n"
    "$SYSTEM$ is fitted only by itself.\n"
    "\n"
    "With an existing FILE (a permission file), finds the first rule of the section that\n"
    "KEY fits and prints it with its value:\n"
    "  rule:  RULE\n"
    "  value: VALUE\n"
    "or reports \"no rule fits\" on standard error and exits 1. The section is NAME (effective,\n"
    "userauthority, audit or trust) or the family that KEY begins with. Rules end at the\n"
    "key delimiter (default '='), values at a value delimiter (default CR and LF).\n";

struct SectionName {
    const char *name;
    const char *prefix;  // a line's family, first seven characters ignoring case
    PermSection PermFile::*section;
};
const SectionName kSections[] = {
    {"effective", "Effecti", &PermFile::effective},
    {"userauthority", "UserAut", &PermFile::userAuthority},
    {"audit", "Audit::", &PermFile::audit},
    {"trust", "TRUST::", &PermFile::trust},
};

bool SameIgnoringCase(const char *left, const char *right, std::size_t count)
{
    for (std::size_t at = 0; at < count; ++at) {
        unsigned char a = static_cast<unsigned char>(left[at]), b = static_cast<unsigned char>(right[at]);
        if (std::toupper(a) != std::toupper(b))
            return false;
        if (!a)
            return true;
    }
    return true;
}

const SectionName *ChosenSection(const zem_cli::Args &args, const std::string &key)
{
    for (const SectionName &section : kSections) {
        if (args.hasOption("--section")) {
            std::string wanted = args.option("--section");
            if (wanted.size() == std::strlen(section.name) && SameIgnoringCase(wanted.c_str(), section.name, 64))
                return &section;
        } else if (key.size() >= 7 && SameIgnoringCase(key.c_str(), section.prefix, 7)) {
            return &section;
        }
    }
    return nullptr;
}

// The rule a permit lookup matched: the key before the delimiter that precedes its value,
// read back to the previous key delimiter or line end.
std::string MatchedRule(const char *text, int32_t valueStart, const std::string &keyDelims)
{
    int32_t end = valueStart - 1, start = end;
    while (start > 0 && text[start - 1] != '\n' && keyDelims.find(text[start - 1]) == std::string::npos)
        --start;
    return std::string(text + start, text + (end > start ? end : start));
}

int PermitFromFile(const char *command, const zem_cli::Args &args, const std::string &path, const std::string &key)
{
    std::string keyDelims, valueDelims;
    if (!DelimiterOption(command, args, "--key-delims", "=", keyDelims) ||
        !DelimiterOption(command, args, "--value-delims", "\r\n", valueDelims))
        return 2;
    const SectionName *chosen = ChosenSection(args, key);
    if (!chosen)
        return zem_cli::UsageError(command, args.hasOption("--section")
                                                ? "unknown section '" + args.option("--section") +
                                                      "' (effective, userauthority, audit or trust)"
                                                : "KEY names no section: give --section NAME");
    PermFile perm{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    if (!zemOpenPermFile(path.c_str(), keyDelims.c_str(), valueDelims.c_str(), &perm, error, 0))
        return zem_cli::Failure(command, Trimmed(error));
    const PermSection &section = perm.*chosen->section;
    std::vector<char> value(static_cast<std::size_t>(section.length) + 1);
    int32_t position = 0;
    int status = 1;
    if (section.text &&
        zemGetValueExtExt2(section.text, perm.keyDelims, perm.valueDelims, key.c_str(), value.data(), 1, &position)) {
        int32_t valueStart = position - static_cast<int32_t>(std::strlen(value.data()));
        std::printf("rule:  %s\nvalue: %s\n", MatchedRule(section.text, valueStart, perm.keyDelims).c_str(),
                    value.data());
        status = 0;
    } else {
        zem_cli::Failure(command, "no rule fits");
    }
    zemClosePermFile(&perm);
    return status;
}

bool IsFile(const std::string &path)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

const char kWorkgroupHelp[] =
    "usage: zem workgroup NAME [--home DIR]\n"
    "\n"
    "Resolves the workgroup NAME (a mask: PR* takes the first fitting group) from\n"
    "mqgroup.ini in the configuration folder, INSTALLDIR/config/groups, and prints every\n"
    "value that resolves, one per line as NAME VALUE: Workgroup, Group, Node, Service,\n"
    "VNTDSNode, VNTDSPort, DBDSN, DBUser, DBPwd, DBSchema, DBPSchema, QX7DBDSN,\n"
    "QX7DBUser, QX7DBPwd, QX7DBSchema. Passwords print as ********. --home DIR uses DIR\n"
    "as the install directory (as KELDA_HOME does).\n";

// The places of WorkgroupInfo in order, with the names the file uses.
struct Place {
    const char *name;
    bool required;
    bool secret;
};
constexpr Place kPlaces[] = {
    {"Group", false, false},    {"Node", true, false},         {"Service", true, false},   {"VNTDSNode", true, false},
    {"VNTDSPort", true, false}, {"DBDSN", false, false},       {"DBUser", false, false},   {"DBPwd", false, true},
    {"DBSchema", false, false}, {"DBPSchema", false, false},   {"QX7DBDSN", false, false}, {"QX7DBUser", false, false},
    {"QX7DBPwd", false, true},  {"QX7DBSchema", false, false},
};
constexpr std::size_t kPlaceCount = sizeof kPlaces / sizeof kPlaces[0];
static_assert(kPlaceCount * sizeof(char *) == sizeof(WorkgroupInfo), "one place per field");

// A value the resolver did not write keeps this first byte.
constexpr char kUnwritten = '\x01';

const char kRcHelp[] =
    "usage: zem rc CODE [--home DIR]\n"
    "\n"
    "Prints the text of the MQ reason code CODE from zemrc.ini in the configuration\n"
    "folder: the part of its entry before the first ':', usually the MQRC_ name. Reports\n"
    "\"unknown reason code\" on standard error and exits 1 when the file or the entry is\n"
    "missing.\n"
    "--home DIR uses DIR as the install directory (as KELDA_HOME does).\n";

// The name functions by a short kind name, all called the same way.
struct NameKind {
    const char *kind;
    const char *function;
    const char *names;
    const char *(*name)(int32_t value, char *text);
};
const NameKind kNameKinds[] = {
    {"msgtype", "MsgType", "message types as words (DATAGRAM)",
     [](int32_t value, char *text) -> const char * { return MsgType(value, text); }},
    {"mqmt", "MapMsgType", "message types as MQMT_ names",
     [](int32_t value, char *) -> const char * { return MapMsgType(value); }},
    {"appltype", "PutApplType", "put-application types as words (UNIX)",
     [](int32_t value, char *text) -> const char * { return PutApplType(value, text); }},
    {"feedback", "Feedback", "feedback codes as words (QUIT)",
     [](int32_t value, char *text) -> const char * { return Feedback(value, text); }},
    {"mqfb", "MapFeedback", "feedback codes as MQFB_ names", MapFeedback},
    {"report", "Report", "report options (only 0 has a name)",
     [](int32_t value, char *text) -> const char * { return Report(value, text); }},
    {"mqot", "MqObjTypeStr", "object types as MQOT_ names",
     [](int32_t value, char *text) -> const char * { return MqObjTypeStr(value, text); }},
    {"objtype", "MapObjType", "object types as words (QUEUE)",
     [](int32_t value, char *) -> const char * { return MapObjType(value); }},
    {"persistence", "PersistanceType", "persistence as MQPER_ names",
     [](int32_t value, char *text) -> const char * { return PersistanceType(value, text); }},
    {"exitid", "MapExitId", "exit identifiers as MQXT_ names", MapExitId},
    {"exitreason", "MapExitReason", "exit reasons as MQXR_ names", MapExitReason},
    {"exitresponse", "MapExitResponse", "exit responses as MQXCC_ names", MapExitResponse},
    {"exitresponse2", "MapExitResponse2", "secondary exit responses as MQXR2_ names", MapExitResponse2},
    {"callertype", "APICallerType", "API caller types as MQXACT_ names", APICallerType},
    {"function", "MapFunctionId", "API function identifiers as call names (MQPUT)", MapFunctionId},
    {"channeltype", "MapChannelType", "channel types as MQSC words (SVRCONN)", MapChannelType},
    {"environment", "MapEnvironment", "exit environments as MQXE_ names", MapEnvironment},
    {"param", "PcfParamName", "PCF parameter ids as constant names (MQCA_Q_NAME)",
     [](int32_t value, char *text) -> const char * {
         const char *name = PcfParamName(value);
         std::snprintf(text, ZEM_NAME_SIZE, "%d", value);
         return name ? name : text;
     }},
};

std::string NameHelp()
{
    std::string help =
        "usage: zem name KIND VALUE\n"
        "\n"
        "Prints the name of the MQ constant VALUE of KIND; a value without a name prints\n"
        "the kind's fallback (usually the number). Kinds:\n";
    char line[160];
    for (const NameKind &kind : kNameKinds) {
        std::snprintf(line, sizeof line, "  %-14s %-17s %s\n", kind.kind, kind.function, kind.names);
        help += line;
    }
    return help;
}

}  // namespace

int Ini(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    int status = Prepare(command, argc, argv, {"--key-delims", "--value-delims"}, {"--list"}, kIniHelp, args);
    if (status >= 0)
        return status;
    bool list = args.has("--list");
    if (args.positional.size() != (list ? 1u : 2u))
        return zem_cli::UsageError(command, list ? "expected FILE with --list" : "expected FILE KEY (or FILE --list)");
    std::string keyDelims, valueDelims;
    if (!DelimiterOption(command, args, "--key-delims", "=", keyDelims) ||
        !DelimiterOption(command, args, "--value-delims", "\n", valueDelims))
        return 2;
    IniFile ini{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    const std::string &path = args.positional[0];
    if (!zemOpenIniFile(path.c_str(), keyDelims.c_str(), valueDelims.c_str(), &ini, error, 0))
        return zem_cli::Failure(command, Trimmed(error));
    if (list) {
        status = ListEntries(ini);
    } else {
        std::vector<char> value(static_cast<std::size_t>(ini.length) + 1);
        const std::string &key = args.positional[1];
        status = zemGetValue(&ini, key.c_str(), value.data(), 1) ? 0 : 1;
        if (status == 0)
            std::printf("%s\n", value.data());
        else
            zem_cli::Failure(command, "no entry fits '" + key + "' in " + path);
    }
    zemCloseIniFile(&ini);
    return status;
}

int Permit(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    int status = Prepare(command, argc, argv, {"--section", "--key-delims", "--value-delims"}, {}, kPermitHelp, args);
    if (status >= 0)
        return status;
    if (args.positional.size() != 2)
        return zem_cli::UsageError(command, "expected RULE KEY or FILE KEY");
    const std::string &ruleOrFile = args.positional[0], &key = args.positional[1];
    if (IsFile(ruleOrFile))
        return PermitFromFile(command, args, ruleOrFile, key);
    if (args.hasOption("--section") || args.hasOption("--key-delims") || args.hasOption("--value-delims"))
        return zem_cli::UsageError(command, "no such file: " + ruleOrFile);
    bool fits = IsPermitMaskMatch(ruleOrFile.c_str(), key.c_str()) != 0;
    std::puts(fits ? "fits" : "does not fit");
    return fits ? 0 : 1;
}

int Workgroup(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    int status = Prepare(command, argc, argv, {"--home"}, {}, kWorkgroupHelp, args);
    if (status >= 0)
        return status;
    if (args.positional.size() != 1)
        return zem_cli::UsageError(command, "expected NAME");
    UseHome(args);
    // No value can be longer than the file: size the buffers by it.
    IniFile groups{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    if (!zemOpenIniFile("mqgroup.ini", "\n=", " \n\t", &groups, error, 1))
        return zem_cli::Failure(command, Trimmed(error));
    std::size_t room = static_cast<std::size_t>(groups.length) + 1;
    zemCloseIniFile(&groups);

    const char *name = args.positional[0].c_str();
    std::vector<std::vector<char>> values(kPlaceCount, std::vector<char>(room > 1 ? room : 2, '\0'));
    WorkgroupInfo request{};
    char **places = &request.groupId;
    for (std::size_t place = 0; place < kPlaceCount; ++place) {
        values[place][0] = kUnwritten;
        places[place] = kPlaces[place].required ? nullptr : values[place].data();
    }
    if (!zemResolveWorkgroup(name, &request, error))
        return zem_cli::Failure(command, Trimmed(error));
    // A required value that is missing fails the whole request: ask for each alone.
    for (std::size_t place = 0; place < kPlaceCount; ++place) {
        if (!kPlaces[place].required)
            continue;
        WorkgroupInfo single{};
        (&single.groupId)[place] = values[place].data();
        zemResolveWorkgroup(name, &single, nullptr);
    }
    std::printf("%-12s %s\n", "Workgroup", name);
    for (std::size_t place = 0; place < kPlaceCount; ++place) {
        const char *value = values[place].data();
        if (value[0] == kUnwritten)
            continue;
        std::printf("%-12s %s\n", kPlaces[place].name, kPlaces[place].secret && *value ? "********" : value);
    }
    return 0;
}

int Rc(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    int status = Prepare(command, argc, argv, {"--home"}, {}, kRcHelp, args);
    if (status >= 0)
        return status;
    int32_t code;
    if (args.positional.size() != 1 || !zem_cli::ParseInt32(args.positional[0], code))
        return zem_cli::UsageError(command, "expected CODE, a 32-bit number");
    UseHome(args);
    const char *text = GetRcText(code);
    if (!text)
        return zem_cli::Failure(command, "the entry of reason code " + args.positional[0] + " has no text");
    if (std::strcmp(text, "unknown reason code") == 0)
        return zem_cli::Failure(command, text);
    std::printf("%s\n", text);
    return 0;
}

int Name(int argc, char **argv)
{
    const char *command = argv[0];
    zem_cli::Args args;
    std::string help = NameHelp();
    int status = Prepare(command, argc, argv, {}, {}, help.c_str(), args);
    if (status >= 0)
        return status;
    int32_t value;
    if (args.positional.size() != 2 || !zem_cli::ParseInt32(args.positional[1], value))
        return zem_cli::UsageError(command, "expected KIND VALUE (see 'zem name --help')");
    for (const NameKind &kind : kNameKinds) {
        if (args.positional[0] != kind.kind)
            continue;
        char text[ZEM_NAME_SIZE] = "";
        std::printf("%s\n", kind.name(value, text));
        return 0;
    }
    return zem_cli::UsageError(command, "unknown kind '" + args.positional[0] + "' (see 'zem name --help')");
}

}  // namespace zem_cmd
