// Running PCF-to-MQSC conversions on test messages and reading what they produced.
#pragma once
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "pcf_builders.h"
#include "zemapi.h"

namespace p2mtest {

// What one zemPcf2Mqsc call reported and wrote.
struct Conversion {
    int32_t compCode = -1;
    int32_t reason = -1;
    int32_t failedParam = -1;
    std::string text;    // the NUL-terminated text in the output area
    int32_t used = 0;    // the output envelope's Used afterwards
    std::string format;  // the output descriptor's Format, 8 characters
};

// A container for the text with `capacity` bytes of data area (at least 1).
inline zemtest::PcfPtr TextContainer(int32_t capacity)
{
    zemtest::PcfPtr text(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0));
    if (!text || !SizeMessage(&text->PcfMsg, capacity))
        throw std::runtime_error("cannot create the text container");
    text->pCfh = reinterpret_cast<ZEM_MQCFH *>(text->PcfMsg.pData);
    return text;
}

// Converts the command held by message into an existing text container, its capacity and
// state as they are.
inline Conversion ConvertInto(PcfMessage &message, PcfMessage &text, bool splitLines = false)
{
    Conversion result;
    zemPcf2Mqsc(&message, &text, splitLines ? 1 : 0, &result.compCode, &result.reason, &result.failedParam);
    const char *area = reinterpret_cast<const char *>(text.PcfMsg.pData);
    result.text.assign(area, strnlen(area, static_cast<std::size_t>(text.PcfMsg.Size - ZEM_MDHDR_LENGTH)));
    result.used = text.PcfMsg.Used;
    result.format.assign(text.PcfMsg.MsgDesc.Format, 8);
    return result;
}

// The same into a fresh text container of `capacity` bytes, for a message or for raw PCF
// bytes placed in a container of exactly their length.
inline Conversion Convert(PcfMessage &message, bool splitLines = false, int32_t capacity = 4096)
{
    return ConvertInto(message, *TextContainer(capacity), splitLines);
}
inline Conversion Convert(const std::string &pcfBytes, bool splitLines = false, int32_t capacity = 4096)
{
    return Convert(*zemtest::ContainerHolding(pcfBytes), splitLines, capacity);
}

// A blank-padded copy of text, width characters wide.
inline std::string Padded(const std::string &text, std::size_t width)
{
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

}  // namespace p2mtest
