// zem pcf2mqsc: a saved PCF command as MQSC text.
// zem recent: which objects of saved inquiry responses changed since a time.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "cli.h"
#include "commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

// Room for the longest text a command of the table can give, continuation lines included.
constexpr int32_t kTextCapacity = 64 * 1024;

struct PcfMessageDeleter {
    void operator()(PcfMessage *pcf) const { DeletePcfMessage(pcf); }
};
using PcfMessagePtr = std::unique_ptr<PcfMessage, PcfMessageDeleter>;

struct ReasonMeaning {
    int32_t reason;
    const char *meaning;
};

constexpr ReasonMeaning kReasonMeanings[] = {
    {ZEM_P2M_BAD_STRUCTURE, "a parameter structure the conversion does not handle, or a malformed one"},
    {ZEM_P2M_NOT_IN_TABLE, "the command, a string-list parameter or a value is not in the command table"},
    {ZEM_P2M_TEXT_TOO_LONG, "the text does not fit the output area"},
    {ZEM_P2M_NO_PARAM_LIST, "the command has no parameter list"},
    {ZEM_P2M_REQUIRED_MISSING, "a required parameter of the command is missing"},
    {3054, "MQRCCF_ESCAPE_TYPE_ERROR: the escape type is missing or not MQSC"},
    {3019, "MQRCCF_PARM_COUNT_TOO_SMALL: the escape text is missing"},
};

const char *MeaningOf(int32_t reason)
{
    for (const auto &entry : kReasonMeanings)
        if (entry.reason == reason)
            return entry.meaning;
    return "unknown reason";
}

const char kPcf2MqscHelp[] =
    "usage: zem pcf2mqsc FILE [--split]\n"
    "\n"
    "Converts the PCF command saved in FILE (the raw MQCFH and parameter bytes) to the\n"
    "MQSC command text that a z/OS command server accepts, and prints it.\n"
    "\n"
    "  --split   continuation lines: three items on the first line, then one item a\n"
    "            line, each line but the last ending in \" +\"\n"
    "\n"
    "On failure prints the reason code, its meaning and the number of the structure at\n"
    "which the conversion stopped (0 the MQCFH, 1 the first parameter), and exits 1.\n";

const char kRecentHelp[] =
    "usage: zem recent FILE... --since \"YYYY-MM-DD HH:MM:SS\" [--qmgr NAME] [--verbose]\n"
    "\n"
    "For each inquiry response saved in FILE, says whether the object it describes was\n"
    "altered at or after the given local time (its MQCA_ALTERATION_DATE and _TIME), as\n"
    "discovery decides it. A response without alteration stamps counts as changed.\n"
    "\n"
    "  --since TIME   the start of the previous discovery, local time\n"
    "  --qmgr NAME    the queue manager's name, shown in the trace (default QMGR)\n"
    "  --verbose      print the filter's own trace lines as well\n";

// The local time "YYYY-MM-DD HH:MM:SS" as seconds since 1970; false when malformed.
bool ParseLocalTime(const std::string &text, int64_t &seconds)
{
    std::tm fields{};
    char extra = 0;
    if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &fields.tm_year, &fields.tm_mon,
                                         &fields.tm_mday, &fields.tm_hour, &fields.tm_min, &fields.tm_sec, &extra) != 6)
        return false;
    if (fields.tm_mon < 1 || fields.tm_mon > 12 || fields.tm_mday < 1 || fields.tm_mday > 31 || fields.tm_hour > 23 ||
        fields.tm_min > 59 || fields.tm_sec > 59)
        return false;
    fields.tm_year -= 1900;
    fields.tm_mon -= 1;
    fields.tm_isdst = -1;
    const int wantedDay = fields.tm_mday;
    const std::time_t time = std::mktime(&fields);
    if (time == static_cast<std::time_t>(-1) || fields.tm_mday != wantedDay)
        return false;
    seconds = static_cast<int64_t>(time);
    return true;
}

// A string parameter of the response, cut at its first blank; "" when absent.
std::string StringParameter(PcfMessage &response, int32_t id)
{
    MESSAGE holder{};
    if (CreateMessage(&holder, 256) != 1)
        return "";
    char text[257] = {};
    std::string value;
    if (GetAttrByID(id, &holder, &response) == 1 && GetPcfStrAttrValue(&holder, text, 256) == 1) {
        value = text;
        value = value.substr(0, value.find(' '));
    }
    DeleteMessage(&holder);
    return value;
}

// The object a response describes, as "QUEUE PAYROLL.IN".
std::string ObjectOf(PcfMessage &response)
{
    static const struct {
        int32_t parameter;
        const char *word;
    } kNames[] = {
        {2016, "QUEUE"},    {3501, "CHANNEL"},  {2012, "PROCESS"}, {2045, "AUTHINFO"},
        {2010, "NAMELIST"}, {3554, "LISTENER"}, {2077, "SERVICE"}, {2015, "QMGR"},
    };
    for (const auto &name : kNames) {
        std::string value = StringParameter(response, name.parameter);
        if (!value.empty())
            return std::string(name.word) + " " + value;
    }
    return "object";
}

}  // namespace

int Pcf2Mqsc(int argc, char **argv)
{
    zem_cli::Args args;
    if (!zem_cli::Parse(argv[0], argc, argv, 1, {}, {"--split"}, args))
        return 2;
    if (args.help) {
        std::fputs(kPcf2MqscHelp, stdout);
        return 0;
    }
    if (args.positional.size() != 1)
        return zem_cli::UsageError(argv[0], "expects one FILE (see 'zem pcf2mqsc --help')");
    const std::string &path = args.positional[0];

    PcfMessagePtr command(DeserializePcfMessage(path.c_str()));
    if (!command)
        return zem_cli::Failure(argv[0], path + ": not a readable PCF message");
    PcfMessagePtr text(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, kTextCapacity));
    if (!text)
        return zem_cli::Failure(argv[0], "no memory for the text");

    int32_t compCode = 0, reason = 0, failedParam = 0;
    zemPcf2Mqsc(command.get(), text.get(), args.has("--split") ? 1 : 0, &compCode, &reason, &failedParam);
    if (compCode != 0) {
        char detail[64];
        std::snprintf(detail, sizeof detail, ", failing structure %d", failedParam);
        return zem_cli::Failure(argv[0], path + ": conversion failed: reason " + std::to_string(reason) + " (" +
                                             MeaningOf(reason) + ")" + detail);
    }
    const auto *area = reinterpret_cast<const char *>(text->PcfMsg.pData);
    std::fwrite(area, 1, static_cast<std::size_t>(text->PcfMsg.Used - ZEM_MDHDR_LENGTH), stdout);
    std::fputc('\n', stdout);
    return 0;
}

int Recent(int argc, char **argv)
{
    zem_cli::Args args;
    if (!zem_cli::Parse(argv[0], argc, argv, 1, {"--since", "--qmgr"}, {"--verbose"}, args))
        return 2;
    if (args.help) {
        std::fputs(kRecentHelp, stdout);
        return 0;
    }
    if (args.positional.empty())
        return zem_cli::UsageError(argv[0], "expects at least one FILE (see 'zem recent --help')");
    if (!args.hasOption("--since"))
        return zem_cli::UsageError(argv[0], "--since \"YYYY-MM-DD HH:MM:SS\" is required");
    const std::string since = args.option("--since");
    int64_t start = 0;
    if (!ParseLocalTime(since, start))
        return zem_cli::UsageError(argv[0], "--since '" + since + "' is not a local time YYYY-MM-DD HH:MM:SS");
    const std::string qmgr = args.option("--qmgr", "QMGR");

    int status = 0;
    for (const std::string &path : args.positional) {
        PcfMessagePtr response(DeserializePcfMessage(path.c_str()));
        if (!response) {
            status = zem_cli::Failure(argv[0], path + ": not a readable PCF message");
            continue;
        }
        const int32_t recent = IsAlterDateRecent2(start, response.get(), qmgr.c_str(), args.has("--verbose"));
        const std::string date = StringParameter(*response, 2027), time = StringParameter(*response, 2028);
        const std::string stamp = date.empty() || time.empty() ? "no alteration stamp" : "altered " + date + " " + time;
        std::printf("%s: %s, %s: %s\n", path.c_str(), ObjectOf(*response).c_str(), stamp.c_str(),
                    recent ? "changed" : "not changed");
    }
    return status;
}

}  // namespace zem_cmd
