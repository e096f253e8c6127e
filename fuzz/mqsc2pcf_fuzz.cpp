// MQSC reply texts from a z/OS command server, converted into PCF responses. The first
// byte picks the command the replies answer (any command of the table, or the escape
// command and the three report commands), the second the room of the output message;
// the rest is one or more reply texts separated by 0x01 bytes, converted in turn, as
// the replies of one command arrive.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "mqsc2pcf/driver.h"
#include "pcf_explore.h"

namespace {

const std::vector<int32_t> &Commands()
{
    static const std::vector<int32_t> commands = [] {
        std::vector<int32_t> list = {38, 10632, 10633, 10901, 13, 20, 2, 4711, 0, -1};
        for (MqscKeyword **row = GetCmdTbl(); *row; ++row)
            list.push_back((*row)->id);
        return list;
    }();
    return commands;
}

bool IsReport(int32_t command) { return command == 10632 || command == 10633 || command == 10901; }

std::string DataOf(const PcfMessage &pcf)
{
    return std::string(reinterpret_cast<const char *>(pcf.PcfMsg.pData),
                       static_cast<std::size_t>(pcf.PcfMsg.Used - ZEM_MDHDR_LENGTH));
}

void ConvertOne(const uint8_t *text, std::size_t size, int32_t command, int32_t room)
{
    PcfMessage *input = zemfuzz::ContainerHolding(text, size);
    PcfMessage *output = CreatePcfMessage(command, ZEM_MQCFT_COMMAND, room);
    if (!input || !output) {
        DeletePcfMessage(input);
        DeletePcfMessage(output);
        return;
    }
    const std::string before = DataOf(*output);
    int32_t status = -1, reason = -1, count = -1;
    zemMqsc2Pcf(input, output, &status, &reason, &count);

    const bool generic = command != 38 && !IsReport(command);
    if (status != 0 && status != 2)
        zemfuzz::Fail("status " + std::to_string(status));
    if (output->PcfMsg.Used > output->PcfMsg.Size || output->PcfMsg.Used < ZEM_MDHDR_LENGTH + ZEM_MQCFH_LENGTH)
        zemfuzz::Fail("output Used " + std::to_string(output->PcfMsg.Used) + " of Size " +
                      std::to_string(output->PcfMsg.Size));
    if (status == 0 || !generic) {
        // converted, or a report that failed after appending some values: well-formed PCF
        if (RawToPcf(output) != 1)
            zemfuzz::Fail("the response does not index (status " + std::to_string(status) + ", reason " +
                          std::to_string(reason) + ")");
        if (status == 0 && reason != 0)
            zemfuzz::Fail("status 0 with reason " + std::to_string(reason));
        if (output->pCfh->Command != command)
            zemfuzz::Fail("the response answers command " + std::to_string(output->pCfh->Command));
        zemfuzz::ExploreIndexed(*output);
    } else if (DataOf(*output) != before) {
        zemfuzz::Fail("a failed conversion changed the output (reason " + std::to_string(reason) + ")");
    }
    DeletePcfMessage(input);
    DeletePcfMessage(output);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const int32_t kRooms[] = {0, 20, 64, 512, 4096, 65536};
    zemfuzz::QuietStdout();
    zemfuzz::Input input(data, size);
    const std::vector<int32_t> &commands = Commands();
    int32_t command = commands[input.Byte() % commands.size()];
    int32_t room = kRooms[input.Byte() % (sizeof kRooms / sizeof kRooms[0])];

    zem::ResetReportStates();
    const uint8_t *text = input.Rest();
    const uint8_t *end = text + input.RestSize();
    for (int reply = 0; reply < 8 && text <= end; ++reply) {
        const uint8_t *stop =
            static_cast<const uint8_t *>(std::memchr(text, 0x01, static_cast<std::size_t>(end - text)));
        if (!stop)
            stop = end;
        ConvertOne(text, static_cast<std::size_t>(stop - text), command, room);
        text = stop + 1;
    }
    return 0;
}
