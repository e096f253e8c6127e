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

// True when the structure's own count and length words describe contents that lie
// within its StrucLength, so that a converter never has to guess.
bool ContentsFit(const PcfCursor &structure, int32_t type)
{
    const int64_t length = structure.length();
    int32_t count = 0, stringLength = 0;
    switch (type) {
    case ZEM_MQCFT_COMMAND:
        return length >= ZEM_MQCFH_LENGTH;
    case ZEM_MQCFT_INTEGER:
        return length >= ZEM_MQCFIN_LENGTH;
    case ZEM_MQCFT_STRING:
        return structure.Read32(16, stringLength) && stringLength >= 0 &&
               structure.Fits(ZEM_MQCFST_LENGTH_FIXED, stringLength);
    case ZEM_MQCFT_INTEGER_LIST:
        return structure.Read32(12, count) && count >= 0 &&
               structure.Fits(ZEM_MQCFIL_LENGTH_FIXED, 4 * int64_t(count));
    case ZEM_MQCFT_STRING_LIST:
        return structure.Read32(16, count) && structure.Read32(20, stringLength) && count >= 0 &&
               stringLength >= 0 &&
               structure.Fits(ZEM_MQCFSL_LENGTH_FIXED, int64_t(count) * stringLength);
    default:
        return true;
    }
}

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
    template <typename Layout> const Layout &as() const
    {
        return *reinterpret_cast<const Layout *>(words_.data());
    }

private:
    std::vector<int32_t> words_;
};

bool AsksForAllQueueTypes(int32_t command, const ZEM_MQCFIN &cfin)
{
    return (command == mq::MQCMD_INQUIRE_Q || command == mq::MQCMD_INQUIRE_Q_NAMES) &&
           cfin.Parameter == mq::MQIA_Q_TYPE && cfin.Value == mq::MQQT_ALL;
}

}  // namespace

void WalkPcfToMqsc(const PcfDataDesc &input, MqscText &output, bool splitLines,
                   int32_t &reason, int32_t &failedParam)
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
    if (!data.Fits(0, ZEM_MQCFH_LENGTH) || !data.Read32(32, parameterCount))
        return stop(ZEM_P2M_BAD_STRUCTURE, 0);

    int64_t offset = 0;
    for (int64_t number = 0; parameterCount >= 0 && number <= parameterCount; ++number) {
        const auto structureNumber = static_cast<int32_t>(number);
        int32_t type = 0, strucLength = 0;
        if (!data.Read32(offset, type) || !data.Read32(offset + 4, strucLength) || strucLength < 8 ||
            !data.Fits(offset, strucLength))
            return stop(ZEM_P2M_BAD_STRUCTURE, structureNumber);
        // Every MQCFH type reads as the command's header.
        if (IsHeaderType(type))
            type = ZEM_MQCFT_COMMAND;
        const PcfCursor window = data.Window(offset, strucLength);
        if (!ContentsFit(window, type))
            return stop(ZEM_P2M_BAD_STRUCTURE, structureNumber);

        const AlignedStructure structure(window);
        switch (type) {
        case 0:                           // a blanked structure
        case ZEM_MQCFT_STRING_FILTER:     // read by the WHERE clause only
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
        case ZEM_MQCFT_STRING:
            CfstToMqsc(structure.as<ZEM_MQCFST>(), scratch.data(), converterReason);
            break;
        case ZEM_MQCFT_INTEGER_LIST:
            CfilToMqsc(structure.as<ZEM_MQCFIL>(), converterReason);
            break;
        case ZEM_MQCFT_STRING_LIST:
            if (!StrListToMqscImpl(structure.as<ZEM_MQCFSL>(), scratch.data(), converterReason))
                return stop(ZEM_P2M_NOT_IN_TABLE, structureNumber);
            break;
        default:
            return stop(ZEM_P2M_BAD_STRUCTURE, structureNumber);
        }
        offset += strucLength;
    }

    int32_t writerReason = 0;
    reason = EmitMqsc(command, output, splitLines, writerReason) ? 0 : writerReason;
}

}  // namespace zem
