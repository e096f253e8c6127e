// PCF commands of any content converted to MQSC text. The first byte picks the command
// (any command of the table, or an unknown code), the second the MQCFH version, the
// room of the text and a change to the parameter count; the rest are the parameter
// bytes behind a well-formed MQCFH. Each command is converted with and without
// continuation lines, and once more to see that no table state leaks between runs.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

const std::vector<int32_t> &Commands()
{
    static const std::vector<int32_t> commands = [] {
        std::vector<int32_t> list = {38, 13, 4711, 0};
        for (MqscKeyword **row = GetCmdTbl(); *row; ++row)
            list.push_back((*row)->id);
        return list;
    }();
    return commands;
}

// Top-level structures that the StrucLength words chain through, as a sender would count.
int32_t StructureCount(const uint8_t *data, std::size_t size)
{
    std::size_t offset = 0;
    int32_t count = 0;
    while (offset + 8 <= size && count < 200) {
        int32_t length;
        std::memcpy(&length, data + offset + 4, sizeof length);
        if (length < 8 || static_cast<std::size_t>(length) > size - offset)
            break;
        offset += static_cast<std::size_t>(length);
        ++count;
    }
    return count;
}

// The conversion leaves the command's bytes as they were, except that re-indexing sets a
// ParameterCount of 150 or more to 149 when it moves the rest into continuations.
bool SameCommandBytes(const PcfMessage &command, const std::string &original)
{
    std::string now(reinterpret_cast<const char *>(command.PcfMsg.pData), original.size());
    int32_t count;
    std::memcpy(&count, original.data() + 32, sizeof count);
    if (count >= ZEM_PCF_INDEX_ENTRIES) {
        int32_t cut;
        std::memcpy(&cut, now.data() + 32, sizeof cut);
        if (cut != ZEM_PCF_INDEX_ENTRIES - 1 && cut != count)
            return false;
        std::memcpy(&now[32], &count, sizeof count);
    }
    return now == original;
}

struct Result {
    int32_t compCode = -1, reason = -1, failed = -1;
    std::string text;
};

Result Convert(PcfMessage &command, int32_t room, int32_t split)
{
    Result result;
    PcfMessage *mqsc = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, room);
    if (!mqsc)
        return result;
    const int32_t usedBefore = mqsc->PcfMsg.Used;
    const int32_t capacity = mqsc->PcfMsg.Size - ZEM_MDHDR_LENGTH;
    zemPcf2Mqsc(&command, mqsc, split, &result.compCode, &result.reason, &result.failed);

    if (std::memcmp(mqsc->PcfMsg.MsgDesc.Format, "MQSTR   ", 8) != 0)
        zemfuzz::Fail("the text message's Format is not MQSTR");
    if (result.compCode == 0) {
        const char *text = reinterpret_cast<const char *>(mqsc->PcfMsg.pData);
        std::size_t length = strnlen(text, static_cast<std::size_t>(capacity));
        if (result.reason != 0 || length >= static_cast<std::size_t>(capacity) ||
            mqsc->PcfMsg.Used != ZEM_MDHDR_LENGTH + static_cast<int32_t>(length))
            zemfuzz::Fail("converted, but reason " + std::to_string(result.reason) + ", text of " +
                          std::to_string(length) + " in " + std::to_string(capacity) + ", Used " +
                          std::to_string(mqsc->PcfMsg.Used));
        result.text.assign(text, length);
    } else if (result.compCode == 2) {
        if (mqsc->PcfMsg.Used != usedBefore)
            zemfuzz::Fail("a failed conversion changed Used");
        if (result.reason == 0)
            zemfuzz::Fail("failed without a reason");
    } else {
        zemfuzz::Fail("completion code " + std::to_string(result.compCode));
    }
    DeletePcfMessage(mqsc);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const int32_t kRooms[] = {4096, 0, 16, 64, 256, 65536};
    static const int32_t kCountChanges[] = {0, 0, 1, -1, 150, -1000};
    zemfuzz::QuietStdout();
    zemfuzz::Input input(data, size);
    const std::vector<int32_t> &commands = Commands();
    const int32_t code = commands[input.Byte() % commands.size()];
    const uint8_t choice = input.Byte();
    const int32_t room = kRooms[(choice >> 2) % 6];
    const int32_t countChange = kCountChanges[(choice >> 5) % 6];

    ZEM_MQCFH cfh = {ZEM_MQCFT_COMMAND, ZEM_MQCFH_LENGTH, 1 + (choice & 3) % 3, code, 1, 1, 0, 0, 0};
    cfh.ParameterCount = StructureCount(input.Rest(), input.RestSize()) + countChange;
    std::string bytes(reinterpret_cast<const char *>(&cfh), sizeof cfh);
    bytes.append(reinterpret_cast<const char *>(input.Rest()), input.RestSize());

    // A fresh command message each time, so that the runs see the same bytes and Used.
    auto convert = [&](int32_t split, bool checkUnchanged) {
        PcfMessage *command = zemfuzz::ContainerHolding(bytes.data(), bytes.size());
        if (!command)
            return Result{};
        Result result = Convert(*command, room, split);
        if (checkUnchanged && !SameCommandBytes(*command, bytes))
            zemfuzz::Fail("the conversion changed the command message's bytes");
        DeletePcfMessage(command);
        return result;
    };
    Result first = convert(0, true);
    convert(1, false);
    Result again = convert(0, false);
    if (again.compCode != first.compCode || again.reason != first.reason || again.text != first.text)
        zemfuzz::Fail("a second conversion of the same command gave \"" + again.text + "\" (" +
                      std::to_string(again.reason) + ") after \"" + first.text + "\" (" + std::to_string(first.reason) +
                      ")");
    return 0;
}
