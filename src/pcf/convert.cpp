// Conversion of messages written by a peer of the other byte order or with EBCDIC text:
// the envelope header, the PCF header extension and the PCF data, all in place.
#include <cstdio>
#include <initializer_list>

#include "pcf/envelope.h"
#include "pcf/structures.h"

namespace zem {
namespace {

constexpr int32_t kAsciiCharSet = 1;
constexpr int32_t kEbcdicToAscii = 1;
// Embedded messages inside embedded messages: a peer's message nested deeper than this
// keeps its innermost text unconverted rather than exhaust the stack.
constexpr int kMaxEmbeddingDepth = 32;

struct Conversion {
    bool swap;
    bool convertText;
    int32_t textMode;
};

void SwapWord(PcfCursor &structure, int64_t offset)
{
    int32_t word = 0;
    if (structure.Read32(offset, word))
        structure.Write32(offset, bwlong(word));
}

void SwapWord64(PcfCursor &structure, int64_t offset)
{
    int64_t word = 0;
    if (structure.Read64(offset, word))
        structure.Write64(offset, bwint64(word));
}

// A count or length word of the (already converted) structure; 0 when it is missing or
// negative.
int64_t ReadLength(const PcfCursor &structure, int64_t offset)
{
    int32_t word = 0;
    return structure.Read32(offset, word) && word > 0 ? word : 0;
}

// The bytes from `start` that `wanted` asks for, cut at the end of the structure.
int64_t FittingBytes(const PcfCursor &structure, int64_t start, int64_t wanted)
{
    int64_t room = structure.length() - start;
    return room <= 0 ? 0 : (wanted < room ? wanted : room);
}

void ConvertRun(PcfCursor run, const Conversion &how, int depth);

// Converts everything of one structure but its Type and StrucLength; returns the number
// of member structures that follow it (header and group counts).
int64_t ConvertStructure(PcfCursor &structure, const Shape &shape, const Conversion &how, int depth)
{
    const bool valueList = shape.layout == Layout::kValueList;
    if (how.swap) {
        // Every word of the fixed part; a fixed 64-bit value as one.
        for (int64_t at = kParameterOffset; at < shape.fixedLength; at += 4) {
            if (at == shape.value && shape.valueSize == 8 && !valueList) {
                SwapWord64(structure, at);
                at += 4;
            } else if (at != shape.reserved) {
                SwapWord(structure, at);
            }
        }
        if (valueList) {
            int64_t wanted = ReadLength(structure, shape.count) * shape.valueSize;
            int64_t values = FittingBytes(structure, shape.value, wanted) / shape.valueSize;
            for (int64_t i = 0; i < values; ++i) {
                int64_t at = shape.value + i * shape.valueSize;
                shape.valueSize == 8 ? SwapWord64(structure, at) : SwapWord(structure, at);
            }
        }
    }
    if (shape.content != Content::kBytes) {
        int64_t texts = shape.layout == Layout::kEntryList ? ReadLength(structure, shape.count) : 1;
        int64_t length = FittingBytes(structure, shape.value, texts * ReadLength(structure, shape.length));
        unsigned char *text = structure.Bytes(shape.value, length);
        if (shape.content == Content::kEmbedded) {
            if (depth < kMaxEmbeddingDepth)
                ConvertRun(structure.Window(shape.value, length), how, depth + 1);
        } else if (how.convertText && text && length > 0) {
            TextConvert(text, text, static_cast<int32_t>(length), how.textMode);
        }
    }
    if (shape.layout != Layout::kHeader && shape.layout != Layout::kGroup)
        return 0;
    int32_t members = 0;
    structure.Read32(shape.count, members);
    return members;
}

// Converts the MQCFH or run of structures in `run` and the members they announce.
void ConvertRun(PcfCursor run, const Conversion &how, int depth)
{
    int64_t remaining = 1;
    int64_t offset = 0;
    while (remaining > 0 && offset < run.length()) {
        if (!run.Fits(offset, kStructHeadLength))
            break;
        if (how.swap) {
            SwapWord(run, offset + kTypeOffset);
            SwapWord(run, offset + kStrucLengthOffset);
        }
        // A structure shorter than its own head, or reaching beyond the data, ends the walk.
        StructHead head;
        if (!ReadStructHead(run, offset, head) || head.strucLength < kStructHeadLength ||
            !run.Fits(offset, head.strucLength))
            break;
        PcfCursor structure = run.Window(offset, head.strucLength);
        offset += head.strucLength;
        const Shape *shape = ShapeOf(head.type);
        if (shape) {
            remaining += ConvertStructure(structure, *shape, how, depth);
        } else {
            std::printf("AlienPcfBufferToNative: UNKNOWN PCF Type %d at Offset %d (MsgLen: %d)\n", head.type,
                        static_cast<int32_t>(offset), static_cast<int32_t>(run.length()));
        }
        --remaining;
    }
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) AlienPcfBufferToNative(void *pcf, int32_t swap, int32_t convertText, int32_t textMode, int32_t length)
{
    if (!pcf || length < 1)
        return 1;
    ConvertRun(PcfCursor(static_cast<unsigned char *>(pcf), length), Conversion{swap != 0, convertText != 0, textMode},
               0);
    return 1;
}

ZEMAPI(int) AlienPcfToNative(PcfMessage *pcf)
{
    if (!pcf || !pcf->PcfMsg.pBlock)
        return 0;
    MDHDR *header = Header(&pcf->PcfMsg);
    bool ebcdic = header->CharSet != kAsciiCharSet;
    // The peer's length word decides how much is converted, but never beyond the data area.
    int32_t capacity = pcf->PcfMsg.Size - kHeaderLength;
    int32_t length = header->lUserMsgLength < capacity ? header->lUserMsgLength : capacity;
    int result = AlienPcfBufferToNative(pcf->PcfMsg.pData, header->Encoding != 0, ebcdic, kEbcdicToAscii, length);
    if (result) {
        // Marked native in both respects, so that a second call changes nothing.
        header->Encoding = 0;
        if (ebcdic)
            header->CharSet = kAsciiCharSet;
    }
    return result;
}

ZEMAPI(int) AlienToNative(MESSAGE *msg)
{
    if (!msg || !msg->pBlock)
        return 0;
    MDHDR *header = Header(msg);
    if (header->Encoding != 0) {
        // Every integer word of the header; the bytes at 16 to 63 are not interpreted.
        for (int32_t *word : {&header->StrucLength, &header->HeaderWord1, &header->Encoding, &header->CharSet,
                              &header->lUserMsgLength, &header->HeaderWord2, &header->HeaderWord3})
            *word = bwlong(*word);
    }
    if (header->CharSet != kAsciiCharSet) {
        TextConvert(header->ApplName, header->ApplName, sizeof header->ApplName, kEbcdicToAscii);
        TextConvert(header->UserId, header->UserId, sizeof header->UserId, kEbcdicToAscii);
    }
    return header->StrucLength == kHeaderLength;
}

ZEMAPI(int) AlienToNativeExt(MSHDRE *ext)
{
    if (!ext)
        return 0;
    if (ext->Encoding != 0) {
        // Version stays as the peer wrote it; only the printers read it.
        for (int32_t *word : {&ext->StrucLength, &ext->Encoding, &ext->CharSet, &ext->UserMsgLength})
            *word = bwlong(*word);
    }
    if (ext->CharSet != kAsciiCharSet)
        TextConvert(ext->Author, ext->Author, sizeof ext->Author, kEbcdicToAscii);
    return ext->StrucLength == ZEM_MSHDRE_LENGTH;
}

}  // extern "C"
