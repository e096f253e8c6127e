// zem mqsc2pcf: MQSC reply texts of one command as PCF responses.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli.h"
#include "commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

// Room for a response: a list value can grow several times over in its PCF form.
constexpr int64_t kMinimumResponseRoom = 1024 * 1024;
constexpr int64_t kRoomPerReplyByte = 8;
constexpr int64_t kLargestReply = 64 * 1024 * 1024;

struct PcfMessageDeleter {
    void operator()(PcfMessage *pcf) const { DeletePcfMessage(pcf); }
};
using PcfMessagePtr = std::unique_ptr<PcfMessage, PcfMessageDeleter>;

struct ReasonMeaning {
    int32_t reason;
    const char *meaning;
};

constexpr ReasonMeaning kReasonMeanings[] = {
    {0, "the report line ended before all of its values"},
    {ZEM_RC_MQSC_BAD_TYPE, "a keyword of a type that cannot be converted"},
    {ZEM_RC_MQSC_UNKNOWN, "no message id in the reply, or a command the table does not hold"},
    {ZEM_RC_MQSC_NO_ROOM, "the response does not fit, or a parameter could not be added"},
    {ZEM_RC_MQSC_NO_PARAMS, "the command has no parameter list"},
    {ZEM_RC_MQSC_BAD_REPORT, "a report line not in the expected form"},
};

const char *MeaningOf(int32_t reason)
{
    for (const auto &entry : kReasonMeanings)
        if (entry.reason == reason)
            return entry.meaning;
    return "unknown reason";
}

const char kHelp[] =
    "usage: zem mqsc2pcf --command N FILE... [-o|--output OUT]\n"
    "\n"
    "Converts the MQSC replies to one PCF command into PCF responses, as a client of a\n"
    "z/OS command server does. Each FILE holds one reply message (lines may be separated\n"
    "by NUL bytes); the files are converted in the order given, each against a fresh copy\n"
    "of the command, and each response is printed. The reports of SET LOG (10633),\n"
    "DISPLAY LOG (10632) and DISPLAY GROUP (10901) come one line per reply message.\n"
    "\n"
    "  --command N       the PCF command code the replies answer (13 for DISPLAY QUEUE)\n"
    "  -o, --output OUT  save the responses instead of printing them: the response to the\n"
    "                    only FILE as OUT, the response to the n-th of several as OUT.n\n"
    "\n"
    "Keywords of a reply that the command table does not hold for the command are passed\n"
    "over; their number and first names follow the response.\n"
    "\n"
    "A reply that cannot be converted is reported with its status, reason code, the\n"
    "reason's meaning and the count of keywords recognised; the other files are still\n"
    "converted, and the exit status is 1.\n";

// The reply as the command server's message: the text in a container's data area.
PcfMessagePtr ReplyMessage(const std::string &text)
{
    auto length = static_cast<int32_t>(text.size());
    PcfMessagePtr reply(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, length));
    if (!reply)
        return nullptr;
    std::memcpy(reply->PcfMsg.pData, text.data(), text.size());
    reply->PcfMsg.Used = ZEM_MDHDR_LENGTH + length;
    return reply;
}

std::string OutputPath(const std::string &out, std::size_t index, std::size_t files)
{
    return files == 1 ? out : out + "." + std::to_string(index + 1);
}

// Keywords the table does not hold, so that a missing attribute is noticed.
void ReportSkipped(const std::string &path, int32_t skipped, const char *names)
{
    if (skipped == 0)
        return;
    std::printf("%s: %d keyword%s not in the table passed over: %s\n", path.c_str(), skipped, skipped == 1 ? "" : "s",
                names);
}

// Converts one reply file; true when its response was printed or saved. Listings after
// the first are set apart by a blank line.
bool ConvertOne(const char *name, int32_t command, const std::string &path, const std::string &savePath, bool &listed)
{
    std::string text;
    if (!zem_cli::ReadFile(path, text)) {
        zem_cli::Failure(name, path + ": cannot read the file");
        return false;
    }
    if (static_cast<int64_t>(text.size()) > kLargestReply) {
        zem_cli::Failure(name, path + ": the reply is larger than 64 MiB");
        return false;
    }
    int64_t room = std::max(kMinimumResponseRoom, kRoomPerReplyByte * static_cast<int64_t>(text.size()));
    PcfMessagePtr reply = ReplyMessage(text);
    PcfMessagePtr response(CreatePcfMessage(command, ZEM_MQCFT_COMMAND, static_cast<int32_t>(room)));
    if (!reply || !response) {
        zem_cli::Failure(name, path + ": no memory for the conversion");
        return false;
    }
    int32_t status = 0, reason = 0, count = 0, skipped = 0;
    char skippedNames[ZEM_MQSC_SKIPPED_LISTED * 64] = "";
    zemMqsc2PcfEx(reply.get(), response.get(), &status, &reason, &count, &skipped, skippedNames, sizeof skippedNames);
    if (status != 0) {
        zem_cli::Failure(name, path + ": not converted: status " + std::to_string(status) + ", reason " +
                                   std::to_string(reason) + " (" + MeaningOf(reason) + "), count " +
                                   std::to_string(count));
        return false;
    }
    if (RawToPcf(response.get()) != 1) {
        zem_cli::Failure(name, path + ": the response is not a well-formed PCF message");
        return false;
    }
    if (!savePath.empty()) {
        if (SerializePcfMessage(response.get(), savePath.c_str()) != 1) {
            zem_cli::Failure(name, savePath + ": cannot write the response");
            return false;
        }
        std::printf("%s: response saved to %s (%d bytes)\n", path.c_str(), savePath.c_str(),
                    response->PcfMsg.Used - ZEM_MDHDR_LENGTH);
        ReportSkipped(path, skipped, skippedNames);
        return true;
    }
    std::printf("%s%s:\n", listed ? "\n" : "", path.c_str());
    listed = true;
    std::fflush(stdout);
    PrintPcfMessage(response.get());
    std::fflush(stdout);
    ReportSkipped(path, skipped, skippedNames);
    return true;
}

}  // namespace

int Mqsc2Pcf(int argc, char **argv)
{
    zem_cli::Args args;
    if (!zem_cli::Parse(argv[0], argc, argv, 1, {"--command", "-o"}, {}, args))
        return 2;
    if (args.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (!args.hasOption("--command"))
        return zem_cli::UsageError(argv[0], "expects --command N (see 'zem mqsc2pcf --help')");
    int32_t command = 0;
    if (!zem_cli::ParseInt32(args.option("--command"), command))
        return zem_cli::UsageError(argv[0],
                                   "--command expects a PCF command code, not '" + args.option("--command") + "'");
    if (args.positional.empty())
        return zem_cli::UsageError(argv[0], "expects at least one reply FILE (see 'zem mqsc2pcf --help')");
    if (args.hasOption("-o") && args.option("-o").empty())
        return zem_cli::UsageError(argv[0], "-o expects a file name");

    bool allConverted = true;
    bool listed = false;
    const std::size_t files = args.positional.size();
    for (std::size_t i = 0; i < files; ++i) {
        std::string savePath = args.hasOption("-o") ? OutputPath(args.option("-o"), i, files) : "";
        allConverted = ConvertOne(argv[0], command, args.positional[i], savePath, listed) && allConverted;
    }
    return allConverted ? 0 : 1;
}

}  // namespace zem_cmd
