// The PcfMessage container: creation, reset, resize, copy, deletion and the file form.
#include "pcf/container.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>

#include "foundation/mq_constants.h"
#include "pcf/envelope.h"
#include "pcf/kept_blocks.h"
#include "pcf/structures.h"

namespace zem {

void DeleteContinuations(PcfMessage &pcf)
{
    while (PcfMessage *part = ContinuationOf(pcf)) {
        pcf.pNext = part->pNext;
        part->pNext = nullptr;
        DeletePcfMessage(part);
    }
}

int64_t TotalParameterCount(PcfMessage &pcf)
{
    int64_t total = 0;
    for (PcfMessage *part = &pcf; part; part = ContinuationOf(*part)) {
        int32_t count = 0;
        if (!ReadParameterCount(*part, count))
            return -1;
        total += std::max(count, 0);
    }
    return total;
}

bool AppendWholeMessage(PcfMessage &pcf, std::vector<unsigned char> &bytes)
{
    int64_t total = TotalParameterCount(pcf);
    if (total < 0 || total > INT32_MAX)
        return false;
    const std::size_t start = bytes.size();
    int64_t length = 0;
    for (PcfMessage *part = &pcf; part; part = ContinuationOf(*part)) {
        PcfCursor message = MessageBytes(*part);
        // Only the first part's MQCFH is kept: the others repeat it.
        int64_t skip = part == &pcf ? 0 : ZEM_MQCFH_LENGTH;
        length += message.length() - skip;
        if (length > INT32_MAX - kHeaderLength - ZEM_MQCFH_LENGTH) {
            bytes.resize(start);
            return false;
        }
        // Every caller is behind a C entry point: a failed allocation is a plain failure.
        try {
            bytes.insert(bytes.end(), message.data() + skip, message.data() + message.length());
        } catch (const std::bad_alloc &) {
            bytes.resize(start);
            return false;
        }
    }
    auto count = static_cast<int32_t>(total);
    std::memcpy(bytes.data() + start + kHeaderCountOffset, &count, sizeof count);
    return true;
}

IndexAnchor::IndexAnchor(PcfMessage &pcf) : pcf_(pcf)
{
    // Compared as integers: the entries may point anywhere, even at released memory
    // left behind by a caller's own resize.
    auto area = reinterpret_cast<uintptr_t>(pcf.PcfMsg.pData);
    int64_t capacity = pcf.PcfMsg.pData ? int64_t{pcf.PcfMsg.Size} - kHeaderLength : 0;
    for (int i = 0; i < ZEM_PCF_INDEX_ENTRIES; ++i) {
        auto entry = reinterpret_cast<uintptr_t>(pcf.AttrIndex[i].pData);
        bool inside = entry && entry >= area && static_cast<int64_t>(entry - area) < capacity;
        offsets_[i] = inside ? static_cast<int64_t>(entry - area) : -1;
    }
}

void IndexAnchor::Restore()
{
    for (int i = 0; i < ZEM_PCF_INDEX_ENTRIES; ++i) {
        MESSAGE &view = pcf_.AttrIndex[i];
        if (offsets_[i] < 0 || !pcf_.PcfMsg.pData)
            ClearView(view);
        else
            view.pData = pcf_.PcfMsg.pData + offsets_[i];
    }
}

namespace {

void SetInitialExtension(MSHDRE &ext)
{
    std::memset(&ext, 0, sizeof ext);
    ext.StrucLength = ZEM_MSHDRE_LENGTH;
    ext.Version = 1;
    ext.Author[0] = ' ';
}

// Makes the data area (at least 36 bytes, Used 136) a fresh message of one MQCFH.
void StartMessage(PcfMessage &pcf, int32_t command, int32_t type)
{
    pcf.Kind = kPcfMessageKind;
    SetInitialExtension(pcf.PcfExt);
    pcf.pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf.PcfMsg.pData);
    pcf.PcfMsg.Used += ZEM_MQCFH_LENGTH;
    std::memcpy(pcf.PcfMsg.MsgDesc.Format, "MQADMIN ", sizeof pcf.PcfMsg.MsgDesc.Format);
    pcf.PcfMsg.MsgDesc.MsgType = PcfToMsgType(type);

    ZEM_MQCFH header{};
    header.Type = SetPcfType(type);
    header.StrucLength = ZEM_MQCFH_LENGTH;
    header.Version = mq::MQCFH_VERSION_1;
    header.Command = command;
    header.MsgSeqNumber = 1;
    header.Control = mq::MQCFC_LAST;
    std::memcpy(pcf.PcfMsg.pData, &header, sizeof header);
}

// Released containers are kept for reuse. A container is about 60 KB, nearly all of it
// the descriptors of the index views, which the library never writes: they stay as zero
// as the block came, and everything else is set again on creation, so a reused one
// spares clearing 60 KB per message built. Two: a message and its first continuation.
using KeptContainers = KeptBlocks<PcfMessage, 2>;

PcfMessage *NewContainer()
{
    std::size_t size = 0;
    if (void *kept = KeptContainers::Take(sizeof(PcfMessage), size))
        return static_cast<PcfMessage *>(kept);
    void *object = nullptr;
    return fNewMemory(&object, sizeof(PcfMessage), "PcfMessage") ? static_cast<PcfMessage *>(object) : nullptr;
}

void ReleaseContainer(PcfMessage *pcf)
{
    if (!KeptContainers::Keep(pcf, sizeof *pcf))
        FreeMemory(pcf);
}

// Deletes the chain behind pcf, one container after the other.
void DeleteChain(PcfMessage &pcf)
{
    PcfMessage *next = pcf.pNext;
    pcf.pNext = nullptr;
    while (next) {
        PcfMessage *after = next->pNext;
        next->pNext = nullptr;
        DeletePcfMessage(next);
        next = after;
    }
}

// Steps 2 to 4 of a copy: dst's own chain goes, then the message itself is copied.
bool CopyOne(PcfMessage &src, PcfMessage &dst)
{
    DeleteChain(dst);
    IndexAnchor anchor(dst);
    bool copied = CopyMessage(&src.PcfMsg, &dst.PcfMsg) == 1;
    anchor.Restore();
    if (!copied)
        return false;
    dst.Kind = src.Kind;
    dst.PcfExt = src.PcfExt;
    dst.pCfh = reinterpret_cast<ZEM_MQCFH *>(dst.PcfMsg.pData);
    RawToPcf(&dst);
    return true;
}

// Command and Type of a container's MQCFH, read within its used bytes.
void HeaderIdentity(PcfMessage &pcf, int32_t &command, int32_t &type)
{
    PcfCursor bytes = MessageBytes(pcf);
    command = 0;
    type = ZEM_MQCFT_COMMAND;
    if (bytes.Fits(0, ZEM_MQCFH_LENGTH)) {
        bytes.Read32(offsetof(ZEM_MQCFH, Command), command);
        bytes.Read32(offsetof(ZEM_MQCFH, Type), type);
    }
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(PcfMessage *) CreatePcfMessage(int32_t command, int32_t type, int32_t size)
{
    if (size < 0 || size > INT32_MAX - kHeaderLength - ZEM_MQCFH_LENGTH)
        return nullptr;
    PcfMessage *pcf = NewContainer();
    if (!pcf)
        return nullptr;
    if (!CreateMessage(&pcf->PcfMsg, size + ZEM_MQCFH_LENGTH)) {
        ReleaseContainer(pcf);
        return nullptr;
    }
    StartMessage(*pcf, command, type);
    pcf->pNext = nullptr;
    RawToPcf(pcf);
    return pcf;
}

ZEMAPI(int) ResetPcfMessage(PcfMessage *pcf, int32_t command, int32_t type)
{
    if (!pcf)
        return 0;
    IndexAnchor anchor(*pcf);
    bool reset = ResetMessage(&pcf->PcfMsg) == 1;
    // A data area that a caller shrank below an MQCFH is grown back to hold one.
    if (reset && pcf->PcfMsg.Size - kHeaderLength < ZEM_MQCFH_LENGTH)
        reset = SizeMessage(&pcf->PcfMsg, ZEM_MQCFH_LENGTH) == 1;
    anchor.Restore();
    if (!reset)
        return 0;
    StartMessage(*pcf, command, type);
    DeleteChain(*pcf);
    RawToPcf(pcf);
    return 1;
}

ZEMAPI(int) SizePcfMessage(PcfMessage *pcf, int32_t size)
{
    if (!pcf || size < 0 || size > INT32_MAX - kHeaderLength - ZEM_MQCFH_LENGTH)
        return 0;
    // The message is emptied: its continuations go with its parameters.
    DeleteContinuations(*pcf);
    IndexAnchor anchor(*pcf);
    bool resized = SizeMessage(&pcf->PcfMsg, size + ZEM_MQCFH_LENGTH) == 1;
    anchor.Restore();
    if (!resized)
        return 0;
    pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData);
    pcf->Kind = kPcfMessageKind;
    pcf->PcfMsg.Used += ZEM_MQCFH_LENGTH;
    // Type and Command stay as the first header bytes held them.
    ZEM_MQCFH *header = pcf->pCfh;
    header->StrucLength = ZEM_MQCFH_LENGTH;
    header->Version = mq::MQCFH_VERSION_1;
    header->MsgSeqNumber = 1;
    header->Control = mq::MQCFC_LAST;
    header->CompCode = 0;
    header->Reason = 0;
    header->ParameterCount = 0;
    return RawToPcf(pcf);
}

ZEMAPI(int) CopyPcfMessage(PcfMessage *src, PcfMessage *dst)
{
    if (!src || !dst)
        return 0;
    if (src == dst)
        return 1;  // already a copy of itself; the copy would first empty it
    if (!CopyOne(*src, *dst))
        return 0;
    // The chain, one link after the other: a link that cannot be created ends the copy
    // of the chain there.
    for (PcfMessage *from = src->pNext, *to = dst; from; from = from->pNext, to = to->pNext) {
        int32_t command = 0, type = 0;
        HeaderIdentity(*from, command, type);
        to->pNext = CreatePcfMessage(command, type, std::max(from->PcfMsg.Size, 0));
        if (to->pNext && !CopyOne(*from, *to->pNext)) {
            DeletePcfMessage(to->pNext);
            to->pNext = nullptr;
        }
        if (!to->pNext)
            break;
    }
    return 1;
}

ZEMAPI(int) DeletePcfMessage(PcfMessage *pcf)
{
    if (!pcf)
        return 0;
    DeleteMessage(&pcf->PcfMsg);
    DeleteChain(*pcf);
    ReleaseContainer(pcf);
    return 1;
}

ZEMAPI(void) ResetPcfBuffer(PcfMessage *pcf)
{
    if (pcf)
        pcf->pCfh = reinterpret_cast<ZEM_MQCFH *>(pcf->PcfMsg.pData);
}

ZEMAPI(int) SerializePcfMessage(PcfMessage *pcf, const char *path)
{
    if (!pcf || !path)
        return 0;
    int64_t length = int64_t{pcf->PcfMsg.Used} - kHeaderLength;
    PcfCursor bytes = MessageBytes(*pcf);
    if (length < 0 || length != bytes.length())
        return 0;
    // A message with continuations is written whole, as one PCF message.
    std::vector<unsigned char> whole;
    if (ContinuationOf(*pcf)) {
        if (!AppendWholeMessage(*pcf, whole))
            return 0;
        bytes = PcfCursor(whole.data(), static_cast<int64_t>(whole.size()));
    }
    FILE *file = std::fopen(path, "wb");
    if (!file)
        return 0;
    auto count = static_cast<std::size_t>(bytes.length());
    std::size_t written = count ? std::fwrite(bytes.data(), 1, count, file) : 0;
    // A failed close may have lost buffered bytes.
    bool closed = std::fclose(file) == 0;
    return written == count && closed;
}

ZEMAPI(PcfMessage *) DeserializePcfMessage(const char *path)
{
    if (!path)
        return nullptr;
    FILE *file = std::fopen(path, "rb");
    if (!file)
        return nullptr;
    int32_t size = 0;
    PcfMessage *pcf = nullptr;
    if (SizeOfFile(file, &size) && size > 0)
        pcf = CreatePcfMessage(0, ZEM_MQCFT_COMMAND, size);
    if (pcf) {
        // The file's bytes replace the fresh header; the message is exactly what was read.
        int32_t capacity = pcf->PcfMsg.Size - kHeaderLength;
        std::size_t count = std::fread(pcf->PcfMsg.pData, 1, static_cast<std::size_t>(capacity), file);
        pcf->PcfMsg.Used = kHeaderLength + static_cast<int32_t>(count);
        pcf->pNext = nullptr;
        if (!RawToPcf(pcf)) {
            DeletePcfMessage(pcf);
            pcf = nullptr;
        }
    }
    std::fclose(file);
    return pcf;
}

ZEMAPI(int32_t) PcfToRaw(PcfMessage *pcf, void *buffer, int32_t capacity)
{
    if (!pcf)
        return -1;
    std::vector<unsigned char> whole;
    if (!AppendWholeMessage(*pcf, whole))
        return -1;
    auto length = static_cast<int32_t>(whole.size());
    if (buffer && capacity >= length)
        std::memcpy(buffer, whole.data(), whole.size());
    return length;
}

ZEMAPI(PcfMessage *) PcfContinuation(PcfMessage *pcf) { return pcf ? ContinuationOf(*pcf) : nullptr; }

}  // extern "C"
