// zem pcf info | native: what a saved PCF message holds, and a peer's message made native.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli.h"
#include "pcf_commands.h"
#include "zemapi.h"

namespace zem_cmd {
namespace {

const char kInfoHelp[] =
    "usage: zem pcf info FILE\n"
    "\n"
    "Loads the PCF message saved in FILE and prints its MQCFH fields, then one line per\n"
    "parameter: its position, structure type, parameter id, length in bytes (a group's\n"
    "length covers all of its members) and the id's constant name, followed for an integer\n"
    "by the name of its value where MQ enumerates the values (\"-\" when unnamed).\n";

const char kNativeHelp[] =
    "usage: zem pcf native FILE -o OUT [--swap] [--ebcdic]\n"
    "\n"
    "Converts the PCF message in FILE, written by a peer of the other byte order and/or\n"
    "with EBCDIC text, to this machine's form and saves it in OUT. Byte strings and\n"
    "binary values are left as they are. The result must be a well-formed message.\n"
    "\n"
    "options:\n"
    "  --swap             the peer's integers are in the other byte order\n"
    "  --ebcdic           the peer's text is EBCDIC\n"
    "  -o, --output OUT   the file to write\n";

// CodedCharSetId that marks a peer's text as EBCDIC in the envelope header (any value but 1).
constexpr int32_t kEbcdicCharSet = 500;
constexpr int32_t kAsciiCharSet = 1;

const char *TypeName(int32_t type)
{
    static const struct {
        int32_t type;
        const char *name;
    } kNames[] = {
        {ZEM_MQCFT_COMMAND, "MQCFT_COMMAND"},
        {ZEM_MQCFT_RESPONSE, "MQCFT_RESPONSE"},
        {ZEM_MQCFT_INTEGER, "MQCFT_INTEGER"},
        {ZEM_MQCFT_STRING, "MQCFT_STRING"},
        {ZEM_MQCFT_INTEGER_LIST, "MQCFT_INTEGER_LIST"},
        {ZEM_MQCFT_STRING_LIST, "MQCFT_STRING_LIST"},
        {ZEM_MQCFT_EVENT, "MQCFT_EVENT"},
        {ZEM_MQCFT_USER, "MQCFT_USER"},
        {ZEM_MQCFT_BYTE_STRING, "MQCFT_BYTE_STRING"},
        {ZEM_MQCFT_TRACE_ROUTE, "MQCFT_TRACE_ROUTE"},
        {ZEM_MQCFT_REPORT, "MQCFT_REPORT"},
        {ZEM_MQCFT_INTEGER_FILTER, "MQCFT_INTEGER_FILTER"},
        {ZEM_MQCFT_STRING_FILTER, "MQCFT_STRING_FILTER"},
        {ZEM_MQCFT_BYTE_STRING_FILTER, "MQCFT_BYTE_STRING_FILTER"},
        {ZEM_MQCFT_COMMAND_XR, "MQCFT_COMMAND_XR"},
        {ZEM_MQCFT_XR_MSG, "MQCFT_XR_MSG"},
        {ZEM_MQCFT_XR_ITEM, "MQCFT_XR_ITEM"},
        {ZEM_MQCFT_XR_SUMMARY, "MQCFT_XR_SUMMARY"},
        {ZEM_MQCFT_GROUP, "MQCFT_GROUP"},
        {ZEM_MQCFT_STATISTICS, "MQCFT_STATISTICS"},
        {ZEM_MQCFT_ACCOUNTING, "MQCFT_ACCOUNTING"},
        {ZEM_MQCFT_INTEGER64, "MQCFT_INTEGER64"},
        {ZEM_MQCFT_INTEGER64_LIST, "MQCFT_INTEGER64_LIST"},
        {ZEM_MQCFT_APP_ACTIVITY, "MQCFT_APP_ACTIVITY"},
        {ZEM_MQCFT_STATUS, "MQCFT_STATUS"},
        {ZEM_EXCFT_BYTE_STRING_LIST, "EXCFT_BYTE_STRING_LIST"},
        {ZEM_EXCFT_PCF, "EXCFT_PCF"},
        {ZEM_EXCFT_BINARY, "EXCFT_BINARY"},
    };
    for (const auto &entry : kNames)
        if (entry.type == type)
            return entry.name;
    return "unknown";
}

// The i-th 32-bit word of an envelope's data.
int32_t Word(const MESSAGE &msg, int index)
{
    int32_t word = 0;
    std::memcpy(&word, msg.pData + 4 * index, sizeof word);
    return word;
}

// The parameters of the whole message, continuations included.
int64_t ParameterTotal(PcfMessage *pcf)
{
    int64_t total = 0;
    for (PcfMessage *part = pcf; part; part = PcfContinuation(part))
        total += part->pCfh->ParameterCount;
    return total;
}

// The MQCFH of the whole message: its ParameterCount counts the continuations too.
void PrintHeader(const ZEM_MQCFH &header, int32_t length, int64_t parameterCount)
{
    std::printf("Message length  %d bytes\n", length);
    std::printf("Type            %d %s\n", header.Type, TypeName(header.Type));
    std::printf("StrucLength     %d\n", header.StrucLength);
    std::printf("Version         %d\n", header.Version);
    std::printf("Command         %d %s\n", header.Command, PcfIdToName(header.Command));
    std::printf("MsgSeqNumber    %d\n", header.MsgSeqNumber);
    std::printf("Control         %d\n", header.Control);
    std::printf("CompCode        %d\n", header.CompCode);
    std::printf("Reason          %d\n", header.Reason);
    std::printf("ParameterCount  %lld\n", static_cast<long long>(parameterCount));
}

void PrintParameters(PcfMessage *pcf)
{
    std::printf("\n Pos  %-24s %9s %7s  %s\n", "Type", "Parameter", "Length", "Name");
    MESSAGE attr{};
    for (int32_t pos = 1; GetAttrByPos(pos, &attr, pcf); ++pos) {
        // Every indexed structure has at least Type, StrucLength and Parameter.
        int32_t type = Word(attr, 0);
        int32_t id = Word(attr, 2);
        const char *name = PcfParamName(id);
        std::printf("%4d  %-24s %9d %7d  %s", pos, TypeName(type), id, attr.Used - ZEM_MDHDR_LENGTH, name ? name : "-");
        int32_t value = 0;
        const char *valueName = GetPcfIntAttrValue(&attr, &value) ? PcfValueName(id, value) : nullptr;
        std::printf(valueName ? " = %s\n" : "\n", valueName);
    }
    DeleteMessage(&attr);
}

// Converts `bytes` as a peer's message through the envelope header, as a received one is.
PcfMessage *ConvertPeerMessage(const std::string &bytes, bool swap, bool ebcdic)
{
    auto length = static_cast<int32_t>(bytes.size());
    PcfMessage *pcf = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, length);
    if (!pcf)
        return nullptr;
    std::memcpy(pcf->PcfMsg.pData, bytes.data(), bytes.size());
    pcf->PcfMsg.Used = ZEM_MDHDR_LENGTH + length;
    MDHDR *header = reinterpret_cast<MDHDR *>(pcf->PcfMsg.pBlock);
    header->Encoding = swap ? 1 : 0;
    header->CharSet = ebcdic ? kEbcdicCharSet : kAsciiCharSet;
    header->lUserMsgLength = length;
    AlienPcfToNative(pcf);
    return pcf;
}

}  // namespace

int PcfInfo(int argc, char **argv)
{
    const char *command = "pcf info";
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {}, {}, args))
        return 2;
    if (args.help) {
        std::fputs(kInfoHelp, stdout);
        return 0;
    }
    if (args.positional.size() != 1)
        return zem_cli::UsageError(command, "expects one FILE (see 'zem pcf info --help')");
    const std::string &path = args.positional[0];
    std::string bytes;
    if (!zem_cli::ReadFile(path, bytes))
        return zem_cli::Failure(command, "cannot read '" + path + "'");
    PcfMessage *pcf = bytes.empty() ? nullptr : DeserializePcfMessage(path.c_str());
    // A negative ParameterCount loads as an empty message: nothing to show either.
    if (pcf && pcf->PcfMsg.Used - ZEM_MDHDR_LENGTH < ZEM_MQCFH_LENGTH) {
        DeletePcfMessage(pcf);
        pcf = nullptr;
    }
    if (!pcf)
        return zem_cli::Failure(command, "'" + path + "' does not hold a well-formed PCF message");
    PrintHeader(*pcf->pCfh, PcfToRaw(pcf, nullptr, 0), ParameterTotal(pcf));
    PrintParameters(pcf);
    DeletePcfMessage(pcf);
    return 0;
}

int PcfNative(int argc, char **argv)
{
    const char *command = "pcf native";
    zem_cli::Args args;
    if (!zem_cli::Parse(command, argc, argv, 1, {"-o"}, {"--swap", "--ebcdic"}, args))
        return 2;
    if (args.help) {
        std::fputs(kNativeHelp, stdout);
        return 0;
    }
    if (args.positional.size() != 1)
        return zem_cli::UsageError(command, "expects one FILE (see 'zem pcf native --help')");
    const std::string output = args.option("-o");
    if (output.empty())
        return zem_cli::UsageError(command, "-o OUT is required");
    const std::string &path = args.positional[0];
    std::string bytes;
    if (!zem_cli::ReadFile(path, bytes))
        return zem_cli::Failure(command, "cannot read '" + path + "'");
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX - ZEM_MDHDR_LENGTH - ZEM_MQCFH_LENGTH))
        return zem_cli::Failure(command, "'" + path + "' is empty or too large");

    PcfMessage *pcf = ConvertPeerMessage(bytes, args.has("--swap"), args.has("--ebcdic"));
    if (!pcf)
        return zem_cli::Failure(command, "out of memory");
    int status = 0;
    if (!RawToPcf(pcf)) {
        status = zem_cli::Failure(command,
                                  "'" + path +
                                      "' does not convert to a well-formed PCF message (check --swap and --ebcdic)");
    } else if (!SerializePcfMessage(pcf, output.c_str())) {
        status = zem_cli::Failure(command, "cannot write '" + output + "'");
    } else {
        std::printf("%s: %d bytes, %lld parameters\n", output.c_str(), PcfToRaw(pcf, nullptr, 0),
                    static_cast<long long>(ParameterTotal(pcf)));
    }
    DeletePcfMessage(pcf);
    return status;
}

}  // namespace zem_cmd
