#include "pcf/envelope.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "foundation/memory.h"
#include "pcf/kept_blocks.h"

namespace zem {

namespace {

constexpr ZEM_MQMD MakeDefaultDescriptor()
{
    ZEM_MQMD md{};
    md.StrucId[0] = 'M';
    md.StrucId[1] = 'D';
    md.StrucId[2] = md.StrucId[3] = ' ';
    md.Version = 1;
    md.MsgType = 8;     // datagram
    md.Expiry = -1;     // unlimited
    md.Encoding = 546;  // native x86 encoding
    for (char &c : md.Format)
        c = ' ';
    md.Priority = -1;    // as queue default
    md.Persistence = 2;  // as queue default
    md.MsgSeqNumber = 1;
    md.OriginalLength = -1;
    return md;
}

constexpr ZEM_MQMD kDefaultDescriptor = MakeDefaultDescriptor();

}  // namespace

// Every envelope gets one: a copy of a constant, made in pieces of at most 128 bytes,
// which the compiler turns into plain vector moves; one copy of all 364 bytes becomes a
// `rep movs` or a library call, either of which costs more than the rest of a small
// envelope's creation.
void SetDefaultDescriptor(ZEM_MQMD &md)
{
    constexpr std::size_t kPiece = 128;
    auto *to = reinterpret_cast<unsigned char *>(&md);
    const auto *from = reinterpret_cast<const unsigned char *>(&kDefaultDescriptor);
    std::memcpy(to, from, kPiece);
    std::memcpy(to + kPiece, from + kPiece, kPiece);
    std::memcpy(to + 2 * kPiece, from + 2 * kPiece, sizeof md - 2 * kPiece);
}

namespace {

// Released envelope blocks are kept for reuse: the envelope of a single parameter is
// created, appended and deleted for every parameter of a message built, and so is the
// data area of a message of a few kilobytes. A larger one goes back to the C library.
using KeptEnvelopeBlocks = KeptBlocks<MESSAGE, 8>;
constexpr int32_t kLargestKeptBlock = 8192;

// A zero-filled block of `size` bytes.
unsigned char *NewBlock(int32_t size)
{
    std::size_t keptSize = 0;
    if (size <= kLargestKeptBlock) {
        if (void *kept = KeptEnvelopeBlocks::Take(static_cast<std::size_t>(size), keptSize)) {
            ClearBlock(kept, static_cast<std::size_t>(size));
            return static_cast<unsigned char *>(kept);
        }
    }
    void *block = nullptr;
    return fNewMemory(&block, static_cast<uint32_t>(size), "Message") ? static_cast<unsigned char *>(block) : nullptr;
}

// Size is what the envelope says its block holds.
void ReleaseBlock(unsigned char *block, int32_t size)
{
    bool kept = size >= kHeaderLength && size <= kLargestKeptBlock &&
                KeptEnvelopeBlocks::Keep(block, static_cast<std::size_t>(size));
    if (!kept)
        FreeMemory(block);
}

// Grows or shrinks *block from `size` to `newSize` bytes, keeping what fits; a kept
// block that fits a growth spares the C library's move. False with *block untouched
// when there is no memory.
bool ResizeBlock(unsigned char **block, int32_t size, int32_t newSize)
{
    std::size_t keptSize = 0;
    if (*block && size >= 0 && newSize > size && newSize <= kLargestKeptBlock) {
        if (void *kept = KeptEnvelopeBlocks::Take(static_cast<std::size_t>(newSize), keptSize)) {
            CopyBlock(kept, *block, static_cast<std::size_t>(size));
            ReleaseBlock(*block, size);
            *block = static_cast<unsigned char *>(kept);
            return true;
        }
    }
    return ResizeKeepingOnFailure(block, static_cast<std::size_t>(newSize));
}

// A freshly obtained block: all zero but the header word that marks library blocks.
void InitBlockHeader(MESSAGE *msg)
{
    Header(msg)->HeaderWord3 = 1;
    std::memset(Header(msg)->UserId, 0, sizeof Header(msg)->UserId);
}

}  // namespace
}  // namespace zem

using namespace zem;

extern "C" {

ZEMAPI(int) CreateMessage(MESSAGE *msg, int32_t size)
{
    if (!msg || size < 0 || size > INT32_MAX - kHeaderLength)
        return 0;
    unsigned char *block = NewBlock(size + kHeaderLength);
    if (!block) {
        std::printf("MESSAGE::CreateMessage: fNewMemory() failed\n");
        return 0;
    }
    msg->pBlock = block;
    InitBlockHeader(msg);
    msg->Kind = 1;
    msg->pData = msg->pBlock + kHeaderLength;
    msg->Size = size + kHeaderLength;
    msg->Used = kHeaderLength;
    SetDefaultDescriptor(msg->MsgDesc);
    return 1;
}

ZEMAPI(int) SizeMessage(MESSAGE *msg, int32_t size)
{
    if (!msg || size < 0 || size > INT32_MAX - kHeaderLength)
        return 0;
    unsigned char *block = msg->pBlock;
    if (!ResizeBlock(&block, msg->Size, size + kHeaderLength)) {
        std::printf("MESSAGE::SizeMessage: fSizeMemory() failed. Requested %ld bytes,contained %ld bytes\n",
                    static_cast<long>(size) + kHeaderLength, static_cast<long>(msg->Size));
        return 0;
    }
    msg->pBlock = block;
    msg->pData = block + kHeaderLength;
    msg->Kind = 1;
    msg->Size = size + kHeaderLength;
    msg->Used = kHeaderLength;
    return 1;
}

ZEMAPI(int) SizeMessageKeep(MESSAGE *msg, int32_t size)
{
    if (!msg || size < msg->Used - kHeaderLength)
        return 0;
    int32_t used = msg->Used;
    if (!SizeMessage(msg, size))
        return 0;
    msg->Used = used;
    return 1;
}

ZEMAPI(int) ResetMessage(MESSAGE *msg)
{
    if (!msg)
        return 0;
    if (!msg->pBlock) {
        constexpr int32_t kDefaultCapacity = 256;
        unsigned char *block = NewBlock(kDefaultCapacity + kHeaderLength);
        if (!block) {
            std::printf("MESSAGE::ResetMessage: fNewMemory() failed\n");
            return 0;
        }
        msg->pBlock = block;
        Header(msg)->HeaderWord3 = 1;
        msg->Size = kDefaultCapacity + kHeaderLength;
    }
    msg->Kind = 1;
    std::memset(Header(msg)->UserId, 0, sizeof Header(msg)->UserId);
    msg->Used = kHeaderLength;
    msg->pData = msg->pBlock + kHeaderLength;
    SetDefaultDescriptor(msg->MsgDesc);
    return 1;
}

ZEMAPI(int) AppendMessage(MESSAGE *dst, MESSAGE *src)
{
    if (!dst || !src || !dst->pBlock || !src->pData)
        return 0;
    int32_t length = src->Used - kHeaderLength;
    if (length < 0)
        return 0;
    if (dst->Size - dst->Used < length) {
        if (dst->Used > INT32_MAX - kHeaderLength - length)
            return 0;
        int32_t used = dst->Used;
        if (!SizeMessage(dst, used + length))
            return 0;
        dst->Used = used;
    }
    if (dst->Size - dst->Used < length)
        return 0;
    std::memmove(dst->pData + (dst->Used - kHeaderLength), src->pData, static_cast<std::size_t>(length));
    dst->Used += length;
    return 1;
}

ZEMAPI(int) CopyMessage(MESSAGE *src, MESSAGE *dst)
{
    if (!src || !dst || !ResetMessage(dst))
        return 0;
    dst->Kind = src->Kind;
    if (src->pBlock)
        Header(dst)->StrucLength = Header(src)->StrucLength;
    dst->MsgDesc = src->MsgDesc;
    return AppendMessage(dst, src);
}

ZEMAPI(int) DeleteMessage(MESSAGE *msg)
{
    if (!msg || !msg->pData)
        return 0;
    if (msg->pBlock)
        ReleaseBlock(msg->pBlock, msg->Size);
    msg->pBlock = nullptr;
    msg->pData = nullptr;
    msg->Size = 0;
    msg->Used = 0;
    return 1;
}

ZEMAPI(int) VerifyMessage(MESSAGE *msg) { return msg && msg->pBlock && Header(msg)->StrucLength == kHeaderLength; }

ZEMAPI(int) VerifyMessageExt(MSHDRE *ext) { return ext && ext->StrucLength == ZEM_MSHDRE_LENGTH; }

ZEMAPI(void) PrintMessage(MESSAGE *msg)
{
    if (!msg || !msg->pBlock)
        return;
    const MDHDR *header = Header(msg);
    // The text fields need not be terminated: print at most their width.
    std::printf("(MDHDR)\nStrucLength(%d)lUserMsgLength(%d)\n", header->StrucLength, header->lUserMsgLength);
    std::printf("ApplName(\"%.*s\")\n\n", static_cast<int>(sizeof header->ApplName), header->ApplName);
    std::printf("UserId(\"%.*s\")\n\n", static_cast<int>(sizeof header->UserId), header->UserId);
}

ZEMAPI(int) CreateBuffer(Buffer *buf, int32_t size)
{
    if (!buf || size < 0)
        return 0;
    void *block = nullptr;
    if (!fNewMemory(&block, static_cast<uint32_t>(size), "Buffer"))
        return 0;
    buf->pBuf = static_cast<unsigned char *>(block);
    buf->Reserved1 = buf->Reserved2 = buf->Reserved3 = 0;
    buf->Length = buf->Capacity = size;
    return 1;
}

ZEMAPI(int) SizeBuffer(Buffer *buf, int32_t size)
{
    if (!buf || size < 0)
        return 0;
    unsigned char *block = buf->pBuf;
    if (!ResizeKeepingOnFailure(&block, static_cast<std::size_t>(size)))
        return 0;
    buf->pBuf = block;
    buf->Capacity = size;
    return 1;
}

ZEMAPI(int) ResetBuffer(Buffer *buf, int32_t length)
{
    if (!buf)
        return 0;
    buf->Reserved1 = buf->Reserved2 = buf->Reserved3 = 0;
    if (static_cast<uint32_t>(length) > static_cast<uint32_t>(buf->Capacity))
        SizeBuffer(buf, length);
    buf->Length = static_cast<uint32_t>(length) < static_cast<uint32_t>(buf->Capacity) ? length : buf->Capacity;
    return 1;
}

ZEMAPI(int) DeleteBuffer(Buffer *buf)
{
    if (!buf || !buf->pBuf)
        return 0;
    FreeMemory(buf->pBuf);
    *buf = Buffer{};
    return 1;
}

}  // extern "C"
