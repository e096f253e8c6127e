#include "conversion_helpers.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace p2mtest {

zemtest::PcfPtr TextContainer(int32_t capacity)
{
    zemtest::PcfPtr text(CreatePcfMessage(0, ZEM_MQCFT_COMMAND, 0));
    if (!text || !SizeMessage(&text->PcfMsg, capacity))
        throw std::runtime_error("cannot create the text container");
    text->pCfh = reinterpret_cast<ZEM_MQCFH *>(text->PcfMsg.pData);
    return text;
}

Conversion ConvertInto(PcfMessage &message, PcfMessage &text, bool splitLines)
{
    Conversion result;
    zemPcf2Mqsc(&message, &text, splitLines ? 1 : 0, &result.compCode, &result.reason,
                &result.failedParam);
    const int32_t capacity = text.PcfMsg.Size - ZEM_MDHDR_LENGTH;
    const char *area = reinterpret_cast<const char *>(text.PcfMsg.pData);
    result.text.assign(area, strnlen(area, static_cast<std::size_t>(capacity)));
    result.used = text.PcfMsg.Used;
    result.format.assign(text.PcfMsg.MsgDesc.Format, 8);
    return result;
}

Conversion Convert(PcfMessage &message, bool splitLines, int32_t capacity)
{
    zemtest::PcfPtr text = TextContainer(capacity);
    return ConvertInto(message, *text, splitLines);
}

Conversion Convert(const std::string &pcfBytes, bool splitLines, int32_t capacity)
{
    zemtest::PcfPtr message = zemtest::ContainerHolding(pcfBytes);
    return Convert(*message, splitLines, capacity);
}

WalkResult Walk(const std::string &pcfBytes, bool splitLines, int32_t capacity)
{
    // Exact-size copies, so that a read past the data or a write past the area is seen.
    std::vector<unsigned char> data = zemtest::ExactBytes(pcfBytes);
    std::vector<char> area(static_cast<std::size_t>(capacity), '\x7f');
    WalkResult result;
    PcfDataDesc input{reinterpret_cast<const ZEM_MQCFH *>(data.data()), static_cast<int32_t>(data.size())};
    MqscText output{area.data(), capacity};
    PcfToMqsc(input, &output, splitLines ? 1 : 0, &result.reason, &result.failedParam);
    result.length = output.length;
    result.text.assign(area.data(), strnlen(area.data(), area.size()));
    return result;
}

std::string Padded(const std::string &text, std::size_t width)
{
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

}  // namespace p2mtest
