// The walk over a PCF command's structures: each one is checked against the data
// length and its own fields, then handed to its converter; the writer follows.
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "foundation/mq_constants.h"
#include "pcf/cursor.h"
#include "pcf/structures.h"
#include "pcf2mqsc/pcf2mqsc.h"

namespace zem {
namespace {

// A structure copied to 4-byte aligned storage, zero-padded to at least the size of the
// largest fixed layout, so that the converters may read it through its C layout whatever
// the alignment of the caller's buffer.
class AlignedStructure {
public:
    explicit AlignedStructure(const PcfCursor &structure)
        : words_(static_cast<std::size_t>(std::max<int64_t>(structure.length(), ZEM_MQCFH_LENGTH) + 3) / 4, 0)
    {
        std::memcpy(words_.data(), structure.data(), static_cast<std::size_t>(structure.length()));
    }
    template <typename Layout> const Layout &as() const { return *reinterpret_cast<const Layout *>(words_.data()); }

private:
    std::vector<int32_t> words_;
};

bool AsksForAllQueueTypes(int32_t command, const ZEM_MQCFIN &cfin)
{
    return (command == mq::MQCMD_INQUIRE_Q || command == mq::MQCMD_INQUIRE_Q_NAMES) &&
           cfin.Parameter == mq::MQIA_Q_TYPE && cfin.Value == mq::MQQT_ALL;
}

}  // namespace

void WalkPcfToMqsc(const PcfDataDesc &input, MqscText &output, bool splitLines, int32_t &reason, int32_t &failedParam)
{
    BeginPcfToMqsc();
    // The converters write at most a keyword name here.
    std::array<char, kScratchNameSize> scratch{};
    int32_t command = -1;
    int32_t converterReason = 0;
    reason = 0;
    failedParam = 0;

    // The walk only reads; the cursor's window is writable by type alone.
    const PcfCursor data(reinterpret_cast<unsigned char *>(const_cast<ZEM_MQCFH *>(input.pCfh)),
                         input.pCfh ? input.Length : 0);
    auto stop = [&](int32_t code, int32_t structureNumber) {
        reason = code;
        failedParam = structureNumber;
    };
    int32_t parameterCount = 0;
    if (!data.Fits(0, ZEM_MQCFH_LENGTH) || !data.Read32(kHeaderCountOffset, parameterCount))
        return stop(ZEM_P2M_BAD_STRUCTURE, 0);

    int64_t offset = 0;
    for (int64_t number = 0; parameterCount >= 0 && number <= parameterCount; ++number) {
        const auto structureNumber = static_cast<int32_t>(number);
        StructHead head;
        if (!ReadStructHead(data, offset, head) || head.strucLength < kStructHeadLength ||
            !data.Fits(offset, head.strucLength))
            return stop(ZEM_P2M_BAD_STRUCTURE, structureNumber);
        const int32_t strucLength = head.strucLength;
        const PcfCursor window = data.Window(offset, strucLength);
        // The count and length words of what is converted describe contents within the
        // structure, so that a converter never has to guess.
        const Shape *shape = ShapeOf(head.type);
        if (shape && head.type != ZEM_MQCFT_STRING_FILTER && !ContentsFit(*shape, window))
            return stop(ZEM_P2M_BAD_STRUCTURE, structureNumber);
        // Every MQCFH type reads as the command's header.
        const int32_t type = IsHeaderType(head.type) ? ZEM_MQCFT_COMMAND : head.type;

        const AlignedStructure structure(window);
        switch (type) {
        case 0:                        // a blanked structure
        case ZEM_MQCFT_STRING_FILTER:  // read by the WHERE clause only
            break;
        case ZEM_MQCFT_COMMAND: {
            const auto &cfh = structure.as<ZEM_MQCFH>();
            CfhToMqsc(cfh, scratch.data(), converterReason);
            command = cfh.Command;
            break;
        }
        case ZEM_MQCFT_INTEGER: {
            const auto &cfin = structure.as<ZEM_MQCFIN>();
            // All queue types is MQSC's default: no TYPE keyword at all.
            if (!AsksForAllQueueTypes(command, cfin))
                CfinToMqsc(cfin, scratch.data(), converterReason);
            break;
        }
        case ZEM_MQCFT_STRING: CfstToMqsc(structure.as<ZEM_MQCFST>(), scratch.data(), converterReason); break;
        case ZEM_MQCFT_INTEGER_LIST: CfilToMqsc(structure.as<ZEM_MQCFIL>(), converterReason); break;
        case ZEM_MQCFT_STRING_LIST:
            if (!StrListToMqscImpl(structure.as<ZEM_MQCFSL>(), scratch.data(), converterReason))
                return stop(ZEM_P2M_NOT_IN_TABLE, structureNumber);
            break;
        default: return stop(ZEM_P2M_BAD_STRUCTURE, structureNumber);
        }
        offset += strucLength;
    }

    int32_t writerReason = 0;
    reason = EmitMqsc(command, output, splitLines, writerReason) ? 0 : writerReason;
}

}  // namespace zem
